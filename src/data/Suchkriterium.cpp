#include "data/Suchkriterium.h"

#include "base/Zahlen.h"

#include <cmath>

namespace {

bool fehler(QString* ziel, const QString& text)
{
    if (ziel)
        *ziel = text;
    return false;
}

void leerzeichen(const QString& t, qsizetype& i)
{
    while (i < t.size() && t.at(i).isSpace())
        ++i;
}

// A number as written in criteria: invariant with a point; a German text as a second choice.
bool leseZahl(const QString& text, double& d)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    bool ok = false;
    d = s.toDouble(&ok);
    if (ok && std::isfinite(d))
        return true;
    d = Zahlen::TextZuZahl(s, &ok);
    return ok;
}

bool leseDatum(const QString& text, double& d)
{
    QDateTime dt = Spaltentypen::DatumAusText(text);
    if (!dt.isValid())
        dt = Zahlen::DatumAusText(text);
    if (!dt.isValid()) {
        for (const char* m : {"M/d/yyyy H:mm:ss", "M/d/yyyy"}) {
            dt = QDateTime::fromString(text.trimmed(), QString::fromLatin1(m));
            if (dt.isValid())
                break;
        }
    }
    if (!dt.isValid())
        return false;
    d = VbVariant::datum(dt).oleDatum();
    return true;
}

template <typename T>
bool vergleiche(Suchkriterium::Op op, const T& a, const T& b)
{
    switch (op) {
    case Suchkriterium::Op::Gleich: return a == b;
    case Suchkriterium::Op::Ungleich: return !(a == b);
    case Suchkriterium::Op::Kleiner: return a < b;
    case Suchkriterium::Op::KleinerGleich: return a < b || a == b;
    case Suchkriterium::Op::Grösser: return b < a;
    case Suchkriterium::Op::GrösserGleich: return b < a || a == b;
    case Suchkriterium::Op::Like: break;
    }
    return false;
}

bool vergleicheText(Suchkriterium::Op op, const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return vergleiche(op, c, 0);
}

}  // namespace

std::optional<Suchkriterium> Suchkriterium::Lesen(const QString& text, const QStringList& feldnamen,
                                                  const QList<Spaltenart>& arten, QString* fehlerText)
{
    Suchkriterium k;
    qsizetype i = 0;
    leerzeichen(text, i);
    QString name;
    if (i < text.size() && text.at(i) == QLatin1Char('[')) {
        const qsizetype zu = text.indexOf(QLatin1Char(']'), i + 1);
        if (zu < 0) {
            fehler(fehlerText, QStringLiteral("Fehlende ']' im Suchkriterium."));
            return std::nullopt;
        }
        name = text.mid(i + 1, zu - i - 1);
        i = zu + 1;
    } else {
        const qsizetype a = i;
        while (i < text.size() && !text.at(i).isSpace() && !QStringLiteral("=<>").contains(text.at(i)))
            ++i;
        name = text.mid(a, i - a);
    }
    for (qsizetype f = 0; f < feldnamen.size(); ++f) {
        if (feldnamen.at(f).compare(name, Qt::CaseInsensitive) == 0) {
            k.m_feld = static_cast<int>(f);
            break;
        }
    }
    if (k.m_feld < 0) {
        fehler(fehlerText, QStringLiteral("Das Feld '%1' gibt es im Recordset nicht.").arg(name));
        return std::nullopt;
    }
    k.m_art = k.m_feld < arten.size() ? arten.at(k.m_feld) : Spaltenart{};

    leerzeichen(text, i);
    const QStringView rest = QStringView(text).mid(i);
    struct { const char* zeichen; Op op; } static const ops[] = {
        {"<=", Op::KleinerGleich}, {">=", Op::GrösserGleich}, {"<>", Op::Ungleich},
        {"=", Op::Gleich}, {"<", Op::Kleiner}, {">", Op::Grösser}};
    bool opGefunden = false;
    for (const auto& o : ops) {
        if (rest.startsWith(QLatin1String(o.zeichen))) {
            k.m_op = o.op;
            i += static_cast<qsizetype>(qstrlen(o.zeichen));
            opGefunden = true;
            break;
        }
    }
    if (!opGefunden && rest.startsWith(QLatin1String("like"), Qt::CaseInsensitive)
        && (rest.size() == 4 || rest.at(4).isSpace() || rest.at(4) == QLatin1Char('\''))) {
        k.m_op = Op::Like;
        i += 4;
        opGefunden = true;
    }
    if (!opGefunden) {
        fehler(fehlerText, QStringLiteral("Ungültiger Vergleichsoperator im Suchkriterium."));
        return std::nullopt;
    }

    leerzeichen(text, i);
    if (i < text.size() && text.at(i) == QLatin1Char('\'')) {
        ++i;
        bool zu = false;
        while (i < text.size()) {
            if (text.at(i) == QLatin1Char('\'')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\'')) {
                    k.m_wertText += QLatin1Char('\'');
                    i += 2;
                    continue;
                }
                ++i;
                zu = true;
                break;
            }
            k.m_wertText += text.at(i++);
        }
        leerzeichen(text, i);
        if (!zu || i < text.size()) {
            fehler(fehlerText, QStringLiteral("Ungültiger Wert im Suchkriterium."));
            return std::nullopt;
        }
        k.m_text = true;
        k.m_hatZahl = leseZahl(k.m_wertText, k.m_zahl);
        k.m_hatDatum = leseDatum(k.m_wertText, k.m_datum);
    } else {
        QString wert = text.mid(i).trimmed();
        if (k.m_op == Op::Like) {
            fehler(fehlerText, QStringLiteral("LIKE verlangt einen Text in Hochkommas."));
            return std::nullopt;
        }
        if (wert.size() >= 2 && wert.startsWith(QLatin1Char('#')) && wert.endsWith(QLatin1Char('#'))) {
            k.m_hatDatum = leseDatum(wert.mid(1, wert.size() - 2), k.m_datum);
            if (!k.m_hatDatum) {
                fehler(fehlerText, QStringLiteral("Ungültiges Datum im Suchkriterium."));
                return std::nullopt;
            }
            k.m_hatZahl = true;
            k.m_zahl = k.m_datum;
        } else if (wert.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            k.m_hatZahl = true;
            k.m_zahl = -1.0;
        } else if (wert.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            k.m_hatZahl = true;
            k.m_zahl = 0.0;
        } else {
            bool ok = false;
            k.m_zahl = wert.toDouble(&ok);
            if (!ok || !std::isfinite(k.m_zahl)) {
                fehler(fehlerText, QStringLiteral("Ungültiger Wert im Suchkriterium."));
                return std::nullopt;
            }
            k.m_hatZahl = true;
            k.m_hatDatum = true;
            k.m_datum = k.m_zahl;
        }
    }

    if (k.m_op == Op::Like) {
        QString muster;
        for (const QChar c : k.m_wertText) {
            if (c == QLatin1Char('*') || c == QLatin1Char('%'))
                muster += QStringLiteral(".*");
            else if (c == QLatin1Char('?') || c == QLatin1Char('_'))
                muster += QLatin1Char('.');
            else
                muster += QRegularExpression::escape(QString(c));
        }
        k.m_muster = QRegularExpression(QRegularExpression::anchoredPattern(muster),
                                        QRegularExpression::CaseInsensitiveOption
                                            | QRegularExpression::DotMatchesEverythingOption);
    } else if (k.m_art.istZahl() && !k.m_hatZahl) {
        fehler(fehlerText, QStringLiteral("Typen unverträglich im Suchkriterium."));
        return std::nullopt;
    } else if (k.m_art.typ == Spaltentyp::Datum && !k.m_hatDatum) {
        fehler(fehlerText, QStringLiteral("Typen unverträglich im Suchkriterium."));
        return std::nullopt;
    }
    return k;
}

bool Suchkriterium::Passt(const VbVariant& w) const
{
    if (w.isNull() || w.isEmpty())
        return false;
    if (m_op == Op::Like)
        return m_muster.match(w.toString()).hasMatch();
    const bool datum = m_art.typ == Spaltentyp::Datum || w.isDate();
    if (datum) {
        if (!m_hatDatum)
            return false;
        return vergleiche(m_op, w.oleDatum(), m_datum);
    }
    const bool zahl = m_art.istZahl() || w.isZahlTyp();
    if (zahl) {
        if (!m_hatZahl)
            return false;
        if (m_art.typ == Spaltentyp::Single || w.typ() == VbVariant::Typ::Single)
            return vergleiche(m_op, static_cast<float>(w.toDouble()), static_cast<float>(m_zahl));
        return vergleiche(m_op, w.toDouble(), m_zahl);
    }
    // A text field.
    if (m_text)
        return vergleicheText(m_op, w.toString(), m_wertText);
    double d = 0.0;
    if (!leseZahl(w.toString(), d))
        return false;
    return vergleiche(m_op, d, m_zahl);
}
