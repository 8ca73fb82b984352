#pragma once
#include <QString>
#include <QStringList>

#include "support/TestDatenbank.h"

// A small article database for one test, built from SQL text, with the article-database
// password, installed as the program's article database (zustand().Artikel_Data_Source) while
// the fixture lives. A failing statement is a test failure.
class ArtikelFixture {
public:
    explicit ArtikelFixture(const QString& sql = QString());
    // A copy of the demo article database with the statements of sql applied: rows the demo
    // catalogue must not hold (faults on purpose) live in the test that needs them.
    struct Demo {
        QString sql;
    };
    explicit ArtikelFixture(const Demo& demo);
    ~ArtikelFixture();
    ArtikelFixture(const ArtikelFixture&) = delete;
    ArtikelFixture& operator=(const ArtikelFixture&) = delete;

    // Runs further statements (separated by ';').
    bool ausführen(const QString& sql);
    // Every statement so far ran.
    bool ok() const { return m_ok; }
    const QString& pfad() const { return m_db.pfad(); }

    // Runs the statements of sql on the article database file at pfad.
    static bool Ändern(const QString& pfad, const QString& sql);
    // The statements of an SQL text; a ';' inside quotes or brackets does not split.
    static QStringList anweisungen(const QString& sql);

private:
    TestDatenbank m_db;
    QString m_vorherigerPfad;
    bool m_ok = true;
};
