#include "design/water_pressure/forms/Form400.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "design/water_pressure/GlobDatenDruck.h"

namespace {

// The switch-off pressure lies at least this far above the switch-on pressure, bar.
constexpr double schaltdifferenz = 0.5;
// A result is accepted up to this pressure factor (a Single).
constexpr float groessterDruckfaktor = 0.6f;

enum Box { Volumenstrom = 0, Häufigkeit = 1, Einschalt = 2, Ausschalt = 3 };

struct Eingabe {
    conTextBoxAdodb GlobDatenDruck::*member;
    int caption, einheit;
    const char* format;
    double min, max;
    int länge;
};
const Eingabe eingaben[4] = {
    {&GlobDatenDruck::m_MaxVolStrom, 917, 88, "##0.0", 0.1, 300, 5},
    {&GlobDatenDruck::m_Schalthäufigkeit, 918, 89, "#0", 1, 20, 2},
    {&GlobDatenDruck::m_p_Einschalt, 919, 85, "#0.0", 1.0, 15.0, 4},
    {&GlobDatenDruck::m_p_SV, 920, 85, "#0.0", 1.5, 16.0, 4},
};

struct Ergebnis {
    conTextBoxAdodb GlobDatenDruck::*member;
    int wert, caption, text, einheit;  // einheit: index of Label4, 0 none
    const char* format;
};
const Ergebnis ergebnisse[4] = {
    {&GlobDatenDruck::m_r_VolNutz, 1, 4, 922, 4, "###0"},
    {&GlobDatenDruck::m_r_pfak, 2, 5, 923, 0, "##0.00"},
    {&GlobDatenDruck::m_r_vges, 3, 6, 924, 6, "####0"},
    {&GlobDatenDruck::m_r_p_vor, 4, 7, 925, 7, "##0.0"},
};
const int einheitTexte[8] = {0, 0, 0, 0, 81, 0, 81, 85};

}  // namespace

Form400::Form400(QWidget* parent) : WasserEingabeseite(parent)
{
    setObjectName(QStringLiteral("Form400"));
    for (int i = 0; i < 4; ++i)
        Eingabezeile(i, eingaben[i].länge);
    for (int i = 0; i < 4; ++i) {
        const Ergebnis& e = ergebnisse[i];
        Ergebniszeile(i, e.caption, e.wert, e.einheit ? "Label4" : nullptr, e.einheit);
    }
}

Form400::~Form400() = default;

void Form400::FormLoad()
{
    LadeGrundelemente();
    Überschriften(10, 11);
    Label1(10)->setText(Text(915));
    Label1(11)->setText(Text(916));
    Label3(23)->setText(Text(921));
    for (int i = 0; i < 4; ++i) {
        Label3(i)->setText(Text(eingaben[i].caption));
        Label4(i)->setText(Text(eingaben[i].einheit));
    }
    for (const Ergebnis& e : ergebnisse) {
        Label3(e.caption)->setText(Text(e.text));
        if (e.einheit)
            Label4(e.einheit)->setText(Text(einheitTexte[e.einheit]));
    }

    m_daten = HalteDatenobjekt(zustand().g_druckdat);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    GlobDatenDruck& d = *m_daten;
    for (int i = 0; i < 4; ++i) {
        const Eingabe& e = eingaben[i];
        conTextBoxAdodb& m = d.*e.member;
        m.BindTextBox(Steuerelement(Text1[static_cast<size_t>(i)]), QString::fromLatin1(e.format), VbVariant(e.min),
                      VbVariant(e.max));
        m.GlobDatenInTextBox();
    }
    for (const Ergebnis& e : ergebnisse) {
        conTextBoxAdodb& m = d.*e.member;
        m.BindTextBox(Steuerelement(Label5(e.wert)), QString::fromLatin1(e.format), VbVariant::null(), VbVariant::null());
        m.GlobDatenInLabel();
    }
    const bool berechnet = d.m_IstBerechnet.m_Value.toBool();
    EingabenFreigeben(!berechnet);
    Command3->setText(Text(berechnet ? 927 : 926));
    MoveFocusEinrichten(true);
    mdi().SetzeStatusPanelText(1, Text(2132));
}

void Form400::FormActivate()
{
    if (!m_daten)
        return;
    mdi().Kommando(1, 1, m_daten->m_IstBerechnet.m_Value.toBool() ? 1 : 0);
    Anfangsfokus();
}

void Form400::FormUnload()
{
    if (m_daten) {
        for (const Eingabe& e : eingaben)
            (m_daten->*e.member).UnBindTextBox();
        for (const Ergebnis& e : ergebnisse)
            (m_daten->*e.member).UnBindTextBox();
    }
    m_daten = nullptr;
    mdi().SetzeStatusPanelText(1, QString());
}

void Form400::Text1_GotFocus(int Index)
{
    if (Index == Häufigkeit)
        mdi().SetzeInfoLabel(FormatText(Text(2142)));
}

void Form400::Text1_Validate(int Index, bool& Cancel)
{
    if (!m_daten || Index < 0 || Index > 3)
        return;
    GlobDatenDruck& d = *m_daten;
    const Eingabe& e = eingaben[Index];
    Cancel = Übernehmen(d.*e.member, *Text1[static_cast<size_t>(Index)]);
    if (Cancel)
        return;
    // The switch-off pressure stays at least 0.5 bar above the switch-on pressure: the other
    // box follows, without a message.
    if (d.m_p_Einschalt.m_Value + schaltdifferenz > d.m_p_SV.m_Value) {
        if (Index == Einschalt) {
            d.m_p_SV.m_Value = d.m_p_Einschalt.m_Value + schaltdifferenz;
            d.m_p_SV.GlobDatenInTextBox();
        } else if (Index == Ausschalt) {
            d.m_p_Einschalt.m_Value = d.m_p_SV.m_Value - schaltdifferenz;
            d.m_p_Einschalt.GlobDatenInTextBox();
        }
    }
}

void Form400::Text1_LostFocus(int Index)
{
    bool c = false;
    Text1_Validate(Index, c);
    if (Index == Häufigkeit)
        mdi().SetzeInfoLabel(QString());
}

bool Form400::EingabenPrüfen()
{
    GlobDatenDruck& d = *m_daten;
    const Programmzustand& z = zustand();
    QLineEdit* box = nullptr;
    switch (d.PrüfeEingaben()) {
    case GlobDatenDruck::Eingabefehler::Keiner:
        return true;
    case GlobDatenDruck::Eingabefehler::Schalthäufigkeit: {
        const Eingabe& e = eingaben[Häufigkeit];
        d.m_Schalthäufigkeit.m_Value = std::clamp(d.m_Schalthäufigkeit.m_Value, e.min, e.max);
        d.m_Schalthäufigkeit.GlobDatenInTextBox();
        box = Text1[Häufigkeit];
        Meldung(Meldungsart::Eingabefehler, LadeText(2255 + z.Sprachoffset), VbVariant(e.min), VbVariant(e.max));
        break;
    }
    case GlobDatenDruck::Eingabefehler::Ausschaltdruck: {
        const double unten = std::max(d.m_p_Einschalt.m_Value + schaltdifferenz, eingaben[Ausschalt].min);
        d.m_p_SV.m_Value = unten;
        d.m_p_SV.GlobDatenInTextBox();
        box = Text1[Ausschalt];
        Meldung(Meldungsart::Eingabefehler, LadeText(2254 + z.Sprachoffset), VbVariant(unten));
        break;
    }
    }
    if (box && box->isEnabled())
        box->setFocus(Qt::OtherFocusReason);
    return false;
}

void Form400::Command3_Click()
{
    if (!m_daten)
        return;
    GlobDatenDruck& d = *m_daten;
    Programmzustand& z = zustand();
    if (d.m_IstBerechnet.m_Value.toBool()) {
        d.m_IstBerechnet.m_Value = false;
        Command3->setText(Text(926));
        EingabenFreigeben(true);
        d.m_IstAusgelegt.m_Value = false;
        mdi().Kommando(1, 1, 0);
        return;
    }
    if (!EingabenPrüfen())
        return;
    if (d.Rechnen_Druckerhöhung())
        z.NeuAuslegungErforderlich = true;
    for (const Ergebnis& e : ergebnisse)
        (d.*e.member).GlobDatenInLabel();
    if (Zahlen::RundenGerade(d.m_r_pfak.m_Value, 2) <= static_cast<double>(groessterDruckfaktor)) {
        d.m_IstBerechnet.m_Value = true;
        Command3->setText(Text(927));
        EingabenFreigeben(false);
        mdi().Kommando(1, 1, 1);
    } else {
        d.m_IstBerechnet.m_Value = false;
        Command3->setText(Text(926));
        EingabenFreigeben(true);
        d.m_IstAusgelegt.m_Value = false;
        mdi().Kommando(1, 1, 0);
        Meldung(Meldungsart::Anwendungsfehler, Text(2304), VbVariant(groessterDruckfaktor));
    }
}
