#include <QApplication>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

#include <stdexcept>

#include "ProjekteFixture.h"
#include "projects/NutzerInfo.h"
#include "projects/forms/NutzerStammdaten.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace {

class Anschrift : public Projekte {
protected:
    void SetUp() override
    {
        Projekte::SetUp();
        // The row as the start page writes it, and a count of its writes.
        sql({QStringLiteral("INSERT INTO DatenbankInfo (DBVersionHaupt, DBVersionNeben, DBVersionRevis) VALUES (2, 5, 0)"),
             QStringLiteral("CREATE TABLE Schreibzähler (n INTEGER)"), QStringLiteral("INSERT INTO Schreibzähler VALUES (0)"),
             QStringLiteral("CREATE TRIGGER zählen AFTER UPDATE ON DatenbankInfo BEGIN "
                            "UPDATE Schreibzähler SET n = n + 1; END")});
    }
    void sql(const QStringList& anweisungen)
    {
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("anschrift_test"));
            d.setDatabaseName(db);
            ASSERT_TRUE(d.open());
            for (const QString& a : anweisungen)
                EXPECT_TRUE(QSqlQuery(d).exec(a)) << a.toStdString();
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("anschrift_test"));
    }
    QVariant wert(const QString& abfrage)
    {
        QVariant w;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("anschrift_test"));
            d.setDatabaseName(db);
            EXPECT_TRUE(d.open());
            QSqlQuery q(d);
            if (q.exec(abfrage) && q.next())
                w = q.value(0);
            q.finish();
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("anschrift_test"));
        return w;
    }
    int schreibvorgänge() { return wert(QStringLiteral("SELECT n FROM Schreibzähler")).toInt(); }
    QStringList gespeichert()
    {
        QStringList z;
        for (int i = 1; i <= 4; ++i)
            z << wert(QStringLiteral("SELECT Nutzerinfo_%1 FROM DatenbankInfo").arg(i)).toString();
        return z;
    }
    static void alleSetzen(NutzerInfo& info, const QStringList& z)
    {
        for (int i = 1; i <= 4; ++i)
            info.Zeile(i, z[i - 1]);
    }
};

const QStringList Zeilen4 = {QStringLiteral("Heizungsbau Weiß GmbH"), QStringLiteral("Straße 1"), QString(80, QLatin1Char('L')),
                             QString()};

}  // namespace

TEST_F(Anschrift, ZeilenHinUndZurückUndNurNachZuweisungGeschrieben)
{
    {
        NutzerInfo leser;  // a reader only: nothing is written
        EXPECT_EQ(leser.Zeile(1), QString());
        EXPECT_FALSE(leser.Geändert());
    }
    EXPECT_EQ(schreibvorgänge(), 0);
    {
        NutzerInfo info;
        alleSetzen(info, Zeilen4);
        EXPECT_TRUE(info.Geändert());
    }
    EXPECT_EQ(schreibvorgänge(), 1);
    NutzerInfo wieder;
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(wieder.Zeile(i), Zeilen4[i - 1]) << i;
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

TEST_F(Anschrift, ZeileAußerhalbEinsBisVierIstEinFehler)
{
    NutzerInfo info;
    for (int i : {0, 5, -1}) {
        EXPECT_THROW(info.Zeile(i), std::out_of_range) << i;
        EXPECT_THROW(info.Zeile(i, QStringLiteral("x")), std::out_of_range) << i;
    }
    EXPECT_FALSE(info.Geändert());
}

TEST_F(Anschrift, FehlendeZeileWirdAngelegt)
{
    sql({QStringLiteral("DELETE FROM DatenbankInfo")});
    {
        NutzerInfo info;
        EXPECT_EQ(info.Öffnungsergebnis(), 0);
        EXPECT_EQ(info.Zeile(2), QString());
        alleSetzen(info, Zeilen4);
    }
    EXPECT_EQ(gespeichert(), Zeilen4);
    // The new row carries the schema version of this program.
    EXPECT_EQ(wert(QStringLiteral("SELECT DBVersionHaupt || '.' || DBVersionNeben || '.' || DBVersionRevis FROM DatenbankInfo")),
              QVariant(QStringLiteral("2.5.0")));
    EXPECT_EQ(wert(QStringLiteral("SELECT count(*) FROM DatenbankInfo")).toInt(), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

TEST_F(Anschrift, NichtZuÖffnendeDatenbankWirdImDialogGemeldet)
{
    zustand().Projekt_Data_Source = ordner.filePath(QStringLiteral("Daten/fehlt.db"));
    {
        NutzerInfo leser;  // the reports read silently
        EXPECT_NE(leser.Öffnungsergebnis(), 0);
        leser.Zeile(1, QStringLiteral("x"));
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    NutzerStammdaten dialog;
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Datenbankfehler);
}

TEST_F(Anschrift, DialogOhneÄnderungSchreibtNichtsMitÄnderungAlleVierZeilen)
{
    {
        NutzerInfo info;
        alleSetzen(info, Zeilen4);
    }
    const int vorher = schreibvorgänge();
    {
        NutzerStammdaten dialog;
        dialog.show();
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(dialog.Nutzertext[i]->text(), Zeilen4[i - 1]);
        EXPECT_FALSE(dialog.Geändert());
        dialog.WeiterCommand->click();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(schreibvorgänge(), vorher);
    {
        // A character typed and deleted again: all four lines are written.
        NutzerStammdaten dialog;
        dialog.show();
        QTest::keyClick(dialog.Nutzertext[4], Qt::Key_A);
        QTest::keyClick(dialog.Nutzertext[4], Qt::Key_Backspace);
        EXPECT_TRUE(dialog.Geändert());
        dialog.close();  // the close box keeps the edits as well
    }
    EXPECT_EQ(schreibvorgänge(), vorher + 1);
    EXPECT_EQ(gespeichert(), Zeilen4);
}

TEST_F(Anschrift, TastenImDialog)
{
    {
        NutzerStammdaten dialog;
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* box1 = dialog.Nutzertext[1];
        box1->setFocus();
        // At most 80 characters.
        QTest::keyClicks(box1, QString(81, QLatin1Char('a')));
        EXPECT_EQ(box1->text().size(), 80);
        // Enter walks the boxes and comes back to the first.
        for (int i : {2, 3, 4, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(QApplication::focusWidget(), dialog.Nutzertext[i]) << i;
        }
        // Escape does nothing; Alt+Right closes and keeps the edits.
        QTest::keyClick(box1, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(box1, Qt::Key_Right, Qt::AltModifier);
        QTRY_VERIFY(!dialog.isVisible());
    }
    EXPECT_EQ(gespeichert().value(0), QString(80, QLatin1Char('a')));
}
