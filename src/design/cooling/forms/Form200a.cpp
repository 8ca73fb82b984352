#include "design/cooling/forms/Form200a.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Steuerelemente.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"

namespace {

constexpr double MaxGesamtleistung = 20000;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

conTextBoxAdodb* leistung(GlobDatenKälte& g, int i)
{
    const std::array l = {&g.m_Leist_1, &g.m_Leist_2, &g.m_Leist_3, &g.m_Leist_4, &g.m_Leist_5, &g.m_Leist_6};
    return i >= 1 && i <= 6 ? l[static_cast<size_t>(i - 1)] : nullptr;
}

}  // namespace

Form200a::Form200a(QWidget* parent) : Kältedialog(770, 5970, 3090, parent)
{
    setObjectName(QStringLiteral("Form200a"));
    for (int i = 1; i <= 7; ++i) {
        const int oben = i <= 6 ? 240 + (i - 1) * 360 : 2520;
        auto* l = new QLabel(this);
        l->setGeometry(px(120), px(oben), px(3135), px(285));
        l->setText(text(i <= 6 ? 770 + i : 777));
        Label3[static_cast<size_t>(i - 1)] = l;
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Text1"));
        Steuerelemente::setzeIndex(e, i);
        e->setGeometry(px(3240), px(oben), px(975), px(285));
        e->setAlignment(Qt::AlignRight);
        e->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(255, 255, 192); }"));
        Text1[static_cast<size_t>(i)] = e;
        auto* kw = new QLabel(this);
        kw->setGeometry(px(4320), px(oben), px(495), px(285));
        kw->setText(text(80));
        Label3[static_cast<size_t>(i + 6)] = kw;
    }
    WeiterCommand->setGeometry(px(5040), px(2160), px(615), px(615));
    setTabOrder(Text1[7], WeiterCommand);

    if (m_g) {
        for (int i = 1; i <= 6; ++i) {
            conTextBoxAdodb* l = leistung(*m_g, i);
            l->BindTextBox(Steuerelement(Text1[static_cast<size_t>(i)]), QStringLiteral("####0"), VbVariant(0.0),
                           VbVariant(MaxGesamtleistung));
            l->GlobDatenInTextBox();
        }
        m_g->m_Leist_ges.GlobDatenInTextBox_N(*Steuerelement(Text1[7]));
    }
    richteEin();
}

Form200a::~Form200a()
{
    entladenEinmal();
}

void Form200a::showEvent(QShowEvent* e)
{
    Kältedialog::showEvent(e);
    Text1[1]->setFocus(Qt::OtherFocusReason);
    Text1[1]->selectAll();
}

int Form200a::indexVon(const QWidget* w) const
{
    for (size_t i = 1; i < Text1.size(); ++i)
        if (Text1[i] == w)
            return static_cast<int>(i);
    return -1;
}

bool Form200a::istEingabe(const QWidget* w) const
{
    return indexVon(w) > 0;
}

void Form200a::prüfe(QWidget* box, bool& Cancel)
{
    Text1_Validate(indexVon(box), Cancel);
}

void Form200a::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QLatin1String("Text1"))
        Text1_Validate(Index.toInteger(), Cancel);
}

void Form200a::Text1_Validate(int Index, bool& Cancel)
{
    if (!m_g || Index < 1 || Index > 7)
        return;
    GlobDatenKälte& g = *m_g;
    QLineEdit* box = Text1[static_cast<size_t>(Index)];
    // The total first: the capacity still possible for this chiller is proposed.
    bool zahl = false;
    const double eingabe = Zahlen::TextZuZahl(box->text(), &zahl);
    if (zahl) {
        const double summe = g.Sum_Waermeleistung();
        const double neu = eingabe + (summe - g.m_Leist_m_value(static_cast<int16_t>(Index)));
        if (neu > MaxGesamtleistung) {
            const double rest = (g.m_Leist_m_value(static_cast<int16_t>(Index)) + MaxGesamtleistung) - summe;
            Meldung(Meldungsart::Eingabefehler, text(2259), VbVariant(MaxGesamtleistung), VbVariant(rest));
            box->setText(Zahlen::CStr(rest));
            Cancel = true;
        }
    }
    if (Cancel)
        return;
    if (conTextBoxAdodb* l = leistung(g, Index))
        Cancel = l->TextBoxInGlobDaten();
    // The total follows the six capacities (and shows on page 200), held in whole kW as its
    // column keeps it.
    auto gesamt = Steuerelement(Text1[7]);
    gesamt->setText(Zahlen::CStr(Zahlen::RundenGerade(g.Sum_Waermeleistung())));
    g.m_Leist_ges.TextBox_N_InGlobDaten(*gesamt);
}

void Form200a::Entladen()
{
    if (!m_g)
        return;
    // Once chillers are entered, the total can no longer be typed on the page.
    if (Form200* seite = seite200())
        seite->gesamtwärmeleistungQText->setEnabled(!(m_g->Sum_Waermeleistung() > 0));
    for (int i = 1; i <= 6; ++i)
        leistung(*m_g, i)->UnBindTextBox();
    m_g = nullptr;
}
