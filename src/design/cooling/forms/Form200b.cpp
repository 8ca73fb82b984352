#include "design/cooling/forms/Form200b.h"

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

constexpr int Nennweiten[15] = {20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400};
constexpr int ZeileHöhe = 285;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

}  // namespace

Form200b::Form200b(QWidget* parent) : Kältedialog(790, 6150, 4650, parent)
{
    setObjectName(QStringLiteral("Form200b"));
    auto label = [this](int x, int y, int breite, const QString& t) {
        auto* l = new QLabel(this);
        l->setGeometry(px(x), px(y), px(breite), px(ZeileHöhe));
        l->setText(t);
        return l;
    };
    auto box = [this](const QString& name, int x, int y) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(px(x), px(y), px(1095), px(ZeileHöhe));
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    for (int i = 0; i < 15; ++i) {
        const int oben = 240 + 360 * (i / 2);
        const int links = i % 2 == 0 ? 0 : 2520;
        Label1[static_cast<size_t>(i)] = label(480 + links, oben, 820, QStringLiteral("DN %1:").arg(Nennweiten[i]));
        Text1[static_cast<size_t>(i)] = box(QStringLiteral("Text1"), 1320 + links, oben);
        Steuerelemente::setzeIndex(Text1[static_cast<size_t>(i)], i);
        Label2[static_cast<size_t>(i)] = label(2520 + links, oben, 500, text(84));
    }
    Label3[0] = label(180, 3240, 1120, text(791));
    SonstigesLiter = box(QStringLiteral("SonstigesLiter"), 1320, 3240);
    Label2[20] = label(2520, 3240, 500, text(81));
    Label3[1] = label(2940, 3240, 880, text(792));
    SummeLiter = box(QStringLiteral("SummeLiter"), 3840, 3240);
    SummeLiter->setReadOnly(true);
    Label2[21] = label(5040, 3240, 500, text(81));
    WeiterCommand->setGeometry(px(4920), px(3840), px(615), px(615));
    setTabOrder(SummeLiter, WeiterCommand);

    if (m_g) {
        GlobDatenKälte& g = *m_g;
        for (int i = 0; i < 15; ++i) {
            länge(i)->BindTextBox(Steuerelement(Text1[static_cast<size_t>(i)]), QStringLiteral("#0"), VbVariant(0.0),
                                  VbVariant(10000.0));
            länge(i)->GlobDatenInTextBox();
        }
        g.m_V_Sonstiges.BindTextBox(Steuerelement(SonstigesLiter), QStringLiteral("#0"), VbVariant(0.0),
                                    VbVariant(100000.0));
        g.m_V_Sonstiges.GlobDatenInTextBox();
        g.m_VolAnlage.GlobDatenInTextBox_N(*Steuerelement(SummeLiter));
        // The three largest sizes only when one of them has a length.
        if (g.m_LaengeDN300.m_Value == 0 && g.m_LaengeDN350.m_Value == 0 && g.m_LaengeDN400.m_Value == 0) {
            for (size_t i = 12; i <= 14; ++i) {
                Text1[i]->hide();
                Label1[i]->hide();
                Label2[i]->hide();
            }
            for (QWidget* w : {static_cast<QWidget*>(SonstigesLiter), static_cast<QWidget*>(Label3[0]),
                               static_cast<QWidget*>(Label2[20])})
                w->move(w->x(), px(2520));
        }
    }
    richteEin();
}

Form200b::~Form200b()
{
    entladenEinmal();
}

conTextBoxAdodb* Form200b::länge(int Index) const
{
    GlobDatenKälte& g = *m_g;
    const std::array<conTextBoxAdodb*, 15> l = {
        &g.m_LaengeDN20,  &g.m_LaengeDN25,  &g.m_LaengeDN32,  &g.m_LaengeDN40,  &g.m_LaengeDN50,
        &g.m_LaengeDN65,  &g.m_LaengeDN80,  &g.m_LaengeDN100, &g.m_LaengeDN125, &g.m_LaengeDN150,
        &g.m_LaengeDN200, &g.m_LaengeDN250, &g.m_LaengeDN300, &g.m_LaengeDN350, &g.m_LaengeDN400};
    return Index >= 0 && Index < 15 ? l[static_cast<size_t>(Index)] : nullptr;
}

bool Form200b::istEingabe(const QWidget* w) const
{
    if (w && w == SonstigesLiter)
        return true;
    for (const QLineEdit* e : Text1)
        if (e == w)
            return true;
    return false;
}

void Form200b::prüfe(QWidget* box, bool& Cancel)
{
    if (box == SonstigesLiter)
        SonstigesLiter_Validate(Cancel);
    else
        Text1_Validate(Steuerelemente::index(box).toInteger(), Cancel);
}

void Form200b::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QLatin1String("Text1"))
        Text1_Validate(Index.toInteger(), Cancel);
    else if (name == QLatin1String("SonstigesLiter"))
        SonstigesLiter_Validate(Cancel);
}

void Form200b::Text1_Validate(int Index, bool& Cancel)
{
    if (!m_g)
        return;
    if (conTextBoxAdodb* l = länge(Index))
        Cancel = l->TextBoxInGlobDaten();
    summe();
}

void Form200b::SonstigesLiter_Validate(bool& Cancel)
{
    if (!m_g)
        return;
    Cancel = m_g->m_V_Sonstiges.TextBoxInGlobDaten();
    summe();
}

// The system volume is the water content, unbounded and held in whole litres as its column keeps
// it; page 200's box follows.
void Form200b::summe()
{
    GlobDatenKälte& g = *m_g;
    g.m_VolAnlage.m_Value = Zahlen::RundenGerade(g.Sum_V_Anlage());
    g.m_VolAnlage.GlobDatenInTextBox();
    g.m_VolAnlage.GlobDatenInTextBox_N(*Steuerelement(SummeLiter));
}

void Form200b::Entladen()
{
    if (!m_g)
        return;
    if (Form200* seite = seite200()) {
        seite->Analagevolumen->setEnabled(!(m_g->Sum_V_Anlage() > 0));
        seite->Vorgabe_Anzeige_Wasservorlage();
    }
    for (int i = 0; i < 15; ++i)
        länge(i)->UnBindTextBox();
    m_g->m_V_Sonstiges.UnBindTextBox();
    m_g = nullptr;
}
