#include <gtest/gtest.h>

#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"
#include "design/selection/Gefaessauswahl.h"
#include "design/solar/GlobDatenSolar.h"
#include "support/Datenobjektbindungen.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

namespace {

class SolarDatenobjekt : public testing::Test {
protected:
    SolarDatenobjekt() { zustand().aktProjektnummer = QStringLiteral("S-1"); }

    std::unique_ptr<GlobDatenSolar> gebunden()
    {
        auto g = std::make_unique<GlobDatenSolar>();
        EXPECT_EQ(g->Init(), 0);
        return g;
    }
    QVariant feld(const QString& f, const QString& nr = QStringLiteral("S-1")) const
    {
        return db.feld(QStringLiteral("Solarparameter"), f, nr);
    }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
};

}  // namespace

TEST(GlobDatenSolar, MemberDerAuslegungSindAnIhreSpaltenGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenSolar>(QStringLiteral("Solarparameter"),
                                                          Datenobjektbindungen::Solar());
}

TEST_F(SolarDatenobjekt, NeueZeileOhneSpeichernBehaeltNurSpaltenvorgaben)
{
    auto g = gebunden();
    EXPECT_EQ(db.zeilen(QStringLiteral("Solarparameter"), QStringLiteral("S-1")), 1);
    g->m_Absorberflaeche.m_Value = 77;
    g->m_GefaessArtNr.m_Value = VbVariant(QStringLiteral("42103"));
    g->m_Zub_Entlüfter_ArtNr_m_value(2, QStringLiteral("31002"));
    g->m_TerminateMitUpdate = false;
    g.reset();
    // The fixture's table has no column defaults: nothing written leaves Null.
    for (const char* f : {"Absorberflaeche", "GefäßArtNr", "EntlüfterArtNr2", "Frostschutzzusatz"})
        EXPECT_TRUE(feld(QString::fromUtf8(f)).isNull()) << f;
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(SolarDatenobjekt, SingleSpaltenLadenOhneEinfachgenauigkeit)
{
    auto g = gebunden();
    g->m_p_SV.m_Value = 2.7;
    g->m_r_pfak.m_Value = 0.43;
    g->m_r_af.m_Value = 8.25;
    g->m_r_panf.m_Value = 2.3;
    g.reset();
    // The column holds the Single: 2.7 comes back as 2.7000000477 from the file.
    EXPECT_NE(feld(QStringLiteral("p Sicherheitsventil")).toDouble(), 2.7);
    g = gebunden();
    EXPECT_EQ(g->m_p_SV.m_Value, 2.7);
    EXPECT_EQ(g->m_r_pfak.m_Value, 0.43);
    EXPECT_EQ(g->m_r_af.m_Value, 8.25);
    EXPECT_EQ(g->m_r_panf.m_Value, 2.3);
}

TEST_F(SolarDatenobjekt, EntlueftungsZeilen)
{
    auto g = gebunden();
    g->m_Zub_Entlüfter_Anz_m_value(3, 2);
    EXPECT_EQ(g->m_Zub_Entlüfter_Anz_m_value(3), 2);
    EXPECT_EQ(g->m_Zub_Entlüfter_Anz_m_value(4), 0);
    EXPECT_EQ(g->m_Zub_Entlüfter_ArtNr_m_value(4), QStringLiteral(" "));
    for (int16_t i : {0, 7}) {
        SCOPED_TRACE(i);
        EXPECT_THROW(g->m_Zub_Entlüfter_ArtNr_m_value(i), MemberFehler);
        EXPECT_THROW(g->m_Zub_Entlüfter_ArtNr_m_value(i, QStringLiteral("1")), MemberFehler);
        EXPECT_THROW(g->m_Zub_Entlüfter_Anz_m_value(i), MemberFehler);
        EXPECT_THROW(g->lese(QStringLiteral("m_Zub_Entlüfter_Anz_m_value"), {VbVariant(int(i))}), MemberFehler);
    }
    // By name, as the air-venting dialog writes them; all six rows reach their columns.
    for (int i = 1; i <= 6; ++i) {
        g->schreibe(QStringLiteral("m_Zub_Entlüfter_ArtNr_m_value"), {VbVariant(i)}, VbVariant(QStringLiteral("3100%1").arg(i)));
        g->schreibe(QStringLiteral("m_Zub_Entlüfter_Anz_m_value"), {VbVariant(i)}, VbVariant(i + 1));
    }
    g.reset();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(feld(QStringLiteral("EntlüfterArtNr%1").arg(i)).toString(), QStringLiteral("3100%1").arg(i));
        EXPECT_EQ(feld(QStringLiteral("EntlüfterAnz%1").arg(i)).toInt(), i + 1);
    }
    g = gebunden();
    EXPECT_EQ(g->lese(QStringLiteral("m_Zub_Entlüfter_ArtNr_m_value"), {VbVariant(5)}).toString(), QStringLiteral("31005"));
    EXPECT_EQ(g->m_Zub_Entlüfter_Anz_m_value(6), 7);
}

TEST_F(SolarDatenobjekt, LeereSpaltenLesenLeerOderNull)
{
    db.projekt().ausfuehren({QStringLiteral("INSERT INTO Solarparameter ([Projekt Nr]) VALUES ('S-1')"),
                             QStringLiteral("UPDATE Solarparameter SET EntlüfterArtNr1 = NULL, EntlüfterAnz1 = NULL")});
    auto g = gebunden();
    EXPECT_EQ(g->m_Zub_Entlüfter_ArtNr_m_value(1), QString());
    EXPECT_EQ(g->m_Zub_Entlüfter_Anz_m_value(1), 0);
}

TEST_F(SolarDatenobjekt, ProjektnummerMitApostroph)
{
    zustand().aktProjektnummer = QStringLiteral("O'Hara 3");
    auto g = gebunden();
    g->m_Absorberflaeche.m_Value = 14;
    g.reset();
    g = gebunden();
    EXPECT_EQ(db.zeilen(QStringLiteral("Solarparameter"), QStringLiteral("O'Hara 3")), 1);
    EXPECT_EQ(g->m_Absorberflaeche.m_Value, 14);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(SolarDatenobjekt, TabelleNichtZuOeffnenMachtDasObjektUntaetig)
{
    TestDatenbank ohneTabelle;
    zustand().Projekt_Data_Source = ohneTabelle.pfad();
    auto g = std::make_unique<GlobDatenSolar>();
    EXPECT_EQ(g->Init(), 2);
    EXPECT_EQ(g->Init(), 2);
    EXPECT_FALSE(g->m_Int_Tab);
    EXPECT_EQ(rec.boxen.size(), 1);
    // The calculation of an inert object does nothing.
    EXPECT_FALSE(g->Rechnen_Solaranlage());
    g.reset();
    EXPECT_EQ(rec.boxen.size(), 1);
}

// Every member name that reports, the schematic, the designers, the air-venting dialog and the
// main window use on the solar object.
TEST_F(SolarDatenobjekt, MembernamenDerAufruferSindBekannt)
{
    auto g = gebunden();
    const MemberRegister& r = g->Member();
    using A = MemberRegister::Art;
    const QStringList werte = {
        // reports
        "m_AnordnungMAG", "m_Absorberflaeche", "m_EinbringBreite", "m_EinbringHoehe", "m_spezVolKollektoren",
        "m_VolRohre", "m_VolRohreUeberKol", "m_VolSolarWTGes", "m_VolAnlage", "m_FrostZusatz", "m_p_stat",
        "m_p_dyn", "m_p_SV", "m_IstBerechnet", "m_r_af", "m_r_pVordruck", "m_r_pend", "m_r_vaus",
        "m_Wasservorlage", "m_r_vauf", "m_r_pfak", "m_r_vges", "m_IstAusgelegt", "m_GefaessGruppe",
        "m_GefaessAnzahl", "m_GefaessArtNr", "m_Zub_SichVentil_ArtNr", "m_Zub_KappV_Beh_Anz",
        "m_Zub_KappV_Beh_ArtNr", "m_Zub_Vorlagebeh_ArtNr",
        // schematic and main window
        "m_Zub_MitVorlagebehälter", "m_TerminateMitUpdate",
        // pages
        "m_r_panf", "m_GefaessInhalt"};
    for (const QString& n : werte)
        EXPECT_EQ(r.art(n), A::Wert) << n.toStdString();
    for (const char* n : {"m_Zub_Entlüfter_ArtNr_m_value", "m_Zub_Entlüfter_Anz_m_value"})
        EXPECT_EQ(r.art(QString::fromUtf8(n)), A::Indiziert) << n;
    for (const char* n : {"DBTabArtikel", "m_Int_Tab"})
        EXPECT_EQ(r.art(QString::fromUtf8(n)), A::Objekt) << n;
    for (const char* n : {"Init", "Sum_Vol_Rohrleitung", "Sum_Vol_RohrleitungUeberKollektor", "Sum_Vol_Wärmetauscher",
                          "Sum_Vol_Anlage", "AufbauAktuelleDruckstufungSiVentil", "BerechneDruckSicherheitsventil",
                          "Rechnen_Solaranlage"})
        EXPECT_EQ(r.art(QString::fromUtf8(n)), A::Methode) << n;

    for (const Sicherheitstechnik::Vertragsmember& m : Sicherheitstechnik::Vertrag(QStringLiteral("So")))
        EXPECT_EQ(r.art(m.name), m.art) << m.name.toStdString();
    for (const QString& n : Zubehörtechnik::Membernamen(QStringLiteral("So")))
        EXPECT_TRUE(r.hat(n)) << n.toStdString();
    for (const QString& n : Gefäßauswahl::Membernamen(QStringLiteral("So")))
        EXPECT_EQ(r.art(n), A::Wert) << n.toStdString();
    EXPECT_EQ(g->rufe(QStringLiteral("Init")).toLong(), 0);
}
