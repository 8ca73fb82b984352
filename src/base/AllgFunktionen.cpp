#include "base/AllgFunktionen.h"

#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/Texttabelle.h"

#include <QCursor>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {
const QLatin1String crlf("\r\n");

// The ids of the last texts loaded: a message names the ids its text came from.
QList<int>& zuletztGeladen()
{
    static QList<int> ids;
    return ids;
}

void merkeGeladen(int id)
{
    QList<int>& ids = zuletztGeladen();
    ids.removeAll(id);
    ids.prepend(id);
    if (ids.size() > 8)
        ids.removeLast();
}
}  // namespace

QString LadeText(int id)
{
    const Texttabelle& tabelle = Texttabelle::instanz();
    if (const QString* t = tabelle.suche(id)) {
        merkeGeladen(id);
        return *t;
    }
    if (id >= 5000)
        if (const QString* deutsch = tabelle.suche(id - 5000 * (id / 5000))) {
            merkeGeladen(id - 5000 * (id / 5000));
            return *deutsch;
        }
    const QString* fehlt = tabelle.suche(zustand().Sprachoffset + 1);
    MsgBox(FormatText(fehlt ? *fehlt : QStringLiteral("Der Text Nummer %s existiert nicht!"), id),
           MsgStil::OK | MsgStil::Ausrufezeichen, QStringLiteral("Error"));
    zustand().Meldungsflag = true;
    return QStringLiteral(" ");
}

QString GetMeldungsTitel(int art)
{
    const int o = zustand().Sprachoffset;
    return (art >= 1 && art <= 6) ? LadeText(o + 1600 + art - 1) : LadeText(o + 1606);
}

void Meldung(int art, const QString& text, const QList<VbVariant>& werte)
{
    Programmzustand& z = zustand();
    if (z.AktFormFunktionen) {
        try {
            z.AktFormFunktionen->FormSichtbar();
        } catch (...) {
            // A page that cannot be shown does not stop the message.
        }
    }
    if (!z.ErrorCancel) {
        static const int stile[] = {
            MsgStil::Information, MsgStil::Ausrufezeichen, MsgStil::Ausrufezeichen,
            MsgStil::Ausrufezeichen, MsgStil::Stop | MsgStil::OKAbbrechen, MsgStil::Stop};
        MeldungsBox box;
        box.art = art;
        box.vorlage = text;
        box.textIds = Texttabelle::instanz().zerlege(text, zuletztGeladen());
        box.stil = (art >= 1 && art <= 6) ? stile[art - 1] : MsgStil::OK;
        for (const VbVariant& v : werte)
            box.werte << v.toString();
        // Only "%s" is a placeholder; the values are never scanned again.
        QString aus;
        qsizetype naechster = 0;
        qsizetype p = 0;
        for (qsizetype i; (i = text.indexOf(QLatin1String("%s"), p)) >= 0; p = i + 2) {
            aus += QStringView(text).mid(p, i - p);
            if (naechster < box.werte.size())
                aus += box.werte.at(naechster);
            ++naechster;
        }
        aus += QStringView(text).mid(p);
        box.text = ErsetzeZeilenumbruch(aus);
        box.titel = GetMeldungsTitel(art);
        if (messagePresenter().zeige(box) == MsgAntwort::Abbrechen)
            z.ErrorCancel = true;
    }
    z.Meldungsflag = true;
}

QStringList GetKommandozeile(const QString& kommandozeile, int maxTeile)
{
    QStringList teile{QString()};
    qsizetype i = 0;
    bool innen = false;
    for (QChar c : kommandozeile) {
        if (c == QLatin1Char('"')) {
            if (!innen) {
                if (i >= maxTeile)
                    break;
                ++i;
                teile.append(QString());
            }
            innen = !innen;
        } else if (innen) {
            teile[i] += c;
        }
    }
    teile[0] = QString::number(i);
    return teile;
}

QString KommandozeileAusArgumenten(int argc, const char* const* argv)
{
    QStringList teile;
    for (int k = 1; k < argc; ++k) {
        QString argument = QString::fromLocal8Bit(argv[k]);
        argument.remove(QLatin1Char('"'));
        teile << QLatin1Char('"') + argument + QLatin1Char('"');
    }
    return teile.join(QLatin1Char(' '));
}

double AufrundenStellen(double w, int stellen)
{
    const int s = std::clamp(stellen, 0, 8);
    const double f = std::pow(10.0, s);
    const double g = Zahlen::RundenGerade(w, s + 1);
    const double x = g * f;
    // The whole number is kept as a double, so a scaled value beyond 32 bits stays exact.
    double n = Zahlen::RundenGerade(x);
    if (x > n)
        n = n + 1;
    return n / f;
}

QString Auszug(const QString& text, int länge)
{
    return text.size() <= länge ? text : text.left(länge) + QStringLiteral("...");
}

QString ErsetzeZeilenumbruch(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\\n"), crlf);
    return t;
}

QString FormatText(const QString& vorlage, const QList<VbVariant>& werte)
{
    const auto zeichen = [&](qsizetype i) { return i < vorlage.size() ? vorlage.at(i) : QChar(); };
    const auto istFeld = [](QChar c) { return c == QLatin1Char('s') || c == QLatin1Char('v'); };
    const auto istZahl = [](const QString& t) {
        bool ok = false;
        Zahlen::TextZuZahl(t, &ok);
        return ok;
    };

    QString aus;
    qsizetype naechster = 0;
    qsizetype p = 0;
    for (;;) {
        const qsizetype prozent = vorlage.indexOf(QLatin1Char('%'), p);
        if (prozent < 0) {
            aus += QStringView(vorlage).mid(p);
            return aus;
        }
        aus += QStringView(vorlage).mid(p, prozent - p);
        // Field "%s", "%5s" or "%12s" (letter s or v); the width must read as a number.
        qsizetype breitenZeichen = -1;
        for (qsizetype k = 0; k <= 2 && breitenZeichen < 0; ++k)
            if (istFeld(zeichen(prozent + 1 + k)) && (k == 0 || istZahl(vorlage.mid(prozent + 1, k))))
                breitenZeichen = k;
        if (breitenZeichen < 0) {
            aus += QLatin1Char('%');
            p = prozent + 1;
            continue;
        }
        const int breite = breitenZeichen == 0
            ? 0 : std::max<int>(0, VbVariant(vorlage.mid(prozent + 1, breitenZeichen)).toInteger());
        const bool rechts = zeichen(prozent + 1 + breitenZeichen) == QLatin1Char('v');
        QString wert = naechster < werte.size() ? werte.at(naechster).toString() : QString();
        ++naechster;
        if (breite > 0) {
            if (wert.size() > breite)
                wert.truncate(breite);
            else
                wert = rechts ? wert.rightJustified(breite) : wert.leftJustified(breite);
        }
        aus += wert;
        p = prozent + 2 + breitenZeichen;
    }
}

QString FülleMaske(const QString& maske, const QString& werte)
{
    // Each value ends with "$"; text after the last "$" counts as one more, empty value.
    QStringList liste = werte.split(QLatin1Char('$'));
    if (liste.takeLast().isEmpty() == false)
        liste.append(QString());

    QString aus;
    qsizetype naechster = 0;
    for (qsizetype i = 0; i < maske.size();) {
        if (maske.at(i) != QLatin1Char('$')) {
            aus += maske.at(i++);
            continue;
        }
        qsizetype k = 0;
        while (i + k < maske.size() && maske.at(i + k) == QLatin1Char('$'))
            ++k;
        aus += naechster < liste.size() ? liste.at(naechster).rightJustified(k)
                                        : QString(k, QLatin1Char('.'));
        ++naechster;
        i += k;
    }
    return aus;
}

QString UmbrechenText(int laenge, const QString& text)
{
    if (laenge < 1)
        return text;
    const qsizetype n = text.size();
    QString aus;
    qsizetype p = 0;
    while (p < n) {
        if (n - p <= laenge) {
            aus += QStringView(text).mid(p);
            break;
        }
        // A line break of the text within the line ends it there.
        const qsizetype c = text.indexOf(crlf, p);
        if (c >= 0 && c - p < laenge) {
            aus += QStringView(text).mid(p, c - p);
            aus += crlf;
            p = c + 2;
            continue;
        }
        const qsizetype e = text.lastIndexOf(QLatin1Char(' '), p + laenge);
        if (e < p) {  // no blank: hard cut
            aus += QStringView(text).mid(p, laenge);
            aus += crlf;
            p += laenge;
        } else if (e == p) {  // blank at the start of a line
            p += 1;
        } else {
            aus += QStringView(text).mid(p, e - p);
            aus += crlf;
            p = e + 1;
        }
    }
    return aus;
}

QString NullZuText(const VbVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

VbVariant NullZuNull(const VbVariant& v)
{
    return v.isNull() ? VbVariant::integer(0) : v;
}

bool IstZulässigeTaste(int taste, bool dezimaltrennerErlaubt)
{
    if (taste >= '0' && taste <= '9')
        return true;
    switch (taste) {
    case 13: case 9: case 8: case 27:
        return true;
    case '.': case ',':
        return dezimaltrennerErlaubt;
    default:
        return false;
    }
}

void SetzeMauszeiger(QWindow* fenster, const QPointF& punkt)
{
    if (!fenster)
        return;
    const QPoint imFenster(Zahlen::CLng(punkt.x()), Zahlen::CLng(punkt.y()));
    QCursor::setPos(fenster->screen(), fenster->mapToGlobal(imFenster));
}

QString GrossOhneSZ(const QString& text)
{
    QString t = text;
    for (QChar& c : t)
        c = c.toUpper();
    return t;
}
