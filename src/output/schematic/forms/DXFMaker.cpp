#include "output/schematic/forms/DXFMaker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"

namespace {

constexpr int TextCaption = 210;
constexpr int TextAnsichtBeenden = 211;

// The picture box: the sheet on white, whole and as large as the box allows, with the drawing of
// the last run scaled to it.
class Bildflaeche : public QWidget {
public:
    Bildflaeche(const QPicture& bild, const QSizeF& größe, const bool& zeichnet, QWidget* parent)
        : QWidget(parent), m_bild(bild), m_größe(größe), m_zeichnet(zeichnet)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    // The sheet's rectangle in the widget, a small margin kept so that its edge lines show.
    QRect Blatt() const
    {
        constexpr int Rand = 2;
        const double w = std::max(0.0, std::min<double>(width() - 2 * Rand,
                                                        (height() - 2 * Rand) * Schaltschemalauf::Seitenverhältnis));
        return QRect(Rand, Rand, int(w), int(w / Schaltschemalauf::Seitenverhältnis));
    }
    // Draws the sheet into rect r of painter p.
    void ZeichneBlatt(QPainter& p, const QRect& r) const
    {
        p.fillRect(r, Qt::white);
        // The drawing is replayed once its run has ended it.
        if (m_zeichnet || m_größe.isEmpty())
            return;
        p.save();
        p.setClipRect(r);
        p.translate(r.topLeft());
        p.scale(r.width() / m_größe.width(), r.height() / m_größe.height());
        p.drawPicture(0, 0, m_bild);
        p.restore();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        ZeichneBlatt(p, Blatt());
    }

private:
    const QPicture& m_bild;
    const QSizeF& m_größe;
    const bool& m_zeichnet;
};

}  // namespace

DXFMaker::DXFMaker(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DXFMaker"));
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(TextCaption));

    AnsichtBeenden = new QPushButton(LadeText(TextAnsichtBeenden), this);
    AnsichtBeenden->setObjectName(QStringLiteral("AnsichtBeenden"));
    AnsichtBeenden->setAutoDefault(false);
    connect(AnsichtBeenden, &QPushButton::clicked, this, &QDialog::close);
    anzeige = new QLabel(QStringLiteral("--"), this);
    anzeige->setObjectName(QStringLiteral("anzeige"));
    anzeige->setMinimumWidth(300);
    Bildfeld = new Bildflaeche(m_bild, m_bildgröße, m_zeichnet, this);
    Bildfeld->setObjectName(QStringLiteral("PictureDXF"));

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(AnsichtBeenden);
    leiste->addSpacing(12);
    leiste->addWidget(anzeige, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(leiste);
    layout->addWidget(Bildfeld, 1);

    // The window lies over the main window.
    if (Hauptfenster* haupt = hauptfenster()) {
        const QWidget* h = haupt->Fensterwidget();
        resize(h->size());
        move(h->pos());
    } else {
        resize(1000, 760);
    }

    AnzeigeSetzen = [this](const QString& text) { anzeige->setText(text); };
    BildLeeren = [this] {
        if (m_painter && m_painter->isActive())
            m_painter->fillRect(QRectF(QPointF(0, 0), m_bildgröße), Qt::white);
        Bildfeld->update();
    };
    Ereignisse = [this] {
        Bildfeld->update();
        QApplication::processEvents();
    };
    Signalton = [] { QApplication::beep(); };
}

DXFMaker::~DXFMaker()
{
    PictureDXF = nullptr;
    m_fläche.reset();
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void DXFMaker::Vorbereiten(int DXFZiel, const QString& DXFOutDatei)
{
    m_ausgabeziel = DXFZiel;
    SetzePfade(zustand().Datenpfad, zustand().Installationspfad, DXFOutDatei);
}

void DXFMaker::DXFAusgabe(int DXFZiel, const QString& DXFOutDatei)
{
    Vorbereiten(DXFZiel, DXFOutDatei);
    exec();
}

void DXFMaker::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_gelaufen || m_beschäftigt)
        return;
    // Busy from here on: the run starts once the window is on the screen.
    m_beschäftigt = true;
    QTimer::singleShot(0, this, &DXFMaker::Form_Activate);
}

void DXFMaker::Form_Activate()
{
    m_beschäftigt = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Command1_Click();
    QApplication::restoreOverrideCursor();
    m_gelaufen = true;
    m_beschäftigt = false;
}

void DXFMaker::BildAnlegen()
{
    PictureDXF = nullptr;
    m_fläche.reset();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    // The drawing at the size of the sheet on the screen, 6800 picture units across, its labels
    // scaled with the sheet. The window shows it scaled to any later size.
    const QRect blatt = Blatt();
    m_bildgröße = QSizeF(std::max(200, blatt.width()), std::max(141, blatt.height()));
    m_bild = QPicture();
    m_painter = std::make_unique<QPainter>(&m_bild);
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    const double faktor = m_bildgröße.width() / Bildbreite;
    BildZollJeEinheit = Blattflaeche::ZollJeEinheit(m_bild.logicalDpiX());
    BildEinheitenJePixel = 1 / faktor;
    m_fläche = std::make_unique<Blattflaeche>(*m_painter, m_bildgröße.width());
    PictureDXF = m_fläche.get();
}

QRect DXFMaker::Blatt() const
{
    return static_cast<const Bildflaeche*>(Bildfeld)->Blatt();
}

QImage DXFMaker::Bild() const
{
    const QRect blatt = Blatt();
    const qreal dpr = Bildfeld->devicePixelRatioF();
    QImage bild((QSizeF(blatt.size()) * dpr).toSize(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    static_cast<const Bildflaeche*>(Bildfeld)->ZeichneBlatt(p, QRect(QPoint(0, 0), blatt.size()));
    return bild;
}

void DXFMaker::Command1_Click()
{
    BildAnlegen();
    m_zeichnet = true;
    Zeichnen(m_ausgabeziel);
    PictureDXF = nullptr;
    m_fläche.reset();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_zeichnet = false;
    Bildfeld->update();
}

void DXFMaker::closeEvent(QCloseEvent* e)
{
    if (m_beschäftigt) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void DXFMaker::reject()
{
    if (m_beschäftigt)
        return;
    QDialog::reject();
}

void DXFMaker::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Bildfeld->update();
}
