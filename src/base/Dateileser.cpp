#include "base/Dateileser.h"

#include <QFile>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

private:
    int m_fd;
};

}  // namespace

Fremdlesen LeseFremdeDatei(const QString& pfad, qint64 höchstens, QByteArray& inhalt, QString* grund)
{
    inhalt.clear();
    const Deskriptor d(::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (d.fd() < 0)
        return systemfehler(Fremdlesen::NichtGeöffnet, grund);
    struct stat st {};
    if (::fstat(d.fd(), &st) != 0)
        return systemfehler(Fremdlesen::NichtGeöffnet, grund);
    if (!S_ISREG(st.st_mode))
        return abgewiesen(Fremdlesen::KeineDatei, grund, 2966);
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
