#include "design/water_pressure/forms/WasserEingabeseite.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "data/conTextBoxAdodb.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"

namespace {

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int Links = 450, ZeileOben = 2100, Zeilenhöhe = 420, Höhe = 315;
constexpr int CaptionBreite = 2200, BoxLinks = Links + CaptionBreite + 100, BoxBreite = 1000;
constexpr int EinheitLinks = BoxLinks + BoxBreite + 100, EinheitBreite = 700;
constexpr int ErgebnisLinks = 5700, ErgebnisCaptionBreite = 2400;
constexpr int WertLinks = ErgebnisLinks + ErgebnisCaptionBreite + 100, WertBreite = 1000;
constexpr int ErgebnisEinheitLinks = WertLinks + WertBreite + 100;
constexpr int Listenlänge = 30;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

}  // namespace

WasserEingabeseite::WasserEingabeseite(QWidget* parent) : Seitenform(parent)
{
    resize(px(SeiteBreite), px(SeiteHöhe));
    // The page area behind is dark: the page and its labels take the window colours.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    for (QList<QLabel*>* l : {&m_label1, &m_label3, &m_label4, &m_label5})
        l->resize(Listenlänge, nullptr);

    QFont fett = font();
    fett.setBold(true);
    neuesLabel(m_label1, "Label1", 0, Links, 250, 6000)->setFont(fett);
    neuesLabel(m_label1, "Label1", 2, Links, 550, 6000);
    neuesLabel(m_label1, "Label1", 10, Links, 1050, 7000);
    neuesLabel(m_label1, "Label1", 11, Links, 1450, 7000);
    neuesLabel(m_label3, "Label3", 23, ErgebnisLinks, ZeileOben - Zeilenhöhe, 3000)->setFont(fett);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Steuerelemente::setzeIndex(Image1, 2);
    Image1->move(px(SeiteBreite - 2900), px(250));

    // The button; Eingabezeile keeps it behind the boxes in the tab order.
    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->installEventFilter(this);
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (!lädt())
            Command3_Click();
    });
    // After the focus check of the base class: LostFocus follows Validate.
    connect(qApp, &QApplication::focusChanged, this, &WasserEingabeseite::fokusWechsel);
}

WasserEingabeseite::~WasserEingabeseite() = default;

QLabel* WasserEingabeseite::neuesLabel(QList<QLabel*>& liste, const char* name, int i, int x, int y, int breite)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(name));
    Steuerelemente::setzeIndex(l, i);
    l->setGeometry(px(x), px(y), px(breite), px(Höhe));
    liste[i] = l;
    return l;
}

void WasserEingabeseite::Eingabezeile(int i, int maxLänge)
{
    const int y = ZeileOben + i * Zeilenhöhe;
    neuesLabel(m_label3, "Label3", i, Links, y, CaptionBreite);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1"));
    Steuerelemente::setzeIndex(box, i);
    box->setGeometry(px(BoxLinks), px(y), px(BoxBreite), px(Höhe));
    box->setAlignment(Qt::AlignRight);
    box->setMaxLength(maxLänge);
    box->installEventFilter(this);
    Text1[static_cast<size_t>(i)] = box;
    neuesLabel(m_label4, "Label4", i, EinheitLinks, y, EinheitBreite);
    // The button stays behind the boxes in the tab order.
    setTabOrder(box, Command3);
    Command3->setGeometry(px(BoxLinks), px(ZeileOben + (i + 1) * Zeilenhöhe + 150), px(1500), px(420));
}

void WasserEingabeseite::Ergebniszeile(int zeile, int caption, int wert, const char* einheitName, int einheit)
{
    const int y = ZeileOben + zeile * Zeilenhöhe;
    neuesLabel(m_label3, "Label3", caption, ErgebnisLinks, y, ErgebnisCaptionBreite);
    QLabel* w = neuesLabel(m_label5, "Label5", wert, WertLinks, y, WertBreite);
    w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w->setBackgroundRole(QPalette::Base);
    w->setForegroundRole(QPalette::Text);
    w->setAutoFillBackground(true);
    w->setContentsMargins(0, 0, px(60), 0);
    if (einheitName)
        neuesLabel(qstrcmp(einheitName, "Label3") == 0 ? m_label3 : m_label4, einheitName, einheit,
                   ErgebnisEinheitLinks, y, EinheitBreite);
}

QString WasserEingabeseite::Text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

void WasserEingabeseite::Überschriften(int haupt, int unter)
{
    QFont fett = font();
    fett.setBold(true);
    QFont groß = fett;
    groß.setPointSizeF(fett.pointSizeF() * 1.3);
    Label1(haupt)->setFont(groß);
    Label1(haupt)->setGeometry(px(Links), px(1000), px(7000), px(400));
    Label1(unter)->setFont(fett);
    Label1(unter)->move(px(Links), px(1450));
}

void WasserEingabeseite::LadeGrundelemente()
{
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->resize(bild.size());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const Programmzustand& z = zustand();
    Label1(0)->setText(Text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Label1(2)->setText(z.aktProjektBezeichnung);
}

bool WasserEingabeseite::Übernehmen(conTextBoxAdodb& member, const QLineEdit& box)
{
    // A box the user has not edited since it showed the held value keeps that value with every
    // decimal typed: checking it again does not cut it to the decimals shown.
    const double vorher = member.m_Value;
    const bool unverändert = !box.isModified() && box.text() == member.Text();
    const bool Cancel = member.TextBoxInGlobDaten();
    if (!Cancel && unverändert)
        member.m_Value = vorher;
    return Cancel;
}

void WasserEingabeseite::EingabenFreigeben(bool frei)
{
    // A focused box that is locked hands the focus on: that is no leaving by the user.
    const bool vorher = m_ohnePrüfung;
    m_ohnePrüfung = true;
    const bool fokusInBox = boxIndex(QApplication::focusWidget()) >= 0;
    if (!frei && fokusInBox)
        Command3->setFocus(Qt::OtherFocusReason);
    for (QLineEdit* box : Text1)
        box->setEnabled(frei);
    m_ohnePrüfung = vorher;
}

void WasserEingabeseite::Anfangsfokus()
{
    for (QLineEdit* box : Text1)
        if (box->isEnabled()) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    Command3->setFocus(Qt::OtherFocusReason);
}

int WasserEingabeseite::boxIndex(const QObject* w) const
{
    for (size_t i = 0; i < Text1.size(); ++i)
        if (w && Text1[i] == w)
            return static_cast<int>(i);
    return -1;
}

void WasserEingabeseite::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name != QStringLiteral("Text1"))
        return;
    const int i = Index.toInteger();
    Text1_Validate(i, Cancel);
    // Enter checked the box: the focus move that follows does not check it again.
    if (!Cancel)
        m_enterGeprüft = i;
}

void WasserEingabeseite::Validate(QWidget* steuerelement, bool& Cancel)
{
    const int i = boxIndex(steuerelement);
    if (i >= 0 && i != m_enterGeprüft && !m_ohnePrüfung)
        Text1_Validate(i, Cancel);
}

void WasserEingabeseite::FormKeyPress(int& KeyAscii)
{
    // Enter on the button presses it.
    if (KeyAscii == 13 && Command3->hasFocus()) {
        KeyAscii = 0;
        Command3->click();
        return;
    }
    m_enterGeprüft = -1;
    Seitenform::FormKeyPress(KeyAscii);
    m_enterGeprüft = -1;
    // Tab is left to the focus chain.
    if (KeyAscii == 13 || KeyAscii == 10)
        KeyAscii = 0;
}

void WasserEingabeseite::fokusWechsel(QWidget* alt, QWidget* neu)
{
    if (istEntladen() || !neu || neu->window() != window())
        return;  // message boxes and other windows are no focus change of the page
    const int a = boxIndex(alt);
    if (a >= 0 && a == m_fokusBox && QApplication::focusWidget() != alt) {
        m_fokusBox = -1;
        if (!m_ohnePrüfung)
            Text1_LostFocus(a);
    }
    const int n = boxIndex(neu);
    if (n >= 0 && n != m_fokusBox && QApplication::focusWidget() == neu) {
        m_fokusBox = n;
        Text1_GotFocus(n);
    }
}

bool WasserEingabeseite::eventFilter(QObject* o, QEvent* e)
{
    if (o == Command3) {
        // The access key moves the focus to the button first, so that the box it leaves is
        // checked; a refused box keeps the focus and the click does not happen.
        if (e->type() == QEvent::Shortcut) {
            Command3->setFocus(Qt::ShortcutFocusReason);
            if (!Command3->hasFocus())
                return true;
        }
        // A mouse press whose focus change a refused box took back.
        if (e->type() == QEvent::MouseButtonPress && Command3->focusPolicy() != Qt::NoFocus && !Command3->hasFocus())
            return true;
    } else if (boxIndex(o) >= 0 && e->type() == QEvent::FocusIn) {
        // The whole text is selected once the click that gave the focus is over.
        auto* box = static_cast<QLineEdit*>(o);
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus())
                box->selectAll();
        });
    }
    return Seitenform::eventFilter(o, e);
}

void WasserEingabeseite::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}
