#include "data/DbVerbindung.h"

#include "data/JetDialekt.h"
#include "data/Instanzsperre.h"
#include "data/Kennwort.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>
#include <cfloat>
#include <cstring>

// Which files the program opens (off unless QT_LOGGING_RULES="kelvor.datenbank.debug=true").
Q_LOGGING_CATEGORY(lcDatenbank, "kelvor.datenbank", QtWarningMsg)

namespace {

QHash<QString, std::weak_ptr<DbVerbindung>>& offene()
{
    static QHash<QString, std::weak_ptr<DbVerbindung>> o;
    return o;
}

bool setzeFehler(QString* ziel, const QString& text)
{
    if (ziel)
        *ziel = text;
    return false;
}

const DbVerbindung::Fehlerprobe*& fehlerprobe()
{
    static const DbVerbindung::Fehlerprobe* p = nullptr;
    return p;
}

QString text(int id, const QList<VbVariant>& werte = {})
{
    return FormatText(LadeText(zustand().Sprachoffset + id), werte);
}

// Limits of every connection: a value or row, an SQL text, the depth of an expression. Far above
// what the program itself stores or writes.
constexpr int MaxLänge = 4'000'000;
constexpr int MaxSqlLänge = 1'000'000;
constexpr int MaxAusdruckstiefe = 100;
// The work after which one statement is ended: SQLite calls the handler after every
// SchritteJeAufruf steps of its machine; a statement ends ("interrupted") after
// AufrufeJeAnweisung calls (well under a second) or, on a larger file, after SchritteJeByte steps
// per byte of the file. Reading a table whole, sorted, takes a few steps per byte of it, however
// many rows it has; a statement that costs more than reading the file many times over is ended.
constexpr int SchritteJeAufruf = 1000;
constexpr qint64 AufrufeJeAnweisung = DbVerbindung::MaxFortschrittsaufrufe;
constexpr qint64 SchritteJeByte = 32;

// The calls since the running statement started, and the calls it may take. One thread runs one
// statement at a time.
thread_local qint64 aufrufe = 0;
thread_local qint64 erlaubt = AufrufeJeAnweisung;
thread_local qint64 aufrufeInsgesamt = 0;

int fortschritt(void*)
{
    ++aufrufeInsgesamt;
    return ++aufrufe > erlaubt ? 1 : 0;
}

// The calls a statement on the connection may take: by the size of its file as it is now.
qint64 erlaubteAufrufe(sqlite3* h)
{
    sqlite3_file* datei = nullptr;
    sqlite3_int64 größe = 0;
    if (sqlite3_file_control(h, "main", SQLITE_FCNTL_FILE_POINTER, &datei) != SQLITE_OK || !datei
        || !datei->pMethods || datei->pMethods->xFileSize(datei, &größe) != SQLITE_OK)
        return AufrufeJeAnweisung;
    return std::max(AufrufeJeAnweisung, qint64(größe) / SchritteJeAufruf * SchritteJeByte);
}

// A statement starts: its count starts over. The program of a trigger (its text begins with
// "--") is part of the statement that fired it.
int anweisungBeginnt(unsigned, void* verbindung, void*, void* text)
{
    const char* sql = static_cast<const char*>(text);
    if (!sql || std::strncmp(sql, "--", 2) != 0) {
        aufrufe = 0;
        erlaubt = erlaubteAufrufe(static_cast<sqlite3*>(verbindung));
    }
    return 0;
}

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// The settings SQLite advises for files that may come from anyone; false when one did not take.
bool abschirmen(const QSqlDatabase& db)
{
    sqlite3* h = sqliteHandle(db);
    if (!h)
        return false;
    int defensiv = 0, vertrauen = 1;
    if (sqlite3_db_config(h, SQLITE_DBCONFIG_DEFENSIVE, 1, &defensiv) != SQLITE_OK
        || sqlite3_db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &vertrauen) != SQLITE_OK || !defensiv
        || vertrauen)
        return false;
    sqlite3_limit(h, SQLITE_LIMIT_LENGTH, MaxLänge);
    sqlite3_limit(h, SQLITE_LIMIT_SQL_LENGTH, MaxSqlLänge);
    sqlite3_limit(h, SQLITE_LIMIT_EXPR_DEPTH, MaxAusdruckstiefe);
    sqlite3_progress_handler(h, SchritteJeAufruf, fortschritt, nullptr);
    sqlite3_trace_v2(h, SQLITE_TRACE_STMT, anweisungBeginnt, h);
    return true;
}

// The condition under which a value of the column is none the program can read as its kind;
// empty for a kind that takes anything.
QString unbrauchbar(const QString& spalte, const Spaltenart& art)
{
    const auto zahl = [&spalte](double von, double bis) {
        return QStringLiteral("typeof(%1) NOT IN ('integer', 'real', 'null') OR %1 < %2 OR %1 > %3")
            .arg(spalte, QString::number(von, 'g', 17), QString::number(bis, 'g', 17));
    };
    const QString keinText = QStringLiteral("typeof(%1) NOT IN ('text', 'null')").arg(spalte);
    switch (art.typ) {
    case Spaltentyp::Boolean:
    case Spaltentyp::Long:
    case Spaltentyp::Counter: return zahl(-2147483648.0, 2147483647.0);
    case Spaltentyp::Byte: return zahl(0, 255);
    case Spaltentyp::Integer: return zahl(-32768, 32767);
    case Spaltentyp::Single: return zahl(-FLT_MAX, FLT_MAX);
    case Spaltentyp::Double: return zahl(-DBL_MAX, DBL_MAX);
    case Spaltentyp::Text: return keinText + QStringLiteral(" OR length(%1) > %2").arg(spalte).arg(art.laenge);
    case Spaltentyp::Memo:
    case Spaltentyp::Datum: return keinText;
    case Spaltentyp::Unbekannt: break;
    }
    return {};
}

// A statement of the schema check failed: the file is in use or cannot be read for now, or its
// content is damaged.
QString lesebefund(const QSqlError& fehler, bool& vorübergehend)
{
    vorübergehend = DbVerbindung::Vorübergehend(fehler);
    return vorübergehend ? DbVerbindung::Grund(fehler) : text(2915, {fehler.text()});
}

// Why the schema of a file from outside is refused; empty when it passes. Runs before any other
// query on the file, and names of the file never go into an SQL text.
QString schemabefund(const QSqlDatabase& db, const Schemaerwartung& erwartet, bool& vorübergehend)
{
    QSqlQuery q(db);
    // Objects that run statements of their own when the file is read or written.
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('view', 'trigger') ORDER BY name")))
        return lesebefund(q.lastError(), vorübergehend);
    QStringList namen;
    while (q.next())
        namen << q.value(0).toString();
    if (!namen.isEmpty())
        return text(2984, {Auszug(namen.join(QStringLiteral(", ")))});
    // What each table is, as SQLite knows it from the schema it parsed, not from the stored text:
    // a virtual table (and its shadow tables) is none of the kind "table", and has no root page.
    if (!q.exec(QStringLiteral("SELECT s.name FROM sqlite_master s WHERE s.type = 'table' AND (s.rootpage = 0 "
                               "OR NOT EXISTS (SELECT 1 FROM pragma_table_list t WHERE t.schema = 'main' "
                               "AND t.name = s.name AND t.type = 'table')) ORDER BY s.name")))
        return lesebefund(q.lastError(), vorübergehend);
    if (q.next())
        return text(2984, {JetDialekt::Name(q.value(0).toString())});
    QStringList tabellen;
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return lesebefund(q.lastError(), vorübergehend);
    while (q.next())
        tabellen << q.value(0).toString();
    // Columns (name, declared type) of every ordinary table, by the table's name in upper case.
    QHash<QString, QList<QPair<QString, QString>>> spalten;
    QSqlQuery x(db);
    x.prepare(QStringLiteral("SELECT name, type, hidden FROM pragma_table_xinfo(?)"));
    for (const QString& name : tabellen) {
        bool berechnet = false;
        QList<QPair<QString, QString>> liste;
        x.bindValue(0, name);
        if (!x.exec())
            return lesebefund(x.lastError(), vorübergehend);
        while (!berechnet && x.next()) {
            berechnet = x.value(2).toInt() != 0;
            liste.append({x.value(0).toString(), x.value(1).toString()});
        }
        x.finish();
        if (berechnet)
            return text(2984, {JetDialekt::Name(name)});
        spalten.insert(name.toUpper(), liste);
    }
    for (const Schemaerwartung::Tabelle& t : erwartet.tabellen) {
        const auto da = spalten.constFind(t.name.toUpper());
        if (da == spalten.constEnd())
            return text(2986, {JetDialekt::Name(t.name)});
        for (const auto& [spalte, art] : t.spalten) {
            const QString& name = spalte;
            const auto gefunden = std::find_if(da->begin(), da->end(), [&name](const auto& s) {
                return s.first.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (gefunden == da->end())
                return text(2987, {JetDialekt::Name(t.name), JetDialekt::Name(spalte)});
            const Spaltenart vorhanden = Spaltentypen::AusDeklaration(gefunden->second);
            if (vorhanden.typ != art.typ || vorhanden.laenge != art.laenge)
                return text(2988, {JetDialekt::Name(spalte), JetDialekt::Name(t.name), gefunden->second,
                                   Spaltentypen::Deklaration(art.typ, art.laenge)});
            const QString bedingung = unbrauchbar(JetDialekt::Name(spalte), art);
            if (bedingung.isEmpty())
                continue;
            if (!q.exec(QStringLiteral("SELECT typeof(%1), %1 FROM %2 WHERE %3 LIMIT 1")
                            .arg(JetDialekt::Name(spalte), JetDialekt::Name(t.name), bedingung)))
                return lesebefund(q.lastError(), vorübergehend);
            if (q.next()) {
                const QString typ = q.value(0).toString();
                const QString wert = typ == QLatin1String("blob") ? QStringLiteral("BLOB")
                                                                   : Auszug(q.value(1).toString());
                return text(2989, {JetDialekt::Name(spalte), JetDialekt::Name(t.name), wert});
            }
        }
    }
    return {};
}

}  // namespace

qint64 DbVerbindung::Fortschrittsaufrufe()
{
    return aufrufe;
}

qint64 DbVerbindung::FortschrittsaufrufeInsgesamt()
{
    return aufrufeInsgesamt;
}

bool DbVerbindung::Belegt(const QSqlError& fehler)
{
    bool zahl = false;
    const int code = fehler.nativeErrorCode().toInt(&zahl) & 0xff;
    return zahl && (code == SQLITE_BUSY || code == SQLITE_LOCKED);
}

bool DbVerbindung::Vorübergehend(const QSqlError& fehler)
{
    bool zahl = false;
    const int code = fehler.nativeErrorCode().toInt(&zahl) & 0xff;
    return zahl
           && (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_IOERR || code == SQLITE_NOMEM
               || code == SQLITE_CANTOPEN || code == SQLITE_PERM);
}

QString DbVerbindung::Grund(const QSqlError& fehler)
{
    bool zahl = false;
    const int code = fehler.nativeErrorCode().toInt(&zahl) & 0xff;
    if (!zahl)
        return fehler.text();
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return text(2980);
    case SQLITE_INTERRUPT: return text(3166, {fehler.text()});
    case SQLITE_IOERR: return text(3167, {fehler.text()});
    case SQLITE_FULL: return text(3168, {fehler.text()});
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return text(3169, {fehler.text()});
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return text(3170, {fehler.text()});
    default: return fehler.text();
    }
}

void DbVerbindung::SetzeFehlerprobe(const Fehlerprobe* probe)
{
    fehlerprobe() = probe;
}

bool DbVerbindung::Schreibbar(QString* grund) const
{
    if (m_nurLesen) {
        setzeFehler(grund, text(3164));
        return false;
    }
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        setzeFehler(grund, Grund(q.lastError()));
        return false;
    }
    // A change that the rollback takes back.
    const bool ok = q.exec(QStringLiteral("CREATE TABLE kelvor_schreibprobe_ (x)"));
    if (!ok)
        setzeFehler(grund, Grund(q.lastError()));
    q.exec(QStringLiteral("ROLLBACK"));
    return ok;
}

std::shared_ptr<DbVerbindung> DbVerbindung::Öffnen(const QString& pfad, const QString& passwort,
                                                  QString* fehler)
{
    return öffnen(pfad, passwort, nullptr, fehler, nullptr);
}

std::shared_ptr<DbVerbindung> DbVerbindung::ÖffnenVonAußen(const QString& pfad, const QString& passwort,
                                                          const Schemaerwartung& erwartet, QString* fehler,
                                                          bool* vorübergehend)
{
    return öffnen(pfad, passwort, &erwartet, fehler, vorübergehend);
}

std::shared_ptr<DbVerbindung> DbVerbindung::öffnen(const QString& pfad, const QString& passwort,
                                                  const Schemaerwartung* erwartet, QString* fehler,
                                                  bool* vorübergehend)
{
    // A failure of access (passing) unless the content is refused.
    const auto scheitert = [&](const QString& grund, bool zugang = true) {
        setzeFehler(fehler, grund);
        if (vorübergehend)
            *vorübergehend = zugang;
        return std::shared_ptr<DbVerbindung>();
    };
    const QFileInfo info(pfad);
    if (pfad.trimmed().isEmpty() || !info.exists() || !info.isFile())
        return scheitert(text(3161, {pfad}));
    const bool nurLesen = passwort == Kennwort::Artikeldatenbank;
    const QString schluessel = info.canonicalFilePath() + (nurLesen ? QStringLiteral("|r") : QStringLiteral("|w"));

    std::shared_ptr<DbVerbindung> v = offene().value(schluessel).lock();
    if (!v) {
        static int zaehler = 0;
        v.reset(new DbVerbindung);
        v->m_name = QStringLiteral("kelvor_db_%1").arg(++zaehler);
        v->m_pfad = pfad;
        v->m_schluessel = schluessel;
        v->m_nurLesen = nurLesen;
        if (!nurLesen && !zustand().Projekt_Data_Source.isEmpty()
            && QFileInfo(zustand().Projekt_Data_Source).canonicalFilePath() == info.canonicalFilePath()
            && Instanzsperre::Nehmen(pfad, Instanzsperre::Art::Geteilt, 1000, v->m_sperre)
                   == Instanzsperre::Ergebnis::Belegt) {
            setzeFehler(fehler, text(3121));
            return nullptr;
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), v->m_name);
            db.setDatabaseName(info.canonicalFilePath());
            db.setConnectOptions(nurLesen ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000")
                                          : QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
            if (!db.open())
                return scheitert(Grund(db.lastError()));  // the destructor removes the Qt connection
            if (!abschirmen(db))
                return scheitert(text(3162));
            if (!nurLesen) {
                // The first statement that reads the file: a file locked by another program is
                // named here, after one wait, not after one wait per statement.
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL")) && Belegt(q.lastError()))
                    return scheitert(Grund(q.lastError()));
                if (fehlerprobe() && fehlerprobe()->einrichten)
                    fehlerprobe()->einrichten(db);
            }
        }
        offene().insert(schluessel, v);
        qCDebug(lcDatenbank).noquote() << (nurLesen ? "geöffnet, nur lesen:" : "geöffnet:") << info.canonicalFilePath();
    }
    if (erwartet) {
        bool zugang = false;
        if (const QString befund = schemabefund(v->db(), *erwartet, zugang); !befund.isEmpty())
            return scheitert(befund, zugang);
        if (passwort.isEmpty())
            return v;
    }
    if (v->m_passwort.isNull() || v->m_passwort != passwort) {
        QSqlError lesefehler;
        if (!Kennwort::Pruefen(v->db(), passwort, &lesefehler)) {
            // A file that holds no check, or no database at all, has no valid password either.
            const bool zugang = Vorübergehend(lesefehler);
            return scheitert(zugang ? Grund(lesefehler) : text(3163), zugang);
        }
        v->m_passwort = passwort;
    }
    return v;
}

bool DbVerbindung::IstOffen(const QString& pfad)
{
    const QString datei = QFileInfo(pfad).canonicalFilePath();
    if (datei.isEmpty())
        return false;
    for (const QString& art : {QStringLiteral("|r"), QStringLiteral("|w")})
        if (!offene().value(datei + art).expired())
            return true;
    return false;
}

DbVerbindung::~DbVerbindung()
{
    const auto it = offene().constFind(m_schluessel);
    if (it != offene().constEnd() && it->expired())
        offene().erase(it);
    m_anweisungen.clear();  // the statements go before their connection
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase DbVerbindung::db() const
{
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery* DbVerbindung::Anweisung(const QString& sql, QString* fehler) const
{
    const auto it = m_anweisungen.find(sql);
    if (it != m_anweisungen.end())
        return &it->second;
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        setzeFehler(fehler, q.lastError().text());
        return nullptr;
    }
    // The texts of a connection are few (one per table and kind of change); a flood of
    // different ones starts the store over.
    if (m_anweisungen.size() >= 256)
        m_anweisungen.clear();
    return &m_anweisungen.emplace(sql, std::move(q)).first->second;
}

// Column lists stay valid while the file's schema version stays (it counts every change of
// the schema, also by other connections).
void DbVerbindung::prüfeSchema() const
{
    qint64 version = -1;
    if (QSqlQuery* q = Anweisung(QStringLiteral("PRAGMA schema_version"))) {
        if (q->exec() && q->next())
            version = q->value(0).toLongLong();
        q->finish();
    }
    if (version != m_schemaversion || version < 0) {
        m_spalten.clear();
        m_schemaversion = version;
    }
}

QList<QPair<QString, Spaltenart>> DbVerbindung::Spalten(const QString& tabelle) const
{
    prüfeSchema();
    const auto it = m_spalten.constFind(tabelle);
    if (it != m_spalten.constEnd())
        return *it;
    QList<QPair<QString, Spaltenart>> s;
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(JetDialekt::Name(tabelle))))
        return s;
    while (q.next())
        s.append({q.value(1).toString(), Spaltentypen::AusDeklaration(q.value(2).toString())});
    q.finish();
    if (!s.isEmpty())
        m_spalten.insert(tabelle, s);
    return s;
}

Spaltenart DbVerbindung::Spalte(const QString& tabelle, const QString& spalte) const
{
    for (const auto& s : Spalten(tabelle))
        if (s.first.compare(spalte, Qt::CaseInsensitive) == 0)
            return s.second;
    return {};
}

bool DbVerbindung::IstTabelle(const QString& tabelle) const
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(tabelle);
    return q.exec() && q.next();
}

bool DbVerbindung::TransaktionIntakt() const
{
    if (m_transaktionen == 0)
        return true;
    sqlite3* h = sqliteHandle(db());
    return !h || sqlite3_get_autocommit(h) == 0;
}

QString DbVerbindung::TransaktionBeendetText()
{
    return text(3165);
}

Commitwache::Commitwache(const DbVerbindung& verbindung) : m_handle(sqliteHandle(verbindung.db()))
{
    if (m_handle)
        sqlite3_commit_hook(m_handle, &Commitwache::beimCommit, this);
}

Commitwache::~Commitwache()
{
    if (m_handle)
        sqlite3_commit_hook(m_handle, nullptr, nullptr);
}

// Non-zero: SQLite rolls back instead of committing.
int Commitwache::beimCommit(void* wache)
{
    auto* w = static_cast<Commitwache*>(wache);
    const bool frei = w->m_frei;
    w->m_frei = false;
    return frei ? 0 : 1;
}

DbTransaktion::DbTransaktion(std::shared_ptr<DbVerbindung> verbindung) : m_verbindung(std::move(verbindung))
{
    if (m_verbindung) {
        QSqlDatabase db = m_verbindung->db();
        m_aktiv = db.transaction();
        if (m_aktiv) {
            ++m_verbindung->m_transaktionen;
            m_wache = std::make_unique<Commitwache>(*m_verbindung);
        }
    }
}

DbTransaktion::~DbTransaktion()
{
    if (m_aktiv) {
        --m_verbindung->m_transaktionen;
        QSqlDatabase db = m_verbindung->db();
        db.rollback();
    }
    m_wache.reset();
}

bool DbTransaktion::Commit()
{
    if (!m_aktiv)
        return false;
    QSqlDatabase db = m_verbindung->db();
    // Ended by SQLite itself: its rollback stands, and the commit fails.
    const bool intakt = m_verbindung->TransaktionIntakt();
    m_aktiv = false;
    --m_verbindung->m_transaktionen;
    const std::unique_ptr<Commitwache> wache = std::move(m_wache);
    if (!intakt) {
        m_fehler = DbVerbindung::TransaktionBeendetText();
        db.rollback();
        return false;
    }
    if (fehlerprobe() && fehlerprobe()->commitErlaubt && !fehlerprobe()->commitErlaubt(m_verbindung->pfad())) {
        m_fehler = QStringLiteral("disk I/O error (COMMIT)");
        db.rollback();
        return false;
    }
    wache->Freigeben();
    if (db.commit())
        return true;
    // A commit that fails leaves the transaction open: it is rolled back, not left to the next.
    m_fehler = db.lastError().text();
    db.rollback();
    return false;
}

Schemaerwartung SchemaAusDdl(const QString& ddl)
{
    static int zähler = 0;
    const QString name = QStringLiteral("kelvor_schema%1").arg(++zähler);
    Schemaerwartung schema;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        sqlite3* h = db.open() ? sqliteHandle(db) : nullptr;
        if (h && sqlite3_exec(h, ddl.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
            while (q.next())
                schema.tabellen.append({q.value(0).toString(), {}});
            for (Schemaerwartung::Tabelle& t : schema.tabellen) {
                q.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
                q.bindValue(0, t.name);
                q.exec();
                while (q.next())
                    t.spalten.append({q.value(0).toString(), Spaltentypen::AusDeklaration(q.value(1).toString())});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return schema;
}
