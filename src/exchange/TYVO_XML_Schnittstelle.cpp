#include "exchange/TYVO_XML_Schnittstelle.h"

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmversion.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

const QString Wurzel = QStringLiteral("TYVO_Austauschdaten");
const QString MAGDaten = QStringLiteral("TYVO_Austauschdaten/MAG_Daten");
const QString AllgDatenPfad = QStringLiteral("TYVO_Austauschdaten/Allg_Daten");
const QString Adresspfad = QStringLiteral("TYVO_Austauschdaten/TyvoProjektAdressdaten");
const QString VorgabenAllg = QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/MAG_Vorgaben_Allg_Daten");
const QString WEPfad = QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/WE_Daten");
constexpr int MaxWE = 6;

QString Positionspfad(const QString& pfad, int i)
{
    return pfad + QStringLiteral("[position()=") + QString::number(i) + QStringLiteral("]");
}

}  // namespace

QString TYVO_XML_Schnittstelle::Anwendungstitel()
{
    return QStringLiteral("Kelvor");
}

void TYVO_XML_Schnittstelle::InitAustauschdaten()
{
    Programmzustand& z = zustand();
    // The counters keep their values until a read succeeds.
    z.TyvoDaten = TyvoAustauschdaten{};
    z.TyvoDaten.Programm = Anwendungstitel();
    z.TyvoDaten.Version = Programmversion::Text();
}

bool TYVO_XML_Schnittstelle::LeseElementText(const QString& name, QString& ziel)
{
    if (m_xml->GetElementText(name) != 0)
        return false;
    ziel = m_xml->ElementeText();
    return true;
}

bool TYVO_XML_Schnittstelle::LeseElementLong(const QString& name, int32_t& ziel)
{
    if (m_xml->GetElementText(name) != 0)
        return false;
    bool zahl = false;
    const double w = Zahlen::TextZuZahl(m_xml->ElementeText(), &zahl);
    bool imBereich = false;
    const int32_t l = zahl ? Zahlen::CLng(w, &imBereich) : 0;
    if (!zahl || !imBereich) {
        m_datentypMarke = 2;
        return false;
    }
    ziel = l;
    return true;
}

bool TYVO_XML_Schnittstelle::LeseElementInteger(const QString& name, int16_t& ziel)
{
    int32_t l = 0;
    bool imBereich = false;
    const int16_t i = LeseElementLong(name, l) ? Zahlen::CInt(l, &imBereich) : 0;
    if (!imBereich) {
        m_datentypMarke = 1;
        return false;
    }
    ziel = i;
    return true;
}

bool TYVO_XML_Schnittstelle::LesenAlleXMLDatenVonTyvo(int modus)
{
    m_xml = std::make_unique<XML_Tools>();
    m_fehlerCode = 0;
    m_allgErrorDescription.clear();
    m_ergebnis = 0;
    m_hinweis.clear();
    m_datentypMarke = 0;
    InitAustauschdaten();
    const bool gelesen = LeseEinlesen(modus);
    if (!gelesen)
        SetzeXMLFehler(modus, *m_xml);
    m_xml.reset();
    return gelesen;
}

bool TYVO_XML_Schnittstelle::LeseEinlesen(int modus)
{
    Programmzustand& z = zustand();
    TyvoAustauschdaten& d = z.TyvoDaten;
    XML_Tools& x = *m_xml;
    if (x.LoadXMLDocument(z.TyvoDatei) != 0)
        return false;
    if (x.SetNewKontextNode(Wurzel, false) != 0)
        return false;
    if (!LeseElementInteger(QStringLiteral("FehlerCode"), d.FehlerCode)
        || !LeseElementText(QStringLiteral("TyvoVersion"), d.TyvoVersion))
        return false;
    LeseElementText(QStringLiteral("TyvoProjekt"), d.TyvoProjekt);
    if (!LeseElementText(QStringLiteral("ProjektID"), d.ProjektID) && modus == 2)
        return false;

    if (x.SetNewKontextNode(Adresspfad, false) == 0) {
        for (auto [name, feld] : {std::pair{QStringLiteral("Name1"), &d.Name1},
                                  std::pair{QStringLiteral("Name2_bzwNr"), &d.Name2_bzwNr},
                                  std::pair{QStringLiteral("StrasseUndNr"), &d.StrasseUndNr},
                                  std::pair{QStringLiteral("PLZ"), &d.PLZ}, std::pair{QStringLiteral("ORT"), &d.ORT}}) {
            if (!LeseElementText(name, *feld))
                return false;
        }
    }

    if (x.SetNewKontextNode(AllgDatenPfad, false) != 0 || !LeseElementText(QStringLiteral("Klartext"), d.Klartext)
        || !LeseElementInteger(QStringLiteral("Ergebnis"), d.Ergebnis)
        || !LeseElementText(QStringLiteral("Hinweis"), d.Hinweis))
        return false;

    if (x.SetNewKontextNode(VorgabenAllg, false) != 0
        || !LeseElementInteger(QStringLiteral("Beheizungsart"), d.Beheizungsart)
        || !LeseElementInteger(QStringLiteral("Anlagenabsicherung"), d.Anlagenabsicherung)
        || !LeseElementLong(QStringLiteral("Anlageninhalt"), d.Anlageninhalt))
        return false;
    int32_t flag = 0;
    d.Entschlammung_Anlage = LeseElementLong(QStringLiteral("Entschlammung_Anlage"), flag) && flag == 1;
    if (d.Beheizungsart == 1) {
        if (!LeseElementInteger(QStringLiteral("T_Prim"), d.T_Prim))
            return false;
    } else {
        d.T_Prim = 0;
    }
    int32_t pst = 0;
    int32_t psv = 0;
    if (!LeseElementInteger(QStringLiteral("TVL"), d.TVL) || !LeseElementInteger(QStringLiteral("TRL"), d.TRL)
        || !LeseElementLong(QStringLiteral("Pst"), pst))
        return false;
    // Pressures come in bar x 1000.
    d.Pst = Zahlen::CSng(pst / 1000.0);
    if (!LeseElementLong(QStringLiteral("Psv"), psv))
        return false;
    d.Psv = Zahlen::CSng(psv / 1000.0);
    if (!LeseElementInteger(QStringLiteral("Max_Hoehe"), d.Max_Hoehe)
        || !LeseElementInteger(QStringLiteral("Max_Durchmesser"), d.Max_Durchmesser))
        return false;

    int16_t letzter = 0;
    int16_t anzahl = 0;
    for (int i = 1; i <= MaxWE; ++i) {
        if (x.SetNewKontextNode(Positionspfad(WEPfad, i), false) != 0)
            continue;
        TyvoWEDaten& we = d.WE_Daten[static_cast<size_t>(i)];
        if (!LeseElementLong(QStringLiteral("Leistung"), we.Leistung)
            || !LeseElementInteger(QStringLiteral("Wasserinhalt"), we.Wasserinhalt))
            return false;
        if (!LeseElementInteger(QStringLiteral("Inhalt_internes_MAG"), we.Inhalt_internes_MAG))
            we.Inhalt_internes_MAG = 0;
        flag = 0;
        we.EntschlammungsGefaess = LeseElementLong(QStringLiteral("EntschlammungsGefaess"), flag) && flag == 1;
        if (!LeseElementInteger(QStringLiteral("SiV_Art"), we.SiV_Art))
            we.SiV_Art = 0;
        letzter = static_cast<int16_t>(i);
        ++anzahl;
    }
    if (anzahl == 0)
        return false;

    z.TyvoLetzterWE = letzter;
    z.TyvoAnzahlWE = anzahl;
    // The internal-vessel test runs over the count, not the last position.
    for (int i = 1; i <= anzahl; ++i) {
        if (d.WE_Daten[static_cast<size_t>(i)].Inhalt_internes_MAG > 0)
            d.Anlagenabsicherung = 0;
    }
    if (d.Beheizungsart == 1)
        d.Anlagenabsicherung = 0;
    return true;
}

void TYVO_XML_Schnittstelle::SetzeXMLFehler(int modus, XML_Tools& xml)
{
    TyvoAustauschdaten& d = zustand().TyvoDaten;
    const int o = zustand().Sprachoffset;
    if (xml.ErrorCode() != 0) {
        m_allgErrorDescription = xml.Error_Description();
        if (xml.ErrorCode() == 2)
            m_allgErrorDescription += QStringLiteral("Parse Error Line: ") + QString::number(xml.ErrorLine());
        m_fehlerCode = -2;
        m_allgErrorDescription += QStringLiteral("\r\n") + xml.ErrorMerkXPath();
        d.Ergebnis = 0;
        d.Hinweis.clear();
    } else {
        m_fehlerCode = 1;
        m_allgErrorDescription.clear();
        if (m_datentypMarke == 1 || m_datentypMarke == 2) {
            m_ergebnis = -1;
            m_hinweis = xml.ErrorMerkXPath() + QStringLiteral("\r\n") + LadeText(o + (m_datentypMarke == 1 ? 2602 : 2603));
        } else {
            m_ergebnis = 0;
            m_hinweis.clear();
        }
        d.Ergebnis = m_ergebnis;
        d.Hinweis = m_hinweis;
    }
    d.FehlerCode = m_fehlerCode;
    EntferneAlteRückgabe(modus, xml, false);
}

bool TYVO_XML_Schnittstelle::EntferneAlteRückgabe(int modus, XML_Tools& xml, bool neuLaden)
{
    bool fehler = false;
    bool allgGescheitert = false;
    if (neuLaden && xml.LoadXMLDocument(zustand().TyvoDatei) != 0) {
        fehler = true;
    } else {
        if (xml.SetNewKontextNode(MAGDaten, false) != 0) {
            fehler = true;
        } else {
            for (int k = 0; k < 3 && xml.RemoveChildNode(QStringLiteral("MAG_Ergebnisse")); ++k) {
            }
        }
        for (int i = 1; i <= MaxWE; ++i) {
            if (xml.SetNewKontextNode(Positionspfad(Wurzel + QStringLiteral("/Warenkorb"), i), false) != 0)
                continue;
            while (xml.RemoveChildNode(QStringLiteral("Warenkorbzeile"))) {
            }
        }
        if (!SchreibeAllgDaten(modus, xml)) {
            fehler = true;
            allgGescheitert = true;
        }
    }
    if (fehler && !allgGescheitert)
        SpeicherfehlerMelden();
    return !fehler;
}

bool TYVO_XML_Schnittstelle::SchreibeAllgDaten(int modus, XML_Tools& xml)
{
    const TyvoAustauschdaten& d = zustand().TyvoDaten;
    if (xml.SetNewKontextNode(Wurzel, false) != 0) {
        SpeicherfehlerMelden();
        return false;
    }
    bool gut = xml.SetElementText(QString::number(d.FehlerCode), QStringLiteral("FehlerCode")) == 0;
    if (xml.SetNewKontextNode(AllgDatenPfad, false) == 0) {
        gut = xml.SetElementText(QString::number(d.Ergebnis), QStringLiteral("Ergebnis")) == 0 && gut;
        gut = xml.SetElementText(d.Hinweis, QStringLiteral("Hinweis")) == 0 && gut;
    }
    if (xml.SetNewKontextNode(Wurzel, false) != 0)
        gut = false;
    gut = xml.SetElementText(d.Programm, QStringLiteral("Programm")) == 0 && gut;
    gut = xml.SetElementText(d.Version, QStringLiteral("Version")) == 0 && gut;
    if (xml.SetElementText(d.ProjektID, QStringLiteral("ProjektID")) != 0 && modus == 2)
        gut = false;
    // Saved even when a value element was missing.
    if (xml.SaveXMLDocument() != 0)
        gut = false;
    if (!gut)
        SpeicherfehlerMelden();
    return gut;
}

void TYVO_XML_Schnittstelle::SpeicherfehlerMelden()
{
    const int o = zustand().Sprachoffset;
    MsgBox(LadeText(o + 2600), MsgStil::OK | MsgStil::Stop, LadeText(o + 1607));
}

bool TYVO_XML_Schnittstelle::LesenAlleXMLDatenVonTyvo(int modus, QString& projektId, QString& fehler)
{
    const bool gelesen = LesenAlleXMLDatenVonTyvo(modus);
    projektId = zustand().TyvoDaten.ProjektID;
    fehler = m_allgErrorDescription;
    return gelesen;
}

void TYVO_XML_Schnittstelle::RückgabeInXML_AuswahlErfolgreich(int)
{
    // The success answer with the changed values and the baskets is not written yet; the
    // exchange file stays as the host wrote it.
}

void TYVO_XML_Schnittstelle::RückgabeInXML_AuswahlNutzerabbruch(int modus)
{
    TyvoAustauschdaten& d = zustand().TyvoDaten;
    d.FehlerCode = 1;
    d.Ergebnis = -1;
    d.Hinweis = LadeText(zustand().Sprachoffset + 2601);
    m_xml = std::make_unique<XML_Tools>();
    EntferneAlteRückgabe(modus, *m_xml, true);
    m_xml.reset();
}

TyvoProjektadresse TYVO_XML_Schnittstelle::Projektadresse() const
{
    const TyvoAustauschdaten& d = zustand().TyvoDaten;
    return {d.Name1, d.Name2_bzwNr, d.StrasseUndNr, d.PLZ, d.ORT};
}

void TYVO_XML_Schnittstelle::SetzeProjektID(const QString& projektId)
{
    zustand().TyvoDaten.ProjektID = projektId;
}
