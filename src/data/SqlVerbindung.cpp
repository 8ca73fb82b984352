#include "data/SqlVerbindung.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

#include "data/Kennwort.h"

SqlVerbindung::~SqlVerbindung()
{
    schließen();
}

bool SqlVerbindung::öffnen(const QString& pfad, const QString& passwort, bool anlegen, QString* fehler)
{
    schließen();
    static std::atomic<unsigned> zähler{0};
    m_name = QStringLiteral("kelvor_sql%1").arg(++zähler);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    QString uri = QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()).toString(QUrl::FullyEncoded);
    uri += anlegen ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw");
    m_db.setDatabaseName(uri);
    QString grund;
    if (!m_db.open()) {
        grund = m_db.lastError().text();
    } else {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL")))
            grund = q.lastError().text();
        else if (!passwort.isEmpty() && !Kennwort::Pruefen(m_db, passwort))
            grund = QStringLiteral("Kein gültiges Kennwort.");
    }
    if (grund.isEmpty())
        return true;
    if (fehler)
        *fehler = grund;
    schließen();
    return false;
}

void SqlVerbindung::schließen()
{
    if (m_name.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}
