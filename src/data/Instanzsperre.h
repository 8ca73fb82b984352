#pragma once
#include <QString>

#include <memory>

// The hold of the program's instances on the project database, kept on a file of the user's
// runtime folder named after the database's path (never on the database itself: closing any
// handle of a file would drop SQLite's own locks on it). Every connection of an instance to the database holds it shared while it is open;
// the compaction holds it alone from before its copy until the copy lies in the database's place,
// so that no instance writes into a file that is being replaced. Within one process the holder of
// the sole hold may still open its own connections.
class Instanzsperre {
public:
    enum class Art { Geteilt, Allein };
    enum class Ergebnis { Gehalten, Belegt, Fehler };

    // Takes the hold, waiting up to wartenMs while another instance holds it in the way.
    // Belegt: another instance holds it; Fehler: the side file cannot be opened (*grund says why).
    static Ergebnis Nehmen(const QString& datenbank, Art art, int wartenMs,
                           std::unique_ptr<Instanzsperre>& sperre, QString* grund = nullptr);
    ~Instanzsperre();
    Instanzsperre(const Instanzsperre&) = delete;
    Instanzsperre& operator=(const Instanzsperre&) = delete;

    // The file that holds a database.
    static QString Datei(const QString& datenbank);

private:
    Instanzsperre() = default;
    int m_fd = -1;
    QString m_allein;  // the database held alone by this object
};
