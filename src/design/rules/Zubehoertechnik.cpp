#include "design/rules/Zubehoertechnik.h"

#include <cmath>

#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "design/rules/ArtikelAbfrage.h"
#include "design/rules/TabelleENAAutomat.h"
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

using ArtikelAbfrage::KeinArtikel;
using Zahlen::Str;

// Members of the data objects.
namespace M {
const QString Sum_Waermeleistung = QStringLiteral("Sum_Waermeleistung");
const QString SteuerbehAnzahl = QStringLiteral("m_SteuerbehAnzahl");
const QString GefaessAnzahl = QStringLiteral("m_GefaessAnzahl");
const QString GefaessGruppe = QStringLiteral("m_GefaessGruppe");
const QString GefaessArtNr = QStringLiteral("m_GefaessArtNr");
const QString Sicherung = QStringLiteral("m_Sicherung");
const QString Leist = QStringLiteral("m_Leist_m_value");
const QString KesselVol = QStringLiteral("m_KesselVol_m_value");
const QString EinzelGefäßArtNr = QStringLiteral("m_Einzel_GefässArtNr_m_value");
const QString EinzelAusdVol = QStringLiteral("m_Einzel_AusdVol_m_value");
const QString Leist_ges = QStringLiteral("m_Leist_ges");
const QString Nachspeisung = QStringLiteral("m_Zub_Nachspeisung");
const QString ArtDruckhaltung = QStringLiteral("m_ArtDruckhaltung");
const QString SteuerModulKomp = QStringLiteral("m_SteuerModulKomp");
const QString pVordruck = QStringLiteral("m_r_pVordruck");
const QString pend = QStringLiteral("m_r_pend");
const QString VolAnlage = QStringLiteral("m_VolAnlage");
const QString vaus = QStringLiteral("m_r_vaus");
const QString Temp_R = QStringLiteral("m_Temp_R");
const QString Temp_V = QStringLiteral("m_Temp_V");
const QString EinbringBreite = QStringLiteral("m_EinbringBreite");
const QString EinbringHoehe = QStringLiteral("m_EinbringHoehe");
const QString p_SV = QStringLiteral("m_p_SV");
const QString Systemtrenner = QStringLiteral("m_Zub_Systemtrenner");
const QString KappV_Beh_Anz = QStringLiteral("m_Zub_KappV_Beh_Anz");
const QString KappV_Beh_ArtNr = QStringLiteral("m_Zub_KappV_Beh_ArtNr");
const QString KappV_Erz_ArtNr = QStringLiteral("m_Zub_KappV_Erz_ArtNr_m_value");
const QString Sammelleit_DN = QStringLiteral("m_Zub_Sammelleit_DN");
const QString Nachspeise_Anz = QStringLiteral("m_Zub_Nachspeise_Anz");
const QString Nachspeise_ArtNr = QStringLiteral("m_Zub_Nachspeise_ArtNr");
const QString Vorlagebeh_ArtNr = QStringLiteral("m_Zub_Vorlagebeh_ArtNr");
const QString VorlBehEinz_ArtNr = QStringLiteral("m_Zub_VorlBehEinz_ArtNr_m_value");
}  // namespace M

// Heat generators 1..6.
constexpr int16_t kErzeuger = 6;

// Vessel groups.
constexpr int16_t kKompressorautomat = 9;
constexpr int16_t kPumpenautomat = 11;
constexpr int16_t kModulautomat = 14;
constexpr int16_t kVorlagebehälter = 40;

// Text ids.
constexpr int kMeldungKappenventilGefäß = 2352;
constexpr int kMeldungSammelleitung = 2353;
constexpr int kMeldungVorlagebehälter = 2355;
constexpr int kMeldungKappenventilErzeuger = 2356;
constexpr int kMeldungENA = 2371;
constexpr int kMeldungKappenventilEinzel = 2375;
constexpr int kMeldungTemperaturVorlage = 2300;

VbVariant Integer(int v)
{
    return VbVariant::integer(static_cast<int16_t>(v));
}

}  // namespace

// --- Access to the data object ---

VbVariant Zubehörtechnik::lese(const QString& name) const
{
    return m_objekt->lese(name);
}

VbVariant Zubehörtechnik::lese(const QString& name, int16_t i) const
{
    return m_objekt->lese(name, {VbVariant::integer(i)});
}

void Zubehörtechnik::schreibe(const QString& name, const VbVariant& wert)
{
    m_objekt->schreibe(name, wert);
}

void Zubehörtechnik::schreibe(const QString& name, int16_t i, const VbVariant& wert)
{
    m_objekt->schreibe(name, {VbVariant::integer(i)}, wert);
}

int16_t Zubehörtechnik::leseInteger(const QString& name) const
{
    return Zahlen::CInt(lese(name).toDouble());
}

int32_t Zubehörtechnik::leseLong(const QString& name) const
{
    return Zahlen::CLng(lese(name).toDouble());
}

// --- Public members ---

void Zubehörtechnik::Init(MemberRegister& objekt)
{
    m_objekt = &objekt;
}

void Zubehörtechnik::Init(GlobDaten& objekt)
{
    Init(objekt.Member());
}

void Zubehörtechnik::Ermittel_EinzelkesselOderMehrkessel()
try {
    if (!m_objekt)
        return;
    m_EinzelkesselOderMehrkessel = std::floor(m_objekt->rufe(M::Sum_Waermeleistung).toDouble()) != 0.0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

int16_t Zubehörtechnik::GetBeistellGruppe(int16_t gruppe)
{
    switch (gruppe) {
    case kKompressorautomat:
        return 30;
    case kPumpenautomat:
        return 31;
    case kModulautomat:
        return 32;
    default:
        return 0;
    }
}

void Zubehörtechnik::KappenventileBehälter(const QString& projektart, bool mitGruppe14)
{
    const int16_t n = ErmittelAnzahlKappenventileBehälter(projektart);
    schreibe(M::KappV_Beh_Anz, Integer(n));
    if (n <= 0)
        schreibe(M::KappV_Beh_ArtNr, KeinArtikel);
    else if (!mitGruppe14 || leseInteger(M::GefaessGruppe) != kModulautomat)
        schreibe(M::KappV_Beh_ArtNr, GetArtNrKappenventilBehälter(0, lese(M::GefaessArtNr).toString()));
    // Group 14: the vessel page stored the control module's connection group.
}

void Zubehörtechnik::AuslegungZubehörHeizung()
try {
    if (!m_objekt)
        return;
    KappenventileBehälter(QStringLiteral("He"), true);

    for (int16_t i = 1; i <= kErzeuger; ++i)
        schreibe(M::KappV_Erz_ArtNr, i, KeinArtikel);

    int erzeugerMitLeistung = 0;
    for (int16_t i = 1; i <= kErzeuger; ++i) {
        if (lese(M::Leist, i).toDouble() > 0.0)
            ++erzeugerMitLeistung;
    }
    const int32_t sicherung = leseLong(M::Sicherung);
    if (sicherung != 0 || erzeugerMitLeistung > 1) {
        if (sicherung == 0 && m_EinzelkesselOderMehrkessel) {
            for (int16_t i = 1; i <= kErzeuger; ++i) {
                const int32_t leistung = Zahlen::CLng(lese(M::Leist, i).toDouble());
                if (leistung > 0)
                    schreibe(M::KappV_Erz_ArtNr, i, GetArtNrKappenventilErzeuger(i, leistung));
            }
        } else if (sicherung == 0) {
            schreibe(M::KappV_Erz_ArtNr, 1, GetArtNrKappenventilErzeuger(1, leseLong(M::Leist_ges)));
        } else {
            for (int16_t i = 1; i <= kErzeuger; ++i) {
                if (lese(M::KesselVol, i).toDouble() > 0.0)
                    schreibe(M::KappV_Erz_ArtNr, i,
                             GetArtNrKappenventilBehälter(i, lese(M::EinzelGefäßArtNr, i).toString()));
            }
        }
    }

    if (erzeugerMitLeistung > 1)
        ErmittelSammelleitungDN(leseLong(M::Leist_ges));
    else
        schreibe(M::Sammelleit_DN, Integer(0));

    ErmittelNachspeiseeinrichtung(leseInteger(M::Nachspeisung));

    schreibe(M::Vorlagebeh_ArtNr, ErmittelVorlagebehälter(leseLong(M::vaus)));
    for (int16_t i = 1; i <= kErzeuger; ++i)
        schreibe(M::VorlBehEinz_ArtNr, i, KeinArtikel);
    if (sicherung == 1) {
        for (int16_t i = 1; i <= kErzeuger; ++i) {
            if (Zahlen::CLng(lese(M::Leist, i).toDouble()) > 0)
                schreibe(M::VorlBehEinz_ArtNr, i,
                         ErmittelVorlagebehälter(Zahlen::CLng(lese(M::EinzelAusdVol, i).toDouble())));
        }
    }
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

void Zubehörtechnik::AuslegungZubehörKälte()
try {
    if (!m_objekt)
        return;
    KappenventileBehälter(QStringLiteral("Kü"), true);
    ErmittelNachspeiseeinrichtung(leseInteger(M::Nachspeisung));
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

void Zubehörtechnik::AuslegungZubehörSolaranlage()
try {
    if (m_objekt)
        KappenventileBehälter(QStringLiteral("So"), false);
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

void Zubehörtechnik::AuslegungZubehörTrinkwasser()
try {
    if (m_objekt)
        KappenventileBehälter(QStringLiteral("Tr"), false);
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

void Zubehörtechnik::AuslegungZubehörDruckerhöhung()
try {
    if (m_objekt)
        KappenventileBehälter(QStringLiteral("Dr"), false);
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

bool Zubehörtechnik::ErmittelNachspeiseeinrichtung(int16_t nachspeiseart)
try {
    if (!m_objekt)
        return false;
    QString artikel = KeinArtikel;
    int16_t anzahl = 0;
    bool ergebnis = true;
    switch (nachspeiseart) {
    case 1:
        anzahl = 1;
        if (leseLong(M::ArtDruckhaltung) == 0)
            artikel = QStringLiteral("23760");
        else if (leseInteger(M::GefaessGruppe) == kKompressorautomat && lese(M::SteuerModulKomp).gleich(VbVariant(0)))
            artikel = QStringLiteral("23751");
        else
            artikel = QStringLiteral("23755");
        break;
    case 2:
        anzahl = 1;
        artikel = leseLong(M::ArtDruckhaltung) == 0 ? QStringLiteral("23770") : QStringLiteral("23765");
        break;
    case 3:
        anzahl = ErmittelENAAutomat(artikel);
        if (artikel.isEmpty())
            artikel = KeinArtikel;
        if (anzahl == 0) {
            schreibe(M::Nachspeisung, Integer(0));
            schreibe(M::Systemtrenner, Integer(0));
            ergebnis = false;
        }
        break;
    case 4:
        anzahl = 1;
        artikel = QStringLiteral("23752");
        break;
    default:
        break;
    }
    schreibe(M::Nachspeise_Anz, Integer(anzahl));
    schreibe(M::Nachspeise_ArtNr, artikel);
    return ergebnis;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return false;
}

QString Zubehörtechnik::ErmittlungSystemtrenner()
try {
    if (!m_objekt)
        return KeinArtikel;
    const bool mitTrenner = lese(M::Systemtrenner).gleich(VbVariant(1));
    if (leseInteger(M::GefaessGruppe) == kModulautomat) {
        if (mitTrenner) {
            // One separator per control vessel.
            schreibe(M::Nachspeise_Anz, lese(M::SteuerbehAnzahl));
            return QStringLiteral("17736");
        }
        schreibe(M::Nachspeise_Anz, Integer(0));
        return KeinArtikel;
    }
    if (leseInteger(M::Nachspeisung) != 3) {
        schreibe(M::Systemtrenner, Integer(0));
        return KeinArtikel;
    }
    return mitTrenner ? QStringLiteral("17095") : QStringLiteral("17096");
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return ArtikelAbfrage::KeinArtikel;
}

// --- Look-ups ---

int16_t Zubehörtechnik::ErmittelAnzahlKappenventileBehälter(const QString& projektart)
{
    datenbank db;
    if (!ArtikelAbfrage::Öffne(db, QStringLiteral("SELECT * FROM [Gruppen MAG]")))
        return 0;

    int32_t steuerbehälter = 0;
    int32_t beistellbehälter = 0;
    if (projektart == QStringLiteral("He") || projektart == QStringLiteral("Kü")) {
        const int16_t s = leseInteger(M::SteuerbehAnzahl);
        if (s >= 1) {
            steuerbehälter = s;
            beistellbehälter = leseInteger(M::GefaessAnzahl) - s;
        } else {
            steuerbehälter = leseInteger(M::GefaessAnzahl);
        }
    } else if (projektart == QStringLiteral("So") || projektart == QStringLiteral("Tr")
               || projektart == QStringLiteral("Dr")) {
        steuerbehälter = leseInteger(M::GefaessAnzahl);
    }

    const int16_t gruppe = leseInteger(M::GefaessGruppe);
    const auto ventile = [&db](int16_t g) {
        return Zahlen::CLng(db.GetValFromFeld(VbVariant::integer(g), QStringLiteral("Gruppe"),
                                              QStringLiteral("AnzahlAbsperrventile"))
                                .toDouble());
    };
    const int32_t kg = ventile(gruppe);
    const int32_t kb = ventile(GetBeistellGruppe(gruppe));
    // Counts beyond the 16-bit range are held at its limit.
    return Zahlen::CInt(double(beistellbehälter) * kb + double(steuerbehälter) * kg);
}

QString Zubehörtechnik::GetArtNrKappenventilBehälter(int16_t erzeuger, const QString& gefäßArtNr)
{
    datenbank db;
    if (!ArtikelAbfrage::Öffne(db, QStringLiteral("SELECT * FROM [Grunddaten Gefäße]")))
        return KeinArtikel;
    QString artikel =
        db.GetValFromStrgFeld(gefäßArtNr, QStringLiteral("Art Nr"), QStringLiteral("Art Nr Kappenventil")).toString();
    if (artikel.isEmpty())
        artikel = KeinArtikel;
    if (artikel == KeinArtikel) {
        if (erzeuger != 0)
            ArtikelAbfrage::Auslegungsfehler(kMeldungKappenventilEinzel, QString::number(erzeuger));
        else
            ArtikelAbfrage::Auslegungsfehler(kMeldungKappenventilGefäß, QString());
    }
    return artikel;
}

QString Zubehörtechnik::GetArtNrKappenventilErzeuger(int16_t erzeuger, int32_t leistung)
{
    return ArtikelAbfrage::Artikelnummer(QStringLiteral("SELECT * FROM [Kappenventile] WHERE [Leistung in kW] >= ")
                                             + Str(leistung) + QStringLiteral(" ORDER BY [Leistung in kW]"),
                                         QStringLiteral("Art Nr"), kMeldungKappenventilErzeuger,
                                         QString::number(erzeuger));
}

void Zubehörtechnik::ErmittelSammelleitungDN(int32_t leistung)
{
    int32_t dn = 0;
    datenbank db;
    if (ArtikelAbfrage::Öffne(db, QStringLiteral("SELECT * FROM [Ausdehnungssammelleitung] WHERE [Leistung in kW] >= ")
                                      + Str(leistung) + QStringLiteral(" ORDER BY [Leistung in kW]"))) {
        dn = Zahlen::CLng(db.GetFeld(QStringLiteral("Nenndurchmesser DN")).toDouble());
        if (dn < 1)
            ArtikelAbfrage::Auslegungsfehler(kMeldungSammelleitung, QString());
    }
    schreibe(M::Sammelleit_DN, VbVariant::lng(dn));
}

int16_t Zubehörtechnik::ErmittelENAAutomat(QString& artikel)
{
    const float anfangsdruck = Zahlen::CSng(lese(M::pVordruck).toDouble() + 0.3);
    const float enddruck = Zahlen::CSng(lese(M::pend).toDouble());
    const int32_t volumen = leseLong(M::VolAnlage);

    TabelleENAAutomat tabelle;
    float kleinstAnfangsdruck = 0.0f;
    if (tabelle.ErmittelENA(anfangsdruck, enddruck, volumen, kleinstAnfangsdruck) != 0)
        ArtikelAbfrage::Auslegungsfehler(kMeldungENA, QString());
    artikel = tabelle.GetArtikelNummer();
    return tabelle.GetAnzahl();
}

QString Zubehörtechnik::ErmittelVorlagebehälter(int32_t ausdehnungsvolumen)
{
    if (!(lese(M::Temp_R).toDouble() > 70.0))
        return KeinArtikel;

    const int16_t t = leseInteger(M::Temp_V);
    double faktor = 0.0;
    if (t > 150) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(kMeldungTemperaturVorlage + zustand().Sprachoffset));
        return KeinArtikel;
    }
    if (t >= 141)
        faktor = 0.5;
    else if (t >= 121)
        faktor = 0.3;
    else if (t >= 90)
        faktor = 0.2;
    else
        return KeinArtikel;

    // Held in 32 bits: a minimum beyond any vessel content finds no row and is reported as is.
    const int32_t vmin = Zahlen::CLng(AufrundenStellen(double(ausdehnungsvolumen) * faktor, 0));
    const QString sql =
        QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = ") + Str(kVorlagebehälter)
        + QStringLiteral(" AND ([Durchmesser in mm] + [MinderBreite in mm]) <= ") + Str(lese(M::EinbringBreite).toDouble())
        + QStringLiteral(" AND ([Höhe in mm] + [MinderHöhe in mm]) <= ") + Str(lese(M::EinbringHoehe).toDouble())
        + QStringLiteral(" AND [Max, Betriebsdruck in bar] >= ") + Str(lese(M::p_SV).toDouble())
        + QStringLiteral(" AND [Max, Betriebstemperatur in °C] >= ") + Str(t)
        + QStringLiteral(" AND [Inhalt in ltr] >= ") + Str(vmin)
        + QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebstemperatur in °C],[Max, Betriebsdruck in bar]");
    return ArtikelAbfrage::Artikelnummer(sql, QStringLiteral("Art Nr"), kMeldungVorlagebehälter, QString::number(vmin));
}

// --- Member names per system type ---

QStringList Zubehörtechnik::Membernamen(const QString& projektart)
{
    const QStringList gefäß = {M::GefaessAnzahl, M::GefaessGruppe, M::GefaessArtNr, M::KappV_Beh_Anz,
                               M::KappV_Beh_ArtNr};
    const QStringList nachspeisung = {M::SteuerbehAnzahl, M::Nachspeisung, M::ArtDruckhaltung, M::SteuerModulKomp,
                                      M::pVordruck, M::pend, M::VolAnlage, M::Systemtrenner, M::Nachspeise_Anz,
                                      M::Nachspeise_ArtNr};
    if (projektart == QStringLiteral("He"))
        return gefäß + nachspeisung
            + QStringList{M::Sum_Waermeleistung, M::Sicherung, M::Leist, M::KesselVol, M::EinzelGefäßArtNr,
                          M::EinzelAusdVol, M::Leist_ges, M::vaus, M::Temp_R, M::Temp_V, M::EinbringBreite,
                          M::EinbringHoehe, M::p_SV, M::KappV_Erz_ArtNr, M::Sammelleit_DN, M::Vorlagebeh_ArtNr,
                          M::VorlBehEinz_ArtNr};
    if (projektart == QStringLiteral("Kü"))
        return gefäß + nachspeisung;
    if (projektart == QStringLiteral("So") || projektart == QStringLiteral("Tr") || projektart == QStringLiteral("Dr"))
        return gefäß;
    return {};
}
