// A heating schematic written as a DXF drawing: the order file read, eleven symbols drawn on a
// picture of screen size and copied into the entity file, pipes and frame, the drawing assembled.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>

#include "output/schematic/Schemaordner.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Schemaordner o;
    o.order(Anlagen()[0].second);
    QImage bild(1240, 877, QImage::Format_RGB32);
    QPainter painter(&bild);
    const double faktor = bild.width() / Schaltschemalauf::Bildbreite;
    PainterZeichenflaeche fläche(painter, QTransform::fromScale(faktor, faktor), Schaltschemalauf::Bildhöhe);
    o.lauf.PictureDXF = &fläche;
    int ereignisse = 0;
    o.lauf.Ereignisse = [&] {
        ++ereignisse;
        QCoreApplication::processEvents();
    };

    const int runden = 200;
    int fehler = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < runden; ++n) {
        bild.fill(Qt::white);
        if (!o.lauf.Zeichnen(Schaltschemalauf::ZielDatei))
            ++fehler;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const QByteArray dxf = o.lese(QStringLiteral("DXFneu.dxf"));
    std::printf("Heating schematic (2 boilers, 12 symbol lines) to DXF: %.2f ms per run (%d runs, %lld bytes, "
                "%d event passes per run, %d failed, %lld messages)\n",
                ms / runden, runden, static_cast<long long>(dxf.size()), ereignisse / runden, fehler,
                static_cast<long long>(o.meldungen.boxen.size()));
    return fehler == 0 ? 0 : 1;
}
