#include "design/solar/forms/Form600b.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form600a.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/BoundWidgets.h"

namespace {

constexpr double längeMax = 10000;  // m

}  // namespace

Form600b::Form600b(QWidget* parent) : Inhaltsdialog(1130, parent)
{
    setObjectName(QStringLiteral("Form600b"));
    const int o = zustand().Sprachoffset;
    m_daten = zustand().g_solardat;

    Beschriftung(QStringLiteral("Label4"), -1, LadeText(o + 1131), 1500, 150, 1750, 450)->setWordWrap(true);
    Beschriftung(QStringLiteral("Label5"), -1, ErsetzeZeilenumbruch(LadeText(o + 1132)).remove(QLatin1Char('\r')),
                 3300, 150, 2600, 450);
    for (int i = 0; i < 7; ++i) {
        const int y = 700 + i * 380;
        Beschriftung(QStringLiteral("Label1"), i, LadeText(o + 1133 + i), 240, y + 15, 1250);
        Text1[i] = Eingabe(QStringLiteral("Text1"), i, 1500, y, 700);
        Beschriftung(QStringLiteral("Label2"), 2 * i, LadeText(o + 84), 2250, y + 15, 300);
        Text2[i] = Eingabe(QStringLiteral("Text2"), i, 3300, y, 700);
        Beschriftung(QStringLiteral("Label2"), 2 * i + 1, LadeText(o + 84), 4050, y + 15, 300);
        Text1[i]->setMaxLength(4);
        Text2[i]->setMaxLength(4);
    }
    const int ySumme = 700 + 7 * 380 + 120;
    Beschriftung(QStringLiteral("Label3"), -1, LadeText(o + 1140), 240, ySumme + 15, 1250);
    auto summenbox = [this](const char* name, int links, int y) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QString::fromUtf8(name));
        b->setGeometry(Twips::zuPixel(links), Twips::zuPixel(y), Twips::zuPixel(700), Twips::zuPixel(315));
        b->setAlignment(Qt::AlignRight);
        b->setMaxLength(6);
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    SummeRohrleitung = summenbox("SummeRohrleitung", 1500, ySumme);
    SummeRohrleitungUeberKollektor = summenbox("SummeRohrleitungUeberKollektor", 3300, ySumme);
    Beschriftung(QStringLiteral("Label2"), 14, LadeText(o + 81), 2250, ySumme + 15, 500);
    Beschriftung(QStringLiteral("Label2"), 15, LadeText(o + 81), 4050, ySumme + 15, 500);
    WeiterCommand = Bildknopf(QStringLiteral("WeiterCommand"), 5150, ySumme + 500);
    WeiterCommand->setToolTip(LadeText(o + 72));
    connect(WeiterCommand, &QToolButton::clicked, this, &Inhaltsdialog::Weiter);
    for (int i = 0; i < 7; ++i) {
        setTabOrder(Text1[i], Text2[i]);
        setTabOrder(Text2[i], i < 6 ? static_cast<QWidget*>(Text1[i + 1]) : WeiterCommand);
    }

    if (m_daten) {
        GlobDatenSolar& d = *m_daten;
        m_gesamt = {&d.m_LaengeGes_12x1, &d.m_LaengeGes_15x1, &d.m_LaengeGes_18x1, &d.m_LaengeGes_22x1,
                    &d.m_LaengeGes_28x1, &d.m_LaengeGes_32x1, &d.m_LaengeGes_42x1};
        m_überKol = {&d.m_LaengeUebKol_12x1, &d.m_LaengeUebKol_15x1, &d.m_LaengeUebKol_18x1, &d.m_LaengeUebKol_22x1,
                     &d.m_LaengeUebKol_28x1, &d.m_LaengeUebKol_32x1, &d.m_LaengeUebKol_42x1};
        for (int i = 0; i < 7; ++i) {
            m_gesamt[i]->BindTextBox(Steuerelement(Text1[i]), QStringLiteral("#0"), 0, längeMax);
            m_überKol[i]->BindTextBox(Steuerelement(Text2[i]), QStringLiteral("#0"), 0, längeMax);
        }
        d.m_VolRohreUeberKol.BindTextBox(Steuerelement(SummeRohrleitungUeberKollektor), QStringLiteral("#0.0"),
                                         VbVariant::null(), VbVariant::null());
        // The stored contents as they are, not recomputed.
        SummeRohrleitung->setText(d.m_VolRohre.Text());
        for (int i = 0; i < 7; ++i) {
            m_gesamt[i]->GlobDatenInTextBox();
            m_überKol[i]->GlobDatenInTextBox();
        }
        d.m_VolRohreUeberKol.GlobDatenInTextBox();
    }
    Einrichten(6000, ySumme + 1100);
    Text1[0]->setFocus();
}

Form600b::~Form600b()
{
    entladenEinmal();
}

bool Form600b::Prüfen(QLineEdit* box)
{
    for (int i = 0; i < 7; ++i) {
        if (box == Text1[i])
            return Text1_Validate(i);
        if (box == Text2[i])
            return Text2_Validate(i);
    }
    return false;
}

bool Form600b::überTotal(int Index) const
{
    bool okGesamt = false, okÜber = false;
    const double gesamt = Zahlen::TextZuZahl(Text1[Index]->text(), &okGesamt);
    const double über = Zahlen::TextZuZahl(Text2[Index]->text(), &okÜber);
    return okGesamt && okÜber && Zahlen::CLng(über) > Zahlen::CLng(gesamt);
}

bool Form600b::Text1_Validate(int Index)
{
    if (!m_daten || Index < 0 || Index > 6)
        return false;
    if (überTotal(Index))
        Text2_Validate(Index);
    const bool Cancel = m_gesamt[Index]->TextBoxInGlobDaten();
    m_daten->m_VolRohre.m_Value = m_daten->Sum_Vol_Rohrleitung();
    zeigeSummen();
    return Cancel;
}

bool Form600b::Text2_Validate(int Index)
{
    if (!m_daten || Index < 0 || Index > 6)
        return false;
    if (überTotal(Index))
        Text2[Index]->setText(Text1[Index]->text());
    const bool Cancel = m_überKol[Index]->TextBoxInGlobDaten();
    m_daten->m_VolRohreUeberKol.m_Value = m_daten->Sum_Vol_RohrleitungUeberKollektor();
    zeigeSummen();
    return Cancel;
}

void Form600b::zeigeSummen()
{
    m_daten->m_VolRohre.GlobDatenInTextBox();
    SummeRohrleitung->setText(m_daten->m_VolRohre.Text());
    m_daten->m_VolRohreUeberKol.GlobDatenInTextBox();
}

void Form600b::Entladen()
{
    if (!m_daten)
        return;
    if (Form600* seite = Form600::fenster600())
        if (auto* inhalt = qobject_cast<Form600a*>(seite->modaleForm.data()))
            inhalt->Rohrleitungsinhalt->setEnabled(!(m_daten->Sum_Vol_Rohrleitung() > 0));
    for (int i = 0; i < 7; ++i) {
        m_gesamt[i]->UnBindTextBox();
        m_überKol[i]->UnBindTextBox();
    }
    m_daten->m_VolRohreUeberKol.UnBindTextBox();
    m_daten.reset();
}
