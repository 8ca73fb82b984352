#include "design/water_pressure/forms/Form300.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

namespace {

// The highest set pressure the page takes, bar.
constexpr double hoechsterAnsprechdruck = 10.0;
// A result is accepted up to this pressure factor (a Single).
constexpr float groessterDruckfaktor = 0.6f;

struct Eingabe {
    conTextBoxAdodb GlobDatenTrinkw::*member;
    int caption, einheit;
    const char* format;
    double min, max;
    int länge;
};
const Eingabe eingaben[4] = {
    {&GlobDatenTrinkw::m_VolAnlage, 861, 81, "####0", 50, 10000, 5},
    {&GlobDatenTrinkw::m_Temp_Betr, 862, 82, "#0", 30, 80, 3},
    {&GlobDatenTrinkw::m_p_anf, 863, 85, "#0.0", 0.0, 8.0, 4},
    {&GlobDatenTrinkw::m_p_SV, 864, 85, "#0.0", 0, 10.0, 4},
};

struct Ergebnis {
    conTextBoxAdodb GlobDatenTrinkw::*member;
    int wert, caption, text, einheit, einheitText;  // einheit 0: none
    const char* format;
};
const Ergebnis ergebnisse[6] = {
    {&GlobDatenTrinkw::m_r_af, 1, 8, 866, 16, 83, "##0.00"},
    {&GlobDatenTrinkw::m_r_p_vor, 2, 9, 867, 17, 85, "##0.0"},
    {&GlobDatenTrinkw::m_r_pend, 3, 10, 868, 18, 85, "##0.0"},
    {&GlobDatenTrinkw::m_r_vaus, 5, 12, 869, 20, 81, "####0"},
    {&GlobDatenTrinkw::m_r_pfak, 6, 13, 870, 0, 0, "##0.00"},
    {&GlobDatenTrinkw::m_r_vges, 7, 14, 871, 22, 81, "####0"},
};

}  // namespace

Form300::Form300(QWidget* parent) : WasserEingabeseite(parent)
{
    setObjectName(QStringLiteral("Form300"));
    for (int i = 0; i < 4; ++i)
        Eingabezeile(i, eingaben[i].länge);
    for (int i = 0; i < 6; ++i) {
        const Ergebnis& e = ergebnisse[i];
        Ergebniszeile(i, e.caption, e.wert, e.einheit ? "Label3" : nullptr, e.einheit);
    }
}

Form300::~Form300() = default;

void Form300::FormLoad()
{
    LadeGrundelemente();
    Überschriften(11, 10);
    Label1(11)->setText(Text(860));
    Label1(10)->setText(QString());
    Label3(23)->setText(Text(865));
    for (int i = 0; i < 4; ++i) {
        Label3(i)->setText(Text(eingaben[i].caption));
        Label4(i)->setText(Text(eingaben[i].einheit));
    }
    for (const Ergebnis& e : ergebnisse) {
        Label3(e.caption)->setText(Text(e.text));
        if (e.einheit)
            Label3(e.einheit)->setText(Text(e.einheitText));
    }

    m_daten = HalteDatenobjekt(zustand().g_trinkdat);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    GlobDatenTrinkw& d = *m_daten;
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
    EingabenFreigeben(!d.m_IstBerechnet.m_Value.toBool());

    // The valves for the stored content: a set pressure that had to go up needs a new calculation.
    d.AufbauAktuelleDruckstufungSiVentil();
    const double alt = d.m_p_SV.m_Value;
    bool Cancel = false;
    SicherheitsventilAnpassen(Cancel);
    if (d.m_p_SV.m_Value > alt)
        d.m_IstBerechnet.m_Value = false;

    Command3->setText(Text(d.m_IstBerechnet.m_Value.toBool() ? 873 : 872));
    m_letzterIndex = 99;
    MoveFocusEinrichten(true);
    mdi().SetzeStatusPanelText(1, Text(2131));
}

void Form300::FormActivate()
{
    if (!m_daten)
        return;
    mdi().Kommando(1, 1, m_daten->m_IstBerechnet.m_Value.toBool() ? 1 : 0);
    Anfangsfokus();
}

void Form300::FormUnload()
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

void Form300::Text1_GotFocus(int)
{
    // A box entered anew is checked again when it is left.
    m_letzterIndex = 99;
}

void Form300::Text1_Validate(int Index, bool& Cancel)
{
    if (!m_daten || Index < 0 || Index > 3)
        return;
    m_letzterIndex = Index;
    GlobDatenTrinkw& d = *m_daten;
    const Eingabe& e = eingaben[Index];
    Cancel = Übernehmen(d.*e.member, *Text1[static_cast<size_t>(Index)]);
    switch (Index) {
    case 0:
        // The valves offered depend on the content.
        d.AufbauAktuelleDruckstufungSiVentil();
        SicherheitsventilAnpassen(Cancel);
        break;
    case 2:
    case 3:
        SicherheitsventilAnpassen(Cancel);
        break;
    default:
        break;
    }
}

void Form300::Text1_LostFocus(int Index)
{
    if (Index != m_letzterIndex) {
        bool c = false;
        Text1_Validate(Index, c);
    }
}

void Form300::SicherheitsventilAnpassen(bool& Cancel)
{
    if (Cancel)
        return;
    GlobDatenTrinkw& d = *m_daten;
    d.BerechneDruckSicherheitsventil(true);
    d.m_p_SV.GlobDatenInTextBox();
    // Above the box's range: held at the top, the box is checked on its next validation.
    if (Zahlen::RundenGerade(d.m_p_SV.m_Value, 1) > hoechsterAnsprechdruck) {
        d.m_p_SV.m_Value = hoechsterAnsprechdruck;
        Cancel = true;
    }
}

void Form300::ErgebnisseZeigen()
{
    for (const Ergebnis& e : ergebnisse)
        (m_daten->*e.member).GlobDatenInLabel();
}

void Form300::Command3_Click()
{
    if (!m_daten)
        return;
    GlobDatenTrinkw& d = *m_daten;
    Programmzustand& z = zustand();
    if (d.m_IstBerechnet.m_Value.toBool()) {
        // Change: the inputs open, the design is to be done again; the results stay shown.
        d.m_IstBerechnet.m_Value = false;
        Command3->setText(Text(872));
        EingabenFreigeben(true);
        d.m_IstAusgelegt.m_Value = false;
        mdi().Kommando(1, 1, 0);
        return;
    }
    if (d.Rechnen_Trinkwasser())
        z.NeuAuslegungErforderlich = true;
    ErgebnisseZeigen();
    d.m_p_SV.GlobDatenInTextBox();
    auto abgewiesen = [&] {
        d.m_IstBerechnet.m_Value = false;
        Command3->setText(Text(872));
        EingabenFreigeben(true);
        d.m_IstAusgelegt.m_Value = false;
        mdi().Kommando(1, 1, 0);
    };
    // An initial pressure that reaches the end pressure (both compared as the Singles they are
    // computed as), or comes so close to it that the factor cut to two decimals is 0, leaves the
    // vessel no water to take: the smallest factor would make it a thousand times too large.
    const float anfangsdruck = Zahlen::CSng(d.m_p_anf.m_Value);
    const float enddruck = Zahlen::CSng(d.Enddruck());
    if (anfangsdruck >= enddruck || d.m_r_pfak.m_Value < 0.01) {
        abgewiesen();
        Meldung(Meldungsart::Anwendungsfehler, Text(2308), VbVariant::single(anfangsdruck), VbVariant::single(enddruck));
    } else if (Zahlen::RundenGerade(d.m_r_pfak.m_Value, 2) <= static_cast<double>(groessterDruckfaktor)) {
        d.m_IstBerechnet.m_Value = true;
        Command3->setText(Text(873));
        EingabenFreigeben(false);
        mdi().Kommando(1, 1, 1);
    } else {
        abgewiesen();
        Meldung(Meldungsart::Anwendungsfehler, Text(2304), VbVariant(groessterDruckfaktor));
    }
}
