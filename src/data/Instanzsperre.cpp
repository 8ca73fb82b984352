#include "data/Instanzsperre.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The databases this process holds alone (canonical paths).
QSet<QString>& alleinGehalten()
{
    static QSet<QString> s;
    return s;
}

QString kanonisch(const QString& datenbank)
{
    const QString k = QFileInfo(datenbank).canonicalFilePath();
    return k.isEmpty() ? QFileInfo(datenbank).absoluteFilePath() : k;
}

}  // namespace

QString Instanzsperre::Datei(const QString& datenbank)
{
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ordner.isEmpty())
        ordner = QDir::homePath();
    const QByteArray schlüssel = QCryptographicHash::hash(QFile::encodeName(kanonisch(datenbank)), QCryptographicHash::Sha1);
    return QDir(ordner).filePath(QStringLiteral("kelvor-%1.sperre").arg(QString::fromLatin1(schlüssel.toHex())));
}

Instanzsperre::Ergebnis Instanzsperre::Nehmen(const QString& datenbank, Art art, int wartenMs,
                                              std::unique_ptr<Instanzsperre>& sperre, QString* grund)
{
    sperre.reset();
    const QString db = kanonisch(datenbank);
    std::unique_ptr<Instanzsperre> s(new Instanzsperre);
    if (alleinGehalten().contains(db)) {
        if (art == Art::Allein)
            return Ergebnis::Belegt;
        sperre = std::move(s);  // the sole holder's own connection
        return Ergebnis::Gehalten;
    }
    const QByteArray pfad = QFile::encodeName(Datei(db));
    s->m_fd = ::open(pfad.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (s->m_fd < 0)
        s->m_fd = ::open(pfad.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (s->m_fd < 0) {
        if (grund)
            *grund = QString::fromLocal8Bit(std::strerror(errno));
        return Ergebnis::Fehler;
    }
    const int wie = (art == Art::Allein ? LOCK_EX : LOCK_SH) | LOCK_NB;
    QElapsedTimer uhr;
    uhr.start();
    while (::flock(s->m_fd, wie) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            if (grund)
                *grund = QString::fromLocal8Bit(std::strerror(errno));
            return Ergebnis::Fehler;
        }
        if (uhr.elapsed() >= wartenMs)
            return Ergebnis::Belegt;
        QThread::msleep(20);
    }
    if (art == Art::Allein) {
        s->m_allein = db;
        alleinGehalten().insert(db);
    }
    sperre = std::move(s);
    return Ergebnis::Gehalten;
}

Instanzsperre::~Instanzsperre()
{
    if (!m_allein.isEmpty())
        alleinGehalten().remove(m_allein);
    if (m_fd >= 0)
        ::close(m_fd);
}
