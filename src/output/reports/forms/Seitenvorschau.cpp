#include "output/reports/forms/Seitenvorschau.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zeichenflaeche.h"
#include "base/forms/Dialogfenster.h"
#include "output/reports/Drucken.h"

namespace {
constexpr int TextVorschau = 1340;
constexpr int TextAbbrechen = 1341;
constexpr int TextDrucken = 1342;
constexpr int TextOK = 1343;
constexpr int TextErgebnisse = 1344;
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
    setWindowTitle(LadeText(o + TextVorschau));
    Command1 = new QPushButton(LadeText(o + TextAbbrechen), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(LadeText(o + TextDrucken), this);
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
        setWindowTitle(LadeText(o + TextErgebnisse));
        Command2->setText(LadeText(o + TextOK));
        Command1->hide();
    }
    // The window covers the main window.
    if (QWidget* haupt = parentWidget() ? parentWidget()->window() : nullptr)
        setGeometry(haupt->geometry());
    else
        resize(900, 700);
    // Measured on the device the picture is recorded on.
    {
        QPicture messung;
        QPainter p(&messung);
        PainterZeichenflaeche f(p, QTransform(), 0);
        m_bericht->BlattGrößeSeitenvorschau(f, m_blattbreite, m_blatthöhe);
    }
    Picture2->setGeometry(Bildrand, Bildrand, m_blattbreite, m_blatthöhe);
    m_bericht->BildhöheGeändert = [this](int32_t höhe) { Picture2->resize(Picture2->width(), höhe); };
    Zeichnen();
    QApplication::restoreOverrideCursor();
    m_ladenAktiv = false;
    Anordnen();
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
