// The pressure-boosting report: data sheet, article list and long texts of a pressure-boosting
// project. The data object is read by member name only.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "data/GlobDaten.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int TextProjektiert = 1900;
constexpr int TextTechnischeDaten = 1901;
constexpr int TextFörderleistung = 1902;
constexpr int TextSchalthäufigkeit = 1903;
constexpr int TextEinschaltdruck = 1904;
constexpr int TextAusschaltdruck = 1905;
constexpr int TextDruckfaktor = 1906;
constexpr int TextVordruck = 1907;
constexpr int TextNutzvolumen = 1908;
constexpr int TextGesamtvolumen = 1909;
constexpr int TextEinbringbreite = 1910;
constexpr int TextRaumhöhe = 1911;
constexpr int TextBehälter = 1912;
constexpr int TextKappenventile = 1913;
constexpr int TextNichtBerechnet = 1650;
constexpr int TextNichtAusgelegt = 1651;

} // namespace

const QStringList& Berichtsnamen::Druckerhöhung()
{
    static const QStringList namen{
        QStringLiteral("m_MaxVolStrom"),    QStringLiteral("m_Schalthäufigkeit"),
        QStringLiteral("m_p_Einschalt"),    QStringLiteral("m_p_SV"),
        QStringLiteral("m_IstBerechnet"),   QStringLiteral("m_IstAusgelegt"),
        QStringLiteral("m_r_pfak"),         QStringLiteral("m_r_p_vor"),
        QStringLiteral("m_r_VolNutz"),      QStringLiteral("m_r_vges"),
        QStringLiteral("m_EinbringBreite"), QStringLiteral("m_EinbringHoehe"),
        QStringLiteral("DBTabArtikel"),     QStringLiteral("m_GefaessArtNr"),
        QStringLiteral("m_GefaessAnzahl"),  QStringLiteral("m_Zub_KappV_Beh_ArtNr"),
        QStringLiteral("m_Zub_KappV_Beh_Anz")};
    return namen;
}

bool Drucken::AusgabeTechnischeDatenDruckerhöhung()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Druckerhöhung());
    AusgabeDatenblattkopf(TextProjektiert, TextTechnischeDaten);

    AusgabeZeile(TextFörderleistung, {Muster(Zahl("m_MaxVolStrom"), "##0.0")});
    AusgabeZeile(TextSchalthäufigkeit, {Muster(Zahl("m_Schalthäufigkeit"), "#0")});
    AusgabeZeile(TextEinschaltdruck, {Muster(Zahl("m_p_Einschalt"), "#0.0")});
    // This data object keeps the switch-off pressure in m_p_SV.
    AusgabeZeile(TextAusschaltdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    NeueZeile();

    if (!StandErreicht("m_IstBerechnet", TextNichtBerechnet))
        return false;
    AusgabeZeile(TextDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextVordruck, {Muster(Zahl("m_r_p_vor"), "#0.0")});
    AusgabeZeile(TextNutzvolumen, {Muster(Zahl("m_r_VolNutz"), "#0")});
    AusgabeZeile(TextGesamtvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();
    NeueZeile();

    return StandErreicht("m_IstAusgelegt", TextNichtAusgelegt);
}

void Drucken::AusgabeArtikellisteDruckerhöhung()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Druckerhöhung());
    ArtikelDB = Daten->DBTabArtikel.get();
    Summe = 0;

    AusgabeArtikelabschnitt(TextBehälter, Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);

    AusgabeKappenventileKurz(TextKappenventile);

    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteDruckerhöhung()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Druckerhöhung());
    if (!BeginneLangtexte())
        return;
    AusgabeArtikelLang(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    AusgabeKappenventileLang();
    SchließeLangtextsichten();
}
