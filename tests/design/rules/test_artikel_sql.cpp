#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

// The article tables' SQL goes to the table access as the designers write it: bracketed names
// with blanks, commas and degree signs, sums in the WHERE clause, Jet keywords.
namespace {

const QString Gefäße = QStringLiteral(
    "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE, [Art Gr Berechn Prg] INTEGER, "
    "[Inhalt in ltr] INTEGER, [Max, Betriebsdruck in bar] REAL, [Max, Betriebstemperatur in °C] INTEGER, "
    "Vordruck REAL, [Durchmesser in mm] INTEGER, [Höhe in mm] INTEGER, [MinderBreite in mm] INTEGER, "
    "[MinderHöhe in mm] INTEGER, Kälteanlage BOOLEAN, Solaranlage BOOLEAN, Umschreibung TEXT, "
    "[Art Nr Kappenventil] TEXT, ArtNr2Kappenventil TEXT);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('40205', 2, 100, 6, 120, 1.5, 480, 670, 0, 0, -1, 0, 'MAG 100 l / 6 bar', '24125', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44001', 40, 35, 10, 120, 0, 354, 460, 0, 0, 0, -1, 'Vorlage 35 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44005', 40, 100, 10, 150, 0, 480, 670, 0, 0, 0, 0, 'Vorlage 100 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44006', 40, 150, 6, 120, 0, 480, 930, 0, 0, 0, 0, 'Vorlage 150 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44007', 40, 150, 10, 150, 0, 480, 930, 0, 0, 0, 0, 'Vorlage 150 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44008', 40, 200, 6, 150, 0, 634, 760, 20, 50, 0, 0, 'Vorlage 200 l', '', NULL);");

// The intermediate-vessel query of the accessory design.
QString Vorlagebehälter(int breite, int höhe, double pSV, int temperatur, int vmin, const QString& zusatz = {})
{
    using Zahlen::Str;
    return QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = ") + Str(40)
        + QStringLiteral(" AND ([Durchmesser in mm] + [MinderBreite in mm]) <= ") + Str(breite)
        + QStringLiteral(" AND ([Höhe in mm] + [MinderHöhe in mm]) <= ") + Str(höhe)
        + QStringLiteral(" AND [Max, Betriebsdruck in bar] >= ") + Str(pSV)
        + QStringLiteral(" AND [Max, Betriebstemperatur in °C] >= ") + Str(temperatur)
        + QStringLiteral(" AND [Inhalt in ltr] >= ") + Str(vmin) + zusatz
        + QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebstemperatur in °C],[Max, Betriebsdruck in bar]");
}

}  // namespace

TEST(ArtikelSQL, SummenUndNamenMitKommaUndGradzeichenLaufenUnveraendert)
{
    ArtikelFixture db(Gefäße);
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;

    const struct {
        QString sql;
        QStringList artikel;  // rows in order
    } fälle[] = {
        {Vorlagebehälter(700, 2000, 8.0, 140, 90), {QStringLiteral("44005"), QStringLiteral("44007")}},
        {Vorlagebehälter(700, 2000, 3.0, 125, 120), {QStringLiteral("44007"), QStringLiteral("44008")}},
        // 480 + 0 is exactly the door; 634 + 20 is too wide.
        {Vorlagebehälter(480, 2000, 2.5, 90, 36), {QStringLiteral("44005"), QStringLiteral("44006"),
                                                   QStringLiteral("44007")}},
        {Vorlagebehälter(653, 809, 2.5, 90, 180), {}},
        {Vorlagebehälter(700, 2000, 2.5, 90, 0, QStringLiteral(" AND [Solaranlage] = True")),
         {QStringLiteral("44001")}},
        {Vorlagebehälter(700, 2000, 2.5, 90, 0, QStringLiteral(" AND Solaranlage = False AND [Inhalt in ltr] < 150")),
         {QStringLiteral("44005")}},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.sql.toStdString());
        datenbank t;
        ASSERT_EQ(t.OpenTab(zustand().Artikel_Data_Source, f.sql, 3, Kennwort::Artikeldatenbank, true), 0);
        QStringList gelesen;
        for (t.MoveFirst(); !t.EofTab(); t.MoveNext())
            gelesen << t.GetFeld(QStringLiteral("Art Nr")).toString();
        EXPECT_EQ(gelesen, f.artikel);
        EXPECT_EQ(t.EmptyTab(), f.artikel.isEmpty());
    }

    datenbank t;
    ASSERT_EQ(t.OpenTab(zustand().Artikel_Data_Source, Vorlagebehälter(700, 2000, 8.0, 140, 90), 3,
                        Kennwort::Artikeldatenbank, true), 0);
    EXPECT_EQ(t.GetFeld(QStringLiteral("Max, Betriebstemperatur in °C")).toLong(), 150);
    EXPECT_DOUBLE_EQ(t.GetFeld(QStringLiteral("Max, Betriebsdruck in bar")).toDouble(), 10.0);
    EXPECT_TRUE(t.Find(QStringLiteral("[Max, Betriebstemperatur in °C] >= ") + Zahlen::Str(150)));
    EXPECT_TRUE(rec.boxen.isEmpty());
}
