#include "design/storage_heater/forms/Form502.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "data/GlobDaten.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Speicherabfrage.h"
#include "design/storage_heater/forms/Form502a.h"

namespace {

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int Links = 240, WertLinks = 2300, EinheitLinks = 3400, Höhe = 285;
constexpr int GruppenLinks = 4300, GruppenSpalte = 3300, GruppenOben = 1700, GruppenAbstand = 620, KnopfHöhe = 500;
constexpr int ErgebnisOben = 4500, ErgebnisRechts = 5700;
constexpr float MaxBedarfskennzahl = 300.0f;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

QString hotline()
{
    const Programmzustand& z = zustand();
    return LadeText(3020 + z.Sprachoffset + z.Länderoffset);
}

const QString KeinArtikel = QStringLiteral(" ");

}  // namespace

Form502::Form502(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form502"));
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

Form502::~Form502() = default;

datenbank* Form502::GefaesseDB() const
{
    return m_abfrage ? &m_abfrage->Tankdaten() : nullptr;
}

void Form502::baue()
{
    auto label = [this](const char* name, int i, int x, int y, int breite) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromUtf8(name));
        Steuerelemente::setzeIndex(l, i);
        l->setGeometry(px(x), px(y), px(breite), px(Höhe));
        return l;
    };
    auto l1 = [&](int i, int x, int y, int b) { return Label1[static_cast<size_t>(i)] = label("Label1", i, x, y, b); };
    auto l2 = [&](int i, int x, int y, int b) { return Label2[static_cast<size_t>(i)] = label("Label2", i, x, y, b); };
    auto l6 = [&](int i, int x, int y, int b) { return Label6[static_cast<size_t>(i)] = label("Label6", i, x, y, b); };
    auto l7 = [&](int i, int x, int y, int b) { return Label7[static_cast<size_t>(i)] = label("Label7", i, x, y, b); };
    QFont fett = font();
    fett.setBold(true);
    auto abschnitt = [&](int i, int x, int y, int b) { l1(i, x, y, b)->setFont(fett); };

    l1(0, Links, 120, 4400);
    l1(2, Links, 380, 4400);
    QLabel* titel = l1(11, Links, 720, 6000);
    QFont groß = fett;
    groß.setPointSizeF(groß.pointSizeF() * 1.2);
    titel->setFont(groß);
    titel->resize(titel->width(), px(360));
    titel->setStyleSheet(QStringLiteral("color: #0000c0;"));

    // Demand and temperatures (left column); the inputs are made in their tab order.
    abschnitt(3, Links, 1200, 4000);
    l2(0, Links, 1500, 2000);
    Label4_0 = label("Label4", 0, WertLinks, 1500, 1000);
    Label4_0->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    abschnitt(4, Links, 1900, 4000);
    auto combo = [this](const char* name, int y) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromUtf8(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        c->setGeometry(px(WertLinks), px(y), px(1000), px(315));
        c->setStyleSheet(QStringLiteral("QComboBox { background-color: #ffffe0; }"));
        c->installEventFilter(this);
        connect(c->lineEdit(), &QLineEdit::textEdited, this, [this, c] { ComboGeändert(c); });
        return c;
    };
    l2(1, Links, 2215, 2000);
    ComboSpeicherTemp = combo("ComboSpeicherTemp", 2200);
    l2(3, EinheitLinks, 2215, 600);
    l2(2, Links, 2615, 2000);
    ComboVorlaufTemp = combo("ComboVorlaufTemp", 2600);
    l2(8, EinheitLinks, 2615, 600);

    abschnitt(5, Links, 3050, 4000);
    auto textBox = [this](int i, int x, int y, int breite) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("Text1"));
        Steuerelemente::setzeIndex(t, i);
        t->setGeometry(px(x), px(y), px(breite), px(315));
        t->setAlignment(Qt::AlignRight);
        t->setStyleSheet(QStringLiteral("QLineEdit { background-color: #ffffe0; }"));
        t->installEventFilter(this);
        // Only typing clears the choice; text the program sets does not.
        connect(t, &QLineEdit::textEdited, this, [this, i] {
            if (m_LadeModus || lädt() || !m_TextFokus[static_cast<size_t>(i)])
                return;
            LöscheBehälterauswahl(i != 3);
            Anzeige_Behälter(false);
        });
        Text1[static_cast<size_t>(i)] = t;
        return t;
    };
    l2(4, Links, 3365, 2000);
    textBox(0, WertLinks, 3350, 1000);
    l2(11, EinheitLinks, 3365, 600);
    l2(5, Links, 3765, 2000);
    textBox(1, WertLinks, 3750, 1000);
    l2(12, EinheitLinks, 3765, 600);

    // The chosen tank set (bottom).
    abschnitt(7, Links, ErgebnisOben, 4000);
    l1(8, Links, ErgebnisOben + 415, 1000);
    textBox(3, Links + 1000, ErgebnisOben + 400, 600);
    l6(2, Links + 1800, ErgebnisOben + 415, 3600);
    l2(6, Links, ErgebnisOben + 815, 1500);
    l6(0, Links + 1500, ErgebnisOben + 815, 800)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l2(13, Links + 2400, ErgebnisOben + 815, 800);
    l2(7, Links, ErgebnisOben + 1215, 1500);
    l6(1, Links + 1500, ErgebnisOben + 1215, 3500);
    l6(3, Links + 4600, ErgebnisOben + 815, 400)->setVisible(false);
    const int werte[3] = {3, 4, 5};
    for (int k = 0; k < 3; ++k) {
        const int y = ErgebnisOben + 415 + k * 400;
        l7(werte[k], ErgebnisRechts, y, 2200);
        l7(k, ErgebnisRechts + 2200, y, 1000)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (k > 0)
            l7(k + 5, ErgebnisRechts + 3300, y, 700);
    }

    // The group rows: 0 to 3 in the left column, 4 to 7 in the right one.
    abschnitt(6, GruppenLinks, 1200, 5000);
    for (int k = 0; k < 8; ++k) {
        const int x = GruppenLinks + (k / 4) * GruppenSpalte;
        const int y = GruppenOben + (k % 4) * GruppenAbstand;
        auto* c1 = new QPushButton(this);
        c1->setObjectName(QStringLiteral("Command1"));
        Steuerelemente::setzeIndex(c1, k);
        c1->setGeometry(px(x), px(y), px(480), px(KnopfHöhe));
        c1->setAutoDefault(false);
        connect(c1, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
        Command1[static_cast<size_t>(k)] = c1;
        auto* c2 = new QToolButton(this);
        c2->setObjectName(QStringLiteral("Command2"));
        Steuerelemente::setzeIndex(c2, k);
        c2->setGeometry(px(x + 510), px(y), px(420), px(KnopfHöhe));
        c2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
        c2->setFocusPolicy(Qt::StrongFocus);
        connect(c2, &QToolButton::clicked, this, [this, k] { Command2_Click(k); });
        Command2[static_cast<size_t>(k)] = c2;
        QLabel* l = Label3[static_cast<size_t>(k)] = label("Label3", k, x + 990, y, GruppenSpalte - 1000);
        l->resize(l->width(), px(KnopfHöhe));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont klein = l->font();
        klein.setPointSizeF(klein.pointSizeF() * 0.85);
        l->setFont(klein);
    }

    // Separating lines.
    auto linie = [this](const char* name, int i, int x, int y, int b, int h, QFrame::Shape form) {
        auto* f = new QFrame(this);
        f->setObjectName(QString::fromUtf8(name));
        if (i >= 0)
            Steuerelemente::setzeIndex(f, i);
        f->setFrameShape(form);
        f->setFrameShadow(QFrame::Sunken);
        f->setGeometry(px(x), px(y), px(b), px(h));
    };
    linie("Line1", -1, Links, 1100, SeiteBreite - 2 * Links, 30, QFrame::HLine);
    linie("Line2", 0, GruppenLinks - 150, 1200, 30, 3100, QFrame::VLine);
    linie("Line2", 1, Links, ErgebnisOben - 150, SeiteBreite - 2 * Links, 30, QFrame::HLine);

    Image1_2 = new QLabel(this);
    Image1_2->setObjectName(QStringLiteral("Image1"));
    Steuerelemente::setzeIndex(Image1_2, 2);
}

// ---------------------------------------------------------------------------------------------
// Life of the page

void Form502::FormLoad()
{
    Programmzustand& z = zustand();
    m_LadeModus = true;
    const QImage logo = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1_2->setPixmap(QPixmap::fromImage(logo));
    Image1_2->setGeometry(px(SeiteBreite - 240) - logo.width(), px(60), logo.width(), logo.height());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));

    const int captions1[][2] = {{11, 1030}, {3, 1031}, {4, 1033}, {5, 1036}, {7, 1039}, {6, 1043}, {8, 1044}};
    for (const auto& c : captions1)
        Label1[static_cast<size_t>(c[0])]->setText(text(c[1]));
    const int captions2[][2] = {{0, 1032}, {1, 1034}, {2, 1035}, {4, 1037}, {5, 1038}, {6, 1045}, {7, 1046},
                                {3, 82},   {8, 82},   {11, 86},  {12, 86},  {13, 81}};
    for (const auto& c : captions2)
        Label2[static_cast<size_t>(c[0])]->setText(text(c[1]));
    const int captions7[][2] = {{3, 1040}, {4, 1041}, {5, 1042}, {6, 80}, {7, 90}};
    for (const auto& c : captions7)
        Label7[static_cast<size_t>(c[0])]->setText(text(c[1]));

    m_Speicherdaten = dynamic_cast<GlobDatenSpeicher*>(HalteDatenobjekt(mdi().Datenobjekt(z.Projektart)));
    if (!m_Speicherdaten) {
        Ladefehler();
        return;
    }
    m_Speicherdaten->Rechnen_SpeicherWasserwärmer();

    GruppenDB = std::make_unique<datenbank>();
    if (GruppenDB->OpenTab(z.Artikel_Data_Source, QStringLiteral("Select * From [Gruppen MAG]"), 3,
                           Kennwort::Artikeldatenbank, true)
        != 0) {
        Ladefehler();
        return;
    }
    m_abfrage = std::make_unique<Speicherabfrage>(*m_Speicherdaten);
    if (m_abfrage->Tankdaten().OpenTab(
            z.Artikel_Data_Source,
            QStringLiteral("Select *FROM Speicher_Maße LEFT JOIN Speicher_Typen ON (Speicher_Maße.[Art Gruppe] = "
                           "Speicher_Typen.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = Speicher_Typen.[Nenninhalt])"),
            3, Kennwort::Artikeldatenbank, true)
        != 0) {
        Ladefehler();
        return;
    }

    Label1[0]->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Label1[2]->setText(z.aktProjektBezeichnung);

    GlobDatenSpeicher& d = *m_Speicherdaten;
    d.m_EinbringBreite.BindTextBox(Steuerelement(Text1[0]), QStringLiteral("####0"), VbVariant(300), VbVariant(10000));
    d.m_EinbringHoehe.BindTextBox(Steuerelement(Text1[1]), QStringLiteral("####0"), VbVariant(500), VbVariant(10000));
    d.m_GefaessAnzahl.BindTextBox(Steuerelement(Text1[3]), QStringLiteral("##0"), VbVariant(0), VbVariant(6));
    d.m_GefaessGruppe.BindTextBox(Steuerelement(Label6[3]), QStringLiteral("#"), VbVariant::null(), VbVariant::null());

    if (z.NeuAuslegungErforderlich) {
        LöscheBehälterauswahl(true);
        z.NeuAuslegungErforderlich = false;
    }
    Label4_0->setText(d.m_BedarfsKennz.m_Value.toString());

    d.m_EinbringBreite.GlobDatenInTextBox();
    d.m_EinbringHoehe.GlobDatenInTextBox();
    d.m_GefaessAnzahl.GlobDatenInTextBox();
    d.m_GefaessGruppe.GlobDatenInLabel();

    ComboSpeicherTemp->clear();
    ComboSpeicherTemp->addItems({QStringLiteral("60"), QStringLiteral("45")});
    ComboSpeicherTemp->setEditText(d.m_SpeicherTemp.m_Value.toString());
    ComboVorlaufTemp->clear();
    ComboVorlaufTemp->setEditText(d.m_VorlaufTemp.m_Value.toString());
    FülleVorlauftemperaturen(d.m_SpeicherTemp.m_Value);

    m_Bedarfskennzahl = d.m_BedarfsKennz.m_Value.toSingle();
    AufbauBehältergruppen();
    gruppeNr = static_cast<int16_t>(Zahlen::RundenGerade(d.m_GefaessGruppe.m_Value));
    Anzeige_Behälter(m_abfrage->SucheBehälterartikel(d.m_GefaessArtNr.m_Value.toString()));

    MoveFocusEinrichten(true);
    m_TextFokus = {};
    m_LadeModus = false;
}

void Form502::FormActivate()
{
    if (!m_Speicherdaten)
        return;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    if (d.m_BedarfsKennz.m_Value.toSingle() > MaxBedarfskennzahl) {
        d.m_IstBerechnet.m_Value = false;
        d.m_IstAusgelegt.m_Value = false;
        Meldung(Meldungsart::Auslegungsfehler, text(2366) + hotline(), d.m_BedarfsKennz.m_Value);
        d.m_BedarfsKennz.m_Value = VbVariant(0.0);
        Label4_0->setText(QStringLiteral("0"));
        // N still counts as read at load: no group offers a choice while the page is shown.
        m_NGesperrt = true;
        for (size_t k = 0; k < 8; ++k) {
            Command1[k]->setEnabled(false);
            Command2[k]->setEnabled(false);
        }
    }
    mdi().Kommando(1, 1, Ausgewählt() ? 1 : 0);
    Text1[0]->setSelection(0, static_cast<int>(Text1[0]->text().size()));
}

void Form502::FormUnload()
{
    if (!m_Speicherdaten)
        return;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    if (Ausgewählt())
        d.m_IstAusgelegt.m_Value = true;
    d.m_EinbringBreite.UnBindTextBox();
    d.m_EinbringHoehe.UnBindTextBox();
    d.m_GefaessGruppe.UnBindTextBox();
    d.m_GefaessAnzahl.UnBindTextBox();
    m_abfrage.reset();
    GruppenDB.reset();
    m_Speicherdaten = nullptr;
}

bool Form502::Ausgewählt() const
{
    return m_Speicherdaten && !m_Speicherdaten->m_GefaessArtNr.m_Value.toString().trimmed().isEmpty();
}

void Form502::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Groups and display

void Form502::AufbauBehältergruppen()
{
    for (size_t i = 0; i < 8; ++i) {
        m_Gruppen[i] = GruppenEintrag();
        Command1[i]->setVisible(false);
        Label3[i]->setVisible(false);
        Command2[i]->setVisible(false);
    }
    if (GruppenDB->NewSQL(QStringLiteral("SELECT * FROM [Gruppen MAG] WHERE [Speicher] = True ORDER BY [Gruppe]"),
                          false)
        != 0)
        return;
    GruppenDB->MoveFirst();
    size_t frei = 0;
    for (int zeilen = 0; zeilen < 8 && !GruppenDB->EofTab(); ++zeilen) {
        const VbVariant gruppe = GruppenDB->GetFeld(QStringLiteral("Gruppe"));
        if (!gruppe.isEmpty()) {
            m_Gruppen[frei].Gruppe = gruppe.toInteger();
            m_Gruppen[frei].Bezeichnung = GruppenDB->GetFeld(SpalteBezeichnung).toString().left(34);
            ++frei;
        }
        GruppenDB->MoveNext();
    }
    for (size_t i = 0; i < frei; ++i) {
        Command1[i]->setText(QString::number(m_Gruppen[i].Gruppe));
        Label3[i]->setText(ErsetzeZeilenumbruch(m_Gruppen[i].Bezeichnung).replace(QStringLiteral("\r\n"),
                                                                                   QStringLiteral("\n")));
        Command1[i]->setVisible(true);
        Label3[i]->setVisible(true);
        Command2[i]->setVisible(true);
        Command1[i]->setToolTip(text(2120));
        Command2[i]->setToolTip(text(2121));
    }
}

void Form502::LöscheBehälterauswahl(bool mitAnzahl)
{
    if (!m_Speicherdaten)
        return;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    gruppeNr = 0;
    d.m_GefaessGruppe.m_Value = 0;
    if (mitAnzahl) {
        d.m_GefaessAnzahl.m_Value = 1;
        d.m_GefaessAnzahl.GlobDatenInTextBox();
    }
    d.m_GefaessGruppe.GlobDatenInLabel();
    d.m_GefaessArtNr.m_Value = KeinArtikel;
    d.m_IstAusgelegt.m_Value = false;
    mdi().Kommando(1, 1, 0);
}

void Form502::Anzeige_Behälter(bool gefunden)
{
    QString typ = QStringLiteral(" ");
    int32_t inhalt = 0;
    QString maße = QStringLiteral(" ");
    float kennzahl = 0.0f, leistung = 0.0f;
    int32_t strom = 0;
    if (gefunden && m_abfrage && m_Speicherdaten) {
        Speicherabfrage& a = *m_abfrage;
        typ = a.GetFeldwert(SpalteTyp).toString();
        inhalt = a.GetFeldwert(QStringLiteral("Speicher_Maße.Nenninhalt")).toLong();
        maße = QString::number(a.GetFeldwert(QStringLiteral("Durchmesser in mm")).toLong()) + QStringLiteral(" mm / ")
               + QString::number(a.GetFeldwert(QStringLiteral("Bauhöhe in mm")).toLong()) + QStringLiteral(" mm");
        const GlobDatenSpeicher& d = *m_Speicherdaten;
        kennzahl = d.m_LeiszungsKennz.m_Value.toSingle();
        leistung = d.m_Wärmeleistung.m_Value.toSingle();
        strom = d.m_HeizVolStrom.m_Value.toLong();
    }
    Label6[0]->setText(QString::number(inhalt));
    Label6[1]->setText(maße);
    Label6[2]->setText(typ);
    Label6[3]->setText(QString::number(gruppeNr));
    Label7[0]->setText(Zahlen::CStr(kennzahl, true));
    Label7[1]->setText(Zahlen::CStr(leistung, true));
    Label7[2]->setText(QString::number(strom));
}

// ---------------------------------------------------------------------------------------------
// Choices

void Form502::Meldung2365(const QString& gruppe)
{
    Meldung(Meldungsart::Auslegungsfehler, text(2365) + hotline(), VbVariant(gruppe));
}

void Form502::Command1_Click(int i)
{
    if (!m_Speicherdaten || !m_abfrage || m_NGesperrt || i < 0 || i > 7)
        return;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    gruppeNr = m_Gruppen[static_cast<size_t>(i)].Gruppe;
    int a = static_cast<int>(Zahlen::RundenGerade(d.m_GefaessAnzahl.m_Value));
    if (a > 6) {
        d.m_GefaessAnzahl.m_Value = 6;
        d.m_GefaessAnzahl.GlobDatenInTextBox();
        a = 6;
    }
    m_abfrage->SpeicherKandidatenÖffnen(gruppeNr);
    if (a < 1)
        a = 1;
    // The entered count is the smallest tried; larger counts follow up to six.
    bool gefunden = false;
    for (;;) {
        gefunden = m_abfrage->AutomatischeBehälterauswahlSp(m_Bedarfskennzahl, a);
        if (gefunden || a >= 6)
            break;
        ++a;
    }
    if (gefunden) {
        d.m_GefaessGruppe.m_Value = gruppeNr;
        d.m_GefaessAnzahl.m_Value = a;
        d.m_GefaessAnzahl.GlobDatenInTextBox();
        d.m_GefaessGruppe.GlobDatenInLabel();
        Anzeige_Behälter(true);
        mdi().Kommando(1, 1, 1);
    } else {
        LöscheBehälterauswahl(true);
        d.m_GefaessAnzahl.m_Value = a;
        d.m_GefaessAnzahl.GlobDatenInTextBox();
        Anzeige_Behälter(false);
        Meldung2365(m_Gruppen[static_cast<size_t>(i)].Bezeichnung);
    }
}

void Form502::ManuelleBehälterauswahlSp(const QString& art)
{
    if (!m_Speicherdaten || !m_abfrage)
        return;
    // Nothing highlighted in the list: the choice stays as it was.
    if (art.trimmed().isEmpty())
        return;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    Speicherabfrage& a = *m_abfrage;
    d.m_GefaessArtNr.m_Value = KeinArtikel;
    d.m_GefaessAnzahl.m_Value = 0;
    d.m_GefaessInhalt.m_Value = VbVariant::integer(0);
    d.m_LeiszungsKennz.m_Value = VbVariant(0.0);
    d.m_Wärmeleistung.m_Value = VbVariant(0.0);
    d.m_HeizVolStrom.m_Value = VbVariant::integer(0);
    a.SpeicherKandidatenÖffnen(gruppeNr);
    const int16_t gruppe = gruppeNr;
    // A failed choice leaves no tank: the page shows none and the project is not designed.
    auto keiner = [this] {
        LöscheBehälterauswahl(true);
        Anzeige_Behälter(false);
    };
    if (!a.SucheBehälterartikel(art)) {
        keiner();
        return;
    }
    int n = 0;
    for (int k = 1; k <= 6 && n == 0; ++k)
        if (a.GetLeistungskennzahl(k) >= m_Bedarfskennzahl)
            n = k;
    if (n == 0) {
        // The chosen tank cannot reach N: the group's automatic choice stands in.
        for (int k = 1; k <= 6 && n == 0; ++k)
            if (a.AutomatischeBehälterauswahlSp(m_Bedarfskennzahl, k))
                n = k;
        if (n == 0) {
            keiner();
            return;
        }
    }
    gruppeNr = gruppe;
    d.m_GefaessGruppe.m_Value = gruppeNr;
    d.m_GefaessArtNr.m_Value = a.GetFeldwert(QStringLiteral("Art Nr"));
    d.m_GefaessAnzahl.m_Value = n;
    d.m_GefaessAnzahl.GlobDatenInTextBox();
    d.m_GefaessGruppe.GlobDatenInLabel();
    d.m_GefaessInhalt.m_Value = a.GetFeldwert(QStringLiteral("Speicher_Maße.Nenninhalt"));
    d.m_LeiszungsKennz.m_Value = VbVariant(a.GetLeistungskennzahl(n));
    d.m_Wärmeleistung.m_Value = VbVariant(a.GetWärmeleistung(n));
    d.m_HeizVolStrom.m_Value = VbVariant::lng(a.GetHeizvolumenstrom(n));
    Anzeige_Behälter(true);
}

void Form502::Command2_Click(int i)
{
    if (!m_Speicherdaten || !m_abfrage || m_NGesperrt || i < 0 || i > 7)
        return;
    gruppeNr = m_Gruppen[static_cast<size_t>(i)].Gruppe;
    m_abfrage->SpeicherlisteÖffnen(gruppeNr);
    m_abfrage->SucheBehälterartikel(m_Speicherdaten->m_GefaessArtNr.m_Value.toString());
    Hauptfenster& h = mdi();
    h.SaveKommandoButtons();
    h.Kommando(0, 0, 0);
    {
        Form502a dialog(*this, window());
        dialog.Zeige();
    }
    h.LoadKommandoButtons();
    // Weiter follows the choice as it stands now (a failed choice has cleared it).
    h.Kommando(1, 1, Ausgewählt() ? 1 : 0);
}

// ---------------------------------------------------------------------------------------------
// Inputs

void Form502::FülleVorlauftemperaturen(const VbVariant& speicherTemp)
{
    bool ok = false;
    int s = speicherTemp.toInteger(&ok);
    if (!ok)
        s = 0;
    int v = VbVariant(ComboVorlaufTemp->currentText()).toInteger(&ok);
    if (!ok)
        v = 0;
    ComboVorlaufTemp->clear();
    ComboVorlaufTemp->addItems({QStringLiteral("90"), QStringLiteral("80"), QStringLiteral("75"), QStringLiteral("70")});
    if (s <= 45) {
        ComboVorlaufTemp->addItems({QStringLiteral("65"), QStringLiteral("60"), QStringLiteral("55")});
        ComboVorlaufTemp->setEditText(QString::number(v));
    } else if (v >= 70) {
        ComboVorlaufTemp->setEditText(QString::number(v));
    } else {
        ComboVorlaufTemp->setEditText(QStringLiteral("70"));
        if (m_Speicherdaten)
            m_Speicherdaten->m_VorlaufTemp.m_Value = VbVariant::integer(70);
    }
}

// Typed text that is no item of the list becomes the first item.
void Form502::ComboGeändert(QComboBox* box)
{
    if (lädt() || box->count() == 0)
        return;
    if (box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        box->setEditText(box->itemText(0));
}

void Form502::ComboVerlassen(QComboBox* box)
{
    if (!m_Speicherdaten || box->currentText() == m_ComboText)
        return;
    conValueAdodb& wert = box == ComboSpeicherTemp ? m_Speicherdaten->m_SpeicherTemp : m_Speicherdaten->m_VorlaufTemp;
    wert.m_Value = VbVariant(box->currentText());
    LöscheBehälterauswahl(true);
    Anzeige_Behälter(false);
}

int Form502::textIndex(const QObject* w) const
{
    for (int i : {0, 1, 3})
        if (Text1[static_cast<size_t>(i)] == w)
            return i;
    return -1;
}

// Takes the box's text into its bound value; true (Cancel) when the value refused it.
bool Form502::prüfeText(int index)
{
    if (!m_Speicherdaten)
        return false;
    GlobDatenSpeicher& d = *m_Speicherdaten;
    switch (index) {
    case 0:
        return d.m_EinbringBreite.TextBoxInGlobDaten();
    case 1:
        return d.m_EinbringHoehe.TextBoxInGlobDaten();
    case 3:
        return d.m_GefaessAnzahl.TextBoxInGlobDaten();
    default:
        return false;
    }
}

void Form502::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QStringLiteral("Text1"))
        Cancel = prüfeText(Index.toInteger());
    else if (name == QStringLiteral("ComboSpeicherTemp"))
        FülleVorlauftemperaturen(VbVariant(ComboSpeicherTemp->currentText()));
}

void Form502::Validate(QWidget* steuerelement, bool& Cancel)
{
    if (lädt())
        return;
    if (const int i = textIndex(steuerelement); i >= 0)
        Cancel = prüfeText(i);
    else if (steuerelement == ComboSpeicherTemp)
        FülleVorlauftemperaturen(VbVariant(ComboSpeicherTemp->currentText()));
}

bool Form502::eventFilter(QObject* o, QEvent* e)
{
    if (!lädt() && !m_LadeModus) {
        const int i = textIndex(o);
        auto* box = (o == ComboSpeicherTemp || o == ComboVorlaufTemp) ? static_cast<QComboBox*>(o) : nullptr;
        if (e->type() == QEvent::FocusIn) {
            if (i >= 0) {
                m_TextFokus[static_cast<size_t>(i)] = true;
                Text1[static_cast<size_t>(i)]->selectAll();
            } else if (box) {
                m_ComboText = box->currentText();
            }
        } else if (e->type() == QEvent::FocusOut) {
            if (i >= 0) {
                // Within the page the focus change checks the box (and may keep the focus there);
                // a focus that leaves the page takes the text as it stands.
                QWidget* neu = QApplication::focusWidget();
                if (!neu || !isAncestorOf(neu))
                    prüfeText(i);
                m_TextFokus[static_cast<size_t>(i)] = false;
            } else if (box) {
                ComboVerlassen(box);
            }
        }
    }
    return Seitenform::eventFilter(o, e);
}

// Enter walks the inputs; line feed and Enter go no further.
void Form502::FormKeyPress(int& KeyAscii)
{
    Seitenform::FormKeyPress(KeyAscii);
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}
