// Drinking-water calculation of GlobDatenTrinkw: safety-valve pressure, expansion and vessel volume.
#include <cmath>

#include "design/water_pressure/GlobDatenTrinkw.h"
#include "design/rules/TabelleSiVTrinkw.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

// The valve opens at least this far above the initial pressure, bar.
constexpr double abstandVentil = 1.0;
// End pressure as a share of the set pressure.
constexpr double anteilEnddruck = 0.8;
// Pre-charge pressure below the initial pressure, bar.
constexpr double abstandVordruck = 0.2;
// The pressure factor never falls below this.
constexpr double kleinsterDruckfaktor = 0.001;

constexpr int textKeinVentil = 2377;
constexpr int textHotline = 3020;

}  // namespace

void GlobDatenTrinkw::AufbauAktuelleDruckstufungSiVentil()
{
    if (Oeffnungscode() != 0)
        return;
    m_SiVTabelle->AufbauAktuellePaletteDruckstufung(Zahlen::CLng(m_VolAnlage.m_Value));
}

void GlobDatenTrinkw::BerechneDruckSicherheitsventil(bool /*fehlerMSGBox*/)
{
    if (Oeffnungscode() != 0)
        return;
    // Drinking water: no antifreeze.
    m_r_af.m_Value = 0.0;
    m_r_af.m_Value = m_Int_Tab->GetExpansFaktorHeizung(0.0, m_Temp_Betr.m_Value);

    double pmin = m_p_anf.m_Value + abstandVentil;
    if (pmin < 0.0)
        pmin = 0.0;
    pmin = Zahlen::RundenGerade(pmin, 1);

    m_p_SV.m_Value = Zahlen::RundenGerade(m_p_SV.m_Value, 1);
    double p = m_p_SV.m_Value;
    bool fehlgeschlagen = !m_SiVTabelle->AnpassenDruckSicherheitsventilAnPalette(p);
    m_p_SV.m_Value = p;
    if (m_p_SV.m_Value < pmin) {
        // The minimum itself is fitted (or rounded up when nothing offers it).
        if (!m_SiVTabelle->AnpassenDruckSicherheitsventilAnPalette(pmin)) {
            fehlgeschlagen = true;
            p = pmin;
        }
        m_p_SV.m_Value = pmin;
    }

    if (fehlgeschlagen) {
        const Programmzustand& z = zustand();
        Meldung(Meldungsart::Auslegungsfehler,
                LadeText(textKeinVentil + z.Sprachoffset) + LadeText(textHotline + z.Sprachoffset + z.Länderoffset),
                VbVariant::lng(Zahlen::CLng(m_VolAnlage.m_Value)), VbVariant(p));
    }
}

double GlobDatenTrinkw::Enddruck() const
{
    return Zahlen::AlsSingle(m_p_SV.m_Value * anteilEnddruck);
}

bool GlobDatenTrinkw::Rechnen_Trinkwasser()
{
    if (Oeffnungscode() != 0)
        return false;
    BerechneDruckSicherheitsventil(true);

    // End pressure (Single); shown rounded up to 0.1 bar, computed on unrounded.
    const double pe = Enddruck();
    m_r_pend.m_Value = AufrundenStellen(pe, 1);
    // Pre-charge pressure (Single), stored as it is: loading rounds it to 0.1 bar.
    const double p0 = Zahlen::AlsSingle(m_p_anf.m_Value - abstandVordruck);
    m_r_p_vor.m_Value = p0;

    // Expansion volume rounded up to whole litres.
    m_r_vaus.m_Value = Zahlen::RundenGerade(AufrundenStellen(m_r_af.m_Value * m_VolAnlage.m_Value / 100.0, 0));
    const int32_t vaus = Zahlen::CLng(m_r_vaus.m_Value);

    // Pressure factor (p0 + 1)/(pa + 1) - (p0 + 1)/(pe + 1), in this order of terms; cut down to
    // two decimals (also below 0), never below the smallest factor.
    double f = (pe - p0) / (pe + 1.0) - 1.0 + (p0 + 1.0) / (m_p_anf.m_Value + 1.0);
    f = std::floor(f * 100.0) / 100.0;
    if (f < kleinsterDruckfaktor)
        f = kleinsterDruckfaktor;
    m_r_pfak.m_Value = f;

    // Total vessel volume rounded up to whole litres.
    const double alt = Zahlen::RundenGerade(m_r_vges.m_Value);
    m_r_vges.m_Value = Zahlen::RundenGerade(AufrundenStellen(vaus / m_r_pfak.m_Value, 0));
    return m_r_vges.m_Value != alt;
}
