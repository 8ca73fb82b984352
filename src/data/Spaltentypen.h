#pragma once
#include <QString>
#include <QVariant>

#include "base/VbVariant.h"

// Column types of our SQLite files and how values are read and written.
//
// A column's type is its declared type in the CREATE TABLE statement. The names below are the
// only ones the table-access layer knows; write them when creating tables (Deklaration() gives
// the canonical one). Upper or lower case does not matter.
//
//   declared type                              type        stored as
//   BOOLEAN, BIT, YESNO, LOGICAL               Boolean     integer -1 (True) / 0 (False)
//   BYTE, TINYINT, INTEGER1                    Byte        integer 0..255
//   SHORT, SMALLINT, INTEGER2, INTEGER16       Integer     integer -32768..32767
//   LONG, INT, INTEGER, INTEGER4, INTEGER32    Long        integer, 32 bit
//   COUNTER, AUTOINCREMENT                     Counter     integer, 32 bit; set on insert to
//                                                          the column's maximum + 1, read-only
//   SINGLE, FLOAT4, REAL4                      Single      real, narrowed to float on write
//   DOUBLE, FLOAT, FLOAT8, REAL, NUMBER,
//   NUMERIC                                    Double      real
//   DATETIME, DATE, TIME, TIMESTAMP            Datum       text "yyyy-MM-dd HH:mm:ss"
//   TEXT(n), VARCHAR(n), CHAR(n)               Text        text of at most n characters
//   TEXT, MEMO, LONGTEXT, LONGCHAR, NOTE       Memo        text without limit
//   anything else (also none)                  Unbekannt   as SQLite holds it, unchecked
//
// Deklaration() gives names whose SQLite affinity fits the type: Memo is LONGTEXT (TEXT
// affinity), since MEMO or NOTE would let SQLite store a text such as "0012" as the number 12.
// SQL compares text by the column's collation: declare key and search columns
// "TEXT(n) COLLATE NOCASE" where queries must match without regard to case (Find does so always);
// the project database declares all its text columns so. NOCASE folds only A-Z.
// Writes enforce the type: whole-number types round half to even and fail with "Überlauf" out
// of range, Single is narrowed to float, Text(n) fails when longer than n characters, a value
// that does not convert fails with "Typen unverträglich"; Empty and Null are written as Null.
enum class Spaltentyp { Unbekannt, Boolean, Byte, Integer, Long, Counter, Single, Double, Datum,
                        Text, Memo };

struct Spaltenart {
    Spaltentyp typ = Spaltentyp::Unbekannt;
    int laenge = 0;  // characters of a Text column; 0 otherwise

    bool istZahl() const;  // Boolean and every number type
};

namespace Spaltentypen {

// The type of a declared type name such as "TEXT(50)" or "single".
Spaltenart AusDeklaration(const QString& deklaration);
// The canonical declared type of a type ("TEXT(50)", "SINGLE", ...).
QString Deklaration(Spaltentyp typ, int laenge = 0);

// A value as SQLite returned it, read as the column's type (Null stays Null).
VbVariant Lesen(const QVariant& sqlWert, const Spaltenart& art);
// A value converted for the column: the value to bind and the value as it now reads; false
// with a description when it does not fit.
bool Schreiben(const VbVariant& wert, const Spaltenart& art, QVariant& sqlWert, VbVariant& gelesen,
               QString* fehler);

// A value as a Boolean the way the runtime converts it (a number, True/False, Wahr/Falsch);
// false when it does not convert.
bool AlsBoolean(const VbVariant& wert, bool& ergebnis);

// Dates are stored as text in this form.
QString DatumText(const QDateTime& dt);
// Reads a stored date ("yyyy-MM-dd", with " HH:mm:ss" or "THH:mm:ss"); invalid when none fits.
QDateTime DatumAusText(const QString& text);

}  // namespace Spaltentypen
