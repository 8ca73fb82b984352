#include "data/DbVerbindung.h"

#include "data/JetDialekt.h"
#include "data/Kennwort.h"

#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

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

// The SQLite handle of a connection of Qt's SQLite driver; nullptr for another driver.
sqlite3* handle(const QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(h.constData());
}

}  // namespace

void DbVerbindung::SetzeFehlerprobe(const Fehlerprobe* probe)
{
    fehlerprobe() = probe;
}

bool DbVerbindung::Schreibbar(QString* grund) const
{
    if (m_nurLesen) {
        setzeFehler(grund, QStringLiteral("Die Datenbank ist schreibgeschützt geöffnet."));
        return false;
    }
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        setzeFehler(grund, q.lastError().text());
        return false;
    }
    // A change that the rollback takes back.
    const bool ok = q.exec(QStringLiteral("CREATE TABLE kelvor_schreibprobe_ (x)"));
    if (!ok)
        setzeFehler(grund, q.lastError().text());
    q.exec(QStringLiteral("ROLLBACK"));
    return ok;
}

std::shared_ptr<DbVerbindung> DbVerbindung::Öffnen(const QString& pfad, const QString& passwort,
                                                  QString* fehler)
{
    const QFileInfo info(pfad);
    if (pfad.trimmed().isEmpty() || !info.exists() || !info.isFile()) {
        setzeFehler(fehler, QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(pfad));
        return nullptr;
    }
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
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), v->m_name);
            db.setDatabaseName(info.canonicalFilePath());
            db.setConnectOptions(nurLesen ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000")
                                          : QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
            if (!db.open()) {
                setzeFehler(fehler, db.lastError().text());
                return nullptr;  // the destructor removes the Qt connection
            }
            if (!nurLesen) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
                if (fehlerprobe() && fehlerprobe()->einrichten)
                    fehlerprobe()->einrichten(db);
            }
        }
        offene().insert(schluessel, v);
        qCDebug(lcDatenbank).noquote() << (nurLesen ? "geöffnet, nur lesen:" : "geöffnet:") << info.canonicalFilePath();
    }
    if (v->m_passwort.isNull() || v->m_passwort != passwort) {
        if (!Kennwort::Pruefen(v->db(), passwort)) {
            setzeFehler(fehler, QStringLiteral("Kein gültiges Kennwort."));
            return nullptr;
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
    sqlite3* h = handle(db());
    return !h || sqlite3_get_autocommit(h) == 0;
}

QString DbVerbindung::TransaktionBeendetText()
{
    return QStringLiteral("Die Datenbank hat die Transaktion nach einem Fehler beendet; "
                          "es werden keine weiteren Änderungen geschrieben.");
}

Commitwache::Commitwache(const DbVerbindung& verbindung) : m_handle(handle(verbindung.db()))
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
