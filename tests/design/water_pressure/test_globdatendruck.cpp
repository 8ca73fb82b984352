#include <gtest/gtest.h>

#include "Wasserdatenbanken.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "support/Datenobjektbindungen.h"

namespace {

const QString Tabelle = QStringLiteral("Druckerhöhungparameter");
using Fehler = GlobDatenDruck::Eingabefehler;

class Druckerhoehung : public Wasserdatenbanken {
protected:
    void SetUp() override
    {
        Wasserdatenbanken::SetUp();
        g = std::make_unique<GlobDatenDruck>();
        ASSERT_EQ(g->Init(), 0);
    }
    void TearDown() override
    {
        g.reset();
        Wasserdatenbanken::TearDown();
    }
    void Eingaben(double strom, double häufigkeit, double ein, double aus)
    {
        g->m_MaxVolStrom.m_Value = strom;
        g->m_Schalthäufigkeit.m_Value = häufigkeit;
        g->m_p_Einschalt.m_Value = ein;
        g->m_p_SV.m_Value = aus;
    }

    std::unique_ptr<GlobDatenDruck> g;
};

}  // namespace

TEST_F(Druckerhoehung, OhneSpeichernBleibenNurNummerUndSpaltenvorgaben)
{
    Eingaben(2.5, 15, 3, 4);
    g->m_IstBerechnet.m_Value = true;
    g->m_TerminateMitUpdate = false;
    g.reset();
    // The fixture's table has no column defaults: every bound column is still empty.
    EXPECT_EQ(db->zeilen(Tabelle, QStringLiteral("W-1")), 1);
    for (const Memberbindung& b : Datenobjektbindungen::Druck())
        EXPECT_TRUE(Feld(Tabelle, b.feld).isNull()) << b.feld.toStdString();
}

// The flow and the pressures come back with one decimal, the factor with two.
TEST_F(Druckerhoehung, LadenRundetDieSingleWerte)
{
    struct Fall {
        conTextBoxAdodb GlobDatenDruck::*member;
        double geschrieben;
        double geladen;
    };
    const Fall fälle[] = {
        {&GlobDatenDruck::m_MaxVolStrom, 2.55, 2.5}, {&GlobDatenDruck::m_p_Einschalt, 3.85, 3.8},
        {&GlobDatenDruck::m_p_SV, 4.25, 4.2},        {&GlobDatenDruck::m_r_p_vor, 2.6, 2.6},
        {&GlobDatenDruck::m_r_pfak, 0.125, 0.12},    {&GlobDatenDruck::m_r_vges, 330, 330},
    };
    for (const Fall& f : fälle)
        ((*g).*f.member).m_Value = f.geschrieben;
    g.reset();
    g = std::make_unique<GlobDatenDruck>();
    ASSERT_EQ(g->Init(), 0);
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.geschrieben);
        EXPECT_EQ(((*g).*f.member).m_Value, f.geladen);
    }
}

TEST_F(Druckerhoehung, ProjektnummerMitApostroph)
{
    g.reset();
    zustand().aktProjektnummer = QStringLiteral("'Pumpe' 3");
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        GlobDatenDruck d;
        ASSERT_EQ(d.Init(), 0);
        if (durchgang == 0)
            d.m_Schalthäufigkeit.m_Value = 12;
        else
            EXPECT_EQ(d.m_Schalthäufigkeit.m_Value, 12);
    }
    EXPECT_EQ(db->zeilen(Tabelle, QStringLiteral("'Pumpe' 3")), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Druckerhoehung, OhneParametertabelleTutNichtsUndLiefertDenCode)
{
    g.reset();
    ASSERT_TRUE(db->projekt().ausfuehren({QStringLiteral("DROP TABLE Druckerhöhungparameter")}));
    GlobDatenDruck d;
    EXPECT_EQ(d.Init(), 2);
    EXPECT_FALSE(d.Rechnen_Druckerhöhung());
}

TEST_F(Druckerhoehung, Rechnung)
{
    struct Fall {
        double strom, häufigkeit, ein, aus;
        float vordruck;
        double vges;
        float pfak;
        double nutz;
    };
    const Fall fälle[] = {
        // New project: 330 x 0.1 x 2.5 / (0.5 x 10) = 16.5 l, factor 0.3333 cut to 0.33.
        {0.1, 10, 1.0, 1.5, 0.8f, 17, 0.33f, 6},
        {2.0, 10, 3.0, 4.0, 2.6f, 330, 0.25f, 83},
        {0.1, 10, 1.0, 3.0, 0.8f, 7, 0.66f, 5},
        // The flow enters with two decimals, half to even: 0.125 as 0.12.
        {0.125, 10, 1.0, 1.5, 0.8f, 20, 0.33f, 7},
        {2.55, 10, 1.0, 1.5, 0.8f, 421, 0.33f, 139},
        {5, 6, 3.8, 4.3, 3.4f, 2915, 0.11f, 321},
        // 1 - 15/15.1 = 0.0066 is cut to 0 and held at 0.001.
        {1, 5, 15.0, 15.1, 13.4f, 10626, 0.001f, 11},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.strom << " m3/h, " << f.ein << " / " << f.aus << " bar");
        g->m_r_VolNutz.m_Value = 0;
        Eingaben(f.strom, f.häufigkeit, f.ein, f.aus);
        EXPECT_TRUE(g->Rechnen_Druckerhöhung());
        EXPECT_EQ(g->m_r_p_vor.m_Value, static_cast<double>(f.vordruck));
        EXPECT_EQ(g->m_r_vges.m_Value, f.vges);
        EXPECT_EQ(g->m_r_pfak.m_Value, static_cast<double>(f.pfak));  // the Single
        EXPECT_EQ(g->m_r_VolNutz.m_Value, f.nutz);
        EXPECT_FALSE(g->Rechnen_Druckerhöhung());  // unchanged inputs
    }
}

// Rows from old backups: nothing is computed from a switch-off pressure at or below the
// switch-on pressure or a frequency below 1, and the results stay as they were.
TEST_F(Druckerhoehung, NichtBerechenbareEingabenAendernNichts)
{
    struct Fall {
        double häufigkeit, ein, aus;
        Fehler fehler;
    };
    const Fall fälle[] = {
        {10, 2.0, 2.0, Fehler::Ausschaltdruck},
        {10, 2.0, 1.5, Fehler::Ausschaltdruck},
        {10, -1.0, 0.0, Fehler::Ausschaltdruck},
        {0, 1.0, 1.5, Fehler::Schalthäufigkeit},
        {0.5, 1.0, 1.5, Fehler::Schalthäufigkeit},
        {1, 1.0, 1.1, Fehler::Keiner},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.häufigkeit << " 1/h, " << f.ein << " / " << f.aus << " bar");
        Eingaben(0.1, 10, 1.0, 1.5);
        ASSERT_TRUE(g->Rechnen_Druckerhöhung() || g->m_r_VolNutz.m_Value == 6);
        Eingaben(0.1, f.häufigkeit, f.ein, f.aus);
        EXPECT_EQ(g->PrüfeEingaben(), f.fehler);
        if (f.fehler == Fehler::Keiner)
            continue;
        EXPECT_FALSE(g->Rechnen_Druckerhöhung());
        EXPECT_EQ(g->m_r_vges.m_Value, 17);
        EXPECT_EQ(g->m_r_VolNutz.m_Value, 6);
        EXPECT_EQ(g->m_r_p_vor.m_Value, static_cast<double>(0.8f));
    }
}
