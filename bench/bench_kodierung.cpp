// Encodes 1 Mi characters (the last one of each table) into each single-byte encoding and into
// UTF-16; prints each time against UTF-16's. A character should cost a few comparisons: a ratio
// far above 1 means work per character grew.
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>

#include "exchange/XML_Tools.h"

int main()
{
    const QByteArray viel = QStringLiteral("ÿ").repeated(1 << 20).toUtf8();
    QElapsedTimer uhr;
    uhr.start();
    XmlKodierung::AusUtf8(viel, "UTF-16LE", true);
    const double utf16 = std::max<qint64>(uhr.nsecsElapsed(), 1);
    std::printf("UTF-16LE: %.1f ms\n", utf16 / 1e6);
    for (const QByteArray name : {"ISO-8859-1", "ISO-8859-15", "WINDOWS-1252"}) {
        uhr.restart();
        XmlKodierung::AusUtf8(viel, name, false);
        const double zeit = uhr.nsecsElapsed();
        std::printf("%s: %.1f ms, %.2f x UTF-16\n", name.constData(), zeit / 1e6, zeit / utf16);
    }
    return 0;
}
