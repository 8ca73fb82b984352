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

// Writes a file completely or not at all. The data go into a temporary file beside the target
// ("<name>.kelvor-XXXXXX.tmp"); every write is checked, the file is synced, renamed over the target
// and the folder synced. Any failure removes the temporary file and leaves the target as it was;
// fehler() then holds the system's reason. A writer destroyed before abschließen() discards its data.
class Dateischreiber : public QIODevice {
public:
    explicit Dateischreiber(QString ziel);
    ~Dateischreiber() override;

    // Creates the temporary file and opens the device for writing; temporary files of the same
    // target left by an earlier run are removed first.
    bool öffnen();
    // Syncs, closes and renames the temporary file over the target, then syncs the folder.
    // False after any failed step, including an earlier failed write.
    bool abschließen();
    // Removes the temporary file; the target stays as it was.
    void verwerfen();

    const QString& ziel() const { return m_ziel; }
    const QString& tempname() const { return m_temp; }
    QString fehler() const { return m_fehler; }

    // The name pattern of our temporary files, for the clean-up at start.
    static const QString& Tempmuster();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override;

private:
    bool scheitern(const char* schritt, int fehlernummer);
    void entferneReste() const;
    void schließeFd();

    QString m_ziel;
    QString m_temp;
    QString m_fehler;
    int m_fd = -1;
    bool m_fertig = false;
};

// Writes inhalt to ziel through a Dateischreiber; on failure *fehler (when given) holds the reason.
bool SchreibeDatei(const QString& ziel, const QByteArray& inhalt, QString* fehler = nullptr);
