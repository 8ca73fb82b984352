// The project database at the size a user can reach: the start check opens it and the project
// page's table access reads it whole, sorted by a column without an index.

#include <gtest/gtest.h>

#include "ProjektDbFixture.h"
#include "data/Projektdatenbankpruefung.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"

namespace {

class GrosseProjektdatenbank : public ProjektDbFixture {};

}  // namespace

TEST_F(GrosseProjektdatenbank, WirdGeprüftUndGanzGelesen)
{
    constexpr int Projekte = 200'000;
    baue();
    // Rows with few values are the most rows per byte of the file.
    sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart, Bauherr) "
                       "SELECT printf('P%06d', i), 'He', printf('B%06d', %1 - i) FROM n")
            .arg(Projekte));
    sql(QStringLiteral("INSERT INTO Heizungsparameter (\"Projekt Nr\") SELECT \"Projekt Nr\" FROM ProjekteTabelle"));
    TearDown();  // the test's own connection goes before the program's

    QString befund;
    EXPECT_TRUE(Projektdatenbankprüfung::DateiIntakt(pfad, befund)) << befund.toStdString();
    EXPECT_EQ(Projektdatenbankprüfung().Prüfen(), Projektdatenbankprüfung::Ende::Weiter) << texte(meldungen);

    // Each table read whole and sorted; the first row after sorting is the last project.
    // A parameter table has some 200 columns, one row per project.
    for (const char* abfrage : {"Select * From ProjekteTabelle ORDER BY [Bauherr],[Projekt Nr]",
                                "Select * From Heizungsparameter ORDER BY [Projekt Nr] DESC"}) {
        SCOPED_TRACE(abfrage);
        datenbank tabelle;
        ASSERT_EQ(tabelle.OpenTab(pfad, QString::fromLatin1(abfrage), 2, Kennwort::Projektdatenbank, true), 0)
            << texte(meldungen);
        EXPECT_EQ(tabelle.GetADODB_Recordset()->Anzahl(), Projekte);
        EXPECT_EQ(tabelle.GetFeld(QStringLiteral("Projekt Nr")), VbVariant(QStringLiteral("P200000")));
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}
