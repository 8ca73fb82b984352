#include "output/schematic/DXFZahlen.h"

#include <cmath>
#include <limits>

#include "base/Zahlen.h"

namespace {

constexpr int64_t GrößterWert = std::numeric_limits<int64_t>::max();

bool IstZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The number at the start of a trimmed text: sign, digits with at most one ".", exponent.
struct Zahltext {
    bool negativ = false;
    QString ziffern;       // all mantissa digits, without the point
    int nachkomma = 0;     // how many of them stand after the point
    long long exponent = 0;
    bool hatZiffer = false;
    qsizetype ende = 0;    // first character not taken
};

Zahltext Zerlege(const QString& t)
{
    Zahltext z;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        z.negativ = t[i] == u'-';
        ++i;
    }
    bool punkt = false;
    for (; i < t.size(); ++i) {
        if (IstZiffer(t[i])) {
            z.ziffern += t[i];
            z.hatZiffer = true;
            if (punkt)
                ++z.nachkomma;
        } else if (t[i] == u'.' && !punkt) {
            punkt = true;
        } else {
            break;
        }
    }
    if (!z.hatZiffer)
        return z;
    z.ende = i;
    // An exponent counts only with at least one digit.
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        bool expNegativ = false;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) {
            expNegativ = t[j] == u'-';
            ++j;
        }
        long long e = 0;
        bool expZiffer = false;
        for (; j < t.size() && IstZiffer(t[j]); ++j) {
            expZiffer = true;
            if (e < 100000)
                e = e * 10 + (t[j].unicode() - u'0');
        }
        if (expZiffer) {
            z.exponent = expNegativ ? -e : e;
            z.ende = j;
        }
    }
    return z;
}

}  // namespace

bool Festkomma::AusDouble(double w, Festkomma& ergebnis)
{
    const double t = Zahlen::RundenGerade(w * Faktor);
    if (!std::isfinite(t) || !(std::fabs(t) < 9.2e18))
        return false;
    ergebnis = AusZehntausendsteln(static_cast<int64_t>(t));
    return true;
}

bool Festkomma::Summe(Festkomma a, Festkomma b, Festkomma& ergebnis)
{
    int64_t r;
    if (__builtin_add_overflow(a.m_t, b.m_t, &r))
        return false;
    ergebnis = AusZehntausendsteln(r);
    return true;
}

bool Festkomma::Differenz(Festkomma a, Festkomma b, Festkomma& ergebnis)
{
    int64_t r;
    if (__builtin_sub_overflow(a.m_t, b.m_t, &r))
        return false;
    ergebnis = AusZehntausendsteln(r);
    return true;
}

Festkomma Festkomma::Haelfte() const
{
    int64_t h = m_t / 2;  // towards zero
    if (m_t % 2 != 0 && h % 2 != 0)
        h += m_t > 0 ? 1 : -1;  // an exact half goes to the even neighbour
    return AusZehntausendsteln(h);
}

namespace DXFZahl {

bool Lese(const QString& text, Festkomma& ergebnis)
{
    const Zahltext z = Zerlege(text.trimmed());
    if (!z.hatZiffer) {
        ergebnis = Festkomma();
        return true;
    }
    // Significant digits only.
    qsizetype erste = 0;
    while (erste < z.ziffern.size() && z.ziffern[erste] == u'0')
        ++erste;
    const QString ziffern = z.ziffern.mid(erste);
    if (ziffern.isEmpty()) {
        ergebnis = Festkomma();
        return true;
    }
    // value = ziffern * 10^skala in ten-thousandths
    const long long skala = z.exponent - z.nachkomma + 4;
    const long long anzahl = ziffern.size();
    if (anzahl + skala > 19)
        return false;
    unsigned __int128 t = 0;
    if (skala >= 0) {
        for (QChar c : ziffern)
            t = t * 10 + (c.unicode() - u'0');
        for (long long k = 0; k < skala; ++k)
            t *= 10;
    } else {
        const long long behalten = anzahl + skala;  // digits before the cut, may be <= 0
        for (long long k = 0; k < behalten; ++k)
            t = t * 10 + (ziffern[k].unicode() - u'0');
        // Half to even on the digits cut off.
        int erster = 0;
        bool rest = false;
        for (long long k = std::max(0LL, behalten); k < anzahl; ++k) {
            const int d = ziffern[k].unicode() - u'0';
            if (k == behalten)
                erster = d;
            else if (d != 0)
                rest = true;
        }
        if (erster > 5 || (erster == 5 && (rest || t % 2 == 1)))
            ++t;
    }
    if (t > static_cast<unsigned __int128>(GrößterWert))
        return false;
    const auto betrag = static_cast<int64_t>(t);
    ergebnis = Festkomma::AusZehntausendsteln(z.negativ ? -betrag : betrag);
    return true;
}

double LeseDouble(const QString& text, bool* ganz)
{
    const QString t = text.trimmed();
    const Zahltext z = Zerlege(t);
    if (ganz)
        *ganz = z.hatZiffer && z.ende == t.size();
    if (!z.hatZiffer)
        return 0;
    return t.left(z.ende).toDouble();
}

}  // namespace DXFZahl

QString Formatiere(Festkomma wert)
{
    const int64_t t = wert.Zehntausendstel();
    if (t == 0)
        return QStringLiteral("0.0");
    const bool negativ = t < 0;
    // The magnitude as unsigned, so that the smallest value has one too.
    const uint64_t b = negativ ? uint64_t(0) - static_cast<uint64_t>(t) : static_cast<uint64_t>(t);
    QString text = QString::number(b / 10000);
    uint64_t bruch = b % 10000;
    if (bruch != 0) {
        QString nach = QStringLiteral("%1").arg(bruch, 4, 10, QChar(u'0'));
        while (nach.endsWith(u'0'))
            nach.chop(1);
        text += u'.' + nach;
    }
    return negativ ? u'-' + text : text;
}

QString picker(int x, const QString& info)
{
    const QChar tab(u'\t');
    if (x < 1)
        return QString();
    qsizetype anfang = 0;
    for (int k = 1; k < x; ++k) {
        const qsizetype p = info.indexOf(tab, anfang);
        if (p < 0)
            return QString();
        anfang = p + 1;
    }
    const qsizetype ende = info.indexOf(tab, anfang);
    if (ende < 0)
        return x == 1 ? QString() : info.mid(anfang);
    return info.mid(anfang, ende - anfang);
}

int32_t dxf_farbe(const QString& farbeDXF)
{
    if (farbeDXF == u"1")
        return 255;
    if (farbeDXF == u"2")
        return 65535;
    if (farbeDXF == u"3")
        return 65280;
    if (farbeDXF == u"5")
        return 16711680;
    if (farbeDXF == u"6")
        return 16711935;
    return 0;
}

QColor Bildschirmfarbe(int32_t farbe)
{
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}
