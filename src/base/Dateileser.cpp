#include "base/Dateileser.h"

#include <QFile>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

Fremdlesen systemfehler(Fremdlesen art, QString* grund)
{
    if (grund)
        *grund = QString::fromLocal8Bit(std::strerror(errno));
    return art;
}

Fremdlesen abgewiesen(Fremdlesen art, QString* grund, int textId, const QList<VbVariant>& werte = {})
{
    if (grund)
        *grund = FormatText(LadeText(zustand().Sprachoffset + textId), werte);
    return art;
}

class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return m_fd; }
    int lösen() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Opens a regular file for reading without blocking on a pipe or device; -1 with *art set otherwise.
int öffneRegulär(const QString& pfad, struct stat& st, Fremdlesen& art, QString* grund)
{
    Deskriptor d(::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (d.fd() < 0 || ::fstat(d.fd(), &st) != 0) {
        art = systemfehler(Fremdlesen::NichtGeöffnet, grund);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        art = abgewiesen(Fremdlesen::KeineDatei, grund, 2966);
        return -1;
    }
    return d.lösen();
}

}  // namespace

Fremdlesen ÖffneFremdeDatei(const QString& pfad, QFile& datei, QString* grund)
{
    struct stat st {};
    Fremdlesen art = Fremdlesen::Gelesen;
    Deskriptor d(öffneRegulär(pfad, st, art, grund));
    if (d.fd() < 0)
        return art;
    const int flags = ::fcntl(d.fd(), F_GETFL);
    if (flags < 0 || ::fcntl(d.fd(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return systemfehler(Fremdlesen::NichtGeöffnet, grund);
    if (!datei.open(d.fd(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (grund)
            *grund = datei.errorString();
        return Fremdlesen::NichtGeöffnet;
    }
    d.lösen();
    return Fremdlesen::Gelesen;
}

Fremdlesen LeseFremdeDatei(const QString& pfad, qint64 höchstens, QByteArray& inhalt, QString* grund)
{
    inhalt.clear();
    struct stat st {};
    Fremdlesen art = Fremdlesen::Gelesen;
    const Deskriptor d(öffneRegulär(pfad, st, art, grund));
    if (d.fd() < 0)
        return art;
    if (st.st_size > höchstens)
        return abgewiesen(Fremdlesen::ZuGroß, grund, 2967, {VbVariant(höchstens / (1024 * 1024))});
    // The file may grow while it is read: never more than the limit.
    QByteArray daten;
    daten.reserve(qsizetype(st.st_size));
    char puffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(d.fd(), puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemfehler(Fremdlesen::Lesefehler, grund);
        if (n == 0)
            break;
        if (daten.size() + n > höchstens)
            return abgewiesen(Fremdlesen::ZuGroß, grund, 2967, {VbVariant(höchstens / (1024 * 1024))});
        daten.append(puffer, n);
    }
    inhalt = std::move(daten);
    return Fremdlesen::Gelesen;
}
