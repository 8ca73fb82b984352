#include "base/Dateischreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "base/AllgFunktionen.h"
#include "base/Dateileser.h"
#include "base/Programmzustand.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/fsuid.h>
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

constexpr int TextNichtBestätigt = 2962;
constexpr int TextSchreibgeschützt = 2963;
constexpr int TextNameNichtWiedergebbar = 2964;
constexpr int TextOrdnerAmZiel = 2965;
constexpr int TextFremderLink = 2990;
constexpr int TextAltNichtZurück = 2991;
constexpr int MaxLinks = 40;  // as the system follows them

QByteArray zufallsteil()
{
    static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray s;
    for (int i = 0; i < 6; ++i)
        s += zeichen[QRandomGenerator::global()->bounded(int(sizeof zeichen - 1))];
    return s;
}

// Folder and name of an absolute path.
QByteArray ordnerVon(const QByteArray& pfad)
{
    const qsizetype strich = pfad.lastIndexOf('/');
    return strich <= 0 ? QByteArray("/") : pfad.left(strich);
}

QByteArray nameVon(const QByteArray& pfad)
{
    return pfad.mid(pfad.lastIndexOf('/') + 1);
}

// The user the system checks file accesses for.
uid_t dateinutzer()
{
    return uid_t(::setfsuid(uid_t(-1)));  // an invalid id changes nothing and gives the current one
}

// The system's protected-symlinks rule: in a sticky folder that everyone may write (/tmp) a
// link is followed only when it belongs to the user or to the folder's owner. The writer
// resolves links itself, so the system never applies the rule for it.
bool darfLinkFolgen(const QByteArray& link, const struct stat& st)
{
    struct stat ordner {};
    if (::stat(ordnerVon(link).constData(), &ordner) != 0)
        return true;  // the open that follows fails on its own
    if ((ordner.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH))
        return true;
    return st.st_uid == dateinutzer() || st.st_uid == ordner.st_uid;
}

enum class Auflösung { Gut, Fehler, FremderLink };

// Follows the symbolic links at the end of pfad to the file they name, which need not exist.
Auflösung löseLinksAuf(QByteArray& pfad)
{
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat st {};
        if (::lstat(pfad.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return Auflösung::Gut;  // a missing file is created; other errors show when it is opened
        if (!darfLinkFolgen(pfad, st))
            return Auflösung::FremderLink;
        char ziel[PATH_MAX];
        const ssize_t n = ::readlink(pfad.constData(), ziel, sizeof ziel);
        if (n < 0)
            return Auflösung::Fehler;
        if (size_t(n) == sizeof ziel) {
            errno = ENAMETOOLONG;
            return Auflösung::Fehler;
        }
        const QByteArray z(ziel, n);
        pfad = z.startsWith('/') ? z : ordnerVon(pfad) + '/' + z;
    }
    errno = ELOOP;
    return Auflösung::Fehler;
}

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
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

QString Dateischreiber::tempname() const
{
    return QFile::decodeName(m_temp);
}

bool Dateischreiber::scheitern(const char* schritt, int fehlernummer)
{
    return scheitern(QString::fromLatin1(schritt) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(fehlernummer)));
}

bool Dateischreiber::scheitern(const QString& grund)
{
    if (m_fehler.isEmpty())
        m_fehler = grund;
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

// The target as the system names it, and whether this user may replace it: refused as writing
// into it would be, and for everyone when it allows writing to nobody (root would pass the
// system's check).
bool Dateischreiber::prüfeZiel()
{
    m_fehler.clear();
    m_temp.clear();
    // Decoding put the replacement character where the name's bytes were not valid; encoding
    // it again would name another file.
    if (m_ziel.contains(QChar::ReplacementCharacter))
        return scheitern(text(TextNameNichtWiedergebbar));
    m_pfad = QFile::encodeName(m_ziel);
    switch (löseLinksAuf(m_pfad)) {
    case Auflösung::Gut: break;
    case Auflösung::Fehler: return scheitern("readlink", errno);
    case Auflösung::FremderLink: return scheitern(text(TextFremderLink));
    }
    struct stat alt {};
    m_altVorhanden = ::stat(m_pfad.constData(), &alt) == 0;
    if (!m_altVorhanden)
        return true;
    if (S_ISDIR(alt.st_mode))
        return scheitern(text(TextOrdnerAmZiel));
    // Only the permissions: a set-user-ID or set-group-ID bit does not pass to new content.
    m_modus = alt.st_mode & 0777;
    if ((alt.st_mode & 0222) == 0)
        return scheitern(text(TextSchreibgeschützt));
    if (::faccessat(AT_FDCWD, m_pfad.constData(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return scheitern(text(TextSchreibgeschützt));
        return scheitern("access", errno);
    }
    return true;
}

// The new file takes the mode of the one it replaces.
bool Dateischreiber::nimmModus(int fd)
{
    return !m_altVorhanden || ::fchmod(fd, m_modus) == 0 || scheitern("fchmod", errno);
}

// Temporary files of this target left by a run that ended while writing it (the program runs
// once, so none of them is being written; a host start beside an open program leaves them).
void Dateischreiber::entferneReste() const
{
    const QByteArray vorne = nameVon(m_pfad) + ".kelvor-";
    DIR* ordner = ::opendir(ordnerVon(m_pfad).constData());
    if (!ordner)
        return;
    while (const dirent* e = ::readdir(ordner)) {
        const QByteArray name(e->d_name);
        if (name.size() != vorne.size() + 10 || !name.startsWith(vorne) || !name.endsWith(".tmp"))
            continue;
        const QByteArray teil = name.mid(vorne.size(), 6);
        if (std::all_of(teil.begin(), teil.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
            ::unlinkat(::dirfd(ordner), e->d_name, 0);
    }
    ::closedir(ordner);
}

bool Dateischreiber::öffnen()
{
    m_fertig = false;
    m_amPlatz = false;
    if (!prüfeZiel())
        return false;
    if (!zustand().NebenAndererInstanz)
        entferneReste();
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QByteArray name = m_pfad + ".kelvor-" + zufallsteil() + ".tmp";
        const int fd = dateiaufrufe().öffnen(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_temp = name;
            if (!nimmModus(fd)) {
                verwerfen();
                return false;
            }
            return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        }
        if ((errno == EACCES || errno == EPERM) && m_altVorhanden)
            return öffneAmPlatz(errno);
        if (errno != EEXIST)
            return scheitern("open", errno);
    }
    return scheitern("open", EEXIST);
}

// The folder refuses a new file while the target itself may be written (a shared folder of
// another program): the data are kept and written over the target in abschließen(). Its old
// content is read first, to put back when that write fails.
bool Dateischreiber::öffneAmPlatz(int ordnerfehler)
{
    const int fd = dateiaufrufe().öffnen(m_pfad.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0);
    if (fd < 0)
        return scheitern("open", ordnerfehler);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        dateiaufrufe().schließen(fd);
        return scheitern("open", ordnerfehler);
    }
    m_alt.clear();
    char puffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int nummer = errno;
            dateiaufrufe().schließen(fd);
            return scheitern("read", nummer);
        }
        if (n == 0)
            break;
        m_alt.append(puffer, n);
    }
    m_fd = fd;
    m_amPlatz = true;
    m_neu.clear();
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

// Writes daten over the whole file at m_fd; schritt names the call that failed. angefasst tells
// whether the file was changed at all.
bool Dateischreiber::schreibeAmPlatz(const QByteArray& daten, const char*& schritt, bool& angefasst)
{
    schritt = "lseek";
    if (::lseek(m_fd, 0, SEEK_SET) != 0)
        return false;
    schritt = "write";
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t r = dateiaufrufe().schreiben(m_fd, daten.constData() + geschrieben, size_t(daten.size() - geschrieben));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            if (r == 0)
                errno = ENOSPC;
            return false;
        }
        angefasst = true;
        geschrieben += r;
    }
    schritt = "ftruncate";
    angefasst = true;
    return ::ftruncate(m_fd, daten.size()) == 0;
}

bool Dateischreiber::schließeAmPlatz()
{
    bool ok = m_fehler.isEmpty();
    bool angefasst = false;
    const char* schritt = "";
    if (ok && !schreibeAmPlatz(m_neu, schritt, angefasst))
        ok = scheitern(schritt, errno);
    if (ok && dateiaufrufe().datensync(m_fd) != 0)
        ok = scheitern("fdatasync", errno);
    if (!ok && angefasst) {
        bool zurück = false;
        if (schreibeAmPlatz(m_alt, schritt, zurück))
            dateiaufrufe().datensync(m_fd);
        else
            m_fehler += QLatin1Char('\n') + text(TextAltNichtZurück);
    }
    if (dateiaufrufe().schließen(m_fd) != 0 && ok)
        ok = scheitern("close", errno);
    m_fd = -1;
    m_alt.clear();
    m_neu.clear();
    QIODevice::close();
    m_fertig = true;
    return ok;
}

qint64 Dateischreiber::writeData(const char* daten, qint64 n)
{
    if (m_fd < 0 || !m_fehler.isEmpty())
        return -1;
    if (m_amPlatz) {
        m_neu.append(daten, n);
        return n;
    }
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
    if (m_amPlatz)
        return schließeAmPlatz();
    bool ok = m_fehler.isEmpty();
    if (ok && dateiaufrufe().datensync(m_fd) != 0)
        ok = scheitern("fdatasync", errno);
    if (dateiaufrufe().schließen(m_fd) != 0 && ok)
        ok = scheitern("close", errno);
    m_fd = -1;
    QIODevice::close();
    if (ok && dateiaufrufe().umbenennen(m_temp.constData(), m_pfad.constData()) != 0)
        ok = scheitern("rename", errno);
    if (!ok) {
        verwerfen();
        return false;
    }
    m_fertig = true;
    synchronisiereOrdner();
    return true;
}

bool Dateischreiber::übernehmen(const QString& fertig)
{
    m_fertig = true;  // fertig belongs to the caller
    if (!prüfeZiel())
        return false;
    const QByteArray neu = QFile::encodeName(fertig);
    const int fd = dateiaufrufe().öffnen(neu.constData(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0)
        return scheitern("open", errno);
    bool ok = nimmModus(fd);
    if (ok && dateiaufrufe().datensync(fd) != 0)
        ok = scheitern("fdatasync", errno);
    if (dateiaufrufe().schließen(fd) != 0 && ok)
        ok = scheitern("close", errno);
    if (ok && dateiaufrufe().umbenennen(neu.constData(), m_pfad.constData()) != 0)
        ok = scheitern("rename", errno);
    if (ok)
        synchronisiereOrdner();
    return ok;
}

// The rename is durable only once the folder is synced. The file is in place either way: a
// failure here is no failure of the write, the user is told that it is not confirmed.
void Dateischreiber::synchronisiereOrdner()
{
    const int dfd = dateiaufrufe().öffnen(ordnerVon(m_pfad).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    int nummer = errno;
    if (dfd >= 0) {
        const bool synchron = dateiaufrufe().ordnersync(dfd) == 0 || errno == EINVAL;
        nummer = errno;
        dateiaufrufe().schließen(dfd);
        if (synchron)
            return;
    }
    Meldung(Meldungsart::Information, text(TextNichtBestätigt), QDir::toNativeSeparators(m_ziel),
            QString::fromLocal8Bit(std::strerror(nummer)));
}

void Dateischreiber::verwerfen()
{
    schließeFd();
    if (isOpen())
        QIODevice::close();
    if (!m_temp.isEmpty() && !m_fertig)
        ::unlink(m_temp.constData());
    m_alt.clear();
    m_neu.clear();
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

bool KopiereDatei(const QString& quelle, const QString& ziel, QString* fehler)
{
    const auto scheitert = [fehler](const QString& grund) {
        if (fehler)
            *fehler = grund;
        return false;
    };
    QFile ein;
    if (QString grund; ÖffneFremdeDatei(quelle, ein, &grund) != Fremdlesen::Gelesen)
        return scheitert(grund);
    Dateischreiber aus(ziel);
    if (!aus.öffnen())
        return scheitert(aus.fehler());
    char puffer[64 * 1024];
    for (;;) {
        const qint64 n = ein.read(puffer, sizeof puffer);
        if (n < 0)
            return scheitert(ein.errorString());  // the writer discards its temporary file
        if (n == 0)
            break;
        if (aus.write(puffer, n) != n)
            return scheitert(aus.fehler());
    }
    return aus.abschließen() || scheitert(aus.fehler());
}
