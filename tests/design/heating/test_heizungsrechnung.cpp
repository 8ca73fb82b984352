#include <gtest/gtest.h>

#include <array>

#include "HeizungsDatenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace {

constexpr double genau = 1e-9;

class Heizungsrechnung : public HeizungsDatenbank {
protected:
    void SetUp() override
    {
        HeizungsDatenbank::SetUp();
        g = neu();
        ASSERT_TRUE(g->m_Int_Tab);
    }

    // The common plant: no antifreeze, vessel on the suction side, 1500 l, 7.5 l reserve.
    void anlage(double vorlauf, double pStat, double pSV, int ausführung = 0)
    {
        g->m_Temp_V.m_Value = vorlauf;
        g->m_p_stat.m_Value = pStat;
        g->m_p_SV.m_Value = pSV;
        g->m_AusfuehrSV.m_Value = ausführung;
        g->m_VolAnlage.m_Value = 1500;
        g->m_Wasservorlage.m_Value = 7.5;
    }

    // The id of a shown message (by its template) and its one value.
    std::pair<int, QString> meldung(int i = 0) const
    {
        const MeldungsBox& b = meldungen.boxen.at(i);
        for (int id : {2256, 2257})
            if (b.vorlage == LadeText(id))
                return {id, b.werte.value(0)};
        return {0, b.vorlage};
    }

    std::unique_ptr<GlobDatenHeizung> g;
};

// --- Contents of consumers and pipes ---

TEST_F(Heizungsrechnung, VerbraucherinhaltNachLeistungUndVorlauftemperatur)
{
    struct Fall {
        double vorlauf;
        double korrektur;
    };
    // 90 °C is the reference; 52 °C lies between two points; the whole degree is taken half to even.
    const Fall fälle[] = {{90, 1.0}, {52, 2.854}, {52.5, 2.854}, {53.5, 2.578}, {40, 3.13}, {130, 0.5}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.vorlauf);
        g->m_Temp_V.m_Value = f.vorlauf;
        g->m_P_Radiatoren.m_Value = 10;
        g->m_P_PlattenHK.m_Value = 10;
        g->m_P_LueftGer.m_Value = 10;
        g->m_P_Konvektoren.m_Value = 10;
        g->m_P_FBHeiz.m_Value = 10;
        g->m_P_Sonstiges.m_Value = 10;
        g->m_V_Sonstiges.m_Value = 33;
        g->Berechne_EinzelVol_Verbraucher();
        EXPECT_NEAR(g->m_V_Radiatoren.m_Value, 120 * f.korrektur, genau);
        EXPECT_NEAR(g->m_V_PlattenHK.m_Value, 88 * f.korrektur, genau);
        EXPECT_NEAR(g->m_V_LueftGer.m_Value, 69 * f.korrektur, genau);
        EXPECT_NEAR(g->m_V_Konvektoren.m_Value, 51 * f.korrektur, genau);
        EXPECT_NEAR(g->m_V_FBHeiz.m_Value, 100 * f.korrektur, genau);
        EXPECT_EQ(g->m_V_Sonstiges.m_Value, 33);  // entered, not computed
        EXPECT_DOUBLE_EQ(g->Sum_P_Verbraucher(), 60);
    }
}

TEST_F(Heizungsrechnung, RohrinhaltJeNennweite)
{
    const std::array<conTextBoxAdodb*, 15> längen = {
        &g->m_LaengeDN20,  &g->m_LaengeDN25,  &g->m_LaengeDN32,  &g->m_LaengeDN40,  &g->m_LaengeDN50,
        &g->m_LaengeDN65,  &g->m_LaengeDN80,  &g->m_LaengeDN100, &g->m_LaengeDN125, &g->m_LaengeDN150,
        &g->m_LaengeDN200, &g->m_LaengeDN250, &g->m_LaengeDN300, &g->m_LaengeDN350, &g->m_LaengeDN400};
    const std::array<double, 15> literJe10m = {3.9,   6.4,   10.9,  14.6, 23.3, 38.8, 53.5, 90.1,
                                               136.2, 191.4, 337.5, 508.3, 715,  975,  1180};
    g->m_V_Summe.m_Value = 100;
    for (size_t i = 0; i < längen.size(); ++i) {
        SCOPED_TRACE(i);
        for (conTextBoxAdodb* l : längen)
            l->m_Value = 0;
        längen[i]->m_Value = 10;
        g->Sum_V_Fernleit();
        EXPECT_NEAR(g->m_V_Fernleit.m_Value, literJe10m[i], 1e-9);
        EXPECT_NEAR(g->m_VolAnlage.m_Value, literJe10m[i] + 100, 1e-9);
    }
}

TEST_F(Heizungsrechnung, AnlagenvolumenIstImmerRohrePlusVerbraucher)
{
    g->m_V_Fernleit.m_Value = 250;
    g->m_V_Radiatoren.m_Value = 100;
    g->m_V_FBHeiz.m_Value = 50.5;
    g->m_V_Sonstiges.m_Value = 20;
    g->Sum_V_Verbraucher();
    EXPECT_DOUBLE_EQ(g->m_V_Summe.m_Value, 170.5);
    EXPECT_DOUBLE_EQ(g->m_VolAnlage.m_Value, 420.5);

    g->m_LaengeDN20.m_Value = 100;  // 39 l
    g->Sum_V_Fernleit();
    EXPECT_NEAR(g->m_V_Fernleit.m_Value, 39, genau);
    EXPECT_NEAR(g->m_VolAnlage.m_Value, 209.5, genau);
}

TEST_F(Heizungsrechnung, WärmeleistungSummiertDieSechsErzeuger)
{
    g->m_Leist_1.m_Value = 100.4;
    g->m_Leist_3.m_Value = 200;
    g->m_Leist_6.m_Value = 0.5;
    EXPECT_NEAR(g->Sum_Waermeleistung(), 300.9, genau);
}

// --- Pressures and the safety valve ---

struct DruckFall {
    const char* name;
    double vorlauf, pStat, pDyn;
    int anordnung;
    double pSV;
    int ausführung;
    // expected
    double psatt, af, pVordruck, pSVNeu;
    int ausführungNeu;
    bool vollhub;
    int meldung;  // 0: none
    const char* wert;
};

const DruckFall druckFälle[] = {
    {"90 Grad Membran bleibt", 90, 1.8, 0, 0, 3.0, 0, 0, 3.55, 2.0, 3.0, 0, false, 0, ""},
    {"105 Grad angehoben auf 3", 105, 1.5, 0, 0, 2.5, 0, 0.3, 4.7, 2.0, 3.0, 0, false, 2257, "3"},
    {"100 Grad kein Dampfdruck", 100, 1.0, 0, 0, 2.5, 0, 0, 4.31, 1.2, 2.5, 0, false, 0, ""},
    {"100,5 Grad zaehlt als 100", 100.5, 1.0, 0, 0, 2.5, 0, 0, 4.31, 1.2, 2.5, 0, false, 0, ""},
    {"100,6 Grad zaehlt als 101", 100.6, 1.0, 0, 0, 2.5, 0, 0.1, 4.39, 1.3, 2.5, 0, false, 0, ""},
    {"Vordruck 4,1 wird Vollhub", 90, 3.9, 0, 0, 3.0, 0, 0, 3.55, 4.1, 5.1, 1, true, 2257, "5,1"},
    {"Vordruck 5 teilt durch 0,9", 90, 4.8, 0, 0, 3.0, 0, 0, 3.55, 5.0, 6.2, 1, true, 2257, "6,2"},
    {"ueber 10 bar bleibt", 90, 1.0, 0, 0, 11, 0, 0, 3.55, 1.2, 11, 1, true, 2256, "11"},
    {"Vollhub unter 1,5", 90, 0, 0, 0, 1.2, 1, 0, 3.55, 0.2, 1.5, 1, false, 2257, "1,5"},
    {"Vollhub angehoben", 90, 1.8, 0, 0, 2.0, 1, 0, 3.55, 2.0, 3.0, 1, false, 2257, "3"},
    {"Vollhub frei ab 1,5", 90, 1.0, 0, 0, 2.2, 1, 0, 3.55, 1.2, 2.2, 1, false, 0, ""},
    {"Membran genau 2,5", 90, 1.3, 0, 0, 2.0, 0, 0, 3.55, 1.5, 2.5, 0, false, 0, ""},
    {"Membran druckseitig", 90, 1.0, 0.4, 1, 2.7, 0, 0, 3.55, 1.6, 3.0, 0, false, 0, ""},
    {"Membran saugseitig", 90, 1.0, 0.4, 0, 2.7, 0, 0, 3.55, 1.2, 3.0, 0, false, 0, ""},
    {"Ventildruck auf 3 Stellen", 90, 1.0, 0, 0, 2.5004, 0, 0, 3.55, 1.2, 2.5, 0, false, 0, ""},
};

class Sicherheitsventil : public Heizungsrechnung, public ::testing::WithParamInterface<DruckFall> {};

TEST_P(Sicherheitsventil, DrueckeUndVentilart)
{
    const DruckFall& f = GetParam();
    anlage(f.vorlauf, f.pStat, f.pSV, f.ausführung);
    g->m_p_dyn.m_Value = f.pDyn;
    g->m_AnordnungMAG.m_Value = f.anordnung;
    EXPECT_EQ(g->BerechneDruckSicherheitsventil(true), f.vollhub);
    EXPECT_NEAR(g->m_r_psatt.m_Value, f.psatt, genau);
    EXPECT_NEAR(g->m_r_af.m_Value, f.af, genau);
    EXPECT_NEAR(g->m_r_pVordruck.m_Value, f.pVordruck, genau);
    EXPECT_NEAR(g->m_p_SV.m_Value, f.pSVNeu, genau);
    EXPECT_EQ(g->m_AusfuehrSV.m_Value, f.ausführungNeu);
    if (f.meldung == 0) {
        EXPECT_TRUE(meldungen.boxen.isEmpty());
    } else {
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Eingabefehler);
        EXPECT_EQ(meldung(), std::make_pair(f.meldung, QString::fromUtf8(f.wert)));
    }

    // Without messages wanted the same values result and nothing is shown.
    meldungen.leeren();
    anlage(f.vorlauf, f.pStat, f.pSV, f.ausführung);
    EXPECT_EQ(g->BerechneDruckSicherheitsventil(false), f.vollhub);
    EXPECT_NEAR(g->m_p_SV.m_Value, f.pSVNeu, genau);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Sicherheitsventil, ::testing::ValuesIn(druckFälle),
                         [](const ::testing::TestParamInfo<DruckFall>& i) {
                             std::string n = i.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

TEST_F(Heizungsrechnung, EnddruckAusVentildruckInSingle)
{
    struct Fall {
        double pSV;
        float ende;
    };
    // Below 5 bar: minus 0.5; from 5 bar: 90 %, rounded up to 0.1 bar.
    const Fall fälle[] = {{3.0, 2.5f}, {4.9, 4.4f}, {5.0, 4.5f}, {5.1, 4.6f}, {11, 9.9f}, {6.2, 5.6f}};
    for (const Fall& f : fälle) {
        g->m_p_SV.m_Value = f.pSV;
        EXPECT_EQ(g->BerechneEnddruck(), f.ende) << f.pSV;
    }
}

TEST_F(Heizungsrechnung, RechnenHeizungVollstaendig)
{
    anlage(90, 1.8, 3.0);
    EXPECT_TRUE(g->Rechnen_Heizung());
    EXPECT_NEAR(g->m_r_psatt.m_Value, 0, genau);
    EXPECT_NEAR(g->m_r_af.m_Value, 3.55, genau);
    EXPECT_NEAR(g->m_r_pVordruck.m_Value, 2.0, genau);
    EXPECT_NEAR(g->m_p_SV.m_Value, 3.0, genau);
    EXPECT_NEAR(g->m_r_pend.m_Value, 2.5, 1e-6);
    EXPECT_EQ(g->m_r_vaus.m_Value, 53);   // 53.25 rounded
    EXPECT_EQ(g->m_r_vauf.m_Value, 61);   // 60.5 rounded up
    EXPECT_NEAR(g->m_r_pfak.m_Value, 0.14, genau);  // 0.1428... cut
    EXPECT_EQ(g->m_r_vges.m_Value, 436);  // 435.7 rounded up
    EXPECT_TRUE(meldungen.boxen.isEmpty());

    // Unchanged inputs: the vessel volume does not change any more.
    EXPECT_FALSE(g->Rechnen_Heizung());
    EXPECT_EQ(g->m_r_vges.m_Value, 436);
}

TEST_F(Heizungsrechnung, DruckfaktorWirdAbgeschnitten)
{
    anlage(90, 3.9, 3.0);  // raised to 5.1 bar, end pressure 4.6
    g->Rechnen_Heizung();
    EXPECT_NEAR(g->m_r_pend.m_Value, 4.6, 1e-6);
    EXPECT_EQ(static_cast<float>(g->m_r_pend.m_Value), 4.6f);
    EXPECT_NEAR(g->m_r_pfak.m_Value, 0.08, genau);  // 0.0892... cut
    EXPECT_EQ(g->m_r_vges.m_Value, 763);            // 61 / 0.08 = 762.5 rounded up
    EXPECT_EQ(meldung(), std::make_pair(2257, QStringLiteral("5,1")));
}

TEST_F(Heizungsrechnung, DruckfaktorNieUnter0001)
{
    // Pre-pressure 60.2 bar, valve 67.5 bar (not lowered above 10 bar), end 60.8 bar:
    // the quotient 0.0097 is cut to 0 and held at 0.001.
    anlage(90, 60, 3.0);
    g->Rechnen_Heizung();
    EXPECT_NEAR(g->m_p_SV.m_Value, 67.5, genau);
    EXPECT_NEAR(g->m_r_pend.m_Value, 60.8, 1e-5);
    EXPECT_NEAR(g->m_r_pfak.m_Value, 0.001, genau);
    EXPECT_EQ(g->m_r_vges.m_Value, 1000 * g->m_r_vauf.m_Value);
    EXPECT_EQ(g->m_r_vges.m_Value, 61000);
    EXPECT_EQ(meldung(), std::make_pair(2256, QStringLiteral("67,5")));
}

TEST_F(Heizungsrechnung, AusdehnungsvolumenAllein)
{
    g->m_Temp_V.m_Value = 70;
    g->m_FrostZusatz.m_Value = 20;
    g->m_VolAnlage.m_Value = 1000;
    g->m_p_SV.m_Value = 2.5;
    g->Rechnen_Ausdehnungsvolumen();
    EXPECT_NEAR(g->m_r_af.m_Value, 2.92, genau);
    EXPECT_EQ(g->m_r_vaus.m_Value, 29);  // 29.2 rounded, not up
    EXPECT_EQ(g->m_p_SV.m_Value, 2.5);
    g->m_VolAnlage.m_Value = 1250;       // 36.5: half to even
    g->Rechnen_Ausdehnungsvolumen();
    EXPECT_EQ(g->m_r_vaus.m_Value, 36);
}

// --- Per heat generator ---

TEST_F(Heizungsrechnung, EinzelabsicherungJeWaermeerzeuger)
{
    anlage(90, 1.8, 3.0);  // expansion factor 3.55, pressure factor 0.14
    g->m_Sicherung.m_Value = 1;
    g->m_Leist_1.m_Value = 200;
    g->m_KesselVol_1.m_Value = 300;
    g->m_KesselVol_2.m_Value = 50;  // no output: nothing
    g->m_Einzel_BehGesVol_m_value(2, 77);
    g->Rechnen_Heizung();
    EXPECT_EQ(g->m_Einzel_AusdVol_m_value(1), 11);     // 10.65 rounded up
    EXPECT_EQ(g->m_Einzel_AufnVol_m_value(1), 13);     // reserve 2 (1.5 up) + 10.65, up
    EXPECT_EQ(g->m_Einzel_BehGesVol_m_value(1), 93);   // 13 / 0.14 = 92.86 up
    for (int16_t i = 2; i <= 6; ++i) {
        EXPECT_EQ(g->m_Einzel_AusdVol_m_value(i), 0);
        EXPECT_EQ(g->m_Einzel_AufnVol_m_value(i), 0);
        EXPECT_EQ(g->m_Einzel_BehGesVol_m_value(i), 0);
    }

    // Total protection clears the per-generator volumes of a project made in the program.
    g->m_Sicherung.m_Value = 0;
    g->Rechnen_Heizung();
    EXPECT_EQ(g->m_Einzel_AusdVol_m_value(1), 0);
    EXPECT_EQ(g->m_Einzel_AufnVol_m_value(1), 0);
    EXPECT_EQ(g->m_Einzel_BehGesVol_m_value(1), 0);
}

TEST_F(Heizungsrechnung, KesselinterneGefaesseEinesHostProjekts)
{
    zustand().AktProjektArtErstellung = 1;
    g->m_Leist_1.m_Value = 100;
    g->m_Leist_2.m_Value = 0;
    g->m_Einzel_BehGesVol_m_value(1, 18);
    g->m_Einzel_BehGesVol_m_value(2, 12);
    EXPECT_EQ(g->Sum_KesselinterneMAGs(), 18);  // generator 2 has no output

    struct Fall {
        double vges;
        int druckhaltung;
        bool keinGefäß;
    };
    const Fall fälle[] = {{15, 0, true}, {18, 0, true}, {20, 0, false}, {0, 0, false}, {15, 1, false}};
    for (const Fall& f : fälle) {
        g->m_r_vges.m_Value = f.vges;
        g->m_ArtDruckhaltung.m_Value = f.druckhaltung;
        EXPECT_EQ(g->TyvoSonderfallKeinMAGerlaubt(), f.keinGefäß) << f.vges << " " << f.druckhaltung;
    }

    // The calculation keeps the host's volumes under total protection.
    anlage(90, 1.8, 3.0);
    g->Rechnen_Heizung();
    EXPECT_EQ(g->m_Einzel_BehGesVol_m_value(1), 18);
    EXPECT_EQ(g->m_Einzel_AusdVol_m_value(1), 0);

    // Single protection, or a project made in the program: no internal vessels.
    g->m_Sicherung.m_Value = 1;
    EXPECT_EQ(g->Sum_KesselinterneMAGs(), 0);
    g->m_Sicherung.m_Value = 0;
    zustand().AktProjektArtErstellung = 0;
    EXPECT_EQ(g->Sum_KesselinterneMAGs(), 0);
    g->m_r_vges.m_Value = 15;
    EXPECT_FALSE(g->TyvoSonderfallKeinMAGerlaubt());
}

// --- Filling table ---

class Fuellung : public Heizungsrechnung {
protected:
    void SetUp() override
    {
        Heizungsrechnung::SetUp();
        g->m_GefaessAnzahl.m_Value = 2;
        g->m_GefaessInhalt.m_Value = VbVariant::integer(200);
        g->m_r_pVordruck.m_Value = 1.5;
        g->m_Wasservorlage.m_Value = 5;
        g->m_VolAnlage.m_Value = 1500;
    }
};

TEST_F(Fuellung, DruckUndVolumenBei50Grad)
{
    bool gültig = false;
    EXPECT_NEAR(g->GetFülldruck(50, &gültig), 1.6, genau);  // 2.649 to 2.6, minus 1
    EXPECT_TRUE(gültig);
    EXPECT_NEAR(g->GetFülldruck(50), 1.6, genau);

    int32_t jeGefäß = -1, grad = -1;
    gültig = false;
    g->GetFüllvolumen(50, jeGefäß, grad, &gültig);
    EXPECT_EQ(jeGefäß, 11);  // 22.55 / 2
    EXPECT_EQ(grad, 6);      // 5.6375 %
    EXPECT_TRUE(gültig);
    EXPECT_TRUE(g->FüllungGültig(50));

    // By name, as the reports call it: the results come back in the arguments.
    QList<VbVariant> argumente{VbVariant(50.0), VbVariant::lng(-1), VbVariant::lng(-1)};
    g->Member().rufeMitReferenzen(QStringLiteral("GetFüllvolumen"), argumente);
    EXPECT_EQ(argumente[1].toLong(), 11);
    EXPECT_EQ(argumente[2].toLong(), 6);
}

TEST_F(Fuellung, TemperaturWirdNichtGerundet)
{
    // 50.4 °C: factor 1.19 (interpolated, rounded up) instead of 1.17.
    int32_t jeGefäß = 0, grad = 0;
    g->GetFüllvolumen(50.4, jeGefäß, grad);
    EXPECT_EQ(jeGefäß, 11);  // (17.85 + 5) / 2 = 11.425
    g->m_VolAnlage.m_Value = 10000;
    g->GetFüllvolumen(50.4, jeGefäß, grad);
    EXPECT_EQ(jeGefäß, 62);  // (119 + 5) / 2
    EXPECT_EQ(grad, 31);     // 124 / 400
}

TEST_F(Fuellung, GefaessZuKleinGibtZahlAberUngueltig)
{
    // One vessel of 10 l cannot take 22.55 l: the number stays as computed, marked invalid.
    g->m_GefaessAnzahl.m_Value = 1;
    g->m_GefaessInhalt.m_Value = VbVariant::integer(10);
    bool gültig = true;
    EXPECT_NEAR(g->GetFülldruck(50, &gültig), -3.0, genau);  // 10 * 2.5 / -12.55 = -1.99
    EXPECT_FALSE(gültig);
    int32_t jeGefäß = 0, grad = 0;
    gültig = true;
    g->GetFüllvolumen(50, jeGefäß, grad, &gültig);
    EXPECT_EQ(jeGefäß, 23);
    EXPECT_EQ(grad, 226);
    EXPECT_FALSE(gültig);
    EXPECT_FALSE(g->FüllungGültig(50));
    EXPECT_FALSE(g->Member().rufe(QStringLiteral("FüllungGültig"), {VbVariant(50.0)}).toBool());
    // At 10 °C the vessel takes the 5 l reserve.
    EXPECT_TRUE(g->FüllungGültig(10));
}

TEST_F(Fuellung, GrenzfaelleOhneMeldung)
{
    bool gültig = true;
    // Vessels exactly full: no quotient, the result is -1.
    g->m_VolAnlage.m_Value = 0;
    g->m_Wasservorlage.m_Value = 400;
    EXPECT_NEAR(g->GetFülldruck(50, &gültig), -1.0, genau);
    EXPECT_FALSE(gültig);
    // A quotient beyond the whole-number range: the result is 0.
    g->m_Wasservorlage.m_Value = 399.9999999;
    gültig = true;
    EXPECT_EQ(g->GetFülldruck(50, &gültig), 0.0);
    EXPECT_FALSE(gültig);
    EXPECT_TRUE(meldungen.boxen.isEmpty());

    // No vessels: the out values stay as passed.
    g->m_Wasservorlage.m_Value = 5;
    g->m_VolAnlage.m_Value = 1500;
    g->m_GefaessAnzahl.m_Value = 0;
    int32_t jeGefäß = 77, grad = 88;
    gültig = true;
    g->GetFüllvolumen(50, jeGefäß, grad, &gültig);
    EXPECT_EQ(jeGefäß, 77);
    EXPECT_EQ(grad, 88);
    EXPECT_FALSE(gültig);
    // Vessels without content: the volume per vessel is given, the degree is not.
    g->m_GefaessAnzahl.m_Value = 2;
    g->m_GefaessInhalt.m_Value = VbVariant();
    g->GetFüllvolumen(50, jeGefäß, grad, &gültig);
    EXPECT_EQ(jeGefäß, 11);
    EXPECT_EQ(grad, 88);
    EXPECT_FALSE(gültig);
}

}  // namespace
