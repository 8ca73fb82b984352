#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

#include "design/rules/TabelleKompPumpe.h"
#include "base/AllgFunktionen.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

enum class Familie { Kompressor, PumpeMP, Einzelpumpe, Doppelpumpe, Nachspeisepumpe, Temperaturfaktor };

struct TabelleKompPumpeTestzugang {
    static const TabelleKompPumpe::Kennlinie& kurve(const TabelleKompPumpe& t, Familie f, int i)
    {
        switch (f) {
        case Familie::Kompressor: return t.m_kompressor.at(i);
        case Familie::PumpeMP: return t.m_pumpeMP.at(i);
        case Familie::Einzelpumpe: return t.m_einzelpumpe.at(i);
        case Familie::Doppelpumpe: return t.m_doppelpumpe.at(i);
        case Familie::Nachspeisepumpe: return t.m_nachspeisepumpe.at(i);
        default: return t.m_temperaturfaktor;
        }
    }
    static int32_t anzahl(const TabelleKompPumpe& t, Familie f, int i) { return kurve(t, f, i).anzahl; }
    static double summe(const TabelleKompPumpe& t, Familie f, int i)
    {
        const auto& w = kurve(t, f, i).werte;
        return std::accumulate(w.begin(), w.end(), 0.0);
    }
    static double wert(const TabelleKompPumpe& t, Familie f, int i, double x)
    {
        const auto& k = kurve(t, f, i);
        return TabelleKompPumpe::InterpoliereKennlinie(x, k.anzahl, k);
    }
    static double tiefster(const TabelleKompPumpe& t, Familie f, int i)
    {
        const auto& k = kurve(t, f, i);
        return TabelleKompPumpe::PruefeKennlinienBereich(k.anzahl, k);
    }
};
using Zugang = TabelleKompPumpeTestzugang;

namespace {

TabelleKompPumpe gebaut(const char* art)
{
    TabelleKompPumpe t;
    t.Init_Tabelle(QString::fromUtf8(art));
    return t;
}

QList<MeldungsBox> boxenDerArt(const MeldungsRecorder& r, int art)
{
    QList<MeldungsBox> aus;
    for (const MeldungsBox& b : r.boxen)
        if (b.art == art)
            aus << b;
    return aus;
}

struct Kurve {
    const char* art;
    Familie familie;
    int index;
    const char* name;
    int32_t anzahl;
    double summe;     // sum of every number, guards the transcription
    double tiefster;  // lowest pressure other than 0
    std::vector<std::pair<double, double>> punkte;  // x -> y: before, on, between and beyond the points
};

}  // namespace

// Every curve: count, content, lowest pressure and the value at points before the first point,
// on points, between points and beyond the last point.
TEST(TabelleKompPumpe, Kennlinien)
{
    using F = Familie;
    const Kurve kurven[] = {
        {"He", F::Kompressor, 0, "R-01", 38, 47926.5, 0.5,
         {{100, 9}, {400, 9}, {420, 8.75}, {1000, 6 - 0.5 * 100 / 180}, {9000, 0.5}, {9000.5, 0.25}, {9001, 0}, {20000, 0}}},
        {"He", F::Kompressor, 1, "R-02", 34, 48465.0, 1.5,
         {{400, 9}, {450, 8.75}, {1000, 7 - 0.5 * 100 / 190}, {7770, 1.5}, {7771, 0}}},
        {"He", F::Kompressor, 2, "R-03", 32, 63363.5, 2, {{1000, 9}, {1600, 9}, {4000, 4.5 - 0.5 * 200 / 520}, {8200, 2}, {8201, 0}}},
        {"He", F::Kompressor, 3, "R-04", 28, 71959.0, 3, {{2600, 9}, {5000, 5.5 - 0.5 * 230 / 530}, {9100, 3}, {9101, 0}, {9102, 0}}},
        {"He", F::PumpeMP, 0, "Q-1.0 He", 14, 73014.9, 2.2, {{0, 3.7}, {500, 3.55}, {3500, 2.2}, {3500.05, 1.1}, {60000, 0}, {70000, 0}}},
        {"He", F::PumpeMP, 1, "Q-2.0 He", 14, 88021.1, 2.5, {{1000, 5.25}, {8000, 2.5}, {9000, 0}}},
        {"He", F::PumpeMP, 2, "Q-3.0 He", 14, 88040.7, 5.4, {{4000, 8.5}, {7000, 6.3}, {8000.1, 0}}},
        {"Kü", F::PumpeMP, 0, "Q-1.0 Kü", 14, 86014.9, 2.2, {{1000, 3.55}, {7000, 2.2}, {7000.05, 1.1}}},
        {"Kü", F::PumpeMP, 1, "Q-2.0 Kü", 14, 116021.1, 2.5, {{2000, 5.25}, {16000, 2.5}, {16000.1, 0}}},
        {"Kü", F::PumpeMP, 2, "Q-3.0 Kü", 14, 116040.7, 5.4, {{2000, 9.75}, {16000.1, 0}}},
        {"He", F::Einzelpumpe, 0, "U0", 16, 9657.7, 1, {{100, 3.5}, {360, 3.5}, {1600, 1.2}, {1601, 1}, {1601.5, 0.5}, {1602, 0}}},
        {"He", F::Einzelpumpe, 1, "U1", 16, 30625.5, 2, {{1220, 5}, {1640, 4.75}, {5700, 2}, {5701, 0}}},
        {"He", F::Einzelpumpe, 2, "U2", 14, 48773.5, 2.5, {{2490, 5}, {9710, 2.5}, {9711, 0}}},
        {"He", F::Einzelpumpe, 3, "U3", 22, 46053.5, 4, {{1700, 8.5}, {5700, 4}, {5701, 0}}},
        {"He", F::Doppelpumpe, 0, "B1", 14, 48773.5, 2.5, {{3425, 4.75}, {9711, 0}}},
        {"He", F::Doppelpumpe, 1, "B2", 10, 41038.2, 3.7, {{4780, 5}, {10000, 3.7}, {10001, 0}}},
        {"He", F::Doppelpumpe, 2, "B3", 22, 87743.5, 4, {{3400, 8.5}, {9690, 4}, {9691, 0}}},
        {"He", F::Nachspeisepumpe, 0, "A", 12, 10815.35, 2.4, {{1000, 3.5}, {1200, 3.5}, {2400, 1.2}, {2800, 0}, {3000, 0}}},
        {"He", F::Nachspeisepumpe, 1, "B", 18, 13233.7, 2.4, {{600, 6}, {1500, 3.7}, {2800, 0}}},
        {"He", F::Nachspeisepumpe, 2, "C", 18, 13265.45, 5, {{1100, 9.275}, {2000, 5}}},
        {"He", F::Temperaturfaktor, 0, "Temperatur", 20, 860.25, 0.61,
         {{30, 0.61}, {40, 0.61}, {75, 0.95}, {130, 1.45}, {140, 1.45}}},
    };
    const TabelleKompPumpe he = gebaut("He");
    const TabelleKompPumpe kue = gebaut("Kü");
    for (const Kurve& k : kurven) {
        SCOPED_TRACE(k.name);
        const TabelleKompPumpe& t = QString::fromUtf8(k.art) == QStringLiteral("He") ? he : kue;
        EXPECT_EQ(Zugang::anzahl(t, k.familie, k.index), k.anzahl);
        EXPECT_NEAR(Zugang::summe(t, k.familie, k.index), k.summe, 1e-6);
        EXPECT_DOUBLE_EQ(Zugang::tiefster(t, k.familie, k.index), k.tiefster);
        for (const auto& [x, y] : k.punkte)
            EXPECT_NEAR(Zugang::wert(t, k.familie, k.index, x), y, 1e-9) << "x = " << x;
    }
    // the families other than the pump automat's are the same for cooling
    for (F f : {F::Kompressor, F::Einzelpumpe, F::Nachspeisepumpe})
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Zugang::kurve(he, f, i).werte, Zugang::kurve(kue, f, i).werte);
}

TEST(TabelleKompPumpe, Kompressor)
{
    struct Fall { const char* art; double leistung; double druck; const char* kleinst; const char* typ; };
    const Fall faelle[] = {
        {"He", 1000, 5.72, "R-01", "R-01"},  // 5.7222 bar >= 5.7
        {"He", 1000, 5.74, "R-01", "R-01"},
        {"He", 1000, 5.75, "R-01", "R-02"},  // rounded to 5.8
        {"He", 100, 8, "R-01", "R-01"},      // below the first point: 9 bar
        {"He", 100, 9.04, "R-01", "R-01"},
        {"He", 100, 9.06, "R-01", ""},
        {"He", 9500, 1, "R-01", ""},         // beyond every curve
        {"He", 500, 1, "R-02", "R-02"},      // R-01 would fit but is not allowed
        {"He", 500, 1, "", "R-01"},
        {"He", 9100, 3, "R-01", "R-04"},
        {"He", 9100, 3.06, "R-01", ""},
        {"He", 2000, 6.3, "R-01", "R-03"},
        {"Kü", 2000, 6.3, "R-01", "R-01"},   // looked up at 823.53 kW: 6.3186 bar
        {"Kü", 2000, 6.32, "R-01", "R-01"},  // rounded to 6.3
        {"Kü", 2000, 6.36, "R-01", "R-02"},  // rounded to 6.4
    };
    const TabelleKompPumpe he = gebaut("He");
    const TabelleKompPumpe kue = gebaut("Kü");
    for (const Fall& f : faelle) {
        const TabelleKompPumpe& t = QString::fromUtf8(f.art) == QStringLiteral("He") ? he : kue;
        EXPECT_EQ(t.GetKompressor(f.leistung, f.druck, QString::fromUtf8(f.kleinst)), QString::fromUtf8(f.typ))
            << f.art << " " << f.leistung << " kW " << f.druck << " bar from " << f.kleinst;
    }
}

TEST(TabelleKompPumpe, PumpeDesPumpenautomaten)
{
    struct Fall { const char* art; double leistung; double druck; const char* typ; };
    const Fall faelle[] = {
        {"He", 3500, 2.2, "Q-1.0"},    {"He", 3500.05, 2.2, "Q-2.0"}, {"He", 0, 10, "Q-3.0"},
        {"He", 0, 10.01, ""},          {"He", 60000, 0.1, ""},        {"He", 7000, 2.2, "Q-2.0"},
        {"He", 1000, 3.41, "Q-2.0"},   // not rounded: 3.41 > 3.4
        {"Kü", 7000, 2.2, "Q-1.0"},    // cooling has its own curves, the output is not converted
        {"Kü", 16000, 2.6, "Q-3.0"},
    };
    const TabelleKompPumpe he = gebaut("He");
    const TabelleKompPumpe kue = gebaut("Kü");
    for (const Fall& f : faelle) {
        const TabelleKompPumpe& t = QString::fromUtf8(f.art) == QStringLiteral("He") ? he : kue;
        EXPECT_EQ(t.GetPumpeMP(f.leistung, f.druck), QString::fromUtf8(f.typ))
            << f.art << " " << f.leistung << " kW " << f.druck << " bar";
    }
}

TEST(TabelleKompPumpe, PumpenmoduleEinzelUndDoppel)
{
    struct Fall { const char* art; bool doppel; double leistung; double druck; const char* typ; };
    const Fall faelle[] = {
        {"He", false, 1000, 2.5, "U0"},   // U0 holds 2.55 bar at 1000 kW
        {"He", false, 1000, 3.0, "U1"},
        {"He", false, 1000, 0.9, ""},     // below every module's lowest pressure, though the curves hold more
        {"He", false, 1700, 5, "U2"},
        {"He", false, 1700, 8.5, "U3"},
        {"He", false, 1700, 8.51, ""},
        {"He", false, 9800, 2.5, ""},
        {"He", true, 1000, 3.0, "B1"},
        {"He", true, 1000, 2.4, ""},      // B1 starts at 2.5 bar
        {"He", true, 10000, 3.7, "B2"},
        {"He", true, 9690, 4, "B3"},
        {"Kü", true, 20000, 3.7, "B2"},   // looked up at 8695.65 kW
        {"Kü", true, 20000.1, 3.7, ""},
        {"Kü", false, 20000.1, 2.5, ""},
        {"Kü", false, 2300, 2.5, "U0"},   // 1000 kW in heating terms
    };
    const TabelleKompPumpe he = gebaut("He");
    const TabelleKompPumpe kue = gebaut("Kü");
    for (const Fall& f : faelle) {
        const TabelleKompPumpe& t = QString::fromUtf8(f.art) == QStringLiteral("He") ? he : kue;
        const QString typ = f.doppel ? t.GetDoppelpumpeKM(f.leistung, f.druck) : t.GetEinzelpumpeKM(f.leistung, f.druck);
        EXPECT_EQ(typ, QString::fromUtf8(f.typ)) << f.art << (f.doppel ? " twin " : " single ") << f.leistung
                                                 << " kW " << f.druck << " bar";
    }
}

TEST(TabelleKompPumpe, Nachspeisepumpe)
{
    struct Fall { int32_t volumen; double druck; int16_t temp; const char* typ; };
    const Fall faelle[] = {
        {1000, 3.0, 75, "A"},     // factor 0.95: 950 l, below the first point of A: 3.5 bar
        {1000, 3.6, 75, "B"},
        {2000, 2.4, 80, "A"},     // on the point 2000/2.4
        {2000, 2.41, 80, "C"},    // B holds 2.4 there as well
        {2000, 5.01, 80, ""},
        {2000, 3.48, 30, "A"},    // factor clamped to 0.61: 1220 l, A holds 3.49 bar
        {2000, 3.495, 30, "B"},
        {1000, 1.0, 140, "A"},    // factor clamped to 1.45
        {2000, 0.1, 140, ""},     // 2900 l: beyond every curve
    };
    const TabelleKompPumpe t = gebaut("He");
    for (const Fall& f : faelle)
        EXPECT_EQ(t.GetPumpePumbrix(f.volumen, f.druck, f.temp), QString::fromUtf8(f.typ))
            << f.volumen << " l " << f.druck << " bar " << f.temp << " °C";
}

TEST(TabelleKompPumpe, AnlagenartUnbekannt)
{
    MeldungsRecorder r;
    const TabelleKompPumpe he = gebaut("He");
    const TabelleKompPumpe kue = gebaut("Kü");
    EXPECT_TRUE(boxenDerArt(r, Meldungsart::InternerFehler).isEmpty());

    const TabelleKompPumpe so = gebaut("So");
    const QList<MeldungsBox> boxen = boxenDerArt(r, Meldungsart::InternerFehler);
    ASSERT_EQ(boxen.size(), 2);
    EXPECT_EQ(boxen[0].vorlage, LadeText(2451));
    EXPECT_EQ(boxen[0].werte, QStringList{QStringLiteral("So")});
    EXPECT_EQ(boxen[1].vorlage, LadeText(2450));
    EXPECT_TRUE(boxen[1].werte.isEmpty());
    // no curves: nothing fits
    EXPECT_EQ(so.GetKompressor(500, 1, QStringLiteral("R-01")), QString());
    EXPECT_EQ(so.GetPumpeMP(0, 0), QString());
    EXPECT_EQ(so.GetEinzelpumpeKM(1000, 2.5), QString());
    EXPECT_EQ(so.GetPumpePumbrix(1000, 0, 80), QString());
}

TEST(TabelleKompPumpe, VorInitTabelle)
{
    const TabelleKompPumpe t;
    EXPECT_EQ(t.GetKompressor(500, 0, QStringLiteral("R-01")), QString());
    EXPECT_EQ(t.GetPumpeMP(0, 0), QString());
    EXPECT_EQ(t.GetEinzelpumpeKM(1000, 2.5), QString());
    EXPECT_EQ(t.GetDoppelpumpeKM(1000, 3.0), QString());
    EXPECT_EQ(t.GetPumpePumbrix(1000, 0, 80), QString());
}
