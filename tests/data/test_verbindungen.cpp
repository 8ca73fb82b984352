#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "data/DatenTestHilfen.h"
#include "data/conTextBoxAdodb.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

namespace {

QStringList kelvorVerbindungen()
{
    QStringList n;
    for (const QString& name : QSqlDatabase::connectionNames())
        if (name.startsWith(QLatin1String("kelvor_db_")))
            n << name;
    return n;
}

const QString pw = Kennwort::Projektdatenbank;

TestDatenbank tabelle()
{
    return TestDatenbank({QStringLiteral("CREATE TABLE DatenbankInfo (DBVersionHaupt SHORT, Nutzerinfo_1 TEXT(80))"),
                          QStringLiteral("INSERT INTO DatenbankInfo VALUES (2, 'a')")});
}

class Verbindungen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    // Opens both objects on the table.
    void öffne(datenbank& a, datenbank& b)
    {
        ASSERT_EQ(a.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, true), 0);
        ASSERT_EQ(b.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, true), 0);
    }
    MeldungsRecorder rec;
    TestDatenbank f = tabelle();
};

}  // namespace

TEST_F(Verbindungen, ObjekteTeilenEineVerbindungBisZumLetzten)
{
    ASSERT_TRUE(kelvorVerbindungen().isEmpty());
    {
        auto a = std::make_unique<datenbank>();
        datenbank b;
        ASSERT_EQ(a->OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, false), 0);
        ASSERT_EQ(b.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 2, pw, false), 0);
        EXPECT_EQ(kelvorVerbindungen().size(), 1);
        EXPECT_EQ(a->Verbindung(), b.Verbindung());
        QSqlQuery q(a->Verbindung()->db());
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA synchronous")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), 2);  // FULL
        q.finish();
        // A wrong password on the shared file is still refused.
        datenbank c;
        EXPECT_EQ(c.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, QStringLiteral("falsch"), false), 1);
        a.reset();
        EXPECT_EQ(kelvorVerbindungen().size(), 1);
        EXPECT_EQ(b.GetFeld(QStringLiteral("Nutzerinfo_1")), VbVariant("a"));
    }
    EXPECT_TRUE(kelvorVerbindungen().isEmpty());
    EXPECT_TRUE(QFile::remove(f.pfad()));
}

TEST_F(Verbindungen, TransaktionUeberMehrereObjekte)
{
    datenbank a, b;
    öffne(a, b);
    {
        DbTransaktion t(a.Verbindung());
        ASSERT_TRUE(t.Aktiv());
        a.SetFeld(QStringLiteral("Nutzerinfo_1"), VbVariant("zurück"));
        EXPECT_TRUE(a.UpdateTab());
        b.AddNew();
        b.SetFeld(QStringLiteral("DBVersionHaupt"), VbVariant(3));
        EXPECT_TRUE(b.UpdateTab());
    }
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM DatenbankInfo")).toInt(), 1);
    EXPECT_EQ(f.wert(QStringLiteral("SELECT Nutzerinfo_1 FROM DatenbankInfo")).toString(), QStringLiteral("a"));
    {
        DbTransaktion t(a.Verbindung());
        b.AddNew();
        b.SetFeld(QStringLiteral("DBVersionHaupt"), VbVariant(4));
        EXPECT_TRUE(b.UpdateTab());
        EXPECT_TRUE(t.Commit());
    }
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM DatenbankInfo")).toInt(), 2);
    EXPECT_TRUE(boxenDerArt(rec, Meldungsart::Datenbankfehler).isEmpty());
}

TEST_F(Verbindungen, FreigabeSchliesstDasRecordsetDerGebundenenWerte)
{
    conTextBoxAdodb w;
    Adodc steuerung;
    {
        datenbank db;
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, true), 0);
        db.BindAdodc(&steuerung);
        EXPECT_EQ(steuerung.recordset(), db.GetADODB_Recordset());
        w.BindDatenbank(db.GetADODB_Recordset(), QStringLiteral("DBVersionHaupt"));
        w.DatenBankInGlobDaten();
        EXPECT_EQ(w.m_Value, 2.0);
        // Opening an open object again starts over.
        EXPECT_EQ(db.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, true), 0);
        EXPECT_TRUE(db.RecordsetIsOpen());
        db.UnbindAdodc();
        EXPECT_EQ(steuerung.recordset(), db.GetADODB_Recordset());
    }
    EXPECT_FALSE(steuerung.recordset()->IstOffen());
    EXPECT_TRUE(kelvorVerbindungen().isEmpty());
    w.DatenBankInGlobDaten();
    EXPECT_EQ(w.m_Value, 0.0);
    EXPECT_EQ(boxenDerArt(rec, Meldungsart::Datenbankfehler).size(), 1);
}

TEST_F(Verbindungen, ZeileVonAnderemObjektGeloescht)
{
    datenbank a, b;
    öffne(a, b);
    EXPECT_TRUE(b.DeleteSatzMitFeld(QStringLiteral("Nutzerinfo_1"), QStringLiteral("a")));
    a.SetFeld(QStringLiteral("Nutzerinfo_1"), VbVariant("b"));
    EXPECT_FALSE(a.UpdateTab());
    EXPECT_FALSE(a.LetzterFehler().isEmpty());
    EXPECT_EQ(f.wert(QStringLiteral("SELECT COUNT(*) FROM DatenbankInfo")).toInt(), 0);
}

TEST_F(Verbindungen, NewSQLMitMisslungenemSpeichern)
{
    datenbank a, b;
    öffne(a, b);
    EXPECT_TRUE(b.DeleteSatzMitFeld(QStringLiteral("Nutzerinfo_1"), QStringLiteral("a")));
    a.SetFeld(QStringLiteral("Nutzerinfo_1"), VbVariant("b"));
    // The failed save is reported with code 3; the new query still opens and returns 0.
    EXPECT_EQ(a.NewSQL(QStringLiteral("SELECT * FROM DatenbankInfo"), true), 0);
    EXPECT_EQ(a.fehlercode(), dbFehlerNewSQL);
    const auto m = boxenDerArt(rec, Meldungsart::Datenbankfehler);
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].vorlage, vorlage(2400, 2405));
    EXPECT_TRUE(a.EmptyTab());
}

TEST_F(Verbindungen, AbgebrocheneDatenbankmeldungSchaltetWeitereStumm)
{
    datenbank a;
    ASSERT_EQ(a.OpenTab(f.pfad(), QStringLiteral("SELECT * FROM DatenbankInfo"), 3, pw, true), 0);
    // Cancel for every box (while the string table lacks the texts, their boxes come first).
    rec.antworten = std::deque<int>(5, MsgAntwort::Abbrechen);
    a.GetFeld(QStringLiteral("Fehlt"));
    a.GetFeld(QStringLiteral("Fehlt auch"));
    EXPECT_EQ(a.fehlercode(), dbFehlerRead);
    EXPECT_EQ(boxenDerArt(rec, Meldungsart::Datenbankfehler).size(), 1);
    EXPECT_TRUE(zustand().ErrorCancel);
}

TEST_F(Verbindungen, SchemaänderungenGeltenAuchFürGemerkteSpaltenUndAnweisungen)
{
    TestDatenbank t({QStringLiteral("CREATE TABLE T (K COUNTER, A TEXT(5))")});
    datenbank a;
    ASSERT_EQ(a.OpenTab(t.pfad(), QStringLiteral("Select * From T"), 2, pw, true), 0);
    a.AddNew();
    a.SetFeld(QStringLiteral("A"), VbVariant("1"));
    ASSERT_TRUE(a.UpdateTab());

    // A column appended over another connection: its type and default count at once.
    t.ausfuehren({QStringLiteral("ALTER TABLE T ADD COLUMN B SHORT DEFAULT 7")});
    ASSERT_EQ(a.NewSQL(QStringLiteral("Select * From T"), true), 0);
    a.AddNew();
    a.SetFeld(QStringLiteral("A"), VbVariant("2"));
    ASSERT_TRUE(a.UpdateTab());
    EXPECT_EQ(a.GetFeld(QStringLiteral("K")), VbVariant(2));
    EXPECT_EQ(a.GetFeld(QStringLiteral("B")), VbVariant::integer(7));
    a.SetFeld(QStringLiteral("B"), VbVariant(40000));
    EXPECT_EQ(a.fehlercode(), dbFehlerWrite);
    a.CancelUpdateTab();

    // The table made anew with other columns over the connection of the objects.
    {
        QSqlQuery q(a.Verbindung()->db());
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE T")));
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE T (A LONG DEFAULT 5, K COUNTER, C TEXT(2))")));
    }
    ASSERT_EQ(a.NewSQL(QStringLiteral("Select * From T"), false), 0);
    a.AddNew();
    a.SetFeld(QStringLiteral("C"), VbVariant("x"));
    ASSERT_TRUE(a.UpdateTab()) << a.LetzterFehler().toStdString();
    EXPECT_EQ(a.GetFeld(QStringLiteral("A")), VbVariant(5));
    EXPECT_EQ(a.GetFeld(QStringLiteral("K")), VbVariant(1));
    a.SetFeld(QStringLiteral("A"), VbVariant("abc"));
    EXPECT_EQ(a.fehlercode(), dbFehlerWrite);
    EXPECT_EQ(t.wert(QStringLiteral("SELECT A || '|' || K || '|' || C FROM T")).toString(), QStringLiteral("5|1|x"));
}
