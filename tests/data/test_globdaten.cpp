#include <gtest/gtest.h>

#include "DatenTestHilfen.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/Datenobjektdatenbanken.h"

namespace {

const QString Tabelle = QStringLiteral("Testparameter");

// A data class with one member of every kind on the fixture table Testparameter.
class GlobDatenTest : public GlobDaten {
public:
    explicit GlobDatenTest(bool nichtSpeichernGilt = false, const QString& tabelle = Tabelle)
        : GlobDaten(QStringLiteral("GlobDatenTest"), tabelle), m_nichtSpeichernGilt(nichtSpeichernGilt)
    {
        zahl("m_Leist_ges", m_Leist_ges, "GesamtwärmeleistungQ", 3);
        zahl("m_p_stat", m_p_stat, "p statisch", 1, 1);
        zahl("m_r_pfak", m_r_pfak, "Druckfaktor", 0, 2);
        option("m_Beheiz", m_Beheiz, {QStringLiteral("Beheizung direkt"), QStringLiteral("Beheizung indirekt")});
        flag("m_ZusKomprPumpe", m_ZusKomprPumpe, "ZusKomprPumpe");
        wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", VbVariant(QStringLiteral(" ")));
        wert("m_Zub_WMangelSichArt", m_Zub_WMangelSichArt, "Mangelsicherung", VbVariant::integer(1));
        items("m_Zub_Schlamm_ArtNr_m_value", m_Schlamm, "SchlammabArtNr%1", VbVariant(QStringLiteral(" ")));
        items("m_Zub_SichVentil_Anz_m_value", m_SichVentilAnz, "SichventAnz%1", VbVariant::integer(0));
    }
    ~GlobDatenTest() override { Freigeben(); }

    conTextBoxAdodb m_Leist_ges, m_p_stat, m_r_pfak;
    conOptButtAdodb m_Beheiz;
    conCheckBoxAdodb m_ZusKomprPumpe;
    conValueAdodb m_GefaessArtNr, m_Zub_WMangelSichArt;
    std::array<conValueAdodb, 6> m_Schlamm, m_SichVentilAnz;

protected:
    bool ProjektNichtSpeichernGilt() const override { return m_nichtSpeichernGilt; }

private:
    bool m_nichtSpeichernGilt;
};

QStringList Testtabelle()
{
    QString spalten = QStringLiteral(
        "[Projekt Nr] TEXT(50), [GesamtwärmeleistungQ] LONG, [p statisch] SINGLE, [Druckfaktor] SINGLE, "
        "[Beheizung direkt] BOOLEAN, [Beheizung indirekt] BOOLEAN, [ZusKomprPumpe] BOOLEAN, "
        "[GefäßArtNr] TEXT(15), [Mangelsicherung] SHORT, [IstBerechnet] BOOLEAN, [IstAusgelegt] BOOLEAN");
    for (int i = 1; i <= 6; ++i)
        spalten += QStringLiteral(", [SchlammabArtNr%1] TEXT(15), [SichventAnz%1] SHORT").arg(i);
    return {QStringLiteral("CREATE TABLE [Testparameter] (%1)").arg(spalten)};
}

class GlobDatenRow : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        db = std::make_unique<Datenobjektdatenbanken>(Testtabelle());
        zustand().aktProjektnummer = QStringLiteral("12");
    }
    QVariant feld(const QString& spalte, const QString& nr = QStringLiteral("12"))
    {
        return db->projekt().wert(
            QStringLiteral("SELECT [%1] FROM Testparameter WHERE [Projekt Nr] = '%2'").arg(spalte, nr));
    }
    int zeilen(const QString& nr = QStringLiteral("12")) { return db->zeilen(Tabelle, nr); }

    MeldungsRecorder recorder;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(GlobDatenRow, NewRowTakesTheDefaultsAndReceivesThemOnRelease)
{
    {
        GlobDatenTest d;
        EXPECT_EQ(d.Init(), 0);
        EXPECT_EQ(zeilen(), 1);  // added and saved with its number only
        EXPECT_TRUE(feld(QStringLiteral("GesamtwärmeleistungQ")).isNull());
        EXPECT_DOUBLE_EQ(d.m_Leist_ges.m_Value, 3.0);
        EXPECT_DOUBLE_EQ(d.m_p_stat.m_Value, 1.0);
        EXPECT_EQ(d.m_Beheiz.m_Value, 0);
        EXPECT_FALSE(d.m_ZusKomprPumpe.m_Value);
        EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
        EXPECT_EQ(d.m_Zub_WMangelSichArt.m_Value.typ(), VbVariant::Typ::Integer);
        EXPECT_EQ(d.m_IstAusgelegt.m_Value.typ(), VbVariant::Typ::Boolean);
        EXPECT_EQ(d.lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(6)}).toString(), QStringLiteral(" "));
    }
    EXPECT_EQ(zeilen(), 1);
    EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), 3);
    EXPECT_FLOAT_EQ(feld(QStringLiteral("p statisch")).toFloat(), 1.0f);
    EXPECT_EQ(feld(QStringLiteral("Beheizung direkt")).toInt(), -1);
    EXPECT_EQ(feld(QStringLiteral("Beheizung indirekt")).toInt(), 0);
    EXPECT_EQ(feld(QStringLiteral("GefäßArtNr")).toString(), QStringLiteral(" "));
    EXPECT_EQ(feld(QStringLiteral("Mangelsicherung")).toInt(), 1);
    EXPECT_EQ(feld(QStringLiteral("IstAusgelegt")).toInt(), 0);
    EXPECT_EQ(feld(QStringLiteral("SchlammabArtNr6")).toString(), QStringLiteral(" "));
    EXPECT_EQ(feld(QStringLiteral("SichventAnz1")).toInt(), 0);
    EXPECT_TRUE(boxenDerArt(recorder, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(GlobDatenRow, ExistingRowLoadsRoundedAndTakesChangesBack)
{
    db->projekt().ausfuehren({
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ], [p statisch], [Druckfaktor], "
                       "[Beheizung direkt], [Beheizung indirekt], [GefäßArtNr], [SchlammabArtNr2], [IstAusgelegt]) "
                       "VALUES ('12', 40, 2.25, 0.125, 0, -1, 'A7', NULL, -1)"),
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [p statisch], [Druckfaktor]) VALUES ('13', 2.75, 0.375)"),
    });
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
        EXPECT_DOUBLE_EQ(d.m_Leist_ges.m_Value, 40.0);
        EXPECT_DOUBLE_EQ(d.m_p_stat.m_Value, 2.2);   // half to even
        EXPECT_DOUBLE_EQ(d.m_r_pfak.m_Value, 0.12);
        EXPECT_EQ(d.m_Beheiz.m_Value, 1);
        EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral("A7"));
        EXPECT_TRUE(d.m_IstAusgelegt.m_Value.toBool());
        // An empty article item reads "" (not one blank), an empty count 0.
        EXPECT_EQ(d.lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(2)}).toString(), QString());
        EXPECT_EQ(d.lese(QStringLiteral("m_Zub_SichVentil_Anz_m_value"), {VbVariant(2)}).toInteger(), 0);

        d.schreibe(QStringLiteral("m_Leist_ges"), VbVariant(55.0));
        d.schreibe(QStringLiteral("m_Beheiz"), VbVariant(0));
        d.schreibe(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(3)}, VbVariant(QStringLiteral("S3")));
        d.schreibe(QStringLiteral("m_Zub_SichVentil_Anz_m_value"), {VbVariant(1)}, VbVariant(2.5));
        EXPECT_EQ(d.m_SichVentilAnz[0].m_Value.typ(), VbVariant::Typ::Integer);
    }
    EXPECT_EQ(zeilen(), 1);
    EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), 55);
    EXPECT_EQ(feld(QStringLiteral("Beheizung direkt")).toInt(), -1);
    EXPECT_EQ(feld(QStringLiteral("Beheizung indirekt")).toInt(), 0);
    EXPECT_EQ(feld(QStringLiteral("SchlammabArtNr3")).toString(), QStringLiteral("S3"));
    EXPECT_EQ(feld(QStringLiteral("SichventAnz1")).toInt(), 2);
    EXPECT_FLOAT_EQ(feld(QStringLiteral("p statisch")).toFloat(), 2.2f);  // the rounded value goes back

    zustand().aktProjektnummer = QStringLiteral("13");
    GlobDatenTest d13;
    ASSERT_EQ(d13.Init(), 0);
    EXPECT_DOUBLE_EQ(d13.m_p_stat.m_Value, 2.8);
    EXPECT_DOUBLE_EQ(d13.m_r_pfak.m_Value, 0.38);
}

TEST_F(GlobDatenRow, FailedWriteBackIsReportedOnceWithTheProjectNumber)
{
    db->projekt().ausfuehren({
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ]) VALUES ('12', 40)"),
        QStringLiteral("CREATE TRIGGER voll BEFORE UPDATE ON Testparameter "
                       "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"),
    });
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
        d.schreibe(QStringLiteral("m_Leist_ges"), VbVariant(55.0));
    }
    const auto boxen = boxenDerArt(recorder, Meldungsart::Datenbankfehler);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_EQ(boxen[0].textIds, (QList<int>{2401, 2408}));
    EXPECT_TRUE(boxen[0].text.contains(QStringLiteral("'12'"))) << boxen[0].text.toStdString();
    EXPECT_TRUE(boxen[0].text.contains(QStringLiteral("database or disk is full")));
    EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), 40);
}

TEST_F(GlobDatenRow, DeclinedSaveWritesNothingAndDeletionStillHappens)
{
    db->projekt().ausfuehren({
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ]) VALUES ('12', 40)"),
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ]) VALUES ('14', 41)"),
    });
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
        d.m_Leist_ges.m_Value = 99;
        d.m_TerminateMitUpdate = false;
    }
    EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), 40);
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
        d.schreibe(QStringLiteral("m_TerminateMitUpdate"), VbVariant(false));
        d.rufe(QStringLiteral("LoeschenDatensatzBeiTerminate"));
    }
    EXPECT_EQ(zeilen(), 0);
    EXPECT_EQ(zeilen(QStringLiteral("14")), 1);
}

TEST_F(GlobDatenRow, ProjectNumberWithApostropheIsALiteral)
{
    db->projekt().ausfuehren({
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ]) VALUES ('O''Brien', 7)"),
        QStringLiteral("INSERT INTO Testparameter ([Projekt Nr], [GesamtwärmeleistungQ]) VALUES ('O', 8)"),
    });
    zustand().aktProjektnummer = QStringLiteral("O'Brien");
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
        EXPECT_DOUBLE_EQ(d.m_Leist_ges.m_Value, 7.0);
        d.m_Leist_ges.m_Value = 9;
        d.LoeschenDatensatzBeiTerminate();
        d.m_TerminateMitUpdate = false;
    }
    EXPECT_EQ(zeilen(QStringLiteral("O'Brien")), 0);
    EXPECT_EQ(zeilen(QStringLiteral("O")), 1);
    zustand().aktProjektnummer = QStringLiteral("'; x");
    {
        GlobDatenTest d;
        ASSERT_EQ(d.Init(), 0);
    }
    EXPECT_EQ(zeilen(QStringLiteral("'; x")), 1);
    EXPECT_TRUE(boxenDerArt(recorder, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(GlobDatenRow, ProjektNichtSpeichernKeepsTheRowOutWhereTheTypeHonoursIt)
{
    zustand().ProjektNichtSpeichern = true;
    {
        GlobDatenTest d(true);
        ASSERT_EQ(d.Init(), 0);
        EXPECT_DOUBLE_EQ(d.m_Leist_ges.m_Value, 3.0);  // works with its defaults in memory
        d.m_Leist_ges.m_Value = 5;
    }
    EXPECT_EQ(zeilen(), 0);
    {
        GlobDatenTest d(false);
        ASSERT_EQ(d.Init(), 0);
    }
    EXPECT_EQ(zeilen(), 1);
}

TEST_F(GlobDatenRow, UnopenedTableGivesItsCodeAndTouchesNothing)
{
    {
        GlobDatenTest d(false, QStringLiteral("GibtEsNicht"));
        EXPECT_EQ(d.Init(), 2);
        EXPECT_EQ(d.Init(), 2);
        EXPECT_EQ(d.DBTabArtikel, nullptr);
        d.LoeschenDatensatzBeiTerminate();
        // The names still resolve; the values are those of fresh members.
        EXPECT_DOUBLE_EQ(d.lese(QStringLiteral("m_Leist_ges")).toDouble(), 0.0);
    }
    const auto boxen = boxenDerArt(recorder, Meldungsart::Datenbankfehler);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_TRUE(boxen[0].text.contains(LadeText(2404))) << boxen[0].text.toStdString();
}

TEST_F(GlobDatenRow, MembersAndArticleViewByName)
{
    GlobDatenTest d;
    ASSERT_EQ(d.Init(), 0);
    for (const char* n : {"m_TerminateMitUpdate", "m_IstBerechnet", "m_IstAusgelegt", "m_Leist_ges", "m_Beheiz",
                          "m_ZusKomprPumpe", "m_GefaessArtNr", "m_Zub_Schlamm_ArtNr_m_value", "Init",
                          "LoeschenDatensatzBeiTerminate", "DBTabArtikel"})
        EXPECT_TRUE(d.Member().hat(QString::fromLatin1(n))) << n;
    EXPECT_THROW(d.lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(0)}), MemberFehler);
    EXPECT_THROW(d.schreibe(QStringLiteral("m_Zub_SichVentil_Anz_m_value"), {VbVariant(7)}, VbVariant(1)), MemberFehler);
    EXPECT_THROW(d.lese(QStringLiteral("m_Leist_gesamt")), MemberFehler);

    datenbank* artikel = d.Member().objekt<datenbank>(QStringLiteral("DBTabArtikel"));
    ASSERT_NE(artikel, nullptr);
    EXPECT_EQ(artikel->GetValFromStrgFeld(QStringLiteral("4711"), QStringLiteral("arArtikelnr"),
                                          QStringLiteral("dxfText")).toString(),
              QStringLiteral("MAG 25"));
}
