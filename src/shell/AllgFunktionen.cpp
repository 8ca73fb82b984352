#include "shell/AllgFunktionen.h"

#include "shell/MessagePresenter.h"
#include "shell/Programmzustand.h"
#include "shell/Texttabelle.h"

#include <cmath>

QString LadeText(int id)
{
    const QString* t = Texttabelle::instanz().suche(id);
    if (t)
        return *t;
    if (id >= 5000) {
        const QString* deutsch = Texttabelle::instanz().suche(id - 5000 * (id / 5000));
        return deutsch ? *deutsch : QStringLiteral(" ");
    }
    const QString* fehlt = Texttabelle::instanz().suche(zustand().Sprachoffset + 1);
    MsgBox(FormatText(fehlt ? *fehlt : QStringLiteral("%s"), {VbVariant(id)}), MsgStil::Ausrufezeichen,
           QStringLiteral("Error"));
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
    if (z.AktFormFunktionen)
        z.AktFormFunktionen->FormSichtbar();
    if (!z.ErrorCancel) {
        static const int stile[] = {64, 48, 48, 48, 17, 16};
        MeldungsBox box;
        box.art = art;
        box.vorlage = text;
        box.stil = (art >= 1 && art <= 6) ? stile[art - 1] : 0;
        for (const VbVariant& v : werte)
            box.werte << v.toString();
        QString aus;
        int naechster = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('s')) {
                if (naechster < box.werte.size())
                    aus += box.werte.at(naechster);
                ++naechster;
                ++i;
            } else {
                aus += text.at(i);
            }
        }
        box.text = ErsetzeZeilenumbruch(aus);
        box.titel = GetMeldungsTitel(art);
        if (messagePresenter().zeige(box) == MsgAntwort::Abbrechen)
            z.ErrorCancel = true;
    }
    z.Meldungsflag = true;
}

double AufrundenStellen(double w, int stellen)
{
    const int s = stellen < 0 ? 0 : (stellen > 8 ? 8 : stellen);
    const double f = std::pow(10.0, s);
    const double g = Zahlen::RundenGerade(w, s + 1);
    const double x = g * f;
    int32_t n = Zahlen::CLng(x);
    if (x > n)
        n = n + 1;
    return n / f;
}

QString ErsetzeZeilenumbruch(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return t;
}

QString FormatText(const QString& vorlage, const QList<VbVariant>& werte)
{
    QString aus = vorlage;
    for (const VbVariant& v : werte) {
        const auto i = aus.indexOf(QLatin1String("%s"));
        if (i < 0)
            break;
        aus.replace(i, 2, v.toString());
    }
    return aus;
}
