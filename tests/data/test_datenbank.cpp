#include <QFile>
#include <QSqlDatabase>
#include <gtest/gtest.h>

#include <functional>

#include "data/DatenTestHilfen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Spaltentypen.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

namespace {

const QString pw = Kennwort::Projektdatenbank;

// Projects table with a few rows.
TestDatenbank projekte(const QStringList& zeilen)
{
    QStringList sql{QStringLiteral("CREATE TABLE ProjekteTabelle (ProjektKey COUNTER, [Projekt Nr] TEXT(15), "
                                   "Bauherr TEXT(50), Anzahl LONG, Stand DATETIME)")};
    for (const QString& z : zeilen)
        sql << QStringLiteral("INSERT INTO ProjekteTabelle (ProjektKey, [Projekt Nr], Bauherr) VALUES (%1)").arg(z);
    return TestDatenbank(sql);
}

class DatenbankTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    MeldungsRecorder rec;
};

}  // namespace

TEST_F(DatenbankTest, LeeresRecordsetLiefertNeutraleErgebnisseOhneMeldung)
{
    TestDatenbank f = projekte({});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    EXPECT_TRUE(db.RecordsetIsOpen());
    EXPECT_TRUE(db.EmptyTab());
    EXPECT_TRUE(db.BofOrEofTab());
    EXPECT_TRUE(db.GetFeld(QStringLiteral("Bauherr")).isEmpty());
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("x"));
    EXPECT_FALSE(db.Find(QStringLiteral("[Projekt Nr] = '1'")));
    EXPECT_FALSE(db.FindNext(QStringLiteral("[Projekt Nr] = '1'")));
    db.MoveFirst();
    db.MoveLast();
    db.MoveNext();
    db.MovePrevious();
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(db.GetNumMaxwert(QStringLiteral("Projekt Nr")), VbVariant(0));
    EXPECT_EQ(db.GetNumValueEqualOrNextHigh(QStringLiteral("Anzahl"), VbVariant(3)), VbVariant(0));
    EXPECT_EQ(db.GetAlphanumMaxwert(QStringLiteral("Projekt Nr")), QString());
    EXPECT_FALSE(db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), QStringLiteral("1")));
    EXPECT_FALSE(db.DeleteSatzBookmark());
    EXPECT_EQ(db.fehlercode(), 0);
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 0);
}

TEST_F(DatenbankTest, NachErfolglosemFindStehtEsAmEndeUndLesenMeldetCode5)
{
    TestDatenbank f = projekte({QStringLiteral("1, '100', 'Meier'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    EXPECT_FALSE(db.Find(QStringLiteral("[Projekt Nr] = '999'")));
    EXPECT_TRUE(db.EofTab());
    EXPECT_TRUE(db.GetFeld(QStringLiteral("Bauherr")).isEmpty());
    EXPECT_EQ(db.fehlercode(), dbFehlerRead);
    const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2401, 2407));
    ASSERT_EQ(b[0].werte.size(), 4);
    EXPECT_EQ(b[0].werte[1], QStringLiteral("Bauherr"));
    EXPECT_EQ(b[0].werte[2], QStringLiteral("Select * From ProjekteTabelle"));
    EXPECT_EQ(b[0].werte[3], QStringLiteral("5"));
}

TEST_F(DatenbankTest, FeldMitNullLiestSichAlsEmpty)
{
    TestDatenbank f = projekte({QStringLiteral("1, '100', NULL")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    const VbVariant w = db.GetFeld(QStringLiteral("Bauherr"));
    EXPECT_TRUE(w.isEmpty());
    EXPECT_EQ(db.fehlercode(), 0);
}

TEST_F(DatenbankTest, SchreibenUndNeuerSatzErreichenDieDatei)
{
    TestDatenbank f = projekte({QStringLiteral("1, '100', 'Meier'")});
    {
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
        ASSERT_TRUE(db.Find(QStringLiteral("[Projekt Nr] = '100'")));
        db.SetFeld(QStringLiteral("Bauherr"), VbVariant("Müller"));
        EXPECT_TRUE(db.UpdateTab());
        db.AddNew();
        db.SetFeld(QStringLiteral("Projekt Nr"), VbVariant("101"));
        EXPECT_TRUE(db.UpdateTab());
        EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(2));
        EXPECT_EQ(db.GetFeld(QStringLiteral("Projekt Nr")), VbVariant("101"));
    }
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE [Projekt Nr] = '100'")).toString(),
              QStringLiteral("Müller"));
    EXPECT_EQ(f.wert(QStringLiteral("SELECT ProjektKey FROM ProjekteTabelle WHERE [Projekt Nr] = '101'")).toInt(), 2);
    // The counter is set also when the query does not select it.
    {
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT [Projekt Nr] FROM ProjekteTabelle ORDER BY [Projekt Nr]"), 3,
                             pw, true), 0);
        db.AddNew();
        db.SetFeld(QStringLiteral("Projekt Nr"), VbVariant("099"));
        EXPECT_TRUE(db.UpdateTab());
    }
    EXPECT_EQ(f.wert(QStringLiteral("SELECT ProjektKey FROM ProjekteTabelle WHERE [Projekt Nr] = '099'")).toInt(), 3);
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, FalschesKennwortGibtCode1)
{
    TestDatenbank f = projekte({});
    for (const bool anzeige : {false, true}) {
        rec.leeren();
        datenbank db;
        EXPECT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2,
                             Kennwort::Artikeldatenbank, anzeige), 1);
        EXPECT_EQ(db.fehlercode(), dbFehlerConnectionOpen);
        EXPECT_FALSE(db.RecordsetIsOpen());
        const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
        if (!anzeige) {
            EXPECT_TRUE(b.isEmpty());
        } else {
            ASSERT_EQ(b.size(), 1);
            EXPECT_EQ(b[0].vorlage, vorlage(2400, 2403));
            ASSERT_EQ(b[0].werte.size(), 3);
            EXPECT_EQ(b[0].werte[1], QStringLiteral("Select * From ProjekteTabelle"));
            EXPECT_EQ(b[0].werte[2], QStringLiteral("1"));
        }
    }
}

TEST_F(DatenbankTest, FehlendeDateiGibtCode1UndLegtKeineAn)
{
    TestDatenbank f = projekte({});
    const QString fehlt = f.ordner() + QStringLiteral("/fehlt.db");
    datenbank db;
    EXPECT_EQ(db.OpenTab(fehlt, QStringLiteral("Select * From ProjekteTabelle"), 2, pw, false), 1);
    EXPECT_FALSE(QFile::exists(fehlt));
    EXPECT_TRUE(db.EmptyTab());
}

TEST_F(DatenbankTest, UngueltigeAbfrageGibtCode2Oder3)
{
    TestDatenbank f = projekte({QStringLiteral("1, '100', 'Meier'")});
    datenbank db;
    EXPECT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From Fehlt"), 2, pw, false), 2);
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
    EXPECT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From Fehlt"), 2, pw, true), 2);
    auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2400, 2404));

    rec.leeren();
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    EXPECT_EQ(db.NewSQL(QStringLiteral("Select * Fro ProjekteTabelle"), false), 3);
    EXPECT_EQ(db.fehlercode(), dbFehlerNewSQL);
    EXPECT_FALSE(db.RecordsetIsOpen());
    b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2400, 2405));
    EXPECT_EQ(b[0].werte[1], QStringLiteral("Select * Fro ProjekteTabelle"));
    EXPECT_EQ(b[0].werte[2], QStringLiteral("3"));
    EXPECT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle WHERE [Projekt Nr] = '100'"), false), 0);
    EXPECT_TRUE(db.RecordsetIsOpen());
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("Meier"));
}

TEST_F(DatenbankTest, NewSQLSpeichertOderVerwirftDieAusstehendeAenderung)
{
    TestDatenbank f = projekte({QStringLiteral("1, '100', 'Meier'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("Verworfen"));
    ASSERT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle"), false), 0);
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("Meier"));
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("Gespeichert"));
    ASSERT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle"), true), 0);
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("Gespeichert"));
}

TEST_F(DatenbankTest, MaximaUndNaechsterWert)
{
    struct Fall {
        QStringList werte;  // values of [Projekt Nr] in row order
        QString numMax;
        QString alphaMax;
    };
    const Fall faelle[] = {
        {{"12", "7", "A3", "0020"}, "20", "A3"},
        {{"A3", "B"}, "0", "B"},
        {{"5", "9", "7", "8"}, "9", "9"},
        {{"-4", ""}, "0", "0"},
        {{"1E3", "2D1", "12", "7"}, "12", "7"},  // exponent forms have letters: no numbers here
    };
    for (const Fall& fall : faelle) {
        QStringList zeilen;
        for (int i = 0; i < fall.werte.size(); ++i)
            zeilen << QStringLiteral("%1, '%2', 'x'").arg(i + 1).arg(fall.werte[i]);
        TestDatenbank f = projekte(zeilen);
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
        db.MoveLast();
        EXPECT_EQ(db.GetNumMaxwert(QStringLiteral("Projekt Nr")).toString(), fall.numMax) << fall.werte.join(',').toStdString();
        EXPECT_EQ(db.GetAlphanumMaxwert(QStringLiteral("Projekt Nr")), fall.alphaMax) << fall.werte.join(',').toStdString();
        // The position is kept.
        EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(static_cast<int>(fall.werte.size())));
    }
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, NaechsthoehererWert)
{
    TestDatenbank f = projekte({});
    f.ausfuehren({QStringLiteral("INSERT INTO ProjekteTabelle (ProjektKey, Anzahl) VALUES (1, 5), (2, 9), (3, 7)")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
    const struct { VbVariant such; VbVariant erwartet; } faelle[] = {
        {VbVariant(6), VbVariant(9)},   {VbVariant(10), VbVariant(7)}, {VbVariant(5), VbVariant(5)},
        {VbVariant("8"), VbVariant(9)}, {VbVariant("x"), VbVariant(0)},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(db.GetNumValueEqualOrNextHigh(QStringLiteral("Anzahl"), fall.such), fall.erwartet)
            << fall.such.toString().toStdString();
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(1));
    // An unknown field: one message with code 10.
    EXPECT_EQ(db.GetNumMaxwert(QStringLiteral("Fehlt")), VbVariant(0));
    EXPECT_EQ(db.fehlercode(), dbFehlerDurchlauf);
    const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2401, 2412));
    EXPECT_EQ(b[0].werte[1], QStringLiteral("Fehlt"));
}

TEST_F(DatenbankTest, MaximumAmEndeBehaeltDieStellung)
{
    TestDatenbank f = projekte({QStringLiteral("1, '3', 'a'"), QStringLiteral("2, '4', 'b'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
    EXPECT_FALSE(db.Find(QStringLiteral("[Projekt Nr] = '9'")));
    EXPECT_EQ(db.GetNumMaxwert(QStringLiteral("Projekt Nr")), VbVariant(4));
    EXPECT_TRUE(db.EofTab());
    EXPECT_EQ(db.GetAlphanumMaxwert(QStringLiteral("Projekt Nr")), QStringLiteral("4"));
    EXPECT_TRUE(db.EofTab());
}

TEST_F(DatenbankTest, LoeschenMitBookmark)
{
    {
        TestDatenbank f = projekte({QStringLiteral("1, '100', 'a'")});
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
        EXPECT_FALSE(db.DeleteSatzBookmark());
        EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 1);
        EXPECT_EQ(db.GetFeld(QStringLiteral("Projekt Nr")), VbVariant("100"));
    }
    const struct { int aktuell; int danach; } faelle[] = {{1, 2}, {2, 1}, {3, 2}};
    for (const auto& fall : faelle) {
        TestDatenbank f = projekte({QStringLiteral("1, '1', 'a'"), QStringLiteral("2, '2', 'b'"),
                                    QStringLiteral("3, '3', 'c'")});
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
        ASSERT_TRUE(db.Find(QStringLiteral("[ProjektKey] = %1").arg(fall.aktuell)));
        EXPECT_TRUE(db.DeleteSatzBookmark());
        EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(fall.danach));
        EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle WHERE ProjektKey = %1").arg(fall.aktuell))
                      .toInt(), 0);
        EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 2);
    }
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, LoeschenMitFeldNimmtNurDenErstenTreffer)
{
    TestDatenbank f = projekte({QStringLiteral("1, '7', 'a'"), QStringLiteral("2, '8', 'b'"),
                                QStringLiteral("3, '7', 'c'"), QStringLiteral("4, '7', 'd'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle WHERE [Projekt Nr] = '7'"), 2, pw,
                         true), 0);
    EXPECT_TRUE(db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), QStringLiteral("7")));
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle WHERE [Projekt Nr] = '7'")).toInt(), 2);
    // The loop of the callers: delete, move on, until the end; every matching row goes.
    db.MoveNext();
    while (!db.EofTab()) {
        db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), QStringLiteral("7"));
        db.MoveNext();
    }
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 1);
    EXPECT_FALSE(db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), QStringLiteral("7")));
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, WertMitHochkommaBrichtKeinKriterium)
{
    const QString nr = QStringLiteral("O'Neil 7");
    TestDatenbank f = projekte({QStringLiteral("1, 'A', 'a'"),
                                QStringLiteral("2, %1, 'b'").arg(JetDialekt::Textliteral(nr))});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(),
                         QStringLiteral("Select * From ProjekteTabelle WHERE [Projekt Nr] = ") + JetDialekt::Textliteral(nr),
                         2, pw, true), 0);
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("b"));
    ASSERT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle"), false), 0);
    EXPECT_EQ(db.GetValFromStrgFeld(nr, QStringLiteral("Projekt Nr"), QStringLiteral("Bauherr")), VbVariant("b"));
    EXPECT_TRUE(db.Find(QStringLiteral("[Projekt Nr] = 'O''Neil 7'")));
    EXPECT_EQ(db.GetAlphanumMaxwert(QStringLiteral("Projekt Nr")), nr);
    EXPECT_TRUE(db.DeleteSatzMitFeld(QStringLiteral("Projekt Nr"), nr));
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 1);
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, WerteNachSchluessel)
{
    TestDatenbank f({QStringLiteral("CREATE TABLE ARTIKEL (arArtikelnr TEXT COLLATE NOCASE, arPreis DOUBLE, Stufe DOUBLE)"),
                     QStringLiteral("INSERT INTO ARTIKEL VALUES ('17791', 12.5, 1.5), ('24120', 12.125, 2)")},
                    Kennwort::Artikeldatenbank);
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM ARTIKEL"), 3, Kennwort::Artikeldatenbank, true), 0);
    const struct { VbVariant wert; QString feld; VbVariant erwartet; } faelle[] = {
        {VbVariant("17791"), "arArtikelnr", VbVariant(12.5)},
        {VbVariant(17791), "arArtikelnr", VbVariant(12.5)},
        {VbVariant(1.5), "Stufe", VbVariant(12.5)},
        {VbVariant(" "), "arArtikelnr", VbVariant()},
        {VbVariant(""), "arArtikelnr", VbVariant()},
        {VbVariant::null(), "arArtikelnr", VbVariant()},
        {VbVariant(4711), "arArtikelnr", VbVariant()},
    };
    for (const auto& fall : faelle) {
        const VbVariant w = db.GetValFromFeld(fall.wert, fall.feld, QStringLiteral("arPreis"));
        EXPECT_EQ(w.typ(), fall.erwartet.typ()) << fall.wert.toString().toStdString();
        EXPECT_EQ(w, fall.erwartet) << fall.wert.toString().toStdString();
    }
    EXPECT_EQ(db.GetValFromStrgFeld(QStringLiteral("24120"), QStringLiteral("arArtikelnr"), QStringLiteral("arPreis")),
              VbVariant(12.125));
    // One blank: nothing is searched, the position stays.
    ASSERT_TRUE(db.Find(QStringLiteral("[arArtikelnr] = '24120'")));
    EXPECT_TRUE(db.GetValFromStrgFeld(QStringLiteral(" "), QStringLiteral("Fehlt"), QStringLiteral("arPreis")).isEmpty());
    EXPECT_EQ(db.GetFeld(QStringLiteral("arArtikelnr")), VbVariant("24120"));
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(DatenbankTest, DeklarierteTypenGeltenBeimSchreiben)
{
    TestDatenbank f({QStringLiteral("CREATE TABLE T (Id LONG, B BYTE, I SHORT, L LONG, S SINGLE, D DOUBLE, "
                                    "T5 TEXT(5), M MEMO, J BOOLEAN, Z DATETIME, K COUNTER)"),
                     QStringLiteral("INSERT INTO T (Id, K) VALUES (1, 1)")});
    struct Fall {
        const char* feld;
        VbVariant wert;
        bool ok;
        QVariant gespeichert;  // as SQLite holds it afterwards
    };
    const Fall faelle[] = {
        {"B", VbVariant(254.5), true, 254},           {"B", VbVariant(255.5), false, {}},
        {"B", VbVariant(-0.5), true, 0},              {"B", VbVariant(-1), false, {}},
        {"I", VbVariant(32767.5), false, {}},         {"I", VbVariant(-32768.5), true, -32768},
        {"I", VbVariant("12,5"), true, 12},           {"I", VbVariant("abc"), false, {}},
        {"L", VbVariant(2.5), true, 2},               {"L", VbVariant(3.5), true, 4},
        {"L", VbVariant(2147483648.0), false, {}},    {"L", VbVariant(true), true, -1},
        {"S", VbVariant(0.1), true, static_cast<double>(0.1f)},
        {"S", VbVariant(1e39), false, {}},            {"D", VbVariant(0.1), true, 0.1},
        {"T5", VbVariant("abcde"), true, "abcde"},    {"T5", VbVariant("abcdef"), false, {}},
        {"T5", VbVariant(12.5), true, "12,5"},        {"M", VbVariant(QString(300, QLatin1Char('x'))), true, QString(300, QLatin1Char('x'))},
        {"J", VbVariant(true), true, -1},             {"J", VbVariant(false), true, 0},
        {"J", VbVariant(5), true, -1},                {"J", VbVariant("Wahr"), true, -1},
        {"J", VbVariant("vielleicht"), false, {}},
        {"Z", VbVariant::datum(QDateTime(QDate(2024, 2, 29), QTime(13, 5), Qt::UTC)), true, "2024-02-29 13:05:00"},
        {"Z", VbVariant("31.12.2023"), true, "2023-12-31 00:00:00"},
        {"Z", VbVariant("kein Datum"), false, {}},
        {"K", VbVariant(5), false, {}},
        {"T5", VbVariant(), true, QVariant()},
    };
    for (const Fall& fall : faelle) {
        rec.leeren();
        f.ausfuehren({QStringLiteral("UPDATE T SET %1 = NULL").arg(QLatin1String(fall.feld))});
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From T"), 2, pw, true), 0);
        db.SetFeld(QString::fromLatin1(fall.feld), fall.wert);
        const std::string name = std::string(fall.feld) + " <- " + fall.wert.toString().toStdString();
        EXPECT_EQ(db.fehlercode(), fall.ok ? 0 : dbFehlerWrite) << name;
        const auto b = boxenDerArt(rec, Meldungsart::Datenbankfehler);
        EXPECT_EQ(b.size(), fall.ok ? 0 : 1) << name;
        if (!fall.ok && !b.isEmpty()) {
            EXPECT_EQ(b[0].vorlage, vorlage(2401, 2408)) << name;
            EXPECT_EQ(b[0].werte[1], QString::fromLatin1(fall.feld)) << name;
            EXPECT_EQ(b[0].werte[3], QStringLiteral("6")) << name;
        }
        // A failed write keeps the code, so the update does nothing.
        db.UpdateTab();
        const QVariant ist = f.wert(QStringLiteral("SELECT %1 FROM T").arg(QLatin1String(fall.feld)));
        if (fall.ok && fall.gespeichert.isValid()) {
            EXPECT_EQ(ist.toString(), fall.gespeichert.toString()) << name;
        } else if (fall.feld != std::string("K")) {
            EXPECT_TRUE(ist.isNull()) << name;
        }
    }
}

TEST_F(DatenbankTest, DeklarierteTexttypenBehaltenZiffernfolgen)
{
    // Texts that look like numbers stay texts in the columns Deklaration() declares.
    const struct { Spaltentyp typ; int laenge; const char* wert; } faelle[] = {
        {Spaltentyp::Memo, 0, "0012"}, {Spaltentyp::Memo, 0, "1e3"}, {Spaltentyp::Memo, 0, " 5 "},
        {Spaltentyp::Text, 5, "007"},  {Spaltentyp::Text, 5, "2.50"},
    };
    for (const auto& fall : faelle) {
        const QString deklaration = Spaltentypen::Deklaration(fall.typ, fall.laenge);
        const std::string name = deklaration.toStdString() + " <- " + fall.wert;
        EXPECT_EQ(Spaltentypen::AusDeklaration(deklaration).typ, fall.typ) << name;
        TestDatenbank f({QStringLiteral("CREATE TABLE T (Id COUNTER, W %1)").arg(deklaration)});
        {
            datenbank db;
            ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From T"), 2, pw, true), 0);
            db.AddNew();
            db.SetFeld(QStringLiteral("W"), VbVariant(fall.wert));
            EXPECT_TRUE(db.UpdateTab()) << name;
        }
        EXPECT_EQ(f.wert(QStringLiteral("SELECT typeof(W) FROM T")).toString(), QStringLiteral("text")) << name;
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From T"), 2, pw, true), 0);
        EXPECT_EQ(db.GetFeld(QStringLiteral("W")), VbVariant(fall.wert)) << name;
    }
}

TEST_F(DatenbankTest, WerteKommenMitIhremTypZurueck)
{
    TestDatenbank f({QStringLiteral("CREATE TABLE T (B BYTE, I SHORT, L LONG, S SINGLE, D DOUBLE, T5 TEXT(5), "
                                    "J BOOLEAN, Z DATETIME, U)"),
                     QStringLiteral("INSERT INTO T VALUES (7, -3, 70000, 0.5, 2.25, 'ab', -1, '2024-01-02 03:04:05', 'frei')")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From T"), 2, pw, true), 0);
    using T = VbVariant::Typ;
    const struct { const char* feld; T typ; VbVariant wert; } faelle[] = {
        {"B", T::Byte, VbVariant::byte(7)},      {"I", T::Integer, VbVariant::integer(-3)},
        {"L", T::Long, VbVariant(70000)},        {"S", T::Single, VbVariant(0.5f)},
        {"D", T::Double, VbVariant(2.25)},       {"T5", T::String, VbVariant("ab")},
        {"J", T::Boolean, VbVariant(true)},
        {"Z", T::Date, VbVariant::datum(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC))},
        {"U", T::String, VbVariant("frei")},
    };
    for (const auto& fall : faelle) {
        const VbVariant w = db.GetFeld(QString::fromLatin1(fall.feld));
        EXPECT_EQ(w.typ(), fall.typ) << fall.feld;
        EXPECT_EQ(w, fall.wert) << fall.feld;
    }
}

TEST_F(DatenbankTest, AusstehendeAenderungWirdBeimBewegenGespeichert)
{
    TestDatenbank f = projekte({QStringLiteral("1, '1', 'a'"), QStringLiteral("2, '2', 'b'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("neu"));
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("neu"));
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE ProjektKey = 1")).toString(),
              QStringLiteral("a"));
    db.MoveNext();
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE ProjektKey = 1")).toString(),
              QStringLiteral("neu"));
    // CancelUpdate discards; AddNew then CancelUpdate returns to the last row.
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("weg"));
    db.CancelUpdateTab();
    EXPECT_EQ(db.GetFeld(QStringLiteral("Bauherr")), VbVariant("b"));
    db.MoveFirst();
    db.AddNew();
    EXPECT_FALSE(db.BofOrEofTab());
    EXPECT_TRUE(db.GetFeld(QStringLiteral("Projekt Nr")).isEmpty());
    db.SetFeld(QStringLiteral("Projekt Nr"), VbVariant("3"));
    db.CancelUpdateTab();
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(2));
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM ProjekteTabelle")).toInt(), 2);
    // A new row is saved by a move as well.
    db.AddNew();
    db.SetFeld(QStringLiteral("Projekt Nr"), VbVariant("3"));
    db.MoveFirst();
    EXPECT_EQ(f.wert(QStringLiteral("SELECT ProjektKey FROM ProjekteTabelle WHERE [Projekt Nr] = '3'")).toInt(), 3);
    db.MoveLast();
    EXPECT_EQ(db.GetFeld(QStringLiteral("Projekt Nr")), VbVariant("3"));
    // A failed SetFeld keeps its code: the update does nothing until an operation resets it.
    db.MoveFirst();
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("wartet"));
    db.SetFeld(QStringLiteral("Anzahl"), VbVariant("viele"));
    EXPECT_EQ(db.fehlercode(), dbFehlerWrite);
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE ProjektKey = 1")).toString(),
              QStringLiteral("neu"));
    db.GetFeld(QStringLiteral("Bauherr"));
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE ProjektKey = 1")).toString(),
              QStringLiteral("wartet"));
    // AddNew on an empty recordset, CancelUpdate: empty again.
    ASSERT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle WHERE ProjektKey = 0"), true), 0);
    db.AddNew();
    EXPECT_FALSE(db.EmptyTab());
    db.CancelUpdateTab();
    EXPECT_TRUE(db.EmptyTab());
}

TEST_F(DatenbankTest, LesezeichenBehaltenIhreZeile)
{
    TestDatenbank f = projekte({QStringLiteral("1, '1', 'a'"), QStringLiteral("2, '2', 'b'"),
                                QStringLiteral("3, '3', 'c'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
    ASSERT_TRUE(db.Find(QStringLiteral("[ProjektKey] = 2")));
    ASSERT_TRUE(db.SetBookmark());
    const VbVariant marke3 = [&] { db.MoveLast(); return db.Bookmark(); }();
    // AddNew + Update, AddNew + CancelUpdate, an edit, the deletion of another row.
    db.AddNew();
    db.SetFeld(QStringLiteral("Projekt Nr"), VbVariant("4"));
    db.UpdateTab();
    db.AddNew();
    db.CancelUpdateTab();
    db.MoveFirst();
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant("x"));
    db.UpdateTab();
    EXPECT_TRUE(db.DeleteSatzBookmark());
    ASSERT_TRUE(db.GoToBookmark());
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(2));
    ASSERT_TRUE(db.Bookmark(marke3));
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(3));
    // Bookmarks need a current row; a bookmark of a deleted row is refused.
    const VbVariant marke2 = [&] { db.GoToBookmark(); return db.Bookmark(); }();
    EXPECT_TRUE(db.DeleteSatzBookmark());
    EXPECT_FALSE(db.Bookmark(marke2));
    EXPECT_FALSE(db.LetzterFehler().isEmpty());
    db.MoveLast();
    db.MoveNext();
    EXPECT_TRUE(db.Bookmark().isEmpty());
    EXPECT_FALSE(db.SetBookmark());
}

TEST_F(DatenbankTest, BewegungenAnDenRaendern)
{
    TestDatenbank f = projekte({QStringLiteral("1, '1', 'a'"), QStringLiteral("2, '2', 'b'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 3, pw, true), 0);
    EXPECT_FALSE(db.BofTab());
    db.MovePrevious();
    EXPECT_TRUE(db.BofTab());
    EXPECT_FALSE(db.EofTab());
    db.MovePrevious();
    EXPECT_TRUE(db.BofTab());
    db.MoveNext();
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(1));
    db.MoveLast();
    db.MoveNext();
    EXPECT_TRUE(db.EofTab());
    db.MoveNext();
    EXPECT_TRUE(db.EofTab());
    EXPECT_TRUE(db.BofOrEofTab());
    EXPECT_FALSE(db.EmptyTab());
    db.MovePrevious();
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(2));
    // UpdateTab without a current row goes to the first row first.
    db.MoveNext();
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(db.GetFeld(QStringLiteral("ProjektKey")), VbVariant(1));
}

TEST_F(DatenbankTest, NullzeichenIstEinEingabefehler)
{
    TestDatenbank f = projekte({QStringLiteral("1, 'A' || char(0) || 'B', 'Meier'")});
    datenbank db;
    ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
    // A text with NUL goes into SQL texts escaped: the query finds the row.
    const QString nr = QStringLiteral("A") + QChar(0) + QStringLiteral("B");
    EXPECT_EQ(db.NewSQL(QStringLiteral("Select * From ProjekteTabelle WHERE [Projekt Nr] = ")
                            + JetDialekt::Textliteral(nr), false),
              0);
    EXPECT_FALSE(db.EmptyTab());
    // Storing one is refused with the input message, not a database error.
    db.SetFeld(QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Mei") + QChar(0) + QStringLiteral("er")));
    EXPECT_EQ(db.fehlercode(), dbFehlerWrite);
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].art, Meldungsart::Eingabefehler);
    EXPECT_EQ(rec.boxen[0].textIds, QList<int>{2921});
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle")).toString(), QStringLiteral("Meier"));
}

// A pending edit that cannot be stored is never dropped silently: a move reports it once (2401
// with 2408) and goes on, UpdateTab reports it once and gives it up.
TEST_F(DatenbankTest, AusstehendeAenderungDieNichtGespeichertWerdenKannWirdGemeldet)
{
    TestDatenbank f = projekte({QStringLiteral("1, '1', 'a'"), QStringLiteral("2, '2', 'b'")});
    ASSERT_TRUE(f.ausfuehren({QStringLiteral("CREATE TRIGGER sperre BEFORE UPDATE ON ProjekteTabelle WHEN NEW.Bauherr = 'voll' "
                                             "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END")}));
    struct Fall {
        const char* name;
        std::function<void(datenbank&)> schritt;
    };
    const Fall fälle[] = {
        {"MoveNext", [](datenbank& db) { db.MoveNext(); }},
        {"MoveLast", [](datenbank& db) { db.MoveLast(); }},
        {"AddNew", [](datenbank& db) { db.AddNew(); db.CancelUpdateTab(); }},
        {"Find", [](datenbank& db) { db.Find(QStringLiteral("[Projekt Nr] = '2'")); }},
        {"UpdateTab", [](datenbank& db) { EXPECT_FALSE(db.UpdateTab(QStringLiteral("Projekt Nr = '1'"))); }},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        rec.leeren();
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From ProjekteTabelle"), 2, pw, true), 0);
        db.SetFeld(QStringLiteral("Bauherr"), VbVariant("voll"));
        fall.schritt(db);
        ASSERT_EQ(rec.boxen.size(), 1);
        EXPECT_EQ(rec.boxen[0].art, Meldungsart::Datenbankfehler);
        EXPECT_EQ(rec.boxen[0].textIds, (QList<int>{2401, 2408}));
        EXPECT_TRUE(rec.boxen[0].text.contains(QStringLiteral("database or disk is full"))) << rec.boxen[0].text.toStdString();
        EXPECT_EQ(db.fehlercode(), dbFehlerWrite);
        // Said once: nothing is left to try again.
        db.MoveFirst();
        db.MoveLast();
        EXPECT_EQ(rec.boxen.size(), 1);
        EXPECT_EQ(f.wert(QStringLiteral("SELECT Bauherr FROM ProjekteTabelle WHERE ProjektKey = 1")).toString(),
                  QStringLiteral("a"));
    }
}
