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
constexpr int TitelSpalte = 10;

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
    AusgabeZeile(TextProjektiert);
    NeueZeile();
    AusgabeLinieMitte(80, 0, true);
    NeueZeile();
    AusgabeTitelzeile(LadeText(TextTechnischeDaten), TitelSpalte, true);
    NeueZeile();

    AusgabeZeile(TextFörderleistung, {Muster(Zahl("m_MaxVolStrom"), "##0.0")});
    AusgabeZeile(TextSchalthäufigkeit, {Muster(Zahl("m_Schalthäufigkeit"), "#0")});
    AusgabeZeile(TextEinschaltdruck, {Muster(Zahl("m_p_Einschalt"), "#0.0")});
    // This data object keeps the switch-off pressure in m_p_SV.
    AusgabeZeile(TextAusschaltdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    NeueZeile();

    if (!Wert("m_IstBerechnet").toBool()) {
        NeueZeile();
        NeueZeile();
        AusgabeZeile(TextNichtBerechnet);
        return false;
    }
    AusgabeZeile(TextDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextVordruck, {Muster(Zahl("m_r_p_vor"), "#0.0")});
    AusgabeZeile(TextNutzvolumen, {Muster(Zahl("m_r_VolNutz"), "#0")});
    AusgabeZeile(TextGesamtvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();
    NeueZeile();

    if (!Wert("m_IstAusgelegt").toBool()) {
        NeueZeile();
        NeueZeile();
        AusgabeZeile(TextNichtAusgelegt);
        return false;
    }
    return true;
}

void Drucken::AusgabeArtikellisteDruckerhöhung()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Druckerhöhung());
    ArtikelDB = Daten->DBTabArtikel.get();
    Summe = 0;

    Überschrift(TextBehälter);
    AusgabeArtikelKurz(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), 0, false);
    NeueZeile();
    NeueZeile();

    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen >= 1) {
        NeueSeiteWennNötig(4);
        Überschrift(TextKappenventile);
        AusgabeArtikelKurz(kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"), 0, false);
        NeueZeile();
        NeueZeile();
    }

    AusgabeLieferantenanschrift();
    ArtikelDB = nullptr;
}

void Drucken::AusgabeLangtexteDruckerhöhung()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Druckerhöhung());
    if (!ÖffneLangtextsichten())
        return;
    Summe = 0;
    PositionNr = 1;
    AusgabeArtikelLang(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen > 0)
        AusgabeArtikelLang(kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"), false);
    SchließeLangtextsichten();
}
