// The solar report: data sheet with the vapour volume, article list under its four headings and
// the long texts. The data object is read by member name only.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int TextProjektiert = 1960;
constexpr int TextTechnischeDaten = 1961;
constexpr int TextZulaufseitig = 1962;
constexpr int TextDruckseitig = 1963;
constexpr int TextKollektorfläche = 1964;
constexpr int TextEinbringbreite = 1965;
constexpr int TextRaumhöhe = 1966;
constexpr int TextWasserinhalt = 1967;
constexpr int TextInhaltKollektoren = 1968;
constexpr int TextInhaltRohre = 1969;
constexpr int TextRohreÜberKollektor = 1970;
constexpr int TextInhaltWärmetauscher = 1971;
constexpr int TextAnlagenvolumen = 1972;
constexpr int TextFrostschutz = 1973;
constexpr int TextStatisch = 1974;
constexpr int TextDynamisch = 1975;
constexpr int TextAnsprechdruck = 1976;
constexpr int TextWasservorlage = 1977;
constexpr int TextDampfvolumen = 1978;
constexpr int TextAusdehnungsfaktor = 1979;
constexpr int TextVordruck = 1980;
constexpr int TextEnddruck = 1981;
constexpr int TextAusdehnungsvolumen = 1982;
constexpr int TextAufnahmevolumen = 1983;
constexpr int TextDruckfaktor = 1984;
constexpr int TextGesamtvolumen = 1985;
constexpr int TextBehälter = 1986;
constexpr int TextSicherheitstechnik = 1987;
constexpr int TextKappenventile = 1988;
constexpr int TextWeiteresZubehör = 1989;
constexpr int TextNichtBerechnet = 1650;
constexpr int TextNichtAusgelegt = 1651;
constexpr int Vollbreite = 80;
constexpr int Entlüfterzeilen = 6;

}  // namespace

const QStringList& Berichtsnamen::Solar()
{
    static const QStringList namen{
        // data sheet
        "m_AnordnungMAG", "m_Absorberflaeche", "m_spezVolKollektoren", "m_EinbringBreite", "m_EinbringHoehe",
        "m_VolRohre", "m_VolRohreUeberKol", "m_VolSolarWTGes", "m_VolAnlage", "m_FrostZusatz", "m_p_stat",
        "m_p_dyn", "m_p_SV", "m_IstBerechnet", "m_r_af", "m_r_pVordruck", "m_r_pend", "m_r_vaus",
        "m_Wasservorlage", "m_r_vauf", "m_r_pfak", "m_r_vges", "m_IstAusgelegt",
        // article list and long texts
        "DBTabArtikel", "m_GefaessAnzahl", "m_GefaessArtNr", "m_Zub_SichVentil_ArtNr", "m_Zub_KappV_Beh_ArtNr",
        "m_Zub_KappV_Beh_Anz", "m_Zub_Vorlagebeh_ArtNr", "m_Zub_Entlüfter_ArtNr_m_value",
        "m_Zub_Entlüfter_Anz_m_value"};
    return namen;
}

bool Drucken::AusgabeTechnischeDatenSolar()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Solar());
    AusgabeDatenblattkopf(TextProjektiert, TextTechnischeDaten);

    AusgabeZeile(Ganz("m_AnordnungMAG") == 1 ? TextDruckseitig : TextZulaufseitig);
    NeueZeile();

    const double fläche = Zahl("m_Absorberflaeche");
    const double kollektoren = fläche * Zahl("m_spezVolKollektoren");
    AusgabeZeile(TextKollektorfläche, {Muster(fläche, "#0")});
    AusgabeLinieOben(Vollbreite, 0, true);
    NeueZeile();

    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();

    // The contents, also when they are 0.
    AusgabeZeile(TextWasserinhalt);
    AusgabeZeile(TextInhaltKollektoren, {Muster(kollektoren, "#0")});
    AusgabeZeile(TextInhaltRohre, {Muster(Zahl("m_VolRohre"), "#0")});
    AusgabeZeile(TextRohreÜberKollektor, {Muster(Zahl("m_VolRohreUeberKol"), "#0")});
    AusgabeZeile(TextInhaltWärmetauscher, {Muster(Zahl("m_VolSolarWTGes"), "#0")});
    NeueZeile();
    AusgabeZeile(TextAnlagenvolumen, {Muster(Zahl("m_VolAnlage"), "#0")});
    NeueZeile();

    AusgabeZeile(TextFrostschutz, {Muster(Zahl("m_FrostZusatz"), "#0")});
    AusgabeZeile(TextStatisch, {Muster(Zahl("m_p_stat"), "#0.0")});
    AusgabeZeile(TextDynamisch, {Muster(Zahl("m_p_dyn"), "#0.0")});
    AusgabeZeile(TextAnsprechdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    NeueZeile();

    if (!StandErreicht("m_IstBerechnet", TextNichtBerechnet))
        return false;
    AusgabeZeile(TextAusdehnungsfaktor, {Muster(Zahl("m_r_af"), "#0.00")});
    AusgabeZeile(TextVordruck, {Muster(Zahl("m_r_pVordruck"), "#0.0")});
    AusgabeZeile(TextEnddruck, {Muster(Zahl("m_r_pend"), "#0.0")});
    NeueZeile();

    // The water that can evaporate: the pipes above the collectors and the collectors
    // themselves, in single precision.
    const float dampf = Zahlen::CSng(Zahl("m_VolRohreUeberKol") + kollektoren);
    AusgabeZeile(TextAusdehnungsvolumen, {Muster(Zahl("m_r_vaus"), "#0")});
    AusgabeZeile(TextDampfvolumen, {Zahlen::Format(dampf, QStringLiteral("#0.0"), true)});
    AusgabeZeile(TextWasservorlage, {Muster(Zahl("m_Wasservorlage"), "#.00")});
    AusgabeZeile(TextAufnahmevolumen, {Muster(Zahl("m_r_vauf"), "#0")});
    AusgabeZeile(TextDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextGesamtvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    NeueZeile();

    return StandErreicht("m_IstAusgelegt", TextNichtAusgelegt);
}

void Drucken::AusgabeArtikellisteSolar()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Solar());
    ArtikelDB = Daten->Member().objekt<datenbank>(QStringLiteral("DBTabArtikel"));
    Summe = 0;

    AusgabeArtikelabschnitt(TextBehälter, Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);

    // One safety valve and one intermediate vessel, whatever else is chosen.
    AusgabeArtikelabschnitt(TextSicherheitstechnik, 1, ArtNr("m_Zub_SichVentil_ArtNr"));

    AusgabeKappenventileKurz(TextKappenventile);

    ÜberschriftZusammen(TextWeiteresZubehör);
    const QString vorlage = ArtNr("m_Zub_Vorlagebeh_ArtNr");
    if (!Leer(vorlage)) {
        AusgabeArtikelKurz(1, vorlage, 0, false);
        NeueZeile();
    }
    for (const auto& [artNr, n] : GewählteArtikel("m_Zub_Entlüfter_ArtNr_m_value", "m_Zub_Entlüfter_Anz_m_value",
                                                  Entlüfterzeilen))
        AusgabeArtikelKurz(n, artNr, 0, false);
    NeueZeile();
    NeueZeile();
    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteSolar()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Solar());
    if (!BeginneLangtexte())
        return;
    AusgabeArtikelLang(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    AusgabeArtikelLang(1, ArtNr("m_Zub_SichVentil_ArtNr"), false);
    AusgabeKappenventileLang();
    AusgabeArtikelLang(1, ArtNr("m_Zub_Vorlagebeh_ArtNr"), false);
    for (const auto& [artNr, n] : GewählteArtikel("m_Zub_Entlüfter_ArtNr_m_value", "m_Zub_Entlüfter_Anz_m_value",
                                                  Entlüfterzeilen))
        AusgabeArtikelLang(n, artNr, false);
    SchließeLangtextsichten();
}
