#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "support/MeldungsRecorder.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << l.join(QLatin1Char('|')).toStdString(); }

// A temporary folder with a project database path (the file is not created).
class ProjektDbFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Init, password and database file of an engine.
    static void starte(ManipDatenbank& m, const QString& pfad, const QString& passwort = Kennwort::Projektdatenbank);
    // Runs the whole build sequence over the path, as the start page does.
    void baue(const QString& pfad = {});
    void TearDown() override;
    // A connection of the test's own (no password check; creates the file when missing).
    QSqlDatabase db();
    // Creates the file with the project password and runs the statements (an older database).
    void altDatenbank(const QStringList& statements);
    // Executes SQL on the test connection; fails the test on an error.
    void sql(const QString& text);
    QStringList spalten(const QString& tabelle);

    QTemporaryDir ordner;
    QString pfad;
    MeldungsRecorder meldungen;

private:
    QString m_verbindung;
};

// The recorded messages, one a line (for failure output).
std::string texte(const MeldungsRecorder& r);
// The recorded database messages (kind 5).
QList<MeldungsBox> datenbankMeldungen(const MeldungsRecorder& r);
