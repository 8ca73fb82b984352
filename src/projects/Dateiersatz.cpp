#include "projects/Dateiersatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace {

bool syncPfad(const QString& pfad, int art)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), art | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
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
    if (fehler)
        return false;
    // The rename itself is kept only once the folder is on the disk.
    return syncPfad(QFileInfo(ziel).absolutePath(), O_RDONLY | O_DIRECTORY);
}

QString Daneben(const QString& ziel, const QString& zusatz)
{
    const QFileInfo f(ziel);
    const QString endung = f.suffix();
    return f.dir().filePath(f.completeBaseName() + zusatz + (endung.isEmpty() ? QString() : QLatin1Char('.') + endung));
}

}  // namespace Dateiersatz
