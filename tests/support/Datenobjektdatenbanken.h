#pragma once
#include <QString>
#include <QStringList>

#include <memory>

#include "support/TestDatenbank.h"

// A project database with the project table, the six parameter tables and the dwelling groups of
// the program's schema
// (empty, plus what a test adds) and an article database with the article view of the data
// objects, in a temporary folder; the program state points to both.
class Datenobjektdatenbanken {
public:
    // weitereSql: statements run on the project database after the tables are made.
    explicit Datenobjektdatenbanken(const QStringList& weitereSql = {});
    TestDatenbank& projekt() { return *m_projekt; }
    TestDatenbank& artikel() { return *m_artikel; }
    // The six parameter tables in the order He, Kü, Tr, Dr, Sp, So.
    static const QStringList& Parametertabellen();
    // Number of rows of a table with this project number.
    int zeilen(const QString& tabelle, const QString& projektNr) const;
    // A column of the row of a project (invalid when there is none).
    QVariant feld(const QString& tabelle, const QString& feld, const QString& projektNr) const;

private:
    std::unique_ptr<TestDatenbank> m_projekt;
    std::unique_ptr<TestDatenbank> m_artikel;
};
