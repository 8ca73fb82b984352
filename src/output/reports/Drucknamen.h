#pragma once
#include <QStringList>

class GlobDaten;

// The member names the storage-heater and solar reports read from their data objects by name,
// one list per system type (indexed members by their name alone). Each procedure checks the
// list of its type before it writes anything; the tests check the lists against the data
// classes.
namespace Drucknamen {

const QStringList& Speicher();
const QStringList& Solar();

// Throws MemberFehler for the first name the data object does not offer.
void Prüfe(const GlobDaten& daten, const QStringList& namen);

}  // namespace Drucknamen
