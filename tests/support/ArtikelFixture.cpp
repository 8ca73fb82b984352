#include "support/ArtikelFixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "base/Programmzustand.h"

QStringList ArtikelFixture::anweisungen(const QString& sql)
{
    QStringList aus;
    QString aktuell;
    QChar ende;  // the closing character of the quote or bracket we are in; null outside
    for (const QChar c : sql) {
        if (ende.isNull()) {
            if (c == QLatin1Char(';')) {
                if (!aktuell.trimmed().isEmpty())
                    aus << aktuell.trimmed();
                aktuell.clear();
                continue;
            }
            if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
                ende = c;
            else if (c == QLatin1Char('['))
                ende = QLatin1Char(']');
        } else if (c == ende) {
            ende = QChar();
        }
        aktuell += c;
    }
    if (!aktuell.trimmed().isEmpty())
        aus << aktuell.trimmed();
    return aus;
}

ArtikelFixture::ArtikelFixture(const QString& sql)
    : m_db({}, Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db")),
      m_vorherigerPfad(zustand().Artikel_Data_Source)
{
    zustand().Artikel_Data_Source = m_db.pfad();
    ausführen(sql);
}

bool ArtikelFixture::Ändern(const QString& pfad, const QString& sql)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("artikelfixture_aendern"));
        db.setDatabaseName(pfad);
        ok = db.open();
        for (const QString& a : anweisungen(sql)) {
            QSqlQuery q(db);
            if (ok && !q.exec(a)) {
                ADD_FAILURE() << a.toStdString() << ": " << q.lastError().text().toStdString();
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("artikelfixture_aendern"));
    return ok;
}

ArtikelFixture::ArtikelFixture(const Demo& demo)
    : m_db({}, Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db")),
      m_vorherigerPfad(zustand().Artikel_Data_Source)
{
    m_ok = QFile::remove(m_db.pfad()) && QFile::copy(QStringLiteral(KELVOR_ARTIKEL_DB), m_db.pfad()) &&
           QFile::setPermissions(m_db.pfad(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(m_ok) << "copy of the demo article database";
    zustand().Artikel_Data_Source = m_db.pfad();
    ausführen(demo.sql);
}

ArtikelFixture::~ArtikelFixture()
{
    zustand().Artikel_Data_Source = m_vorherigerPfad;
}

bool ArtikelFixture::ausführen(const QString& sql)
{
    const bool ok = m_db.ausfuehren(anweisungen(sql));
    m_ok = m_ok && ok;
    return ok;
}
