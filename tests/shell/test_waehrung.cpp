#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "shell/Waehrung.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

#include <QFileInfo>

#include <memory>

namespace {

const QString Tabelle = QStringLiteral("CREATE TABLE [Waehrung] ([Waehrungskürzel] TEXT, [MwStSatz in Prozent] REAL)");

class WaehrungTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void Anlegen(const QStringList& sql, const QString& passwort = Kennwort::Artikeldatenbank)
    {
        db = std::make_unique<TestDatenbank>(sql, passwort, QStringLiteral("Artikeld.db"));
        zustand().Artikel_Data_Source = db->pfad();
    }
    std::unique_ptr<TestDatenbank> db;
    MeldungsRecorder recorder;
};

}  // namespace

TEST_F(WaehrungTest, FirstRowOnlyAndRateAsSingle)
{
    Anlegen({Tabelle, QStringLiteral("INSERT INTO [Waehrung] VALUES ('CHF', 7.7)"),
             QStringLiteral("INSERT INTO [Waehrung] VALUES ('EUR', 19)")});
    zustand().Sprachindex = 3;
    EXPECT_TRUE(LeseWaehrung(zustand()));
    EXPECT_EQ(zustand().Währungskürzel, QStringLiteral("CHF"));
    EXPECT_EQ(zustand().Mehrwertsteuersatz, static_cast<double>(7.7f));
    EXPECT_EQ(zustand().Sprachindex, 0);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(WaehrungTest, EmptyFieldsGiveEmptyTextAndZero)
{
    Anlegen({Tabelle, QStringLiteral("INSERT INTO [Waehrung] VALUES (NULL, NULL)")});
    zustand().Mehrwertsteuersatz = 16;
    EXPECT_TRUE(LeseWaehrung(zustand()));
    EXPECT_EQ(zustand().Währungskürzel, QString());
    EXPECT_EQ(zustand().Mehrwertsteuersatz, 0.0);
}

TEST_F(WaehrungTest, EmptyTableKeepsValuesWithoutMessage)
{
    Anlegen({Tabelle});
    EXPECT_FALSE(LeseWaehrung(zustand()));
    EXPECT_EQ(zustand().Währungskürzel, QStringLiteral(" "));
    EXPECT_EQ(zustand().Mehrwertsteuersatz, 0.0);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(WaehrungTest, FailuresShowOneDatabaseMessageAndKeepValues)
{
    struct Fall { const char* name; QStringList sql; QString passwort; QString operation; };
    const Fall faelle[] = {
        {"missing file", {}, QString(), QStringLiteral("Open-Fehler Connection-Objekt")},
        {"wrong password", {Tabelle}, Kennwort::Projektdatenbank, QStringLiteral("Open-Fehler Connection-Objekt")},
        {"no table", {QStringLiteral("CREATE TABLE ARTIKEL (Nr TEXT)")}, Kennwort::Artikeldatenbank,
         QStringLiteral("Open-Fehler Recordset-Objekt")},
    };
    for (const Fall& f : faelle) {
        Anlegen(f.sql, f.passwort.isEmpty() ? Kennwort::Artikeldatenbank : f.passwort);
        if (f.passwort.isEmpty()) {
            QFile::remove(db->pfad());
            ASSERT_FALSE(QFileInfo::exists(db->pfad()));
        }
        recorder.leeren();
        zustand().Währungskürzel = QStringLiteral(" ");
        zustand().Mehrwertsteuersatz = 0;
        EXPECT_FALSE(LeseWaehrung(zustand())) << f.name;
        ASSERT_EQ(recorder.boxen.size(), 1) << f.name;
        EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Datenbankfehler) << f.name;
        EXPECT_TRUE(recorder.boxen[0].text.endsWith(f.operation)) << f.name;
        EXPECT_EQ(zustand().Währungskürzel, QStringLiteral(" ")) << f.name;
        EXPECT_EQ(zustand().Mehrwertsteuersatz, 0.0) << f.name;
        // Reading never creates the file.
        EXPECT_EQ(QFileInfo::exists(db->pfad()), !f.passwort.isEmpty()) << f.name;
    }
}

TEST_F(WaehrungTest, DemoArticleDatabase)
{
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    EXPECT_TRUE(LeseWaehrung(zustand()));
    EXPECT_EQ(zustand().Währungskürzel, QStringLiteral("EUR"));
    EXPECT_EQ(zustand().Mehrwertsteuersatz, 19.0);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}
