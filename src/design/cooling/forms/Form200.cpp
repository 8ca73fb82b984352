#include "design/cooling/forms/Form200.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200a.h"
#include "design/cooling/forms/Form200b.h"

namespace {

// Geometry in twips. Input rows lie at least 285 twips apart, the height a box needs for its font.
constexpr int SeiteBreite = 10500, SeiteHöhe = 6900;
constexpr int BoxHöhe = 285;
constexpr int EingabeLabel = 780, EingabeBox = 3000, EingabeBreite = 1215, EingabeEinheit = 4320;
constexpr int ErgebnisLabel = 5880, ErgebnisWert = 8520, ErgebnisBreite = 1305, ErgebnisEinheit = 9960;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

// Text1(i): row top, caption text, unit text, format, bounds (no bounds for the set pressure).
struct Eingabe {
    int index;
    int oben;
    int label;
    int einheit;
    const char* format;
    double min, max;
};
constexpr Eingabe eingaben[] = {
    {0, 3300, 728, 82, "#0", -10, 90},   {1, 3585, 729, 82, "#0", -10, 50},
    {2, 3870, 730, 82, "#0", -10, 50},   {3, 4260, 731, 83, "##0", 0, 50},
    {4, 4620, 732, 85, "#0.0", 0.5, 10}, {5, 4905, 733, 85, "#0.0", 0, 10},
    {6, 5190, 734, 85, "#0.0", 1.5, 10}, {9, 5475, 746, 85, "#0.0", 0, 0},
    {7, 5940, 735, 81, "##0", 3, 10000},
};

// Label5(i): caption text, unit text (0: none), format.
struct Ergebnis {
    int index;
    int label;
    int einheit;
    const char* format;
};
constexpr Ergebnis ergebnisse[] = {
    {1, 737, 83, "##0.00"}, {2, 739, 85, "##0.0"}, {3, 738, 85, "##0.0"}, {4, 740, 81, "####0"},
    {5, 741, 81, "####0"},  {6, 742, 0, "##0.00"}, {7, 743, 81, "####0"},
};

// Decimals at which an accepted input is held: its column's precision.
int stellenVon(int index)
{
    return index >= 4 && index <= 9 && index != 7 ? 1 : 0;
}

}  // namespace

Form200::Form200(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form200"));
    resize(px(SeiteBreite), px(SeiteHöhe));
    // The page's own background role: its labels take the window text colour, not the one that
    // contrasts with the main window's dark client area.
    setBackgroundRole(QPalette::Window);
    baue();
}

Form200::~Form200() = default;

void Form200::baue()
{
    auto label = [this](int x, int y, int breite) {
        auto* l = new QLabel(this);
        l->setGeometry(px(x), px(y), px(breite), px(BoxHöhe));
        return l;
    };
    auto box = [this](const char* name, int index, int x, int y, int breite) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(name));
        if (index >= 0)
            Steuerelemente::setzeIndex(e, index);
        e->setGeometry(px(x), px(y), px(breite), px(BoxHöhe));
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
        return e;
    };
    auto knopf = [this](const char* name, int x, int y) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromUtf8(name));
        k->setGeometry(px(x), px(y), px(375), px(375));
        k->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
        k->setAutoDefault(false);
        k->installEventFilter(this);
        return k;
    };

    QFont fett = font();
    fett.setBold(true);
    Label1[3] = label(720, 240, 6000);
    Label1[3]->setFont(fett);
    Label1[0] = label(720, 600, 6000);
    Label1[2] = label(720, 840, 6000);
    for (size_t i : {0u, 2u, 3u})
        Label1[i]->setObjectName(QStringLiteral("Label1"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(px(8520), px(240));

    // Made in tab order: total capacity, Command1, volume, Command2, the options, the inputs, Command3.
    // The two total rows stand 240 twips further right than planned: the capacity's caption needs it.
    Label2[4] = label(720, 1320, 2600);
    gesamtwärmeleistungQText = box("gesamtwärmeleistungQText", -1, 3360, 1320, 975);
    Label2[0] = label(4440, 1320, 500);
    Command1 = knopf("Command1", 5040, 1275);
    Label2[2] = label(5520, 1320, 4500);
    Label2[1] = label(720, 1800, 2600);
    Analagevolumen = box("Analagevolumen", -1, 3360, 1800, 975);
    Label2[5] = label(4440, 1800, 500);
    Command2 = knopf("Command2", 5040, 1755);
    Label2[3] = label(5520, 1800, 4500);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (klickZählt(Command1))
            Command1_Click();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (klickZählt(Command2))
            Command2_Click();
    });

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(px(720), px(2400), px(4400), px(800));
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(Frame2);
        o->setObjectName(QStringLiteral("AnordnungMAG"));
        Steuerelemente::setzeIndex(o, i);
        o->setGeometry(px(120 + i * 2160), px(330), px(2100), px(BoxHöhe + 60));
        o->installEventFilter(this);
        connect(o, &QRadioButton::clicked, this, [this, i] { AnordnungMAG_Click(i); });
        AnordnungMAG[static_cast<size_t>(i)] = o;
    }

    for (const Eingabe& e : eingaben) {
        const auto i = static_cast<size_t>(e.index);
        Label3[i == 9 ? 15 : i] = label(EingabeLabel, e.oben, EingabeBox - EingabeLabel - 60);
        Text1[i] = box("Text1", e.index, EingabeBox, e.oben, EingabeBreite);
        Label4[i] = label(EingabeEinheit, e.oben, 700);
    }

    Label3[23] = label(ErgebnisLabel, 3240, 2500);
    Label3[23]->setFont(fett);
    for (const Ergebnis& r : ergebnisse) {
        const auto i = static_cast<size_t>(r.index);
        const int oben = 3240 + r.index * 360;
        Label3[7 + i] = label(ErgebnisLabel, oben, ErgebnisWert - ErgebnisLabel - 60);
        Label5[i] = label(ErgebnisWert, oben, ErgebnisBreite);
        Label5[i]->setObjectName(QStringLiteral("Label5"));
        Steuerelemente::setzeIndex(Label5[i], r.index);
        Label5[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label3[15 + i] = label(ErgebnisEinheit, oben, 500);
    }

    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(px(7920), px(6240), px(1935), px(375));
    Command3->setAutoDefault(false);
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (klickZählt(Command3))
            Command3_Click();
    });
}

// ---------------------------------------------------------------------------------------------
// Life of the page

void Form200::FormLoad()
{
    Programmzustand& z = zustand();
    m_g = HalteDatenobjekt(z.g_kühldat);
    if (!m_g)
        return;

    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->resize(bild.size());
    Image1->move(width() - bild.width() - px(120), px(120));

    Label1[3]->setText(text(720));
    Label1[0]->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Label1[2]->setText(z.aktProjektBezeichnung);
    Label2[4]->setText(text(721));
    Label2[0]->setText(text(80));
    Label2[1]->setText(text(723));
    Label2[5]->setText(text(81));
    Label2[2]->setText(text(722));
    Label2[3]->setText(text(724));
    Frame2->setTitle(text(725));
    AnordnungMAG[0]->setText(text(726));
    AnordnungMAG[1]->setText(text(727));
    for (const Eingabe& e : eingaben) {
        const auto i = static_cast<size_t>(e.index);
        Label3[i == 9 ? 15 : i]->setText(text(e.label));
        Label4[i]->setText(text(e.einheit));
    }
    Label3[23]->setText(text(736));
    for (const Ergebnis& r : ergebnisse) {
        const auto i = static_cast<size_t>(r.index);
        Label3[7 + i]->setText(text(r.label));
        Label3[15 + i]->setText(r.einheit ? text(r.einheit) : QString());
    }

    // Bindings.
    GlobDatenKälte& g = *m_g;
    g.m_AnordnungMAG.BindOptionButton(Optionsgruppe({AnordnungMAG[0], AnordnungMAG[1]}));
    g.m_Leist_ges.BindTextBox(Steuerelement(gesamtwärmeleistungQText), QStringLiteral("####0"), VbVariant(0.0),
                              VbVariant(20000.0));
    g.m_VolAnlage.BindTextBox(Steuerelement(Analagevolumen), QStringLiteral("####0"), VbVariant(0.0),
                              VbVariant(1000000.0));
    for (const Eingabe& e : eingaben) {
        conTextBoxAdodb* w = wertVon(Text1[static_cast<size_t>(e.index)]);
        const bool ohneGrenzen = e.index == 9;
        w->BindTextBox(Steuerelement(Text1[static_cast<size_t>(e.index)]), QString::fromUtf8(e.format),
                       ohneGrenzen ? VbVariant::null() : VbVariant(e.min),
                       ohneGrenzen ? VbVariant::null() : VbVariant(e.max));
    }
    const std::array<conTextBoxAdodb*, 8> werte = {nullptr,     &g.m_r_af,   &g.m_r_pVordruck, &g.m_r_pend,
                                                   &g.m_r_vaus, &g.m_r_vauf, &g.m_r_pfak,      &g.m_r_vges};
    for (const Ergebnis& r : ergebnisse)
        werte[static_cast<size_t>(r.index)]->BindTextBox(Steuerelement(Label5[static_cast<size_t>(r.index)]),
                                                          QString::fromUtf8(r.format), VbVariant::null(),
                                                          VbVariant::null());

    // Stored values.
    g.m_AnordnungMAG.GlobDatenInButton();
    g.m_Leist_ges.GlobDatenInTextBox();
    g.m_VolAnlage.GlobDatenInTextBox();
    for (const Eingabe& e : eingaben)
        wertVon(Text1[static_cast<size_t>(e.index)])->GlobDatenInTextBox();
    zeigeErgebnisse();

    Vorgabe_Anzeige_Wasservorlage();
    EingabenFreigeben(!g.m_IstBerechnet.m_Value.toBool());

    // A stored valve pressure below today's minimum is raised: the project is no longer calculated.
    const double sv = g.m_p_SV.m_Value;
    bool Cancel = false;
    PrüfeSicherheitsventil(Cancel);
    if (g.m_p_SV.m_Value > sv)
        g.m_IstBerechnet.m_Value = VbVariant(false);

    m_neuesProjekt = z.NeuesProjekt;
    SetzeGrenzenSolldruck(m_neuesProjekt);
    Command3->setText(text(g.m_IstBerechnet.m_Value.toBool() ? 745 : 744));
    MoveFocusEinrichten(true);
}

void Form200::FormActivate()
{
    if (!m_g)
        return;
    mdi().Kommando(1, 1, m_g->m_IstBerechnet.m_Value.toBool() ? 1 : 0);
    ZeigeHinweis(0);
}

void Form200::FormUnload()
{
    Programmzustand& z = zustand();
    if (m_g) {
        // What the focused box holds is taken over (the bottom buttons take no focus).
        QWidget* f = window()->focusWidget();
        if (f && wertVon(f) && isAncestorOf(f) && f->isEnabled()) {
            bool Cancel = false;
            prüfe(f, Cancel);
        }
        GlobDatenKälte& g = *m_g;
        g.m_AnordnungMAG.UnBindOptionButton();
        g.m_Leist_ges.UnBindTextBox();
        g.m_VolAnlage.UnBindTextBox();
        for (const Eingabe& e : eingaben)
            wertVon(Text1[static_cast<size_t>(e.index)])->UnBindTextBox();
        for (conTextBoxAdodb* w : {&g.m_r_af, &g.m_r_pVordruck, &g.m_r_pend, &g.m_r_vaus, &g.m_r_vauf, &g.m_r_pfak,
                                   &g.m_r_vges})
            w->UnBindTextBox();
    }
    m_g = nullptr;
    z.NeuesProjekt = false;
}

void Form200::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Inputs

conTextBoxAdodb* Form200::wertVon(const QWidget* box) const
{
    if (!m_g || !box)
        return nullptr;
    GlobDatenKälte& g = *m_g;
    if (box == gesamtwärmeleistungQText)
        return &g.m_Leist_ges;
    if (box == Analagevolumen)
        return &g.m_VolAnlage;
    const std::array<conTextBoxAdodb*, 10> t = {&g.m_Temp_Vorl, &g.m_Temp_Rückl,   &g.m_Temp_Umgeb, &g.m_FrostZusatz,
                                                &g.m_p_stat,    &g.m_p_dyn,        &g.m_p_SV,       &g.m_Wasservorlage,
                                                nullptr,        &g.m_p_soll};
    for (size_t i = 0; i < Text1.size(); ++i)
        if (Text1[i] && Text1[i] == box)
            return t[i];
    return nullptr;
}

void Form200::prüfe(QWidget* box, bool& Cancel)
{
    conTextBoxAdodb* w = wertVon(box);
    if (!w)
        return;
    Cancel = w->TextBoxInGlobDaten();
    // An accepted value is held at its column's precision.
    const int index = box == gesamtwärmeleistungQText || box == Analagevolumen
        ? -1
        : Steuerelemente::index(box).toInteger();
    const double gehalten = Zahlen::RundenGerade(w->m_Value, index < 0 ? 0 : stellenVon(index));
    if (gehalten != w->m_Value) {
        w->m_Value = gehalten;
        w->GlobDatenInTextBox();
    }
    if (box == Analagevolumen) {
        Vorgabe_Anzeige_Wasservorlage();
        return;
    }
    switch (index) {
    case 0: case 1: case 2: case 4: case 5: case 6:
        PrüfeSicherheitsventil(Cancel);
        break;
    case 9:
        m_neuesProjekt = false;
        break;
    default:
        break;
    }
}

void Form200::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    QWidget* box = nullptr;
    if (name == QStringLiteral("gesamtwärmeleistungQText"))
        box = gesamtwärmeleistungQText;
    else if (name == QLatin1String("Analagevolumen"))
        box = Analagevolumen;
    else if (name == QLatin1String("Text1")) {
        const int i = Index.toInteger();
        if (i >= 0 && i < static_cast<int>(Text1.size()))
            box = Text1[static_cast<size_t>(i)];
    }
    if (box)
        prüfe(box, Cancel);
}

void Form200::Validate(QWidget* steuerelement, bool& Cancel)
{
    prüfe(steuerelement, Cancel);
}

void Form200::FormKeyPress(int& KeyAscii)
{
    Seitenform::FormKeyPress(KeyAscii);
    // Tab keeps moving the focus; Enter and line feed never reach a box.
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}

bool Form200::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || lädt() || istEntladen())
        return Seitenform::eventFilter(o, e);
    if (e->type() == QEvent::FocusIn) {
        if (auto* zeile = qobject_cast<QLineEdit*>(w))
            QMetaObject::invokeMethod(zeile, &QLineEdit::selectAll, Qt::QueuedConnection);
        ZeigeHinweis(w == Text1[7] ? 1 : w == Text1[9] ? 2 : 0);
    } else if (e->type() == QEvent::FocusOut && wertVon(w)) {
        // Leaving the page without a Validate: the check runs and its Cancel is ignored.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        const QWidget* neu = QApplication::focusWidget();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && !(neu && isAncestorOf(neu))) {
            bool Cancel = false;
            prüfe(w, Cancel);
        }
    }
    return Seitenform::eventFilter(o, e);
}

// ---------------------------------------------------------------------------------------------
// Follow-ups

void Form200::PrüfeSicherheitsventil(bool& Cancel)
{
    if (Cancel || !m_g)
        return;
    GlobDatenKälte& g = *m_g;
    g.BerechneDruckSicherheitsventil(true);
    g.m_p_SV.GlobDatenInTextBox();
    // The page takes no valve above 10 bar: the edited box keeps the focus.
    if (Zahlen::RundenGerade(g.m_p_SV.m_Value, 1) > 10.0) {
        g.m_p_SV.m_Value = 10.0;
        Cancel = true;
    }
    SetzeGrenzenSolldruck(m_neuesProjekt);
}

void Form200::SetzeGrenzenSolldruck(bool Neu)
{
    if (!m_g)
        return;
    GlobDatenKälte& g = *m_g;
    const float unten = Zahlen::CSng(Zahlen::RundenGerade(g.m_r_pVordruck.m_Value + 0.5 - 0.1, 1));
    const float oben = Zahlen::CSng(Zahlen::RundenGerade(g.BerechneEnddruck() - 0.1, 1));
    // The check compares typed decimals: the bounds are given back their one decimal, so that
    // typing a bound itself is accepted.
    const double untenDezimal = Zahlen::RundenGerade(unten, 1);
    const double obenDezimal = Zahlen::RundenGerade(oben, 1);
    // Bounds that cross (valve held at 10 bar) hold typed input to the upper bound alone.
    g.m_p_soll.MinWert(untenDezimal > obenDezimal ? VbVariant::null() : VbVariant(untenDezimal));
    g.m_p_soll.MaxWert(VbVariant(obenDezimal));
    if (Neu) {
        g.m_p_soll.m_Value = Zahlen::RundenGerade(g.m_r_pVordruck.m_Value + 0.5, 1);
        g.m_p_soll.GlobDatenInTextBox();
    }
    const float soll = Zahlen::CSng(g.m_p_soll.m_Value);
    if (soll < unten) {
        g.m_p_soll.m_Value = untenDezimal;
        g.m_p_soll.GlobDatenInTextBox();
    } else if (soll > oben) {
        g.m_p_soll.m_Value = obenDezimal;
        g.m_p_soll.GlobDatenInTextBox();
    }
}

void Form200::EingabenFreigeben(bool Frei)
{
    if (!m_g)
        return;
    GlobDatenKälte& g = *m_g;
    gesamtwärmeleistungQText->setEnabled(Frei && !(g.Sum_Waermeleistung() > 0));
    Analagevolumen->setEnabled(Frei && !(g.Sum_V_Anlage() > 0));
    for (size_t i = 0; i < Text1.size(); ++i)
        if (Text1[i])
            Text1[i]->setEnabled(Frei && (i != 5 || g.m_AnordnungMAG.m_Value != 0));
    for (QWidget* w : {static_cast<QWidget*>(AnordnungMAG[0]), static_cast<QWidget*>(AnordnungMAG[1]),
                       static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2)})
        w->setEnabled(Frei);
    Command3->setEnabled(true);
}

void Form200::Vorgabe_Anzeige_Wasservorlage()
{
    if (!m_g)
        return;
    GlobDatenKälte& g = *m_g;
    const int32_t volumen = Zahlen::CLng(g.m_VolAnlage.m_Value);
    const int32_t n = volumen / 200 + (volumen % 200 != 0 ? 1 : 0);
    if (n > g.m_Wasservorlage.m_Value) {
        g.m_Wasservorlage.m_Value = n;
        g.m_Wasservorlage.GlobDatenInTextBox();
    }
}

void Form200::ZeigeHinweis(int Art)
{
    if (!m_g || !hauptfenster())
        return;
    QString hinweis;
    if (Art == 1) {
        const double v = m_g->m_VolAnlage.m_Value;
        const int32_t a = std::max<int32_t>(Zahlen::CLng(AufrundenStellen(v / 200.0, 0)), 3);
        const int32_t b = std::max<int32_t>(Zahlen::CLng(AufrundenStellen(v / 100.0, 0)), a);
        hinweis = a < b ? FormatText(text(2140), VbVariant::lng(a), VbVariant::lng(b))
                        : FormatText(text(2141), VbVariant::lng(a));
    } else if (Art == 2) {
        hinweis = text(2150);
    } else {
        hinweis = text(2145);
    }
    mdi().SetzeInfoLabel(hinweis);
}

void Form200::zeigeErgebnisse()
{
    GlobDatenKälte& g = *m_g;
    for (conTextBoxAdodb* w : {&g.m_r_af, &g.m_r_pVordruck, &g.m_r_pend, &g.m_r_vaus, &g.m_r_vauf, &g.m_r_pfak,
                               &g.m_r_vges})
        w->GlobDatenInLabel();
}

// ---------------------------------------------------------------------------------------------
// Actions

bool Form200::klickZählt(const QPushButton* knopf) const
{
    // A box that refused its input took the focus back from the button.
    const QWidget* f = window()->focusWidget();
    return !(f && f != knopf && wertVon(f));
}

void Form200::AnordnungMAG_Click(int Index)
{
    if (lädt() || !m_g)
        return;
    GlobDatenKälte& g = *m_g;
    g.m_AnordnungMAG.ButtonInGlobDaten(static_cast<int16_t>(Index));
    if (g.m_AnordnungMAG.m_Value != 0) {
        Text1[5]->setEnabled(true);
    } else {
        Text1[5]->setEnabled(false);
        g.m_p_dyn.m_Value = 0;
        g.m_p_dyn.GlobDatenInTextBox();
    }
    g.BerechneDruckSicherheitsventil(true);
    g.m_p_SV.GlobDatenInTextBox();
    SetzeGrenzenSolldruck(m_neuesProjekt);
}

void Form200::zeigeDialog(QDialog& dialog)
{
    modaleForm = &dialog;
    mdi().SaveKommandoButtons();
    mdi().Kommando(0, 0, 0);
    dialog.exec();
    mdi().LoadKommandoButtons();
    modaleForm = nullptr;
}

void Form200::Command1_Click()
{
    Form200a dialog(mdi().Fensterwidget());
    zeigeDialog(dialog);
}

void Form200::Command2_Click()
{
    Form200b dialog(mdi().Fensterwidget());
    zeigeDialog(dialog);
}

void Form200::Command3_Click()
{
    if (!m_g)
        return;
    GlobDatenKälte& g = *m_g;
    ZeigeHinweis(0);
    if (g.m_IstBerechnet.m_Value.toBool()) {
        g.m_IstBerechnet.m_Value = VbVariant(false);
        Command3->setText(text(744));
        EingabenFreigeben(true);
        g.m_IstAusgelegt.m_Value = VbVariant(false);
        mdi().Kommando(1, 1, 0);
        return;
    }
    if (g.Rechnen_Kälteanlage())
        zustand().NeuAuslegungErforderlich = true;
    zeigeErgebnisse();
    g.m_p_SV.GlobDatenInTextBox();
    g.m_p_soll.GlobDatenInTextBox();
    if (g.m_p_SV.m_Value > 10.0) {
        // A valve above 10 bar (message 2256) is no result: the inputs stay open.
        g.m_IstAusgelegt.m_Value = VbVariant(false);
        EingabenFreigeben(true);
        mdi().Kommando(1, 1, 0);
        return;
    }
    g.m_IstBerechnet.m_Value = VbVariant(true);
    Command3->setText(text(745));
    EingabenFreigeben(false);
    mdi().Kommando(1, 1, 1);
}
