// The cooling report: data sheet, article list and long texts of a cooling project. The data
// object is read by member name only.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "data/GlobDaten.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int AnzahlKälteerzeuger = 6;
constexpr int GruppePumpe14 = 14;

constexpr int TextProjektiert = 1790;
constexpr int TextTechnischeDaten = 1791;
constexpr int TextZulaufseitig = 1792;
constexpr int TextDruckseitig = 1793;
constexpr int TextLeistungErzeuger = 1794;
constexpr int TextGesamtleistung = 1795;
constexpr int TextEinbringbreite = 1796;
constexpr int TextRaumhöhe = 1797;
constexpr int TextWasserinhalt = 1798;
constexpr int TextFernleitung = 1799;
constexpr int TextSonstiges = 1812;
constexpr int TextVolumenVorgegeben = 1813;
constexpr int TextVolumenErmittelt = 1814;
constexpr int TextVorlauf = 1815;
constexpr int TextRücklauf = 1816;
constexpr int TextUmgebung = 1817;
constexpr int TextFrostschutz = 1818;
constexpr int TextStatisch = 1819;
constexpr int TextDynamisch = 1820;
constexpr int TextAnsprechdruck = 1822;
constexpr int TextWasservorlage = 1823;
constexpr int TextAusdehnungsfaktor = 1824;
constexpr int TextVordruck = 1826;
constexpr int TextEnddruck = 1827;
constexpr int TextAusdehnungsvolumen = 1828;
constexpr int TextAufnahmevolumen = 1829;
constexpr int TextDruckfaktor = 1830;
constexpr int TextGesamtvolumen = 1831;
constexpr int TextSystemsolldruck = 1836;
constexpr int TextNichtBerechnet = 1650;
constexpr int TextNichtAusgelegt = 1651;
constexpr int TextBehälter = 1832;
constexpr int TextSicherheitstechnik = 1833;
constexpr int TextKappenventile = 1834;
constexpr int TextWeiteresZubehör = 1835;

} // namespace

const QStringList& Berichtsnamen::Kälte()
{
    static const QStringList namen = [] {
        QStringList n{QStringLiteral("m_AnordnungMAG"),
                      QStringLiteral("Sum_Waermeleistung"),
                      QStringLiteral("m_Leist_m_value"),
                      QStringLiteral("m_Leist_ges"),
                      QStringLiteral("m_EinbringBreite"),
                      QStringLiteral("m_EinbringHoehe"),
                      QStringLiteral("Sum_V_Anlage"),
                      QStringLiteral("m_V_Sonstiges"),
                      QStringLiteral("m_VolAnlage"),
                      QStringLiteral("m_Temp_Vorl"),
                      QStringLiteral("m_Temp_Rückl"),
                      QStringLiteral("m_Temp_Umgeb"),
                      QStringLiteral("m_FrostZusatz"),
                      QStringLiteral("m_p_stat"),
                      QStringLiteral("m_p_dyn"),
                      QStringLiteral("m_p_SV"),
                      QStringLiteral("m_p_soll"),
                      QStringLiteral("m_ArtDruckhaltung"),
                      QStringLiteral("m_IstBerechnet"),
                      QStringLiteral("m_IstAusgelegt"),
                      QStringLiteral("m_r_af"),
                      QStringLiteral("m_r_pVordruck"),
                      QStringLiteral("m_r_pend"),
                      QStringLiteral("m_r_vaus"),
                      QStringLiteral("m_r_vauf"),
                      QStringLiteral("m_r_pfak"),
                      QStringLiteral("m_r_vges"),
                      QStringLiteral("m_Wasservorlage"),
                      QStringLiteral("DBTabArtikel"),
                      QStringLiteral("m_GefaessGruppe"),
                      QStringLiteral("m_GefaessAnzahl"),
                      QStringLiteral("m_SteuerbehAnzahl"),
                      QStringLiteral("m_GefaessArtNr"),
                      QStringLiteral("m_KomprPumpeArtNr"),
                      QStringLiteral("m_BeistellArtNr"),
                      QStringLiteral("m_ZusKomprPumpeArtNr"),
                      QStringLiteral("m_SteuerModulKomp"),
                      QStringLiteral("m_ZubehörSteuerung"),
                      QStringLiteral("m_Zub_SichVentil_ArtNr"),
                      QStringLiteral("m_Zub_SichVentil_Anz"),
                      QStringLiteral("m_Zub_KappV_Beh_ArtNr"),
                      QStringLiteral("m_Zub_KappV_Beh_Anz"),
                      QStringLiteral("m_Zub_Nachspeisung"),
                      QStringLiteral("m_Zub_Nachspeise_ArtNr"),
                      QStringLiteral("m_Zub_Nachspeise_Anz"),
                      QStringLiteral("m_Zub_Systemtrenner"),
                      QStringLiteral("m_Zub_Systemtrenner_ArtNr"),
                      QStringLiteral("m_Zub_Schlamm_Anordnung"),
                      QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"),
                      QStringLiteral("m_Zub_SchlammIso"),
                      QStringLiteral("m_Zub_SchlammIso_ArtNr_m_value")};
        n << Berichtsnamen::Rohrnetz() << Berichtsnamen::Entlüfter();
        return n;
    }();
    return namen;
}

bool Drucken::AusgabeTechnischeDatenKälte()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Kälte());
    AusgabeDatenblattkopf(TextProjektiert, TextTechnischeDaten);

    const int anordnung = Ganz("m_AnordnungMAG");
    if (anordnung == 0)
        AusgabeZeile(TextZulaufseitig);
    else if (anordnung == 1)
        AusgabeZeile(TextDruckseitig);
    NeueZeile();

    if (Rufe("Sum_Waermeleistung").toDouble() > 0)
        for (int i = 1; i <= AnzahlKälteerzeuger; ++i)
            if (Zahl("m_Leist_m_value", i) > 0)
                AusgabeZeile(TextLeistungErzeuger, {VbVariant::integer(static_cast<int16_t>(i)),
                                                    Muster(Zahl("m_Leist_m_value", i), "#0")});
    AusgabeZeile(TextGesamtleistung, {Muster(Zahl("m_Leist_ges"), "#0")});
    AusgabeLinieOben(80, 0, true);
    NeueZeile();

    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();

    // Pipe network and further litres; without them the content was entered as a whole.
    const bool ermittelt = Rufe("Sum_V_Anlage").toDouble() > 0;
    if (ermittelt) {
        AusgabeZeile(TextWasserinhalt);
        AusgabeRohrnetz(TextFernleitung);
        if (Zahl("m_V_Sonstiges") > 0)
            AusgabeZeile(TextSonstiges, {Muster(Zahl("m_V_Sonstiges"), "#0")});
        NeueZeile();
    }
    AusgabeZeile(ermittelt ? TextVolumenErmittelt : TextVolumenVorgegeben, {Muster(Zahl("m_VolAnlage"), "#0")});
    NeueZeile();

    AusgabeZeile(TextVorlauf, {Muster(Zahl("m_Temp_Vorl"), "#0")});
    AusgabeZeile(TextRücklauf, {Muster(Zahl("m_Temp_Rückl"), "#0")});
    AusgabeZeile(TextUmgebung, {Muster(Zahl("m_Temp_Umgeb"), "#0")});
    AusgabeZeile(TextFrostschutz, {Muster(Zahl("m_FrostZusatz"), "#0")});
    AusgabeZeile(TextStatisch, {Muster(Zahl("m_p_stat"), "#0.0")});
    AusgabeZeile(TextDynamisch, {Muster(Zahl("m_p_dyn"), "#0.0")});
    AusgabeZeile(TextAnsprechdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    // The set pressure belongs to an automat only.
    if (Ganz("m_ArtDruckhaltung") == 1)
        AusgabeZeile(TextSystemsolldruck, {Muster(Zahl("m_p_soll"), "#0.0")});
    NeueZeile();

    if (!StandErreicht("m_IstBerechnet", TextNichtBerechnet))
        return false;
    AusgabeZeile(TextAusdehnungsfaktor, {Muster(Zahl("m_r_af"), "#0.00")});
    AusgabeZeile(TextVordruck, {Muster(Zahl("m_r_pVordruck"), "#0.0")});
    AusgabeZeile(TextEnddruck, {Muster(Zahl("m_r_pend"), "#0.0")});
    NeueZeile();
    AusgabeZeile(TextAusdehnungsvolumen, {Muster(Zahl("m_r_vaus"), "#0")});
    AusgabeZeile(TextWasservorlage, {Muster(Zahl("m_Wasservorlage"), "#0")});
    AusgabeZeile(TextAufnahmevolumen, {Muster(Zahl("m_r_vauf"), "#0")});
    AusgabeZeile(TextDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextGesamtvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    NeueZeile();

    return StandErreicht("m_IstAusgelegt", TextNichtAusgelegt);
}

void Drucken::AusgabeArtikellisteKälte()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Kälte());
    ArtikelDB = Daten->DBTabArtikel.get();
    Summe = 0;
    const int g = Ganz("m_GefaessGruppe");

    Überschrift(TextBehälter);
    for (const auto& [artNr, n] : Behälterartikel(false))
        AusgabeArtikelKurz(n, artNr, 0, false);

    NeueZeile();
    NeueZeile();
    AusgabeArtikelabschnitt(TextSicherheitstechnik, Ganz("m_Zub_SichVentil_Anz"), ArtNr("m_Zub_SichVentil_ArtNr"));

    // Without cap valves the section is left out, heading included.
    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen > 0) {
        ÜberschriftZusammen(TextKappenventile);
        AusgabeArtikelKurz(kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"), 0, false);
        if (g == GruppePumpe14) {
            const QString modul = KappenventilSteuermodul();
            if (!modul.isEmpty())
                AusgabeArtikelKurz(2, modul, 0, false);
        }
        NeueZeile();
        NeueZeile();
    }

    ÜberschriftZusammen(TextWeiteresZubehör);
    for (const auto& [artNr, anzahl] : NachspeiseArtikel(g))
        AusgabeArtikelKurz(anzahl, artNr, 0, false);

    // Dirt separators and their insulation, each at its chiller.
    AusgabeSchlammabscheiderKurz(AnzahlKälteerzeuger);
    AusgabeEntlüfterKurz(AnzahlKälteerzeuger);

    AusgabeInbetriebnahme(false);
    NeueZeile();
    NeueZeile();
    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteKälte()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Kälte());
    if (!BeginneLangtexte())
        return;
    const int g = Ganz("m_GefaessGruppe");

    for (const auto& [artNr, n] : Behälterartikel(false))
        AusgabeArtikelLang(n, artNr, false);

    AusgabeArtikelLang(Ganz("m_Zub_SichVentil_Anz"), ArtNr("m_Zub_SichVentil_ArtNr"), false);

    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen > 0) {
        AusgabeArtikelLang(kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"), false);
        if (g == GruppePumpe14) {
            const QString modul = KappenventilSteuermodul();
            if (!modul.isEmpty())
                AusgabeArtikelLang(2, modul, false);
        }
    }

    for (const auto& [artNr, anzahl] : NachspeiseArtikel(g))
        AusgabeArtikelLang(anzahl, artNr, false);

    AusgabeSchlammabscheiderLang(AnzahlKälteerzeuger);
    AusgabeEntlüfterLang(AnzahlKälteerzeuger);

    AusgabeInbetriebnahme(true);
    SchließeLangtextsichten();
}
