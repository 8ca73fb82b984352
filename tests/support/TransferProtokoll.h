#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

#include "data/KonfliktDialog.h"

// Builds every table of a project database at the path, in the start page's order.
void BaueProjektdatenbank(const QString& pfad);

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
