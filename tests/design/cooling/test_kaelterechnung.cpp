#include <gtest/gtest.h>

#include <optional>

#include "KaelteFixture.h"
#include "base/AllgFunktionen.h"

namespace {

// The table's expansion factor is 1.00 % for 30 % antifreeze at 20 °C; flow 6, return 12 and
// ambient 20 °C give the design temperature 20.
class KälteRechnung : public KälteFixture {
protected:
    Objekt objekt()
    {
        Objekt g = gebunden();
        g->m_FrostZusatz.m_Value = 30;
        g->m_Temp_Vorl.m_Value = 6;
        g->m_Temp_Rückl.m_Value = 12;
        g->m_Temp_Umgeb.m_Value = 20;
        g->m_Wasservorlage.m_Value = 3;
        return g;
    }
};

struct Meldungserwartung {
    int text;
    const char* wert;
};

struct Fall {
    const char* name;
    double pStat, pDyn;
    int anordnung;
    double pSV, volumen;
    // expected
    double vordruck, sv;
    std::optional<Meldungserwartung> meldung;
    float enddruck;
    double vaus, vauf, pfak, vges;
};

const Fall fälle[] = {
    {"saugseitig, Ventil reicht", 0.5, 0, 0, 2.0, 1000, 0.7, 2.0, std::nullopt, 1.5f, 10, 13, 0.32, 41},
    {"Ventil zu klein", 0.5, 0, 0, 1.5, 1000, 0.7, 1.7, Meldungserwartung{2257, "1,7"}, 1.2f, 10, 13, 0.22, 60},
    {"druckseitig ueber 5 bar", 4.7, 0.3, 1, 3.0, 5000, 5.2, 6.4, Meldungserwartung{2257, "6,4"}, 5.8f, 50, 53,
     0.08, 663},
    {"saugseitig ohne dynamischen Druck", 4.7, 0.3, 0, 3.0, 5000, 4.9, 5.9, Meldungserwartung{2257, "5,9"}, 5.4f,
     50, 53, 0.07, 758},
    {"Mindestventil ueber 10 bar", 9.0, 0, 0, 3.0, 1000, 9.2, 10.8, Meldungserwartung{2256, "10,8"}, 9.8f, 10, 13,
     0.05, 260},
    {"Vordruck genau 5 bar teilt", 4.8, 0, 0, 6.2, 1000, 5.0, 6.2, std::nullopt, 5.6f, 10, 13, 0.09, 145},
    {"Ventil auf drei Stellen", 0.5, 0, 0, 2.0004, 1000, 0.7, 2.0, std::nullopt, 1.5f, 10, 13, 0.32, 41},
    {"Enddruck bei 5 bar", 0.5, 0, 0, 5.0, 1000, 0.7, 5.0, std::nullopt, 4.5f, 10, 13, 0.69, 19},
    {"Enddruck unter 5 bar", 0.5, 0, 0, 4.9, 1000, 0.7, 4.9, std::nullopt, 4.4f, 10, 13, 0.68, 20},
    {"Ausdehnung 2,5 zur geraden Zahl", 0.5, 0, 0, 2.0, 250, 0.7, 2.0, std::nullopt, 1.5f, 2, 5, 0.32, 16},
    {"Ausdehnung 3,5 zur geraden Zahl", 0.5, 0, 0, 2.0, 350, 0.7, 2.0, std::nullopt, 1.5f, 4, 7, 0.32, 22},
    {"Druckfaktor nicht unter 0,001", 60.0, 0, 0, 3.0, 1000, 60.2, 67.5, Meldungserwartung{2256, "67,5"}, 60.8f, 10,
     13, 0.001, 13000},
};

TEST_F(KälteRechnung, Faelle)
{
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        Objekt g = objekt();
        g->m_p_stat.m_Value = f.pStat;
        g->m_p_dyn.m_Value = f.pDyn;
        g->m_AnordnungMAG.m_Value = f.anordnung;
        g->m_p_SV.m_Value = f.pSV;
        g->m_VolAnlage.m_Value = f.volumen;

        EXPECT_TRUE(g->Rechnen_Kälteanlage());
        EXPECT_DOUBLE_EQ(g->m_r_af.m_Value, 1.0);
        EXPECT_DOUBLE_EQ(g->m_r_pVordruck.m_Value, f.vordruck);
        EXPECT_DOUBLE_EQ(g->m_p_SV.m_Value, f.sv);
        // The end pressure is a Single, held widened.
        EXPECT_EQ(g->m_r_pend.m_Value, static_cast<double>(f.enddruck));
        EXPECT_EQ(g->m_r_vaus.m_Value, f.vaus);
        EXPECT_EQ(g->m_r_vauf.m_Value, f.vauf);
        EXPECT_DOUBLE_EQ(g->m_r_pfak.m_Value, f.pfak);
        EXPECT_EQ(g->m_r_vges.m_Value, f.vges);
        if (f.meldung) {
            ASSERT_EQ(meldungen.boxen.size(), 1);
            const MeldungsBox& b = meldungen.boxen.front();
            EXPECT_EQ(b.art, Meldungsart::Eingabefehler);
            EXPECT_EQ(b.vorlage, LadeText(f.meldung->text));
            EXPECT_EQ(b.werte, QStringList{QString::fromUtf8(f.meldung->wert)});
        } else {
            EXPECT_TRUE(meldungen.boxen.isEmpty());
        }
        g->m_TerminateMitUpdate = false;
    }
}

TEST_F(KälteRechnung, MindestventilUmDieGrenzeVon5Bar)
{
    struct Grenzfall {
        double pStat;
        double vordruck, mindestventil;
    };
    for (const Grenzfall f : {Grenzfall{4.7, 4.9, 5.9}, Grenzfall{4.8, 5.0, 6.2}, Grenzfall{1.5, 1.7, 2.7},
                              Grenzfall{0.5, 0.7, 1.7}, Grenzfall{0.0, 0.2, 1.5}}) {
        SCOPED_TRACE(f.pStat);
        Objekt g = objekt();
        g->m_p_stat.m_Value = f.pStat;
        g->m_p_SV.m_Value = 0;
        g->BerechneDruckSicherheitsventil(false);
        EXPECT_DOUBLE_EQ(g->m_r_pVordruck.m_Value, f.vordruck);
        EXPECT_DOUBLE_EQ(g->m_p_SV.m_Value, f.mindestventil);
        g->m_TerminateMitUpdate = false;
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty());  // no messages without fehlerMSGBox
}

TEST_F(KälteRechnung, VentilWirdNurAngehoben)
{
    Objekt g = objekt();
    g->m_p_stat.m_Value = 0.5;
    g->m_p_SV.m_Value = 12.34567;  // above 10 bar, above the minimum: kept (to three decimals)
    g->BerechneDruckSicherheitsventil(true);
    EXPECT_DOUBLE_EQ(g->m_p_SV.m_Value, 12.346);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(KälteRechnung, ErgebnisMeldetGeaendertesGesamtvolumen)
{
    Objekt g = objekt();
    g->m_VolAnlage.m_Value = 1000;
    EXPECT_TRUE(g->Rechnen_Kälteanlage());   // 0 -> 41
    EXPECT_FALSE(g->Rechnen_Kälteanlage());  // 41 again
    g->m_r_vges.m_Value = 40.6;              // held as whole litres: 41
    EXPECT_FALSE(g->Rechnen_Kälteanlage());
    g->m_VolAnlage.m_Value = 1100;
    EXPECT_TRUE(g->Rechnen_Kälteanlage());

    // A new project whose total stays 0.
    g = objekt();
    g->m_VolAnlage.m_Value = 0;
    g->m_Wasservorlage.m_Value = 0;
    EXPECT_FALSE(g->Rechnen_Kälteanlage());
    EXPECT_EQ(g->m_r_vges.m_Value, 0);
}

TEST_F(KälteRechnung, SummenAendernNichts)
{
    Objekt g = objekt();
    g->m_LaengeDN100.m_Value = 10;
    g->m_V_Sonstiges.m_Value = 20;
    g->m_VolAnlage.m_Value = 5;
    EXPECT_NEAR(g->Sum_V_Anlage(), 110.1, 1e-9);
    EXPECT_EQ(g->m_VolAnlage.m_Value, 5);
    const struct {
        conTextBoxAdodb GlobDatenKälte::*länge;
        double literJeMeter;
    } größen[] = {{&GlobDatenKälte::m_LaengeDN20, 0.39},   {&GlobDatenKälte::m_LaengeDN25, 0.64},
                  {&GlobDatenKälte::m_LaengeDN32, 1.09},   {&GlobDatenKälte::m_LaengeDN40, 1.46},
                  {&GlobDatenKälte::m_LaengeDN50, 2.33},   {&GlobDatenKälte::m_LaengeDN65, 3.88},
                  {&GlobDatenKälte::m_LaengeDN80, 5.35},   {&GlobDatenKälte::m_LaengeDN100, 9.01},
                  {&GlobDatenKälte::m_LaengeDN125, 13.62}, {&GlobDatenKälte::m_LaengeDN150, 19.14},
                  {&GlobDatenKälte::m_LaengeDN200, 33.75}, {&GlobDatenKälte::m_LaengeDN250, 50.83},
                  {&GlobDatenKälte::m_LaengeDN300, 71.5},  {&GlobDatenKälte::m_LaengeDN350, 97.5},
                  {&GlobDatenKälte::m_LaengeDN400, 118}};
    g->m_LaengeDN100.m_Value = 0;
    g->m_V_Sonstiges.m_Value = 0;
    for (const auto& gr : größen) {
        (g.get()->*gr.länge).m_Value = 100;
        EXPECT_NEAR(g->Sum_V_Anlage(), 100 * gr.literJeMeter, 1e-9);
        (g.get()->*gr.länge).m_Value = 0;
    }
    g->m_Leist_1.m_Value = 100;
    g->m_Leist_6.m_Value = 0.5;
    EXPECT_DOUBLE_EQ(g->Sum_Waermeleistung(), 100.5);
    EXPECT_EQ(g->m_Leist_ges.m_Value, 3);
}

}  // namespace
