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

// The picture box: the drawn picture on white, as large as the sheet's proportion allows, at
// the top left.
class Bildflaeche : public QWidget {
public:
    Bildflaeche(const QImage& bild, QWidget* parent) : QWidget(parent), m_bild(bild)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    // The sheet's rectangle in the widget.
    QRect Blatt() const
    {
        const double w = std::min<double>(width(), height() * Schaltschemalauf::Seitenverhältnis);
        return QRect(0, 0, int(w), int(w / Schaltschemalauf::Seitenverhältnis));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        const QRect blatt = Blatt();
        p.fillRect(blatt, Qt::white);
        if (!m_bild.isNull())
            p.drawImage(blatt, m_bild);
    }

private:
    const QImage& m_bild;
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
    Bildfeld = new Bildflaeche(m_bild, this);
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
            m_painter->fillRect(QRect(QPoint(0, 0), m_bild.size()), Qt::white);
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
    // The picture at the size of the sheet on the screen; 6800 picture units across.
    const QRect blatt = static_cast<Bildflaeche*>(Bildfeld)->Blatt();
    const qreal dpr = Bildfeld->devicePixelRatioF();
    const QSize pixel(std::max(200, int(blatt.width() * dpr)), std::max(141, int(blatt.height() * dpr)));
    m_bild = QImage(pixel, QImage::Format_RGB32);
    m_bild.setDevicePixelRatio(1);
    // Fonts keep their size on a screen of more pixels per point.
    m_bild.setDotsPerMeterX(qRound(m_bild.dotsPerMeterX() * dpr));
    m_bild.setDotsPerMeterY(qRound(m_bild.dotsPerMeterY() * dpr));
    m_bild.fill(Qt::white);
    m_painter = std::make_unique<QPainter>(&m_bild);
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    const double faktor = pixel.width() / Bildbreite;
    BildZollJeEinheit = faktor / m_bild.logicalDpiX();
    BildEinheitenJePixel = dpr / faktor;
    m_fläche = std::make_unique<PainterZeichenflaeche>(*m_painter, QTransform::fromScale(faktor, faktor), Bildhöhe);
    PictureDXF = m_fläche.get();
}

void DXFMaker::Command1_Click()
{
    BildAnlegen();
    Zeichnen(m_ausgabeziel);
    PictureDXF = nullptr;
    m_fläche.reset();
    if (m_painter && m_painter->isActive())
        m_painter->end();
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
