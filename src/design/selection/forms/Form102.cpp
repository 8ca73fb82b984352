#include "design/selection/forms/Form102.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "design/selection/forms/Gefaesskopf.h"
#include "data/GlobDaten.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/selection/forms/Form102b.h"
#include "design/selection/forms/Form102b2KM.h"
#include "design/selection/forms/Form102c.h"

namespace {

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int Links = 240, WertLinks = 2700, EinheitLinks = 3800, Höhe = 285;
constexpr int GruppenLinks = 5800, GruppenAbstand = 620, KnopfHöhe = 500;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

const char* const TextMember[4] = {"m_EinbringBreite", "m_EinbringHoehe", nullptr, "m_GefaessAnzahl"};

}  // namespace

Form102::Form102(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form102"));
    m_automatiklauf = true;
    // Dark texts on the light background picture (the page area behind it is dark).
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

Form102::~Form102() = default;

void Form102::baue()
{
    auto label = [this](const char* name, int i, int x, int y, int breite) {
        return Steuerelemente::neuesLabel(this, name, i, x, y, breite, Höhe);
    };
    auto l1 = [&](int i, int x, int y, int b) { return Label1[static_cast<size_t>(i)] = label("Label1", i, x, y, b); };
    auto l2 = [&](int i, int x, int y, int b) { return Label2[static_cast<size_t>(i)] = label("Label2", i, x, y, b); };

    QFont fett = font();
    fett.setBold(true);
    l1(3, Links, 120, 5000)->setFont(fett);
    l1(0, Links, 420, 5000);
    Label1[2] = Gefäßkopf::Bezeichnung(this);

    // Results of the calculation; row 1 (boiler-internal vessels) starts hidden below row 3.
    l1(4, Links, 900, 5000)->setFont(fett);
    const int zeilenY[4] = {1200, 1950, 1450, 1700};
    for (int i = 0; i < 4; ++i) {
        const int y = zeilenY[i];
        Label5[static_cast<size_t>(i)] = label("Label5", i, Links, y, WertLinks - Links);
        QLabel* wert = Label4[static_cast<size_t>(i)] = label("Label4", i, WertLinks, y, 1000);
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label7[static_cast<size_t>(i)] = label("Label7", i, EinheitLinks, y, 600);
    }
    Label5[1]->setText(QStringLiteral("kesselinterne MAG:"));

    // Bringing-in sizes and the options.
    l1(5, Links, 2300, 5000)->setFont(fett);
    auto textBox = [this](int i, int x, int y, int breite) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("Text1"));
        Steuerelemente::setzeIndex(t, i);
        t->setGeometry(px(x), px(y), px(breite), px(315));
        t->setAlignment(Qt::AlignRight);
        t->installEventFilter(this);
        connect(t, &QLineEdit::textEdited, this, [this, i] {
            if (lädt() || m_zeigt || !m_logik)
                return;
            m_getippt[static_cast<size_t>(i)] = true;
            m_logik->TextGeaendert(i);
        });
        Text1[static_cast<size_t>(i)] = t;
        return t;
    };
    l2(4, Links, 2620, 2200);
    textBox(0, WertLinks, 2600, 1000);
    l2(11, EinheitLinks, 2620, 600);
    l2(5, Links, 2980, 2200);
    textBox(1, WertLinks, 2960, 1000);
    l2(12, EinheitLinks, 2980, 600);

    auto rahmen = [this](int i, int x, int breite) {
        auto* f = new QFrame(this);
        f->setObjectName(QStringLiteral("Frame1"));
        Steuerelemente::setzeIndex(f, i);
        f->setFrameShape(QFrame::Box);
        f->setGeometry(px(x), px(3400), px(breite), px(1000));
        Frame1[static_cast<size_t>(i)] = f;
        return f;
    };
    auto option = [this](QFrame* f, std::array<QRadioButton*, 2>& feld, const char* name, int i,
                         void (Behälterauswahl::*klick)(int)) {
        auto* r = new QRadioButton(f);
        r->setObjectName(QString::fromUtf8(name));
        Steuerelemente::setzeIndex(r, i);
        r->setGeometry(px(120), px(330 + i * 330), f->width() - px(200), px(300));
        const QString member = QString::fromUtf8(name) == QStringLiteral("Membrane") ? QStringLiteral("m_ArtMembran")
                                                                                       : QStringLiteral("m_ArtDruckhaltung");
        connect(r, &QRadioButton::clicked, this, [this, i, klick, member] {
            // Clicking the option that is already set changes nothing.
            if (lädt() || m_zeigt || !m_logik || m_daten->lese(member).toLong() == i)
                return;
            (m_logik.get()->*klick)(i);
        });
        feld[static_cast<size_t>(i)] = r;
    };
    QFrame* f0 = rahmen(0, Links, 2850);
    QFrame* f1 = rahmen(1, Links + 2950, 2550);
    for (int i = 0; i < 2; ++i) {
        option(f0, Membrane, "Membrane", i, &Behälterauswahl::Membrane_Click);
        option(f1, Druckhaltung, "Druckhaltung", i, &Behälterauswahl::Druckhaltung_Click);
    }
    // Frame captions sit on the frame's top line.
    Label2[0] = label("FrameCaption", 0, Links + 120, 3310, 1800);
    Label2[1] = label("FrameCaption", 1, Links + 3070, 3310, 1800);
    for (int i = 0; i < 2; ++i)
        Label2[static_cast<size_t>(i)]->setAutoFillBackground(true);

    // The chosen vessel.
    l1(8, Links, 4570, 1000);
    textBox(3, Links + 1000, 4550, 700);
    l2(14, Links + 2000, 4570, 1500);
    Label6[4] = label("Label6", 4, Links + 3500, 4570, 500);
    l2(15, Links + 2000, 4850, 1500);
    Label6[5] = label("Label6", 5, Links + 3500, 4850, 500);
    l2(6, Links, 5150, 1200);
    Label6[0] = label("Label6", 0, Links + 1200, 5150, 700);
    Label6[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l2(13, Links + 2000, 5150, 600);
    Label6[3] = label("Label6", 3, Links + 3500, 5150, 500);
    l2(7, Links, 5430, 1200);
    Label6[1] = label("Label6", 1, Links + 1200, 5430, 3000);
    Label6[2] = label("Label6", 2, Links, 5710, 5300);
    Command3 = new QToolButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(px(Links + 4600), px(5050), px(500), px(500));
    Command3->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    connect(Command3, &QToolButton::clicked, this, [this] {
        if (m_logik)
            m_logik->Command3_Click();
    });

    // The group rows.
    l1(6, GruppenLinks, Gefäßkopf::GruppenKopfOben, 5000)->setFont(fett);
    for (int k = 0; k < 8; ++k) {
        const int y = Gefäßkopf::GruppenOben + k * GruppenAbstand;
        auto* c1 = new QPushButton(this);
        c1->setObjectName(QStringLiteral("Command1"));
        Steuerelemente::setzeIndex(c1, k);
        c1->setGeometry(px(GruppenLinks), px(y), px(600), px(KnopfHöhe));
        c1->setAutoDefault(false);
        connect(c1, &QPushButton::clicked, this, [this, k] {
            if (m_logik)
                m_logik->Command1_Click(k);
        });
        Command1[static_cast<size_t>(k)] = c1;
        auto* c2 = new QToolButton(this);
        c2->setObjectName(QStringLiteral("Command2"));
        Steuerelemente::setzeIndex(c2, k);
        c2->setGeometry(px(GruppenLinks + 660), px(y), px(500), px(KnopfHöhe));
        c2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
        connect(c2, &QToolButton::clicked, this, [this, k] {
            if (m_logik)
                m_logik->Command2_Click(k);
        });
        Command2[static_cast<size_t>(k)] = c2;
        QLabel* l = Label3[static_cast<size_t>(k)] = label("Label3", k, GruppenLinks + 1260, y, 3400);
        l->resize(l->width(), px(KnopfHöhe));
        l->setWordWrap(true);
    }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
}

// ---------------------------------------------------------------------------------------------
// Life of the page

void Form102::FormLoad()
{
    Programmzustand& z = zustand();
    const QString art = z.Projektart;
    Label1[3]->setText(text(art == QStringLiteral("Kü") ? 441 : 440));
    const int captions1[][2] = {{4, 442}, {5, 446}, {6, 455}, {8, 456}};
    for (const auto& c : captions1)
        Label1[static_cast<size_t>(c[0])]->setText(text(c[1]));
    Label5[0]->setText(text(443));
    Label5[2]->setText(text(444));
    Label5[3]->setText(text(445));
    const int captions2[][2] = {{4, 447}, {5, 448}, {0, 449}, {1, 452}, {6, 457}, {7, 458}, {14, 459}, {15, 460},
                                {13, 81}, {11, 86}, {12, 86}};
    for (const auto& c : captions2)
        Label2[static_cast<size_t>(c[0])]->setText(text(c[1]));
    for (int i = 0; i < 2; ++i)
        Label2[static_cast<size_t>(i)]->adjustSize();
    Membrane[0]->setText(text(450));
    Membrane[1]->setText(text(451));
    Druckhaltung[0]->setText(text(453));
    Druckhaltung[1]->setText(text(454));
    for (int i = 0; i < 3; ++i)
        Label7[static_cast<size_t>(i)]->setText(text(81));
    Label7[3]->setText(text(85));
    Command3->setToolTip(text(461));
    Label1[0]->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Gefäßkopf::Zeige(Image1, Label1[2], z.aktProjektBezeichnung);
    Label5[1]->setVisible(false);
    Label4[1]->setVisible(false);
    Label7[1]->setVisible(false);
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));

    if (art == QStringLiteral("He"))
        m_daten = HalteDatenobjekt(z.g_heizdat);
    else if (art == QStringLiteral("Kü"))
        m_daten = HalteDatenobjekt(z.g_kühldat);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    m_logik = std::make_unique<Behälterauswahl>(m_daten->Member(), art, static_cast<Behälterauswahl::Seite&>(*this));
    binden();
    const Behälterauswahl::Ladeergebnis ergebnis = m_logik->Laden();
    if (ergebnis == Behälterauswahl::Ladeergebnis::Zwangsende)
        return;
    if (ergebnis == Behälterauswahl::Ladeergebnis::Ladefehler) {
        Ladefehler();
        return;
    }
    if (m_logik->kesselintern() > 0) {
        // The boiler-internal row takes the place of the pressure row, which moves below it.
        Label4[1]->setText(QString::number(m_logik->kesselintern()));
        const int y1 = Label4[1]->y();
        const int y3 = Label4[3]->y();
        for (int i = 0; i < 4; ++i) {
            int y = i == 1 ? y3 : i == 3 ? y1 : Label4[static_cast<size_t>(i)]->y();
            y -= px(120);
            for (QLabel* l : {Label5[static_cast<size_t>(i)], Label4[static_cast<size_t>(i)], Label7[static_cast<size_t>(i)]})
                l->move(l->x(), y);
        }
        Label5[1]->setVisible(true);
        Label4[1]->setVisible(true);
        Label7[1]->setVisible(true);
    }
    m_getippt = {};
    zeigen();
    MoveFocusEinrichten(true);
}

void Form102::binden()
{
    auto zahl = [this](const char* name) { return m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(name)); };
    auto option = [this](const char* name) { return m_daten->Gebunden<conOptButtAdodb>(QString::fromUtf8(name)); };
    if (conOptButtAdodb* m = option("m_ArtMembran"))
        m->BindOptionButton(Optionsgruppe({Membrane[0], Membrane[1]}));
    if (conOptButtAdodb* m = option("m_ArtDruckhaltung"))
        m->BindOptionButton(Optionsgruppe({Druckhaltung[0], Druckhaltung[1]}));
    if (conTextBoxAdodb* m = zahl("m_EinbringBreite"))
        m->BindTextBox(Steuerelement(Text1[0]), QStringLiteral("####0"), VbVariant(300), VbVariant(10000));
    if (conTextBoxAdodb* m = zahl("m_EinbringHoehe"))
        m->BindTextBox(Steuerelement(Text1[1]), QStringLiteral("####0"), VbVariant(500), VbVariant(10000));
    if (conTextBoxAdodb* m = zahl("m_GefaessAnzahl"))
        m->BindTextBox(Steuerelement(Text1[3]), QStringLiteral("##0"), VbVariant(0), VbVariant(20));
}

void Form102::FormActivate()
{
    if (!m_logik)
        return;
    if (!m_logik->Aktivieren()) {
        mdi().Beenden();
        return;
    }
    Text1[0]->selectAll();
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form102::FormUnload()
{
    if (!m_daten)
        return;
    for (const char* n : {"m_ArtMembran", "m_ArtDruckhaltung"})
        if (auto* m = m_daten->Gebunden<conOptButtAdodb>(QString::fromUtf8(n)))
            m->UnBindOptionButton();
    for (const char* n : {"m_EinbringBreite", "m_EinbringHoehe", "m_GefaessAnzahl"})
        if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(n)))
            m->UnBindTextBox();
    m_logik.reset();
}

// ---------------------------------------------------------------------------------------------
// Showing the state

void Form102::zeigen()
{
    if (!m_logik || !m_daten)
        return;
    m_zeigt = true;
    const Behälterauswahl& l = *m_logik;
    // The results in the display format their input page gave them.
    auto wert = [this](const char* name) {
        const auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(name));
        return m ? m->Text() : QString();
    };
    Label4[0]->setText(wert("m_r_vauf"));
    Label4[2]->setText(wert("m_r_vges"));
    Label4[3]->setText(wert("m_p_SV"));
    for (int i : {0, 2})
        Label4[static_cast<size_t>(i)]->setFrameShape(l.gerahmt() == i ? QFrame::Box : QFrame::NoFrame);

    for (const char* n : {"m_ArtMembran", "m_ArtDruckhaltung"})
        if (auto* m = m_daten->Gebunden<conOptButtAdodb>(QString::fromUtf8(n)))
            m->GlobDatenInButton();
    for (int i : {0, 1, 3})
        if (!m_getippt[static_cast<size_t>(i)])
            if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(TextMember[i])))
                m->GlobDatenInTextBox();
    Membrane[0]->setEnabled(!l.gaspolsterGesperrt());
    Druckhaltung[0]->setEnabled(!l.gaspolsterGesperrt());
    Text1[0]->setEnabled(!l.einbringGesperrt());
    Text1[1]->setEnabled(!l.einbringGesperrt());

    const QString auto_ = text(2120);
    const QString manuell = text(2121);
    for (size_t k = 0; k < 8; ++k) {
        const Behälterauswahl::Gruppe& g = l.gruppen()[k];
        const bool da = g.nummer != 0;
        Command1[k]->setVisible(da);
        Command2[k]->setVisible(da);
        Label3[k]->setVisible(da);
        if (!da)
            continue;
        Command1[k]->setText(QString::number(g.nummer));
        Command1[k]->setToolTip(auto_);
        Command2[k]->setToolTip(manuell);
        Label3[k]->setText(ErsetzeZeilenumbruch(g.bezeichnung));
    }
    for (QLabel* w : {Label2[14], Label2[15], Label6[4], Label6[5]})
        w->setVisible(l.automatenzeilen());

    const Behälterauswahl::Block& b = l.block();
    Label6[0]->setText(b.inhalt);
    Label6[1]->setText(b.maße);
    Label6[2]->setText(b.beschreibung);
    Label6[3]->setText(b.gruppe);
    Label6[4]->setText(b.steuerbehälter);
    Label6[5]->setText(b.beistellbehälter);
    Command3->setVisible(b.übersicht);
    m_zeigt = false;
}

void Form102::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Inputs

int Form102::textIndex(const QWidget* w) const
{
    for (int i : {0, 1, 3})
        if (Text1[static_cast<size_t>(i)] == w)
            return i;
    return -1;
}

// Takes the box's text into its bound value; true (Cancel) when the value refused it.
bool Form102::prüfeText(int index)
{
    if (!m_daten || index < 0 || index > 3 || !TextMember[index])
        return false;
    auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(TextMember[index]));
    if (!m)
        return false;
    const bool cancel = m->TextBoxInGlobDaten();
    if (!cancel)
        m_getippt[static_cast<size_t>(index)] = false;
    return cancel;
}

void Form102::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QStringLiteral("Text1"))
        Cancel = prüfeText(Index.toInteger());
}

void Form102::Validate(QWidget* steuerelement, bool& Cancel)
{
    if (lädt())
        return;
    const int i = textIndex(steuerelement);
    if (i >= 0)
        Cancel = prüfeText(i);
}

bool Form102::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && !lädt()) {
        if (auto* t = qobject_cast<QLineEdit*>(o); t && textIndex(t) >= 0)
            t->selectAll();
    }
    return Seitenform::eventFilter(o, e);
}

// ---------------------------------------------------------------------------------------------
// Caller of the article-choice dialog

int16_t Form102::gruppeNr() const
{
    return m_logik ? m_logik->gruppeNr() : 0;
}

std::shared_ptr<Recordset> Form102::Artikelliste() const
{
    return m_logik ? m_logik->Artikelliste() : nullptr;
}

void Form102::ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen)
{
    if (m_logik)
        m_logik->ManuelleBehälterauswahl(ArtNrBehälter, volumen);
}

// ---------------------------------------------------------------------------------------------
// What the logic asks of the page

void Form102::Kommando(int exit, int zurück, int weiter)
{
    if (Hauptfenster* h = hauptfenster())
        h->Kommando(exit, zurück, weiter);
}

void Form102::SaveKommandoButtons()
{
    if (Hauptfenster* h = hauptfenster())
        h->SaveKommandoButtons();
}

void Form102::LoadKommandoButtons()
{
    if (Hauptfenster* h = hauptfenster())
        h->LoadKommandoButtons();
}

void Form102::Hinweis(const QString& t)
{
    if (Hauptfenster* h = hauptfenster())
        h->SetzeInfoLabel(t);
}

void Form102::ZeigeAutomatenoptionen(int16_t gruppe)
{
    if (gruppe == 14) {
        Form102b2KM dialog(*m_logik, window());
        dialog.Zeige();
    } else {
        Form102b dialog(*m_logik, m_daten, window());
        dialog.Zeige();
    }
}

void Form102::ZeigeÜbersicht()
{
    Form102c dialog(*m_logik, window());
    dialog.Zeige();
}

void Form102::Aktualisieren()
{
    zeigen();
}
