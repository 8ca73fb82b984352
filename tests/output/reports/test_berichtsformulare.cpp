#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

#include "Berichtsfixture.h"
#include "output/reports/Drucken.h"
#include "output/reports/forms/DruckausgabeArt.h"
#include "output/reports/forms/Seitenvorschau.h"
#include "support/ModalSchliesser.h"
#include "support/QStringAusgabe.h"

namespace {

// Saves a window as a picture below /tmp when KELVOR_BILDER is set (to look at it).
void Bild(QWidget& w, const char* name)
{
    if (qEnvironmentVariableIsSet("KELVOR_BILDER"))
        w.grab().save(QStringLiteral("/tmp/%1.png").arg(QString::fromLatin1(name)));
}

TEST(DruckausgabeArt, KnöpfeUndSchließen)
{
    DruckausgabeArt d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Ausgabeauswahl"));
    EXPECT_EQ(d.Label1->text(), QStringLiteral("Wählen Sie bitte Ausgabe mit oder ohne Preise:"));
    EXPECT_EQ(d.Preisanzeige[1]->text(), QStringLiteral("&Preise"));
    EXPECT_EQ(d.Preisanzeige[2]->text(), QStringLiteral("&Ohne Preise"));
    EXPECT_EQ(d.Preisanzeige[0]->text(), QStringLiteral("&Abbruch"));
    d.show();
    Bild(d, "druckausgabeart");
    d.hide();
    for (int i : {1, 2, 0}) {
        DruckausgabeArt w;
        ModalSchliesser s([&w, i](QWidget*) {
            QTimer::singleShot(0, &w, [&w, i] { w.Preisanzeige[static_cast<size_t>(i)]->click(); });
        });
        EXPECT_EQ(w.anzeige(), i);
    }
    // The close box is a cancel.
    DruckausgabeArt w;
    ModalSchliesser s;
    EXPECT_EQ(w.anzeige(), 0);
}

// Enter takes the prices (the default button), Esc cancels; a key that does nothing leaves the
// dialog to the fallback, which answers differently.
TEST(DruckausgabeArt, EnterPreiseEscAbbruch)
{
    for (auto [taste, ergebnis, ersatz] : {std::tuple{Qt::Key_Return, 1, 0}, {Qt::Key_Escape, 0, 2}}) {
        DruckausgabeArt w;
        QTimer::singleShot(0, &w, [&w, taste] { QTest::keyClick(&w, taste); });
        QTimer::singleShot(3000, &w, [&w, ersatz] { w.Wähle(ersatz); });
        EXPECT_EQ(w.anzeige(), ergebnis) << taste;
    }
}

class SeitenvorschauTest : public Berichtsfixture {};

TEST_F(SeitenvorschauTest, ErgebnisseMitOkUndWachsendemBild)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    Drucken b;
    b.Preisauswahl = [] { return 1; };
    int gezeigt = 0;
    b.Vorschau = [&gezeigt](Drucken& bericht, bool mitDruck) {
        ++gezeigt;
        Seitenvorschau v;
        v.resize(900, 700);
        v.Laden(bericht, mitDruck);
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Berechnungsergebnisse"));
        EXPECT_EQ(v.Command2->text(), QStringLiteral("OK"));
        EXPECT_TRUE(v.Command1->isHidden());
        // Two pages of results: the picture holds both with their gaps.
        const int seite = v.Picture2->height() / 2;
        EXPECT_GT(seite, 500);
        EXPECT_EQ(v.Picture2->height() % 2, 0);
        EXPECT_EQ(v.Picture2->height(), bericht.Seitenzahl() * seite);
        v.show();
        EXPECT_FALSE(v.VScroll1->isHidden());
        EXPECT_EQ(v.VScroll1->maximum(), v.Picture2->height() - v.Picture1->height() + 40 +
                                             (v.HScroll1->isHidden() ? 0 : v.HScroll1->height()));
        EXPECT_EQ(v.VScroll1->singleStep(), bericht.GetCharWidthMon_Y());
        v.VScroll1->setValue(100);
        EXPECT_EQ(v.Picture2->y(), 20 - 100);
        Bild(v, "seitenvorschau");
        v.VScroll1->setValue(0);
        // Never below its minimum size.
        v.resize(10, 10);
        EXPECT_GE(v.width(), 200);
        EXPECT_GE(v.height(), 166);
        return false;
    };
    b.DruckenModus(1);
    EXPECT_EQ(gezeigt, 1);
    EXPECT_EQ(b.Seitenzahl(), 2);
}

// Over a main window narrower than a page the preview still shows a whole page width (as far as
// the screen allows); wheel, arrows and Page Up/Down scroll it whichever button has the focus.
TEST_F(SeitenvorschauTest, GanzeSeitenbreiteUndRollenMitRadUndTasten)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    Drucken b;
    b.Preisauswahl = [] { return 1; };
    QWidget haupt;
    haupt.setGeometry(50, 40, 500, 400);
    b.Vorschau = [&haupt](Drucken& bericht, bool mitDruck) -> bool {
        Seitenvorschau v(&haupt);
        v.Laden(bericht, mitDruck);
        const int sb = v.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QRect bildschirm = v.screen()->availableGeometry();
        EXPECT_EQ(v.width(), std::min(v.Picture2->width() + 40 + sb, bildschirm.width()));
        EXPECT_EQ(v.height(), 400);
        EXPECT_TRUE(bildschirm.contains(v.geometry())) << v.geometry().x() << " " << v.geometry().width();
        v.show();
        QTest::qWait(10);
        EXPECT_TRUE(v.Command2->isVisible());
        EXPECT_LE(v.Command2->geometry().right(), v.width());
        EXPECT_TRUE(v.VScroll1->isVisible());
        if (!v.VScroll1->isVisible())
            return false;

        // The wheel over the page, one notch down and back.
        const int schritt = v.VScroll1->singleStep();
        auto rad = [&v](int delta) {
            const QPointF p = v.Picture2->rect().center();
            QWheelEvent e(p, v.Picture2->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(v.Picture2, &e);
        };
        rad(-120);
        EXPECT_GT(v.VScroll1->value(), 0);
        EXPECT_EQ(v.Picture2->y(), 20 - v.VScroll1->value());
        rad(120);
        EXPECT_EQ(v.VScroll1->value(), 0);

        // Keys on the focused button: Page Down by a page, Down and Up by a line.
        v.Command2->setFocus();
        QTest::keyClick(v.Command2, Qt::Key_PageDown);
        EXPECT_EQ(v.VScroll1->value(), v.VScroll1->pageStep());
        QTest::keyClick(v.Command2, Qt::Key_Down);
        EXPECT_EQ(v.VScroll1->value(), v.VScroll1->pageStep() + schritt);
        QTest::keyClick(v.Command2, Qt::Key_Up);
        QTest::keyClick(v.Command2, Qt::Key_PageUp);
        EXPECT_EQ(v.VScroll1->value(), 0);
        if (v.HScroll1->isVisible()) {
            QTest::keyClick(v.Command2, Qt::Key_Right);
            EXPECT_EQ(v.HScroll1->value(), v.HScroll1->singleStep());
            QTest::keyClick(v.Command2, Qt::Key_Left);
            EXPECT_EQ(v.HScroll1->value(), 0);
        }
        // The keys did not press or leave the button.
        EXPECT_TRUE(v.isVisible());
        EXPECT_EQ(v.focusWidget(), v.Command2);
        return false;
    };
    b.DruckenModus(1);
}

TEST_F(SeitenvorschauTest, GDIDrawGibtDasErgebnisDesRechtenKnopfs)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße());
    for (bool drücken : {true, false}) {
        Drucken b;
        b.Preisauswahl = [] { return 2; };
        bool ergebnis = !drücken;
        b.Vorschau = [&](Drucken& bericht, bool mitDruck) {
            Seitenvorschau v;
            ModalSchliesser s([&v, drücken](QWidget*) {
                if (drücken)
                    QTimer::singleShot(0, &v, [&v] { v.Command2->click(); });
            });
            ergebnis = v.GDIDraw(bericht, mitDruck);
            return ergebnis;
        };
        b.DruckenModus(1);
        EXPECT_EQ(ergebnis, drücken);
    }
}

}  // namespace
