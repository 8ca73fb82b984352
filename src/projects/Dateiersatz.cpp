#include "projects/Dateiersatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace {

QString& letzterFehler()
{
    static QString f;
    return f;
}

bool syncPfad(const QString& pfad, int art)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), art | O_CLOEXEC);
    if (fd < 0) {
        letzterFehler() = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    if (!ok)
        letzterFehler() = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return ok;
}

}  // namespace

namespace Dateiersatz {

bool AufPlatteSchreiben(const QString& pfad)
{
    return syncPfad(pfad, O_RDONLY);
}

bool Ersetzen(const QString& neu, const QString& ziel)
{
    std::error_code fehler;
    std::filesystem::rename(QFile::encodeName(neu).toStdString(), QFile::encodeName(ziel).toStdString(), fehler);
    if (fehler) {
        letzterFehler() = QString::fromStdString(fehler.message());
        return false;
    }
    // The new file is in place; flushing the folder makes the rename survive a power loss,
    // and a folder that cannot be flushed (some file systems refuse) leaves it in place too.
    syncPfad(QFileInfo(ziel).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

QString LetzterFehler()
{
    return letzterFehler();
}

QString Daneben(const QString& ziel, const QString& zusatz)
{
    const QFileInfo f(ziel);
    const QString endung = f.suffix();
    return f.dir().filePath(f.completeBaseName() + zusatz + (endung.isEmpty() ? QString() : QLatin1Char('.') + endung));
}

}  // namespace Dateiersatz
