#include "base/DruckerSeam.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

class KeinDrucker : public DruckerSeam {
public:
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage&) override { return nullptr; }
    void einrichten() override {}
};

DruckerSeam* g_drucker = nullptr;

// A job on any QPagedPaintDevice with a painter open on it.
class PdfAuftrag : public Druckauftrag {
public:
    PdfAuftrag(const QString& datei, const Druckanfrage& anfrage) : m_writer(datei)
    {
        m_writer.setTitle(anfrage.dokumentname);
        m_writer.setResolution(600);
        m_writer.setPageSize(QPageSize(QPageSize::A4));
        m_writer.setPageOrientation(anfrage.querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
        m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        m_geöffnet = m_painter.begin(&m_writer);
        const double faktor = 600.0 / anfrage.einheitenJeZoll;  // device pixels per unit
        QTransform t;
        t.scale(faktor, faktor);
        const QSizeF seite = m_writer.pageLayout().fullRectPoints().size();
        m_seite = QSizeF(seite.width() / 72.0 * anfrage.einheitenJeZoll, seite.height() / 72.0 * anfrage.einheitenJeZoll);
        m_fläche = std::make_unique<PainterZeichenflaeche>(m_painter, t, m_seite.height());
    }
    ~PdfAuftrag() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }
    bool geöffnet() const { return m_geöffnet; }
    Zeichenflaeche& fläche() override { return *m_fläche; }
    QSizeF seitengröße() const override { return m_seite; }
    QSizeF druckerOffset() const override { return QSizeF(0, 0); }
    bool neueSeite() override { return m_painter.isActive() && m_writer.newPage(); }
    bool beenden() override { return m_painter.isActive() && m_painter.end(); }
    void abbrechen() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

private:
    QPdfWriter m_writer;
    QPainter m_painter;
    bool m_geöffnet = false;
    QSizeF m_seite;
    std::unique_ptr<PainterZeichenflaeche> m_fläche;
};

class SystemZwischenablage : public Zwischenablage {
public:
    void leeren() override
    {
        if (auto* c = QGuiApplication::clipboard())
            c->clear();
    }
    void setzeText(const QString& text) override
    {
        if (auto* c = QGuiApplication::clipboard())
            c->setText(text);
    }
};

Zwischenablage* g_zwischenablage = nullptr;

} // namespace

DruckerSeam& drucker()
{
    static KeinDrucker keiner;
    return g_drucker ? *g_drucker : keiner;
}

void setzeDrucker(DruckerSeam* d)
{
    g_drucker = d;
}

std::unique_ptr<Druckauftrag> PdfDrucker::drucken(const Druckanfrage& anfrage)
{
    auto auftrag = std::make_unique<PdfAuftrag>(m_datei, anfrage);
    if (!auftrag->geöffnet())
        return nullptr;
    ++aufträge;
    return auftrag;
}

Zwischenablage& zwischenablage()
{
    static SystemZwischenablage system;
    return g_zwischenablage ? *g_zwischenablage : system;
}

void setzeZwischenablage(Zwischenablage* z)
{
    g_zwischenablage = z;
}
