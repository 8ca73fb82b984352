#pragma once
#include <QString>

// Replacing a file so that at every moment either the old or the new complete file lies at its
// path: the new file is written beside the old one, flushed to the disk and renamed over it.
namespace Dateiersatz {

// Flushes the file's data to the disk; false when it cannot be opened or flushed.
bool AufPlatteSchreiben(const QString& pfad);
// Renames neu over ziel in one step (both in the same folder), then flushes the folder's entry
// to the disk; false only when the rename failed (ziel is then unchanged). A failed flush of the
// folder does not undo the rename: it is not reported as a failure.
bool Ersetzen(const QString& neu, const QString& ziel);
// The system's reason for the last failure of this module's calls.
QString LetzterFehler();
// A file name beside ziel for its replacement: the name with the addition before the extension
// ("Projektverwaltung.db", "T10": "ProjektverwaltungT10.db").
QString Daneben(const QString& ziel, const QString& zusatz);

}  // namespace Dateiersatz
