#include "design/solar/forms/Form600a.h"

#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form600b.h"
#include "design/solar/forms/Form600c.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/BoundWidgets.h"

namespace {

// Usual collector contents (l/m²) and the least usual heat-exchanger content (l).
const QString kollektorVon = QStringLiteral("0.5");
const QString kollektorBis = QStringLiteral("1.0");
constexpr double kollektorMin = 0.5, kollektorMax = 1.0;
constexpr double wärmetauscherMin = 6.0;

}  // namespace

Form600a::Form600a(QWidget* parent) : Inhaltsdialog(1120, parent)
{
    setObjectName(QStringLiteral("Form600a"));
    const int o = zustand().Sprachoffset;
    m_daten = zustand().g_solardat;

    const int texte[3] = {1121, 1122, 1123};
    const int einheiten[3] = {92, 81, 81};
    for (int i = 0; i < 3; ++i) {
        Beschriftung(QStringLiteral("Label1"), i, LadeText(o + texte[i]), 240, 300 + i * 500, 2900);
        Beschriftung(QStringLiteral("Label2"), i, LadeText(o + einheiten[i]), 4150, 300 + i * 500, 1000);
    }
    Kollektorinhalt = Eingabe(QStringLiteral("Kollektorinhalt"), -1, 3150, 270, 900);
    Rohrleitungsinhalt = Eingabe(QStringLiteral("Rohrleitungsinhalt"), -1, 3150, 770, 900);
    RohrleitungButton = Bildknopf(QStringLiteral("RohrleitungButton"), 5200, 740);
    InhaltSolarwärmetauscher = Eingabe(QStringLiteral("InhaltSolarwärmetauscher"), -1, 3150, 1270, 900);
    SolarWTButton = Bildknopf(QStringLiteral("SolarWTButton"), 5200, 1240);
    for (QToolButton* b : {RohrleitungButton, SolarWTButton})
        b->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    WeiterCommand = Bildknopf(QStringLiteral("WeiterCommand"), 5200, 1800);
    WeiterCommand->setToolTip(LadeText(o + 72));
    setTabOrder(Kollektorinhalt, Rohrleitungsinhalt);
    setTabOrder(Rohrleitungsinhalt, RohrleitungButton);
    setTabOrder(RohrleitungButton, InhaltSolarwärmetauscher);
    setTabOrder(InhaltSolarwärmetauscher, SolarWTButton);
    setTabOrder(SolarWTButton, WeiterCommand);
    connect(RohrleitungButton, &QToolButton::clicked, this, &Form600a::RohrleitungButton_Click);
    connect(SolarWTButton, &QToolButton::clicked, this, &Form600a::SolarWTButton_Click);
    connect(WeiterCommand, &QToolButton::clicked, this, &Inhaltsdialog::Weiter);

    if (m_daten) {
        GlobDatenSolar& d = *m_daten;
        d.m_spezVolKollektoren.BindTextBox(Steuerelement(Kollektorinhalt), QStringLiteral("#0.0"), 0.1, 1.5);
        d.m_VolRohre.BindTextBox(Steuerelement(Rohrleitungsinhalt), QStringLiteral("#0"), 0, 40000);
        d.m_VolSolarWTGes.BindTextBox(Steuerelement(InhaltSolarwärmetauscher), QStringLiteral("#0"), 0, 1000);
        d.m_spezVolKollektoren.GlobDatenInTextBox();
        d.m_VolRohre.GlobDatenInTextBox();
        d.m_VolSolarWTGes.GlobDatenInTextBox();
        Rohrleitungsinhalt->setEnabled(d.Sum_Vol_Rohrleitung() < 1);
        InhaltSolarwärmetauscher->setEnabled(d.Sum_Vol_Wärmetauscher() < 1);
    }
    Einrichten(5900, 2450);
}

Form600a::~Form600a()
{
    entladenEinmal();
}

bool Form600a::Prüfen(QLineEdit* box)
{
    if (box == Kollektorinhalt)
        return Kollektorinhalt_Validate();
    if (box == Rohrleitungsinhalt)
        return Rohrleitungsinhalt_Validate();
    if (box == InhaltSolarwärmetauscher)
        return InhaltSolarwärmetauscher_Validate();
    return false;
}

// Leaving without a check stores the box and warns about nothing.
void Form600a::Verlassen(QLineEdit* box)
{
    if (!m_daten)
        return;
    if (box == Kollektorinhalt)
        m_daten->m_spezVolKollektoren.TextBoxInGlobDaten();
    else if (box == InhaltSolarwärmetauscher)
        m_daten->m_VolSolarWTGes.TextBoxInGlobDaten();
    else if (box == Rohrleitungsinhalt)
        Rohrleitungsinhalt_Validate();
}

void Form600a::Taste(QLineEdit* box, int KeyAscii)
{
    if (KeyAscii == 13 || KeyAscii == 9 || KeyAscii == 27)
        return;
    if (box == Kollektorinhalt)
        KollektorinhaltGeändert = true;
    else if (box == InhaltSolarwärmetauscher)
        WärmetauscherinhaltGeändert = true;
}

bool Form600a::Kollektorinhalt_Validate()
{
    if (!m_daten)
        return false;
    const bool Cancel = m_daten->m_spezVolKollektoren.TextBoxInGlobDaten();
    const double v = m_daten->m_spezVolKollektoren.m_Value;
    if ((v < kollektorMin || v > kollektorMax) && KollektorinhaltGeändert)
        Meldung(Meldungsart::Information, LadeText(zustand().Sprachoffset + 2208), kollektorVon, kollektorBis);
    KollektorinhaltGeändert = false;
    return Cancel;
}

bool Form600a::Rohrleitungsinhalt_Validate()
{
    return m_daten ? m_daten->m_VolRohre.TextBoxInGlobDaten() : false;
}

bool Form600a::InhaltSolarwärmetauscher_Validate()
{
    if (!m_daten)
        return false;
    const bool Cancel = m_daten->m_VolSolarWTGes.TextBoxInGlobDaten();
    if (m_daten->m_VolSolarWTGes.m_Value < wärmetauscherMin && WärmetauscherinhaltGeändert)
        Meldung(Meldungsart::Information, LadeText(zustand().Sprachoffset + 2263));
    WärmetauscherinhaltGeändert = false;
    return Cancel;
}

void Form600a::zeigeModal(QDialog* dialog)
{
    modaleForm = dialog;
    Form600::ZeigeModal(*dialog);
    modaleForm = nullptr;
    delete dialog;
}

void Form600a::RohrleitungButton_Click()
{
    zeigeModal(new Form600b(this));
}

void Form600a::SolarWTButton_Click()
{
    zeigeModal(new Form600c(this));
}

void Form600a::Entladen()
{
    if (!m_daten)
        return;
    m_daten->m_spezVolKollektoren.UnBindTextBox();
    m_daten->m_VolRohre.UnBindTextBox();
    m_daten->m_VolSolarWTGes.UnBindTextBox();
    m_daten.reset();
}
