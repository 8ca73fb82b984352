#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "base/AllgFunktionen.h"
#include "base/DruckerSeam.h"
#include "base/Programmzustand.h"
#include "output/schematic/forms/DXFMaker.h"
#include "Schemaordner.h"

namespace {

int Pixel(const QImage& bild, const std::function<bool(QRgb)>& art)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (art(bild.pixel(x, y)))
                ++n;
    return n;
}

}  // namespace

TEST(DXFMaker, ZeigtDasSchemaMitRahmenUndTexten)
{
    zustandZuruecksetzen();
    Schemaordner o;
    zustand().Datenpfad = o.dir.path();
    zustand().Installationspfad = o.dir.path();
    o.order(Anlagen()[2].second);
    {
        DXFMaker m;
        m.resize(1280, 960);
        m.Vorbereiten(Schaltschemalauf::ZielAnzeigen, QString());
        EXPECT_EQ(m.windowTitle(), LadeText(210));
        EXPECT_EQ(m.AnsichtBeenden->text(), LadeText(211));
        EXPECT_EQ(m.anzeige->text(), QStringLiteral("--"));
        m.show();
        EXPECT_TRUE(m.Beschäftigt());
        m.close();  // refused: the run is about to start
        EXPECT_TRUE(m.isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&] { return m.Gelaufen(); }, 20000));
        EXPECT_FALSE(m.Beschäftigt());
        EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
        EXPECT_TRUE(m.anzeige->text().isEmpty());
        EXPECT_EQ(m.Ausgabedateiname, o.dir.path() + u'/');

        const QImage bild = m.grab().toImage();
        bild.save(QStringLiteral("/tmp/kelvor_schaltschema.png"));
        const QImage blatt = m.Bild();
        ASSERT_FALSE(blatt.isNull());
        // Pipes in blue, symbols and frame in dark lines, texts of the frame drawn.
        EXPECT_GT(Pixel(blatt, [](QRgb p) { return qBlue(p) > 180 && qRed(p) < 100 && qGreen(p) < 100; }), 300);
        EXPECT_GT(Pixel(blatt, [](QRgb p) { return qGray(p) < 100; }), 2000);
        // Nothing drawn is cut off at the right edge of the sheet: the last column stays white
        // except for the frame line.
        m.AnsichtBeenden->click();
        EXPECT_FALSE(m.isVisible());
    }
    zustandZuruecksetzen();
}

TEST(DXFMaker, DrucktEineQuerseiteWieAmBildschirm)
{
    zustandZuruecksetzen();
    Schemaordner o;
    zustand().Datenpfad = o.dir.path();
    zustand().Installationspfad = o.dir.path();
    o.order(Anlagen()[0].second);
    PdfDrucker pdf(o.pfad(QStringLiteral("druck.pdf")));
    setzeDrucker(&pdf);
    {
        DXFMaker m;
        m.resize(1600, 1100);  // a picture larger than the sheet of paper
        m.Vorbereiten(Schaltschemalauf::ZielDrucken, QString());
        m.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m.Gelaufen(); }, 20000));
        EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
        EXPECT_EQ(m.ausdruck, QStringLiteral("J"));
        m.close();
    }
    setzeDrucker(nullptr);
    EXPECT_EQ(pdf.aufträge, 1);
    const QByteArray inhalt = o.lese(QStringLiteral("druck.pdf"));
    EXPECT_EQ(inhalt.count("/Type /Page\n"), 1);
    QFile kopie(QStringLiteral("/tmp/kelvor_schaltschema_druck.pdf"));
    if (kopie.open(QIODevice::WriteOnly))
        kopie.write(inhalt);
    zustandZuruecksetzen();
}

// The window gives the renderer the system beep for a defective LINE.
TEST(DXFMaker, RendererPieptUeberDasSystem)
{
    zustandZuruecksetzen();
    DXFMaker m;
    ASSERT_TRUE(static_cast<bool>(m.Signalton));
    m.Signalton();
}

// A window made larger after the run (maximised) shows the sheet at the new size, whole: its
// frame's four lines lie inside the picture box, and the sheet fills the box's width or height.
TEST(DXFMaker, GroesseresFensterZeigtDasBlattGanzUndGroesser)
{
    zustandZuruecksetzen();
    Schemaordner o;
    zustand().Datenpfad = o.dir.path();
    zustand().Installationspfad = o.dir.path();
    for (const int typ : {0, 3, 4, 6, 7}) {  // heating, cooling, drinking water, pressure boosting, solar
        SCOPED_TRACE(Anlagen()[typ].first);
        o.order(Anlagen()[typ].second);
        DXFMaker m;
        m.resize(800, 600);
        m.Vorbereiten(Schaltschemalauf::ZielAnzeigen, QString());
        m.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m.Gelaufen(); }, 20000));
        // Two sizes, then maximised by the window system.
        for (const QSize größe : {QSize(800, 600), QSize(1280, 1000), QSize()}) {
            if (größe.isValid()) {
                m.resize(größe);
            } else {
                m.showMaximized();
                (void)QTest::qWaitFor([&] { return m.isMaximized() && m.width() > 1280; }, 1000);
            }
            QApplication::processEvents();
            const QImage bild = m.Bildfeld->grab().toImage();
            if (qEnvironmentVariableIsSet("KELVOR_BILDER")) {
                const QString ordner = qEnvironmentVariable("KELVOR_BILDER", QStringLiteral("/tmp"));
                m.grab().save(QStringLiteral("%1/dxfmaker-%2-%3.png").arg(ordner).arg(typ).arg(m.width()));
                if (m.isMaximized())
                    m.screen()->grabWindow(0).save(QStringLiteral("%1/dxfmaker-%2-bildschirm.png").arg(ordner).arg(typ));
            }
            const qreal dpr = bild.devicePixelRatio();
            const QSize feld = m.Bildfeld->size();
            // The sheet uses the box: its full width or its full height.
            const QRect blatt = m.Blatt();
            EXPECT_TRUE(blatt.width() >= feld.width() - 12 || blatt.height() >= feld.height() - 12)
                << blatt.width() << "x" << blatt.height() << " in " << feld.width() << "x" << feld.height();
            EXPECT_TRUE(QRect(QPoint(0, 0), feld).contains(blatt));
            // The frame's outer lines: dark pixels near each edge of the sheet, inside the box.
            const auto dunkel = [&](int x1, int y1, int x2, int y2) {
                int n = 0;
                for (int y = int(y1 * dpr); y < int(y2 * dpr); ++y)
                    for (int x = int(x1 * dpr); x < int(x2 * dpr); ++x)
                        if (bild.valid(x, y) && qGray(bild.pixel(x, y)) < 128)
                            ++n;
                return n;
            };
            const int rand = blatt.height() / 20;
            const int w = blatt.width(), h = blatt.height();
            EXPECT_GT(dunkel(blatt.left(), blatt.bottom() - rand, blatt.right(), blatt.bottom() + 1), w / 2) << "bottom";
            EXPECT_GT(dunkel(blatt.left(), blatt.top(), blatt.right(), blatt.top() + rand), w / 2) << "top";
            EXPECT_GT(dunkel(blatt.left(), blatt.top(), blatt.left() + rand, blatt.bottom()), h / 2) << "left";
            EXPECT_GT(dunkel(blatt.right() - rand, blatt.top(), blatt.right() + 1, blatt.bottom()), h / 2) << "right";
        }
        m.AnsichtBeenden->click();
    }
    zustandZuruecksetzen();
}
