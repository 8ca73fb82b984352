// Solar calculation of GlobDatenSolar: contents, safety-valve pressure and the vessel volume.
#include <array>
#include <cmath>

#include "design/rules/TabelleMembranSVSolar.h"
#include "design/solar/GlobDatenSolar.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

// Litres of water per metre of copper pipe: 12x1, 15x1, 18x1, 22x1, 28x1.5, 32x1.5, 42x1.5.
constexpr std::array<double, 7> literJeMeter = {0.08, 0.13, 0.2, 0.3, 0.5, 0.8, 1.195};

// The expansion factor of a solar circuit is taken at the collector's stagnation limit.
constexpr double temperaturAusdehnung = 130.0;
constexpr double mindestInhaltUeberKollektor = 1.5;  // l
constexpr double vordruckZuschlag = 0.2;              // bar above the static pressure
constexpr double anfangsdruckZuschlag = 0.3;          // bar above the pre-charge
constexpr double grenzeHoherVordruck = 5.0;           // bar
constexpr double mindestDruckSV = 3.0;                // bar
constexpr double hoechstDruckSV = 10.0;               // bar
constexpr double mindestDruckfaktor = 0.001;

constexpr int textKeinVentil = 2372;
constexpr int textVentilZuGross = 2256;
constexpr int textVentilZuKlein = 2257;
constexpr int textHotline = 3020;

int32_t ganzzahl(double w)
{
    return Zahlen::CLng(w);
}

double summe(const std::array<const conTextBoxAdodb*, 7>& längen)
{
    double s = 0.0;
    for (size_t i = 0; i < längen.size(); ++i)
        s += längen[i]->m_Value * literJeMeter[i];
    return s;
}

void keinVentil(int32_t fläche, float druck)
{
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Auslegungsfehler,
            LadeText(textKeinVentil + z.Sprachoffset) + LadeText(textHotline + z.Sprachoffset + z.Länderoffset),
            fläche, druck);
}

void ventilMeldung(int text, double druck)
{
    // The pressure as a Single shows the digits that were entered or fitted.
    Meldung(Meldungsart::Eingabefehler, LadeText(text + zustand().Sprachoffset), VbVariant::single(Zahlen::CSng(druck)));
}

}  // namespace

int32_t GlobDatenSolar::Sum_Vol_Rohrleitung() const
{
    const double s = summe({&m_LaengeGes_12x1, &m_LaengeGes_15x1, &m_LaengeGes_18x1, &m_LaengeGes_22x1,
                            &m_LaengeGes_28x1, &m_LaengeGes_32x1, &m_LaengeGes_42x1});
    return ganzzahl(AufrundenStellen(s, 0));
}

double GlobDatenSolar::Sum_Vol_RohrleitungUeberKollektor() const
{
    double s = summe({&m_LaengeUebKol_12x1, &m_LaengeUebKol_15x1, &m_LaengeUebKol_18x1, &m_LaengeUebKol_22x1,
                      &m_LaengeUebKol_28x1, &m_LaengeUebKol_32x1, &m_LaengeUebKol_42x1});
    if (s < mindestInhaltUeberKollektor)
        s = mindestInhaltUeberKollektor;
    return AufrundenStellen(s, 1);
}

int32_t GlobDatenSolar::Sum_Vol_Wärmetauscher() const
{
    const double s = m_AnzSolarWT_1.m_Value * m_VolSolarWT_1.m_Value + m_AnzSolarWT_2.m_Value * m_VolSolarWT_2.m_Value
                     + m_AnzSolarWT_3.m_Value * m_VolSolarWT_3.m_Value
                     + m_AnzSolarWT_4.m_Value * m_VolSolarWT_4.m_Value;
    return ganzzahl(AufrundenStellen(s, 0));
}

int32_t GlobDatenSolar::Sum_Vol_Anlage() const
{
    const double s = m_Absorberflaeche.m_Value * m_spezVolKollektoren.m_Value + m_VolRohre.m_Value
                     + m_VolSolarWTGes.m_Value;
    return ganzzahl(AufrundenStellen(s, 0));
}

void GlobDatenSolar::AufbauAktuelleDruckstufungSiVentil()
{
    if (m_TabMembranSVSolar)
        m_TabMembranSVSolar->AufbauAktuellePaletteDruckstufung(ganzzahl(m_Absorberflaeche.m_Value));
}

void GlobDatenSolar::BerechneDruckSicherheitsventil(bool fehlerMSGBox)
{
    if (!m_Int_Tab || !m_TabMembranSVSolar)
        return;
    m_r_af.m_Value = 0.0;
    m_r_af.m_Value = m_Int_Tab->GetExpansFaktorHeizung(m_FrostZusatz.m_Value, temperaturAusdehnung);

    // Pre-charge (Single), with the pump's pressure when the vessel is on its pressure side.
    float p0 = Zahlen::CSng(m_p_stat.m_Value + vordruckZuschlag);
    if (m_AnordnungMAG.m_Value == 1)
        p0 = Zahlen::CSng(p0 + m_p_dyn.m_Value);
    m_r_pVordruck.m_Value = AufrundenStellen(p0, 1);
    m_r_panf.m_Value = m_r_pVordruck.m_Value + anfangsdruckZuschlag;

    // Minimum valve pressure (Single), rounded up to 0.1 bar.
    const double m = m_r_pVordruck.m_Value >= grenzeHoherVordruck ? (m_r_pVordruck.m_Value + 0.5) / 0.9
                                                                  : m_r_pVordruck.m_Value + 1.0;
    float pmin = Zahlen::CSng(AufrundenStellen(m, 1));

    const int32_t fläche = ganzzahl(m_Absorberflaeche.m_Value);
    float psv = Zahlen::CSng(m_p_SV.m_Value);
    if (!m_TabMembranSVSolar->AnpassenDruckSicherheitsventilAnPalette(psv) && fehlerMSGBox)
        keinVentil(fläche, psv);
    m_p_SV.m_Value = psv;
    m_p_SV.m_Value = Zahlen::RundenGerade(m_p_SV.m_Value, 3);

    bool angehoben = false;
    if (Zahlen::CSng(m_p_SV.m_Value) < pmin) {
        if (!m_TabMembranSVSolar->AnpassenDruckSicherheitsventilAnPalette(pmin) && fehlerMSGBox)
            keinVentil(fläche, pmin);
        m_p_SV.m_Value = pmin;
        angehoben = true;
    }

    if (m_p_SV.m_Value > hoechstDruckSV) {
        if (fehlerMSGBox)
            ventilMeldung(textVentilZuGross, m_p_SV.m_Value);
    } else if (m_p_SV.m_Value >= mindestDruckSV) {
        if (fehlerMSGBox && angehoben)
            ventilMeldung(textVentilZuKlein, m_p_SV.m_Value);
    } else {
        m_p_SV.m_Value = mindestDruckSV;
        if (fehlerMSGBox)
            ventilMeldung(textVentilZuKlein, mindestDruckSV);
    }
}

bool GlobDatenSolar::Rechnen_Solaranlage()
{
    if (!m_Int_Tab)
        return false;
    BerechneDruckSicherheitsventil(true);

    // End pressure (Single), rounded up to 0.1 bar.
    const float pe = m_p_SV.m_Value >= grenzeHoherVordruck ? Zahlen::CSng(0.9 * m_p_SV.m_Value)
                                                           : Zahlen::CSng(m_p_SV.m_Value - 0.5);
    m_r_pend.m_Value = AufrundenStellen(pe, 1);

    // Expansion volume (Single); its rounded value is shown, the acceptance volume takes it unrounded.
    const float va = Zahlen::CSng(m_r_af.m_Value * m_VolAnlage.m_Value / 100.0);
    m_r_vaus.m_Value = Zahlen::RundenGerade(va, 0);

    // Acceptance volume: expansion, water reserve and the vapour volume (collectors and the pipes
    // above them), summed from left to right and rounded up to whole litres.
    m_r_vauf.m_Value = ganzzahl(AufrundenStellen(va + m_Wasservorlage.m_Value
                                                     + m_Absorberflaeche.m_Value * m_spezVolKollektoren.m_Value
                                                     + m_VolRohreUeberKol.m_Value,
                                                 0));

    // Pressure factor, cut to two decimals, never below 0.001.
    m_r_pfak.m_Value = (m_r_pend.m_Value - m_r_pVordruck.m_Value) / (m_r_pend.m_Value + 1.0);
    m_r_pfak.m_Value = std::floor(m_r_pfak.m_Value * 100.0) / 100.0;
    if (m_r_pfak.m_Value < mindestDruckfaktor)
        m_r_pfak.m_Value = mindestDruckfaktor;

    const int32_t alt = ganzzahl(m_r_vges.m_Value);
    m_r_vges.m_Value = ganzzahl(AufrundenStellen(m_r_vauf.m_Value / m_r_pfak.m_Value, 0));
    return ganzzahl(m_r_vges.m_Value) != alt;
}
