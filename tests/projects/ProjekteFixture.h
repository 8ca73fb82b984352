#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>
#include <utility>

#include "base/DateiDialogSeam.h"
#include "base/VbVariant.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << l.join(QLatin1Char('|')).toStdString(); }

using Werte = Feldwerte;
using Zeilen = QList<std::pair<const char*, const char*>>;

// Answers the file dialogs with a path (empty: Cancel) and keeps what was asked.
class DateiWahl : public DateiDialogSeam {
public:
    QString zeige(const DateiDialogAnfrage& anfrage) override
    {
        anfragen << anfrage;
        return antwort;
    }
    QString antwort;
    QList<DateiDialogAnfrage> anfragen;
};

// A program folder in a temporary folder with a built project database in "Daten", a temp
// folder of its own, a message recorder and a file dialog that answers from the test.
class Projekte : public ::testing::Test {
public:
    // A transfer file of key/value lines (CP 1252, CR LF).
    static QByteArray zeilen(const Zeilen& z);
    // The lines of a project: frame, project row with Projektart and Bauherr, and the parameter
    // block with the given lines (none: no block).
    static Zeilen projektZeilen(const char* nr, const char* art, const char* bauherr = "B", const Zeilen& parameter = {});

protected:
    void SetUp() override;
    void TearDown() override;

    // A project row and, when the type has one, its parameter row with the list defaults; the
    // given fields go on top.
    void projekt(const QString& nr, const QString& art, const Werte& projektfelder = {}, const Werte& parameter = {});
    void zapfstelle(const QString& nr, int gruppe, const Werte& felder = {});
    // Every row of every table of a database file, each value as SQL quotes it (type and bytes).
    static QStringList inhalt(const QString& pfad);
    // The rows of one project in every table, without the counter ProjektKey.
    QStringList projektinhalt(const QString& nr) const;
    // The same for several projects, read over one connection.
    QMap<QString, QStringList> projektinhalte(const QStringList& nummern) const;
    // The project numbers in ProjekteTabelle, sorted.
    QStringList nummern() const;
    // Writes a file in the test folder; its path.
    QString datei(const QString& name, const QByteArray& inhalt) const;
    // Files in the temp folder.
    QStringList tempDateien() const;

    QTemporaryDir ordner;
    QString db;
    MeldungsRecorder meldungen;
    DateiWahl dateiwahl;
};

// The recorded messages, one a line (for failure output).
std::string texte(const MeldungsRecorder& r);
