// The drinking-water report: data sheet, article list and long texts of a drinking-water
// project. The data object is read by member name only.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "data/GlobDaten.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int TextProjektiert = 1860;
constexpr int TextTechnischeDaten = 1861;
constexpr int TextAnlagenvolumen = 1862;
constexpr int TextBetriebstemperatur = 1863;
constexpr int TextAnsprechdruck = 1864;
constexpr int TextAnfangsdruck = 1865;
constexpr int TextEnddruck = 1866;
constexpr int TextDruckfaktor = 1867;
constexpr int TextAusdehnungsvolumen = 1868;
constexpr int TextNennvolumen = 1870;
constexpr int TextAusdehnungsfaktor = 1871;
constexpr int TextVordruck = 1872;
constexpr int TextEinbringbreite = 1873;
constexpr int TextRaumhöhe = 1874;
constexpr int TextBehälter = 1875;
constexpr int TextSicherheitsventil = 1876;
constexpr int TextKappenventile = 1877;
constexpr int TextNichtBerechnet = 1650;
constexpr int TextNichtAusgelegt = 1651;

} // namespace

const QStringList& Berichtsnamen::Trinkwasser()
{
    static const QStringList namen{
        QStringLiteral("m_VolAnlage"),       QStringLiteral("m_Temp_Betr"),
        QStringLiteral("m_p_SV"),            QStringLiteral("m_p_anf"),
        QStringLiteral("m_IstBerechnet"),    QStringLiteral("m_IstAusgelegt"),
        QStringLiteral("m_r_af"),            QStringLiteral("m_r_p_vor"),
        QStringLiteral("m_r_pend"),          QStringLiteral("m_r_pfak"),
        QStringLiteral("m_r_vaus"),          QStringLiteral("m_r_vges"),
        QStringLiteral("m_EinbringBreite"),  QStringLiteral("m_EinbringHoehe"),
        QStringLiteral("DBTabArtikel"),      QStringLiteral("m_GefaessArtNr"),
        QStringLiteral("m_GefaessAnzahl"),   QStringLiteral("m_Zub_SichVentil_ArtNr"),
        QStringLiteral("m_Zub_KappV_Beh_ArtNr"), QStringLiteral("m_Zub_KappV_Beh_Anz")};
    return namen;
}

bool Drucken::AusgabeTechnischeDatenTrinkwasser()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Trinkwasser());
    AusgabeDatenblattkopf(TextProjektiert, TextTechnischeDaten);

    AusgabeZeile(TextAnlagenvolumen, {Muster(Zahl("m_VolAnlage"), "#0")});
    AusgabeZeile(TextBetriebstemperatur, {Muster(Zahl("m_Temp_Betr"), "#0")});
    AusgabeZeile(TextAnsprechdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    AusgabeZeile(TextAnfangsdruck, {Muster(Zahl("m_p_anf"), "#0.0")});
    NeueZeile();

    if (!StandErreicht("m_IstBerechnet", TextNichtBerechnet))
        return false;
    AusgabeZeile(TextAusdehnungsfaktor, {Muster(Zahl("m_r_af"), "#0.00")});
    AusgabeZeile(TextVordruck, {Muster(Zahl("m_r_p_vor"), "#0.0")});
    NeueZeile();
    AusgabeZeile(TextEnddruck, {Muster(Zahl("m_r_pend"), "#0.0")});
    AusgabeZeile(TextDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextAusdehnungsvolumen, {Muster(Zahl("m_r_vaus"), "#0")});
    AusgabeZeile(TextNennvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();
    NeueZeile();

    return StandErreicht("m_IstAusgelegt", TextNichtAusgelegt);
}

void Drucken::AusgabeArtikellisteTrinkwasser()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Trinkwasser());
    ArtikelDB = Daten->DBTabArtikel.get();
    Summe = 0;

    AusgabeArtikelabschnitt(TextBehälter, Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);

    // The valve's heading stands also when no valve is chosen.
    AusgabeArtikelabschnitt(TextSicherheitsventil, 1, ArtNr("m_Zub_SichVentil_ArtNr"));

    AusgabeKappenventileKurz(TextKappenventile);

    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteTrinkwasser()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Trinkwasser());
    if (!BeginneLangtexte())
        return;
    AusgabeArtikelLang(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    const QString ventil = ArtNr("m_Zub_SichVentil_ArtNr");
    if (!Leer(ventil))
        AusgabeArtikelLang(1, ventil, false);
    AusgabeKappenventileLang();
    SchließeLangtextsichten();
}
