#include "support/Schreibfehler.h"

#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <sys/fsuid.h>
#include <unistd.h>
#include <sys/mount.h>

Schreibfehler::Schreibfehler(Schritt schritt, int fehlernummer, int erfolgreiche) : m_erfolgreiche(erfolgreiche)
{
    Dateiaufrufe& a = dateiaufrufe();
    const auto scheitert = [this, fehlernummer]() {
        if (m_erfolgreiche > 0) {
            --m_erfolgreiche;
            return false;
        }
        ++fehlgeschlagen;
        errno = fehlernummer;
        return true;
    };
    const Dateiaufrufe system;
    switch (schritt) {
    case Schritt::Öffnen:
        a.öffnen = [=](const char* p, int f, mode_t m) { return scheitert() ? -1 : system.öffnen(p, f, m); };
        break;
    case Schritt::Schreiben:
        a.schreiben = [=](int fd, const void* d, size_t n) -> ssize_t { return scheitert() ? -1 : system.schreiben(fd, d, n); };
        break;
    case Schritt::Datensync:
        a.datensync = [=](int fd) { return scheitert() ? -1 : system.datensync(fd); };
        break;
    case Schritt::Umbenennen:
        a.umbenennen = [=](const char* v, const char* n) { return scheitert() ? -1 : system.umbenennen(v, n); };
        break;
    case Schritt::Ordnersync:
        a.ordnersync = [=](int fd) { return scheitert() ? -1 : system.ordnersync(fd); };
        break;
    }
}

Schreibfehler::~Schreibfehler()
{
    dateiaufrufe() = Dateiaufrufe{};
}

const char* Schreibfehler::Name(Schritt schritt)
{
    switch (schritt) {
    case Schritt::Öffnen: return "open";
    case Schritt::Schreiben: return "write";
    case Schritt::Datensync: return "fdatasync";
    case Schritt::Umbenennen: return "rename";
    case Schritt::Ordnersync: return "fsync folder";
    }
    return "";
}

KleinesDateisystem::KleinesDateisystem(const char* größe)
{
    m_bereit = m_ordner.isValid()
               && ::mount("tmpfs", QFile::encodeName(m_ordner.path()).constData(), "tmpfs", 0,
                          (QByteArray("size=") + größe).constData()) == 0;
}

KleinesDateisystem::~KleinesDateisystem()
{
    if (m_bereit)
        ::umount2(QFile::encodeName(m_ordner.path()).constData(), MNT_DETACH);
}

void KleinesDateisystem::füllen()
{
    QFile f(pfad(QStringLiteral("voll")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(1024, 'v');
    while (f.write(block) == block.size()) {
    }
}

bool AlsAndererNutzer::Ids(uid_t& uid, gid_t& gid)
{
    const passwd* p = ::getpwnam("nobody");
    if (!p)
        return false;
    uid = p->pw_uid;
    gid = p->pw_gid;
    return true;
}

// The file-system ids belong to the thread: the rest of the test process stays root.
AlsAndererNutzer::AlsAndererNutzer()
{
    uid_t uid = 0;
    gid_t gid = 0;
    if (::geteuid() != 0 || !Ids(uid, gid))
        return;
    ::setfsgid(gid);
    ::setfsuid(uid);
    m_bereit = ::setfsuid(uid_t(-1)) == int(uid);
    if (!m_bereit) {
        ::setfsuid(0);
        ::setfsgid(0);
    }
}

AlsAndererNutzer::~AlsAndererNutzer()
{
    if (m_bereit) {
        ::setfsuid(0);
        ::setfsgid(0);
    }
}

void SchreibgeschuetzteDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(inhalt);
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
