#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>

// Number rules of the program: rounding, the original runtime's number texts, German texts for
// people and tolerant parsing of typed input. Never use std::round for program values.
namespace Zahlen {

// Half to even at the given number of decimals (the runtime's Round): w is scaled by 10^stellen
// in binary, rounded and scaled back, so 0.285 at 2 decimals gives 0.28.
double RundenGerade(double w, int stellen = 0);
// CLng / CInt: half to even, false in *ok when out of range (result then clamped).
int32_t CLng(double w, bool* ok = nullptr);
int16_t CInt(double w, bool* ok = nullptr);
// CSng: the value as a Single; false in *ok (and the largest Single kept) when out of range.
float CSng(double w, bool* ok = nullptr);
// The value narrowed to a Single and widened back (what a Single member holds).
inline double AlsSingle(double w) { return static_cast<double>(CSng(w)); }

// Str$: invariant text with a point, a leading blank for values >= 0, no leading zero
// (" .5", "-.5", " 12.5"), 15 significant digits for Double and 7 for Single, exponent
// form as the runtime writes it ("1E+16", "1.5E-05"). Used for SQL and transfer files.
QString Str(double w, bool single = false);
// Val: reads the longest leading number of the text (blanks anywhere ignored, point as decimal
// separator, exponent with E or D, &H/&O as 16-bit or 32-bit signed values), 0 when there is none.
double Val(const QString& text);
// CStr on a German system: like Str but with a decimal comma, no leading blank, leading zero
// ("0,5", "-12,5", "1E+16").
QString CStr(double w, bool single = false);
// Reads typed input or a number text for people; *ok false (result 0) when it is no number.
// Blanks around the text are ignored; a sign and an exponent ("1,5E3") are allowed.
// - With a comma: German form, the comma is the decimal separator and points may only group
//   thousands ("1.234,5", "0,5", ",5").
// - Without a comma, points that stand between groups of three digits group thousands, as on a
//   German system: "1.500" is 1500, "1.234.567" is 1234567.
// - Without a comma, one point that cannot group thousands is a decimal point: "0.5", "2.75",
//   " .5" (a point from the numeric keypad; texts written by Str read back as well, except
//   those with exactly three decimals and a whole part).
// Anything else ("", ".", "1.23.4", "12,3.4", "abc") is no number.
double TextZuZahl(const QString& text, bool* ok = nullptr);
// The runtime's Format with digit patterns on a German system: "0" a digit always shown, "#" a
// digit shown only when needed, "." the place of the decimal comma, "," in the whole part
// groups thousands with points ("#,##0.00"). The value is rounded half away from zero on its
// decimal digits (15 significant, 7 for a Single), so 2.675 with "0.00" gives "2,68".
// "#" shows 0 as the empty text, "#.00" shows 0.5 as ",50". A value that rounds to zero has no
// minus sign. Other characters before and after the digits are copied as they stand.
QString Format(double w, const QString& muster, bool single = false);

// German date text dd.MM.yyyy (with " hh:mm:ss" when the time is not midnight; the time alone
// on day 0, 30.12.1899, as the runtime writes a pure time).
QString DatumText(const QDateTime& dt);
// Reads "dd.MM.yyyy", "d.M.yy", "yyyy-MM-dd" with optional time; invalid when none fits.
QDateTime DatumAusText(const QString& text);

}  // namespace Zahlen
