#include "design/water_pressure/GlobDatenDruck.h"

#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/Zahlen.h"
#include "data/Feldtabelle.h"

// The bindings of the members to the fields of Druckerhöhungparameter, with the defaults of a new
// row, in member order.
struct DruckFelder : Feldtabelle<GlobDatenDruck> {
    static const Zahl zahlen[];
    static const Wert werte[];
};

namespace {
using G = GlobDatenDruck;
}

const DruckFelder::Zahl DruckFelder::zahlen[] = {
    {&G::m_MaxVolStrom, "m_MaxVolStrom", "MaxVolumenstrom", 0.1, 1},
    {&G::m_Schalthäufigkeit, "m_Schalthäufigkeit", "Schalthäufigkeit", 10, -1},
    {&G::m_p_Einschalt, "m_p_Einschalt", "Einschaltdruck", 1.0, 1},
    {&G::m_p_SV, "m_p_SV", "Ausschaltdruck", 1.5, 1},
    {&G::m_r_VolNutz, "m_r_VolNutz", "Nutzvolumen", 0, -1},
    {&G::m_r_pfak, "m_r_pfak", "Druckfaktor", 0, 2},
    {&G::m_r_vges, "m_r_vges", "Behälter-Gesamtvolumen", 0, -1},
    {&G::m_r_p_vor, "m_r_p_vor", "Vordruck", 0, 1},
    {&G::m_EinbringBreite, "m_EinbringBreite", "Türbreite", 1000, -1},
    {&G::m_EinbringHoehe, "m_EinbringHoehe", "Raumhöhe", 2000, -1},
    {&G::m_GefaessGruppe, "m_GefaessGruppe", "Behältergruppe", 0, -1},
    {&G::m_GefaessAnzahl, "m_GefaessAnzahl", "Behälteranzahl", 1, -1},
};

const DruckFelder::Wert DruckFelder::werte[] = {
    {&G::m_GefaessInhalt, "m_GefaessInhalt", "Behälterinhalt", Vorgabe::Integer, 0},
    {&G::m_GefaessArtNr, "m_GefaessArtNr", "GefäßArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_KappV_Beh_ArtNr, "m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_KappV_Beh_Anz, "m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", Vorgabe::Integer, 0},
};

GlobDatenDruck::GlobDatenDruck() : GlobDaten(QStringLiteral("GlobDatenDruck"), QStringLiteral("Druckerhöhungparameter"))
{
    bindeTabelle<DruckFelder>(*this);
    registriereMember();
}

GlobDatenDruck::~GlobDatenDruck()
{
    Freigeben();
}

void GlobDatenDruck::registriereMember()
{
    MemberRegister& r = m_member;
    r.objekt<datenbank>(QStringLiteral("druckerhDB"), [this] { return Parameterdatenbank(); });
    r.methode(QStringLiteral("Rechnen_Druckerhöhung"), 0, 0,
              [this](const QList<VbVariant>&) { return VbVariant(Rechnen_Druckerhöhung()); });
    r.methode(QStringLiteral("EingabenBerechenbar"), 0, 0,
              [this](const QList<VbVariant>&) { return VbVariant(EingabenBerechenbar()); });
}

// --- Calculation ---

namespace {

// Litres per (m³/h) in the vessel formula.
constexpr double literJeKubikmeterStunde = 330.0;
// Pre-charge pressure: this share of the switch-on pressure, less the offset, bar.
constexpr double anteilVordruck = 0.9;
constexpr double abzugVordruck = 0.1;
// The pressure factor never falls below this.
constexpr float kleinsterDruckfaktor = 0.001f;

}  // namespace

GlobDatenDruck::Eingabefehler GlobDatenDruck::PrüfeEingaben() const
{
    if (!(m_Schalthäufigkeit.m_Value >= 1.0))
        return Eingabefehler::Schalthäufigkeit;
    // Compared as the calculation sees them (Single).
    const float pein = Zahlen::CSng(m_p_Einschalt.m_Value);
    const float paus = Zahlen::CSng(m_p_SV.m_Value);
    if (!(paus > pein) || !(paus > 0.0f))
        return Eingabefehler::Ausschaltdruck;
    return Eingabefehler::Keiner;
}

bool GlobDatenDruck::Rechnen_Druckerhöhung()
{
    if (Oeffnungscode() != 0 || !EingabenBerechenbar())
        return false;
    const double pein = Zahlen::AlsSingle(m_p_Einschalt.m_Value);
    const double paus = Zahlen::AlsSingle(m_p_SV.m_Value);

    // Pre-charge pressure rounded up to 0.1 bar, stored through a Single.
    m_r_p_vor.m_Value = Zahlen::AlsSingle(AufrundenStellen(pein * anteilVordruck - abzugVordruck, 1));

    // Total vessel volume rounded up to whole litres, formed in this order.
    const double q = Zahlen::RundenGerade(m_MaxVolStrom.m_Value, 2);
    const double n = m_Schalthäufigkeit.m_Value;
    const double v = (q * literJeKubikmeterStunde) * (paus + 1.0) / ((paus - pein) * n);
    m_r_vges.m_Value = Zahlen::RundenGerade(AufrundenStellen(v, 0));

    // Pressure factor (Single), cut down to two decimals, never below the smallest factor.
    float pfak = Zahlen::CSng(1.0 - pein / paus);
    pfak = Zahlen::CSng(std::floor(static_cast<double>(pfak) * 100.0) / 100.0);
    if (pfak < kleinsterDruckfaktor)
        pfak = kleinsterDruckfaktor;
    m_r_pfak.m_Value = pfak;

    // Useful volume rounded up to whole litres.
    const double alt = Zahlen::RundenGerade(m_r_VolNutz.m_Value);
    m_r_VolNutz.m_Value = Zahlen::RundenGerade(AufrundenStellen(pfak * m_r_vges.m_Value, 0));
    return m_r_VolNutz.m_Value != alt;
}
