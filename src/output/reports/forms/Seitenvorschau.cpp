#include "output/reports/forms/Seitenvorschau.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zeichenflaeche.h"
#include "base/forms/Dialogfenster.h"
#include "output/reports/Drucken.h"

namespace {
constexpr int TextNrVorschau = 1340;
constexpr int TextNrAbbrechen = 1341;
constexpr int TextNrDrucken = 1342;
constexpr int TextNrOK = 1343;
constexpr int TextNrErgebnisse = 1344;
constexpr int MindesthöheTwips = 2500;
constexpr int MindestbreiteTwips = 3000;
// The picture's place in the viewport and the height of the button strip, in pixels.
constexpr int Bildrand = 20;
constexpr int Knopfleiste = 50;
}  // namespace

void Seitenbild::setzeBild(const QPicture& bild)
{
    m_bild = bild;
    update();
}

void Seitenbild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawPicture(0, 0, m_bild);
}

Seitenvorschau::Seitenvorschau(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Seitenvorschau"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    DialogVorbereiten(*this);
    const int o = zustand().Sprachoffset;
    setWindowTitle(LadeText(o + TextNrVorschau));
    Command1 = new QPushButton(LadeText(o + TextNrAbbrechen), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(LadeText(o + TextNrDrucken), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command2, &QPushButton::clicked, this, [this] {
        m_ergebnis = true;
        accept();
    });
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette grau = Picture1->palette();
    grau.setColor(QPalette::Window, QColor(128, 128, 128));
    Picture1->setPalette(grau);
    Picture2 = new Seitenbild(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    Picture3 = new QWidget(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setAutoFillBackground(true);
    HScroll1->hide();
    VScroll1->hide();
    Picture3->hide();
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) { Picture2->move(Bildrand - v, Picture2->y()); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) { Picture2->move(Picture2->x(), Bildrand - v); });
    setMinimumSize(Twips::zuPixel(MindestbreiteTwips), Twips::zuPixel(MindesthöheTwips));
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       Picture1, static_cast<QWidget*>(Picture2)})
        w->installEventFilter(this);
}

Seitenvorschau::~Seitenvorschau()
{
    if (m_bericht)
        m_bericht->BildhöheGeändert = nullptr;
}

void Seitenvorschau::Laden(Drucken& obj, bool mitDruck)
{
    m_ladenAktiv = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_bericht = &obj;
    if (!mitDruck) {
        const int o = zustand().Sprachoffset;
        setWindowTitle(LadeText(o + TextNrErgebnisse));
        Command2->setText(LadeText(o + TextNrOK));
        Command1->hide();
    }
    // Measured on the device the picture is recorded on.
    {
        QPicture messung;
        QPainter p(&messung);
        PainterZeichenflaeche f(p, QTransform(), 0);
        m_bericht->BlattGrößeSeitenvorschau(f, m_blattbreite, m_blatthöhe);
    }
    Picture2->setGeometry(Bildrand, Bildrand, m_blattbreite, m_blatthöhe);
    Platzieren();
    m_bericht->BildhöheGeändert = [this](int32_t höhe) { Picture2->resize(Picture2->width(), höhe); };
    Zeichnen();
    QApplication::restoreOverrideCursor();
    m_ladenAktiv = false;
    Anordnen();
}

void Seitenvorschau::Platzieren()
{
    // Over the main window, at least as wide as a page with its margins and the scroll bar, and
    // on the screen.
    QWidget* haupt = parentWidget() ? parentWidget()->window() : nullptr;
    QRect r = haupt ? haupt->geometry() : QRect(QPoint(0, 0), size());
    const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize rahmen = frameGeometry().size() - geometry().size();
    r.setWidth(std::max(r.width(), m_blattbreite + 2 * Bildrand + sb));
    if (QScreen* s = haupt ? haupt->screen() : screen()) {
        const QRect bereich = s->availableGeometry().adjusted(0, 0, -rahmen.width(), -rahmen.height());
        r.setWidth(std::min(r.width(), bereich.width()));
        r.setHeight(std::min(r.height(), bereich.height()));
        const QPoint mitte = haupt ? haupt->geometry().center() : r.center();
        r.moveCenter(mitte);
        r.moveLeft(std::clamp(r.left(), bereich.left(), bereich.right() + 1 - r.width()));
        r.moveTop(std::clamp(r.top(), bereich.top(), bereich.bottom() + 1 - r.height()));
    }
    setGeometry(r);
}

bool Seitenvorschau::eventFilter(QObject* o, QEvent* e)
{
    // Wheel and keys scroll the picture, whichever part of the window has the focus or the pointer.
    if (e->type() == QEvent::Wheel) {
        auto* rad = static_cast<QWheelEvent*>(e);
        const bool quer = rad->modifiers() & Qt::ShiftModifier || std::abs(rad->angleDelta().x()) > std::abs(rad->angleDelta().y());
        QScrollBar* leiste = quer ? HScroll1 : VScroll1;
        if (leiste->isVisible())
            QCoreApplication::sendEvent(leiste, e);
        return true;
    }
    if (e->type() == QEvent::KeyPress && Rollen(static_cast<QKeyEvent*>(e)->key()))
        return true;
    return QDialog::eventFilter(o, e);
}

bool Seitenvorschau::Rollen(int taste)
{
    auto schritt = [](QScrollBar* leiste, QAbstractSlider::SliderAction a) {
        if (leiste->isVisible())
            leiste->triggerAction(a);
        return true;
    };
    switch (taste) {
    case Qt::Key_Up: return schritt(VScroll1, QAbstractSlider::SliderSingleStepSub);
    case Qt::Key_Down: return schritt(VScroll1, QAbstractSlider::SliderSingleStepAdd);
    case Qt::Key_PageUp: return schritt(VScroll1, QAbstractSlider::SliderPageStepSub);
    case Qt::Key_PageDown: return schritt(VScroll1, QAbstractSlider::SliderPageStepAdd);
    case Qt::Key_Left: return schritt(HScroll1, QAbstractSlider::SliderSingleStepSub);
    case Qt::Key_Right: return schritt(HScroll1, QAbstractSlider::SliderSingleStepAdd);
    default: return false;
    }
}

void Seitenvorschau::Zeichnen()
{
    if (!m_bericht)
        return;
    QPicture bild;
    {
        QPainter p(&bild);
        PainterZeichenflaeche f(p, QTransform(), Picture2->height());
        m_bericht->GDIAusgabe(1, &f);
    }
    Picture2->setzeBild(bild);
}

bool Seitenvorschau::GDIDraw(Drucken& obj, bool mitDruck)
{
    m_ergebnis = false;
    Laden(obj, mitDruck);
    exec();
    return m_ergebnis;
}

void Seitenvorschau::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_ladenAktiv || !m_bericht)
        return;
    // Drawn again once the window is up (the report lets events through while it draws).
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible())
                return;
            VScroll1->hide();
            Zeichnen();
            Anordnen();
        },
        Qt::QueuedConnection);
}

void Seitenvorschau::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (!m_ladenAktiv)
        Anordnen();
}

void Seitenvorschau::Anordnen()
{
    const int breite = width(), höhe = height();
    if (isMaximized()) {
        Picture2->move(Bildrand, Picture2->y());
        HScroll1->setValue(0);
    }
    Command1->move(20, 10);
    Command2->move(breite - Command2->width() - 20, 10);
    Picture1->setGeometry(0, Knopfleiste, breite, höhe - Knopfleiste);
    Picture3->hide();
    const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int bildB = Picture2->width(), bildH = Picture2->height();
    const bool horizontal = bildB + 2 * Bildrand + sb > Picture1->width();
    const bool vertikal = bildH + 2 * Bildrand + (horizontal ? sb : 0) > Picture1->height();
    const int hsHöhe = horizontal ? sb : 0;
    const int vsBreite = vertikal ? sb : 0;
    HScroll1->setVisible(horizontal);
    if (horizontal) {
        HScroll1->setGeometry(0, höhe - sb, breite - vsBreite, sb);
        HScroll1->setMaximum(qMax(0, bildB - Picture1->width() + 2 * Bildrand + vsBreite));
        HScroll1->setPageStep(Picture1->width());
        HScroll1->setSingleStep(qMax(1, m_bericht ? m_bericht->GetCharWidthMon_X() : 1));
    } else {
        HScroll1->setValue(0);
    }
    VScroll1->setVisible(vertikal);
    if (vertikal) {
        VScroll1->setGeometry(breite - sb, Knopfleiste, sb, Picture1->height() - hsHöhe);
        VScroll1->setMaximum(qMax(0, bildH - Picture1->height() + 2 * Bildrand + hsHöhe));
        VScroll1->setPageStep(Picture1->height());
        VScroll1->setSingleStep(qMax(1, m_bericht ? m_bericht->GetCharWidthMon_Y() : 1));
    } else {
        VScroll1->setValue(0);
    }
    if (horizontal && vertikal) {
        Picture3->setGeometry(breite - sb, höhe - sb, sb, sb);
        Picture3->show();
        Picture3->raise();
    }
    HScroll1->raise();
    VScroll1->raise();
}
