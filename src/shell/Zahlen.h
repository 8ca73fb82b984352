#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>

// Number rules of the program: rounding, the original runtime's number texts, German texts for
// people and tolerant parsing of typed input. Never use std::round for program values.
namespace Zahlen {

// Half to even at the given number of decimals (the runtime's Round).
double RundenGerade(double w, int stellen = 0);
// CLng / CInt: half to even, false in *ok when out of range (result then clamped).
int32_t CLng(double w, bool* ok = nullptr);
int16_t CInt(double w, bool* ok = nullptr);
// The value as a Single (float) and back.
inline double AlsSingle(double w) { return static_cast<double>(static_cast<float>(w)); }

// Str$: invariant text with a point, a leading blank for values >= 0, no leading zero
// (" .5", "-.5", " 12.5"), 15 significant digits for Double and 7 for Single, exponent
// form as the runtime writes it ("1E+16", "1.5E-05").
QString Str(double w, bool single = false);
// Val: reads the longest leading number of the text (blanks ignored, point as decimal
// separator, exponent, &H/&O), 0 when there is none.
double Val(const QString& text);
// CStr on a German system: like Str but with a decimal comma, no leading blank, leading zero.
QString CStr(double w, bool single = false);
// Reads a number text as CDbl on a German system does (comma decimal; point as thousands
// separator ignored when it cannot be a decimal point). *ok false for no number.
double TextZuZahl(const QString& text, bool* ok = nullptr);
// The runtime's Format with patterns such as "#0.0", "0.00", "#,##0.00" on a German system
// (decimal comma, point as thousands separator; halves rounded away from zero).
QString Format(double w, const QString& muster);

// German date text dd.MM.yyyy (with " hh:mm:ss" when the time is not midnight).
QString DatumText(const QDateTime& dt);
// Reads "dd.MM.yyyy", "d.M.yy", "yyyy-MM-dd" with optional time; invalid when none fits.
QDateTime DatumAusText(const QString& text);

}  // namespace Zahlen
