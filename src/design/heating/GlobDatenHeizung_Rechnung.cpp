// Heating calculation of GlobDatenHeizung: water contents, expansion, pressures and vessel volumes.
#include <cmath>

#include "design/heating/GlobDatenHeizung.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "design/rules/Rohrtabelle.h"

namespace {

// Litres of water per kW of consumer output at 90 °C flow.
constexpr double literJeKwRadiatoren = 12.0;
constexpr double literJeKwPlattenHK = 8.8;
constexpr double literJeKwLueftGer = 6.9;
constexpr double literJeKwKonvektoren = 5.1;
constexpr double literJeKwFBHeiz = 10.0;

// Table look-ups use the temperature rounded to a whole degree.
double ganzerGrad(double temperatur)
{
    return Zahlen::RundenGerade(temperatur, 0);
}

double aufrunden(double w, int stellen)
{
    return AufrundenStellen(w, stellen);
}

// A whole number of litres as the per-generator items hold it (held at the 16-bit range).
int16_t alsInteger(double w)
{
    return Zahlen::CInt(w);
}

bool hostProjekt()
{
    const int art = zustand().AktProjektArtErstellung;
    return art == 1 || art == 2;
}

}  // namespace

double GlobDatenHeizung::Sum_Waermeleistung() const
{
    return m_Leist_1.m_Value + m_Leist_2.m_Value + m_Leist_3.m_Value + m_Leist_4.m_Value
           + m_Leist_5.m_Value + m_Leist_6.m_Value;
}

double GlobDatenHeizung::Sum_P_Verbraucher() const
{
    return m_P_Radiatoren.m_Value + m_P_PlattenHK.m_Value + m_P_LueftGer.m_Value
           + m_P_Konvektoren.m_Value + m_P_FBHeiz.m_Value + m_P_Sonstiges.m_Value;
}

void GlobDatenHeizung::Berechne_EinzelVol_Verbraucher()
{
    const double k = m_Int_Tab->GetVolKorr(ganzerGrad(m_Temp_V.m_Value));
    m_V_Radiatoren.m_Value = m_P_Radiatoren.m_Value * literJeKwRadiatoren * k;
    m_V_PlattenHK.m_Value = m_P_PlattenHK.m_Value * literJeKwPlattenHK * k;
    m_V_LueftGer.m_Value = m_P_LueftGer.m_Value * literJeKwLueftGer * k;
    m_V_Konvektoren.m_Value = m_P_Konvektoren.m_Value * literJeKwKonvektoren * k;
    m_V_FBHeiz.m_Value = m_P_FBHeiz.m_Value * literJeKwFBHeiz * k;
}

void GlobDatenHeizung::Sum_V_Verbraucher()
{
    m_V_Summe.m_Value = m_V_Radiatoren.m_Value + m_V_PlattenHK.m_Value + m_V_LueftGer.m_Value
                        + m_V_Konvektoren.m_Value + m_V_FBHeiz.m_Value + m_V_Sonstiges.m_Value;
    m_VolAnlage.m_Value = m_V_Fernleit.m_Value + m_V_Summe.m_Value;
}

void GlobDatenHeizung::Sum_V_Fernleit()
{
    const std::array<const conTextBoxAdodb*, 15> längen = {
        &m_LaengeDN20,  &m_LaengeDN25,  &m_LaengeDN32,  &m_LaengeDN40,  &m_LaengeDN50,
        &m_LaengeDN65,  &m_LaengeDN80,  &m_LaengeDN100, &m_LaengeDN125, &m_LaengeDN150,
        &m_LaengeDN200, &m_LaengeDN250, &m_LaengeDN300, &m_LaengeDN350, &m_LaengeDN400};
    double summe = 0.0;
    for (size_t i = 0; i < längen.size(); ++i)
        summe += längen[i]->m_Value * Rohrtabelle[i].literJeMeter;
    m_V_Fernleit.m_Value = summe;
    m_VolAnlage.m_Value = m_V_Fernleit.m_Value + m_V_Summe.m_Value;
}

int16_t GlobDatenHeizung::Sum_KesselinterneMAGs() const
{
    if (m_Sicherung.m_Value != 0 || !hostProjekt())
        return 0;
    int32_t summe = 0;
    for (int16_t i = 1; i <= 6; ++i)
        if (m_Leist_m_value(i) > 0)
            summe += m_Einzel_BehGesVol_m_value(i);
    return alsInteger(summe);
}

bool GlobDatenHeizung::TyvoSonderfallKeinMAGerlaubt() const
{
    const int16_t k = Sum_KesselinterneMAGs();
    return m_ArtDruckhaltung.m_Value == 0 && k >= 1 && m_r_vges.m_Value > 0 && m_r_vges.m_Value <= k;
}

double GlobDatenHeizung::BerechneAusdehnungsfaktor() const
{
    return m_Int_Tab->GetExpansFaktorHeizung(m_FrostZusatz.m_Value, ganzerGrad(m_Temp_V.m_Value));
}

double GlobDatenHeizung::BerechneAusdehnungsvolumen() const
{
    return Zahlen::RundenGerade(m_r_af.m_Value * m_VolAnlage.m_Value / 100.0, 0);
}

bool GlobDatenHeizung::BerechneDruckSicherheitsventil(bool meldungen)
{
    const double t = ganzerGrad(m_Temp_V.m_Value);
    float ps = 0.0f;
    if (t > 100.0)
        ps = static_cast<float>(m_Int_Tab->GetDampfdruck(t));
    m_r_psatt.m_Value = aufrunden(ps, 1);
    m_r_af.m_Value = BerechneAusdehnungsfaktor();

    // Pre-pressure from the unrounded vapour pressure.
    float p0 = static_cast<float>(ps + m_p_stat.m_Value + 0.2);
    if (m_AnordnungMAG.m_Value == 1)
        p0 = static_cast<float>(p0 + m_p_dyn.m_Value);
    m_r_pVordruck.m_Value = aufrunden(p0, 1);

    double pmin;
    if (m_r_pVordruck.m_Value >= 5.0)
        pmin = (m_r_pVordruck.m_Value + 0.5) / 0.9;
    else
        pmin = m_r_pVordruck.m_Value + 0.5 + 0.5;
    pmin = aufrunden(pmin, 1);

    m_p_SV.m_Value = Zahlen::RundenGerade(m_p_SV.m_Value, 3);
    bool angehoben = false;
    if (m_p_SV.m_Value < pmin) {
        m_p_SV.m_Value = pmin;
        angehoben = true;
    }

    bool vollhub = false;
    if (m_p_SV.m_Value > 3.0) {
        m_AusfuehrSV.m_Value = 1;
        m_AusfuehrSV.GlobDatenInButton();
        vollhub = true;
    }

    const int art = Meldungsart::Eingabefehler;
    if (m_p_SV.m_Value > 10.0) {
        if (meldungen)
            Meldung(art, LadeText(2256 + zustand().Sprachoffset), m_p_SV.m_Value);
    } else {
        const double minimum = m_AusfuehrSV.m_Value != 0 ? 1.5 : 2.5;
        if (m_p_SV.m_Value < minimum) {
            m_p_SV.m_Value = minimum;
            if (meldungen)
                Meldung(art, LadeText(2257 + zustand().Sprachoffset), minimum);
        } else if (m_AusfuehrSV.m_Value == 0) {
            // A diaphragm valve ends at 2.5 or 3.0 bar.
            if (m_p_SV.m_Value > 2.5) {
                m_p_SV.m_Value = 3.0;
                if (meldungen && angehoben)
                    Meldung(art, LadeText(2257 + zustand().Sprachoffset), 3);
            }
        } else if (meldungen && angehoben) {
            Meldung(art, LadeText(2257 + zustand().Sprachoffset), m_p_SV.m_Value);
        }
    }
    return vollhub;
}

float GlobDatenHeizung::BerechneEnddruck() const
{
    float x;
    if (m_p_SV.m_Value >= 5.0)
        x = static_cast<float>(m_p_SV.m_Value * 0.9);
    else
        x = static_cast<float>(m_p_SV.m_Value - 0.5);
    return static_cast<float>(aufrunden(x, 1));
}

bool GlobDatenHeizung::Rechnen_Heizung()
{
    BerechneDruckSicherheitsventil(true);
    m_r_pend.m_Value = BerechneEnddruck();
    m_r_vaus.m_Value = BerechneAusdehnungsvolumen();
    m_r_vauf.m_Value = Zahlen::CLng(aufrunden(m_Wasservorlage.m_Value + m_r_vaus.m_Value, 0));

    // Pressure factor: cut to two decimals, never below 0.001.
    double f = (m_r_pend.m_Value - m_r_pVordruck.m_Value) / (m_r_pend.m_Value + 1.0);
    f = std::floor(f * 100.0) / 100.0;
    if (f < 0.001)
        f = 0.001;
    m_r_pfak.m_Value = f;

    const double alt = Zahlen::RundenGerade(m_r_vges.m_Value, 0);
    m_r_vges.m_Value = Zahlen::CLng(aufrunden(m_r_vauf.m_Value / m_r_pfak.m_Value, 0));
    BerechneEinzelVolumenKessel();
    return m_r_vges.m_Value != alt;
}

void GlobDatenHeizung::Rechnen_Ausdehnungsvolumen()
{
    m_r_af.m_Value = BerechneAusdehnungsfaktor();
    m_r_vaus.m_Value = BerechneAusdehnungsvolumen();
}

void GlobDatenHeizung::BerechneEinzelVolumenKessel()
{
    for (int16_t i = 1; i <= 6; ++i) {
        if (m_Sicherung.m_Value == 1) {
            if (m_Leist_m_value(i) > 0) {
                const int16_t c = m_KesselVol_m_value(i);
                const double x = c * m_r_af.m_Value / 100.0;
                m_Einzel_AusdVol_m_value(i, alsInteger(aufrunden(x, 0)));
                const double reserve = aufrunden(c / 200.0, 0);
                m_Einzel_AufnVol_m_value(i, alsInteger(aufrunden(reserve + x, 0)));
                m_Einzel_BehGesVol_m_value(
                    i, alsInteger(aufrunden(m_Einzel_AufnVol_m_value(i) / m_r_pfak.m_Value, 0)));
            } else {
                m_Einzel_AusdVol_m_value(i, 0);
                m_Einzel_AufnVol_m_value(i, 0);
                m_Einzel_BehGesVol_m_value(i, 0);
            }
        } else {
            m_Einzel_AusdVol_m_value(i, 0);
            m_Einzel_AufnVol_m_value(i, 0);
            // A host project keeps the boiler-internal vessel volumes the host reported.
            if (!hostProjekt())
                m_Einzel_BehGesVol_m_value(i, 0);
        }
    }
}

double GlobDatenHeizung::nennvolumenGefäße() const
{
    return Zahlen::RundenGerade(m_GefaessAnzahl.m_Value * m_GefaessInhalt.m_Value.toDouble(), 0);
}

bool GlobDatenHeizung::FüllungGültig(double temperatur) const
{
    const double a = m_Int_Tab->GetExpansFaktorHeizung(m_FrostZusatz.m_Value, temperatur);
    const double wasser = m_VolAnlage.m_Value * a / 100.0 + m_Wasservorlage.m_Value;
    return m_GefaessAnzahl.m_Value != 0.0 && nennvolumenGefäße() - wasser > 0.0;
}

double GlobDatenHeizung::GetFülldruck(double temperatur, bool* gültig) const
{
    const double a = m_Int_Tab->GetExpansFaktorHeizung(m_FrostZusatz.m_Value, temperatur);
    const double vn = nennvolumenGefäße();
    const double d = vn - m_Wasservorlage.m_Value - m_VolAnlage.m_Value * a / 100.0;
    const double q = d == 0.0 ? 0.0 : vn * (m_r_pVordruck.m_Value + 1.0) / d;
    bool ok = false;
    const int32_t zehntel = Zahlen::CLng(q * 10.0, &ok);
    if (gültig)
        *gültig = ok && FüllungGültig(temperatur);
    return ok ? zehntel / 10.0 - 1.0 : 0.0;
}

void GlobDatenHeizung::GetFüllvolumen(double temperatur, int32_t& volumenJeGefäß, int32_t& füllgrad,
                                      bool* gültig) const
{
    const double a = m_Int_Tab->GetExpansFaktorHeizung(m_FrostZusatz.m_Value, temperatur);
    const double vn = nennvolumenGefäße();
    const double w = m_VolAnlage.m_Value * a / 100.0 + m_Wasservorlage.m_Value;
    if (m_GefaessAnzahl.m_Value != 0.0)
        volumenJeGefäß = Zahlen::CLng(w / m_GefaessAnzahl.m_Value);
    if (vn != 0.0)
        füllgrad = Zahlen::CLng(w / vn * 100.0);
    if (gültig)
        *gültig = FüllungGültig(temperatur);
}
