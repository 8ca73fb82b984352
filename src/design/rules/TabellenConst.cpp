#include "design/rules/TabellenConst.h"

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <algorithm>
#include <cstddef>

TabellenConst::TabellenConst()
{
    AufbauTabellen();
    if (!TabellenLesbar())
        Meldung(Meldungsart::InternerFehler, LadeText(zustand().Sprachoffset + 2450));
}

void TabellenConst::AufbauTabellen()
{
    m_VolKorr.werte = {50, 3.13, 55, 2.44, 60, 2.0, 65, 1.69, 70, 1.45,
                       75, 1.26, 80, 1.12, 85, 1.04, 90, 1.0, 95, 0.91,
                       100, 0.82, 105, 0.75, 110, 0.69, 115, 0.64, 120, 0.5};
    m_VolKorr.länge = 30;

    m_Dampfdruck.werte = {0, 0.0, 100, 0.0, 110, 0.4194, 120, 0.9721, 130, 1.6879, 140, 2.601,
                          150, 3.747, 160, 5.167, 170, 6.92, 180, 9.027, 1000, 9.027};
    m_Dampfdruck.länge = 22;

    AufbauExpansFaktorHeizung();
    AufbauExpansFaktorKälte();
}

void TabellenConst::AufbauExpansFaktorHeizung()
{
    m_ExpansHeizung.anteile = {0, 10, 20, 30, 40, 50};
    m_ExpansHeizung.länge = 6;
    m_ExpansHeizung.listen = {
        // 0 %
        {{10, 0.0, 20, 0.0014, 30, 0.004, 40, 0.0075, 50, 0.0117, 60, 0.0167, 70, 0.0224,
          80, 0.0286, 85, 0.0317, 90, 0.0355, 95, 0.0392, 100, 0.0431, 105, 0.047, 107, 0.0487,
          110, 0.0511, 120, 0.0599, 130, 0.0693}, 34},
        // 10 %
        {{10, 0.0032, 20, 0.005, 30, 0.0076, 40, 0.0111, 50, 0.0153, 60, 0.0203, 70, 0.026,
          80, 0.0322, 85, 0.0357, 90, 0.0391, 95, 0.0429, 100, 0.0467, 105, 0.0507, 107, 0.0523,
          110, 0.0547, 120, 0.0635, 130, 0.0729}, 34},
        // 20 % (0.0533 at 105 °C stays as it is, uneven as it looks)
        {{10, 0.0064, 20, 0.0082, 30, 0.0108, 40, 0.0143, 50, 0.0185, 60, 0.0235, 70, 0.0292,
          80, 0.0354, 85, 0.0389, 90, 0.0423, 95, 0.0461, 100, 0.0499, 105, 0.0533, 107, 0.0555,
          110, 0.0579, 120, 0.0667, 130, 0.0761}, 34},
        // 30 %
        {{10, 0.0096, 20, 0.0114, 30, 0.014, 40, 0.0175, 50, 0.0217, 60, 0.0267, 70, 0.0324,
          80, 0.0386, 85, 0.0421, 90, 0.0455, 95, 0.0493, 100, 0.0531, 105, 0.0571, 107, 0.0587,
          110, 0.0611, 120, 0.0699, 130, 0.0793}, 34},
        // 40 %
        {{10, 0.0128, 20, 0.0146, 30, 0.0172, 40, 0.0207, 50, 0.0249, 60, 0.0299, 70, 0.0356,
          80, 0.0418, 85, 0.0453, 90, 0.0487, 95, 0.0525, 100, 0.0563, 105, 0.0601, 107, 0.0619,
          110, 0.0643, 120, 0.0731, 130, 0.0825}, 34},
        // 50 %
        {{10, 0.016, 20, 0.0178, 30, 0.0204, 40, 0.0239, 50, 0.0281, 60, 0.0331, 70, 0.0388,
          80, 0.045, 85, 0.0485, 90, 0.0519, 95, 0.0557, 100, 0.0595, 105, 0.0635, 107, 0.0651,
          110, 0.0675, 120, 0.0763, 130, 0.0857}, 34},
    };
}

void TabellenConst::AufbauExpansFaktorKälte()
{
    m_ExpansKälte.anteile = {0, 10, 20, 30, 40, 50};
    m_ExpansKälte.länge = 6;
    m_ExpansKälte.listen = {
        {{0, 0.0, 20, 0.002, 30, 0.0043, 40, 0.008, 60, 0.017, 80, 0.029, 100, 0.043}, 14},  // 0 %
        {{0, 0.0, 20, 0.005, 40, 0.011, 60, 0.02, 80, 0.032, 100, 0.046}, 12},               // 10 %
        {{0, 0.0, 20, 0.008, 40, 0.014, 60, 0.023, 80, 0.035, 100, 0.049}, 12},              // 20 %
        {{0, 0.0, 20, 0.01, 40, 0.016, 60, 0.026, 80, 0.038, 100, 0.052}, 12},               // 30 %
        {{0, 0.0, 20, 0.015, 40, 0.021, 60, 0.03, 80, 0.042, 100, 0.056}, 12},               // 40 %
        {{0, 0.0, 20, 0.018, 40, 0.024, 60, 0.033, 80, 0.045, 100, 0.059}, 12},              // 50 %
    };
}

// Every stored length must reach a number of its list.
bool TabellenConst::TabellenLesbar() const
{
    const auto lesbar = [](std::size_t anzahl, int länge) {
        return länge >= 1 && static_cast<std::size_t>(länge) <= anzahl;
    };
    const auto tabelleLesbar = [&](const ExpansTabelle& t) {
        if (!lesbar(t.anteile.size(), t.länge) || !lesbar(t.listen.size(), t.länge))
            return false;
        return std::all_of(t.listen.begin(), t.listen.begin() + t.länge,
                           [&](const Paarliste& p) { return lesbar(p.werte.size(), p.länge); });
    };
    return lesbar(m_VolKorr.werte.size(), m_VolKorr.länge)
           && lesbar(m_Dampfdruck.werte.size(), m_Dampfdruck.länge)
           && tabelleLesbar(m_ExpansHeizung) && tabelleLesbar(m_ExpansKälte);
}

double TabellenConst::InterpoliereTabelle(double x, int länge, const std::vector<double>& liste)
{
    const int n = std::min(länge, static_cast<int>(liste.size()));
    if (n < 2)
        return 0.0;
    int i = 0;
    while (i <= n - 1) {
        if (liste[i] > x)
            break;
        i += 2;
    }
    const int l = std::max(i - 2, 0);
    const int u = i > n - 2 ? n - 2 : i;
    const double x1 = liste[l], y1 = liste[l + 1];
    const double x2 = liste[u], y2 = liste[u + 1];
    if (x1 == x2 || y1 == y2)
        return y1;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

double TabellenConst::ExpansFaktor(const ExpansTabelle& tabelle, double anteil, double temperatur)
{
    const int letzter = tabelle.länge - 1;
    int h = 0;
    while (h <= letzter && !(tabelle.anteile[h] > anteil))
        ++h;
    const int l = std::max(h - 1, 0);
    const int u = std::min(h, letzter);
    const Paarliste& unten = tabelle.listen[l];
    const Paarliste& oben = tabelle.listen[u];
    const double yLo = InterpoliereTabelle(temperatur, unten.länge, unten.werte);
    const double yHi = InterpoliereTabelle(temperatur, oben.länge, oben.werte);
    const double aLo = tabelle.anteile[l];
    const double aHi = tabelle.anteile[u];
    double y = yLo;
    if (aLo != aHi && yLo != yHi)
        y = yLo + (yHi - yLo) * (anteil - aLo) / (aHi - aLo);
    return AufrundenStellen(y * 100, 2);
}

QList<double> TabellenConst::GetBehälterVordruckRaster(int16_t behältergruppe) const
{
    switch (behältergruppe) {
    case 19:
        return {2.0, 2.6};
    case 20:
        return {1.25, 2.0};
    default:
        return {0.5, 1.0, 1.5, 2.0, 2.5, 3.0};
    }
}

double TabellenConst::GetVolKorr(double vorlauftemperatur) const
{
    return InterpoliereTabelle(vorlauftemperatur, m_VolKorr.länge, m_VolKorr.werte);
}

double TabellenConst::GetDampfdruck(double temperatur) const
{
    return InterpoliereTabelle(temperatur, m_Dampfdruck.länge, m_Dampfdruck.werte);
}

double TabellenConst::GetExpansFaktorHeizung(double frostschutzanteil, double temperatur) const
{
    return ExpansFaktor(m_ExpansHeizung, frostschutzanteil, temperatur);
}

double TabellenConst::GetExpansFaktorKälte(double frostschutzanteil, double temperatur) const
{
    return ExpansFaktor(m_ExpansKälte, frostschutzanteil, temperatur);
}
