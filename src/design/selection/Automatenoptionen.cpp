#include "design/selection/Automatenoptionen.h"

#include <algorithm>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "design/rules/WaermedaemmKelvormat.h"
#include "design/selection/Behaelterauswahl.h"

namespace {

constexpr int kHotline = 3020;
constexpr double DämmungBisLiter = 2000;

const char* const GefaessAnzahl = "m_GefaessAnzahl";
const char* const GefaessInhalt = "m_GefaessInhalt";
const char* const SteuerbehAnzahl = "m_SteuerbehAnzahl";
const char* const SteuerModulKomp = "m_SteuerModulKomp";
const char* const ZusKomprPumpe = "m_ZusKomprPumpe";
const char* const Wechselstörschalt = "m_Wechselstörschalt";
const char* const ZubehörSteuerung = "m_ZubehörSteuerung";
const char* const p_soll = "m_p_soll";
const char* const Leist_ges = "m_Leist_ges";

QString Text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

QString MitHotline(int id)
{
    const Programmzustand& z = zustand();
    return Text(id) + LadeText(kHotline + z.Sprachoffset + z.Länderoffset);
}

}  // namespace

int16_t ZubehörSteuerungBit::VonKasten(int kasten)
{
    switch (kasten) {
    case 2: return Membranbruchsensor;
    case 3: return Fernanzeige;
    case 4: return Impulswasserzähler;
    case 5: return Timer;
    case 6: return Signalausgabe;
    case 7: return Wärmedämmung;
    case 8: return Buskoppler;
    case 9: return Modemkoppler;
    default: return 0;
    }
}

// ---------------------------------------------------------------------------------------------

Optionsdialoglogik::Optionsdialoglogik(MemberRegister& daten, const QString& projektart, Behälterauswahl& seite)
    : m_daten(daten), m_projektart(projektart), m_seite(seite)
{
    m_gruppe = seite.gruppeNr();
    m_bezeichnung = seite.GetBehältergruppenbezeichnung(m_gruppe);
}

bool Optionsdialoglogik::Aktivieren()
{
    if (m_projektart != QStringLiteral("He"))
        return false;
    const bool sofort = m_seite.autoBearbeitungUnterformAutomaten;
    m_seite.autoBearbeitungUnterformAutomaten = false;
    return sofort;
}

bool Optionsdialoglogik::Bit(int16_t maske) const
{
    return (m_daten.lese(QString::fromUtf8(ZubehörSteuerung)).toLong() & maske) != 0;
}

void Optionsdialoglogik::SetzeBit(int16_t maske, bool wert)
{
    int32_t v = m_daten.lese(QString::fromUtf8(ZubehörSteuerung)).toLong();
    v = wert ? (v | maske) : (v & ~static_cast<int32_t>(maske));
    m_daten.schreibe(QString::fromUtf8(ZubehörSteuerung), VbVariant::integer(static_cast<int16_t>(v)));
}

double Optionsdialoglogik::zahl(const char* name) const
{
    return m_daten.lese(QString::fromUtf8(name)).toDouble();
}

bool Optionsdialoglogik::flag(const char* name) const
{
    return m_daten.lese(QString::fromUtf8(name)).toBool();
}

void Optionsdialoglogik::schreibe(const char* name, double wert)
{
    m_daten.schreibe(QString::fromUtf8(name), VbVariant(wert));
}

void Optionsdialoglogik::schreibeFlag(const char* name, bool wert)
{
    m_daten.schreibe(QString::fromUtf8(name), VbVariant(wert));
}

int32_t Optionsdialoglogik::modul() const
{
    return m_daten.lese(QString::fromUtf8(SteuerModulKomp)).toLong();
}

void Optionsdialoglogik::setzeModul(int32_t wert)
{
    m_daten.schreibe(QString::fromUtf8(SteuerModulKomp), VbVariant::integer(static_cast<int16_t>(wert)));
}

void Optionsdialoglogik::DämmungLaden()
{
    Kontrollkasten& k = m_kasten[7];
    if (zahl(GefaessInhalt) > DämmungBisLiter) {
        SetzeBit(ZubehörSteuerungBit::Wärmedämmung, false);
        k.gesetzt = false;
        k.aktiv = false;
    } else {
        k.gesetzt = Bit(ZubehörSteuerungBit::Wärmedämmung);
        k.aktiv = true;
    }
}

void Optionsdialoglogik::DämmungGeklickt(bool gesetzt)
{
    Kontrollkasten& k = m_kasten[7];
    k.gesetzt = false;
    SetzeBit(ZubehörSteuerungBit::Wärmedämmung, false);
    if (!gesetzt)
        return;
    const double inhalt = zahl(GefaessInhalt);
    if (inhalt > DämmungBisLiter) {
        k.aktiv = false;
        return;
    }
    const int16_t liter = Zahlen::CInt(inhalt);
    if (WärmedämmKelvormat().GetArtNrWärmedämmung(liter).isEmpty()) {
        Meldung(Meldungsart::Auslegungsfehler, MitHotline(2376), VbVariant::integer(liter));
        return;
    }
    SetzeBit(ZubehörSteuerungBit::Wärmedämmung, true);
    k.gesetzt = true;
}

// ---------------------------------------------------------------------------------------------
// Groups 9 and 11

int32_t Automatenoptionen::steuerbehälter() const
{
    return Zahlen::CLng(zahl(SteuerbehAnzahl));
}

void Automatenoptionen::zeigeAnzahl()
{
    m_anzahlText = QString::number(steuerbehälter());
}

void Automatenoptionen::zeigeModul()
{
    const int32_t m = modul();
    m_modulIndex = m_module.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_module.size(); ++i) {
        if (m_module[i].wert == m) {
            m_modulIndex = i;
            break;
        }
    }
}

void Automatenoptionen::Laden()
{
    m_kasten = {};
    m_n = Zahlen::CLng(zahl(GefaessAnzahl));
    m_modulListeAktiv = true;
    if (m_n > 3) {
        setzeModul(1);
        m_modulListeAktiv = false;
    }
    zeigeAnzahl();
    m_kasten[0].gesetzt = flag(ZusKomprPumpe);
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
    for (int k : {2, 3, 4, 5, 6, 8, 9})
        m_kasten[static_cast<size_t>(k)].gesetzt = Bit(ZubehörSteuerungBit::VonKasten(k));
    if (m_projektart == QStringLiteral("He"))
        DämmungLaden();

    const int32_t gespeichert = modul();
    int32_t m = gespeichert < 0 ? 0 : gespeichert;
    m_module.clear();
    if (m_gruppe == 9) {
        if (m > 1)
            m = 0;
        if (m_n > 3)
            m = 1;
        m_module = {{Text(509), 0}, {Text(510), 1}};
    } else if (m_gruppe == 11) {
        if (m > 2)
            m = 1;
        m_module = {{Text(511), 0}, {Text(512), 1}, {Text(513), 2}};
    } else {
        m = 0;
    }
    if (m != gespeichert)
        setzeModul(m);
    zeigeModul();

    BegrenzeSteuerbehälteranzahl();
    ZeigeSteuerungsoptionen();
    AbgleichZusKomprPumpeWechselstör();
}

void Automatenoptionen::BegrenzeSteuerbehälteranzahl()
{
    const int32_t m = modul();
    m_oben = m_gruppe == 9 && m == 1 ? 3 : 1;
    if (m_oben > m_n)
        m_oben = m_n;
    // At most three vessels per control vessel.
    m_unten = static_cast<int32_t>(AufrundenStellen(m_n / 3.0, 0));
    int32_t s = steuerbehälter();
    if (s > m_oben)
        s = m_oben;
    if (s < m_unten)
        s = m_unten;
    if (s != steuerbehälter())
        schreibe(SteuerbehAnzahl, s);
    zeigeAnzahl();
}

void Automatenoptionen::ZeigeSteuerungsoptionen()
{
    QList<int> sichtbar;
    bool ändern = true;
    if (m_gruppe == 9 && modul() == 0) {
        m_anzahlAktiv = false;
        sichtbar = {0, 1, 2, 3, 5, 6, 8, 9};
    } else if (m_gruppe == 9) {
        m_anzahlAktiv = true;
        sichtbar = {0, 1, 2};
    } else if (m_gruppe == 11) {
        m_anzahlAktiv = true;
        sichtbar = {1, 2};
    } else {
        ändern = false;
    }
    if (ändern) {
        for (int k = 0; k < 10; ++k) {
            Kontrollkasten& kasten = m_kasten[static_cast<size_t>(k)];
            kasten.sichtbar = sichtbar.contains(k);
            if (kasten.sichtbar)
                continue;
            kasten.gesetzt = false;
            if (const int16_t bit = ZubehörSteuerungBit::VonKasten(k))
                SetzeBit(bit, false);
        }
    }
    if (m_unten == m_oben)
        m_anzahlAktiv = false;
}

void Automatenoptionen::AbgleichZusKomprPumpeWechselstör()
{
    const int32_t m = modul();
    const int32_t s = steuerbehälter();
    if (m_gruppe == 9 && m == 0) {
        m_kasten[0].aktiv = true;
        // With KDX the changeover needs the extra compressor.
        if (!flag(ZusKomprPumpe))
            schreibeFlag(Wechselstörschalt, false);
    } else if (m_gruppe == 9 && s == 1) {
        schreibeFlag(ZusKomprPumpe, flag(Wechselstörschalt));
        m_kasten[0].aktiv = true;
    } else if (m_gruppe == 9) {
        schreibeFlag(ZusKomprPumpe, false);
        m_kasten[0].aktiv = false;
    } else if (m_gruppe == 11) {
        schreibeFlag(ZusKomprPumpe, false);
        m_kasten[0].aktiv = false;
    } else {
        return;
    }
    m_kasten[0].gesetzt = flag(ZusKomprPumpe);
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
}

void Automatenoptionen::ModulGewählt(int listenindex)
{
    if (listenindex < 0 || listenindex >= m_module.size())
        return;
    const int32_t vorher = modul();
    const int32_t wert = m_module[listenindex].wert;
    setzeModul(wert);
    m_modulIndex = listenindex;
    if (m_gruppe == 9 && wert != vorher) {
        schreibeFlag(ZusKomprPumpe, false);
        schreibeFlag(Wechselstörschalt, false);
    } else if (m_gruppe == 11 && steuerbehälter() == 1) {
        schreibeFlag(Wechselstörschalt, wert == 2);
    }
    m_kasten[0].gesetzt = flag(ZusKomprPumpe);
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
    BegrenzeSteuerbehälteranzahl();
    ZeigeSteuerungsoptionen();
    AbgleichZusKomprPumpeWechselstör();
}

bool Automatenoptionen::AnzahlZeichen(QChar zeichen) const
{
    if (!zeichen.isDigit() || zeichen.unicode() > '9')
        return false;
    const int wert = zeichen.unicode() - '0';
    return wert >= m_unten && wert <= m_oben;
}

void Automatenoptionen::AnzahlValidiert(bool abgelehnt)
{
    if (abgelehnt)
        m_anzahlText = QString::number(m_unten);
    else
        zeigeAnzahl();
    AbgleichZusKomprPumpeWechselstör();
}

void Automatenoptionen::KastenGeklickt(int kasten, bool gesetzt)
{
    if (kasten < 0 || kasten > 9)
        return;
    m_kasten[static_cast<size_t>(kasten)].gesetzt = gesetzt;
    const int32_t m = modul();
    const bool einSteuerbehälter = steuerbehälter() == 1;
    if (kasten == 0) {
        schreibeFlag(ZusKomprPumpe, gesetzt);
        if (m == 0) {
            if (!gesetzt)
                schreibeFlag(Wechselstörschalt, false);
        } else if (einSteuerbehälter) {
            schreibeFlag(Wechselstörschalt, gesetzt);
        }
    } else if (kasten == 1) {
        schreibeFlag(Wechselstörschalt, gesetzt);
        if (einSteuerbehälter) {
            if (m_gruppe == 9 && m == 0) {
                if (gesetzt)
                    schreibeFlag(ZusKomprPumpe, true);
            } else if (m_gruppe == 9) {
                schreibeFlag(ZusKomprPumpe, gesetzt);
            } else if (m_gruppe == 11) {
                setzeModul(gesetzt ? 2 : 1);
                zeigeModul();
            }
        }
    } else if (kasten == 7) {
        DämmungGeklickt(gesetzt);
    } else {
        SetzeBit(ZubehörSteuerungBit::VonKasten(kasten), gesetzt);
    }
    m_kasten[0].gesetzt = flag(ZusKomprPumpe);
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
}

// ---------------------------------------------------------------------------------------------
// Group 14

void Pumpenautomatoptionen::Laden()
{
    m_kasten = {};
    m_fehler = false;
    m_n = Zahlen::CLng(zahl(GefaessAnzahl));
    m_druck = Zahlen::CSng(zahl(p_soll));
    m_leistung = Zahlen::CLng(zahl(Leist_ges));
    m_einzel = m_seite.Betriebsmöglichkeit_UNAR_Einzelbetrieb;
    m_wechsel = m_seite.Betriebsmöglichkeit_BIAR_Wechselstörbetrieb;
    m_last = m_seite.Betriebsmöglichkeit_BIAR_lastabhängig;

    schreibe(SteuerbehAnzahl, 1);
    schreibeFlag(ZusKomprPumpe, false);
    SetzeBit(ZubehörSteuerungBit::Membranbruchsensor, false);

    int32_t m = modul() == 1 ? 1 : 0;
    TabellePumpenKM& km = m_seite.KennlinienKM;
    if (!m_einzel && !zwilling()) {
        const float a = km.GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(m_druck, m_leistung);
        const float b = km.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(m_druck, m_leistung);
        float höher = 0.0f;
        if (a > 0 && b > 0)
            höher = std::min(a, b);
        else
            höher = a > 0 ? a : b;
        Ablehnung(0, höher);
        m_fehler = true;
        return;
    }
    if (m_einzel && !zwilling()) {
        if (m == 1)
            schreibeFlag(Wechselstörschalt, false);
        m = 0;
    } else if (!m_einzel && m == 0) {
        m = 1;
        if (m_wechsel && !m_last)
            schreibeFlag(Wechselstörschalt, true);
        else if (m_last && !m_wechsel)
            schreibeFlag(Wechselstörschalt, false);
    }
    setzeModul(m);
    m_option = m;
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
    for (int k : {3, 4, 5, 6, 8, 9})
        m_kasten[static_cast<size_t>(k)].gesetzt = Bit(ZubehörSteuerungBit::VonKasten(k));
    if (m_projektart == QStringLiteral("He")) {
        m_kasten[7].sichtbar = true;
        DämmungLaden();
    } else {
        m_kasten[7].sichtbar = false;
        SetzeBit(ZubehörSteuerungBit::Wärmedämmung, false);
    }
    // This dialog has no extra unit and no membrane rupture sensor.
    m_kasten[0].sichtbar = false;
    m_kasten[2].sichtbar = false;
}

bool Pumpenautomatoptionen::AktivierenMitFehler()
{
    if (m_fehler) {
        Aktivieren();
        return true;
    }
    return Aktivieren();
}

void Pumpenautomatoptionen::Ablehnung(int textId, float höhererDruck)
{
    const QString modul = textId > 0 ? Text(textId) : QString();
    const QString vorschlag = höhererDruck > 0 ? Text(2314) : QString();
    Meldung(Meldungsart::Anwendungsfehler, MitHotline(2309), VbVariant(modul), VbVariant(vorschlag));
}

void Pumpenautomatoptionen::OptionGeklickt(int index)
{
    TabellePumpenKM& km = m_seite.KennlinienKM;
    if (zwilling() && !m_einzel && index == 0) {
        OptionGeklickt(1);
        Ablehnung(2310, km.GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(m_druck, m_leistung));
        return;
    }
    if (!zwilling() && index == 1) {
        OptionGeklickt(0);
        Ablehnung(2311, km.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(m_druck, m_leistung));
        return;
    }
    setzeModul(index);
    m_option = index;
    if (index == 0)
        schreibeFlag(Wechselstörschalt, false);
    else if (!m_last)
        schreibeFlag(Wechselstörschalt, true);
    m_kasten[1].gesetzt = flag(Wechselstörschalt);
}

void Pumpenautomatoptionen::WechselGeklickt(bool gesetzt)
{
    TabellePumpenKM& km = m_seite.KennlinienKM;
    if (m_wechsel && modul() == 1 && !m_last && !gesetzt) {
        m_kasten[1].gesetzt = true;
        Ablehnung(2313, km.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(m_druck, m_leistung));
        return;
    }
    if (!m_wechsel && gesetzt) {
        m_kasten[1].gesetzt = false;
        if (m_last)
            Ablehnung(2312, km.GetHöherenDruckUmImKennlinienfeld_Wechselstörbetrieb(m_druck, m_leistung));
        else
            Ablehnung(2311, km.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(m_druck, m_leistung));
        return;
    }
    schreibeFlag(Wechselstörschalt, gesetzt);
    if (gesetzt)
        setzeModul(1);
    m_option = modul() == 1 ? 1 : 0;
    m_kasten[1].gesetzt = gesetzt;
}

void Pumpenautomatoptionen::KastenGeklickt(int kasten, bool gesetzt)
{
    if (kasten == 7) {
        DämmungGeklickt(gesetzt);
        return;
    }
    const int16_t bit = ZubehörSteuerungBit::VonKasten(kasten);
    if (bit == 0 || bit == ZubehörSteuerungBit::Membranbruchsensor)
        return;
    m_kasten[static_cast<size_t>(kasten)].gesetzt = gesetzt;
    SetzeBit(bit, gesetzt);
}
