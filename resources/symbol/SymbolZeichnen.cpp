// Draws the program's icon: a red expansion vessel with its pressure gauge on a blue tile.
// Writes Kelvor.ico (all sizes, PNG entries) and one PNG per size for the desktop.
//   kelvor_symbol <ico file> <png folder>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

constexpr int Grössen[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Drawn on a 256 grid, scaled to the size.
QImage Zeichne(int grösse)
{
    QImage bild(grösse, grösse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(grösse / 256.0, grösse / 256.0);

    // Tile.
    QLinearGradient kachel(0, 0, 0, 256);
    kachel.setColorAt(0, QColor(0x2a, 0x6f, 0xa8));
    kachel.setColorAt(1, QColor(0x17, 0x45, 0x6e));
    p.setPen(Qt::NoPen);
    p.setBrush(kachel);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Feet and the connection below the vessel.
    p.setBrush(QColor(0x8a, 0x96, 0x9e));
    p.drawRect(QRectF(84, 196, 18, 32));
    p.drawRect(QRectF(154, 196, 18, 32));
    p.drawRect(QRectF(119, 200, 18, 36));

    // The vessel: a capsule with a lighter band on its left.
    QLinearGradient mantel(64, 0, 192, 0);
    mantel.setColorAt(0, QColor(0xe0, 0x4a, 0x3a));
    mantel.setColorAt(0.35, QColor(0xd2, 0x3c, 0x2e));
    mantel.setColorAt(1, QColor(0x8e, 0x1f, 0x17));
    p.setBrush(mantel);
    p.setPen(QPen(QColor(0x5e, 0x12, 0x0d), 5));
    p.drawRoundedRect(QRectF(66, 36, 124, 170), 58, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(84, 66, 16, 108), 8, 8);

    // Pressure gauge on the vessel.
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 7));
    p.drawEllipse(QPointF(142, 112), 30, 30);
    p.setPen(QPen(QColor(0xe8, 0x8a, 0x1e), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(142, 112), QPointF(158, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawEllipse(QPointF(142, 112), 6, 6);
    p.end();
    return bild;
}

QByteArray AlsPng(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

// An icon file whose entries are PNG images (one per size).
bool SchreibeIco(const QString& datei, const std::vector<std::pair<int, QByteArray>>& bilder)
{
    QByteArray ico;
    auto u16 = [&ico](quint16 v) { v = qToLittleEndian(v); ico.append(reinterpret_cast<const char*>(&v), 2); };
    auto u32 = [&ico](quint32 v) { v = qToLittleEndian(v); ico.append(reinterpret_cast<const char*>(&v), 4); };
    u16(0);
    u16(1);
    u16(static_cast<quint16>(bilder.size()));
    quint32 versatz = 6 + 16 * static_cast<quint32>(bilder.size());
    for (const auto& [grösse, png] : bilder) {
        ico.append(static_cast<char>(grösse >= 256 ? 0 : grösse));
        ico.append(static_cast<char>(grösse >= 256 ? 0 : grösse));
        ico.append('\0');
        ico.append('\0');
        u16(1);
        u16(32);
        u32(static_cast<quint32>(png.size()));
        u32(versatz);
        versatz += static_cast<quint32>(png.size());
    }
    for (const auto& eintrag : bilder)
        ico.append(eintrag.second);
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(ico) == ico.size() && f.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kelvor_symbol <ico file> <png folder>\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(ordner.path()))
        return 1;
    std::vector<std::pair<int, QByteArray>> ico;
    for (int g : Grössen) {
        const QImage bild = Zeichne(g);
        if (!bild.save(ordner.filePath(QStringLiteral("kelvor_%1.png").arg(g)), "PNG"))
            return 1;
        if (g != 22 && g != 128)
            ico.emplace_back(g, AlsPng(bild));
    }
    return SchreibeIco(QString::fromLocal8Bit(argv[1]), ico) ? 0 : 1;
}
