#include "design/solar/GlobDatenSolar.h"

#include "data/Feldtabelle.h"

#include "design/rules/TabelleMembranSVSolar.h"

// The bindings of the members to the fields of Solarparameter, with the defaults of a new row.
struct SolarFelder : Feldtabelle<GlobDatenSolar> {
    static const Option optionen[];
    static const Zahl zahlen[];
    static const Wert werte[];
    static const Liste listen[];
};

using G = GlobDatenSolar;
using Vorgabe = SolarFelder::Vorgabe;

const SolarFelder::Option SolarFelder::optionen[] = {
    {&G::m_AnordnungMAG, "m_AnordnungMAG", "AnordnungMAG Zulaufseitig Pumpe", "AnordnungMAG Druckseitig Pumpe"},
};

const SolarFelder::Zahl SolarFelder::zahlen[] = {
    {&G::m_Absorberflaeche, "m_Absorberflaeche", "Absorberflaeche", 0, -1},
    {&G::m_VolAnlage, "m_VolAnlage", "AnlagenvolumenSumme", 0, -1},
    {&G::m_FrostZusatz, "m_FrostZusatz", "Frostschutzzusatz", 40, -1},
    {&G::m_p_stat, "m_p_stat", "p statisch", 1.5, 1},
    {&G::m_p_dyn, "m_p_dyn", "p dynamisch", 0, 1},
    {&G::m_p_SV, "m_p_SV", "p Sicherheitsventil", 6, 1},
    {&G::m_Wasservorlage, "m_Wasservorlage", "Wasservorlage", 3, -1},
    {&G::m_spezVolKollektoren, "m_spezVolKollektoren", "Kollektorvolumen", 0.6, -1},
    {&G::m_VolRohre, "m_VolRohre", "VolRohreGesamt", 0, -1},
    {&G::m_VolRohreUeberKol, "m_VolRohreUeberKol", "VolRohreUeberWTGesamt", 1.5, -1},
    {&G::m_VolSolarWTGes, "m_VolSolarWTGes", "VolWTSolarGesamt", 0, -1},
    {&G::m_LaengeGes_12x1, "m_LaengeGes_12x1", "LngRGes12x1", 0, -1},
    {&G::m_LaengeGes_15x1, "m_LaengeGes_15x1", "LngRGes15x1", 0, -1},
    {&G::m_LaengeGes_18x1, "m_LaengeGes_18x1", "LngRGes18x1", 0, -1},
    {&G::m_LaengeGes_22x1, "m_LaengeGes_22x1", "LngRGes22x1", 0, -1},
    {&G::m_LaengeGes_28x1, "m_LaengeGes_28x1", "LngRGes28x1", 0, -1},
    {&G::m_LaengeGes_32x1, "m_LaengeGes_32x1", "LngRGes32x1", 0, -1},
    {&G::m_LaengeGes_42x1, "m_LaengeGes_42x1", "LngRGes42x1", 0, -1},
    {&G::m_LaengeUebKol_12x1, "m_LaengeUebKol_12x1", "LngRUeberK12x1", 0, -1},
    {&G::m_LaengeUebKol_15x1, "m_LaengeUebKol_15x1", "LngRUeberK15x1", 0, -1},
    {&G::m_LaengeUebKol_18x1, "m_LaengeUebKol_18x1", "LngRUeberK18x1", 0, -1},
    {&G::m_LaengeUebKol_22x1, "m_LaengeUebKol_22x1", "LngRUeberK22x1", 0, -1},
    {&G::m_LaengeUebKol_28x1, "m_LaengeUebKol_28x1", "LngRUeberK28x1", 0, -1},
    {&G::m_LaengeUebKol_32x1, "m_LaengeUebKol_32x1", "LngRUeberK32x1", 0, -1},
    {&G::m_LaengeUebKol_42x1, "m_LaengeUebKol_42x1", "LngRUeberK42x1", 0, -1},
    {&G::m_AnzSolarWT_1, "m_AnzSolarWT_1", "AnzWTSolar1", 0, -1},
    {&G::m_AnzSolarWT_2, "m_AnzSolarWT_2", "AnzWTSolar2", 0, -1},
    {&G::m_AnzSolarWT_3, "m_AnzSolarWT_3", "AnzWTSolar3", 0, -1},
    {&G::m_AnzSolarWT_4, "m_AnzSolarWT_4", "AnzWTSolar4", 0, -1},
    {&G::m_VolSolarWT_1, "m_VolSolarWT_1", "VolWTSolar1", 0, -1},
    {&G::m_VolSolarWT_2, "m_VolSolarWT_2", "VolWTSolar2", 0, -1},
    {&G::m_VolSolarWT_3, "m_VolSolarWT_3", "VolWTSolar3", 0, -1},
    {&G::m_VolSolarWT_4, "m_VolSolarWT_4", "VolWTSolar4", 0, -1},
    {&G::m_r_af, "m_r_af", "Ausdehnungsfaktor", 0, 2},
    {&G::m_r_pVordruck, "m_r_pVordruck", "Vordruck", 0, 1},
    {&G::m_r_panf, "m_r_panf", "Anfangsdruck", 0, 1},
    {&G::m_r_pend, "m_r_pend", "Enddruck", 0, 1},
    {&G::m_r_vaus, "m_r_vaus", "Ausdehnungsvolumen", 0, -1},
    {&G::m_r_vauf, "m_r_vauf", "Aufnahmevolumen MAG", 0, -1},
    {&G::m_r_pfak, "m_r_pfak", "Druckfaktor", 0, 2},
    {&G::m_r_vges, "m_r_vges", "Behälter-Gesamtvolumen", 0, -1},
    {&G::m_EinbringBreite, "m_EinbringBreite", "Türbreite", 1000, -1},
    {&G::m_EinbringHoehe, "m_EinbringHoehe", "Raumhöhe", 2000, -1},
    {&G::m_GefaessGruppe, "m_GefaessGruppe", "Behältergruppe", 0, -1},
    {&G::m_GefaessAnzahl, "m_GefaessAnzahl", "Behälteranzahl", 1, -1},
};

const SolarFelder::Wert SolarFelder::werte[] = {
    {&G::m_GefaessInhalt, "m_GefaessInhalt", "Behälterinhalt", Vorgabe::Integer, 0},
    {&G::m_GefaessArtNr, "m_GefaessArtNr", "GefäßArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_SichVentil_ArtNr, "m_Zub_SichVentil_ArtNr", "SichventilArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_KappV_Beh_Anz, "m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", Vorgabe::Integer, 0},
    {&G::m_Zub_KappV_Beh_ArtNr, "m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_MitVorlagebehälter, "m_Zub_MitVorlagebehälter", "MitVorlagebehälter", Vorgabe::Integer, 0},
    {&G::m_Zub_Vorlagebeh_ArtNr, "m_Zub_Vorlagebeh_ArtNr", "VorlagebehArtNr", Vorgabe::Leer, 0},
};

const SolarFelder::Liste SolarFelder::listen[] = {
    {&G::m_EntlüfterArtNr, "m_Zub_Entlüfter_ArtNr_m_value", "EntlüfterArtNr%1", true},
    {&G::m_EntlüfterAnz, "m_Zub_Entlüfter_Anz_m_value", "EntlüfterAnz%1", false},
};

namespace {

const QString entlüfterArtNr = QStringLiteral("m_Zub_Entlüfter_ArtNr_m_value");
const QString entlüfterAnz = QStringLiteral("m_Zub_Entlüfter_Anz_m_value");

}  // namespace

GlobDatenSolar::GlobDatenSolar() : GlobDaten(QStringLiteral("GlobDatenSolar"), QStringLiteral("Solarparameter"))
{
    if (Oeffnungscode() == 0) {
        m_Int_Tab = std::make_unique<TabellenConst>();
        m_TabMembranSVSolar = std::make_unique<TabelleMembranSVSolar>();
    }
    bindeTabelle<SolarFelder>(*this);
    registriereMember();
}

GlobDatenSolar::~GlobDatenSolar()
{
    Freigeben();
}

QString GlobDatenSolar::m_Zub_Entlüfter_ArtNr_m_value(int16_t Index) const
{
    return itemLesen(m_EntlüfterArtNr, entlüfterArtNr, Index, VbVariant::Typ::String).toString();
}

void GlobDatenSolar::m_Zub_Entlüfter_ArtNr_m_value(int16_t Index, const QString& wert)
{
    itemSchreiben(m_EntlüfterArtNr, entlüfterArtNr, Index, VbVariant::Typ::String, VbVariant(wert));
}

int16_t GlobDatenSolar::m_Zub_Entlüfter_Anz_m_value(int16_t Index) const
{
    return itemLesen(m_EntlüfterAnz, entlüfterAnz, Index, VbVariant::Typ::Integer).toInteger();
}

void GlobDatenSolar::m_Zub_Entlüfter_Anz_m_value(int16_t Index, int16_t wert)
{
    itemSchreiben(m_EntlüfterAnz, entlüfterAnz, Index, VbVariant::Typ::Integer, VbVariant::integer(wert));
}

// --- Access by name (bound members and the item lists are registered with their binding) ---

void GlobDatenSolar::registriereMember()
{
    MemberRegister& r = m_member;
    r.objekt<TabellenConst>(QStringLiteral("m_Int_Tab"), [this] { return m_Int_Tab.get(); });
    const auto funktion = [&r](const QString& name, std::function<VbVariant()> f) {
        r.methode(name, 0, 0, [f](const QList<VbVariant>&) { return f(); });
    };
    funktion(QStringLiteral("Sum_Vol_Rohrleitung"), [this] { return VbVariant::lng(Sum_Vol_Rohrleitung()); });
    funktion(QStringLiteral("Sum_Vol_RohrleitungUeberKollektor"),
             [this] { return VbVariant(Sum_Vol_RohrleitungUeberKollektor()); });
    funktion(QStringLiteral("Sum_Vol_Wärmetauscher"), [this] { return VbVariant::lng(Sum_Vol_Wärmetauscher()); });
    funktion(QStringLiteral("Sum_Vol_Anlage"), [this] { return VbVariant::lng(Sum_Vol_Anlage()); });
    funktion(QStringLiteral("AufbauAktuelleDruckstufungSiVentil"), [this] {
        AufbauAktuelleDruckstufungSiVentil();
        return VbVariant();
    });
    const QString druckSV = QStringLiteral("BerechneDruckSicherheitsventil");
    r.methode(druckSV, 1, 1, [this, druckSV](const QList<VbVariant>& a) {
        BerechneDruckSicherheitsventil(MemberWandlung::ausVariant<bool>(a.at(0), druckSV));
        return VbVariant();
    });
    funktion(QStringLiteral("Rechnen_Solaranlage"), [this] { return VbVariant(Rechnen_Solaranlage()); });
}
