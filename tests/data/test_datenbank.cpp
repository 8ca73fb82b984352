#include <QFile>
#include <QSqlDatabase>
#include <gtest/gtest.h>

#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "shell/AllgFunktionen.h"
#include "shell/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

namespace {

const QString pw = Kennwort::Projektdatenbank;

// The boxes of one message kind (a missing text adds boxes of its own while the string table
// is incomplete).
QList<MeldungsBox> boxenDerArt(const MeldungsRecorder& r, int art)
{
    QList<MeldungsBox> b;
    for (const MeldungsBox& x : r.boxen)
        if (x.art == art)
            b << x;
    return b;
}

QString vorlage(int muster, int operation)
{
    return LadeText(muster) + LadeText(operation);
}

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
