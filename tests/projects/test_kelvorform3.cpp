#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "data/JetDialekt.h"
#include "projects/forms/KelvorForm3.h"
#include "projects/forms/MDIListe.h"
#include "projects/forms/MDISichern.h"
#include "projects/forms/Projektgitter.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "support/Programmordner.h"
#include "support/TransferProtokoll.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Dialogwache.h"
#include "support/FalscherDialog.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

using S = Projektseite;

void Ereignisse()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The main window on a program folder with a built project database; the page walk up to the
// project page.
class Projektseitenform : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        pfad = dir.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
        BaueProjektdatenbank(pfad);
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        QSqlDatabase::removeDatabase(QStringLiteral("kelvorform3"));
    }
    void sql(const QString& text)
    {
        QSqlDatabase d = QSqlDatabase::contains(QStringLiteral("kelvorform3"))
                             ? QSqlDatabase::database(QStringLiteral("kelvorform3"))
                             : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("kelvorform3"));
        d.setDatabaseName(pfad);
        ASSERT_TRUE(d.open());
        QSqlQuery q(d);
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
        if (q.isSelect() && q.next())
            abfrage = q.value(0);
        q.finish();
        d.close();
    }
    void projekt(const QString& nr, const QString& art, const QString& bezeichnung)
    {
        sql(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung, Datum) "
                           "VALUES (%1, %2, %3, '2022-05-04 00:00:00')")
                .arg(JetDialekt::Textliteral(nr), JetDialekt::Textliteral(art), JetDialekt::Textliteral(bezeichnung)));
    }
    int zeilen(const QString& tabelle, const QString& nr)
    {
        sql(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE [Projekt Nr] = %2")
                .arg(JetDialekt::Name(tabelle), JetDialekt::Textliteral(nr)));
        return abfrage.toInt();
    }
    // The main window shown, the start page done; the type choice, then the project page.
    KelvorForm3& ZurProjektseite(int typknopf)
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        fenster->show();
        Ereignisse();
        fenster->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        fenster->WeiterCommand->click();
        Ereignisse();
        auto* wahl = dynamic_cast<KelvorForm2*>(fenster->fenster(2));
        EXPECT_NE(wahl, nullptr);
        if (wahl)
            wahl->HauptwahlCommand[typknopf]->click();
        Ereignisse();
        EXPECT_EQ(zustand().Status, 3);
        return seite();
    }
    KelvorForm3& seite()
    {
        auto* s = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
        if (!s)
            throw std::logic_error("no project page");
        s->logik().heute = [] { return QDate(2024, 3, 15); };
        return *s;
    }
    QString Buttons() const
    {
        auto an = [this](QToolButton* b) { return b->isVisibleTo(fenster->LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(fenster->ExitCommand) + an(fenster->ZurückCommand) + an(fenster->WeiterCommand);
    }

    QTemporaryDir dir;
    QString pfad;
    QVariant abfrage;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
};

TEST_F(Projektseitenform, WeiterOeffnetDieSeitenDerArtDesNeuenProjekts)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    // Solar chosen; there is no solar project, so the heating project is shown.
    KelvorForm3& s = ZurProjektseite(5);
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("1"));
    EXPECT_EQ(s.ProjektText[S::Bezeichnung]->text(), QStringLiteral("Schule"));
    EXPECT_EQ(s.ProjektCombo1->currentText(), QStringLiteral("Heizungsanlagen"));
    EXPECT_EQ(s.Adodc1Caption->text(), QStringLiteral("     1"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    fenster->Manlegen->trigger();
    QLineEdit* nummer = s.ProjektText[S::Nummer];
    EXPECT_TRUE(nummer->isEnabled());
    EXPECT_EQ(nummer->text(), QStringLiteral("2"));
    EXPECT_EQ(s.ProjektCombo1->currentText(), QStringLiteral("Solaranlagen"));
    EXPECT_FALSE(s.ProjektText[S::Bezeichnung]->isEnabled());
    EXPECT_EQ(Buttons(), QStringLiteral("100"));
    QTest::keyClick(nummer, Qt::Key_Return);
    EXPECT_FALSE(nummer->isEnabled());
    EXPECT_TRUE(s.ProjektCombo1->isEnabled());
    EXPECT_TRUE(s.ProjektText[S::Bezeichnung]->isEnabled());
    EXPECT_EQ(s.ProjektLabeldata->text(), QStringLiteral("2"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    s.ProjektText[S::Bezeichnung]->setFocus();
    QTest::keyClicks(s.ProjektText[S::Bezeichnung], QStringLiteral("Kollektorfeld"));

    // Weiter: the solar pages with the solar parameter row of project 2.
    fenster->WeiterCommand->click();
    Ereignisse();
    EXPECT_EQ(zustand().Status, 600);
    EXPECT_NE(zustand().g_solardat, nullptr);
    EXPECT_EQ(zustand().g_heizdat, nullptr);
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("2"));
    sql(QStringLiteral("SELECT Projektbezeichnung FROM ProjekteTabelle WHERE [Projekt Nr] = '2'"));
    EXPECT_EQ(abfrage.toString(), QStringLiteral("Kollektorfeld"));
    recorder.antworten = {MsgAntwort::Ja};
    fenster->ZurückCommand->click();
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zeilen(QStringLiteral("Solarparameter"), QStringLiteral("2")), 1);
    EXPECT_EQ(zeilen(QStringLiteral("Heizungsparameter"), QStringLiteral("2")), 0);
    // The new page shows the project that was current.
    EXPECT_EQ(seite().ProjektText[S::Nummer]->text(), QStringLiteral("2"));
    EXPECT_EQ(seite().ProjektCombo1->currentText(), QStringLiteral("Solaranlagen"));
}

TEST_F(Projektseitenform, EingabenUeberDieTastatur)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    KelvorForm3& s = ZurProjektseite(0);

    // The number box takes digits and capitals; small letters become capitals.
    fenster->Manlegen->trigger();
    QLineEdit* nummer = s.ProjektText[S::Nummer];
    nummer->selectAll();
    QTest::keyClicks(nummer, QStringLiteral("ab-1/ c"));
    EXPECT_EQ(nummer->text(), QStringLiteral("AB1C"));
    QTest::keyClick(nummer, Qt::Key_Return);
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("AB1C"));

    // The postal code takes five digits from the keyboard.
    QLineEdit* plz = s.ProjektText[S::PLZ];
    plz->setFocus();
    QTest::keyClicks(plz, QStringLiteral("12a345678"));
    EXPECT_EQ(plz->text(), QStringLiteral("12345"));

    // The remarks break at 60 characters; Enter makes a new line there.
    QPlainTextEdit* bemerkungen = s.ProjektText7;
    bemerkungen->setFocus();
    QTest::keyClicks(bemerkungen, QString(61, QLatin1Char('x')));
    QTest::keyClick(bemerkungen, Qt::Key_Return);
    QTest::keyClicks(bemerkungen, QStringLiteral("Ende"));
    EXPECT_EQ(bemerkungen->toPlainText(), QString(60, QLatin1Char('x')) + QStringLiteral("\nx\nEnde"));
    EXPECT_EQ(bemerkungen->textCursor().position(), bemerkungen->toPlainText().size());

    // A date that is none: the message, today's date, and the focus stays.
    QLineEdit* datum = s.ProjektMask;
    datum->setFocus();
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("31.02.2005"));
    recorder.leeren();
    QTest::keyClick(datum, Qt::Key_Return);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].werte, QStringList{QStringLiteral("31.12.1998")});
    EXPECT_EQ(datum->text(), QStringLiteral("15.03.2024"));
    EXPECT_EQ(QApplication::focusWidget(), datum);

    // Leaving the box for another one checks it the same way, once.
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("kein Datum"));
    recorder.leeren();
    s.ProjektText[S::Ort]->setFocus();
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(datum->text(), QStringLiteral("15.03.2024"));
    EXPECT_EQ(QApplication::focusWidget(), datum);
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("1.4.24"));
    s.ProjektText[S::Ort]->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), s.ProjektText[S::Ort]);
    EXPECT_EQ(recorder.boxen.size(), 1);

    // Leaving the page stores the row.
    fenster->ZurückCommand->click();
    Ereignisse();
    sql(QStringLiteral("SELECT PLZ || '|' || Bemerkungen || '|' || Datum FROM ProjekteTabelle WHERE [Projekt Nr] = 'AB1C'"));
    EXPECT_EQ(abfrage.toString(), QStringLiteral("12345|") + QString(60, QLatin1Char('x'))
                                      + QStringLiteral("\r\nx\r\nEnde|2024-04-01 00:00:00"));
}

TEST_F(Projektseitenform, BlaetternUndLoeschenUeberDasMenue)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Erstes"));
    projekt(QStringLiteral("2"), QStringLiteral("He"), QStringLiteral("Zweites"));
    projekt(QStringLiteral("3"), QStringLiteral("He"), QStringLiteral("Drittes"));
    KelvorForm3& s = ZurProjektseite(0);
    EXPECT_TRUE(s.Adodc1Knopf[2]->isEnabled());
    s.Adodc1Knopf[2]->click();
    EXPECT_EQ(s.ProjektText[S::Bezeichnung]->text(), QStringLiteral("Zweites"));
    EXPECT_EQ(s.Adodc1Caption->text(), QStringLiteral("     2"));
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("2"));

    recorder.antworten = {MsgAntwort::Ja};
    fenster->Mlöschen->trigger();
    EXPECT_EQ(s.ProjektText[S::Bezeichnung]->text(), QStringLiteral("Erstes"));
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("1"));
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("2")), 0);
    s.Adodc1Knopf[3]->click();
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("3"));
    EXPECT_EQ(s.Adodc1Caption->text(), QStringLiteral("     2"));

    // The calculation items re-sort by type and show the first project of the type.
    projekt(QStringLiteral("0"), QStringLiteral("Dr"), QStringLiteral("Pumpe"));
    fenster->Mdruckerhöhungsanlagen->trigger();
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("0"));
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("2 - Projektart"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("Dr"));
}

TEST_F(Projektseitenform, DasErsteProjektUeberDasMenue)
{
    fenster = std::make_unique<MDIForm1>(dir.path());
    fenster->show();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 1);
    // Liste on the start page with an empty table starts the first project.
    fenster->MListe->trigger();
    KelvorForm3& s = seite();
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_TRUE(s.ProjektText[S::Nummer]->isEnabled());
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("1"));
    EXPECT_EQ(Buttons(), QStringLiteral("100"));
    EXPECT_FALSE(fenster->MListe->isEnabled());
    EXPECT_FALSE(fenster->Mheizungsanlagen->isEnabled());
    Ereignisse();
    EXPECT_FALSE(zustand().istErstprojekt);
    QTest::keyClick(s.ProjektText[S::Nummer], Qt::Key_Return);
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("1")), 1);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
}

// The list and the backup dialog from the menu: shown modally without the bottom buttons; the
// page shows the project they leave current.
TEST_F(Projektseitenform, ListeUndSichernUeberDasMenue)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    projekt(QStringLiteral("2"), QStringLiteral("Sp"), QStringLiteral("Wohnhaus"));
    projekt(QStringLiteral("3"), QStringLiteral("So"), QStringLiteral("Dach"));
    KelvorForm3& s = ZurProjektseite(0);
    const QString vorher = s.ProjektText[S::Nummer]->text();
    QString gewählt;
    QString buttonsImDialog;
    {
        Dialogwache<MDIListe> wache([&](MDIListe* liste) {
            buttonsImDialog = Buttons();
            liste->DataGrid1->setCurrentIndex(liste->DataGrid1->modell()->index(2, 0));
            gewählt = liste->DataGrid1->modell()->text(2, 0);
            QTest::keyClick(liste, Qt::Key_Return);
        });
        fenster->MListe->trigger();
        EXPECT_TRUE(wache.gezeigt());
    }
    EXPECT_EQ(buttonsImDialog, QStringLiteral("000"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_NE(gewählt, vorher);
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), gewählt);
    EXPECT_EQ(zustand().aktProjektnummer, gewählt);

    FalscherDialog datei;
    datei.antwort = dir.filePath(QStringLiteral("alle.sic"));
    {
        Dialogwache<MDISichern> wache([](MDISichern* sichern) {
            sichern->AllesMarkieren->click();
            sichern->Save->click();
        });
        fenster->Msichern->trigger();
        EXPECT_TRUE(wache.gezeigt());
    }
    EXPECT_EQ(datei.anfragen.size(), 1);
    QFile gesichert(datei.antwort);
    ASSERT_TRUE(gesichert.open(QIODevice::ReadOnly));
    EXPECT_EQ(gesichert.readAll().count("$BEGIN$\t$PROJEKT$\t\r\n"), 3);
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_EQ(s.ProjektText[S::Nummer]->text(), gewählt);
}

}  // namespace
