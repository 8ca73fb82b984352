#pragma once
#include <QString>

// Working files beside the project database, named after it ("Projektverwaltung.db" gives
// "ProjektverwaltungT10.db", "Projektverwaltung.$$$" and "ProjektverwaltungAlt.db").
namespace Projektdateien {

// The compacted copy that the compaction writes before it replaces the database.
QString KomprimierteKopie(const QString& datenbank);
// The new database while a conversion builds it.
QString Konvertierungsdatei(const QString& datenbank);
// The old database while a conversion puts the new one in its place.
QString Sicherheitskopie(const QString& datenbank);

}  // namespace Projektdateien
