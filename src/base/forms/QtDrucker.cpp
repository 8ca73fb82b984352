#include "base/forms/QtDrucker.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QWidget>

namespace {

class QtDruckauftrag : public Druckauftrag {
public:
    QtDruckauftrag(QPrinter& drucker, const Druckanfrage& anfrage) : m_drucker(drucker)
    {
        m_drucker.setDocName(anfrage.dokumentname);
        m_geöffnet = m_painter.begin(&m_drucker);
        const double dpiX = m_drucker.logicalDpiX(), dpiY = m_drucker.logicalDpiY();
        QTransform t;
        t.scale(dpiX / anfrage.einheitenJeZoll, dpiY / anfrage.einheitenJeZoll);
        const QRectF voll = m_drucker.paperRect(QPrinter::DevicePixel);
        const QRectF druckbar = m_drucker.pageRect(QPrinter::DevicePixel);
        m_seite = QSizeF(voll.width() / dpiX * anfrage.einheitenJeZoll, voll.height() / dpiY * anfrage.einheitenJeZoll);
        m_offset = QSizeF((druckbar.left() - voll.left()) / dpiX * anfrage.einheitenJeZoll,
                          (druckbar.top() - voll.top()) / dpiY * anfrage.einheitenJeZoll);
        const double höhe = druckbar.height() / dpiY * anfrage.einheitenJeZoll;
        m_fläche = std::make_unique<PainterZeichenflaeche>(m_painter, t, höhe);
    }
    ~QtDruckauftrag() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }
    bool geöffnet() const { return m_geöffnet; }
    Zeichenflaeche& fläche() override { return *m_fläche; }
    QSizeF seitengröße() const override { return m_seite; }
    QSizeF druckerOffset() const override { return m_offset; }
    bool neueSeite() override { return m_painter.isActive() && m_drucker.newPage(); }
    bool beenden() override { return m_painter.isActive() && m_painter.end(); }
    void abbrechen() override
    {
        if (m_painter.isActive()) {
            m_drucker.abort();
            m_painter.end();
        }
    }

private:
    QPrinter& m_drucker;
    QPainter m_painter;
    bool m_geöffnet = false;
    QSizeF m_seite, m_offset;
    std::unique_ptr<PainterZeichenflaeche> m_fläche;
};

} // namespace

QtDrucker::QtDrucker() : m_drucker(QPrinter::HighResolution) {}

std::unique_ptr<Druckauftrag> QtDrucker::drucken(const Druckanfrage& anfrage)
{
    m_drucker.setPageOrientation(anfrage.querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_drucker.setCopyCount(1);
    QPrintDialog dialog(&m_drucker, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    m_fehler = {};
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    // Printing into a file draws through the checked writer, so a failed job keeps the old file.
    if (!m_drucker.outputFileName().isEmpty())
        return PdfAuftragInDatei(m_drucker.outputFileName(), anfrage, m_drucker.pageLayout(), &m_fehler);
    auto auftrag = std::make_unique<QtDruckauftrag>(m_drucker, anfrage);
    if (!auftrag->geöffnet())
        return nullptr;
    return auftrag;
}

void QtDrucker::einrichten()
{
    QPageSetupDialog dialog(&m_drucker, QApplication::activeWindow());
    dialog.exec();
}
