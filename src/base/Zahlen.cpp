#include "base/Zahlen.h"

#include <QRegularExpression>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace Zahlen {

namespace {
double rintGerade(double x)
{
    const int alt = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    std::fesetround(alt);
    return r;
}

// %G text with the given significant digits, exponent as the runtime writes it ("1E+16").
QString gText(double w, int stellen)
{
    if (w == 0.0)
        w = 0.0;  // no "-0"
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*G", stellen, w);
    QString t = QString::fromLatin1(puffer);
    QString mantisse = t;
    QString exponent;
    const int e = t.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        mantisse = t.left(e);
        exponent = t.mid(e);
    }
    if (mantisse.contains(QLatin1Char('.'))) {
        while (mantisse.endsWith(QLatin1Char('0')))
            mantisse.chop(1);
        if (mantisse.endsWith(QLatin1Char('.')))
            mantisse.chop(1);
    }
    return mantisse + exponent;
}
}  // namespace

double RundenGerade(double w, int stellen)
{
    if (!std::isfinite(w))
        return w;
    if (stellen <= 0)
        return rintGerade(w);
    const double f = std::pow(10.0, stellen);
    const double x = w * f;
    if (!std::isfinite(x))
        return w;
    return rintGerade(x) / f;
}

int32_t CLng(double w, bool* ok)
{
    const double r = rintGerade(w);
    bool gut = std::isfinite(r) && r >= -2147483648.0 && r <= 2147483647.0;
    if (ok)
        *ok = gut;
    if (!gut)
        return std::isnan(r) ? 0 : (r < 0 ? std::numeric_limits<int32_t>::min()
                                          : std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(r);
}

int16_t CInt(double w, bool* ok)
{
    const double r = rintGerade(w);
    bool gut = std::isfinite(r) && r >= -32768.0 && r <= 32767.0;
    if (ok)
        *ok = gut;
    if (!gut)
        return std::isnan(r) ? 0 : (r < 0 ? std::numeric_limits<int16_t>::min()
                                          : std::numeric_limits<int16_t>::max());
    return static_cast<int16_t>(r);
}

float CSng(double w, bool* ok)
{
    constexpr double grenze = std::numeric_limits<float>::max();
    const bool gut = !std::isfinite(w) || (w >= -grenze && w <= grenze);
    if (ok)
        *ok = gut;
    if (!gut)
        return w < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(w);
}

QString Str(double w, bool single)
{
    QString t = gText(single ? AlsSingle(w) : w, single ? 7 : 15);
    const bool negativ = t.startsWith(QLatin1Char('-'));
    if (negativ)
        t.remove(0, 1);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    return (negativ ? QStringLiteral("-") : QStringLiteral(" ")) + t;
}

QString CStr(double w, bool single)
{
    QString t = gText(single ? AlsSingle(w) : w, single ? 7 : 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

double Val(const QString& text)
{
    QString s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s.append(c);
    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)
        || s.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        const int basis = s.at(1).toUpper() == QLatin1Char('H') ? 16 : 8;
        qsizetype i = 2;
        while (i < s.size()) {
            const auto d = QStringLiteral("0123456789ABCDEF").indexOf(s.at(i).toUpper());
            if (d < 0 || d >= basis)
                break;
            ++i;
        }
        bool ok = false;
        const qulonglong v = s.mid(2, i - 2).toULongLong(&ok, basis);
        if (!ok)
            return 0.0;
        // Up to 16 bits the runtime reads an Integer, up to 32 bits a Long, both signed.
        if (v <= 0xFFFFu)
            return static_cast<int16_t>(static_cast<uint16_t>(v));
        if (v <= 0xFFFFFFFFu)
            return static_cast<int32_t>(static_cast<uint32_t>(v));
        return 0.0;
    }
    static const QRegularExpression zahl(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?"));
    const auto m = zahl.match(s);
    if (!m.hasMatch())
        return 0.0;
    QString z = m.captured(0);
    z.replace(QLatin1Char('d'), QLatin1Char('e'));
    z.replace(QLatin1Char('D'), QLatin1Char('e'));
    return z.toDouble();
}

double TextZuZahl(const QString& text, bool* ok)
{
    QString s = text.trimmed();
    // German form with a decimal comma; points only between groups of three digits.
    static const QRegularExpression mitKomma(
        QStringLiteral("^[+-]?(\\d{1,3}(\\.\\d{3})+|\\d*),\\d*([eE][+-]?\\d+)?$"));
    // No comma, points between groups of three digits: thousands groups of a whole number.
    static const QRegularExpression tausender(
        QStringLiteral("^[+-]?\\d{1,3}(\\.\\d{3})+([eE][+-]?\\d+)?$"));
    // No comma, one point that cannot group thousands: a decimal point.
    static const QRegularExpression mitPunkt(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    bool gut = false;
    double r = 0.0;
    const bool ziffer = std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.isDigit(); });
    if (ziffer) {
        if (mitKomma.match(s).hasMatch()) {
            s.remove(QLatin1Char('.'));
            s.replace(QLatin1Char(','), QLatin1Char('.'));
            r = s.toDouble(&gut);
        } else if (tausender.match(s).hasMatch()) {
            s.remove(QLatin1Char('.'));
            r = s.toDouble(&gut);
        } else if (mitPunkt.match(s).hasMatch()) {
            r = s.toDouble(&gut);
        }
    }
    gut = gut && std::isfinite(r);
    if (ok)
        *ok = gut;
    return gut ? r : 0.0;
}

QString Format(double w, const QString& muster, bool single)
{
    if (!std::isfinite(w))
        return CStr(w);
    // The digit part of the pattern and the literal text around it.
    const auto istZiffernzeichen = [](QChar c) {
        return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.')
               || c == QLatin1Char(',');
    };
    qsizetype anfang = 0;
    while (anfang < muster.size() && !istZiffernzeichen(muster.at(anfang)))
        ++anfang;
    qsizetype ende = muster.size();
    while (ende > anfang && !istZiffernzeichen(muster.at(ende - 1)))
        --ende;
    const QString vorText = muster.left(anfang);
    const QString nachText = muster.mid(ende);
    const QString ziffernMuster = muster.mid(anfang, ende - anfang);

    const qsizetype punkt = ziffernMuster.indexOf(QLatin1Char('.'));
    const QString ganz = punkt >= 0 ? ziffernMuster.left(punkt) : ziffernMuster;
    const QString bruch = punkt >= 0 ? ziffernMuster.mid(punkt + 1) : QString();
    const int nachkomma = static_cast<int>(bruch.count(QLatin1Char('0')) + bruch.count(QLatin1Char('#')));
    const int pflichtNachkomma = static_cast<int>(bruch.count(QLatin1Char('0')));
    const int pflichtVorkomma = static_cast<int>(ganz.count(QLatin1Char('0')));
    const bool tausender = ganz.contains(QLatin1Char(','));

    // The decimal digits of |w| (15 or 7 significant), rounded half away from zero at the last
    // shown decimal; the result is the digit string of |w| * 10^nachkomma.
    const int stellen = single ? 7 : 15;
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, std::fabs(single ? AlsSingle(w) : w));
    QString ziffern = QString::fromLatin1(puffer, 1) + QString::fromLatin1(puffer + 2, stellen - 1);
    const int exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    const int behalten = exponent + 1 + nachkomma;  // digits up to the last shown decimal
    QString skaliert;
    if (behalten < 0 || (behalten == 0 && ziffern.at(0) < QLatin1Char('5'))) {
        skaliert = QStringLiteral("0");
    } else if (behalten == 0) {
        skaliert = QStringLiteral("1");
    } else if (behalten >= stellen) {
        skaliert = ziffern + QString(behalten - stellen, QLatin1Char('0'));
    } else {
        skaliert = ziffern.left(behalten);
        if (ziffern.at(behalten) >= QLatin1Char('5')) {
            qsizetype i = skaliert.size() - 1;
            while (i >= 0 && skaliert.at(i) == QLatin1Char('9'))
                skaliert[i--] = QLatin1Char('0');
            if (i < 0)
                skaliert.prepend(QLatin1Char('1'));
            else
                skaliert[i] = QChar(skaliert.at(i).unicode() + 1);
        }
    }
    const bool negativ = w < 0 && skaliert.count(QLatin1Char('0')) != skaliert.size();

    while (skaliert.size() <= nachkomma)
        skaliert.prepend(QLatin1Char('0'));
    QString vor = skaliert.left(skaliert.size() - nachkomma);
    QString nach = skaliert.right(nachkomma);
    while (nach.size() > pflichtNachkomma && nach.endsWith(QLatin1Char('0')))
        nach.chop(1);
    // Leading zeros only as far as the pattern asks for them.
    while (vor.size() > pflichtVorkomma && vor.startsWith(QLatin1Char('0')))
        vor.remove(0, 1);
    while (vor.size() < pflichtVorkomma)
        vor.prepend(QLatin1Char('0'));
    if (tausender)
        for (qsizetype i = vor.size() - 3; i > 0; i -= 3)
            vor.insert(i, QLatin1Char('.'));
    QString t = vor;
    if (punkt >= 0)
        t += QLatin1Char(',') + nach;
    return vorText + (negativ ? QStringLiteral("-") : QString()) + t + nachText;
}

QString DatumText(const QDateTime& dt)
{
    if (dt.date() == QDate(1899, 12, 30))
        return dt.time().toString(QStringLiteral("hh:mm:ss"));
    if (dt.time() == QTime(0, 0))
        return dt.date().toString(QStringLiteral("dd.MM.yyyy"));
    return dt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QDateTime DatumAusText(const QString& text)
{
    const QString s = text.trimmed();
    static const char* const muster[] = {"dd.MM.yyyy hh:mm:ss", "dd.MM.yyyy", "d.M.yyyy", "d.M.yy",
                                         "yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd", "dd.MM.yyyy hh:mm"};
    for (const char* m : muster) {
        QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(m));
        if (dt.isValid()) {
            if (QString::fromLatin1(m).endsWith(QLatin1String("yy"))
                && !QString::fromLatin1(m).endsWith(QLatin1String("yyyy"))) {
                // Two-digit years as the runtime reads them: 00-29 are 2000-2029.
                const int j = dt.date().year() % 100;
                dt.setDate(QDate(j < 30 ? 2000 + j : 1900 + j, dt.date().month(), dt.date().day()));
            }
            dt.setTimeSpec(Qt::UTC);
            return dt;
        }
    }
    return {};
}

}  // namespace Zahlen
