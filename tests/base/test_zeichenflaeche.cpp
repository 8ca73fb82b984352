#include "base/DruckerSeam.h"
#include "base/Zeichenflaeche.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Zeichenflaeche, RecorderHaeltJedenAufrufMitStrichart)
{
    Zeichenrecorder r(500);
    r.setzeStrichart(2);
    r.linie({90, 1800}, {710, 1800}, Qt::red);
    r.setzeStrichart(0);
    r.kreis({1, 2}, 3, Qt::blue);
    r.setzeSchrift("Courier New", 10, true);
    r.text({5, 6}, "Ventil");
    EXPECT_EQ(r.aufrufe, QStringList({"linie 90 1800 710 1800 #ff0000 0 art=2", "kreis 1 2 3 #0000ff art=0",
                                      "schrift Courier New 10 fett", "text 5 6 Ventil #000000"}));
    EXPECT_DOUBLE_EQ(r.textBreite("abcd"), 4 * 0.6 * 10);
    EXPECT_DOUBLE_EQ(r.höhe(), 500);
}

TEST(Zeichenflaeche, PainterZeichnetInDerAbbildung)
{
    QImage bild(200, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        QTransform halb;
        halb.scale(0.5, 0.5);  // surface units are half pixels
        PainterZeichenflaeche f(p, halb, 200);
        f.linie({0, 100}, {398, 100}, Qt::black);
        f.setzeSchrift("Courier New", 10, false);
        EXPECT_GT(f.textBreite("WWWW"), f.textBreite("W"));
    }
    EXPECT_EQ(bild.pixelColor(100, 50), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(100, 20), QColor(Qt::white));
}

TEST(Drucker, OhneEingerichtetenDruckerWirdAbgebrochen)
{
    EXPECT_EQ(drucker().drucken({}), nullptr);
}

TEST(Drucker, PdfDruckerSchreibtSeiten)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("a.pdf");
    PdfDrucker pdf(datei);
    setzeDrucker(&pdf);
    {
        Druckanfrage anfrage;
        anfrage.dokumentname = "Test";
        auto auftrag = drucker().drucken(anfrage);
        ASSERT_NE(auftrag, nullptr);
        EXPECT_NEAR(auftrag->seitengröße().width(), 11906, 10);  // A4 in twips
        auftrag->fläche().linie({0, 0}, {1440, 1440}, Qt::black);
        EXPECT_TRUE(auftrag->neueSeite());
        EXPECT_TRUE(auftrag->beenden());
    }
    setzeDrucker(nullptr);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    EXPECT_EQ(pdf.aufträge, 1);
}
