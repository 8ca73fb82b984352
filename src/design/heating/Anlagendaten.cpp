#include "design/heating/Anlagendaten.h"

#include <algorithm>

#include "design/heating/GlobDatenHeizung.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/Zahlen.h"

namespace Anlagendaten {

namespace {

constexpr double maxVorlauf = 105.0;
constexpr double maxRücklauf = 100.0;
constexpr double minRücklauf = 5.0;
constexpr double minEinbringBreite = 200.0;
constexpr double minEinbringHöhe = 150.0;

// A Single of the exchange record as the decimal the host wrote, not its binary neighbour
// (3.1f would otherwise read as 3.0999999 and look raised after rounding).
double alsDezimal(float w)
{
    return QString::number(w).toDouble();
}

}  // namespace

int32_t MindestWasservorlage(const GlobDatenHeizung& h)
{
    return Zahlen::CLng(AufrundenStellen(h.m_VolAnlage.m_Value / 200.0, 0));
}

bool WasservorlageAnheben(GlobDatenHeizung& h)
{
    const int32_t m = MindestWasservorlage(h);
    if (m <= h.m_Wasservorlage.m_Value)
        return false;
    h.m_Wasservorlage.m_Value = m;
    return true;
}

QString Hinweis(const GlobDatenHeizung& h, int art)
{
    const int o = zustand().Sprachoffset;
    if (art == 1) {
        const int32_t u = std::max<int32_t>(MindestWasservorlage(h), 3);
        const int32_t ob = std::max<int32_t>(Zahlen::CLng(AufrundenStellen(h.m_VolAnlage.m_Value / 100.0, 0)), u);
        if (u < ob)
            return FormatText(LadeText(o + 2140), VbVariant(u), VbVariant(ob));
        return FormatText(LadeText(o + 2141), VbVariant(u));
    }
    if (art == 2)
        return LadeText(o + 2150);
    if (!h.m_IstBerechnet.m_Value.toBool() && h.m_Anlage.m_Value == 1) {
        const double psv = h.m_p_SV.m_Value;
        const double pe = psv >= 5.0 ? 0.9 * psv : psv - 0.5;
        const float p = Zahlen::CSng(AufrundenStellen(h.m_GebäudeHöhe.m_Value * 0.1 + pe, 1));
        return FormatText(LadeText(o + 2144), VbVariant(Zahlen::Str(p, true)));
    }
    return LadeText(o + 2145);
}

void Solldruckgrenzen(const GlobDatenHeizung& h, float& unten, float& oben)
{
    const double p0 = h.m_r_pVordruck.m_Value;
    unten = Zahlen::CSng(Zahlen::RundenGerade(p0 + 0.5 - 0.1, 1));
    oben = Zahlen::CSng(Zahlen::RundenGerade(static_cast<double>(h.BerechneEnddruck()) - 0.1, 1));
}

bool BegrenzeSolldruck(GlobDatenHeizung& h, bool neuesProjekt)
{
    float unten = 0.0f;
    float oben = 0.0f;
    Solldruckgrenzen(h, unten, oben);
    // When the valve is capped the lower bound can pass the upper one: the upper bound alone
    // holds then, so that some input is always accepted.
    const bool nurOben = unten > oben;
    // Bounds as the number the user reads (one decimal), not the Single's binary neighbour.
    h.m_p_soll.MinWert(nurOben ? VbVariant::null() : VbVariant(alsDezimal(unten)));
    h.m_p_soll.MaxWert(VbVariant(alsDezimal(oben)));
    const double vorher = h.m_p_soll.m_Value;
    if (neuesProjekt)
        h.m_p_soll.m_Value = Zahlen::RundenGerade(h.m_r_pVordruck.m_Value + 0.5, 1);
    const float soll = Zahlen::CSng(h.m_p_soll.m_Value);
    if (soll < unten && !nurOben)
        h.m_p_soll.m_Value = alsDezimal(unten);
    else if (soll > oben)
        h.m_p_soll.m_Value = alsDezimal(oben);
    return h.m_p_soll.m_Value != vorher;
}

double RücklaufNachVorlauf(double vorlauf)
{
    return std::max(vorlauf - 20.0, minRücklauf);
}

int16_t WärmeerzeugerOhneInhalt(const GlobDatenHeizung& h)
{
    if (h.m_Sicherung.m_Value != 1)
        return 0;
    for (int16_t i = 1; i <= 6; ++i)
        if (h.m_Leist_m_value(i) > 0 && h.m_KesselVol_m_value(i) == 0)
            return i;
    return 0;
}

void KesselVolumenZurücksetzen(GlobDatenHeizung& h)
{
    const bool gesamt = h.m_Sicherung.m_Value == 0;
    for (int16_t i = 1; i <= 6; ++i)
        if (gesamt || h.m_Leist_m_value(i) == 0)
            h.m_KesselVol_m_value(i, 0);
}

Übernahme TyvoAnlagendatenÜbernehmen(GlobDatenHeizung& h, const TyvoAustauschdaten& d, int16_t letzterWE,
                                     int16_t anzahlWE, const std::function<void()>& prüfeDruck,
                                     const std::function<void()>& wasservorlage)
{
    Übernahme e;
    auto fehler = [&e](const char* grund) {
        e.fehler = true;
        e.grund = QString::fromUtf8(grund);
    };
    const int16_t letzter = std::clamp<int16_t>(letzterWE, 0, 6);
    const bool gesamt = h.m_Sicherung.m_Value == 0;
    if (gesamt)
        for (int16_t i = 1; i <= 6; ++i)
            h.m_Einzel_BehGesVol_m_value(i, 0);
    h.m_VolAnlage.m_Value = d.Anlageninhalt;

    // Heat generators the host no longer sends must not keep their stored output.
    for (int16_t i = letzter + 1; i <= 6; ++i) {
        h.m_Leist_m_value(i, 0);
        h.m_KesselVol_m_value(i, 0);
        h.m_Einzel_BehGesVol_m_value(i, 0);
    }
    for (int16_t i = 1; i <= letzter; ++i) {
        const TyvoWEDaten& we = d.WE_Daten[static_cast<size_t>(i)];
        h.m_Leist_m_value(i, we.Leistung);
        h.m_KesselVol_m_value(i, we.Wasserinhalt);
        if (h.m_KesselVol_m_value(i) < 1 && h.m_Leist_m_value(i) > 0)
            fehler("Mindestens einem Kessel ist kein Volumen zugeordnet.");
        if (gesamt)
            h.m_Einzel_BehGesVol_m_value(i, we.Inhalt_internes_MAG);
    }

    h.m_Leist_ges.m_Value = h.Sum_Waermeleistung();
    if (!(h.m_Leist_ges.m_Value > 0.0))
        fehler("Mindestens eine Kesselleistung wurde nicht eingegeben.");

    h.m_AnordnungMAG.m_Value = 0;
    h.m_AusfuehrSV.m_Value = 0;
    for (int16_t i = 1; i <= letzter; ++i)
        if (d.WE_Daten[static_cast<size_t>(i)].SiV_Art == 1) {
            h.m_AusfuehrSV.m_Value = 1;
            break;
        }

    h.m_Primärtemp.m_Value = d.T_Prim;
    h.m_Temp_V.m_Value = d.TVL;
    if (h.m_Temp_V.m_Value > maxVorlauf)
        fehler("Die Vorlauftemperatur überschreitet 105 °C.");
    h.m_Temp_R.m_Value = d.TRL;
    if (h.m_Temp_R.m_Value > maxRücklauf)
        fehler("Die Rücklauftemperatur überschreitet 100 °C.");
    else if (h.m_Temp_R.m_Value < minRücklauf)
        h.m_Temp_R.m_Value = minRücklauf;

    h.m_FrostZusatz.m_Value = 0;
    h.m_GebäudeHöhe.m_Value = 0;
    h.m_p_stat.m_Value = alsDezimal(d.Pst);
    h.m_p_dyn.m_Value = 0;
    h.m_p_SV.m_Value = alsDezimal(d.Psv);

    h.m_EinbringBreite.m_Value = d.Max_Durchmesser;
    h.m_EinbringHoehe.m_Value = d.Max_Hoehe;
    if (h.m_EinbringBreite.m_Value < minEinbringBreite || h.m_EinbringHoehe.m_Value < minEinbringHöhe)
        fehler("Die Einbringmaße (Durchmesser oder Höhe) sind zu klein.");

    // Dirt separator: central for the plant, per heat generator when several have one.
    bool amErzeuger = false;
    for (int16_t i = 1; i <= letzter; ++i)
        if (d.WE_Daten[static_cast<size_t>(i)].EntschlammungsGefaess) {
            amErzeuger = true;
            break;
        }
    if (d.Entschlammung_Anlage) {
        h.m_Zub_Schlamm_Anordnung.m_Value = VbVariant(1);
        h.m_Zub_SchlammIso.m_Value = VbVariant(1);
    } else if (amErzeuger) {
        h.m_Zub_Schlamm_Anordnung.m_Value = VbVariant(anzahlWE <= 1 ? 1 : 2);
        h.m_Zub_SchlammIso.m_Value = VbVariant(1);
    } else {
        h.m_Zub_Schlamm_Anordnung.m_Value = VbVariant(0);
    }

    const double psvVorher = h.m_p_SV.m_Value;
    if (prüfeDruck)
        prüfeDruck();
    if (h.m_p_SV.m_Value > psvVorher)
        fehler("Der Ansprechdruck des Sicherheitsventils ist zu gering.");
    if (wasservorlage)
        wasservorlage();
    return e;
}

void TyvoAbbruchMelden(const QString& grund)
{
    Programmzustand& z = zustand();
    z.AbbruchCode = 3;
    z.AbbruchText.clear();
    tyvoAnbindung().RückgabeInXML_AuswahlDerKomponenteNichtMöglich(z.TyvoModus, grund);
}

}  // namespace Anlagendaten
