#include <gtest/gtest.h>

#include "design/rules/TabellePumpenKM.h"
#include "support/QStringAusgabe.h"

struct TabellePumpenKMTestzugang {
    static bool imFeld(const TabellePumpenKM& t, int32_t k, float p, int32_t l)
    {
        return t.PunktImKennlinienfeld(k, p, l);
    }
};

namespace {

TabellePumpenKM gebaut(const char* art)
{
    TabellePumpenKM t;
    t.Init_Tabelle(QString::fromUtf8(art));
    return t;
}

}  // namespace

// Shape and content of the ten fields: point count, pressure range in 0.1 bar steps, monotone
// limits, and the sums of the limit lists as a guard against a mistyped value.
TEST(TabellePumpenKM, FelderAufbau)
{
    struct Feld { int k; int anzahl; float hoechster; float tiefster; long summePmin; long summePmax; };
    const Feld felder[] = {
        {0, 24, 3.5f, 1.2f, 14830, 41740},   {1, 24, 3.5f, 1.2f, 18860, 53160},
        {2, 24, 3.5f, 1.2f, 26660, 75100},   {3, 31, 5.0f, 2.0f, 64780, 182460},
        {4, 26, 5.0f, 2.5f, 100090, 228660}, {5, 46, 8.5f, 4.0f, 109230, 307660},
        {6, 24, 3.5f, 1.2f, 26660, 141920},  {7, 31, 5.0f, 2.0f, 64790, 278680},
        {8, 26, 5.0f, 2.5f, 100090, 256540}, {9, 46, 8.5f, 4.0f, 109230, 439360},
    };
    const TabellePumpenKM t = gebaut("He");
    for (const Feld& f : felder) {
        SCOPED_TRACE(f.k);
        ASSERT_EQ(t.GetAnzahlKennlAP(f.k), f.anzahl);
        long summeMin = 0, summeMax = 0;
        int32_t vorMin = 0, vorMax = 0;
        for (int16_t i = 0; i < f.anzahl; ++i) {
            float druck = 0, druck2 = 0;
            int32_t pmin = 0, pmax = 0;
            ASSERT_TRUE(t.GetKennlinienAP_Pmin(f.k, i, druck, pmin));
            ASSERT_TRUE(t.GetKennlinienAP_Pmax(f.k, i, druck2, pmax));
            EXPECT_EQ(druck, druck2);
            EXPECT_EQ(druck, static_cast<float>((f.hoechster * 10.0f - i) / 10.0));
            EXPECT_LT(pmin, pmax);
            EXPECT_GE(pmin, vorMin);
            EXPECT_GE(pmax, vorMax);
            vorMin = pmin;
            vorMax = pmax;
            summeMin += pmin;
            summeMax += pmax;
        }
        float letzter = 0;
        int32_t l = 0;
        t.GetKennlinienAP_Pmin(f.k, static_cast<int16_t>(f.anzahl - 1), letzter, l);
        EXPECT_EQ(letzter, f.tiefster);
        EXPECT_EQ(summeMin, f.summePmin);
        EXPECT_EQ(summeMax, f.summePmax);
    }
}

TEST(TabellePumpenKM, FelderEinzelwerte)
{
    struct Wert { int k; int16_t idx; bool max; float druck; int32_t leist; };
    const Wert werte[] = {
        {0, 0, false, 3.5f, 210},  {0, 0, true, 3.5f, 600},     {0, 23, true, 1.2f, 2600},
        {3, 4, false, 4.6f, 1100}, {7, 4, false, 4.6f, 1110},   {4, 9, true, 4.1f, 9600},
        {4, 10, true, 4.0f, 10000}, {8, 1, true, 4.9f, 8860},   {8, 2, true, 4.8f, 10000},
        {9, 8, true, 7.7f, 9640},  {9, 9, true, 7.6f, 10000},   {5, 45, true, 4.0f, 9400},
        {6, 0, true, 3.5f, 2600},  {6, 23, false, 1.2f, 1630},
    };
    const TabellePumpenKM t = gebaut("He");
    for (const Wert& w : werte) {
        float druck = 0;
        int32_t leist = 0;
        ASSERT_TRUE(w.max ? t.GetKennlinienAP_Pmax(w.k, w.idx, druck, leist)
                          : t.GetKennlinienAP_Pmin(w.k, w.idx, druck, leist)) << w.k << "/" << w.idx;
        EXPECT_EQ(druck, w.druck) << w.k << "/" << w.idx;
        EXPECT_EQ(leist, w.leist) << w.k << "/" << w.idx;
    }
}

TEST(TabellePumpenKM, ArbeitspunktAusserhalb)
{
    const TabellePumpenKM t = gebaut("Kü");  // the accessors give the stored values, never the cooling ones
    float druck = -1;
    int32_t leist = -1;
    EXPECT_TRUE(t.GetKennlinienAP_Pmin(0, 0, druck, leist));
    EXPECT_EQ(leist, 210);
    for (int16_t idx : {int16_t(46), int16_t(-1)}) {
        druck = -1;
        leist = -1;
        EXPECT_FALSE(t.GetKennlinienAP_Pmax(5, idx, druck, leist));
        EXPECT_EQ(druck, 0.0f);
        EXPECT_EQ(leist, 0);
    }
    EXPECT_FALSE(t.GetKennlinienAP_Pmin(10, 0, druck, leist));
    EXPECT_EQ(t.GetAnzahlKennlAP(10), 0);
    EXPECT_EQ(t.GetAnzahlKennlAP(-1), 0);
}

TEST(TabellePumpenKM, PunktImFeld)
{
    struct Fall { const char* art; int k; float p; int32_t l; bool drin; };
    const Fall faelle[] = {
        // on a point: its own limits
        {"He", 0, 3.5f, 210, true}, {"He", 0, 3.5f, 600, true},
        {"He", 0, 3.5f, 209, false}, {"He", 0, 3.5f, 601, false},
        {"He", 0, 1.2f, 920, true}, {"He", 0, 1.2f, 2600, true}, {"He", 0, 1.2f, 2601, false},
        // above the highest and below the lowest pressure
        {"He", 0, 3.6f, 400, false}, {"He", 0, 1.1f, 920, false}, {"He", 0, 3.51f, 400, false},
        {"He", 5, 8.6f, 2000, false}, {"He", 5, 3.9f, 3000, false}, {"He", 5, 4.0f, 9400, true},
        // halfway between 3.5 and 3.4 bar
        {"He", 1, 3.45f, 359, false}, {"He", 1, 3.45f, 360, true},
        {"He", 1, 3.45f, 1020, true}, {"He", 1, 3.45f, 1021, false},
        // 3.456 bar: 232 and 652.8 -> 653
        {"He", 0, 3.456f, 231, false}, {"He", 0, 3.456f, 232, true},
        {"He", 0, 3.456f, 653, true}, {"He", 0, 3.456f, 654, false},
        // fields 3 and 7 differ at 4.6 bar only
        {"He", 3, 4.6f, 1105, true}, {"He", 7, 4.6f, 1105, false},
        // cooling: limits times the cooling factors, nothing above 20000 kW
        {"Kü", 0, 3.5f, 510, true}, {"Kü", 0, 3.5f, 509, false},
        {"Kü", 0, 3.5f, 1482, true}, {"Kü", 0, 3.5f, 1483, false},
        {"Kü", 9, 4.0f, 20000, true}, {"Kü", 9, 4.0f, 20001, false},
        {"He", 9, 4.0f, 10000, true}, {"He", 9, 4.0f, 10001, false},
        // a type that is neither: heating limits
        {"he", 0, 3.5f, 600, true}, {"he", 0, 3.5f, 601, false},
    };
    for (const Fall& f : faelle) {
        const TabellePumpenKM t = gebaut(f.art);
        EXPECT_EQ(TabellePumpenKMTestzugang::imFeld(t, f.k, f.p, f.l), f.drin)
            << f.art << " field " << f.k << " at " << f.p << " bar, " << f.l << " kW";
    }
}

TEST(TabellePumpenKM, ModulSuche)
{
    TabellePumpenKM t = gebaut("He");
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 500));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U01"));  // first in the list, not the smallest
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 300));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U0"));
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Einzelbetrieb(8.0f, 2000));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U3"));

    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Wechselstör(5.0f, 3000));
    EXPECT_EQ(t.Steuermodul_Wechselstör(), QStringLiteral("B2"));
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Lastabhängig(5.0f, 3000));
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QStringLiteral("B1"));
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Lastabhängig(2.0f, 2000));
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QStringLiteral("B0"));
    // every mode keeps its own code
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U3"));
    EXPECT_EQ(t.Steuermodul_Wechselstör(), QStringLiteral("B2"));

    // a failed search empties the code of its mode only
    EXPECT_FALSE(t.GetModulAusKennlinienbereich_Wechselstör(1.0f, 1000));
    EXPECT_EQ(t.Steuermodul_Wechselstör(), QString());
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QStringLiteral("B0"));

    // Init_Tabelle clears every code
    t.Init_Tabelle(QStringLiteral("Kü"));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QString());
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QString());
    EXPECT_FALSE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 20001));
    EXPECT_TRUE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 1482));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U01"));  // 801..2322 kW in cooling
}

TEST(TabellePumpenKM, HoehererDruck)
{
    struct Fall { int modus; float mindest; int32_t leistung; float erwartet; };
    const Fall faelle[] = {
        {0, 1.0f, 2000, 1.2f},    // the lowest pressure of field 1 (1170..3300 kW)
        {2, 1.0f, 9000, 2.0f},
        {0, 1.0f, 20000, 0.0f},   // no field carries it
        {0, 2.34f, 2250, 2.3f},   // the start is rounded and may lie below the minimum
        {0, 2.36f, 2250, 3.4f},   // from 2.4 bar upward the next fit is U1 at 3.4 bar
        {1, 8.5f, 990, 8.5f},
        {1, 8.6f, 990, 0.0f},     // only upward, and not beyond 10 bar
        {1, 10.0f, 990, 0.0f},
        {1, 10.05f, 990, 0.0f},
    };
    for (const Fall& f : faelle) {
        TabellePumpenKM t = gebaut("He");
        float p = -1;
        switch (f.modus) {
        case 0: p = t.GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(f.mindest, f.leistung); break;
        case 1: p = t.GetHöherenDruckUmImKennlinienfeld_Wechselstörbetrieb(f.mindest, f.leistung); break;
        default: p = t.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(f.mindest, f.leistung); break;
        }
        EXPECT_EQ(p, f.erwartet) << f.modus << " " << f.mindest << " bar " << f.leistung << " kW";
    }
}

TEST(TabellePumpenKM, HoehererDruckLaesstModulStehen)
{
    TabellePumpenKM t = gebaut("He");
    ASSERT_TRUE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 500));
    EXPECT_EQ(t.GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(1.0f, 2000), 1.2f);
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QStringLiteral("U01"));

    ASSERT_FALSE(t.GetModulAusKennlinienbereich_Lastabhängig(1.0f, 9000));
    EXPECT_EQ(t.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(1.0f, 9000), 2.0f);
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QString());
    EXPECT_EQ(t.GetHöherenDruckUmImKennlinienfeld_Lastabhängig(1.0f, 30000), 0.0f);
    EXPECT_EQ(t.Steuermodul_Lastabhängig(), QString());
}

TEST(TabellePumpenKM, VorInitTabelle)
{
    TabellePumpenKM t;
    EXPECT_FALSE(t.GetModulAusKennlinienbereich_Einzelbetrieb(3.5f, 500));
    EXPECT_EQ(t.Steuermodul_Einzelbetrieb(), QString());
    EXPECT_EQ(t.GetHöherenDruckUmImKennlinienfeld_Wechselstörbetrieb(1.0f, 1000), 0.0f);
    EXPECT_EQ(t.GetAnzahlKennlAP(0), 0);
    float d = -1;
    int32_t l = -1;
    EXPECT_FALSE(t.GetKennlinienAP_Pmin(0, 0, d, l));
}
