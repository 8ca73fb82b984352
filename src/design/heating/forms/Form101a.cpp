#include "design/heating/forms/Form101a.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"

using Heizungsformen::px;

namespace {

constexpr double maxGesamtleistung = 20000.0;
// The captions need more room than the twips of the layout give them at 96 dpi.
constexpr int dx = 480;
constexpr std::array<int, 7> zeilen = {0, 240, 600, 960, 1320, 1680, 2040};

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

}  // namespace

Form101a::Form101a(QWidget* parent) : Heizungsdialog(parent)
{
    setObjectName(QStringLiteral("Form101a"));
    m_halter = zustand().g_heizdat;
    m_h = m_halter.get();
    setWindowTitle(text(380));

    // Made in tab order: output and water content row by row, the total, Weiter.
    for (int i = 1; i <= 6; ++i) {
        const int y = zeilen[static_cast<size_t>(i)];
        Label3[static_cast<size_t>(i - 1)] = Heizungsformen::Beschriftung(this, text(380 + i), 120, y, 2350 + dx);
        Text1[static_cast<size_t>(i)] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), i, 2520 + dx, y, 1095);
        Label3[static_cast<size_t>(i + 6)] = Heizungsformen::Beschriftung(this, text(80), 3720 + dx, y, 500);
        Text2[static_cast<size_t>(i)] = Heizungsformen::Textfeld(this, QStringLiteral("Text2"), i, 4440 + dx, y, 855);
        Label4[static_cast<size_t>(i - 1)] = Heizungsformen::Beschriftung(this, text(81), 5400 + dx, y, 600);
        Beobachten(Text1[static_cast<size_t>(i)]);
        Beobachten(Text2[static_cast<size_t>(i)]);
        connect(Text1[static_cast<size_t>(i)], &QLineEdit::textChanged, this,
                [this, i](const QString& t) { leistungGeändert(i, t); });
    }
    Label3[6] = Heizungsformen::Beschriftung(this, text(387), 120, 2520, 2350 + dx);
    Text1[7] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), 7, 2520 + dx, 2520, 1095);
    Text1[7]->setReadOnly(true);
    Text1[7]->setFocusPolicy(Qt::NoFocus);
    Label3[13] = Heizungsformen::Beschriftung(this, text(80), 3720 + dx, 2520, 500);

    m_einzel = m_h && m_h->m_Sicherung.m_Value == 1;
    const int breite = (m_einzel ? 7000 : 5200) + dx;
    WeiterCommand = WeiterKnopf((m_einzel ? 6000 : 4200) + dx, 2160);
    setFixedSize(px(breite) - 8, px(3495) - 30);

    if (m_h) {
        for (int i = 1; i <= 6; ++i) {
            leistung(i).BindTextBox(Heizungsformen::Bindung(Text1[static_cast<size_t>(i)]), QStringLiteral("####0"), 0,
                                    20000);
            leistung(i).GlobDatenInTextBox();
        }
        m_h->m_Leist_ges.GlobDatenInTextBox_N(*Heizungsformen::Bindung(Text1[7]));
        for (int i = 1; i <= 6; ++i) {
            QLineEdit* t = Text2[static_cast<size_t>(i)];
            t->setVisible(m_einzel);
            if (m_einzel) {
                inhalt(i).BindTextBox(Heizungsformen::Bindung(t), QStringLiteral("##0"), 5, 30000);
                inhalt(i).GlobDatenInTextBox();
            }
        }
    }
    for (QLabel* l : Label4)
        l->setVisible(m_einzel);
    Fertig();
}

Form101a::~Form101a() = default;

conTextBoxAdodb& Form101a::leistung(int i) const
{
    conTextBoxAdodb* l[] = {&m_h->m_Leist_1, &m_h->m_Leist_2, &m_h->m_Leist_3,
                            &m_h->m_Leist_4, &m_h->m_Leist_5, &m_h->m_Leist_6};
    return *l[i - 1];
}

conTextBoxAdodb& Form101a::inhalt(int i) const
{
    conTextBoxAdodb* k[] = {&m_h->m_KesselVol_1, &m_h->m_KesselVol_2, &m_h->m_KesselVol_3,
                            &m_h->m_KesselVol_4, &m_h->m_KesselVol_5, &m_h->m_KesselVol_6};
    return *k[i - 1];
}

void Form101a::leistungGeändert(int i, const QString& t)
{
    if (!m_einzel)
        return;
    bool ok = false;
    const double w = Zahlen::TextZuZahl(t, &ok);
    if (!ok)
        return;
    Text2[static_cast<size_t>(i)]->setEnabled(w > 0);
    Text2[static_cast<size_t>(i)]->setText(QStringLiteral("0"));
}

QLineEdit* Form101a::Feld(const QString& name, int index) const
{
    if (name == QStringLiteral("Text1") && index >= 1 && index <= 6)
        return Text1[static_cast<size_t>(index)];
    if (name == QStringLiteral("Text2") && index >= 1 && index <= 6)
        return Text2[static_cast<size_t>(index)];
    return nullptr;
}

const conTextBoxAdodb* Form101a::Wert(const QLineEdit* feld) const
{
    for (int i = 1; i <= 6 && m_h; ++i) {
        if (feld == Text1[static_cast<size_t>(i)])
            return &leistung(i);
        if (feld == Text2[static_cast<size_t>(i)])
            return &inhalt(i);
    }
    return nullptr;
}

bool Form101a::Prüfe(QLineEdit* feld)
{
    for (int i = 1; i <= 6; ++i) {
        if (feld == Text1[static_cast<size_t>(i)])
            return PrüfeLeistung(i);
        if (feld == Text2[static_cast<size_t>(i)])
            return PrüfeInhalt(i);
    }
    return false;
}

bool Form101a::PrüfeLeistung(int i)
{
    if (!m_h)
        return false;
    GlobDatenHeizung& h = *m_h;
    QLineEdit* feld = Text1[static_cast<size_t>(i)];
    bool ok = false;
    const double zahl = Zahlen::TextZuZahl(feld->text(), &ok);
    if (ok) {
        const double s = h.Sum_Waermeleistung();
        const double a = h.m_Leist_m_value(static_cast<int16_t>(i));
        if (zahl + (s - a) > maxGesamtleistung) {
            const double rest = (a + maxGesamtleistung) - s;
            Meldung(Meldungsart::Eingabefehler, text(2259), VbVariant(QStringLiteral("20000")), VbVariant(rest));
            feld->setText(Zahlen::CStr(rest));
            return true;
        }
    }
    const bool Cancel = leistung(i).TextBoxInGlobDaten();
    Text1[7]->setText(Zahlen::CStr(h.Sum_Waermeleistung()));
    h.m_Leist_ges.TextBox_N_InGlobDaten(*Heizungsformen::Bindung(Text1[7]));
    if (h.m_Sicherung.m_Value == 1 && h.m_Leist_m_value(static_cast<int16_t>(i)) <= 0) {
        h.m_KesselVol_m_value(static_cast<int16_t>(i), 0);
        Text2[static_cast<size_t>(i)]->setText(QStringLiteral("0"));
    }
    return Cancel;
}

bool Form101a::PrüfeInhalt(int i)
{
    if (!m_h)
        return false;
    GlobDatenHeizung& h = *m_h;
    QLineEdit* feld = Text2[static_cast<size_t>(i)];
    if (h.m_Leist_m_value(static_cast<int16_t>(i)) <= 0) {
        h.m_KesselVol_m_value(static_cast<int16_t>(i), 0);
        feld->setText(QStringLiteral("0"));
        return false;
    }
    bool ok = false;
    double zahl = Zahlen::TextZuZahl(feld->text(), &ok);
    if (!ok) {
        feld->setText(QStringLiteral("0"));
        zahl = 0;
    }
    if (zahl > 0)
        return inhalt(i).TextBoxInGlobDaten();
    Meldung(Meldungsart::Anwendungsfehler, text(2306), VbVariant(i));
    return true;
}

bool Form101a::WeiterErlaubt()
{
    if (!m_h || m_h->m_Sicherung.m_Value != 1)
        return true;
    for (int16_t i = 1; i <= 6; ++i) {
        if (m_h->m_Leist_m_value(i) > 0 && m_h->m_KesselVol_m_value(i) == 0) {
            Meldung(Meldungsart::Anwendungsfehler, text(2306), VbVariant(static_cast<int>(i)));
            Text2[static_cast<size_t>(i)]->setFocus(Qt::OtherFocusReason);
            Text2[static_cast<size_t>(i)]->selectAll();
            return false;
        }
    }
    return true;
}

void Form101a::Entladen()
{
    if (!m_h)
        return;
    if (Form101* seite = Heizungsformen::fenster101())
        seite->gesamtwärmeleistungQText->setEnabled(m_h->m_Sicherung.m_Value != 1 && !(m_h->Sum_Waermeleistung() > 0));
    for (int i = 1; i <= 6; ++i) {
        leistung(i).UnBindTextBox();
        inhalt(i).UnBindTextBox();
    }
    m_h = nullptr;
    m_halter.reset();
}
