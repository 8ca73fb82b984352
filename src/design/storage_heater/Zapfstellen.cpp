#include "design/storage_heater/Zapfstellen.h"

#include <QLocale>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "design/storage_heater/Wohnungsgruppen.h"

namespace Zapfstellen {

const std::array<Art, 14> Arten = {{
    {"NB1", 991, 1005, true},  {"NB2", 992, 1006, true},  {"KB", 993, 1007, true},   {"GB", 994, 1008, true},
    {"BRS", 995, 1010, false}, {"BRN", 996, 1011, false}, {"BRL", 997, 1012, false}, {"BRK", 998, 1013, false},
    {"BR", 999, 1014, false},  {"WT", 1000, 1015, false}, {"DT", 1001, 1016, false}, {"HT", 1002, 1017, false},
    {"BD", 1003, 1018, false}, {"SP", 1004, 1019, false},
}};

namespace {
constexpr int NB1 = 0, BRN = 5, WT = 9, SP = 13;

QString spalte(int index)
{
    return QString::fromLatin1(Arten.at(index).spalte);
}

// A number in the user's format, as the runtime writes it.
QString zahltext(double w)
{
    return QLocale().toString(w, 'g', 7);
}
}  // namespace

int Titeltext(Dialog d)
{
    switch (d) {
    case Dialog::Normal: return 980;
    case Dialog::Komfort: return 985;
    case Dialog::Individuell: return 990;
    }
    return 980;
}

QList<int> Felder(Dialog d)
{
    switch (d) {
    case Dialog::Normal: return {NB1, WT, SP};
    case Dialog::Komfort: return {NB1, BRN, WT, SP};
    case Dialog::Individuell: break;
    }
    QList<int> alle;
    for (int i = 0; i < static_cast<int>(Arten.size()); ++i)
        alle << i;
    return alle;
}

bool Gesperrt(Dialog d, int index)
{
    switch (d) {
    case Dialog::Normal: return true;
    case Dialog::Komfort: return index == WT || index == SP;
    case Dialog::Individuell: return false;
    }
    return false;
}

int Langtext(Dialog d, int index)
{
    return d == Dialog::Komfort && index == BRN ? 986 : Arten.at(index).langtext;
}

void BeimÖffnen(Dialog d, Zeilenzugriff& zeile)
{
    if (d == Dialog::Individuell)
        return;
    // The fixed counts first, then every count the kind does not use set to 0.
    QList<int> eins = {WT, SP};
    if (d == Dialog::Normal)
        eins.prepend(NB1);
    for (int i : eins)
        zeile.SetFeldAdodc(spalte(i), VbVariant::integer(1));
    for (int i = 0; i < static_cast<int>(Arten.size()); ++i) {
        if (i == NB1 || i == WT || i == SP || (d == Dialog::Komfort && i == BRN))
            continue;
        zeile.SetFeldAdodc(spalte(i), VbVariant::integer(0));
    }
}

QString Anzeige(Dialog d, int index, Zeilenzugriff& zeile)
{
    if (d == Dialog::Normal || (d == Dialog::Komfort && (index == WT || index == SP)))
        return QStringLiteral("1");
    const VbVariant w = zeile.GetFeldAdodc(spalte(index));
    if (Arten.at(index).wanne)
        return zahltext(Zahlen::RundenGerade(w.toDouble(), 1));
    return w.isEmpty() ? QString() : zahltext(w.toDouble());
}

bool GültigeAnzahl(const QString& text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

bool GültigeWanne(const QString& text)
{
    const QLocale l;
    bool ok = false;
    const float v = l.toFloat(text, &ok);
    if (!ok || v < 0.0f || v >= 10.0f)
        return false;
    const float teil = v - static_cast<float>(static_cast<int>(v));
    if ((teil != 0.0f && teil != 0.5f) || v == 0.5f)
        return false;
    const QString komma = l.decimalPoint();
    for (const QChar c : text)
        if (!c.isDigit() && QString(c) != komma)
            return false;
    return true;
}

bool Text1_Validate(Dialog d, int index, const QString& text, Zeilenzugriff& zeile)
{
    const bool wanne = Arten.at(index).wanne;
    if (!(wanne ? GültigeWanne(text) : GültigeAnzahl(text))) {
        const QString liste =
            wanne ? QStringLiteral("( 0 / 1 / ") + zahltext(1.5) + QStringLiteral(" / 2 / ") + zahltext(2.5)
                        + QStringLiteral(" /  . . .  / ") + zahltext(9.5) + QStringLiteral(" )")
                  : QStringLiteral("( 0 / 1 / 2 / 3 / . . .  / 9 )");
        Meldung(Meldungsart::Eingabefehler, LadeText(zustand().Sprachoffset + 2262), {VbVariant(liste)});
        return true;
    }
    if (Gesperrt(d, index))
        return false;
    if (wanne)
        zeile.SetFeldAdodc(spalte(index), VbVariant(QLocale().toFloat(text)));
    else
        zeile.SetFeldAdodc(spalte(index), VbVariant::integer(static_cast<int16_t>(text.toInt())));
    return false;
}

}  // namespace Zapfstellen
