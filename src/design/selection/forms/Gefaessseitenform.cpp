#include "design/selection/forms/Gefaessseitenform.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"
#include "design/selection/forms/Gefaesskopf.h"

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

}  // namespace

Gefäßseitenform::Gefäßseitenform(const QString& name, QWidget* parent) : Seitenform(parent)
{
    setObjectName(name);
    // Dark texts on the light background picture.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

Gefäßseitenform::~Gefäßseitenform() = default;

void Gefäßseitenform::baue()
{
    auto label = [this](const char* name, int i, int x, int y, int breite) {
        return Steuerelemente::neuesLabel(this, name, i, x, y, breite, Höhe);
    };
    auto l1 = [&](int i, int x, int y, int b) { return Label1[static_cast<size_t>(i)] = label("Label1", i, x, y, b); };
    auto l2 = [&](int i, int x, int y, int b) { return Label2[static_cast<size_t>(i)] = label("Label2", i, x, y, b); };

    QFont fett = font();
    fett.setBold(true);
    // Title: one line for solar (3), two for drinking water and pressure boosting (10, 11).
    l1(3, Links, 120, 5400)->setFont(fett);
    l1(10, Links, 120, 5400)->setFont(fett);
    l1(11, Links, 400, 5400)->setFont(fett);
    l1(0, Links, 700, 5400);
    Label1[2] = Gefäßkopf::Bezeichnung(this);

    // Results of the calculation (row 0 only for solar; placed on loading).
    l1(4, Links, 1000, 5000)->setFont(fett);
    const int einheit[4] = {8, -1, 9, 10};
    for (int i : {0, 2, 3}) {
        l2(i, Links, 1300, 2400);
        QLabel* wert = Label4[static_cast<size_t>(i)] = label("Label4", i, WertLinks, 1300, 1000);
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l2(einheit[i], EinheitLinks, 1300, 600);
    }

    // Bringing-in sizes.
    l1(5, Links, 2250, 5000)->setFont(fett);
    auto textBox = [this](int i, int x, int y, int breite) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("Text1"));
        Steuerelemente::setzeIndex(t, i);
        t->setGeometry(px(x), px(y), px(breite), px(315));
        t->setAlignment(Qt::AlignRight);
        t->installEventFilter(this);
        connect(t, &QLineEdit::textEdited, this, [this, i] {
            if (lädt() || m_zeigt)
                return;
            m_getippt[static_cast<size_t>(i)] = true;
            TextGeändert(i);
        });
        Text1[static_cast<size_t>(i)] = t;
        return t;
    };
    l2(4, Links, 2570, 2400);
    textBox(0, WertLinks, 2550, 1000);
    l2(11, EinheitLinks, 2570, 600);
    l2(5, Links, 2930, 2400);
    textBox(1, WertLinks, 2910, 1000);
    l2(12, EinheitLinks, 2930, 600);

    // The chosen vessel.
    l1(8, Links, 3470, 1000);
    textBox(3, WertLinks, 3450, 1000);
    l2(6, Links, 3900, 1500);
    Label6[0] = label("Label6", 0, WertLinks, 3900, 1000);
    Label6[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l2(13, EinheitLinks, 3900, 600);
    Label6[3] = label("Label6", 3, EinheitLinks + 800, 3900, 600);
    l2(7, Links, 4180, 1500);
    Label6[1] = label("Label6", 1, WertLinks - 700, 4180, 3400);
    // The vessel's short text may take two lines before the group column.
    Label6[2] = label("Label6", 2, Links, 4460, 5300);
    Label6[2]->resize(Label6[2]->width(), px(2 * Höhe));
    Label6[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6[2]->setWordWrap(true);
    Label7 = label("Label7", -1, Links, 4460 + 2 * Höhe + 120, 5400);
    Label7->resize(Label7->width(), px(1800));
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7->setWordWrap(true);

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
            if (!lädt())
                Automatisch(k);
        });
        Command1[static_cast<size_t>(k)] = c1;
        auto* c2 = new QToolButton(this);
        c2->setObjectName(QStringLiteral("Command2"));
        Steuerelemente::setzeIndex(c2, k);
        c2->setGeometry(px(GruppenLinks + 660), px(y), px(500), px(KnopfHöhe));
        c2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
        connect(c2, &QToolButton::clicked, this, [this, k] {
            if (!lädt())
                Manuell(k);
        });
        Command2[static_cast<size_t>(k)] = c2;
        QLabel* l = Label3[static_cast<size_t>(k)] = label("Label3", k, GruppenLinks + 1260, y, 3700);
        l->resize(l->width(), px(KnopfHöhe));
        l->setWordWrap(true);
        c1->setVisible(false);
        c2->setVisible(false);
        l->setVisible(false);
    }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
}

// ---------------------------------------------------------------------------------------------
// Captions and display

void Gefäßseitenform::Beschriften(const QString& art)
{
    const bool solar = art == QStringLiteral("So");
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const Programmzustand& z = zustand();
    Label1[0]->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Gefäßkopf::Zeige(Image1, Label1[2], z.aktProjektBezeichnung);
    auto setze = [](const auto& feld, std::initializer_list<std::pair<int, int>> texte) {
        for (const auto& [i, id] : texte)
            feld[static_cast<size_t>(i)]->setText(text(id));
    };
    if (solar) {
        setze(Label1, {{3, 1170}, {4, 1171}, {5, 1175}, {6, 1178}, {8, 1179}});
        setze(Label2, {{0, 1172}, {2, 1173}, {3, 1174}, {4, 1176}, {5, 1177}, {6, 1180}, {7, 1181}, {8, 81}, {9, 81},
                       {10, 85}, {11, 86}, {12, 86}, {13, 81}});
    } else {
        Label1[10]->setText(art == QStringLiteral("Dr") ? text(890) : QString());
        Label1[11]->setText(text(art == QStringLiteral("Dr") ? 891 : 892));
        setze(Label1, {{4, 893}, {5, 896}, {6, 899}, {8, 900}});
        setze(Label2, {{2, 894}, {3, 895}, {4, 897}, {5, 898}, {6, 901}, {7, 902}, {9, 81}, {10, 85}, {11, 86}, {12, 86}});
        Label2[13]->setText(QStringLiteral("Liter"));
    }
    for (QLabel* l : {Label1[3], Label2[0], Label4[0], Label2[8]})
        l->setVisible(solar);
    for (QLabel* l : {Label1[10], Label1[11], Label7})
        l->setVisible(!solar);
    // The result rows from the heading down, the acceptance volume first for solar.
    int y = 1300;
    for (int i : {0, 2, 3}) {
        if (i == 0 && !solar)
            continue;
        const int einheit = i == 0 ? 8 : i == 2 ? 9 : 10;
        for (QLabel* l : {Label2[static_cast<size_t>(i)], Label4[static_cast<size_t>(i)], Label2[static_cast<size_t>(einheit)]})
            l->move(l->x(), px(y));
        y += 280;
    }
    Label4[0]->setFrameShape(QFrame::NoFrame);
    Label4[2]->setFrameShape(solar ? QFrame::Box : QFrame::NoFrame);
}

void Gefäßseitenform::Zeige(const Anzeige& a)
{
    const bool zeigteSchon = m_zeigt;
    m_zeigt = true;
    Label4[0]->setText(a.aufnahmevolumen);
    Label4[2]->setText(a.gesamtvolumen);
    Label4[3]->setText(a.betriebsdruck);
    const QString auto_ = text(2120);
    const QString manuell = text(2121);
    for (size_t k = 0; k < 8; ++k) {
        const auto& [nummer, bezeichnung] = a.gruppen[k];
        const bool da = nummer != 0;
        Command1[k]->setVisible(da);
        Command2[k]->setVisible(da);
        Label3[k]->setVisible(da);
        if (!da)
            continue;
        Command1[k]->setText(QString::number(nummer));
        Command1[k]->setToolTip(auto_);
        Command2[k]->setToolTip(manuell);
        Label3[k]->setText(ErsetzeZeilenumbruch(bezeichnung));
    }
    Label6[0]->setText(a.inhalt);
    Label6[1]->setText(a.maße);
    Label6[2]->setText(a.beschreibung);
    Label6[3]->setText(a.gruppe);
    Label7->setText(a.hinweis);
    m_zeigt = zeigteSchon;
}

void Gefäßseitenform::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Inputs

int Gefäßseitenform::textIndex(const QWidget* w) const
{
    for (int i : {0, 1, 3})
        if (Text1[static_cast<size_t>(i)] == w)
            return i;
    return -1;
}

bool Gefäßseitenform::prüfe(int index)
{
    if (index != 0 && index != 1 && index != 3)
        return false;
    const bool cancel = TextÜbernehmen(index);
    if (!cancel)
        m_getippt[static_cast<size_t>(index)] = false;
    return cancel;
}

void Gefäßseitenform::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QStringLiteral("Text1"))
        Cancel = prüfe(Index.toInteger());
}

void Gefäßseitenform::Validate(QWidget* steuerelement, bool& Cancel)
{
    if (lädt())
        return;
    const int i = textIndex(steuerelement);
    if (i >= 0)
        Cancel = prüfe(i);
}

bool Gefäßseitenform::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && !lädt()) {
        if (auto* t = qobject_cast<QLineEdit*>(o); t && textIndex(t) >= 0)
            t->selectAll();
    }
    return Seitenform::eventFilter(o, e);
}
