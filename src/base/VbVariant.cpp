#include "base/VbVariant.h"

#include "base/Zahlen.h"

#include <cmath>

namespace {
const QDateTime& oleNull()
{
    static const QDateTime basis(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return basis;
}
}

VbVariant VbVariant::null()
{
    VbVariant v;
    v.m_typ = Typ::Null;
    return v;
}

VbVariant VbVariant::byte(uint8_t v)
{
    VbVariant r(static_cast<int>(v));
    r.m_typ = Typ::Byte;
    return r;
}

VbVariant VbVariant::integer(int16_t v)
{
    VbVariant r(static_cast<int>(v));
    r.m_typ = Typ::Integer;
    return r;
}

VbVariant VbVariant::lng(int32_t v)
{
    return VbVariant(static_cast<int>(v));
}

VbVariant VbVariant::datum(double oleDatum)
{
    VbVariant r(oleDatum);
    r.m_typ = Typ::Date;
    return r;
}

VbVariant VbVariant::datum(const QDateTime& dt)
{
    QDateTime utc(dt.date(), dt.time(), Qt::UTC);
    const double ms = static_cast<double>(oleNull().msecsTo(utc));
    double tage = std::floor(ms / 86400000.0);
    double bruch = (ms - tage * 86400000.0) / 86400000.0;
    // Before 1899-12-30 the day counts down while the time fraction stays positive.
    return datum(tage >= 0 ? tage + bruch : tage - bruch);
}

QDateTime VbVariant::toDateTime() const
{
    double d = toDouble();
    if (m_typ == Typ::String) {
        const QDateTime dt = Zahlen::DatumAusText(m_text);
        if (dt.isValid())
            return dt;
    }
    double tage = std::trunc(d);
    double bruch = std::fabs(d - tage);
    qint64 ms = static_cast<qint64>(std::llround(tage * 86400000.0 + bruch * 86400000.0));
    return oleNull().addMSecs(ms);
}

bool VbVariant::isZahlTyp() const
{
    switch (m_typ) {
    case Typ::Boolean: case Typ::Byte: case Typ::Integer: case Typ::Long:
    case Typ::Single: case Typ::Double:
        return true;
    default:
        return false;
    }
}

bool VbVariant::isNumeric() const
{
    if (isZahlTyp() || m_typ == Typ::Empty)
        return true;
    if (m_typ == Typ::String) {
        bool ok = false;
        Zahlen::TextZuZahl(m_text, &ok);
        return ok;
    }
    return false;
}

double VbVariant::toDouble(bool* ok) const
{
    if (ok)
        *ok = true;
    switch (m_typ) {
    case Typ::Empty: case Typ::Null:
        return 0.0;
    case Typ::String:
        return Zahlen::TextZuZahl(m_text, ok);
    default:
        return m_zahl;
    }
}

namespace {
// The value as a Double, then narrowed by wandle; *ok false when either step fails.
template <typename T>
T eingeengt(const VbVariant& v, bool* ok, T (*wandle)(double, bool*))
{
    bool zahl = true;
    const double d = v.toDouble(&zahl);
    bool bereich = true;
    const T r = wandle(d, &bereich);
    if (ok)
        *ok = zahl && bereich;
    return r;
}
}  // namespace

float VbVariant::toSingle(bool* ok) const
{
    return eingeengt(*this, ok, Zahlen::CSng);
}

int32_t VbVariant::toLong(bool* ok) const
{
    return eingeengt(*this, ok, Zahlen::CLng);
}

int16_t VbVariant::toInteger(bool* ok) const
{
    return eingeengt(*this, ok, Zahlen::CInt);
}

bool VbVariant::toBool() const
{
    if (m_typ == Typ::String) {
        const QString t = m_text.trimmed();
        if (t.compare(QLatin1String("wahr"), Qt::CaseInsensitive) == 0
            || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("falsch"), Qt::CaseInsensitive) == 0
            || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toDouble() != 0.0;
}

QString VbVariant::toString() const
{
    switch (m_typ) {
    case Typ::Empty: case Typ::Null:
        return QString();
    case Typ::Boolean:
        return m_zahl != 0.0 ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    case Typ::Single:
        return Zahlen::CStr(m_zahl, true);
    case Typ::Date:
        return Zahlen::DatumText(toDateTime());
    case Typ::String:
        return m_text;
    default:
        return Zahlen::CStr(m_zahl, false);
    }
}

bool VbVariant::gleich(const VbVariant& o) const
{
    const bool leerA = m_typ == Typ::Empty || m_typ == Typ::Null;
    const bool leerB = o.m_typ == Typ::Empty || o.m_typ == Typ::Null;
    if (leerA && leerB)
        return true;
    if (m_typ == Typ::String && o.m_typ == Typ::String)
        return m_text == o.m_text;
    if (leerA)
        return o.m_typ == Typ::String ? o.m_text.isEmpty() : o.toDouble() == 0.0;
    if (leerB)
        return o.gleich(*this);
    if (m_typ == Typ::String || o.m_typ == Typ::String) {
        bool okA = true, okB = true;
        const double a = toDouble(&okA);
        const double b = o.toDouble(&okB);
        if (okA && okB)
            return a == b;
        return toString() == o.toString();
    }
    if (m_typ == Typ::Single || o.m_typ == Typ::Single)
        return static_cast<float>(toDouble()) == static_cast<float>(o.toDouble());
    return toDouble() == o.toDouble();
}
