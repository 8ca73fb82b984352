#pragma once
#include <QString>

// Working files beside the project database, named after it ("Projektverwaltung.db" gives
// "ProjektverwaltungT10.db", "Projektverwaltung.$$$" and "ProjektverwaltungAlt.db").
namespace Projektdateien {

// The compacted copy that the compaction writes before it replaces the database.
QString KomprimierteKopie(const QString& datenbank);
// The new database while a conversion builds it.
QString Konvertierungsdatei(const QString& datenbank);
// The old database as an earlier version's conversion moved it aside; the start puts it back
// when the database is missing.
QString Sicherheitskopie(const QString& datenbank);
// True when the database file takes changes; else false with the reason (a read-only file or
// folder, a file that does not open). Call it outside any transaction on the file.
bool Schreibbar(const QString& datenbank, QString* grund = nullptr);

}  // namespace Projektdateien
