#include <gtest/gtest.h>

#include "data/DatenTestHilfen.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

namespace {

// A table whose names hold blanks, commas, comparison signs, umlauts and degree signs.
TestDatenbank suchtabelle()
{
    return TestDatenbank(
        {QStringLiteral("CREATE TABLE [Grunddaten Gefäße] (Nr LONG, [Art Nr] TEXT(10), [Inhalt in ltr] LONG, "
                        "[Max, Betriebsdruck in bar] SINGLE, [Max, Betriebstemperatur in °C] LONG, "
                        "[a<b>=c] TEXT(10), Kälteanlage BOOLEAN, Geprüft DATETIME, Frei)"),
         QStringLiteral("INSERT INTO [Grunddaten Gefäße] VALUES "
                        "(1, '40201', 35, 6, 120, 'x', 0, '2024-01-15 00:00:00', 'abc'), "
                        "(2, '40202', 350, 6, 120, 'Y', -1, NULL, 5), "
                        "(3, 'ab''c', 400, 10, 110, NULL, -1, '2024-03-01 12:00:00', NULL), "
                        "(4, '40204', 1000, 2.5, 120, 'Gefäß', 0, '2023-12-31 00:00:00', '12')")},
        Kennwort::Artikeldatenbank);
}

}  // namespace

TEST(Suche, KriterienFindenDieErsteZeile)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    TestDatenbank f = suchtabelle();
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM [Grunddaten Gefäße]"), 3,
                         Kennwort::Artikeldatenbank, true), 0);
    const struct { const char* kriterium; int nr; } faelle[] = {
        // numbers, also quoted against a number column
        {"[Inhalt in ltr] >= '350'", 2},
        {"[Inhalt in ltr] >= 351", 3},
        {"[Inhalt in ltr] = ' 400'", 3},
        {"[Inhalt in ltr]<>35", 2},
        {"[Inhalt in ltr] < 35", 0},
        {"[Max, Betriebsdruck in bar] = 2.5", 4},
        {"[Max, Betriebsdruck in bar] <=  2.5", 4},
        {"[Max, Betriebstemperatur in °C] < 120", 3},
        {"[Nr] > 3", 4},
        {"Nr = 2", 2},
        // texts without regard to case; the doubled apostrophe
        {"[Art Nr] = '40202'", 2},
        {"[Art Nr] = 40204", 4},
        {"[Art Nr] = 'AB''C'", 3},
        {"[a<b>=c] = 'y'", 2},
        {"[a<b>=c] = 'GEFÄSS'", 0},
        {"[a<b>=c] = 'gefäß'", 4},
        {"[a<b>=c] > 'x'", 2},
        // Null never matches, not even <>
        {"[a<b>=c] <> 'x'", 2},
        {"[Frei] = 5", 2},
        {"[Frei] = '12'", 4},
        // LIKE
        {"[Art Nr] LIKE '4020*'", 1},
        {"[Art Nr] like '%04'", 4},
        {"[a<b>=c] LIKE 'G?f_ß'", 4},
        // Booleans and dates
        {"[Kälteanlage] = True", 2},
        {"[Kälteanlage] = -1", 2},
        {"[Kälteanlage] = False", 1},
        {"[Geprüft] > #1/20/2024#", 3},
        {"[Geprüft] = '2023-12-31'", 4},
        {"[Geprüft] < '01.01.2024'", 4},
    };
    for (const auto& fall : faelle) {
        const bool gefunden = db.Find(QString::fromUtf8(fall.kriterium));
        EXPECT_EQ(gefunden, fall.nr != 0) << fall.kriterium;
        EXPECT_EQ(db.EofTab(), fall.nr == 0) << fall.kriterium;
        if (fall.nr) {
            EXPECT_EQ(db.GetFeld(QStringLiteral("Nr")), VbVariant(fall.nr)) << fall.kriterium;
        }
        EXPECT_EQ(db.fehlercode(), 0) << fall.kriterium;
    }
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST(Suche, FindNextBeginntNachDerAktuellenZeile)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    TestDatenbank f = suchtabelle();
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM [Grunddaten Gefäße]"), 3,
                         Kennwort::Artikeldatenbank, true), 0);
    const QString k = QStringLiteral("[Max, Betriebstemperatur in °C] = 120");
    QList<int> treffer;
    ASSERT_TRUE(db.Find(k));
    do
        treffer << db.GetFeld(QStringLiteral("Nr")).toLong();
    while (db.FindNext(k));
    EXPECT_EQ(treffer, (QList<int>{1, 2, 4}));
    EXPECT_TRUE(db.EofTab());
    EXPECT_FALSE(db.FindNext(k));
    // From BOF, FindNext starts at the first row.
    db.MoveFirst();
    db.MovePrevious();
    ASSERT_TRUE(db.FindNext(k));
    EXPECT_EQ(db.GetFeld(QStringLiteral("Nr")), VbVariant(1));
}

TEST(Suche, UngueltigeKriterienGebenCode4)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    TestDatenbank f = suchtabelle();
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM [Grunddaten Gefäße]"), 3,
                         Kennwort::Artikeldatenbank, true), 0);
    const char* const faelle[] = {
        "[Fehlt] = 1", "[Art Nr] = 'ab'c'", "[Art Nr] = 'offen", "[Art Nr] == 'x'", "[Art Nr] 'x'",
        "[Inhalt in ltr] = 'viel'", "[Art Nr] = abc", "[Art Nr] LIKE 4", "[Art Nr = 'x'",
        "[Geprüft] = 'kein Datum'", "[Art Nr] = 'a' AND [Nr] = 1",
    };
    for (const char* k : faelle) {
        rec.leeren();
        EXPECT_FALSE(db.Find(QString::fromUtf8(k))) << k;
        EXPECT_EQ(db.fehlercode(), dbFehlerFind) << k;
        const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
        ASSERT_EQ(b.size(), 1) << k;
        EXPECT_EQ(b[0].vorlage, vorlage(2401, 2406));
        EXPECT_EQ(b[0].werte[1], QString::fromUtf8(k));
        EXPECT_EQ(b[0].werte[3], QStringLiteral("4"));
    }
    // The search text of a failed key lookup is named in the message too.
    rec.leeren();
    EXPECT_TRUE(db.GetValFromStrgFeld(QStringLiteral("1"), QStringLiteral("Fehlt"), QStringLiteral("Nr")).isEmpty());
    const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].werte[1], QStringLiteral("[Fehlt] = '1'"));
}
