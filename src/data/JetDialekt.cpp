#include "data/JetDialekt.h"

#include "data/Spaltentypen.h"
#include "base/Zahlen.h"

#include <QStringList>

namespace JetDialekt {

namespace {

bool istWortzeichen(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.unicode() >= 0x80;
}

// Reads a quoted literal starting at text[i] (the quote); doubled quotes stand for one.
// Returns the content and sets i behind the closing quote.
QString leseLiteral(const QString& text, qsizetype& i)
{
    const QChar q = text.at(i);
    QString inhalt;
    ++i;
    while (i < text.size()) {
        if (text.at(i) == q) {
            if (i + 1 < text.size() && text.at(i + 1) == q) {
                inhalt += q;
                i += 2;
                continue;
            }
            ++i;
            return inhalt;
        }
        inhalt += text.at(i++);
    }
    return inhalt;
}

// The date of a #...# literal: US month/day/year or ISO, with an optional time.
QDateTime leseDatum(const QString& inhalt)
{
    const QString s = inhalt.trimmed();
    static const char* const muster[] = {"M/d/yyyy H:mm:ss", "M/d/yyyy H:mm", "M/d/yyyy",
                                         "yyyy-MM-dd H:mm:ss", "yyyy-MM-dd H:mm", "yyyy-MM-dd",
                                         "M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm AP"};
    for (const char* m : muster) {
        QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(m));
        if (dt.isValid())
            return dt;
    }
    return {};
}

// A LIKE pattern of the original engine as a SQLite pattern; *escape set when '\' escapes.
QString likeMuster(const QString& jet, bool* escape)
{
    QString aus;
    *escape = false;
    for (const QChar c : jet) {
        if (c == QLatin1Char('*')) {
            aus += QLatin1Char('%');
        } else if (c == QLatin1Char('?')) {
            aus += QLatin1Char('_');
        } else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            aus += QLatin1Char('\\');
            aus += c;
            *escape = true;
        } else {
            aus += c;
        }
    }
    return aus;
}

// Top-level words of a statement: outside literals, brackets and parentheses.
struct Wort {
    QString text;   // upper case for plain words; the name for [bracketed] ones
    qsizetype anfang = 0;
    qsizetype ende = 0;
    bool name = false;  // bracketed
    int tiefe = 0;
    bool zeichen = false;  // a single punctuation character
};

QList<Wort> woerter(const QString& sql)
{
    QList<Wort> w;
    int tiefe = 0;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype a = i;
            leseLiteral(sql, i);
            w.append({QStringLiteral("'"), a, i, false, tiefe, true});
        } else if (c == QLatin1Char('[')) {
            const qsizetype a = i;
            const qsizetype zu = sql.indexOf(QLatin1Char(']'), i);
            i = zu < 0 ? sql.size() : zu + 1;
            w.append({sql.mid(a + 1, (zu < 0 ? sql.size() : zu) - a - 1), a, i, true, tiefe, false});
        } else if (istWortzeichen(c)) {
            const qsizetype a = i;
            while (i < sql.size() && istWortzeichen(sql.at(i)))
                ++i;
            w.append({sql.mid(a, i - a).toUpper(), a, i, false, tiefe, false});
        } else {
            if (c == QLatin1Char('('))
                ++tiefe;
            w.append({QString(c), i, i + 1, false, tiefe, true});
            if (c == QLatin1Char(')'))
                --tiefe;
            ++i;
        }
    }
    return w;
}

}  // namespace

QString Übersetze(const QString& sql)
{
    QString aus;
    aus.reserve(sql.size() + 16);
    bool nachLike = false;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('[')) {
            const qsizetype zu = sql.indexOf(QLatin1Char(']'), i);
            const qsizetype ende = zu < 0 ? sql.size() : zu + 1;
            aus += QStringView(sql).mid(i, ende - i);
            i = ende;
            nachLike = false;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const QString inhalt = leseLiteral(sql, i);
            if (nachLike) {
                bool escape = false;
                aus += Textliteral(likeMuster(inhalt, &escape));
                if (escape)
                    aus += QStringLiteral(" ESCAPE '\\'");
            } else {
                aus += Textliteral(inhalt);
            }
            nachLike = false;
        } else if (c == QLatin1Char('#')) {
            const qsizetype zu = sql.indexOf(QLatin1Char('#'), i + 1);
            const QDateTime dt = zu > i ? leseDatum(sql.mid(i + 1, zu - i - 1)) : QDateTime();
            if (dt.isValid()) {
                aus += Textliteral(Spaltentypen::DatumText(dt));
                i = zu + 1;
            } else {
                aus += c;
                ++i;
            }
            nachLike = false;
        } else if (istWortzeichen(c)) {
            const qsizetype a = i;
            while (i < sql.size() && istWortzeichen(sql.at(i)))
                ++i;
            const QStringView wort = QStringView(sql).mid(a, i - a);
            const bool qualifiziert = a > 0 && sql.at(a - 1) == QLatin1Char('.');
            if (!qualifiziert && wort.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                aus += QStringLiteral("-1");
            else if (!qualifiziert && wort.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                aus += QStringLiteral("0");
            else
                aus += wort;
            nachLike = wort.compare(QLatin1String("like"), Qt::CaseInsensitive) == 0;
        } else {
            aus += c;
            if (!c.isSpace())
                nachLike = false;
            ++i;
        }
    }
    return aus;
}

QString Textliteral(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    // A NUL would end the statement text: it is spliced in as a character value.
    t.replace(QChar(0), QLatin1String("' || char(0) || '"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString Zahlliteral(double wert)
{
    return Zahlen::Str(wert);
}

QString Name(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString EinfacheTabelle(const QString& sql, qsizetype* nachSelect)
{
    const QList<Wort> w = woerter(sql);
    if (w.isEmpty() || w.first().name || w.first().text != QLatin1String("SELECT"))
        return QString();
    if (nachSelect)
        *nachSelect = w.first().ende;
    static const QStringList verboten = {QStringLiteral("DISTINCT"), QStringLiteral("DISTINCTROW"),
                                         QStringLiteral("TOP"), QStringLiteral("GROUP"),
                                         QStringLiteral("HAVING"), QStringLiteral("UNION"),
                                         QStringLiteral("JOIN"), QStringLiteral("INTO")};
    qsizetype from = -1;
    for (qsizetype k = 1; k < w.size(); ++k) {
        const Wort& x = w.at(k);
        if (x.tiefe != 0 || x.name || x.zeichen)
            continue;
        if (verboten.contains(x.text))
            return QString();
        if (x.text == QLatin1String("FROM") && from < 0)
            from = k;
    }
    if (from < 0 || from + 1 >= w.size())
        return QString();
    const Wort& tabelle = w.at(from + 1);
    if (tabelle.zeichen)
        return QString();
    if (from + 2 < w.size()) {
        const Wort& danach = w.at(from + 2);
        const bool ok = (!danach.name && !danach.zeichen
                         && (danach.text == QLatin1String("WHERE") || danach.text == QLatin1String("ORDER")))
                        || (danach.zeichen && danach.text == QLatin1String(";"));
        if (!ok)
            return QString();
    }
    return tabelle.text.isEmpty() ? QString() : (tabelle.name ? tabelle.text : sql.mid(tabelle.anfang, tabelle.ende - tabelle.anfang));
}

}  // namespace JetDialekt
