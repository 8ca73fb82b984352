#pragma once
#include <QString>

class datenbank;

// Article look-ups of the article-table classes on the program's article database.
namespace ArtikelAbfrage {

// The answer of a look-up that finds no article.
inline const QString KeinArtikel = QStringLiteral(" ");

// Opens the query on the article database (client-side cursor, article password, database
// errors shown); false when it cannot be opened.
bool Öffne(datenbank& db, const QString& sql);
// A design message (kind 4) of the text id with the hotline text appended.
void Auslegungsfehler(int textId, const QString& parameter);
// The same without a parameter.
void Auslegungsfehler(int textId);
// The article number in the field of the first row of the query, " " when the query cannot be
// opened or the number is missing; a missing number shows the design message textId (when not
// 0) with the parameter.
QString Artikelnummer(const QString& sql, const QString& feld, int textId, const QString& parameter);

}  // namespace ArtikelAbfrage
