#pragma once
#include <QString>
#include <QStringList>

#include "data/Feldliste.h"

// Names of the project database's tables and of the key field that links them.
namespace Tabelle {
inline const QString DatenbankInfo = QStringLiteral("DatenbankInfo");
inline const QString ProjekteTabelle = QStringLiteral("ProjekteTabelle");
inline const QString Heizungsparameter = QStringLiteral("Heizungsparameter");
inline const QString Kälteparameter = QStringLiteral("Kälteparameter");
inline const QString Solarparameter = QStringLiteral("Solarparameter");
inline const QString Trinkwasserparameter = QStringLiteral("Trinkwasserparameter");
inline const QString Druckerhöhungparameter = QStringLiteral("Druckerhöhungparameter");
inline const QString SpeicherWasserwärmerparameter = QStringLiteral("SpeicherWasserwärmerparameter");
inline const QString SpeicherBedarfsKz = QStringLiteral("SpeicherBedarfsKz");

inline const QString ProjektNr = QStringLiteral("Projekt Nr");
}  // namespace Tabelle

namespace Tabellenaufbau {

// The nine tables in the order in which the project database is built.
const QStringList& Tabellen();
// The parameter table of a project type ("He", "Kü", "So", "Tr", "Dr", "Sp"); empty for others.
QString Parametertabelle(const QString& projektart);
// Appends the field list of the table; false (list unchanged) for a name that is none of the nine.
bool Aufbauen(const QString& tabelle, Feldliste& liste);

// The field definition procedures.
void DefFeldAutowert(Feldliste& liste, const QString& name, int indexArt);
void DefFeldText(Feldliste& liste, const QString& name, int größe, const QString& vorgabe);
// länge > 0: the longest text the program's input takes (the column itself has no limit).
void DefFeldMemo(Feldliste& liste, const QString& name, const QString& vorgabe, int länge = 0);
void DefFeldDatum(Feldliste& liste, const QString& name, const VbVariant& vorgabe);
void DefFeldLong(Feldliste& liste, const QString& name, int32_t vorgabe);
void DefFeldInteger(Feldliste& liste, const QString& name, int16_t vorgabe);
void DefFeldByte(Feldliste& liste, const QString& name, uint8_t vorgabe);
void DefFeldSingle(Feldliste& liste, const QString& name, float vorgabe);
void DefFeldBoolean(Feldliste& liste, const QString& name, bool vorgabe);

}  // namespace Tabellenaufbau
