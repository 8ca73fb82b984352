#include "design/heating/forms/Form101c.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

using Heizungsformen::px;

namespace {

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

constexpr std::array<const char*, 15> nennweiten = {"DN 20:",  "DN 25:",  "DN 32:",  "DN 40:",  "DN 50:",
                                                    "DN 65:",  "DN 80:",  "DN 100:", "DN 125:", "DN 150:",
                                                    "DN 200:", "DN 250:", "DN 300:", "DN 350:", "DN 400:"};

}  // namespace

Form101c::Form101c(QWidget* parent) : Heizungsdialog(parent)
{
    setObjectName(QStringLiteral("Form101c"));
    m_halter = zustand().g_heizdat;
    m_h = m_halter.get();
    setWindowTitle(text(420));
    setFixedSize(px(5820), px(4725));

    for (int i = 0; i < 15; ++i) {
        const int y = 240 + 360 * (i / 2);
        const int x = i % 2 == 0 ? 0 : 2520;
        const auto k = static_cast<size_t>(i);
        Label1[k] = Heizungsformen::Beschriftung(this, QString::fromUtf8(nennweiten[k]), 440 + x, y, 860);
        Text1[k] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), i, 1320 + x, y, 1095);
        Label2[k] = Heizungsformen::Beschriftung(this, text(84), 2520 + x, y, 500);
        Beobachten(Text1[k]);
    }
    Heizungsformen::Beschriftung(this, text(421), 2960, 3240, 860);
    SummeLiter = Heizungsformen::Textfeld(this, QStringLiteral("SummeLiter"), -1, 3840, 3240, 1095);
    SummeLiter->setEnabled(false);
    Heizungsformen::Beschriftung(this, text(81), 5040, 3240, 700);
    WeiterCommand = WeiterKnopf(4920, 3840);

    if (m_h) {
        for (int i = 0; i < 15; ++i)
            länge(i).BindTextBox(Heizungsformen::Bindung(Text1[static_cast<size_t>(i)]), QStringLiteral("#0"), 0, 10000);
        m_h->m_V_Fernleit.BindTextBox(Heizungsformen::Bindung(SummeLiter), QStringLiteral("#0"), VbVariant::null(),
                                      VbVariant::null());
        for (int i = 0; i < 15; ++i)
            länge(i).GlobDatenInTextBox();
        m_h->m_V_Fernleit.GlobDatenInTextBox();
        if (m_h->m_LaengeDN300.m_Value == 0 && m_h->m_LaengeDN350.m_Value == 0 && m_h->m_LaengeDN400.m_Value == 0)
            for (size_t i = 12; i < 15; ++i) {
                Text1[i]->hide();
                Label1[i]->hide();
                Label2[i]->hide();
            }
    }
    Fertig();
}

Form101c::~Form101c() = default;

conTextBoxAdodb& Form101c::länge(int i) const
{
    conTextBoxAdodb* l[] = {&m_h->m_LaengeDN20,  &m_h->m_LaengeDN25,  &m_h->m_LaengeDN32,  &m_h->m_LaengeDN40,
                            &m_h->m_LaengeDN50,  &m_h->m_LaengeDN65,  &m_h->m_LaengeDN80,  &m_h->m_LaengeDN100,
                            &m_h->m_LaengeDN125, &m_h->m_LaengeDN150, &m_h->m_LaengeDN200, &m_h->m_LaengeDN250,
                            &m_h->m_LaengeDN300, &m_h->m_LaengeDN350, &m_h->m_LaengeDN400};
    return *l[i];
}

QLineEdit* Form101c::Feld(const QString& name, int index) const
{
    if (name == QStringLiteral("Text1") && index >= 0 && index < 15)
        return Text1[static_cast<size_t>(index)];
    return nullptr;
}

const conTextBoxAdodb* Form101c::Wert(const QLineEdit* feld) const
{
    for (int i = 0; i < 15 && m_h; ++i)
        if (feld == Text1[static_cast<size_t>(i)])
            return &länge(i);
    return nullptr;
}

bool Form101c::Prüfe(QLineEdit* feld)
{
    for (int i = 0; i < 15; ++i)
        if (feld == Text1[static_cast<size_t>(i)])
            return PrüfeZeile(i);
    return false;
}

bool Form101c::PrüfeZeile(int i)
{
    if (!m_h)
        return false;
    const bool Cancel = länge(i).TextBoxInGlobDaten();
    m_h->Sum_V_Fernleit();
    m_h->m_V_Fernleit.GlobDatenInTextBox();
    m_h->m_VolAnlage.GlobDatenInTextBox();
    return Cancel;
}

void Form101c::Entladen()
{
    if (!m_h)
        return;
    if (Form101* seite = Heizungsformen::fenster101())
        seite->Analagevolumen->setEnabled(!(m_h->m_V_Summe.m_Value > 0 || m_h->m_V_Fernleit.m_Value > 0));
    for (int i = 0; i < 15; ++i)
        länge(i).UnBindTextBox();
    m_h->m_V_Fernleit.UnBindTextBox();
    m_h = nullptr;
    m_halter.reset();
}
