#include "design/heating/forms/Form101b.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101c.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

using Heizungsformen::px;

namespace {

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

// Litres per kW of the five consumer kinds whose content follows from the output.
constexpr std::array<double, 5> literJeKw = {12.0, 8.8, 6.9, 5.1, 10.0};
// The captions need more room than the twips of the layout give them at 96 dpi.
constexpr int dx = 480;
constexpr std::array<int, 7> zeilen = {600, 960, 1320, 1680, 2040, 2400, 2880};

}  // namespace

Form101b::Form101b(QWidget* parent) : Heizungsdialog(parent)
{
    setObjectName(QStringLiteral("Form101b"));
    m_halter = zustand().g_heizdat;
    m_h = m_halter.get();
    setWindowTitle(text(400));
    setFixedSize(px(7200 + dx), px(4700));

    // Made in tab order: flow temperature, the six outputs, the six contents, the buttons.
    Label1[0] = Heizungsformen::Beschriftung(this, text(329), 120, 240, 2350 + dx);
    TempV = Heizungsformen::Textfeld(this, QStringLiteral("TempV"), -1, 2520 + dx, 240, 735);
    Heizungsformen::Beschriftung(this, text(82), 3360 + dx, 240, 500);
    Beobachten(TempV);
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<size_t>(i);
        Label1[k + 1] = Heizungsformen::Beschriftung(this, text(402 + i), 120, zeilen[k], 2000 + dx);
        Text1[k] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), i, 2160 + dx, zeilen[k], 1095);
        Heizungsformen::Beschriftung(this, text(80), 3360 + dx, zeilen[k], 450);
        Beobachten(Text1[k]);
    }
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<size_t>(i);
        Text2[k] = Heizungsformen::Textfeld(this, QStringLiteral("Text2"), i, 5040 + dx, zeilen[k], 1095);
        Heizungsformen::Beschriftung(this, text(81), 6240 + dx, zeilen[k], 600);
        if (i < 5) {
            Label3[k] = Heizungsformen::Beschriftung(
                this, QStringLiteral("(") + Zahlen::Format(literJeKw[k], QStringLiteral("#0.0")) + QStringLiteral(" l/kW) *"),
                3840 + dx, zeilen[k], 1150);
            Text2[k]->setReadOnly(true);
            Text2[k]->setFocusPolicy(Qt::NoFocus);
        } else {
            Beobachten(Text2[k]);
        }
    }
    Label1[7] = Heizungsformen::Beschriftung(this, text(408), 120, zeilen[6], 2000 + dx);
    Text1Summe = Heizungsformen::Textfeld(this, QStringLiteral("Text1Summe"), -1, 2160 + dx, zeilen[6], 1095);
    Heizungsformen::Beschriftung(this, text(80), 3360 + dx, zeilen[6], 450);
    Text2Summe = Heizungsformen::Textfeld(this, QStringLiteral("Text2Summe"), -1, 5040 + dx, zeilen[6], 1095);
    Heizungsformen::Beschriftung(this, text(81), 6240 + dx, zeilen[6], 600);
    for (QLineEdit* s : {Text1Summe, Text2Summe}) {
        s->setReadOnly(true);
        s->setFocusPolicy(Qt::NoFocus);
    }

    FernleitungButton = new QPushButton(this);
    FernleitungButton->setObjectName(QStringLiteral("FernleitungButton"));
    FernleitungButton->setGeometry(px(2640 + dx), px(3360), px(615), px(615));
    FernleitungButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    FernleitungButton->setIconSize(QSize(24, 24));
    FernleitungButton->setAutoDefault(false);
    FernleitungButton->setFocusPolicy(Qt::TabFocus);
    connect(FernleitungButton, &QPushButton::clicked, this, [this] {
        if (EingabeÜbernehmen())
            Fernleitungen();
    });
    Label1[8] = Heizungsformen::Beschriftung(this, text(409), 240, 3480, 2350 + dx);
    Label1[8]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WeiterCommand = WeiterKnopf(5520 + dx, 3360);
    Label1[9] = Heizungsformen::Beschriftung(this, text(410), 120, 4200, 6800 + dx);

    if (m_h) {
        GlobDatenHeizung& h = *m_h;
        m_verteilung = h.Sum_P_Verbraucher() <= 0;
        for (int i = 0; i < 6; ++i) {
            const auto k = static_cast<size_t>(i);
            leistung(i).BindTextBox(Heizungsformen::Bindung(Text1[k]), QStringLiteral("####0"), 0, 29000);
            if (i == 5)
                inhalt(i).BindTextBox(Heizungsformen::Bindung(Text2[k]), QStringLiteral("####0"), 0, 100000);
            else
                inhalt(i).BindTextBox(Heizungsformen::Bindung(Text2[k]), QStringLiteral("####0"), VbVariant::null(),
                                      VbVariant::null());
        }
        h.m_P_Summe.BindTextBox(Heizungsformen::Bindung(Text1Summe), QStringLiteral("####0"), VbVariant::null(),
                                VbVariant::null());
        h.m_V_Summe.BindTextBox(Heizungsformen::Bindung(Text2Summe), QStringLiteral("####0"), VbVariant::null(),
                                VbVariant::null());
        h.m_Temp_V.GlobDatenInTextBox_N(*Heizungsformen::Bindung(TempV));
        for (int i = 0; i < 6; ++i)
            leistung(i).GlobDatenInTextBox();
        h.m_P_Summe.GlobDatenInTextBox();
        for (int i = 0; i < 6; ++i)
            inhalt(i).GlobDatenInTextBox();
        h.m_V_Summe.GlobDatenInTextBox();
        Anzeige_Verbraucherinhalte();
    }
    Fertig();
}

Form101b::~Form101b() = default;

conTextBoxAdodb& Form101b::leistung(int i) const
{
    conTextBoxAdodb* l[] = {&m_h->m_P_Radiatoren,  &m_h->m_P_PlattenHK, &m_h->m_P_LueftGer,
                            &m_h->m_P_Konvektoren, &m_h->m_P_FBHeiz,    &m_h->m_P_Sonstiges};
    return *l[i];
}

conTextBoxAdodb& Form101b::inhalt(int i) const
{
    conTextBoxAdodb* v[] = {&m_h->m_V_Radiatoren,  &m_h->m_V_PlattenHK, &m_h->m_V_LueftGer,
                            &m_h->m_V_Konvektoren, &m_h->m_V_FBHeiz,    &m_h->m_V_Sonstiges};
    return *v[i];
}

void Form101b::Anzeige_Verbraucherinhalte()
{
    GlobDatenHeizung& h = *m_h;
    h.Berechne_EinzelVol_Verbraucher();
    for (int i = 0; i < 5; ++i)
        inhalt(i).GlobDatenInTextBox();
    h.Sum_V_Verbraucher();
    h.m_V_Summe.GlobDatenInTextBox();
    h.m_VolAnlage.GlobDatenInTextBox();
}

QLineEdit* Form101b::Feld(const QString& name, int index) const
{
    if (name == QStringLiteral("TempV"))
        return TempV;
    if (name == QStringLiteral("Text1") && index >= 0 && index < 6)
        return Text1[static_cast<size_t>(index)];
    if (name == QStringLiteral("Text2") && index >= 0 && index < 6)
        return Text2[static_cast<size_t>(index)];
    return nullptr;
}

const conTextBoxAdodb* Form101b::Wert(const QLineEdit* feld) const
{
    if (!m_h)
        return nullptr;
    if (feld == TempV)
        return &m_h->m_Temp_V;
    for (int i = 0; i < 6; ++i) {
        if (feld == Text1[static_cast<size_t>(i)])
            return &leistung(i);
        if (feld == Text2[static_cast<size_t>(i)])
            return &inhalt(i);
    }
    return nullptr;
}

bool Form101b::Prüfe(QLineEdit* feld)
{
    if (feld == TempV)
        return PrüfeVorlauf();
    for (int i = 0; i < 6; ++i) {
        if (feld == Text1[static_cast<size_t>(i)])
            return PrüfeLeistung(i);
        if (feld == Text2[static_cast<size_t>(i)])
            return PrüfeInhalt(i);
    }
    return false;
}

void Form101b::Betreten(QLineEdit* feld)
{
    if (!m_h || !m_verteilung)
        return;
    for (int i = 0; i < 6; ++i) {
        if (feld != Text1[static_cast<size_t>(i)])
            continue;
        bool ok = false;
        m_gemerkt = Zahlen::TextZuZahl(feld->text(), &ok);
        if (m_gemerkt == 0) {
            const double rest = std::max(0.0, m_h->m_Leist_ges.m_Value - m_h->Sum_P_Verbraucher());
            feld->setText(Zahlen::Format(rest, QStringLiteral("####0")));
            if (feld->text().isEmpty())
                feld->setText(QStringLiteral("0"));
        }
    }
}

bool Form101b::PrüfeLeistung(int i)
{
    if (!m_h)
        return false;
    GlobDatenHeizung& h = *m_h;
    QLineEdit* feld = Text1[static_cast<size_t>(i)];
    bool ok = false;
    const double zahl = Zahlen::TextZuZahl(feld->text(), &ok);
    if (m_verteilung && ok) {
        const double s = h.Sum_P_Verbraucher();
        const double r = m_gemerkt;
        const double rest = h.m_Leist_ges.m_Value + r - s;
        if (zahl + (s - r) > h.m_Leist_ges.m_Value) {
            Meldung(Meldungsart::Eingabefehler, text(2260), VbVariant(rest));
            feld->setText(Zahlen::CStr(rest));
            return true;
        }
    }
    const bool Cancel = leistung(i).TextBoxInGlobDaten();
    Text1Summe->setText(Zahlen::CStr(h.Sum_P_Verbraucher()));
    h.m_P_Summe.TextBox_N_InGlobDaten(*Heizungsformen::Bindung(Text1Summe));
    Anzeige_Verbraucherinhalte();
    return Cancel;
}

bool Form101b::PrüfeInhalt(int i)
{
    if (!m_h)
        return false;
    bool Cancel = false;
    if (i == 5)
        Cancel = inhalt(5).TextBoxInGlobDaten();
    m_h->Sum_V_Verbraucher();
    m_h->m_V_Summe.GlobDatenInTextBox();
    m_h->m_VolAnlage.GlobDatenInTextBox();
    return Cancel;
}

bool Form101b::PrüfeVorlauf()
{
    if (!m_h)
        return false;
    GlobDatenHeizung& h = *m_h;
    const double alt = Zahlen::RundenGerade(h.m_Temp_V.m_Value, 0);
    const auto box = Heizungsformen::Bindung(TempV);
    if (h.m_Temp_V.TextBox_N_InGlobDaten(*box))
        return true;
    if (h.m_Temp_V.m_Value != alt) {
        h.m_Temp_R.m_Value = std::max(h.m_Temp_V.m_Value - 20.0, 5.0);
        h.m_Temp_R.GlobDatenInTextBox();
    }
    if (h.m_Beheiz.m_Value == 1) {
        const double t = Zahlen::RundenGerade(h.m_Temp_V.m_Value, 0);
        if (t + 5 > h.m_Primärtemp.m_Value) {
            h.m_Primärtemp.m_Value = t + 5;
            if (h.m_Primärtemp.m_Value > 180) {
                h.m_Primärtemp.m_Value = 180;
                h.m_Temp_V.m_Value = 175;
                h.m_Temp_V.GlobDatenInTextBox_N(*box);
                h.m_Temp_V.GlobDatenInTextBox();
            }
            h.m_Primärtemp.GlobDatenInTextBox();
        }
    }
    Anzeige_Verbraucherinhalte();
    return false;
}

void Form101b::Fernleitungen()
{
    Form101c dialog(this);
    Heizungsformen::modalZeigen()(dialog);
}

void Form101b::Entladen()
{
    if (!m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    if (Form101* seite = Heizungsformen::fenster101()) {
        seite->Analagevolumen->setEnabled(!(h.m_V_Summe.m_Value > 0 || h.m_V_Fernleit.m_Value > 0));
        seite->Vorgabe_Anzeige_Wasservorlage();
    }
    for (int i = 0; i < 6; ++i) {
        leistung(i).UnBindTextBox();
        inhalt(i).UnBindTextBox();
    }
    h.m_P_Summe.UnBindTextBox();
    h.m_V_Summe.UnBindTextBox();
    m_h = nullptr;
    m_halter.reset();
}
