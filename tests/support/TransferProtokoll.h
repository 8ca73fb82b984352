#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <utility>

#include "data/KonfliktDialog.h"
#include "base/VbVariant.h"

// Builds every table of a project database at the path, in the start page's order.
void BaueProjektdatenbank(const QString& pfad);

// Field names and values of a row.
using Feldwerte = QList<std::pair<QString, VbVariant>>;
// Adds a row to a table of the project database at zustand().Projekt_Data_Source.
void FuegeZeileEin(const QString& tabelle, const Feldwerte& werte);
// Adds a project row and, when the type has one, its parameter row with the field-list
// defaults; the given fields go on top.
void LegeProjektAn(const QString& nr, const QString& art, const Feldwerte& projektfelder = {},
                   const Feldwerte& parameter = {});

// The writer and reader loops of the backup and restore, over the project database at
// zustand().Projekt_Data_Source.
namespace TransferProtokoll {

// Writes the projects in order; *ergebnis: the first non-zero result of a member (0: none).
void Sichere(QIODevice& ziel, const QStringList& projektNummern, long* ergebnis = nullptr);
QByteArray Sichere(const QStringList& projektNummern, long* ergebnis = nullptr);
// Reads every project; returns the result that ended the run (1 after the last project),
// or -1 when the reader could not open the database.
long Lies(QIODevice& quelle);
long Lies(const QByteArray& daten);

}  // namespace TransferProtokoll

// Answers conflicts from a script (then Abbrechen) and keeps the numbers it was asked about.
class KonfliktSkript {
public:
    KonfliktSkript();
    ~KonfliktSkript();
    std::deque<int> antworten;
    QStringList gefragt;
};
