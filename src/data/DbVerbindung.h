#pragma once
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <memory>
#include <unordered_map>

#include "data/Spaltentypen.h"

struct sqlite3;
class Instanzsperre;

// What a database file from outside must hold: each table named, with each column named and
// its kind (a column of kind Unbekannt is only required to exist). Every value of a named column
// must be one the program can read as that kind.
struct Schemaerwartung {
    struct Tabelle {
        QString name;
        QList<QPair<QString, Spaltenart>> spalten;
    };
    QList<Tabelle> tabellen;
};

// The tables and columns, with their kinds, that the CREATE TABLE statements of ddl define.
Schemaerwartung SchemaAusDdl(const QString& ddl);

// One open SQLite file, shared by every table-access object on that file: the first user opens
// it, the last one closes it and removes its Qt connection. The article database (opened with
// its password) is read-only; every other file is opened with synchronous=FULL.
// Sharing one connection per file lets a transaction span all objects on the file and keeps
// the objects from locking each other out.
// Every connection is opened as SQLite advises for files that may come from anyone: defensive
// mode, no trust in functions called from the schema, lowered limits on the length of a value,
// of an SQL text and on the depth of an expression, and an amount of work after which any one
// statement is ended ("interrupted"): fixed for a small file, for a larger one in proportion to
// its size, so that the program reads its own files whole at any size.
class DbVerbindung {
public:
    // Opens (or shares) the file and checks the password; nullptr with a description when the
    // file is missing, cannot be opened, is in use by another program or the password does not
    // fit. A writable connection to the project database holds the instances' shared hold on it
    // (Instanzsperre) while it is open, waiting a moment while a compaction holds it alone.
    static std::shared_ptr<DbVerbindung> Öffnen(const QString& pfad, const QString& passwort,
                                                QString* fehler = nullptr);
    // The open of a file the program did not create itself in this run (read in, copied in, the
    // user's article database, the project database at the start check): as Öffnen, and before
    // any other query, not even the password's, the schema is checked: no view, trigger, virtual
    // table or generated column anywhere, and what erwartet names is there with its kinds and
    // values. An empty passwort skips the password check. nullptr with the reason otherwise;
    // *vorübergehend (when given) then tells a failure of access that may pass (the file in use,
    // not readable now) from a refusal of the file's content.
    static std::shared_ptr<DbVerbindung> ÖffnenVonAußen(const QString& pfad, const QString& passwort,
                                                        const Schemaerwartung& erwartet,
                                                        QString* fehler = nullptr, bool* vorübergehend = nullptr);
    // True for the error of a statement that waited in vain for another connection's lock.
    static bool Belegt(const QSqlError& fehler);
    // True for an error of access that may pass: the file in use, not readable now, no memory.
    static bool Vorübergehend(const QSqlError& fehler);
    // The reason for an error of the database, in German: "in use by another program" when
    // another connection holds a lock on the file; the kinds of failure a user can act on named
    // with SQLite's text; else SQLite's text.
    static QString Grund(const QSqlError& fehler);
    // True while a connection to the file is open in this program (read-only or not).
    static bool IstOffen(const QString& pfad);
    // The work of one statement, in calls of the progress handler (one per 1000 steps of
    // SQLite's machine): a statement on a small file that needs more calls than this is ended; a
    // larger file allows a number of steps per byte of it.
    static constexpr int MaxFortschrittsaufrufe = 30'000;
    // The calls in the statement that runs, or last ran, on this thread.
    static qint64 Fortschrittsaufrufe();
    // The calls in every statement on this thread so far.
    static qint64 FortschrittsaufrufeInsgesamt();
    ~DbVerbindung();
    DbVerbindung(const DbVerbindung&) = delete;
    DbVerbindung& operator=(const DbVerbindung&) = delete;

    QSqlDatabase db() const;
    const QString& pfad() const { return m_pfad; }
    bool nurLesen() const { return m_nurLesen; }

    // Declared type of a column of a table (Unbekannt when table or column is unknown).
    Spaltenart Spalte(const QString& tabelle, const QString& spalte) const;
    // Column names and types of a table in their order; empty for an unknown table. Kept per
    // table until the schema of the file changes.
    QList<QPair<QString, Spaltenart>> Spalten(const QString& tabelle) const;
    bool IstTabelle(const QString& tabelle) const;
    // True when a change can be written to the file (a write transaction can begin and a change
    // statement runs); else false with the reason. Nothing is changed.
    bool Schreibbar(QString* grund = nullptr) const;

    // False when a DbTransaktion runs on the connection but SQLite has ended it on its own (an
    // I/O error at a journal write rolls it back). No change may run then: it would be stored on
    // its own, outside the transaction that the caller later rolls back.
    bool TransaktionIntakt() const;
    // The description a refused statement gets then.
    static QString TransaktionBeendetText();

    // Fault injection for tests: einrichten runs on every writable connection right after it
    // opens (a full disk: "PRAGMA max_page_count"; a read-only file: "PRAGMA query_only");
    // commitErlaubt is asked before every commit of a DbTransaktion (false: the commit fails
    // and the transaction is rolled back). Empty functions: no injection.
    struct Fehlerprobe {
        std::function<void(QSqlDatabase& db)> einrichten;
        std::function<bool(const QString& pfad)> commitErlaubt;
    };
    static void SetzeFehlerprobe(const Fehlerprobe* probe);

    // The statement prepared (forward-only) for the SQL text; each text is prepared once per
    // connection and kept by it. Valid until the next call; bind by position and finish() a
    // query that delivered rows once it is read. nullptr (with the description) when the text
    // does not prepare.
    QSqlQuery* Anweisung(const QString& sql, QString* fehler = nullptr) const;

private:
    DbVerbindung() = default;
    static std::shared_ptr<DbVerbindung> öffnen(const QString& pfad, const QString& passwort,
                                                const Schemaerwartung* erwartet, QString* fehler,
                                                bool* vorübergehend);
    void prüfeSchema() const;

    QString m_name;
    QString m_pfad;
    QString m_schluessel;
    bool m_nurLesen = false;
    int m_transaktionen = 0;  // DbTransaktion objects active on the connection
    friend class DbTransaktion;
    QString m_passwort;  // the password already checked on this connection

    mutable qint64 m_schemaversion = -1;
    mutable QHash<QString, QList<QPair<QString, Spaltenart>>> m_spalten;  // by table name as asked
    mutable std::unordered_map<QString, QSqlQuery> m_anweisungen;
    std::unique_ptr<Instanzsperre> m_sperre;  // the project database's hold of this instance
};

// While it lives, the connection commits only when Freigeben() was called just before: SQLite
// turns every other commit into a rollback. So once SQLite has ended a transaction on its own
// (an I/O error or a full disk rolls it back), no later statement, which would run in autocommit,
// and no savepoint, which would open a transaction of its own, can change the file.
class Commitwache {
public:
    explicit Commitwache(const DbVerbindung& verbindung);
    ~Commitwache();
    Commitwache(const Commitwache&) = delete;
    Commitwache& operator=(const Commitwache&) = delete;
    // Lets the next commit through.
    void Freigeben() { m_frei = true; }

private:
    static int beimCommit(void* wache);
    sqlite3* m_handle = nullptr;
    bool m_frei = false;
};

// A transaction on the connection of a file; rolled back unless Commit() ran. While it is open,
// nothing commits outside it (Commitwache).
class DbTransaktion {
public:
    explicit DbTransaktion(std::shared_ptr<DbVerbindung> verbindung);
    ~DbTransaktion();
    DbTransaktion(const DbTransaktion&) = delete;
    DbTransaktion& operator=(const DbTransaktion&) = delete;
    bool Aktiv() const { return m_aktiv; }
    bool Commit();
    // The database's reason when Commit failed.
    const QString& Fehler() const { return m_fehler; }

private:
    std::shared_ptr<DbVerbindung> m_verbindung;
    std::unique_ptr<Commitwache> m_wache;
    bool m_aktiv = false;
    QString m_fehler;
};
