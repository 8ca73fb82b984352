#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <type_traits>

// The program's dynamic value: Empty, Null, Boolean (True is -1), Byte, Integer (16 bit),
// Long (32 bit), Single, Double, Date (days since 1899-12-30, fraction = time), String.
// Conversions follow the original runtime: Empty reads as 0, "" and False; Null reads as Empty
// where a value is needed.
class VbVariant {
public:
    enum class Typ { Empty, Null, Boolean, Byte, Integer, Long, Single, Double, Date, String };

    VbVariant() = default;
    VbVariant(bool b) : m_typ(Typ::Boolean), m_zahl(b ? -1.0 : 0.0) {}
    VbVariant(int v) : m_typ(Typ::Long), m_zahl(v) {}
    // Other whole numbers (qsizetype, qint64, unsigned): a Long when they fit, else a Double.
    template <typename I>
        requires(std::is_integral_v<I> && !std::is_same_v<I, bool> && !std::is_same_v<I, int>)
    VbVariant(I v)
        : m_typ(passtInLong(v) ? Typ::Long : Typ::Double), m_zahl(static_cast<double>(v))
    {
    }
    VbVariant(double v) : m_typ(Typ::Double), m_zahl(v) {}
    VbVariant(float v) : m_typ(Typ::Single), m_zahl(v) {}
    VbVariant(const QString& s) : m_typ(Typ::String), m_text(s) {}
    VbVariant(const char* s) : m_typ(Typ::String), m_text(QString::fromUtf8(s)) {}

    static VbVariant null();
    static VbVariant boolean(bool b) { return VbVariant(b); }
    static VbVariant byte(uint8_t v);
    static VbVariant integer(int16_t v);
    static VbVariant lng(int32_t v);
    static VbVariant single(float v) { return VbVariant(v); }
    static VbVariant dbl(double v) { return VbVariant(v); }
    static VbVariant datum(double oleDatum);
    static VbVariant datum(const QDateTime& dt);
    static VbVariant text(const QString& s) { return VbVariant(s); }

    Typ typ() const { return m_typ; }
    bool isEmpty() const { return m_typ == Typ::Empty; }
    bool isNull() const { return m_typ == Typ::Null; }
    bool isString() const { return m_typ == Typ::String; }
    bool isDate() const { return m_typ == Typ::Date; }
    // A number type or Boolean (not a numeric text).
    bool isZahlTyp() const;
    // VB IsNumeric: number types, Empty, and texts that read as a number.
    bool isNumeric() const;

    // Conversions as the runtime's CDbl, CSng, CLng, CInt, CBool, CStr. A text is read by
    // Zahlen::TextZuZahl (German comma); a text that is no number gives 0 for the number
    // conversions (ok = false where asked), as does a value out of the target's range.
    double toDouble(bool* ok = nullptr) const;
    float toSingle(bool* ok = nullptr) const;
    int32_t toLong(bool* ok = nullptr) const;     // half to even, range checked
    int16_t toInteger(bool* ok = nullptr) const;  // half to even, range checked
    bool toBool() const;
    // CStr with German number text ("12,5"), "Wahr"/"Falsch" for Booleans, dd.MM.yyyy dates.
    QString toString() const;
    double oleDatum() const { return m_zahl; }
    QDateTime toDateTime() const;

    // Loose equality as the program uses it: numbers by value, texts case-sensitive,
    // Empty/Null = 0 = "" = False.
    bool gleich(const VbVariant& o) const;
    bool operator==(const VbVariant& o) const { return gleich(o); }
    bool operator!=(const VbVariant& o) const { return !gleich(o); }

private:
    template <typename I>
    static constexpr bool passtInLong(I v)
    {
        if constexpr (std::is_signed_v<I>)
            return static_cast<int64_t>(v) >= INT32_MIN && static_cast<int64_t>(v) <= INT32_MAX;
        else
            return static_cast<uint64_t>(v) <= static_cast<uint64_t>(INT32_MAX);
    }

    Typ m_typ = Typ::Empty;
    double m_zahl = 0.0;
    QString m_text;
};

Q_DECLARE_METATYPE(VbVariant)
