#include "support/Schreibfehler.h"

#include <QFile>

#include <cerrno>
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

KleinesDateisystem::KleinesDateisystem()
{
    m_bereit = m_ordner.isValid()
               && ::mount("tmpfs", QFile::encodeName(m_ordner.path()).constData(), "tmpfs", 0, "size=64k") == 0;
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
