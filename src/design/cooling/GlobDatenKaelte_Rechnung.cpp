// Cooling calculation of GlobDatenKälte: sums, pressures and vessel volumes.
#include <cmath>

#include "design/cooling/GlobDatenKaelte.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "design/rules/Rohrtabelle.h"

namespace {

// The valve's set pressure is at least this, bar.
constexpr double mindestdruckSV = 1.5;
// From this pre-charge (and valve) pressure on the margins are relative, bar.
constexpr double grenzeRelativ = 5.0;
// The pressure factor never falls below this.
constexpr double mindestDruckfaktor = 0.001;

double aufrunden(double w, int stellen)
{
    return AufrundenStellen(w, stellen);
}

}  // namespace

double GlobDatenKälte::Sum_Waermeleistung() const
{
    return m_Leist_1.m_Value + m_Leist_2.m_Value + m_Leist_3.m_Value + m_Leist_4.m_Value
           + m_Leist_5.m_Value + m_Leist_6.m_Value;
}

double GlobDatenKälte::Sum_V_Anlage() const
{
    const std::array<const conTextBoxAdodb*, 15> längen = {
        &m_LaengeDN20,  &m_LaengeDN25,  &m_LaengeDN32,  &m_LaengeDN40,  &m_LaengeDN50,
        &m_LaengeDN65,  &m_LaengeDN80,  &m_LaengeDN100, &m_LaengeDN125, &m_LaengeDN150,
        &m_LaengeDN200, &m_LaengeDN250, &m_LaengeDN300, &m_LaengeDN350, &m_LaengeDN400};
    double summe = 0.0;
    for (size_t i = 0; i < längen.size(); ++i)
        summe += längen[i]->m_Value * Rohrtabelle[i].literJeMeter;
    return summe + m_V_Sonstiges.m_Value;
}

void GlobDatenKälte::BerechneDruckSicherheitsventil(bool fehlerMSGBox)
{
    if (!m_Int_Tab)
        return;
    // Design temperature: the highest of flow, return and ambient, in whole degrees.
    int16_t t = Zahlen::CInt(m_Temp_Vorl.m_Value > m_Temp_Rückl.m_Value ? m_Temp_Vorl.m_Value : m_Temp_Rückl.m_Value);
    t = Zahlen::CInt(m_Temp_Umgeb.m_Value > t ? m_Temp_Umgeb.m_Value : t);

    m_r_af.m_Value = 0;
    m_r_af.m_Value = m_Int_Tab->GetExpansFaktorKälte(m_FrostZusatz.m_Value, t);

    // Pre-charge pressure (Single); the pump's dynamic pressure only on its pressure side.
    float p = Zahlen::CSng(m_p_stat.m_Value + 0.2);
    if (m_AnordnungMAG.m_Value == 1)
        p = Zahlen::CSng(p + m_p_dyn.m_Value);
    m_r_pVordruck.m_Value = aufrunden(p, 1);

    // Smallest admissible valve pressure.
    const double p0 = m_r_pVordruck.m_Value;
    double pmin = aufrunden(p0 >= grenzeRelativ ? (p0 + 0.5) / 0.9 : p0 + 0.5 + 0.5, 1);
    if (!(pmin >= mindestdruckSV))
        pmin = mindestdruckSV;

    m_p_SV.m_Value = Zahlen::RundenGerade(m_p_SV.m_Value, 3);
    if (m_p_SV.m_Value < pmin) {
        // Raised, never lowered; the page applies its own cap.
        m_p_SV.m_Value = pmin;
        if (fehlerMSGBox) {
            const int text = m_p_SV.m_Value > 10.0 ? 2256 : 2257;
            Meldung(Meldungsart::Eingabefehler, LadeText(text + zustand().Sprachoffset), VbVariant(m_p_SV.m_Value));
        }
    }
}

float GlobDatenKälte::BerechneEnddruck() const
{
    const float y = m_p_SV.m_Value >= grenzeRelativ ? Zahlen::CSng(m_p_SV.m_Value * 0.9)
                                                    : Zahlen::CSng(m_p_SV.m_Value - 0.5);
    return Zahlen::CSng(aufrunden(y, 1));
}

bool GlobDatenKälte::Rechnen_Kälteanlage()
{
    if (!m_Int_Tab)
        return false;
    BerechneDruckSicherheitsventil(true);
    m_r_pend.m_Value = BerechneEnddruck();
    // Expansion volume to the nearest litre, halves to even (not rounded up).
    m_r_vaus.m_Value = Zahlen::RundenGerade(m_r_af.m_Value * m_VolAnlage.m_Value / 100.0, 0);
    m_r_vauf.m_Value = Zahlen::CLng(aufrunden(m_Wasservorlage.m_Value + m_r_vaus.m_Value, 0));

    // Pressure factor: cut to two decimals, never below 0.001.
    double f = (m_r_pend.m_Value - m_r_pVordruck.m_Value) / (m_r_pend.m_Value + 1.0);
    f = std::floor(f * 100.0) / 100.0;
    if (!(f >= mindestDruckfaktor))
        f = mindestDruckfaktor;
    m_r_pfak.m_Value = f;

    const int32_t vorher = Zahlen::CLng(m_r_vges.m_Value);
    m_r_vges.m_Value = Zahlen::CLng(aufrunden(m_r_vauf.m_Value / m_r_pfak.m_Value, 0));
    return m_r_vges.m_Value != vorher;
}
