#include "design/heating/forms/Form101.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include "design/heating/Anlagendaten.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Heizungsformen.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"

using Heizungsformen::px;

namespace {

constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int Gesamt = -2, Volumen = -1, Keins = -99;

// Inputs Text1(i): caption and unit text ids, format, bounds (Null: none), row top in twips.
struct Eingabe {
    int caption;
    int einheit;
    const char* format;
    VbVariant min;
    VbVariant max;
    int oben;
};

const Eingabe& eingabe(int i)
{
    static const std::array<Eingabe, 11> e = {{
        {329, 82, "#0", 10, 105, 3300},                                   // 0 flow temperature
        {330, 83, "##0", 0, 50, 3900},                                    // 1 antifreeze
        {332, 85, "#0.0", 0.5, 10.0, 4500},                               // 2 static pressure
        {328, 82, "#0", 5, 180, 3000},                                    // 3 primary temperature
        {333, 85, "#0.0", 0, 10.0, 4800},                                 // 4 dynamic pressure
        {334, 85, "#0.0", VbVariant::null(), VbVariant::null(), 5100},    // 5 valve pressure
        {338, 81, "##0", 3, 10000, 6480},                                 // 6 water reserve
        {331, 84, "##0.0", 0, 100, 4200},                                 // 7 building height
        {353, 82, "#0", 5, 100, 3600},                                    // 8 return temperature
        {354, 85, "#0.0", VbVariant::null(), VbVariant::null(), 5400},    // 9 set pressure
        {339, 85, "#0.0", -2.0, 2.0, 2700},                               // 10 end-pressure correction
    }};
    return e[static_cast<size_t>(i)];
}

// Results: caption id, format, unit id (0: none), row top.
struct Ergebnis {
    int caption;
    const char* format;
    int einheit;
    int oben;
};

constexpr std::array<Ergebnis, 8> ergebnisse = {{
    {341, "##0.0", 85, 2820},
    {342, "##0.00", 83, 3300},
    {343, "##0.0", 85, 3780},
    {344, "##0.0", 85, 4140},
    {345, "####0", 81, 4740},
    {346, "####0", 81, 5100},
    {347, "##0.00", 0, 5460},
    {348, "####0", 81, 5820},
}};

// Order of binding and of the Enter walk of the inputs.
constexpr std::array<int, 11> bindefolge = {3, 0, 8, 1, 7, 2, 4, 5, 9, 6, 10};

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

bool hostProjekt()
{
    const int a = zustand().AktProjektArtErstellung;
    return a == 1 || a == 2;
}

double ganzerGrad(double t)
{
    return Zahlen::RundenGerade(t, 0);
}

}  // namespace

Form101::Form101(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form101"));
    // Texts on the page contrast with the page, not with the main window's page area.
    setBackgroundRole(QPalette::Window);
    m_automatiklauf = true;
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

Form101::~Form101() = default;

void Form101::baue()
{
    QFont fett = font();
    fett.setBold(true);
    auto beobachten = [this](QWidget* w) { w->installEventFilter(this); };

    Titel = Heizungsformen::Beschriftung(this, QString(), 600, 480, 5000, 360);
    QFont titel = fett;
    titel.setPointSizeF(titel.pointSizeF() * 1.3);
    Titel->setFont(titel);
    Projektnummer = Heizungsformen::Beschriftung(this, QString(), 6720, 300, 3960);
    Projektbezeichnung = Heizungsformen::Beschriftung(this, QString(), 6720, 570, 3960);

    // Created in tab order: total output, system volume, the two dialog buttons, the vessel
    // arrangement, the inputs, the valve kind, the water reserve, calculate.
    gesamtwärmeleistungQText = Heizungsformen::Textfeld(this, QStringLiteral("gesamtwärmeleistungQText"), -1, 3240, 1320, 975);
    Analagevolumen = Heizungsformen::Textfeld(this, QStringLiteral("Analagevolumen"), -1, 3240, 1800, 975);
    beobachten(gesamtwärmeleistungQText);
    beobachten(Analagevolumen);
    auto knopf = [this, &beobachten](const char* name, int y, QStyle::StandardPixmap bild) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromUtf8(name));
        k->setGeometry(px(4800), px(y), px(375), px(375));
        k->setIcon(style()->standardIcon(bild));
        k->setFocusPolicy(Qt::TabFocus);
        beobachten(k);
        return k;
    };
    Command1 = knopf("Command1", 1270, QStyle::SP_FileDialogDetailedView);
    Command2 = knopf("Command2", 1750, QStyle::SP_FileDialogContentsView);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (EingabeÜbernehmen())
            WärmeerzeugerDialog();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (EingabeÜbernehmen())
            VerbraucherDialog();
    });

    auto gruppe = [this, &beobachten](int nr, int y, std::array<QRadioButton*, 2>& optionen, const char* name) {
        auto* f = new QGroupBox(this);
        f->setObjectName(QStringLiteral("Frame2"));
        f->setGeometry(px(600), px(y), px(4320), px(600));
        Frame2[static_cast<size_t>(nr)] = f;
        for (int i = 0; i < 2; ++i) {
            auto* o = new QRadioButton(f);
            o->setObjectName(QString::fromUtf8(name));
            Steuerelemente::setzeIndex(o, i);
            o->setGeometry(px(i == 0 ? 150 : 2280), px(240), px(i == 0 ? 2100 : 1980), px(300));
            beobachten(o);
            optionen[static_cast<size_t>(i)] = o;
        }
    };
    gruppe(0, 2330, AnordnungMAG, "AnordnungMAG");
    for (int i = 0; i < 2; ++i) {
        connect(AnordnungMAG[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this, i] { AnordnungMAG_Click(i); });
    }

    for (int i : {10, 3, 0, 8, 1, 7, 2, 4, 5, 9}) {
        const Eingabe& e = eingabe(i);
        Label3[static_cast<size_t>(i)] = Heizungsformen::Beschriftung(this, QString(), 480, e.oben, 2700);
        Text1[static_cast<size_t>(i)] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), i, 3240, e.oben, 1215);
        Label4[static_cast<size_t>(i)] = Heizungsformen::Beschriftung(this, QString(), 4560, e.oben, 700);
        beobachten(Text1[static_cast<size_t>(i)]);
    }
    gruppe(1, 5760, AusfuehrungSV, "AusfuehrungSV");
    for (int i = 0; i < 2; ++i) {
        connect(AusfuehrungSV[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this, i] { AusfuehrungSV_Click(i); });
    }
    {
        const Eingabe& e = eingabe(6);
        Label3[6] = Heizungsformen::Beschriftung(this, QString(), 480, e.oben, 2700);
        Text1[6] = Heizungsformen::Textfeld(this, QStringLiteral("Text1"), 6, 3240, e.oben, 1215);
        Label4[6] = Heizungsformen::Beschriftung(this, QString(), 4560, e.oben, 700);
        beobachten(Text1[6]);
    }

    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(px(7920), px(6240), px(1935), px(375));
    Command3->setFocusPolicy(Qt::TabFocus);
    beobachten(Command3);
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (!EingabeÜbernehmen())
            return;
        ZeigeHinweis(0);
        BerechnenVerändern();
    });

    // Captions of the two dialog buttons, results.
    Heizungsformen::Beschriftung(this, text(323), 5280, 1320, 4800)->setObjectName(QStringLiteral("Label2"));
    Heizungsformen::Beschriftung(this, text(324), 5280, 1800, 4800)->setObjectName(QStringLiteral("Label2"));
    Heizungsformen::Beschriftung(this, text(321), 480, 1320, 2700);
    Heizungsformen::Beschriftung(this, text(80), 4320, 1320, 450);
    Heizungsformen::Beschriftung(this, text(322), 480, 1800, 2700);
    Heizungsformen::Beschriftung(this, text(81), 4320, 1800, 450);
    Heizungsformen::Beschriftung(this, text(340), 5880, 2400, 3000)->setFont(fett);
    for (size_t i = 0; i < ergebnisse.size(); ++i) {
        const Ergebnis& r = ergebnisse[i];
        Label6[i] = Heizungsformen::Beschriftung(this, text(r.caption), 5880, r.oben, 2600);
        Label5[i] = Heizungsformen::Beschriftung(this, QString(), 8520, r.oben, 1305);
        Label5[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label5[i]->setObjectName(QStringLiteral("Label5"));
        Heizungsformen::Ergebnisfarbe(Label5[i]);
        Label7[i] = Heizungsformen::Beschriftung(this, r.einheit ? text(r.einheit) : QString(), 9960, r.oben, 700);
    }
    Fussnote = Heizungsformen::Beschriftung(this, QStringLiteral("*)   optional"), 720, 6780, 3000);
}

conTextBoxAdodb* Form101::Wert(int index) const
{
    if (!m_h)
        return nullptr;
    GlobDatenHeizung& h = *m_h;
    switch (index) {
    case Gesamt: return &h.m_Leist_ges;
    case Volumen: return &h.m_VolAnlage;
    case 0: return &h.m_Temp_V;
    case 1: return &h.m_FrostZusatz;
    case 2: return &h.m_p_stat;
    case 3: return &h.m_Primärtemp;
    case 4: return &h.m_p_dyn;
    case 5: return &h.m_p_SV;
    case 6: return &h.m_Wasservorlage;
    case 7: return &h.m_GebäudeHöhe;
    case 8: return &h.m_Temp_R;
    case 9: return &h.m_p_soll;
    case 10: return &h.m_p_Extra;
    default: return nullptr;
    }
}

int Form101::indexVon(const QObject* o) const
{
    if (o == gesamtwärmeleistungQText)
        return Gesamt;
    if (o == Analagevolumen)
        return Volumen;
    for (int i = 0; i < 11; ++i)
        if (o == Text1[static_cast<size_t>(i)])
            return i;
    return Keins;
}

void Form101::FormLoad()
{
    Programmzustand& z = zustand();
    m_hostAbbruch = false;
    m_h = HalteDatenobjekt(z.g_heizdat);
    if (!m_h) {
        Ladefehler();
        return;
    }
    GlobDatenHeizung& h = *m_h;

    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    Titel->setText(text(320));
    Projektnummer->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Projektbezeichnung->setText(z.aktProjektBezeichnung);
    Frame2[0]->setTitle(text(325));
    AnordnungMAG[0]->setText(text(326));
    AnordnungMAG[1]->setText(text(327));
    Frame2[1]->setTitle(text(335));
    AusfuehrungSV[0]->setText(text(336));
    AusfuehrungSV[1]->setText(text(337));
    for (int i = 0; i < 11; ++i) {
        Label3[static_cast<size_t>(i)]->setText(text(eingabe(i).caption));
        Label4[static_cast<size_t>(i)]->setText(text(eingabe(i).einheit));
    }
    Command3->setText(text(350));
    for (QWidget* w : {static_cast<QWidget*>(Text1[10]), static_cast<QWidget*>(Label3[10]),
                       static_cast<QWidget*>(Label4[10]), static_cast<QWidget*>(Fussnote)})
        w->hide();

    h.m_AnordnungMAG.BindOptionButton(Optionsgruppe({AnordnungMAG[0], AnordnungMAG[1]}));
    h.m_AusfuehrSV.BindOptionButton(Optionsgruppe({AusfuehrungSV[0], AusfuehrungSV[1]}));
    h.m_Leist_ges.BindTextBox(Heizungsformen::Bindung(gesamtwärmeleistungQText), QStringLiteral("####0"), 0, 20000);
    h.m_VolAnlage.BindTextBox(Heizungsformen::Bindung(Analagevolumen), QStringLiteral("####0"), 0, 1000000);
    for (int i : bindefolge) {
        const Eingabe& e = eingabe(i);
        Wert(i)->BindTextBox(Heizungsformen::Bindung(Text1[static_cast<size_t>(i)]), QString::fromUtf8(e.format), e.min,
                             e.max);
    }
    conTextBoxAdodb* erg[] = {&h.m_r_psatt, &h.m_r_af,   &h.m_r_pVordruck, &h.m_r_pend,
                              &h.m_r_vaus,  &h.m_r_vauf, &h.m_r_pfak,      &h.m_r_vges};
    for (size_t i = 0; i < ergebnisse.size(); ++i)
        erg[i]->BindTextBox(Heizungsformen::Bindung(Label5[i]), QString::fromUtf8(ergebnisse[i].format),
                            VbVariant::null(), VbVariant::null());

    if (z.TyvoModus == 1 || z.TyvoModus == 2) {
        const Anlagendaten::Übernahme ü = Anlagendaten::TyvoAnlagendatenÜbernehmen(
            h, z.TyvoDaten, z.TyvoLetzterWE, z.TyvoAnzahlWE,
            [this] {
                bool Cancel = false;
                PrüfeDruckSicherheitsventil(Cancel, false);
            },
            [this] { Vorgabe_Anzeige_Wasservorlage(); });
        if (ü.fehler) {
            m_hostAbbruch = true;
            Anlagendaten::TyvoAbbruchMelden(ü.grund);
        }
    }

    h.m_AnordnungMAG.GlobDatenInButton();
    h.m_AusfuehrSV.GlobDatenInButton();
    h.m_Leist_ges.GlobDatenInTextBox();
    h.m_VolAnlage.GlobDatenInTextBox();

    if (h.m_Beheiz.m_Value == 1) {
        const double t = ganzerGrad(h.m_Temp_V.m_Value);
        if (t + 5 > h.m_Primärtemp.m_Value) {
            h.m_Primärtemp.m_Value = t + 5;
            if (h.m_Primärtemp.m_Value > 180) {
                h.m_Primärtemp.m_Value = 180;
                h.m_Temp_V.m_Value = 175;
            }
        }
        h.m_Primärtemp.GlobDatenInTextBox();
    }
    if (h.m_Temp_R.m_Value > h.m_Temp_V.m_Value)
        h.m_Temp_R.m_Value = h.m_Temp_V.m_Value;
    for (int i : {0, 8, 1, 7, 2, 4, 5, 9, 6, 10})
        Wert(i)->GlobDatenInTextBox();
    for (conTextBoxAdodb* r : erg)
        r->GlobDatenInLabel();

    const bool indirekt = h.m_Beheiz.m_Value == 1;
    const bool dach = h.m_Anlage.m_Value == 1;
    Text1[3]->setVisible(indirekt);
    Label3[3]->setVisible(indirekt);
    Label4[3]->setVisible(indirekt);
    Text1[7]->setVisible(dach);
    Label3[7]->setVisible(dach);
    Label4[7]->setVisible(dach);

    const double psvVorher = h.m_p_SV.m_Value;
    bool Cancel = false;
    PrüfeDruckSicherheitsventil(Cancel, true);
    if (h.m_p_SV.m_Value > psvVorher)
        h.m_IstBerechnet.m_Value = false;

    m_neuesProjekt = z.NeuesProjekt;
    BegrenzeSolldruck();
    Command3->setText(text(h.m_IstBerechnet.m_Value.toBool() ? 351 : 350));
    MoveFocusEinrichten(true);
}

void Form101::FormActivate()
{
    if (!m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    if (m_hostAbbruch) {
        SetzeEingabenFreigabe(!h.m_IstBerechnet.m_Value.toBool());
        mdi().Beenden();
        return;
    }
    ZeigeHinweis(0);
    mdi().Kommando(1, 1, h.m_IstBerechnet.m_Value.toBool() ? 1 : 0);
    const Programmzustand& z = zustand();
    if (z.Automatiklauf && !z.Meldungsflag) {
        h.m_IstBerechnet.m_Value = false;
        BerechnenVerändern();
    }
    SetzeEingabenFreigabe(!h.m_IstBerechnet.m_Value.toBool());
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form101::FormUnload()
{
    if (m_h) {
        GlobDatenHeizung& h = *m_h;
        // What is being typed into a box is taken over before the page goes.
        if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f) && indexVon(f) != Keins && f->isEnabled()) {
            bool Cancel = false;
            PrüfeGeändert(static_cast<QLineEdit*>(f), Cancel);
        }
        h.m_AnordnungMAG.UnBindOptionButton();
        h.m_AusfuehrSV.UnBindOptionButton();
        for (int i = Gesamt; i <= 10; ++i)
            Wert(i)->UnBindTextBox();
        for (conTextBoxAdodb* r : {&h.m_r_psatt, &h.m_r_af, &h.m_r_pVordruck, &h.m_r_pend, &h.m_r_vaus, &h.m_r_vauf,
                                   &h.m_r_pfak, &h.m_r_vges})
            r->UnBindTextBox();
    }
    m_h = nullptr;
    zustand().NeuesProjekt = false;
}

void Form101::FormKeyPress(int& KeyAscii)
{
    Seitenform::FormKeyPress(KeyAscii);
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}

void Form101::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (!m_h)
        return;
    if (name == QStringLiteral("gesamtwärmeleistungQText"))
        Prüfe(gesamtwärmeleistungQText, Cancel);
    else if (name == QStringLiteral("Analagevolumen"))
        Prüfe(Analagevolumen, Cancel);
    else if (name == QStringLiteral("Text1") && !Index.isNull() && !Index.isEmpty()) {
        const int i = Zahlen::CInt(Index.toDouble());
        if (i >= 0 && i <= 10)
            Prüfe(Text1[static_cast<size_t>(i)], Cancel);
    }
}

void Form101::Validate(QWidget* steuerelement, bool& Cancel)
{
    if (m_h && indexVon(steuerelement) != Keins)
        PrüfeGeändert(static_cast<QLineEdit*>(steuerelement), Cancel);
}

void Form101::PrüfeGeändert(QLineEdit* feld, bool& Cancel)
{
    if (const conTextBoxAdodb* wert = Wert(indexVon(feld)); wert && wert->ZeigtWert())
        return;
    Prüfe(feld, Cancel);
}

void Form101::Prüfe(QLineEdit* feld, bool& Cancel)
{
    GlobDatenHeizung& h = *m_h;
    const int i = indexVon(feld);
    conTextBoxAdodb* wert = Wert(i);
    if (!wert)
        return;
    switch (i) {
    case Gesamt:
        Cancel = wert->TextBoxInGlobDaten();
        break;
    case Volumen:
        Cancel = wert->TextBoxInGlobDaten();
        Vorgabe_Anzeige_Wasservorlage();
        break;
    case 0: {
        const double alt = ganzerGrad(h.m_Temp_V.m_Value);
        Cancel = wert->TextBoxInGlobDaten();
        if (!Cancel) {
            if (h.m_Temp_V.m_Value != alt) {
                h.m_Temp_R.m_Value = Anlagendaten::RücklaufNachVorlauf(h.m_Temp_V.m_Value);
                h.m_Temp_R.GlobDatenInTextBox();
            }
            if (h.m_Beheiz.m_Value == 1) {
                const double t = ganzerGrad(h.m_Temp_V.m_Value);
                if (t + 5 > h.m_Primärtemp.m_Value) {
                    h.m_Primärtemp.m_Value = t + 5;
                    if (h.m_Primärtemp.m_Value > 180) {
                        h.m_Primärtemp.m_Value = 180;
                        h.m_Temp_V.m_Value = 175;
                        h.m_Temp_V.GlobDatenInTextBox();
                    }
                }
                h.m_Primärtemp.GlobDatenInTextBox();
            }
            if (h.m_Temp_R.m_Value > h.m_Temp_V.m_Value) {
                h.m_Temp_R.m_Value = h.m_Temp_V.m_Value;
                h.m_Temp_R.GlobDatenInTextBox();
            }
            AktualisiereVerbraucherinhalt();
        }
        PrüfeDruckSicherheitsventil(Cancel, true);
        Vorgabe_Anzeige_Wasservorlage();
        break;
    }
    case 1:
        Cancel = wert->TextBoxInGlobDaten();
        Vorgabe_Anzeige_Wasservorlage();
        break;
    case 2: case 4: case 5: case 10:
        Cancel = wert->TextBoxInGlobDaten();
        PrüfeDruckSicherheitsventil(Cancel, true);
        break;
    case 3:
        Cancel = wert->TextBoxInGlobDaten();
        if (!Cancel) {
            if (ganzerGrad(h.m_Temp_V.m_Value) + 5 > h.m_Primärtemp.m_Value) {
                h.m_Temp_V.m_Value = h.m_Primärtemp.m_Value - 5;
                if (h.m_Temp_R.m_Value > h.m_Temp_V.m_Value) {
                    h.m_Temp_R.m_Value = h.m_Temp_V.m_Value;
                    h.m_Temp_R.GlobDatenInTextBox();
                }
            }
            h.m_Temp_V.GlobDatenInTextBox();
        }
        break;
    case 6: case 7:
        Cancel = wert->TextBoxInGlobDaten();
        break;
    case 8:
        Cancel = wert->TextBoxInGlobDaten();
        if (!Cancel && h.m_Temp_R.m_Value > h.m_Temp_V.m_Value) {
            h.m_Temp_R.m_Value = h.m_Temp_V.m_Value;
            h.m_Temp_R.GlobDatenInTextBox();
        }
        break;
    case 9:
        Cancel = wert->TextBoxInGlobDaten();
        m_neuesProjekt = false;
        break;
    default:
        break;
    }
}

void Form101::PrüfeDruckSicherheitsventil(bool& Cancel, bool mitMeldung)
{
    if (Cancel || !m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    const int artVorher = h.m_AusfuehrSV.m_Value;
    const bool nurVollhub = h.BerechneDruckSicherheitsventil(mitMeldung);
    h.m_p_SV.GlobDatenInTextBox();
    if (BegrenzeSicherheitsventil())
        Cancel = true;
    BegrenzeSolldruck();
    NachSicherheitsventil(nurVollhub, artVorher);
}

void Form101::NachSicherheitsventil(bool nurVollhub, int artVorher)
{
    GlobDatenHeizung& h = *m_h;
    if (!h.m_IstBerechnet.m_Value.toBool())
        AusfuehrungSV[0]->setEnabled(!nurVollhub);
    // The calculation chose the full-lift valve: the page acts as on the user's choice, once.
    if (h.m_AusfuehrSV.m_Value != artVorher && !lädt() && !m_inSVWahl) {
        m_inSVWahl = true;
        AusfuehrungSV_Click(h.m_AusfuehrSV.m_Value);
        m_inSVWahl = false;
    }
}

bool Form101::BegrenzeSicherheitsventil()
{
    if (Zahlen::RundenGerade(m_h->m_p_SV.m_Value, 1) <= 10.0)
        return false;
    m_h->m_p_SV.m_Value = 10.0;
    return true;
}

void Form101::BegrenzeSolldruck()
{
    if (!m_h)
        return;
    if (Anlagendaten::BegrenzeSolldruck(*m_h, m_neuesProjekt) || m_neuesProjekt)
        m_h->m_p_soll.GlobDatenInTextBox();
}

void Form101::Vorgabe_Anzeige_Wasservorlage()
{
    if (m_h && Anlagendaten::WasservorlageAnheben(*m_h))
        m_h->m_Wasservorlage.GlobDatenInTextBox();
}

void Form101::AktualisiereVerbraucherinhalt()
{
    GlobDatenHeizung& h = *m_h;
    if (h.m_V_Summe.m_Value > 0) {
        h.Berechne_EinzelVol_Verbraucher();
        h.Sum_V_Verbraucher();
        h.m_VolAnlage.GlobDatenInTextBox();
    }
}

void Form101::SetzeEingabenFreigabe(bool freigeben)
{
    if (!m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    QList<QWidget*> alle = {gesamtwärmeleistungQText, Analagevolumen, AnordnungMAG[0], AnordnungMAG[1],
                            AusfuehrungSV[0], AusfuehrungSV[1], Command1, Command2};
    for (QLineEdit* t : Text1)
        alle << t;
    if (!freigeben) {
        for (QWidget* w : alle)
            w->setEnabled(false);
        return;
    }
    for (QWidget* w : alle)
        w->setEnabled(true);
    gesamtwärmeleistungQText->setEnabled(h.m_Sicherung.m_Value == 0 && h.Sum_Waermeleistung() <= 0);
    Analagevolumen->setEnabled(!(h.m_V_Summe.m_Value > 0) && !(h.m_V_Fernleit.m_Value > 0));
    Text1[4]->setEnabled(h.m_AnordnungMAG.m_Value != 0);
    AusfuehrungSV[0]->setEnabled(h.m_p_SV.m_Value <= 3);
    if (hostProjekt()) {
        QList<QWidget*> gesperrt = {gesamtwärmeleistungQText, Analagevolumen, AnordnungMAG[0], AnordnungMAG[1],
                                    Command1, Command2};
        for (int i : {4, 10, 5, 2, 7, 1, 8, 0, 3})
            gesperrt << Text1[static_cast<size_t>(i)];
        for (QWidget* w : gesperrt)
            w->setEnabled(false);
    }
}

void Form101::ZeigeHinweis(int art)
{
    if (m_h && hauptfenster())
        mdi().SetzeInfoLabel(Anlagendaten::Hinweis(*m_h, art));
}

void Form101::AnordnungMAG_Click(int index)
{
    if (lädt() || !m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    h.m_AnordnungMAG.ButtonInGlobDaten(static_cast<int16_t>(index));
    if (h.m_AnordnungMAG.m_Value != 0) {
        Text1[4]->setEnabled(true);
    } else {
        Text1[4]->setEnabled(false);
        h.m_p_dyn.m_Value = 0;
        h.m_p_dyn.GlobDatenInTextBox();
    }
    const int artVorher = h.m_AusfuehrSV.m_Value;
    const bool n = h.BerechneDruckSicherheitsventil(true);
    h.m_p_SV.GlobDatenInTextBox();
    BegrenzeSicherheitsventil();
    BegrenzeSolldruck();
    NachSicherheitsventil(n, artVorher);
}

void Form101::AusfuehrungSV_Click(int index)
{
    if (lädt() || !m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    h.m_AusfuehrSV.ButtonInGlobDaten(static_cast<int16_t>(index));
    const int artVorher = h.m_AusfuehrSV.m_Value;
    // Messages of the valve were shown by the run that switched the kind.
    const bool n = h.BerechneDruckSicherheitsventil(!m_inSVWahl);
    h.m_p_SV.GlobDatenInTextBox();
    BegrenzeSicherheitsventil();
    BegrenzeSolldruck();
    NachSicherheitsventil(n, artVorher);
}

void Form101::BerechnenVerändern()
{
    if (!m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    Programmzustand& z = zustand();
    if (h.m_IstBerechnet.m_Value.toBool()) {
        h.m_IstBerechnet.m_Value = false;
        Command3->setText(text(350));
        SetzeEingabenFreigabe(true);
        h.m_IstAusgelegt.m_Value = false;
        mdi().Kommando(1, 1, 0);
        return;
    }
    if (const int16_t nr = Anlagendaten::WärmeerzeugerOhneInhalt(h)) {
        Meldung(Meldungsart::Anwendungsfehler, text(2306), VbVariant(nr));
        WärmeerzeugerDialog();
        return;
    }
    if (h.Rechnen_Heizung())
        z.NeuAuslegungErforderlich = true;
    for (conTextBoxAdodb* r : {&h.m_r_psatt, &h.m_r_af, &h.m_r_pVordruck, &h.m_r_pend, &h.m_r_vaus, &h.m_r_vauf,
                               &h.m_r_pfak, &h.m_r_vges})
        r->GlobDatenInLabel();
    h.m_p_SV.GlobDatenInTextBox();
    h.m_p_soll.GlobDatenInTextBox();
    h.m_IstBerechnet.m_Value = true;
    Command3->setText(text(351));
    if (hauptfenster())
        mdi().SetzeInfoLabel(text(2145));
    SetzeEingabenFreigabe(false);
    mdi().Kommando(1, 1, 1);
}

void Form101::ZeigeDialog(QDialog& dialog)
{
    mdi().SaveKommandoButtons();
    mdi().Kommando(0, 0, 0);
    Heizungsformen::modalZeigen()(dialog);
    mdi().LoadKommandoButtons();
}

void Form101::WärmeerzeugerDialog()
{
    Form101a dialog(window());
    ZeigeDialog(dialog);
}

void Form101::VerbraucherDialog()
{
    Form101b dialog(window());
    ZeigeDialog(dialog);
}

bool Form101::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && m_h) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            // After the check of the box that is left, so that the hint shows its result.
            const int i = indexVon(o);
            auto* w = static_cast<QWidget*>(o);
            QTimer::singleShot(0, w, [this, w, i] {
                if (!m_h || !w->hasFocus())
                    return;
                if (i != Keins)
                    static_cast<QLineEdit*>(w)->selectAll();
                ZeigeHinweis(i == 6 ? 1 : i == 9 ? 2 : 0);
            });
        }
    } else if (e->type() == QEvent::FocusOut && m_h && istGeladen() && !istEntladen()) {
        // Leaving the page's boxes for the main window: the check runs once more, its Cancel
        // cannot keep the focus.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        const int i = indexVon(o);
        QWidget* neu = QApplication::focusWidget();
        if (i != Keins && grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason
            && !(neu && isAncestorOf(neu)) && static_cast<QWidget*>(o)->isEnabled()) {
            bool Cancel = false;
            PrüfeGeändert(static_cast<QLineEdit*>(o), Cancel);
        }
    }
    return Seitenform::eventFilter(o, e);
}

void Form101::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (!m_hintergrund.isNull())
        p.drawImage(rect(), m_hintergrund);
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    p.drawLine(px(6720), px(840), px(10680), px(840));
    p.drawLine(px(480), px(2280), px(10440), px(2280));
    p.drawLine(px(5280), px(2400), px(5280), px(6600));
    Seitenform::paintEvent(e);
}
