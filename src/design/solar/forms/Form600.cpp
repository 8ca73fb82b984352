#include "design/solar/forms/Form600.h"

#include <QApplication>

#include <algorithm>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600a.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"

namespace {

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int LabelLinks = 600, FeldLinks = 2700, EinheitLinks = 3700, FeldBreite = 900, FeldHöhe = 315;
constexpr int ErgLabelLinks = 6300, ErgWertLinks = 8550, ErgEinheitLinks = 9550, Zeile = 400;

// Results are accepted up to this pressure factor (a Single as the calculation compares it).
const float größterDruckfaktor = Zahlen::CSng(0.6);
constexpr double höchsterDruckSV = 10.0;  // bar
constexpr double kleinsteWasservorlage = 3.0;  // l

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QPointer<Form600> aktuelleSeite;

Form600::DialogÖffner& dialogÖffner()
{
    static Form600::DialogÖffner öffner = [](QDialog& d) { d.exec(); };
    return öffner;
}

}  // namespace

Form600* Form600::fenster600()
{
    return aktuelleSeite.data();
}

void Form600::SetzeDialogÖffner(DialogÖffner öffner)
{
    dialogÖffner() = öffner ? std::move(öffner) : [](QDialog& d) { d.exec(); };
}

void Form600::ZeigeModal(QDialog& dialog)
{
    dialogÖffner()(dialog);
}

Form600::Form600(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form600"));
    resize(px(SeiteBreite), px(SeiteHöhe));
    // The page's own background (not the page area's dark one), so its labels draw dark text.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    baue();
    // After the page's Validate: a box left for another window is checked here.
    connect(qApp, &QApplication::focusChanged, this, &Form600::fokusWechsel);
}

Form600::~Form600()
{
    disconnect(qApp, nullptr, this, nullptr);
}

void Form600::baue()
{
    auto label = [this](const QString& name, int index, int x, int y, int breite, Qt::Alignment a = Qt::AlignLeft) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        if (index >= 0)
            Steuerelemente::setzeIndex(l, index);
        l->setGeometry(px(x), px(y), px(breite), px(FeldHöhe));
        l->setAlignment(a | Qt::AlignVCenter);
        return l;
    };
    auto box = [this](const QString& name, int index, int y) {
        auto* b = new QLineEdit(this);
        b->setObjectName(name);
        if (index >= 0)
            Steuerelemente::setzeIndex(b, index);
        b->setGeometry(px(FeldLinks), px(y), px(FeldBreite), px(FeldHöhe));
        b->setAlignment(Qt::AlignRight);
        b->installEventFilter(this);
        // Typing opens the box for its check also when it got the focus from another window.
        connect(b, &QLineEdit::textEdited, this, [this, b] {
            if (b == Absorberfläche)
                FlächeBearbeitet = true;
            else if (const int i = text1Index(b); i >= 0)
                EingabeBearbeitet[static_cast<size_t>(i)] = true;
        });
        return b;
    };

    Label1[3] = label(QStringLiteral("Label1"), 3, LabelLinks, 150, 6000);
    QFont titel = Label1[3]->font();
    titel.setBold(true);
    titel.setPointSizeF(titel.pointSizeF() * 1.3);
    Label1[3]->setFont(titel);
    Label1[3]->setFixedHeight(px(400));
    Label1[0] = label(QStringLiteral("Label1"), 0, LabelLinks, 600, 6000);
    Label1[2] = label(QStringLiteral("Label1"), 2, LabelLinks, 900, 6000);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Steuerelemente::setzeIndex(Image1, 2);

    // Left column: the inputs.
    label(QStringLiteral("Label2"), 4, LabelLinks, 1400, 2000)->setProperty("text1080", 1081);
    Absorberfläche = box(QStringLiteral("Absorberfläche"), -1, 1400);
    label(QStringLiteral("Label2"), 0, EinheitLinks, 1400, 600)->setProperty("text1080", 91);
    label(QStringLiteral("Label2"), 1, LabelLinks, 1800, 2000)->setProperty("text1080", 1082);
    Analagevolumen = box(QStringLiteral("Analagevolumen"), -1, 1800);
    label(QStringLiteral("Label2"), 5, EinheitLinks, 1800, 600)->setProperty("text1080", 81);
    Command2 = new QToolButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    Command2->setGeometry(px(4350), px(1780), px(400), px(355));
    QLabel* hinweis = label(QStringLiteral("Label2"), 3, 4850, 1720, 1400);
    hinweis->setProperty("text1080", 1083);
    hinweis->setWordWrap(true);
    hinweis->setFixedHeight(px(480));
    connect(Command2, &QToolButton::clicked, this, &Form600::Command2_Click);

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Steuerelemente::setzeIndex(Frame2, 0);
    Frame2->setFrameShape(QFrame::StyledPanel);
    Frame2->setGeometry(px(LabelLinks), px(2350), px(5600), px(700));
    auto* frameTitel = new QLabel(Frame2);
    frameTitel->setObjectName(QStringLiteral("Frame2Titel"));
    frameTitel->setGeometry(px(120), px(30), px(3000), px(285));
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(Frame2);
        r->setObjectName(QStringLiteral("AnordnungMAG"));
        Steuerelemente::setzeIndex(r, i);
        r->setGeometry(px(200 + i * 2700), px(330), px(2500), px(315));
        AnordnungMAG[i] = r;
        connect(r, &QRadioButton::clicked, this, [this, i] { AnordnungMAG_Click(i); });
    }

    const std::array<int, 5> indizes = {1, 2, 4, 5, 6};
    const std::array<int, 5> texte = {1087, 1088, 1089, 1090, 1091};
    const std::array<int, 5> einheiten = {83, 85, 85, 85, 81};
    for (int k = 0; k < 5; ++k) {
        const int i = indizes[k];
        const int y = 3250 + k * Zeile;
        label(QStringLiteral("Label3"), i, LabelLinks, y, 2000)->setProperty("text1080", texte[k]);
        Text1[i] = box(QStringLiteral("Text1"), i, y);
        label(QStringLiteral("Label4"), i, EinheitLinks, y, 600)->setProperty("text1080", einheiten[k]);
    }

    // Right column: the results (caption label, value label, unit label).
    label(QStringLiteral("Label3"), 23, ErgLabelLinks, 1400, 2500)->setProperty("text1080", 1092);
    struct Ergebnis {
        int caption, captionText, wert, einheit, einheitText;
    };
    const Ergebnis ergebnisse[9] = {{9, 1093, 2, 17, 85},  {0, 1094, 0, 3, 85},   {10, 1095, 3, 18, 85},
                                    {8, 1096, 1, 16, 83},  {11, 1097, 4, 19, 81}, {7, 1098, 8, 15, 81},
                                    {12, 1099, 5, 20, 81}, {13, 1100, 6, 21, 0},  {14, 1101, 7, 22, 81}};
    for (int k = 0; k < 9; ++k) {
        const Ergebnis& e = ergebnisse[k];
        const int y = 1800 + k * Zeile;
        label(QStringLiteral("Label3"), e.caption, ErgLabelLinks, y, 2200)->setProperty("text1080", e.captionText);
        Label5[e.wert] = label(QStringLiteral("Label5"), e.wert, ErgWertLinks, y, 900, Qt::AlignRight);
        QLabel* einheit = label(QStringLiteral("Label3"), e.einheit, ErgEinheitLinks, y, 700);
        if (e.einheitText != 0)
            einheit->setProperty("text1080", e.einheitText);
    }

    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(px(8400), px(5700), px(1800), px(420));
    connect(Command3, &QPushButton::clicked, this, &Form600::Command3_Click);

    // Enter and Tab order.
    const QList<QWidget*> reihe = {AnordnungMAG[0], AnordnungMAG[1], Text1[1], Text1[2], Text1[4], Text1[5],
                                   Text1[6],        Command3,        Command2, Analagevolumen, Absorberfläche};
    for (qsizetype i = 0; i + 1 < reihe.size(); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
}

// ---------------------------------------------------------------------------------------------
// Life of the page

void Form600::FormLoad()
{
    aktuelleSeite = this;
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    m_daten = HalteDatenobjekt(z.g_solardat);
    Analagevolumen->setEnabled(false);
    Text1[6]->setEnabled(false);

    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->resize(bild.size());
    Image1->move(width() - bild.width() - px(150), px(100));
    for (QWidget* w : findChildren<QWidget*>())
        if (const QVariant t = w->property("text1080"); t.isValid())
            if (auto* l = qobject_cast<QLabel*>(w))
                l->setText(LadeText(o + t.toInt()));
    findChild<QLabel*>(QStringLiteral("Frame2Titel"))->setText(LadeText(o + 1084));
    AnordnungMAG[0]->setText(LadeText(o + 1085));
    AnordnungMAG[1]->setText(LadeText(o + 1086));
    Label1[3]->setText(LadeText(o + 1080));
    Label1[0]->setText(LadeText(o + 60) + QStringLiteral("     ") + z.aktProjektnummer);
    Label1[2]->setText(z.aktProjektBezeichnung);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    GlobDatenSolar& d = *m_daten;

    const int32_t volumen = d.Sum_Vol_Anlage();
    if (volumen > 0)
        d.m_VolAnlage.m_Value = volumen;
    if (d.m_VolRohreUeberKol.m_Value < 1.5)
        d.m_VolRohreUeberKol.m_Value = 1.5;

    const VbVariant keine = VbVariant::null();
    d.m_AnordnungMAG.BindOptionButton(Optionsgruppe({AnordnungMAG[0], AnordnungMAG[1]}));
    d.m_Absorberflaeche.BindTextBox(Steuerelement(Absorberfläche), QStringLiteral("####0"), 0, 1000);
    d.m_VolAnlage.BindTextBox(Steuerelement(Analagevolumen), QStringLiteral("####0"), 0, 1000000);
    d.m_FrostZusatz.BindTextBox(Steuerelement(Text1[1]), QStringLiteral("##0"), 0, 50);
    d.m_p_stat.BindTextBox(Steuerelement(Text1[2]), QStringLiteral("#0.0"), 0.5, 10);
    d.m_p_dyn.BindTextBox(Steuerelement(Text1[4]), QStringLiteral("#0.0"), 0, 10);
    d.m_p_SV.BindTextBox(Steuerelement(Text1[5]), QStringLiteral("#0.0"), keine, keine);
    d.m_Wasservorlage.BindTextBox(Steuerelement(Text1[6]), QStringLiteral("#0.0"), 3, 10000);
    d.m_r_pVordruck.BindTextBox(Steuerelement(Label5[2]), QStringLiteral("##0.0"), keine, keine);
    d.m_r_panf.BindTextBox(Steuerelement(Label5[0]), QStringLiteral("##0.0"), keine, keine);
    d.m_r_pend.BindTextBox(Steuerelement(Label5[3]), QStringLiteral("##0.0"), keine, keine);
    d.m_r_af.BindTextBox(Steuerelement(Label5[1]), QStringLiteral("##0.00"), keine, keine);
    d.m_r_vaus.BindTextBox(Steuerelement(Label5[4]), QStringLiteral("####0"), keine, keine);
    d.m_r_vauf.BindTextBox(Steuerelement(Label5[5]), QStringLiteral("####0"), keine, keine);
    d.m_r_pfak.BindTextBox(Steuerelement(Label5[6]), QStringLiteral("##0.00"), keine, keine);
    d.m_r_vges.BindTextBox(Steuerelement(Label5[7]), QStringLiteral("####0"), keine, keine);
    d.m_AnordnungMAG.GlobDatenInButton();
    for (conTextBoxAdodb* b : {&d.m_Absorberflaeche, &d.m_VolAnlage, &d.m_FrostZusatz, &d.m_p_stat, &d.m_p_dyn,
                               &d.m_p_SV, &d.m_Wasservorlage})
        b->GlobDatenInTextBox();
    ZeigeErgebnisse();
    ZeigeDampfvolumen();

    d.AufbauAktuelleDruckstufungSiVentil();
    bool abbruch = false;
    PrüfeSicherheitsventil(abbruch);
    Vorgabe_Anzeige_Wasservorlage();
    const bool berechnet = d.m_IstBerechnet.m_Value.toBool();
    EingabenFreigeben(!berechnet);
    Command3->setText(LadeText(o + (berechnet ? 1103 : 1102)));
    MoveFocusEinrichten(true);
}

void Form600::FormActivate()
{
    if (!m_daten)
        return;
    mdi().Kommando(1, 1, m_daten->m_IstBerechnet.m_Value.toBool() ? 1 : 0);
    mdi().SetzeInfoLabel(LadeText(zustand().Sprachoffset + 2145));
}

void Form600::FormUnload()
{
    if (aktuelleSeite == this)
        aktuelleSeite = nullptr;
    if (!m_daten)
        return;
    GlobDatenSolar& d = *m_daten;
    d.m_AnordnungMAG.UnBindOptionButton();
    for (conTextBoxAdodb* b : {&d.m_Absorberflaeche, &d.m_VolAnlage, &d.m_FrostZusatz, &d.m_p_stat, &d.m_p_dyn,
                               &d.m_p_SV, &d.m_Wasservorlage, &d.m_r_pVordruck, &d.m_r_panf, &d.m_r_pend, &d.m_r_af,
                               &d.m_r_vaus, &d.m_r_vauf, &d.m_r_pfak, &d.m_r_vges})
        b->UnBindTextBox();
    m_daten = nullptr;
}

void Form600::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Keys and focus

void Form600::FormKeyDown(int& KeyCode, int Shift)
{
    // Alt+Left and Alt+Right leave the page: the box being typed in is stored first.
    const bool alt = (Shift & 7) == Tastencodes::UmschaltAlt;
    if (alt && (KeyCode == Tastencodes::Links || KeyCode == Tastencodes::Rechts) && prüfeOffeneEingabe()) {
        KeyCode = 0;
        return;
    }
    Seitenform::FormKeyDown(KeyCode, Shift);
}

void Form600::FormKeyPress(int& KeyAscii)
{
    Seitenform::FormKeyPress(KeyAscii);
    // Tab stays with the focus chain; line feed and Enter end here.
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}

int Form600::text1Index(const QObject* o) const
{
    for (int i : {1, 2, 4, 5, 6})
        if (Text1[i] == o)
            return i;
    return -1;
}

bool Form600::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QLineEdit*>(o);
        const int i = text1Index(o);
        if (box && (box == Absorberfläche || i >= 0)) {
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            // Back from a message box: the box is not entered anew.
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason) {
                if (box == Absorberfläche)
                    FlächeBearbeitet = true;
                else
                    EingabeBearbeitet[i] = true;
            }
            if (i == 6)
                ZeigeWasservorlageHinweis(true);
        }
    }
    return Seitenform::eventFilter(o, e);
}

void Form600::Validate(QWidget* steuerelement, bool& Cancel)
{
    auto* box = qobject_cast<QLineEdit*>(steuerelement);
    if (!box)
        return;
    // Checked already (Enter) since it got the focus: not again.
    if ((box == Absorberfläche && FlächeBearbeitet) || (text1Index(box) >= 0 && EingabeBearbeitet[text1Index(box)]))
        Cancel = prüfe(box);
}

bool Form600::prüfe(QLineEdit* box)
{
    if (box == Absorberfläche)
        return Absorberfläche_Validate();
    const int i = text1Index(box);
    return i >= 0 ? Text1_Validate(i) : false;
}

void Form600::fokusWechsel(QWidget* alt, QWidget*)
{
    auto* box = qobject_cast<QLineEdit*>(alt);
    if (!box || box->hasFocus() || !istGeladen() || istEntladen())
        return;
    const int i = text1Index(box);
    if (box != Absorberfläche && i < 0)
        return;
    // LostFocus: the box is stored when no Validate ran, whatever it answers.
    if ((box == Absorberfläche && FlächeBearbeitet) || (i >= 0 && EingabeBearbeitet[i]))
        prüfe(box);
    if (i == 6)
        ZeigeWasservorlageHinweis(false);
}

bool Form600::prüfeOffeneEingabe()
{
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (!box)
        return false;
    const int i = text1Index(box);
    if ((box == Absorberfläche && FlächeBearbeitet) || (i >= 0 && EingabeBearbeitet[i]))
        return prüfe(box);
    return false;
}

void Form600::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QStringLiteral("Absorberfläche"))
        Cancel = Absorberfläche_Validate();
    else if (name == QStringLiteral("Text1"))
        Cancel = Text1_Validate(Zahlen::CInt(Index.toDouble()));
}

// ---------------------------------------------------------------------------------------------
// Inputs

bool Form600::Absorberfläche_Validate()
{
    if (!m_daten)
        return false;
    GlobDatenSolar& d = *m_daten;
    const bool Cancel = d.m_Absorberflaeche.TextBoxInGlobDaten();
    // The area is held in whole m², as its column stores it.
    d.m_Absorberflaeche.m_Value = Zahlen::RundenGerade(d.m_Absorberflaeche.m_Value, 0);
    d.m_Absorberflaeche.GlobDatenInTextBox();
    // Follow-up whatever the check answered.
    d.m_VolAnlage.m_Value = d.Sum_Vol_Anlage();
    d.m_VolAnlage.GlobDatenInTextBox();
    d.AufbauAktuelleDruckstufungSiVentil();
    bool abbruch = false;
    PrüfeSicherheitsventil(abbruch);
    Vorgabe_Anzeige_Wasservorlage();
    ZeigeDampfvolumen();
    FlächeBearbeitet = false;
    return Cancel;
}

bool Form600::Text1_Validate(int Index)
{
    if (!m_daten || text1Index(Text1[static_cast<size_t>(std::clamp(Index, 0, 6))]) != Index)
        return false;
    GlobDatenSolar& d = *m_daten;
    conTextBoxAdodb* wert = nullptr;
    int stellen = -1;
    switch (Index) {
    case 1: wert = &d.m_FrostZusatz; stellen = 0; break;
    case 2: wert = &d.m_p_stat; stellen = 1; break;
    case 4: wert = &d.m_p_dyn; stellen = 1; break;
    case 5: wert = &d.m_p_SV; stellen = 1; break;
    default: wert = &d.m_Wasservorlage; break;
    }
    bool Cancel = wert->TextBoxInGlobDaten();
    // Held as the column keeps it (whole percent, pressures to 0.1 bar).
    if (stellen >= 0) {
        wert->m_Value = Zahlen::RundenGerade(wert->m_Value, stellen);
        wert->GlobDatenInTextBox();
    }
    if (Index == 2 || Index == 4 || Index == 5)
        PrüfeSicherheitsventil(Cancel);
    EingabeBearbeitet[static_cast<size_t>(Index)] = false;
    return Cancel;
}

void Form600::PrüfeSicherheitsventil(bool& abbruch)
{
    if (abbruch || !m_daten)
        return;
    GlobDatenSolar& d = *m_daten;
    d.BerechneDruckSicherheitsventil(true);
    d.m_p_SV.GlobDatenInTextBox();
    if (Zahlen::RundenGerade(d.m_p_SV.m_Value, 1) > höchsterDruckSV) {
        // The box keeps the computed value; the valve is held at its maximum.
        d.m_p_SV.m_Value = höchsterDruckSV;
        abbruch = true;
    }
}

void Form600::AnordnungMAG_Click(int Index)
{
    if (lädt() || !m_daten)
        return;
    GlobDatenSolar& d = *m_daten;
    d.m_AnordnungMAG.ButtonInGlobDaten(static_cast<int16_t>(Index));
    if (d.m_AnordnungMAG.m_Value != 0) {
        Text1[4]->setEnabled(true);
    } else {
        Text1[4]->setEnabled(false);
        d.m_p_dyn.m_Value = 0;
        d.m_p_dyn.GlobDatenInTextBox();
    }
    d.BerechneDruckSicherheitsventil(true);
    d.m_p_SV.GlobDatenInTextBox();
}

void Form600::Vorgabe_Anzeige_Wasservorlage()
{
    if (!m_daten)
        return;
    GlobDatenSolar& d = *m_daten;
    const double v = AufrundenStellen(d.m_VolAnlage.m_Value / 200.0, 1);
    if (v > d.m_Wasservorlage.m_Value) {
        d.m_Wasservorlage.m_Value = v;
        d.m_Wasservorlage.GlobDatenInTextBox();
    }
}

void Form600::ZeigeWasservorlageHinweis(bool anzeigen)
{
    if (!m_daten || !hauptfenster())
        return;
    const int o = zustand().Sprachoffset;
    if (!anzeigen) {
        mdi().SetzeInfoLabel(LadeText(o + 2145));
        return;
    }
    const double v = m_daten->m_VolAnlage.m_Value;
    float lo = Zahlen::CSng(AufrundenStellen(v / 200.0, 1));
    if (lo < kleinsteWasservorlage)
        lo = static_cast<float>(kleinsteWasservorlage);
    float hi = Zahlen::CSng(AufrundenStellen(v / 100.0, 1));
    if (hi < lo)
        hi = lo;
    const QString text = LadeText(o + (lo < hi ? 2140 : 2141));
    mdi().SetzeInfoLabel(FormatText(text, VbVariant::single(lo), VbVariant::single(hi)));
}

void Form600::ZeigeDampfvolumen()
{
    if (!m_daten)
        return;
    const GlobDatenSolar& d = *m_daten;
    const double dampf = Zahlen::RundenGerade(
        d.m_Absorberflaeche.m_Value * d.m_spezVolKollektoren.m_Value + d.m_VolRohreUeberKol.m_Value, 1);
    Label5[8]->setText(Zahlen::Format(dampf, QStringLiteral("###0.0")));
}

void Form600::ZeigeErgebnisse()
{
    GlobDatenSolar& d = *m_daten;
    for (conTextBoxAdodb* b : {&d.m_r_pVordruck, &d.m_r_panf, &d.m_r_pend, &d.m_r_af, &d.m_r_vaus, &d.m_r_vauf,
                               &d.m_r_pfak, &d.m_r_vges})
        b->GlobDatenInLabel();
}

void Form600::EingabenFreigeben(bool freigeben)
{
    for (QWidget* w : {static_cast<QWidget*>(Absorberfläche), static_cast<QWidget*>(Text1[1]),
                       static_cast<QWidget*>(Text1[2]), static_cast<QWidget*>(Text1[5]),
                       static_cast<QWidget*>(Text1[6]), static_cast<QWidget*>(AnordnungMAG[0]),
                       static_cast<QWidget*>(AnordnungMAG[1]), static_cast<QWidget*>(Command2)})
        w->setEnabled(freigeben);
    Text1[4]->setEnabled(freigeben && m_daten && m_daten->m_AnordnungMAG.m_Value != 0);
}

// ---------------------------------------------------------------------------------------------
// Buttons

void Form600::Command2_Click()
{
    if (!m_daten)
        return;
    auto* dialog = new Form600a(window());
    modaleForm = dialog;
    mdi().SaveKommandoButtons();
    mdi().Kommando(0, 0, 0);
    ZeigeModal(*dialog);
    mdi().LoadKommandoButtons();
    modaleForm = nullptr;
    delete dialog;
    if (!m_daten)
        return;
    m_daten->m_VolAnlage.m_Value = m_daten->Sum_Vol_Anlage();
    m_daten->m_VolAnlage.GlobDatenInTextBox();
    Vorgabe_Anzeige_Wasservorlage();
    ZeigeDampfvolumen();
}

void Form600::Command3_Click()
{
    if (!m_daten)
        return;
    GlobDatenSolar& d = *m_daten;
    const int o = zustand().Sprachoffset;
    auto nichtBerechnet = [&] {
        d.m_IstBerechnet.m_Value = VbVariant(false);
        Command3->setText(LadeText(o + 1102));
        EingabenFreigeben(true);
        d.m_IstAusgelegt.m_Value = VbVariant(false);
        mdi().Kommando(1, 1, 0);
    };
    const bool fehlt = d.m_Absorberflaeche.m_Value == 0 || d.m_VolRohre.m_Value == 0 || d.m_VolSolarWTGes.m_Value == 0;
    if (fehlt)
        Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2307));
    if (fehlt || d.m_IstBerechnet.m_Value.toBool()) {
        nichtBerechnet();
        return;
    }
    if (d.Rechnen_Solaranlage())
        zustand().NeuAuslegungErforderlich = true;
    ZeigeErgebnisse();
    d.m_p_SV.GlobDatenInTextBox();
    ZeigeDampfvolumen();
    if (d.m_p_SV.m_Value > höchsterDruckSV) {
        // No valve above 10 bar (the calculation said so): the result is not accepted.
        nichtBerechnet();
    } else if (Zahlen::RundenGerade(d.m_r_pfak.m_Value, 2) <= größterDruckfaktor) {
        d.m_IstBerechnet.m_Value = VbVariant(true);
        Command3->setText(LadeText(o + 1103));
        EingabenFreigeben(false);
        mdi().Kommando(1, 1, 1);
    } else {
        nichtBerechnet();
        Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2304), VbVariant::single(größterDruckfaktor));
    }
}
