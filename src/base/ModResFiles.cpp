#include "base/ModResFiles.h"

#include "base/Programmzustand.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr long FehlerKeineRessource = 326;
constexpr long FehlerDateizugriff = 75;

// The resource file of a picture, or the empty text.
QString ressourcenPfad(int id, const QString& typ)
{
    for (const char* endung : {"jpg", "gif"}) {
        const QString pfad = QStringLiteral(":/bilder/%1/%2.%3").arg(typ).arg(id).arg(QLatin1String(endung));
        if (QFile::exists(pfad))
            return pfad;
    }
    return {};
}
}  // namespace

QImage LadeBildAusRessource(int id, const QString& typ, const QString& datei)
{
    if (datei.isEmpty()) {
        const QString pfad = ressourcenPfad(id, typ);
        return pfad.isEmpty() ? QImage() : QImage(pfad);
    }
    if (SchreibeRessourceInDatei(id, typ, datei) != 0)
        return {};
    QImage bild(datei);
    QFile::remove(datei);
    return bild;
}

long SchreibeRessourceInDatei(int id, const QString& typ, const QString& datei)
{
    const QString pfad = ressourcenPfad(id, typ);
    QFile quelle(pfad);
    if (pfad.isEmpty() || !quelle.open(QIODevice::ReadOnly))
        return FehlerKeineRessource;
    const QByteArray inhalt = quelle.readAll();
    QFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Truncate) || ziel.write(inhalt) != inhalt.size()
        || !ziel.flush())
        return FehlerDateizugriff;
    return 0;
}

bool GetTempDateiname(const QString& ordner, const QString& praefix, int eindeutig, QString& name, QString* grund)
{
    QString verzeichnis = ordner;
    if (verzeichnis.isEmpty())
        verzeichnis = zustand().TempOrdner.isEmpty() ? QDir::tempPath() : zustand().TempOrdner;
    const QDir dir(verzeichnis);
    const QString vorne = praefix.left(3);
    if (eindeutig != 0) {
        name = dir.filePath(vorne + QString::number(static_cast<uint>(eindeutig) & 0xFFFFu, 16).toUpper().rightJustified(4, QLatin1Char('0'))
                            + QLatin1String(".tmp"));
        return true;
    }
    // In a folder that others write into too, a name may be taken by anyone (also by a link that
    // leads elsewhere): the file is only created new, never opened when it exists, and the 32
    // random bits make a name that others have taken a rare event.
    int fehler = EEXIST;
    for (int versuch = 0; versuch < 100 && fehler == EEXIST; ++versuch) {
        const QString kandidat = dir.filePath(vorne + QString::number(QRandomGenerator::system()->generate(), 16)
                                                          .toUpper()
                                                          .rightJustified(8, QLatin1Char('0'))
                                              + QLatin1String(".tmp"));
        const int fd = ::open(QFile::encodeName(kandidat).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            ::close(fd);
            name = kandidat;
            return true;
        }
        fehler = errno;
    }
    if (grund)
        *grund = QString::fromLocal8Bit(std::strerror(fehler));
    return false;
}

QString SchneideNullZeichen(const QString& text)
{
    const qsizetype null = text.indexOf(QChar(0));
    return null < 0 ? text : text.left(null);
}

void SetzeSpaltennamen(int /*sprache*/)
{
    SpalteBeschreibung = QStringLiteral("Beschreibung");
    SpalteBezeichnung = QStringLiteral("Bezeichnung");
    SpalteUmschreibung = QStringLiteral("Umschreibung");
    SpalteTyp = QStringLiteral("Typ");
    SpalteBezeichnungWT = QStringLiteral("Bezeichnung");
    SpalteKurztext1 = QStringLiteral("arKurztext1");
    SpalteKurztext2 = QStringLiteral("arKurztext2");
    SpalteLangtext = QStringLiteral("ltText");
    SpalteEinfügetext = QStringLiteral("etText");
}
