#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "data/forms/KelvorForm1.h"
#include "data/forms/KelvorForm1a.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "shell/forms/MDIForm1.h"
#include "support/Programmordner.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

namespace {

// The program folder of a test: Daten with the article database; the main window on it.
class StartseiteFenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        projektDb = dir.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
    }
    void TearDown() override { fenster.reset(); }

    MDIForm1& zeige()
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        fenster->show();
        return *fenster;
    }
    KelvorForm1* startseite() const { return fenster->Clientbereich()->findChild<KelvorForm1*>(); }
    bool weiterSichtbar() const { return fenster->WeiterCommand->isVisibleTo(fenster->LeisteuntenPicture); }

    // A project database of the version, built as the program builds it.
    void datenbank(int haupt, int neben)
    {
        BaueProjektdatenbank(projektDb);
        const QString name = QStringLiteral("kelvorform1_test");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(projektDb);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO DatenbankInfo (DBVersionHaupt, DBVersionNeben, "
                                              "DBVersionRevis) VALUES (%1, %2, 0)").arg(haupt).arg(neben)))
                << q.lastError().text().toStdString();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir dir;
    QString projektDb;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
};

TEST_F(StartseiteFenster, ZeigtDieStartseitePrueftUndWeiterFuehrtZurAuswahl)
{
    MDIForm1& f = zeige();
    ASSERT_TRUE(startseite());
    EXPECT_TRUE(startseite()->isVisible());
    EXPECT_FALSE(weiterSichtbar());  // only once the check has run
    QTRY_VERIFY(weiterSichtbar());

    EXPECT_TRUE(QFile::exists(projektDb));
    for (QMenu* m : {f.Mprojekte, f.Mberechnungen, f.MAusgabe, f.MOptionen, f.MInformationen, f.MFragezeichen})
        EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    KelvorForm1* seite = startseite();
    EXPECT_EQ(seite->DeckblattLabel[0]->text(),
              QStringLiteral("Programm für die\r\nBerechnung von\r\nGefäßen und Zubehör"));
    EXPECT_TRUE(seite->DeckblattLabel[2]->text().startsWith(QStringLiteral("Am Beispielhafen 12\r\n")));
    EXPECT_FALSE(seite->Image5->pixmap().isNull());
    EXPECT_FALSE(seite->Image1->pixmap().isNull());
    EXPECT_TRUE(recorder.boxen.isEmpty());
    // The progress window of the creation is gone again.
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<KelvorForm1a*>(w), nullptr);

    f.WeiterCommand->click();
    EXPECT_EQ(zustand().Status, 2);
    QTRY_COMPARE(startseite(), nullptr);
    EXPECT_TRUE(f.isVisible());

    // Back on the start page the check runs again (it creates the database that went meanwhile).
    ASSERT_TRUE(QFile::remove(projektDb));
    f.seitenmanager(2);
    EXPECT_EQ(zustand().Status, 1);
    ASSERT_TRUE(startseite());
    QTRY_VERIFY(QFile::exists(projektDb) && weiterSichtbar());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(StartseiteFenster, NeuereDatenbankBeendetDasProgrammOhneFrage)
{
    datenbank(2, 6);
    MDIForm1& f = zeige();
    QTRY_VERIFY(!f.isVisible());
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_TRUE(recorder.boxen[0].text.startsWith(QStringLiteral("Das Berechnungsprogramm (Version 2.5.0)")));
    EXPECT_FALSE(weiterSichtbar());
}

TEST_F(StartseiteFenster, SchliessenWaehrendDesAnlegensWirdVerweigert)
{
    MDIForm1& f = zeige();
    // Comes while the database is being built (the schema engine lets events run).
    bool geschlossen = true;
    QTimer::singleShot(0, &f, [&] { geschlossen = f.close(); });
    QTRY_VERIFY(weiterSichtbar());
    EXPECT_FALSE(geschlossen);
    EXPECT_TRUE(f.isVisible());
    ASSERT_TRUE(startseite());
    EXPECT_FALSE(startseite()->beschäftigt());
    // Once the database is there, the program may be ended.
    recorder.antworten = {MsgAntwort::Ja};
    EXPECT_TRUE(f.close());
}

TEST_F(StartseiteFenster, FortschrittsfensterLaesstSichNichtSchliessen)
{
    auto fortschritt = std::make_unique<KelvorForm1a>();
    EXPECT_EQ(fortschritt->windowTitle(), QStringLiteral("Konvertierung der Projektdatenbank"));
    fortschritt->Zeigen();
    fortschritt->SchreibeInfo(QStringLiteral("Retten des Projektes mit Nummer:"));
    fortschritt->SchreibeProjektNr(QStringLiteral("2023-001"));
    fortschritt->Schreibe_Satz_AnzSaetze(2, 17);
    EXPECT_EQ(fortschritt->LabelAnzahl->text(), QStringLiteral("2 / 17"));
    EXPECT_EQ(fortschritt->LabelProjNr->text(), QStringLiteral("2023-001"));
    EXPECT_EQ(fortschritt->Animation1->maximum(), 0);  // a busy bar without an end
    EXPECT_FALSE(fortschritt->close());
    EXPECT_TRUE(fortschritt->isVisible());
}

}  // namespace
