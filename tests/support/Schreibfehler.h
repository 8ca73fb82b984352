#pragma once
#include <QString>
#include <QTemporaryDir>

#include "base/Dateischreiber.h"

// Makes one system call of the checked writer fail with an error number, after a number of
// calls that succeed; the calls of the system are back when it goes.
class Schreibfehler {
public:
    enum class Schritt { Öffnen, Schreiben, Datensync, Umbenennen, Ordnersync };
    Schreibfehler(Schritt schritt, int fehlernummer, int erfolgreiche = 0);
    ~Schreibfehler();
    Schreibfehler(const Schreibfehler&) = delete;
    Schreibfehler& operator=(const Schreibfehler&) = delete;

    static const char* Name(Schritt schritt);
    int fehlgeschlagen = 0;  // calls that were made to fail

private:
    int m_erfolgreiche;
};

// Every step of the writer, for tables of cases.
inline constexpr Schreibfehler::Schritt AlleSchritte[] = {
    Schreibfehler::Schritt::Öffnen, Schreibfehler::Schritt::Schreiben, Schreibfehler::Schritt::Datensync,
    Schreibfehler::Schritt::Umbenennen, Schreibfehler::Schritt::Ordnersync};

// A small tmpfs (64 KiB unless told, as mount takes it: "4m") mounted on a temporary folder, to
// write on a disk that is really full. Needs the right to mount; bereit() is false when the
// mount failed.
class KleinesDateisystem {
public:
    explicit KleinesDateisystem(const char* größe = "64k");
    ~KleinesDateisystem();
    bool bereit() const { return m_bereit; }
    QString pfad(const QString& name) const { return m_ordner.filePath(name); }
    // Fills the remaining space with one file.
    void füllen();

private:
    QTemporaryDir m_ordner;
    bool m_bereit = false;
};

// The calling thread's file accesses as the user "nobody" while it lives, to check what a user
// who is not root may write. Only root can switch; bereit() is false otherwise.
class AlsAndererNutzer {
public:
    AlsAndererNutzer();
    ~AlsAndererNutzer();
    AlsAndererNutzer(const AlsAndererNutzer&) = delete;
    AlsAndererNutzer& operator=(const AlsAndererNutzer&) = delete;
    bool bereit() const { return m_bereit; }
    // The user's ids, for files and folders the test hands over to the user.
    static bool Ids(uid_t& uid, gid_t& gid);

private:
    bool m_bereit = false;
};

// Writes a file and takes every write permission from it (0444), as a user or a host program
// protects a file.
void SchreibgeschuetzteDatei(const QString& pfad, const QByteArray& inhalt);
