#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
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
