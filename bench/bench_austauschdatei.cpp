// Loads exchange files of the costliest shape the reader accepts (as many elements and
// attributes as allowed, the rest ISO-8859-1 text that doubles when decoded) at two sizes, each
// in a child process; prints time and peak memory as ratios to loading a small exchange file.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "exchange/XML_Tools.h"
#include "base/Programmzustand.h"
#include "support/ImKind.h"
#include "support/MeldungsRecorder.h"

namespace {

QByteArray teuerste(qint64 größe)
{
    QByteArray d = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<R>";
    const QByteArray element = "<e a=''/>";
    // The declaration and the root's two tags are markups too.
    const qint64 anzahl = std::min(XML_Tools::MaxMarken - 3, XML_Tools::MaxZuweisungen);
    d.reserve(größe);
    for (qint64 i = 0; i < anzahl && d.size() + element.size() + 4 < größe; ++i)
        d += element;
    d += QByteArray(std::max<qint64>(0, größe - d.size() - 4), '\xE4');
    return d + "</R>";
}

Kindlauf laden(const QString& pfad)
{
    return ImKindLauf(
        [&] {
            XML_Tools x;
            return QByteArray::number(x.LoadXMLDocument(pfad));
        },
        {60'000, 4L * 1024 * 1024});
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    zustandZuruecksetzen();
    MeldungsRecorder meldungen;
    QTemporaryDir ordner;
    const auto schreibe = [&](const QString& name, const QByteArray& inhalt) {
        const QString pfad = ordner.filePath(name);
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
            return QString();
        return pfad;
    };
    const QString klein = schreibe(QStringLiteral("klein.xml"), teuerste(64 * 1024));
    const Kindlauf basis = laden(klein);
    if (!basis.beendet || basis.antwort != "0") {
        std::printf("kleine Datei nicht geladen\n");
        return 1;
    }
    std::printf("klein (64 KB): %.3f s, %ld MB Spitze\n", basis.sekunden, basis.maxRssKb / 1024);
    for (const qint64 größe : {XML_Tools::MaxDateigroesse / 2, XML_Tools::MaxDateigroesse}) {
        const QString pfad = schreibe(QStringLiteral("gross.xml"), teuerste(größe));
        const Kindlauf l = laden(pfad);
        std::printf("%lld MB: %s, Zeit %.1f x, Spitze %.1f x (%ld MB, %.1f x die Datei)\n", größe >> 20,
                    l.beendet && l.antwort == "0" ? "geladen" : "nicht geladen", l.sekunden / basis.sekunden,
                    double(l.maxRssKb) / double(basis.maxRssKb), l.maxRssKb / 1024,
                    double(l.maxRssKb - basis.maxRssKb) * 1024.0 / double(größe));
    }
    return 0;
}
