#pragma once
#include <QIODevice>
#include <QString>

#include <functional>
#include <sys/types.h>

// The system calls the checked writer makes. Tests replace single calls to make them fail
// (EIO, ENOSPC) at each step; a default-constructed set calls the system.
struct Dateiaufrufe {
    std::function<int(const char* pfad, int flags, mode_t modus)> öffnen;
    std::function<ssize_t(int fd, const void* daten, size_t n)> schreiben;
    std::function<int(int fd)> datensync;  // fdatasync of the file
    std::function<int(int fd)> ordnersync; // fsync of the folder after the rename
    std::function<int(int fd)> schließen;
    std::function<int(const char* von, const char* nach)> umbenennen;
    Dateiaufrufe();
};

// The calls in use; tests assign to single members and put the set back afterwards.
Dateiaufrufe& dateiaufrufe();

// Writes a file completely or not at all, keeping what the file it replaces promises.
// The target is resolved once through symbolic links (a dangling link gets the file it names);
// in a sticky folder everyone may write, a link is followed only when it belongs to the user or
// to the folder's owner, as the system's protected-symlinks rule has it. An existing target this
// user may not write, or that allows writing to nobody, is refused before anything is written.
// The data go into a temporary file beside the real file ("<name>.kelvor-XXXXXX.tmp"); every
// write is checked, the file takes the old one's permission bits, is synced, renamed over the
// real file and the folder synced. Any failure removes the temporary file and leaves the target
// as it was; fehler() then holds the reason. When only the folder sync failed, the file is in
// place: abschließen() succeeds and the user is told once that the system could not confirm it
// on disk. When the folder refuses the temporary file but the target may be written, the data
// are written over the target in place, its old content kept to put back when that fails.
// A writer destroyed before abschließen() discards its data.
// The path is used as the bytes the system gave; a name that cannot be turned back into its
// bytes (it holds the replacement character) is refused.
class Dateischreiber : public QIODevice {
public:
    explicit Dateischreiber(QString ziel);
    ~Dateischreiber() override;

    // Checks the target, creates the temporary file and opens the device for writing; temporary
    // files of the same target left by an earlier run are removed first.
    bool öffnen();
    // Syncs, closes and renames the temporary file over the target, then syncs the folder.
    // False after any failed step before the rename, including an earlier failed write.
    bool abschließen();
    // Puts fertig, a complete file another writer made in the target's folder (a database copy),
    // in the target's place by the same rules: target checked, old mode, synced, renamed, folder
    // synced. On failure fertig stays for the caller to remove.
    bool übernehmen(const QString& fertig);
    // Removes the temporary file; the target stays as it was.
    void verwerfen();

    // The target as given (the name the user knows) and the temporary file.
    const QString& ziel() const { return m_ziel; }
    QString tempname() const;
    QString fehler() const { return m_fehler; }

    // The name pattern of our temporary files, for the clean-up at start.
    static const QString& Tempmuster();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override;

private:
    bool scheitern(const char* schritt, int fehlernummer);
    bool scheitern(const QString& grund);
    bool prüfeZiel();
    bool nimmModus(int fd);
    void synchronisiereOrdner();
    void entferneReste() const;
    void schließeFd();
    bool öffneAmPlatz(int ordnerfehler);
    bool schreibeAmPlatz(const QByteArray& daten, const char*& schritt, bool& angefasst);
    bool schließeAmPlatz();

    QString m_ziel;
    QByteArray m_pfad;  // the real file, links resolved
    QByteArray m_temp;
    QString m_fehler;
    int m_fd = -1;
    bool m_fertig = false;
    bool m_altVorhanden = false;
    mode_t m_modus = 0666;
    // Writing in place: the target's old content and the new data.
    bool m_amPlatz = false;
    QByteArray m_alt;
    QByteArray m_neu;
};

// Writes inhalt to ziel through a Dateischreiber; on failure *fehler (when given) holds the reason.
bool SchreibeDatei(const QString& ziel, const QByteArray& inhalt, QString* fehler = nullptr);
// Copies the file quelle to ziel through a Dateischreiber; on failure *fehler holds the reason.
bool KopiereDatei(const QString& quelle, const QString& ziel, QString* fehler = nullptr);
