#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "data/DatenTestHilfen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Spaltentypen.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

TEST(JetDialekt, Uebersetzung)
{
    const struct { const char* jet; const char* sqlite; } faelle[] = {
        {"SELECT * FROM [Gruppen MAG] WHERE [Solar] = True ORDER BY [Gruppe]",
         "SELECT * FROM [Gruppen MAG] WHERE [Solar] = -1 ORDER BY [Gruppe]"},
        {"x = FALSE AND y=true", "x = 0 AND y=-1"},
        {"[True] = 'True' AND T.True = \"False\"", "[True] = 'True' AND T.True = 'False'"},
        {"a = \"O'Neil\"", "a = 'O''Neil'"},
        {"a = 'O''Neil'", "a = 'O''Neil'"},
        {"[Art Nr] LIKE '40*?'", "[Art Nr] LIKE '40%_'"},
        {"[Art Nr] Like \"5_%*\"", "[Art Nr] Like '5\\_\\%%' ESCAPE '\\'"},
        {"a = '*' AND b LIKE 'x*'", "a = '*' AND b LIKE 'x%'"},
        {"d > #12/31/2023# AND e = #2024-01-02 13:14:15#",
         "d > '2023-12-31 00:00:00' AND e = '2024-01-02 13:14:15'"},
        {"[Nr #1] = 1", "[Nr #1] = 1"},
        {"Select *FROM Speicher_Maße", "Select *FROM Speicher_Maße"},
        {"TrueWert = Falsch", "TrueWert = Falsch"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(JetDialekt::Übersetze(QString::fromUtf8(f.jet)), QString::fromUtf8(f.sqlite)) << f.jet;
}

TEST(JetDialekt, LiteraleUndEinfacheTabellen)
{
    EXPECT_EQ(JetDialekt::Textliteral(QStringLiteral("O'Ne'il")), QStringLiteral("'O''Ne''il'"));
    EXPECT_EQ(JetDialekt::Textliteral(QString()), QStringLiteral("''"));
    EXPECT_EQ(JetDialekt::Zahlliteral(1.5), QStringLiteral(" 1.5"));
    EXPECT_EQ(JetDialekt::Zahlliteral(-2), QStringLiteral("-2"));
    const struct { const char* sql; const char* tabelle; } faelle[] = {
        {"Select * From ProjekteTabelle", "ProjekteTabelle"},
        {"SELECT [Projekt Nr] FROM ProjekteTabelle ORDER BY [Projekt Nr]", "ProjekteTabelle"},
        {"Select * From [Kälteparameter] WHERE [Projekt Nr] = 'a FROM b'", "Kälteparameter"},
        {"Select *FROM SpeicherBedarfsKz WHERE [Projekt Nr] = '1' ORDER BY [WohnungsgruppenNr];",
         "SpeicherBedarfsKz"},
        {"SELECT DISTINCT [Druck] FROM [SiVSolaranlagen]", ""},
        {"SELECT * FROM A INNER JOIN B ON A.x = B.x", ""},
        {"SELECT * FROM A, B", ""},
        {"SELECT * FROM (SELECT * FROM A)", ""},
        {"SELECT COUNT(*) FROM A GROUP BY x", ""},
        {"DELETE FROM A", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(JetDialekt::EinfacheTabelle(QString::fromUtf8(f.sql)), QString::fromUtf8(f.tabelle)) << f.sql;
}

TEST(Spaltentypen, DeklarierteNamen)
{
    const struct { const char* deklaration; Spaltentyp typ; int laenge; } faelle[] = {
        {"BOOLEAN", Spaltentyp::Boolean, 0}, {"byte", Spaltentyp::Byte, 0},
        {"SHORT", Spaltentyp::Integer, 0},   {"INTEGER16", Spaltentyp::Integer, 0},
        {"LONG", Spaltentyp::Long, 0},       {"INTEGER", Spaltentyp::Long, 0},
        {"COUNTER", Spaltentyp::Counter, 0}, {"SINGLE", Spaltentyp::Single, 0},
        {"DOUBLE", Spaltentyp::Double, 0},   {"REAL", Spaltentyp::Double, 0},
        {"DATETIME", Spaltentyp::Datum, 0},  {"TEXT(50)", Spaltentyp::Text, 50},
        {"Text ( 2 )", Spaltentyp::Text, 2}, {"TEXT", Spaltentyp::Memo, 0},
        {"MEMO", Spaltentyp::Memo, 0},       {"", Spaltentyp::Unbekannt, 0},
        {"BLOB", Spaltentyp::Unbekannt, 0},
    };
    for (const auto& f : faelle) {
        const Spaltenart a = Spaltentypen::AusDeklaration(QString::fromLatin1(f.deklaration));
        EXPECT_EQ(a.typ, f.typ) << f.deklaration;
        EXPECT_EQ(a.laenge, f.laenge) << f.deklaration;
        if (a.typ != Spaltentyp::Unbekannt) {
            const Spaltenart zurueck = Spaltentypen::AusDeklaration(Spaltentypen::Deklaration(a.typ, a.laenge));
            EXPECT_EQ(zurueck.typ, a.typ) << f.deklaration;
        }
    }
}

namespace {

// A small article database with the names and joins the program's SQL texts use.
TestDatenbank artikelDaten()
{
    return TestDatenbank(
        {
            QStringLiteral("CREATE TABLE [Gruppen MAG] (Gruppe INTEGER, Bezeichnung TEXT, Heizung BOOLEAN, "
                           "Solar BOOLEAN, Austauschmembran BOOLEAN, Druckhalteautomat BOOLEAN, "
                           "[Max Betriebsdruck] REAL)"),
            QStringLiteral("INSERT INTO [Gruppen MAG] VALUES (3, 'MAG 10 bar', -1, -1, 0, 0, 10), "
                           "(1, 'MAG 3 bar', -1, 0, 0, 0, 3), (5, 'Austausch', -1, -1, -1, 0, 10), "
                           "(2, 'MAG 6 bar', -1, 0, 0, 0, 6)"),
            QStringLiteral("CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE, [Art Gr Berechn Prg] INTEGER, "
                           "[Inhalt in ltr] INTEGER, [Max, Betriebsdruck in bar] REAL, "
                           "[Max, Betriebstemperatur in °C] INTEGER, Vordruck REAL, [Durchmesser in mm] INTEGER, "
                           "[Höhe in mm] INTEGER, [MinderBreite in mm] INTEGER, [MinderHöhe in mm] INTEGER, "
                           "Umschreibung TEXT)"),
            QStringLiteral("INSERT INTO [Grunddaten Gefäße] VALUES "
                           "('40205', 2, 400, 6, 120, 1.5, 740, 1070, 20, 50, 'MAG 400 l'), "
                           "('40201', 2, 200, 6, 120, 1.5, 634, 760, 20, 50, 'MAG 200 l'), "
                           "('40299', 2, 200, 6, 110, 1.5, 634, 760, 20, 50, 'MAG 200 l heiß'), "
                           "('40206', 2, 1500, 6, 120, 1.5, 1000, 2100, 20, 100, 'zu breit')"),
            QStringLiteral("CREATE TABLE ARTIKEL (arArtikelnr TEXT COLLATE NOCASE, arKurztext1 TEXT, arPreis REAL, "
                           "ltLangtextnr INTEGER)"),
            QStringLiteral("INSERT INTO ARTIKEL VALUES ('40201', 'Gefäß 200 l', 255.0, 1), ('40205', 'Gefäß 400 l', "
                           "475.0, 1), ('40299', 'Gefäß heiß', 300, NULL)"),
            QStringLiteral("CREATE TABLE Artikel_Zusatz (artikelnr TEXT COLLATE NOCASE, dxfText TEXT)"),
            QStringLiteral("INSERT INTO Artikel_Zusatz VALUES ('40201', 'MAG 200'), ('40205', 'MAG 400')"),
            QStringLiteral("CREATE TABLE LANGTEXTE (ltLangtextnr INTEGER, ltText TEXT)"),
            QStringLiteral("INSERT INTO LANGTEXTE VALUES (1, 'Membran-Druckausdehnungsgefäß')"),
            QStringLiteral("CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr INTEGER, etText TEXT)"),
            QStringLiteral("INSERT INTO EINFUEGETEXTE VALUES (1, 'Durchmesser $$$$ mm, Höhe $$$$ mm')"),
            QStringLiteral("CREATE TABLE DIMENSIONSTEXTE (arArtikelnr TEXT COLLATE NOCASE, ltLangtextnr INTEGER, "
                           "diTextzeile TEXT)"),
            QStringLiteral("INSERT INTO DIMENSIONSTEXTE VALUES ('40201', 1, '634$760$'), ('40205', 1, '740$1070$')"),
            QStringLiteral("CREATE TABLE Speicher_Maße ([Art Gruppe] INTEGER, Nenninhalt INTEGER, "
                           "[Durchmesser in mm] INTEGER, [MinderBreite in mm] INTEGER, [Bauhöhe in mm] INTEGER, "
                           "[MinderHöhe in mm] INTEGER)"),
            QStringLiteral("INSERT INTO Speicher_Maße VALUES (50, 500, 700, 20, 1500, 50), (50, 300, 600, 20, 1300, 50), "
                           "(51, 300, 600, 20, 1300, 50)"),
            QStringLiteral("CREATE TABLE Speicher_Leistung ([Art Gruppe] INTEGER, Nenninhalt INTEGER, "
                           "Vorlauftemperatur INTEGER, Speichertemperatur INTEGER, Leistungskennzahl_1 REAL)"),
            QStringLiteral("INSERT INTO Speicher_Leistung VALUES (50, 500, 70, 60, 4.5), (50, 300, 70, 60, 2.4), "
                           "(50, 300, 80, 60, 3.0)"),
            QStringLiteral("CREATE TABLE Speicher_Typen ([Art Gruppe] INTEGER, Nenninhalt INTEGER, [Art Nr] TEXT, "
                           "Typ TEXT)"),
            QStringLiteral("INSERT INTO Speicher_Typen VALUES (50, 500, '35005', 'SW 500'), (50, 300, '35003', 'SW 300')"),
            QStringLiteral("CREATE TABLE [SiVSolaranlagen] (Druck REAL, Kollektorfläche INTEGER)"),
            QStringLiteral("INSERT INTO [SiVSolaranlagen] VALUES (3, 50), (6, 50), (3, 100), (6, 200), (10, 200)"),
        },
        Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db"));
}

QStringList spalte(datenbank& db, const QString& feld)
{
    QStringList werte;
    for (db.MoveFirst(); !db.EofTab(); db.MoveNext())
        werte << db.GetFeld(feld).toString();
    return werte;
}

class JetSql : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    MeldungsRecorder rec;
};

}  // namespace

TEST_F(JetSql, AbfragenDesProgrammsLaufenAufSQLite)
{
    TestDatenbank f = artikelDaten();
    const QString pw = Kennwort::Artikeldatenbank;
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From [Gruppen MAG]"), 3, pw, true), 0);

    ASSERT_EQ(db.NewSQL(QStringLiteral("SELECT * FROM [Gruppen MAG] WHERE [Heizung] = True AND [Austauschmembran] = 0 "
                                       "AND [Druckhalteautomat] = False AND [Max Betriebsdruck] >=  2.5 ORDER BY [Gruppe]"),
                        false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Gruppe")), (QStringList{"1", "2", "3"}));
    ASSERT_EQ(db.NewSQL(QStringLiteral("SELECT * FROM [Gruppen MAG] WHERE [Solar] = True AND [Max Betriebsdruck] >=  6 "
                                       "ORDER BY [Gruppe]"), false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Gruppe")), (QStringList{"3", "5"}));
    EXPECT_EQ(spalte(db, QStringLiteral("Solar")), (QStringList{"Wahr", "Wahr"}));

    // The vessel choice list: nested LEFT JOINs, names with commas and degree signs.
    ASSERT_EQ(db.NewSQL(QStringLiteral(
        "SELECT [Art Nr],[Umschreibung],[arKurztext1],[Durchmesser in mm],[Höhe in mm],[arPreis],"
        "[Max, Betriebsdruck in bar],[Inhalt in ltr],[Art Gr Berechn Prg],[Vordruck],DIMENSIONSTEXTE.[diTextzeile],"
        "EINFUEGETEXTE.[etText],LANGTEXTE.[ltText] FROM (([Grunddaten Gefäße] LEFT JOIN ARTIKEL ON "
        "[Grunddaten Gefäße].[Art Nr] = ARTIKEL.[arArtikelnr]) LEFT JOIN (DIMENSIONSTEXTE LEFT JOIN EINFUEGETEXTE ON "
        "DIMENSIONSTEXTE.[ltLangtextnr] = EINFUEGETEXTE.[etEinfuegetextnr]) ON ARTIKEL.[arArtikelnr] = "
        "DIMENSIONSTEXTE.[arArtikelnr]) LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = LANGTEXTE.[ltLangtextnr] "
        "WHERE [Art Gr Berechn Prg] =  2 AND [Max, Betriebsdruck in bar] >=  6 AND ([Durchmesser in mm] + "
        "[MinderBreite in mm]) <=  1000 ORDER BY [Inhalt in ltr],[Max, Betriebstemperatur in °C],"
        "[Max, Betriebsdruck in bar]"), false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Art Nr")), (QStringList{"40299", "40201", "40205"}));
    EXPECT_EQ(spalte(db, QStringLiteral("diTextzeile")), (QStringList{"", "634$760$", "740$1070$"}));
    EXPECT_EQ(spalte(db, QStringLiteral("ltText")), (QStringList{"", "Membran-Druckausdehnungsgefäß",
                                                                  "Membran-Druckausdehnungsgefäß"}));
    ASSERT_TRUE(db.Find(QStringLiteral("[Inhalt in ltr] >= '300'")));
    EXPECT_EQ(db.GetFeld(QStringLiteral("Art Nr")), VbVariant("40205"));
    EXPECT_EQ(db.GetFeld(QStringLiteral("Max, Betriebsdruck in bar")), VbVariant(6.0));

    // The article view of the data objects.
    ASSERT_EQ(db.NewSQL(QStringLiteral("SELECT [arArtikelnr],[arKurztext1],[arPreis],[ltLangtextnr],[dxfText] FROM "
                                       "ARTIKEL INNER JOIN Artikel_Zusatz ON ARTIKEL.[arArtikelnr] = "
                                       "Artikel_Zusatz.[artikelnr]"), false), 0);
    EXPECT_EQ(db.GetValFromStrgFeld(QStringLiteral("40205"), QStringLiteral("arArtikelnr"), QStringLiteral("dxfText")),
              VbVariant("MAG 400"));
    EXPECT_TRUE(db.GetValFromStrgFeld(QStringLiteral("40299"), QStringLiteral("arArtikelnr"),
                                      QStringLiteral("dxfText")).isEmpty());

    // SELECT * over joins: the repeated names are qualified with their table.
    ASSERT_EQ(db.NewSQL(QStringLiteral(
        "Select *FROM (Speicher_Maße LEFT JOIN Speicher_Leistung ON (Speicher_Maße.[Art Gruppe] = "
        "Speicher_Leistung.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = Speicher_Leistung.[Nenninhalt])) LEFT JOIN "
        "Speicher_Typen ON (Speicher_Maße.[Art Gruppe] = Speicher_Typen.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = "
        "Speicher_Typen.[Nenninhalt]) WHERE Speicher_Maße.[Art Gruppe] =  50 AND [Vorlauftemperatur] =  70 AND "
        "[Speichertemperatur] =  60 AND ([Durchmesser in mm] + [MinderBreite in mm]) <=  1000 AND ([Bauhöhe in mm] + "
        "[MinderHöhe in mm]) <=  2000 ORDER BY Speicher_Maße.[Nenninhalt],[Art Nr]"), false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Speicher_Maße.Nenninhalt")), (QStringList{"300", "500"}));
    EXPECT_EQ(spalte(db, QStringLiteral("Speicher_Typen.Nenninhalt")), (QStringList{"300", "500"}));
    EXPECT_EQ(spalte(db, QStringLiteral("Art Nr")), (QStringList{"35003", "35005"}));
    EXPECT_EQ(spalte(db, QStringLiteral("Leistungskennzahl_1")), (QStringList{"2,4", "4,5"}));
    auto rs = db.GetADODB_Recordset();
    QStringList namen;
    for (int i = 0; i < rs->FeldAnzahl(); ++i)
        namen << rs->FeldName(i);
    EXPECT_EQ(namen, (QStringList{"Speicher_Maße.Art Gruppe", "Speicher_Maße.Nenninhalt", "Durchmesser in mm",
                                  "MinderBreite in mm", "Bauhöhe in mm", "MinderHöhe in mm",
                                  "Speicher_Leistung.Art Gruppe", "Speicher_Leistung.Nenninhalt",
                                  "Vorlauftemperatur", "Speichertemperatur", "Leistungskennzahl_1",
                                  "Speicher_Typen.Art Gruppe", "Speicher_Typen.Nenninhalt", "Art Nr", "Typ"}));
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
    // The plain name is not there.
    db.MoveFirst();
    EXPECT_TRUE(db.GetFeld(QStringLiteral("Nenninhalt")).isEmpty());
    EXPECT_EQ(db.fehlercode(), dbFehlerRead);
    rec.leeren();

    // The tank list: "]FROM", "))LEFT JOIN", four nested joins, a selected qualified name.
    ASSERT_EQ(db.NewSQL(QStringLiteral(
        "SELECT [Art Nr],[Typ],[Durchmesser in mm],[Bauhöhe in mm],[arKurztext1],[arPreis],[Leistungskennzahl_1],"
        "Speicher_Maße.[Nenninhalt],Speicher_Maße.[Art Gruppe],DIMENSIONSTEXTE.[diTextzeile],EINFUEGETEXTE.[etText],"
        "LANGTEXTE.[ltText]FROM ((((Speicher_Maße LEFT JOIN Speicher_Leistung ON (Speicher_Maße.[Art Gruppe] = "
        "Speicher_Leistung.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = Speicher_Leistung.[Nenninhalt])) LEFT JOIN "
        "Speicher_Typen ON (Speicher_Maße.[Art Gruppe] = Speicher_Typen.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = "
        "Speicher_Typen.[Nenninhalt]))LEFT JOIN ARTIKEL ON Speicher_Typen.[Art Nr] = ARTIKEL.[arArtikelnr]) LEFT JOIN "
        "(DIMENSIONSTEXTE LEFT JOIN EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = EINFUEGETEXTE.[etEinfuegetextnr]) "
        "ON ARTIKEL.[arArtikelnr] = DIMENSIONSTEXTE.[arArtikelnr]) LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = "
        "LANGTEXTE.[ltLangtextnr] WHERE Speicher_Maße.[Art Gruppe] =  50 AND [Vorlauftemperatur] =  70 AND "
        "([Leistungskennzahl_1] >=  2.4 Or [Leistungskennzahl_1] >=  9) ORDER BY Speicher_Maße.[Nenninhalt],[Art Nr]"),
                        false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Nenninhalt")), (QStringList{"300", "500"}));
    EXPECT_EQ(spalte(db, QStringLiteral("Typ")), (QStringList{"SW 300", "SW 500"}));

    ASSERT_EQ(db.NewSQL(QStringLiteral("SELECT DISTINCT [Druck] FROM [SiVSolaranlagen] WHERE [Kollektorfläche] >=  100 "
                                       "ORDER BY [Druck]"), false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Druck")), (QStringList{"3", "6", "10"}));
    ASSERT_EQ(db.NewSQL(QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Umschreibung] LIKE '*heiß' "
                                       "OR [Art Nr] LIKE \"4020?\""), false), 0);
    EXPECT_EQ(spalte(db, QStringLiteral("Art Nr")), (QStringList{"40205", "40201", "40299", "40206"}));
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(JetSql, ArtikeldatenbankIstNurLesbar)
{
    TestDatenbank f = artikelDaten();
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ARTIKEL"), 3, Kennwort::Artikeldatenbank, true), 0);
    EXPECT_TRUE(db.Verbindung()->nurLesen());
    db.SetFeld(QStringLiteral("arPreis"), VbVariant(1.0));
    EXPECT_EQ(db.fehlercode(), dbFehlerWrite);
    EXPECT_FALSE(db.AddNew());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT arPreis FROM ARTIKEL WHERE arArtikelnr = '40201'")).toDouble(), 255.0);
    // Not even the connection itself writes.
    QSqlQuery q(db.Verbindung()->db());
    EXPECT_FALSE(q.exec(QStringLiteral("DELETE FROM ARTIKEL")));
}
