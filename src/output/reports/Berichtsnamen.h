#pragma once
#include <QStringList>

class GlobDaten;

// The member names a report reads from its data object by name, one list per system type. The
// type's procedures check the list before they write anything, and the tests check each list
// against the real data class.
namespace Berichtsnamen {

const QStringList& Kälte();
const QStringList& Trinkwasser();
const QStringList& Druckerhöhung();
const QStringList& Speicher();
const QStringList& Solar();
// The pipe-length and air-venting members of the shared blocks.
const QStringList& Rohrnetz();
const QStringList& Entlüfter();

// Throws MemberFehler for the first name the data object does not offer, so that the report
// stops before a block is half written.
void Prüfe(const GlobDaten& daten, const QStringList& namen);

}  // namespace Berichtsnamen
