#include "base/forms/Lesbarkeit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <vector>

namespace Lesbarkeit {
namespace {

// Contrast 6:1 on white, 5.8:1 on the yellow of the inputs, 5.2:1 on the grey of windows.
constexpr QRgb Gesperrt = 0x5f5f5f;
// The highlighted row of a list: white text on it reads at 5.4:1, and at 5:1 when it is locked.
constexpr QRgb Markierung = 0x2c6ea5;
constexpr QRgb MarkierungGesperrt = 0x6e6e6e;

QString ohneKürzel(QString text)
{
    // "&&" is a plain ampersand, a single "&" marks the access key and takes no room.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

int zeilenbreite(const QFontMetrics& fm, const QString& text)
{
    int breite = 0;
    for (const QString& zeile : text.split(u'\n'))
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    return breite;
}

bool vonHandPlatziert(const QWidget* w)
{
    const QWidget* eltern = w->parentWidget();
    return eltern && !w->isWindow() && !eltern->layout();
}

// r may take the place: inside the parent and clear of every sibling that the old place kept
// clear of (hidden ones too: they may come up later in the same place).
bool frei(const QWidget* w, const QRect& r, const QRect& alt)
{
    const QWidget* eltern = w->parentWidget();
    if (!eltern->rect().contains(r))
        return false;
    for (const QObject* o : eltern->children()) {
        const auto* g = qobject_cast<const QWidget*>(o);
        if (!g || g == w || g->isWindow())
            continue;
        if (g->geometry().intersects(r) && !g->geometry().intersects(alt))
            return false;
    }
    return true;
}

// The first of the places that is free; false when none is.
bool nimm(QWidget* w, std::initializer_list<QRect> orte)
{
    const QRect alt = w->geometry();
    for (const QRect& r : orte)
        if (frei(w, r, alt)) {
            w->setGeometry(r);
            return true;
        }
    return false;
}

bool höher(QWidget* w, int höhe)
{
    const QRect r = w->geometry();
    const int mehr = höhe - r.height();
    if (mehr <= 0)
        return true;
    return nimm(w, {r.adjusted(0, -mehr / 2, 0, mehr - mehr / 2), r.adjusted(0, 0, 0, mehr), r.adjusted(0, -mehr, 0, 0)});
}

bool breiter(QWidget* w, int breite, Qt::Alignment ausrichtung, bool mitEltern = true)
{
    const QRect r = w->geometry();
    const int mehr = breite - r.width();
    if (mehr <= 0)
        return true;
    const QRect rechts = r.adjusted(0, 0, mehr, 0);
    const QRect links = r.adjusted(-mehr, 0, 0, 0);
    const QRect mitte = r.adjusted(-mehr / 2, 0, mehr - mehr / 2, 0);
    const auto versuche = [&] {
        if (ausrichtung & Qt::AlignRight)
            return nimm(w, {links, mitte, rechts});
        if (ausrichtung & Qt::AlignHCenter)
            return nimm(w, {mitte, rechts, links});
        return nimm(w, {rechts, mitte, links});
    };
    if (versuche())
        return true;
    // A frame or group placed by hand around it widens into free room of its own.
    QWidget* eltern = w->parentWidget();
    if (!mitEltern || !vonHandPlatziert(eltern) || eltern->inherits("Seitenform"))
        return false;
    return breiter(eltern, eltern->width() + mehr, Qt::AlignLeft, false) && versuche();
}

// Room kept between a label and a picture beside it, in pixels.
constexpr int Abstand = 6;

// A picture drawn above a label hides its text where the two meet: a label whose text starts
// left of such a picture keeps to the part before it (and wraps below).
void vorBild(QLabel* l, const QSize& bedarf)
{
    if (!l->pixmap().isNull())
        return;
    const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment() & Qt::AlignHorizontal_Mask,
                                           QSize(std::min(bedarf.width(), l->width()), l->height()), l->geometry());
    const QObjectList& geschwister = l->parentWidget()->children();
    for (qsizetype i = geschwister.indexOf(l) + 1; i < geschwister.size(); ++i) {
        const auto* bild = qobject_cast<const QLabel*>(geschwister[i]);
        if (!bild || bild->isHidden() || bild->pixmap().isNull() || !bild->geometry().intersects(text))
            continue;
        const int breite = bild->x() - Abstand - l->x();
        if (breite <= 0 || bild->x() <= text.x())
            continue;
        l->setWordWrap(true);
        l->resize(breite, l->height());
    }
}

void einpassen(QWidget* w)
{
    if (!vonHandPlatziert(w))
        return;
    const QSize bedarf = Textbedarf(w);
    if (bedarf.isEmpty())
        return;
    // What lies beyond the parent's edge is not seen: the control keeps to the part inside.
    const QRect innen = w->geometry().intersected(w->parentWidget()->rect());
    if (innen != w->geometry() && !innen.isEmpty())
        w->setGeometry(innen);
    auto* label = qobject_cast<QLabel*>(w);
    if (label)
        vorBild(label, bedarf);
    const Qt::Alignment ausrichtung = label ? label->alignment() : Qt::Alignment(Qt::AlignLeft);
    if (bedarf.width() > w->width() && !breiter(w, bedarf.width(), ausrichtung) && label && !label->wordWrap()) {
        // No room beside it: the label breaks its text into lines and takes room below.
        label->setWordWrap(true);
    }
    const QSize danach = Textbedarf(w);
    if (danach.height() > w->height())
        höher(w, danach.height());
}

// Fits the controls of the windows and pages being shown, and a control again when its text
// changes (the change asks the parent for a new layout).
class Wächter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show && e->type() != QEvent::LayoutRequest)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w)
            return false;
        if (e->type() == QEvent::Show && (w->isWindow() || w->inherits("Seitenform"))) {
            Einpassen(w);
        } else if (e->type() == QEvent::LayoutRequest && !w->layout() && w->isVisible()) {
            for (QObject* k : w->children())
                if (auto* c = qobject_cast<QWidget*>(k))
                    einpassen(c);
        }
        return false;
    }
};

}  // namespace

QColor GesperrterText()
{
    return QColor(Gesperrt);
}

void SetzeLesbareFarben(QPalette& p)
{
    for (const QPalette::ColorRole rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, GesperrterText());
    for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppe, QPalette::Highlight, QColor(Markierung));
        p.setColor(gruppe, QPalette::HighlightedText, Qt::white);
    }
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(MarkierungGesperrt));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::white);
}

void Einrichten()
{
    static QPointer<Wächter> wächter;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || wächter)
        return;
    QPalette p = QApplication::palette();
    SetzeLesbareFarben(p);
    QApplication::setPalette(p);
    wächter = new Wächter(app);
    app->installEventFilter(wächter);
}

void Einpassen(QWidget* w)
{
    if (!w)
        return;
    einpassen(w);
    for (QWidget* c : w->findChildren<QWidget*>())
        einpassen(c);
}

QSize Textbedarf(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().trimmed().isEmpty() || l->hasScaledContents())
            return {};
        if (!l->wordWrap())
            return l->sizeHint();
        return {l->width(), l->heightForWidth(l->width())};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* b = static_cast<const QAbstractButton*>(w);
        return b->text().isEmpty() ? QSize() : b->sizeHint();
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        if (b->text().isEmpty())
            return {};
        // The caption and the button's margins; the style's least width of a button is no need.
        const QStyle* s = b->style();
        const int rand = 2 * (s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b)
                              + s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b));
        const int symbol = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return {zeilenbreite(b->fontMetrics(), ohneKürzel(b->text())) + rand + symbol, b->fontMetrics().height()};
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty())
            return {};
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect titel = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        return {titel.right() + 1 + std::max(0, titel.left()), 1};
    }
    return {};
}

}  // namespace Lesbarkeit
