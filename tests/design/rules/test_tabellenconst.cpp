#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "design/rules/TabellenConst.h"
#include "support/MeldungsRecorder.h"

namespace {

constexpr double genau = 1e-9;

struct Punkt {
    double x;
    double erwartet;
};

// Expansion factors in percent as listed, rows by temperature, columns 0 % .. 50 %.
struct Zeile {
    double t;
    double prozent[6];
};

const Zeile heizung[] = {
    {10, {0.00, 0.32, 0.64, 0.96, 1.28, 1.60}},  {20, {0.14, 0.50, 0.82, 1.14, 1.46, 1.78}},
    {30, {0.40, 0.76, 1.08, 1.40, 1.72, 2.04}},  {40, {0.75, 1.11, 1.43, 1.75, 2.07, 2.39}},
    {50, {1.17, 1.53, 1.85, 2.17, 2.49, 2.81}},  {60, {1.67, 2.03, 2.35, 2.67, 2.99, 3.31}},
    {70, {2.24, 2.60, 2.92, 3.24, 3.56, 3.88}},  {80, {2.86, 3.22, 3.54, 3.86, 4.18, 4.50}},
    {85, {3.17, 3.57, 3.89, 4.21, 4.53, 4.85}},  {90, {3.55, 3.91, 4.23, 4.55, 4.87, 5.19}},
    {95, {3.92, 4.29, 4.61, 4.93, 5.25, 5.57}},  {100, {4.31, 4.67, 4.99, 5.31, 5.63, 5.95}},
    {105, {4.70, 5.07, 5.33, 5.71, 6.01, 6.35}}, {107, {4.87, 5.23, 5.55, 5.87, 6.19, 6.51}},
    {110, {5.11, 5.47, 5.79, 6.11, 6.43, 6.75}}, {120, {5.99, 6.35, 6.67, 6.99, 7.31, 7.63}},
    {130, {6.93, 7.29, 7.61, 7.93, 8.25, 8.57}},
};

const Zeile kälte[] = {
    {0, {0.00, 0.00, 0.00, 0.00, 0.00, 0.00}},  {20, {0.20, 0.50, 0.80, 1.00, 1.50, 1.80}},
    {40, {0.80, 1.10, 1.40, 1.60, 2.10, 2.40}}, {60, {1.70, 2.00, 2.30, 2.60, 3.00, 3.30}},
    {80, {2.90, 3.20, 3.50, 3.80, 4.20, 4.50}}, {100, {4.30, 4.60, 4.90, 5.20, 5.60, 5.90}},
};

// Grid points (temperature, share) where the guarded round-up, multiplying in double
// precision, gives one hundredth more than the listed value.
const std::set<std::pair<double, double>> heizungPlusEinHundertstel = {
    {20, 0}, {70, 0}, {110, 0}, {40, 10}, {90, 20}, {95, 20}, {50, 40}};
const std::set<std::pair<double, double>> kältePlusEinHundertstel = {{40, 10}, {100, 20}};

class TabellenConstTest : public ::testing::Test {
protected:
    MeldungsRecorder meldungen;
    TabellenConst tab;
};

TEST_F(TabellenConstTest, CreationFindsItsTablesConsistent)
{
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(TabellenConstTest, VolKorrNodesBetweenAndOutside)
{
    const Punkt fälle[] = {
        {-20, 3.13}, {40, 3.13}, {50, 3.13}, {52, 2.854}, {55, 2.44}, {60, 2.0}, {62.5, 1.845},
        {65, 1.69}, {70, 1.45}, {75, 1.26}, {80, 1.12}, {85, 1.04}, {87.5, 1.02}, {90, 1.0},
        {95, 0.91}, {100, 0.82}, {105, 0.75}, {110, 0.69}, {115, 0.64}, {118, 0.556},
        {120, 0.5}, {130, 0.5}, {1e6, 0.5},
    };
    for (const Punkt& p : fälle)
        EXPECT_NEAR(tab.GetVolKorr(p.x), p.erwartet, genau) << p.x << " °C";
}

TEST_F(TabellenConstTest, DampfdruckNodesBetweenAndOutside)
{
    const Punkt fälle[] = {
        {-40, 0}, {0, 0}, {50, 0}, {100, 0}, {105, 0.2097}, {110, 0.4194}, {120, 0.9721},
        {125, 1.33}, {130, 1.6879}, {140, 2.601}, {150, 3.747}, {160, 5.167}, {170, 6.92},
        {175, 7.9735}, {180, 9.027}, {200, 9.027}, {1000, 9.027}, {5000, 9.027},
    };
    for (const Punkt& p : fälle)
        EXPECT_NEAR(tab.GetDampfdruck(p.x), p.erwartet, genau) << p.x << " °C";
}

TEST_F(TabellenConstTest, ExpansionGridPointsIncludingRoundUpEffects)
{
    for (const Zeile& z : heizung)
        for (int j = 0; j < 6; ++j) {
            const double a = 10.0 * j;
            const double plus = heizungPlusEinHundertstel.count({z.t, a}) ? 0.01 : 0.0;
            EXPECT_NEAR(tab.GetExpansFaktorHeizung(a, z.t), z.prozent[j] + plus, genau)
                << "heating " << a << " % " << z.t << " °C";
        }
    for (const Zeile& z : kälte)
        for (int j = 0; j < 6; ++j) {
            const double a = 10.0 * j;
            const double plus = kältePlusEinHundertstel.count({z.t, a}) ? 0.01 : 0.0;
            EXPECT_NEAR(tab.GetExpansFaktorKälte(a, z.t), z.prozent[j] + plus, genau)
                << "cooling " << a << " % " << z.t << " °C";
        }
}

struct ExpansFall {
    double anteil;
    double t;
    double erwartet;
};

TEST_F(TabellenConstTest, ExpansionHeizungBetweenAndOutside)
{
    const ExpansFall fälle[] = {
        {0, 90, 3.55},
        {25, 90, 4.39},   // halfway between the 20 % and 30 % lists
        {45, 60, 3.15},
        {60, 90, 5.19},   // held at the 50 % list
        {50, 90, 5.19},
        {-5, 90, 3.55},   // held at the 0 % list
        {0, 140, 6.93},   // held at 130 °C
        {0, 5, 0},        // held at 10 °C
        {50, -30, 1.60},
        {0, 24, 0.25},    // 0.244 rounded up
        {0, 75, 2.55},    // between two temperatures
        {20, 106, 5.44},  // between 105 and 107 °C beside the uneven 5.33
        {15, 42, 1.36},   // 1.354 rounded up, interpolated in share and temperature
        {50, 10.02, 1.60},  // 1.60036: the guard rounding drops the excess before the ceiling
        {50, 10.05, 1.61},  // 1.6009: survives the guard rounding
        {100, 200, 8.57},
        {-100, -100, 0},
    };
    for (const ExpansFall& f : fälle)
        EXPECT_NEAR(tab.GetExpansFaktorHeizung(f.anteil, f.t), f.erwartet, genau)
            << f.anteil << " % " << f.t << " °C";
}

TEST_F(TabellenConstTest, ExpansionKälteBetweenAndOutside)
{
    const ExpansFall fälle[] = {
        {0, 30, 0.43},   // only the 0 % list has a 30 °C point
        {10, 30, 0.80},  // interpolated in its own list
        {5, 30, 0.62},   // 0.615 rounded up
        {0, -10, 0},
        {50, 120, 5.90},
        {60, 50, 2.85},
        {-5, 100, 4.30},
        {45, 70, 3.75},
    };
    for (const ExpansFall& f : fälle)
        EXPECT_NEAR(tab.GetExpansFaktorKälte(f.anteil, f.t), f.erwartet, genau)
            << f.anteil << " % " << f.t << " °C";
}

TEST_F(TabellenConstTest, VordruckRasterByVesselGroup)
{
    const std::vector<double> standard = {0.5, 1.0, 1.5, 2.0, 2.5, 3.0};
    const std::pair<int16_t, std::vector<double>> fälle[] = {
        {19, {2.0, 2.6}}, {20, {1.25, 2.0}}, {0, standard},     {-1, standard},
        {18, standard},   {21, standard},    {-32768, standard}, {32767, standard},
    };
    for (const auto& [gruppe, erwartet] : fälle) {
        const QList<double> raster = tab.GetBehälterVordruckRaster(gruppe);
        EXPECT_EQ(std::vector<double>(raster.begin(), raster.end()), erwartet) << gruppe;
    }
}

}  // namespace
