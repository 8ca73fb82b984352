#pragma once
#include <QColor>
#include <QString>

#include <cstdint>

// Numbers of the schematic: coordinates in fixed point with four decimals (as the drawing keeps
// them), their DXF text, DXF colour numbers and the TAB fields of an order line.

// A fixed-point decimal with four fractional digits: the value times 10000 in 64 bits.
class Festkomma {
public:
    static constexpr int64_t Faktor = 10000;

    constexpr Festkomma() = default;
    // A whole number (no overflow for any int).
    constexpr Festkomma(int ganz) : m_t(int64_t{ganz} * Faktor) {}

    static constexpr Festkomma AusZehntausendsteln(int64_t t)
    {
        Festkomma f;
        f.m_t = t;
        return f;
    }
    // The value rounded to four decimals, half to even; false when it lies outside the range.
    static bool AusDouble(double w, Festkomma& ergebnis);

    constexpr int64_t Zehntausendstel() const { return m_t; }
    double AlsDouble() const { return static_cast<double>(m_t) / Faktor; }

    // Sum and difference; false (result unchanged) on overflow.
    static bool Summe(Festkomma a, Festkomma b, Festkomma& ergebnis);
    static bool Differenz(Festkomma a, Festkomma b, Festkomma& ergebnis);
    // Half of the value, rounded to four decimals half to even.
    Festkomma Haelfte() const;

    friend constexpr bool operator==(Festkomma a, Festkomma b) { return a.m_t == b.m_t; }
    friend constexpr auto operator<=>(Festkomma a, Festkomma b) { return a.m_t <=> b.m_t; }

private:
    int64_t m_t = 0;
};

namespace DXFZahl {

// Reads a DXF value line: blanks around it removed, then an optional sign, digits, "." as the
// decimal point and an optional exponent up to the first character that does not fit, whatever
// the locale; a text without a number reads as 0. The value is rounded to four decimals half to
// even, exactly on its decimal digits. False when it does not fit the fixed-point range.
bool Lese(const QString& text, Festkomma& ergebnis);
// The same as a double (no rounding); 0 for a text without a number. *ganz is true when the text
// is nothing but the number (blanks around it allowed).
double LeseDouble(const QString& text, bool* ganz = nullptr);

}  // namespace DXFZahl

// A coordinate as the entity stream writes it: "0.0" for zero, otherwise the decimal text with
// "." as the decimal point, at most four decimals, no trailing zeros ("12", "-0.25", "1234.5").
QString Formatiere(Festkomma wert);

// The x-th TAB-separated field of an order line (x from 1): field 1 is the text before the first
// TAB (empty without any TAB); a field after the last TAB runs to the end of the line; empty
// when the line has fewer fields.
QString picker(int x, const QString& info);

// The screen colour (blue * 65536 + green * 256 + red) of a DXF colour number as decimal text:
// 1 red, 2 yellow, 3 green, 5 blue, 6 magenta; 0, 4 and anything else black.
int32_t dxf_farbe(const QString& farbeDXF);
// A screen colour as a QColor.
QColor Bildschirmfarbe(int32_t farbe);
