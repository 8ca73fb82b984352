#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include "data/Kennwort.h"

// A fixture database file in its own temporary folder, with the access check of a password.
// Statements and checks run over a connection of their own, opened per call.
class TestDatenbank {
public:
    explicit TestDatenbank(const QStringList& sql = {}, const QString& passwort = Kennwort::Projektdatenbank,
                           const QString& dateiname = QStringLiteral("test.db"));
    // A copy of the file pfad (with its access check), changed by the statements.
    struct KopieVon {
        QString pfad;
    };
    TestDatenbank(const KopieVon& quelle, const QStringList& sql, const QString& dateiname);
    const QString& pfad() const { return m_pfad; }
    const QString& ordner() const { return m_pfadOrdner; }
    // Runs the statements in order; false (and a test failure) when one fails.
    bool ausfuehren(const QStringList& sql) const;
    // The first column of the first row of a query (invalid when there is none).
    QVariant wert(const QString& sql) const;

private:
    QTemporaryDir m_ordner;
    QString m_pfadOrdner;
    QString m_pfad;
};
