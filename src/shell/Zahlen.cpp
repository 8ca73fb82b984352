#include "shell/Zahlen.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstdio>
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

QString Str(double w, bool single)
{
    QString t = gText(single ? static_cast<double>(static_cast<float>(w)) : w, single ? 7 : 15);
    const bool negativ = t.startsWith(QLatin1Char('-'));
    if (negativ)
        t.remove(0, 1);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    return (negativ ? QStringLiteral("-") : QStringLiteral(" ")) + t;
}

QString CStr(double w, bool single)
{
    QString t = gText(single ? static_cast<double>(static_cast<float>(w)) : w, single ? 7 : 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

double Val(const QString& text)
{
    QString s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r'))
            s.append(c);
    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)
        || s.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        const bool hex = s.at(1).toUpper() == QLatin1Char('H');
        int i = 2;
        while (i < s.size()) {
            const QChar c = s.at(i);
            const bool gut = hex ? (c.isDigit() || QStringLiteral("abcdefABCDEF").contains(c))
                                 : (c >= QLatin1Char('0') && c <= QLatin1Char('7'));
            if (!gut)
                break;
            ++i;
        }
        bool ok = false;
        const qlonglong v = s.mid(2, i - 2).toLongLong(&ok, hex ? 16 : 8);
        return ok ? static_cast<double>(v) : 0.0;
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
    static const QRegularExpression deutsch(
        QStringLiteral("^[+-]?(\\d{1,3}(\\.\\d{3})+|\\d*)(,\\d*)?([eE][+-]?\\d+)?$"));
    bool gut = false;
    double r = 0.0;
    if (!s.isEmpty() && deutsch.match(s).hasMatch() && s != QLatin1String(",")) {
        s.remove(QLatin1Char('.'));
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        r = s.toDouble(&gut);
    }
    if (ok)
        *ok = gut;
    return gut ? r : 0.0;
}

QString Format(double w, const QString& muster)
{
    const int punkt = muster.indexOf(QLatin1Char('.'));
    const QString ganz = punkt >= 0 ? muster.left(punkt) : muster;
    const QString bruch = punkt >= 0 ? muster.mid(punkt + 1) : QString();
    const int nachkomma = static_cast<int>(bruch.count(QLatin1Char('0')) + bruch.count(QLatin1Char('#')));
    const int pflichtNachkomma = static_cast<int>(bruch.count(QLatin1Char('0')));
    const int pflichtVorkomma = static_cast<int>(ganz.count(QLatin1Char('0')));
    const bool tausender = ganz.contains(QLatin1Char(','));

    // Round the decimal representation (15 significant digits) half away from zero.
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", w);
    const double v = std::strtod(puffer, nullptr);
    const double f = std::pow(10.0, nachkomma);
    double skaliert = std::fabs(v) * f;
    std::snprintf(puffer, sizeof puffer, "%.15g", skaliert);
    skaliert = std::floor(std::strtod(puffer, nullptr) + 0.5);
    const bool negativ = v < 0 && skaliert != 0;

    std::snprintf(puffer, sizeof puffer, "%.0f", skaliert);
    QString ziffern = QString::fromLatin1(puffer);
    while (ziffern.size() <= nachkomma)
        ziffern.prepend(QLatin1Char('0'));
    QString vor = ziffern.left(ziffern.size() - nachkomma);
    QString nach = ziffern.right(nachkomma);
    while (nach.size() > pflichtNachkomma && nach.endsWith(QLatin1Char('0')))
        nach.chop(1);
    // Leading zeros only as far as the pattern asks for them.
    while (vor.size() > pflichtVorkomma && vor.startsWith(QLatin1Char('0')))
        vor.remove(0, 1);
    while (vor.size() < pflichtVorkomma)
        vor.prepend(QLatin1Char('0'));
    if (tausender)
        for (int i = static_cast<int>(vor.size()) - 3; i > 0; i -= 3)
            vor.insert(i, QLatin1Char('.'));
    QString t = vor;
    if (!nach.isEmpty() || (punkt >= 0 && pflichtNachkomma > 0))
        t += QLatin1Char(',') + nach;
    return negativ ? QStringLiteral("-") + t : t;
}

QString DatumText(const QDateTime& dt)
{
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
