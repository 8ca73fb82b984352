#pragma once
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// A database password is an access check kept in the file (table KelvorZugang), not encryption.
namespace Kennwort {

inline const QString Projektdatenbank = QStringLiteral("mirtoval58");
inline const QString Artikeldatenbank = QStringLiteral("quorbint47zk");
inline const QString Tabelle = QStringLiteral("KelvorZugang");

// The stored check value of a password (SHA-256, hex).
QString Pruefwert(const QString& passwort);
// Writes the check of the password into an open database (replaces an earlier one).
bool Setzen(QSqlDatabase& db, const QString& passwort);
// True when the open database carries the check of this password. When the check could not be
// read at all, *lesefehler (when given) holds the database's error.
bool Pruefen(const QSqlDatabase& db, const QString& passwort, QSqlError* lesefehler = nullptr);

}  // namespace Kennwort
