#include "support/TestDatenbank.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// Runs f on a connection of its own to the file.
template <typename F>
auto mitVerbindung(const QString& pfad, F f)
{
    static int zaehler = 0;
    const QString name = QStringLiteral("testdatenbank_%1").arg(++zaehler);
    struct Entferner {
        QString name;
        ~Entferner() { QSqlDatabase::removeDatabase(name); }
    } entferner{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(pfad);
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    auto ergebnis = f(db);
    db.close();
    db = QSqlDatabase();
    return ergebnis;
}

}  // namespace

TestDatenbank::TestDatenbank(const QStringList& sql, const QString& passwort, const QString& dateiname)
{
    m_pfadOrdner = m_ordner.path();
    m_pfad = m_ordner.filePath(dateiname);
    mitVerbindung(m_pfad, [&](QSqlDatabase& db) {
        EXPECT_TRUE(Kennwort::Setzen(db, passwort));
        return true;
    });
    ausfuehren(sql);
}

TestDatenbank::TestDatenbank(const KopieVon& quelle, const QStringList& sql, const QString& dateiname)
{
    m_pfadOrdner = m_ordner.path();
    m_pfad = m_ordner.filePath(dateiname);
    EXPECT_TRUE(QFile::copy(quelle.pfad, m_pfad)) << quelle.pfad.toStdString();
    QFile::setPermissions(m_pfad, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ausfuehren(sql);
}

bool TestDatenbank::ausfuehren(const QStringList& sql) const
{
    return mitVerbindung(m_pfad, [&](QSqlDatabase& db) {
        db.transaction();
        for (const QString& s : sql) {
            QSqlQuery q(db);
            if (!q.exec(s)) {
                ADD_FAILURE() << s.toStdString() << ": " << q.lastError().text().toStdString();
                db.rollback();
                return false;
            }
        }
        return db.commit();
    });
}

QVariant TestDatenbank::wert(const QString& sql) const
{
    return mitVerbindung(m_pfad, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
            return QVariant();
        }
        return q.next() ? q.value(0) : QVariant();
    });
}
