#include "base/Dateischreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Dateiaufrufe::Dateiaufrufe()
    : öffnen([](const char* pfad, int flags, mode_t modus) { return ::open(pfad, flags, modus); }),
      schreiben([](int fd, const void* daten, size_t n) { return ::write(fd, daten, n); }),
      datensync([](int fd) { return ::fdatasync(fd); }),
      ordnersync([](int fd) { return ::fsync(fd); }),
      schließen([](int fd) { return ::close(fd); }),
      umbenennen([](const char* von, const char* nach) { return ::rename(von, nach); })
{
}

Dateiaufrufe& dateiaufrufe()
{
    static Dateiaufrufe aufrufe;
    return aufrufe;
}

namespace {

QString zufallsteil()
{
    static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < 6; ++i)
        s += QLatin1Char(zeichen[QRandomGenerator::global()->bounded(int(sizeof zeichen - 1))]);
    return s;
}

}  // namespace

const QString& Dateischreiber::Tempmuster()
{
    static const QString muster = QStringLiteral("^.+\\.kelvor-[A-Za-z0-9]{6}\\.tmp$");
    return muster;
}

Dateischreiber::Dateischreiber(QString ziel) : m_ziel(QDir::cleanPath(QFileInfo(ziel).absoluteFilePath())) {}

Dateischreiber::~Dateischreiber()
{
    if (!m_fertig)
        verwerfen();
}

bool Dateischreiber::scheitern(const char* schritt, int fehlernummer)
{
    if (m_fehler.isEmpty())
        m_fehler = QString::fromLatin1(schritt) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(fehlernummer));
    setErrorString(m_fehler);
    return false;
}

void Dateischreiber::schließeFd()
{
    if (m_fd >= 0) {
        dateiaufrufe().schließen(m_fd);
        m_fd = -1;
    }
}

// Temporary files of this target left by a run that ended while writing it (the program runs
// once, so none of them is being written).
void Dateischreiber::entferneReste() const
{
    const QFileInfo ziel(m_ziel);
    const QRegularExpression muster(QStringLiteral("^") + QRegularExpression::escape(ziel.fileName())
                                    + QStringLiteral("\\.kelvor-[A-Za-z0-9]{6}\\.tmp$"));
    const QDir ordner = ziel.absoluteDir();
    for (const QString& name : ordner.entryList({ziel.fileName() + QStringLiteral(".kelvor-*.tmp")}, QDir::Files | QDir::Hidden))
        if (muster.match(name).hasMatch())
            QFile::remove(ordner.filePath(name));
}

bool Dateischreiber::öffnen()
{
    m_fehler.clear();
    m_fertig = false;
    // The new file takes the permissions of the one it replaces.
    mode_t modus = 0666;
    struct stat alt {};
    if (::stat(QFile::encodeName(m_ziel).constData(), &alt) == 0)
        modus = alt.st_mode & 07777;
    const QString basis = m_ziel + QStringLiteral(".kelvor-");
    entferneReste();
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QString name = basis + zufallsteil() + QStringLiteral(".tmp");
        const int fd = dateiaufrufe().öffnen(QFile::encodeName(name).constData(),
                                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
        if (fd >= 0) {
            m_fd = fd;
            m_temp = name;
            if (modus != 0666)
                ::fchmod(fd, modus);
            return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        }
        if (errno != EEXIST)
            return scheitern("open", errno);
    }
    return scheitern("open", EEXIST);
}

qint64 Dateischreiber::writeData(const char* daten, qint64 n)
{
    if (m_fd < 0 || !m_fehler.isEmpty())
        return -1;
    qint64 geschrieben = 0;
    while (geschrieben < n) {
        const ssize_t r = dateiaufrufe().schreiben(m_fd, daten + geschrieben, size_t(n - geschrieben));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            scheitern("write", r < 0 ? errno : ENOSPC);
            return -1;
        }
        geschrieben += r;
    }
    return n;
}

bool Dateischreiber::abschließen()
{
    if (m_fd < 0) {
        verwerfen();
        return scheitern("open", EBADF);
    }
    bool ok = m_fehler.isEmpty();
    if (ok && dateiaufrufe().datensync(m_fd) != 0)
        ok = scheitern("fdatasync", errno);
    if (dateiaufrufe().schließen(m_fd) != 0 && ok)
        ok = scheitern("close", errno);
    m_fd = -1;
    QIODevice::close();
    if (ok && dateiaufrufe().umbenennen(QFile::encodeName(m_temp).constData(), QFile::encodeName(m_ziel).constData()) != 0)
        ok = scheitern("rename", errno);
    if (!ok) {
        verwerfen();
        return false;
    }
    m_fertig = true;
    // The rename is durable only once the folder is synced; the target already holds the new data.
    const QByteArray ordner = QFile::encodeName(QFileInfo(m_ziel).absolutePath());
    const int dfd = dateiaufrufe().öffnen(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dfd < 0)
        return scheitern("open folder", errno);
    const bool synchron = dateiaufrufe().ordnersync(dfd) == 0 || errno == EINVAL;
    const int nummer = errno;
    dateiaufrufe().schließen(dfd);
    return synchron || scheitern("fsync folder", nummer);
}

void Dateischreiber::verwerfen()
{
    schließeFd();
    if (isOpen())
        QIODevice::close();
    if (!m_temp.isEmpty() && !m_fertig)
        ::unlink(QFile::encodeName(m_temp).constData());
    m_fertig = true;
}

bool SchreibeDatei(const QString& ziel, const QByteArray& inhalt, QString* fehler)
{
    Dateischreiber datei(ziel);
    const bool ok = datei.öffnen() && datei.write(inhalt) == inhalt.size() && datei.abschließen();
    if (!ok) {
        datei.verwerfen();
        if (fehler)
            *fehler = datei.fehler();
    }
    return ok;
}
