#include "exchange/TYVO_XML_Schnittstelle.h"

#include <QDir>
#include <QLoggingCategory>

#include <algorithm>
#include <tuple>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/MessagePresenter.h"
#include "base/Programmversion.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/heating/GlobDatenHeizung.h"

// Why an exchange file could not be read (off unless QT_LOGGING_RULES="kelvor.austausch.debug=true").
Q_LOGGING_CATEGORY(lcAustausch, "kelvor.austausch", QtWarningMsg)

namespace {

const QString Wurzel = QStringLiteral("TYVO_Austauschdaten");
const QString MAGDaten = QStringLiteral("TYVO_Austauschdaten/MAG_Daten");
const QString AllgDatenPfad = QStringLiteral("TYVO_Austauschdaten/Allg_Daten");
const QString Adresspfad = QStringLiteral("TYVO_Austauschdaten/TyvoProjektAdressdaten");
const QString VorgabenAllg = QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/MAG_Vorgaben_Allg_Daten");
const QString WEPfad = QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/WE_Daten");
const QString Korbpfad = QStringLiteral("TYVO_Austauschdaten/Warenkorb");
constexpr int MaxWE = 6;
constexpr int TextDateiNichtGeschrieben = 2241;

QString Positionspfad(const QString& pfad, int i)
{
    return pfad + QStringLiteral("[position()=") + QString::number(i) + QStringLiteral("]");
}

// A member of the heating record by name.
VbVariant Wert(const GlobDaten& h, const char* name)
{
    return h.lese(QString::fromUtf8(name));
}

VbVariant Wert(const GlobDaten& h, const char* name, int index)
{
    return h.lese(QString::fromUtf8(name), {VbVariant::integer(static_cast<int16_t>(index))});
}

// A numeric member; a value that is no number reads 0.
double Zahl(const VbVariant& v)
{
    bool ok = false;
    const double w = v.isNull() || v.isEmpty() ? 0.0 : v.toDouble(&ok);
    return ok ? w : 0.0;
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
        qCDebug(lcAustausch).noquote() << "Ladefehler:" << m_allgErrorDescription.simplified();
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
        if (xml.SetNewKontextNode(MAGDaten, false) != 0)
            fehler = true;
        else
            XML_Tools::RemoveChildElements(xml.Kontextknoten(), QStringLiteral("MAG_Ergebnisse"));
        // Every basket loses its lines; the baskets and their titles stay. One walk over the
        // baskets and their children, however many a file holds.
        if (const pugi::xpath_node_set* körbe = xml.GetListNodesByXpath(Korbpfad, false)) {
            for (const pugi::xpath_node& korb : *körbe)
                XML_Tools::RemoveChildElements(korb.node(), QStringLiteral("Warenkorbzeile"));
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

void TYVO_XML_Schnittstelle::EntferneAlleKinder(XML_Tools& xml, const QString& name)
{
    while (xml.RemoveChildNode(name)) {
    }
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
    // Saved even when a value element was missing. A file that cannot be written is named.
    if (xml.SaveXMLDocument() != 0) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(zustand().Sprachoffset + TextDateiNichtGeschrieben),
                QDir::toNativeSeparators(xml.GeladeneDatei()), xml.Error_Description());
        return false;
    }
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

// ---------------------------------------------------------------------------------------------
// Success

void TYVO_XML_Schnittstelle::RückgabeInXML_AuswahlErfolgreich(int modus)
{
    TyvoAustauschdaten& d = zustand().TyvoDaten;
    d.FehlerCode = 1;
    d.Ergebnis = 1;
    d.Hinweis.clear();
    m_xml = std::make_unique<XML_Tools>();
    SchreibeRückgabeErfolgreich(modus, zustand().g_heizdat.get());
    m_xml.reset();
}

void TYVO_XML_Schnittstelle::RückgabeInXML_AuswahlErfolgreich(int modus, GlobDaten& heizdaten)
{
    TyvoAustauschdaten& d = zustand().TyvoDaten;
    d.FehlerCode = 1;
    d.Ergebnis = 1;
    d.Hinweis.clear();
    m_xml = std::make_unique<XML_Tools>();
    SchreibeRückgabeErfolgreich(modus, &heizdaten);
    m_xml.reset();
}

bool TYVO_XML_Schnittstelle::SchreibeRückgabeErfolgreich(int modus, GlobDaten* heizdaten)
{
    XML_Tools& x = *m_xml;
    bool fehler = false;
    bool allgGescheitert = false;
    if (x.LoadXMLDocument(zustand().TyvoDatei) != 0) {
        fehler = true;
    } else {
        // Old results go first.
        if (x.SetNewKontextNode(MAGDaten, false) != 0)
            fehler = true;
        else
            EntferneAlleKinder(x, QStringLiteral("MAG_Ergebnisse"));

        // The input values the program changed.
        XmlFragment vorgaben;
        const bool vorgabenOk = heizdaten && SchreibeMAGVorgabenGeändert(*heizdaten, vorgaben);
        const auto ergebnisgruppe = [&x](pugi::xml_node magDaten) {
            pugi::xml_node e = magDaten.child("MAG_Ergebnisse");
            return e ? e : x.CreateAppendChildElementNode(magDaten, QStringLiteral("MAG_Ergebnisse"));
        };
        pugi::xml_node magDaten = x.GetSingleNodeByXpath(MAGDaten, false);
        if (!magDaten) {
            fehler = true;
        } else {
            if (!vorgabenOk)
                fehler = true;
            if (vorgaben.HatKinder()
                && !x.CreateNodeAndAppendDocumentFragment(ergebnisgruppe(magDaten),
                                                          QStringLiteral("MAG_Vorgaben_geaendert"), vorgaben))
                fehler = true;
        }

        // The results per heat generator.
        std::array<XmlFragment, 6> we;
        const bool weOk = SchreibeWEDatenGeändert(we);
        magDaten = x.GetSingleNodeByXpath(MAGDaten, false);
        if (!magDaten) {
            fehler = true;
        } else {
            if (!weOk)
                fehler = true;
            for (XmlFragment& f : we) {
                if (f.HatKinder()
                    && !x.CreateNodeAndAppendDocumentFragment(ergebnisgruppe(magDaten),
                                                              QStringLiteral("WE_Daten_geaendert"), f))
                    fehler = true;
            }
        }

        // The article baskets replace every old one.
        if (x.SetNewKontextNode(Wurzel, false) != 0)
            fehler = true;
        else
            EntferneAlleKinder(x, QStringLiteral("Warenkorb"));
        const bool körbeOk = heizdaten && ErzeugeWarenkorb(*heizdaten);
        const pugi::xml_node wurzel = x.GetSingleNodeByXpath(Wurzel, false);
        if (!wurzel) {
            fehler = true;
        } else {
            if (!körbeOk)
                fehler = true;
            for (int j = 1; j <= AnzahlKörbe; ++j) {
                XmlFragment& f = m_körbe[static_cast<size_t>(j - 1)];
                if (!f.HatKinder())
                    continue;
                const pugi::xml_node korb = x.CreateAppendChildElementNode(wurzel, QStringLiteral("Warenkorb"));
                if (!korb || !x.CreateAppendChildTextElementNode(korb, QStringLiteral("Warenkorb_Bezug"),
                                                                 TitelWärmeerzeuger(j))
                    || !x.AppendDocumentFragment(korb, f))
                    fehler = true;
            }
        }
        m_körbe = {};

        if (!SchreibeAllgDaten(modus, x)) {
            fehler = true;
            allgGescheitert = true;
        }
    }
    if (fehler && !allgGescheitert)
        SpeicherfehlerMelden();
    return !fehler;
}

bool TYVO_XML_Schnittstelle::SchreibeMAGVorgabenGeändert(const GlobDaten& h, XmlFragment& fragment)
{
    const TyvoAustauschdaten& d = zustand().TyvoDaten;
    const pugi::xml_node ziel = fragment.Knoten();
    bool gut = true;
    const auto element = [&](const char* name, const QString& text) {
        if (!m_xml->CreateAppendChildTextElementNode(ziel, QString::fromUtf8(name), text))
            gut = false;
    };
    try {
        const double sicherung = Zahl(Wert(h, "m_Sicherung"));
        if (sicherung != d.Anlagenabsicherung)
            element("Anlagenabsicherung", QString::number(Zahlen::CLng(sicherung)));
        for (auto [name, member, host] : {std::tuple{"T_Prim", "m_Primärtemp", d.T_Prim},
                                          std::tuple{"TVL", "m_Temp_V", d.TVL}, std::tuple{"TRL", "m_Temp_R", d.TRL}}) {
            const double w = Zahl(Wert(h, member));
            if (w != host)
                element(name, Zahlen::CStr(w));
        }
        const double psv = Zahl(Wert(h, "m_p_SV"));
        if (Zahlen::CSng(psv) != d.Psv)
            element("Psv", QString::number(Zahlen::CLng(psv * 1000.0)));
    } catch (const MemberFehler&) {
        gut = false;
    }
    return gut;
}

bool TYVO_XML_Schnittstelle::SchreibeWEDatenGeändert(std::array<XmlFragment, 6>& fragmente)
{
    const Programmzustand& z = zustand();
    bool gut = true;
    const int letzter = std::clamp<int>(z.TyvoLetzterWE, 0, 6);
    for (int i = 1; i <= letzter; ++i) {
        const TyvoWEErgebnis& e = z.TyvoDaten.WE_Daten_geaendert[static_cast<size_t>(i)];
        const pugi::xml_node ziel = fragmente[static_cast<size_t>(i - 1)].Knoten();
        const auto element = [&](const char* name, int16_t wert) {
            if (!m_xml->CreateAppendChildTextElementNode(ziel, QString::fromUtf8(name), QString::number(wert)))
                gut = false;
        };
        if (e.SiV_Anzahl > 0) {
            element("SiV_Anzahl", e.SiV_Anzahl);
            element("SiV_Art", e.SiV_Art);
            element("SiV_Nennweite", e.SiV_Nennweite);
        }
        if (e.EntspannGef_DN_Eingang > 0) {
            element("EntspannGef_DN_Eingang", e.EntspannGef_DN_Eingang);
            element("EntspannGef_DN_Ausgang", e.EntspannGef_DN_Ausgang);
        }
    }
    return gut;
}

// ---------------------------------------------------------------------------------------------
// Component not possible

void TYVO_XML_Schnittstelle::RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund)
{
    LöscheAktuellesProjekt();
    TyvoAustauschdaten& d = zustand().TyvoDaten;
    d.FehlerCode = 1;
    if (!grund.isEmpty()) {
        d.Ergebnis = -1;
        d.Hinweis = grund;
    } else {
        d.Ergebnis = -2;
        d.Hinweis.clear();
    }
    m_xml = std::make_unique<XML_Tools>();
    EntferneAlteRückgabe(modus, *m_xml, true);
    m_xml.reset();
}

void TYVO_XML_Schnittstelle::LöscheAktuellesProjekt()
{
    Programmzustand& z = zustand();
    // Only a project this run's project page made goes; one stored before stays (in mode 1 a
    // stored project switches the run to mode 2, and a project page that failed made nothing).
    if (!z.TyvoProjektAngelegt)
        return;
    const QString nummer = z.aktProjektnummer;
    {
        datenbank db;
        const QString sql = QStringLiteral("Select * From ProjekteTabelle WHERE [Projekt Nr] = ")
            + JetDialekt::Textliteral(nummer);
        if (db.OpenTab(z.Projekt_Data_Source, sql, 3, Kennwort::Projektdatenbank, true) == 0 && !db.EmptyTab())
            db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), nummer);
    }
    if (z.g_heizdat)
        z.g_heizdat->LoeschenDatensatzBeiTerminate();
}

// ---------------------------------------------------------------------------------------------
// Changed host inputs of a stored project

void TYVO_XML_Schnittstelle::MAGVorgabedatenVonTyvoGeändert(GlobDatenHeizung& heizdaten, bool& geändert)
{
    geändert = MAGVorgabedatenVonTyvoGeändert(static_cast<const GlobDaten&>(heizdaten));
}

bool TYVO_XML_Schnittstelle::MAGVorgabedatenVonTyvoGeändert(const GlobDaten& h) const
{
    const Programmzustand& z = zustand();
    const TyvoAustauschdaten& d = z.TyvoDaten;
    try {
        if (Zahl(Wert(h, "m_Beheiz")) != d.Beheizungsart || Zahl(Wert(h, "m_Sicherung")) != d.Anlagenabsicherung
            || Zahl(Wert(h, "m_VolAnlage")) != d.Anlageninhalt)
            return true;
        if (d.Beheizungsart == 1 && Zahl(Wert(h, "m_Primärtemp")) != d.T_Prim)
            return true;
        if (Zahl(Wert(h, "m_Temp_V")) != d.TVL || Zahl(Wert(h, "m_Temp_R")) != d.TRL)
            return true;
        // Pressures to one decimal.
        if (Zahlen::RundenGerade(Zahl(Wert(h, "m_p_stat")), 1) != Zahlen::RundenGerade(d.Pst, 1)
            || Zahlen::RundenGerade(Zahl(Wert(h, "m_p_SV")), 1) != Zahlen::RundenGerade(d.Psv, 1))
            return true;
        if (Zahl(Wert(h, "m_EinbringBreite")) != d.Max_Durchmesser
            || Zahl(Wert(h, "m_EinbringHoehe")) != d.Max_Hoehe)
            return true;
        int erwarteteSV = 0;
        const int letzter = std::clamp<int>(z.TyvoLetzterWE, 0, 6);
        for (int i = 1; i <= letzter; ++i) {
            const TyvoWEDaten& we = d.WE_Daten[static_cast<size_t>(i)];
            if (Zahl(Wert(h, "m_Leist_m_value", i)) != we.Leistung
                || Zahl(Wert(h, "m_KesselVol_m_value", i)) != we.Wasserinhalt)
                return true;
            // Internal vessels count only with the protection of the whole system.
            if (d.Anlagenabsicherung == 0 && Zahl(Wert(h, "m_Einzel_BehGesVol_m_value", i)) != we.Inhalt_internes_MAG)
                return true;
            if (we.SiV_Art == 1)
                erwarteteSV = 1;
        }
        return Zahl(Wert(h, "m_AusfuehrSV")) != erwarteteSV;
    } catch (const MemberFehler&) {
        return false;
    }
}
