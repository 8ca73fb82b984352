// What a user sees of the main window, its first pages and the project dialogs: readable labels,
// grid columns that show their contents, Enter on buttons, the kept input, the icon and the end.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/forms/Fenstergroesse.h"
#include "data/JetDialekt.h"
#include "data/forms/KelvorForm1.h"
#include "projects/forms/KelvorForm3.h"
#include "projects/forms/MDIKomprDbank.h"
#include "projects/forms/MDIListe.h"
#include "projects/forms/MDIReSichMeld.h"
#include "projects/forms/MDISichern.h"
#include "projects/forms/Projektgitter.h"
#include "shell/FormMinMaxSize.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Dialogwache.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"
#include "support/TransferProtokoll.h"

namespace {

using S = Projektseite;

void Ereignisse()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Contrast ratio of two colours (1: none, 21: black on white).
double Kontrast(const QColor& a, const QColor& b)
{
    auto hell = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double l1 = hell(a), l2 = hell(b);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// The colour most pixels of a region show: the background a text is drawn on.
QColor Hintergrund(const QImage& bild, const QRect& r)
{
    std::map<QRgb, int> anzahl;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++anzahl[bild.pixel(x, y)];
    QRgb häufigste = 0;
    int n = -1;
    for (const auto& [farbe, k] : anzahl)
        if (k > n) {
            häufigste = farbe;
            n = k;
        }
    return QColor(häufigste);
}

// Every visible text label of a window, in a screenshot of the window: its text colour stands out
// from what lies behind it. Returns the number of labels looked at.
int PrüfeLesbarkeit(QWidget* fenster)
{
    const QImage bild = fenster->grab().toImage();
    int geprüft = 0;
    for (QLabel* l : fenster->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(fenster) || l->text().trimmed().isEmpty() || l->size().isEmpty())
            continue;
        const QRect r = QRect(l->mapTo(fenster, QPoint(0, 0)), l->size()).intersected(bild.rect());
        if (r.isEmpty())
            continue;
        const QColor text = l->palette().color(l->foregroundRole());
        const QColor grund = Hintergrund(bild, r);
        EXPECT_GE(Kontrast(text, grund), 3.0)
            << fenster->objectName().toStdString() << ": \"" << l->text().toStdString() << "\" "
            << text.name().toStdString() << " on " << grund.name().toStdString();
        ++geprüft;
    }
    return geprüft;
}

// No column of a grid cuts its caption or a cell, and the grid needs no horizontal scrolling.
void PrüfeSpalten(Projektgitter* g)
{
    const QAbstractItemModel* m = g->model();
    const int rand = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
    const QFontMetrics fm(g->font());
    for (int c = 0; c < m->columnCount(); ++c) {
        const QString titel = m->headerData(c, Qt::Horizontal).toString();
        const int breite = g->columnWidth(c);
        EXPECT_GE(breite, g->horizontalHeader()->sectionSizeHint(c)) << titel.toStdString();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString text = m->index(r, c).data().toString();
            EXPECT_GE(breite, fm.horizontalAdvance(text) + rand) << titel.toStdString() << ": " << text.toStdString();
        }
    }
    EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
    const int letzte = m->columnCount() - 1;
    EXPECT_LE(g->columnViewportPosition(letzte) + g->columnWidth(letzte), g->viewport()->width());
}

// The main window on a program folder with the icon and a project database.
class Ansicht : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_SYMBOL), dir.filePath(QStringLiteral("Kelvor.ico"))));
        pfad = dir.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
        BaueProjektdatenbank(pfad);
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        QSqlDatabase::removeDatabase(QStringLiteral("ansicht"));
    }
    void sql(const QString& text)
    {
        QSqlDatabase d = QSqlDatabase::contains(QStringLiteral("ansicht"))
                             ? QSqlDatabase::database(QStringLiteral("ansicht"))
                             : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ansicht"));
        d.setDatabaseName(pfad);
        ASSERT_TRUE(d.open());
        QSqlQuery q(d);
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
        abfrage = (q.isSelect() && q.next()) ? q.value(0) : QVariant();
        q.finish();
        d.close();
    }
    void projekt(const QString& nr, const QString& art, const QString& bezeichnung, const QString& angebot = QStringLiteral(" "))
    {
        sql(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung, Angebotsnummer, "
                           "Datum, Save) VALUES (%1, %2, %3, %4, '2026-11-03 00:00:00', ' ')")
                .arg(JetDialekt::Textliteral(nr), JetDialekt::Textliteral(art), JetDialekt::Textliteral(bezeichnung),
                     JetDialekt::Textliteral(angebot)));
    }
    // Projects of every type, more than the grids show at once (on a screen of 800 pixels, where
    // the tests run, the widest of them must fit).
    void vieleProjekte()
    {
        const char* arten[] = {"He", "Dr", "Tr", "Sp", "So", "Kü"};
        for (int i = 1; i <= 14; ++i)
            projekt(QString::number(i), QString::fromUtf8(arten[i % 6]),
                    QStringLiteral("Wohnanlage Am Park %1").arg(i), QStringLiteral("A-2026-0%1").arg(100 + i));
    }
    QString feld(const QString& nr, const QString& spalte)
    {
        sql(QStringLiteral("SELECT %1 FROM ProjekteTabelle WHERE [Projekt Nr] = %2")
                .arg(JetDialekt::Name(spalte), JetDialekt::Textliteral(nr)));
        return abfrage.toString();
    }
    void starte()
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        fenster->show();
        Ereignisse();
        fenster->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        Ereignisse();
    }
    KelvorForm2* typwahl()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
        return dynamic_cast<KelvorForm2*>(fenster->fenster(2));
    }
    KelvorForm3& ZurProjektseite()
    {
        starte();
        KelvorForm2* wahl = typwahl();
        if (!wahl)
            throw std::logic_error("no type page");
        wahl->HauptwahlCommand[0]->click();
        Ereignisse();
        auto* s = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
        if (!s)
            throw std::logic_error("no project page");
        s->logik().heute = [] { return QDate(2026, 12, 10); };
        return *s;
    }
    // Runs prüfen on the modal dialog that the action opens; then the dialog is closed.
    template <class Dialog>
    bool ImDialog(const std::function<void()>& öffnen, const std::function<void(Dialog&)>& prüfen)
    {
        Dialogwache<Dialog> wache([&](Dialog* d) {
            prüfen(*d);
            d->close();
        });
        öffnen();
        return wache.gezeigt();
    }

    QTemporaryDir dir;
    QString pfad;
    QVariant abfrage;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
};

// --- Readable pages and dialogs -----------------------------------------------------------------

TEST_F(Ansicht, DieSeitenSindLesbarUndFuellenDenClientbereich)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung Schulzentrum"));
    starte();
    auto* start = fenster->Clientbereich()->findChild<KelvorForm1*>();
    ASSERT_NE(start, nullptr);
    EXPECT_GE(PrüfeLesbarkeit(fenster.get()), 3);  // the three cover labels at least

    // The client area shows the colour of window backgrounds, not a dark band around the page.
    const QImage bild = fenster->grab().toImage();
    const QWidget* client = fenster->Clientbereich();
    const QPoint ecke = client->mapTo(fenster.get(), QPoint(client->width() - 2, client->height() - 2));
    EXPECT_EQ(QColor(bild.pixel(ecke)), client->palette().color(QPalette::Base));

    KelvorForm2* wahl = typwahl();
    ASSERT_NE(wahl, nullptr);
    PrüfeLesbarkeit(fenster.get());
    wahl->HauptwahlCommand[0]->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 3);
    // Captions, record counter, current number and the program folder.
    EXPECT_GE(PrüfeLesbarkeit(fenster.get()), 13);
    // The first page of the project's type, whatever it shows.
    fenster->WeiterCommand->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 100);
    PrüfeLesbarkeit(fenster.get());
}

TEST_F(Ansicht, EinKleinesFensterRolltDieSeite)
{
    starte();
    auto* rollen = fenster->findChild<QScrollArea*>();
    ASSERT_NE(rollen, nullptr);
    auto* start = fenster->Clientbereich()->findChild<KelvorForm1*>();
    ASSERT_NE(start, nullptr);
    fenster->resize(400, 300);
    Ereignisse();
    // The page keeps its size and can be scrolled to its far corner.
    EXPECT_EQ(start->size(), QSize(735, 465));
    EXPECT_GT(rollen->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(rollen->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(rollen->viewport()->width() + rollen->horizontalScrollBar()->maximum(), start->width());
    fenster->resize(FormMinMaxSize::Maximum());
    Ereignisse();
    EXPECT_EQ(rollen->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(rollen->verticalScrollBar()->maximum(), 0);
}

TEST_F(Ansicht, ListeUndSicherungZeigenJedeSpalteGanz)
{
    vieleProjekte();
    ZurProjektseite();
    EXPECT_TRUE(ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe& d) {
        EXPECT_GE(PrüfeLesbarkeit(&d), 2);
        PrüfeSpalten(d.DataGrid1);
        // The buttons stay inside the widened dialog.
        EXPECT_LE(d.Cancel->geometry().right(), d.width());
    }));
    EXPECT_TRUE(ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [](MDISichern& d) {
        EXPECT_GE(PrüfeLesbarkeit(&d), 2);
        d.AllesMarkieren->click();
        PrüfeSpalten(d.DataGrid1);
        // Both captions of the mark-all button fit, and it keeps clear of Sichern.
        for (int i = 0; i < 2; ++i) {
            EXPECT_GE(d.AllesMarkieren->width(), d.AllesMarkieren->sizeHint().width()) << d.AllesMarkieren->text().toStdString();
            d.AllesMarkieren->click();
        }
        EXPECT_LT(d.Animation1->geometry().right(), d.Save->x());
        EXPECT_LE(d.Cancel->geometry().right(), d.width());
    }));
}

TEST_F(Ansicht, KomprimierungUndKonfliktfrageZeigenTitelUndText)
{
    starte();
    MDIKomprDbank komprimierung(fenster.get());
    EXPECT_FALSE(komprimierung.windowIcon().isNull());
    EXPECT_GE(komprimierung.width(), Fenstergroesse::TitelBreite(komprimierung));
    MDIReSichMeld konflikt(fenster.get());
    konflikt.Laden(QStringLiteral("A-2026-0117"));
    EXPECT_FALSE(konflikt.windowIcon().isNull());
    EXPECT_GE(konflikt.width(), Fenstergroesse::TitelBreite(konflikt));
    EXPECT_GE(PrüfeLesbarkeit(&konflikt), 1);
    for (QPushButton* k : konflikt.findChildren<QPushButton*>())
        EXPECT_GE(k->width(), k->sizeHint().width()) << k->text().toStdString();
    EXPECT_GE(konflikt.Label1->width(), konflikt.Label1->sizeHint().width());
}

TEST_F(Ansicht, FensterUndDialogeZeigenDasProgrammsymbol)
{
    starte();
    EXPECT_FALSE(fenster->windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), fenster->windowIcon().cacheKey());
    // The icon file holds the sizes of a desktop, from small to large.
    const QList<QSize> grössen = fenster->windowIcon().availableSizes();
    EXPECT_TRUE(grössen.contains(QSize(16, 16)));
    EXPECT_TRUE(grössen.contains(QSize(256, 256)));
}

// --- Enter on buttons -----------------------------------------------------------------------------

TEST_F(Ansicht, EnterDruecktDenKnopfMitDemFokus)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    projekt(QStringLiteral("2"), QStringLiteral("Tr"), QStringLiteral("Trinkwasser"));
    starte();
    KelvorForm2* wahl = typwahl();
    ASSERT_NE(wahl, nullptr);
    // The page opens with its first button focused; Tab moves on, Enter presses.
    EXPECT_EQ(QApplication::focusWidget(), wahl->HauptwahlCommand[0]);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), wahl->HauptwahlCommand[3]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("Tr"));

    // In the backup dialog Enter on the mark-all button marks; in the list Enter on Abbruch cancels.
    KelvorForm3* s = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
    ASSERT_NE(s, nullptr);
    QString markiert;
    EXPECT_TRUE(ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [&](MDISichern& d) {
        d.AllesMarkieren->setFocus();
        QTest::keyClick(d.AllesMarkieren, Qt::Key_Return);
        markiert = d.DataGrid1->model()->index(0, 5).data().toString();
    }));
    EXPECT_EQ(markiert, QStringLiteral("X"));
    const QString vorher = zustand().aktProjektnummer;
    EXPECT_TRUE(ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [&](MDIListe& d) {
        d.DataGrid1->setCurrentIndex(d.DataGrid1->model()->index(d.DataGrid1->model()->rowCount() - 1, 0));
        d.Cancel->setFocus();
        QTest::keyClick(d.Cancel, Qt::Key_Return);
    }));
    EXPECT_EQ(zustand().aktProjektnummer, vorher);
    EXPECT_EQ(s->ProjektText[S::Nummer]->text(), vorher);
}

// --- The input being typed is kept when the table is queried anew ---------------------------------

TEST_F(Ansicht, EineUngespeicherteEingabeBleibtBeiMenuewahlUndListe)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    projekt(QStringLiteral("2"), QStringLiteral("Dr"), QStringLiteral("Pumpe"));
    KelvorForm3& s = ZurProjektseite();
    ASSERT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("1"));

    struct Fall {
        const char* name;
        std::function<void()> wahl;
    };
    const Fall fälle[] = {
        {"Berechnungen", [this] { fenster->Mdruckerhöhungsanlagen->trigger(); }},
        {"Liste", [this] { ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe&) {}); }},
        {"Sichern", [this] { ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [](MDISichern&) {}); }},
    };
    for (const Fall& f : fälle) {
        const QString nr = s.ProjektText[S::Nummer]->text();
        fenster->Mverändern->trigger();
        QLineEdit* bauherr = s.ProjektText[S::Bauherr];
        ASSERT_TRUE(bauherr->isEnabled()) << f.name;
        bauherr->setFocus();
        bauherr->selectAll();
        const QString text = QStringLiteral("Bauherr %1").arg(QString::fromUtf8(f.name));
        QTest::keyClicks(bauherr, text);
        f.wahl();
        Ereignisse();
        EXPECT_EQ(feld(nr, QStringLiteral("Bauherr")), text) << f.name;
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Ansicht, EinAbgewiesenesDatumHaeltDieSeiteMitIhrerMeldung)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    KelvorForm3& s = ZurProjektseite();
    fenster->Mverändern->trigger();
    QLineEdit* datum = s.ProjektMask;
    datum->setFocus();
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("31.02.2005"));
    recorder.leeren();
    const bool geöffnet = ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe&) {});
    EXPECT_FALSE(geöffnet);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].werte, QStringList{QStringLiteral("31.12.1998")});
    EXPECT_EQ(datum->text(), QStringLiteral("10.12.2026"));
    EXPECT_EQ(QApplication::focusWidget(), datum);
    // The calculation items stop the same way.
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("kein Datum"));
    recorder.leeren();
    fenster->Mheizungsanlagen->trigger();
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), datum);
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("1 - Projektnummer"));
}

// --- Closing ---------------------------------------------------------------------------------------

TEST_F(Ansicht, NachJaEndetDasProgrammSofort)
{
    starte();
    QApplication::setQuitOnLastWindowClosed(true);
    recorder.antworten = {MsgAntwort::Ja};
    QObject wächter;
    QTimer::singleShot(0, &wächter, [this] { fenster->ExitCommand->click(); });
    QTimer::singleShot(5000, &wächter, [] { QCoreApplication::exit(99); });
    QElapsedTimer uhr;
    uhr.start();
    const int ergebnis = QApplication::exec();
    const qint64 dauer = uhr.elapsed();
    QApplication::setQuitOnLastWindowClosed(false);
    {
        // A quit still queued for the ended loop must not end the loops of later tests: one more
        // run of the main loop takes it (or ends by itself) and leaves the application as before.
        QObject aufräumen;
        QTimer::singleShot(0, &aufräumen, [] { QCoreApplication::quit(); });
        QApplication::exec();
    }
    EXPECT_EQ(ergebnis, 0);
    EXPECT_LT(dauer, 1000);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(recorder.boxen.size(), 1);
}

}  // namespace
