#include "data/Sicherungsdatei.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "data/ManipDBField.h"
#include "base/Zahlen.h"

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252 (0: undefined, kept as the C1 control).
constexpr char16_t cp1252Hoch[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char nachByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c >= 0x80 && c <= 0x9F)
        return cp1252Hoch[c - 0x80] == 0 ? static_cast<char>(c) : '?';
    for (int i = 0; i < 32; ++i)
        if (cp1252Hoch[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QByteArray Sicherungsdatei::NachCp1252(const QString& text, bool* ersetzt)
{
    QByteArray b;
    b.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the code page: one replacement
            b.append('?');
            if (ersetzt)
                *ersetzt = true;
            continue;
        }
        const char byte = nachByte(c.unicode());
        if (byte == '?' && c != QLatin1Char('?') && ersetzt)
            *ersetzt = true;
        b.append(byte);
    }
    return b;
}

QString Sicherungsdatei::AusCp1252(const QByteArray& bytes)
{
    QString t;
    t.resize(bytes.size());
    QChar* z = t.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        const char16_t h = (b >= 0x80 && b <= 0x9F) ? cp1252Hoch[b - 0x80] : 0;
        z[i] = QChar(h != 0 ? h : char16_t(b));
    }
    return t;
}

bool Sicherungsdatei::SchreibeZeile(const QString& schlüssel, const QString& wert)
{
    QByteArray zeile = NachCp1252(schlüssel, &m_ersetzt);
    zeile.append('\t');
    zeile.append(NachCp1252(wert, &m_ersetzt));
    zeile.append("\t\r\n");
    if (m_gerät->write(zeile) != zeile.size()) {
        m_schreibfehler = true;
        return false;
    }
    return true;
}

bool Sicherungsdatei::AtEndOfStream() const
{
    return m_gerät->atEnd();
}

bool Sicherungsdatei::LiesZeile(QString& zeile, qsizetype höchstens, bool* gekürzt)
{
    if (!m_gerät->isReadable())
        return false;
    // Into the kept buffer (a line of its own per call would cost an allocation of the
    // device's chunk size); a line longer than the buffer doubles it, up to the limit: the
    // kept bytes, CR LF and the terminating zero of readLine.
    const qsizetype grenze = höchstens < 0 ? -1 : höchstens + 3;
    QByteArray& b = m_lesepuffer;
    if (b.size() < 1024)
        b.resize(grenze < 0 ? 1024 : std::min<qsizetype>(1024, grenze));
    const auto platz = [&] { return grenze < 0 ? b.size() : std::min(b.size(), grenze); };
    qsizetype länge = 0;
    bool offen = false;  // the line goes on past the limit
    for (;;) {
        const qint64 n = m_gerät->readLine(b.data() + länge, platz() - länge);
        if (n <= 0)
            break;
        Arbeit().bytes += n;
        länge += n;
        if (b[länge - 1] == '\n' || länge < platz() - 1)
            break;
        if (grenze >= 0 && platz() >= grenze) {
            offen = true;
            break;
        }
        b.resize(grenze < 0 ? b.size() * 2 : std::min(b.size() * 2, grenze));
    }
    if (länge == 0 && !m_gerät->atEnd())
        return false;
    QByteArray z;
    if (offen) {
        // The rest of the line is read and dropped; only its last bytes are kept, for the line's
        // last character.
        QByteArray schluss = QByteArray(b.constData() + länge - 2, 2);
        if (m_überlauf.size() != 65536)
            m_überlauf.resize(65536);
        for (;;) {
            const qint64 n = m_gerät->readLine(m_überlauf.data(), m_überlauf.size());
            if (n <= 0)
                break;
            Arbeit().bytes += n;
            schluss = (schluss + QByteArray(m_überlauf.constData() + std::max<qint64>(0, n - 3), std::min<qint64>(n, 3))).right(3);
            if (m_überlauf[n - 1] == '\n' || n < m_überlauf.size() - 1)
                break;
        }
        if (schluss.endsWith('\n'))
            schluss.chop(1);
        if (schluss.endsWith('\r'))
            schluss.chop(1);
        z = QByteArray(b.constData(), höchstens) + schluss.right(1);
        if (gekürzt)
            *gekürzt = true;
    } else {
        if (länge > 0 && b[länge - 1] == '\n') {
            --länge;
            if (länge > 0 && b[länge - 1] == '\r')
                --länge;
        }
        z = QByteArray::fromRawData(b.constData(), länge);
    }
    // A file that an editor saved as UTF-8 with its mark: read as what it says it is.
    if (m_ersteZeile && z.startsWith("\xEF\xBB\xBF")) {
        m_utf8 = true;
        z = z.mid(3);
    }
    m_ersteZeile = false;
    zeile = m_utf8 ? QString::fromUtf8(z) : AusCp1252(z);
    Arbeit().längsteZeile = std::max(Arbeit().längsteZeile, std::max<qsizetype>(zeile.size(), länge));
    return true;
}

bool Sicherungsdatei::LiesLogischeZeile(QString& zeile, bool* gekürzt)
{
    if (!LiesZeile(zeile, m_höchstlänge, gekürzt))
        return false;
    while (!zeile.endsWith(QLatin1Char('\t')) && !AtEndOfStream()) {
        // Past the limit only each physical line's last character is kept.
        const qsizetype rest = m_höchstlänge < 0 ? -1 : std::max<qsizetype>(0, m_höchstlänge - zeile.size() - 2);
        QString weiter;
        if (!LiesZeile(weiter, rest, gekürzt))
            return false;
        zeile += QStringLiteral("\r\n") + weiter;
        if (m_höchstlänge >= 0 && zeile.size() > m_höchstlänge + 1) {
            zeile.remove(m_höchstlänge, zeile.size() - m_höchstlänge - 1);
            if (gekürzt)
                *gekürzt = true;
        }
        Arbeit().längsteZeile = std::max(Arbeit().längsteZeile, zeile.size());
    }
    return true;
}

Sicherungsdatei::Lesearbeit& Sicherungsdatei::Arbeit()
{
    static Lesearbeit arbeit;
    return arbeit;
}

namespace Transferwert {

bool Text(long feldtyp, const VbVariant& wert, QString& text)
{
    switch (feldtyp) {
    case Feldtyp::Boolean:
        text = wert.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
        return true;
    case Feldtyp::Byte: case Feldtyp::Integer: case Feldtyp::Long:
        if (wert.isEmpty() || wert.isNull())
            text.clear();
        else if (wert.isString())
            text = wert.toString();
        else
            text = Zahlen::CStr(wert.toDouble());
        return true;
    case Feldtyp::Single:
        text = Zahlen::Str(wert.toDouble(), true);
        return true;
    case Feldtyp::Date:
        text = Zahlen::Str(wert.isDate() ? wert.oleDatum() : wert.toDouble());
        return true;
    case Feldtyp::Text: case Feldtyp::Memo:
        text = wert.toString();
        return true;
    default:
        return false;
    }
}

bool Lesen(long feldtyp, const QString& text, VbVariant& wert)
{
    switch (feldtyp) {
    case Feldtyp::Boolean: {
        const QString t = text.trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            wert = VbVariant(true);
            return true;
        }
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            wert = VbVariant(false);
            return true;
        }
        bool ok = false;
        const double d = Zahlen::TextZuZahl(t, &ok);
        if (ok)
            wert = VbVariant(d != 0.0);
        return ok;
    }
    case Feldtyp::Byte: case Feldtyp::Integer: case Feldtyp::Long: {
        bool ok = false;
        const double d = Zahlen::TextZuZahl(text, &ok);
        if (!ok)
            return false;
        const int32_t n = Zahlen::CLng(d, &ok);
        if (!ok)
            return false;
        if (feldtyp == Feldtyp::Byte) {
            if (n < 0 || n > 255)
                return false;
            wert = VbVariant::byte(static_cast<uint8_t>(n));
        } else if (feldtyp == Feldtyp::Integer) {
            if (n < -32768 || n > 32767)
                return false;
            wert = VbVariant::integer(static_cast<int16_t>(n));
        } else {
            wert = VbVariant::lng(n);
        }
        return true;
    }
    case Feldtyp::Single: {
        const double d = Zahlen::Val(text);
        if (!std::isfinite(d) || std::fabs(d) > FLT_MAX)
            return false;
        wert = VbVariant::single(static_cast<float>(d));
        return true;
    }
    case Feldtyp::Date: {
        const double d = Zahlen::Val(text);
        if (!std::isfinite(d))
            return false;
        wert = VbVariant::datum(d);
        return true;
    }
    case Feldtyp::Text: case Feldtyp::Memo:
        wert = VbVariant(text);
        return true;
    default:
        return false;
    }
}

Übernahme Feldwert(const ManipDBField& feld, const QString& text, VbVariant& wert, bool nurEingabelänge)
{
    if (!Lesen(feld.fieldtype, text, wert))
        return Übernahme::Vorgabe;
    const bool textfeld = feld.fieldtype == Feldtyp::Text || feld.fieldtype == Feldtyp::Memo;
    if (!textfeld)
        return Übernahme::Ganz;
    const QString t = wert.toString();
    // The two codes are read by their first characters: "Druck" is "Dr", "Kühlung" is "Kü".
    if ((feld.fieldbez == QLatin1String("Projektart") || feld.fieldbez == QLatin1String("ArtAusstatt"))
        && feld.fieldsize > 0 && t.size() > feld.fieldsize) {
        wert = VbVariant(t.left(feld.fieldsize));
        return Übernahme::Gekürzt;
    }
    if (nurEingabelänge && feld.fieldsize > 0 && t.size() > feld.fieldsize)
        return Übernahme::Ausgelassen;
    return Übernahme::Ganz;
}

}  // namespace Transferwert
