#pragma once
#include <QString>

// The one rule by which two project numbers are the same project, as the database's NOCASE
// compares the column: only the ASCII letters fold, blanks count ("Ä-1" and "ä-1", " 12" and
// "12" are two projects; "a-1" and "A-1" one).
namespace Projektnummer {
QString Schlüssel(const QString& nr);
}
