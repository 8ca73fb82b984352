#pragma once
#include <QDateTime>
#include <QString>

// The one place where the program's SQL texts (written for the original desktop engine) become
// SQLite, and where literals are written into SQL texts and search criteria.
//
// Übersetze:
//  - names in square brackets pass unchanged (SQLite reads [name] as a name);
//  - the words True and False outside quotes and brackets become -1 and 0;
//  - "text" in double quotes is a text literal and becomes 'text';
//  - #date# literals (#12/31/2024#, #2024-12-31#, optionally with a time) become the stored
//    date text '2024-12-31 00:00:00';
//  - in the pattern after LIKE, * and ? become % and _ (a literal % or _ is escaped);
//  - everything else passes as written (SELECT *FROM, nested LEFT JOIN ... ON, ORDER BY a,b).
// The program's SQL texts call no functions of the original engine, so none are translated.
namespace JetDialekt {

QString Übersetze(const QString& sql);

// A text literal for SQL and search criteria: in apostrophes, every apostrophe doubled.
QString Textliteral(const QString& text);
// A number for SQL and search criteria: invariant, point as decimal separator, a leading blank
// for values >= 0 (the runtime's Str).
QString Zahlliteral(double wert);
// A name in square brackets.
QString Name(const QString& name);

// The table of a plain "SELECT ... FROM table [WHERE ...] [ORDER BY ...]" (one table, no join,
// no DISTINCT, no grouping); empty for any other statement. *nachSelect: the position just after
// the leading SELECT keyword.
QString EinfacheTabelle(const QString& sql, qsizetype* nachSelect = nullptr);

}  // namespace JetDialekt
