#include "base/DruckerSeam.h"

#include "base/Dateischreiber.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int TextDateiNichtGeschrieben = 2241;

class KeinDrucker : public DruckerSeam {
public:
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage&) override { return nullptr; }
    void einrichten() override {}
};

DruckerSeam* g_drucker = nullptr;

// A PDF drawn through the checked writer.
class PdfAuftrag : public Druckauftrag {
public:
    PdfAuftrag(const QString& datei, const Druckanfrage& anfrage, const QPageLayout& layout)
        : m_datei(datei), m_writer(&m_datei)
    {
        if (!m_datei.öffnen())
            return;
        m_writer.setTitle(anfrage.dokumentname);
        m_writer.setResolution(600);
        m_writer.setPageLayout(layout);
        m_geöffnet = m_painter.begin(&m_writer);
        if (!m_geöffnet) {
            m_datei.verwerfen();
            return;
        }
        const double faktor = 600.0 / anfrage.einheitenJeZoll;  // device pixels per unit
        const double jePunkt = anfrage.einheitenJeZoll / 72.0;
        QTransform t;
        t.scale(faktor, faktor);
        const QRectF voll = m_writer.pageLayout().fullRectPoints();
        const QRectF druckbar = m_writer.pageLayout().paintRectPoints();
        m_seite = voll.size() * jePunkt;
        m_offset = QSizeF(druckbar.left() - voll.left(), druckbar.top() - voll.top()) * jePunkt;
        m_fläche = std::make_unique<PainterZeichenflaeche>(m_painter, t, druckbar.height() * jePunkt);
    }
    ~PdfAuftrag() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }
    bool geöffnet() const { return m_geöffnet; }
    Druckdateifehler öffnungsfehler() const
    {
        return {m_datei.ziel(), m_datei.fehler()};
    }
    Zeichenflaeche& fläche() override { return *m_fläche; }
    QSizeF seitengröße() const override { return m_seite; }
    QSizeF druckerOffset() const override { return m_offset; }
    bool neueSeite() override { return m_painter.isActive() && m_writer.newPage(); }
    bool beenden() override
    {
        // The painter writes the end of the document; only then is the file complete.
        const bool gezeichnet = m_painter.isActive() && m_painter.end();
        if (gezeichnet && m_datei.abschließen())
            return true;
        m_datei.verwerfen();
        m_fehler = {m_datei.ziel(), m_datei.fehler()};
        return false;
    }
    void abbrechen() override
    {
        if (m_painter.isActive())
            m_painter.end();
        m_datei.verwerfen();
    }
    Druckdateifehler dateifehler() const override { return m_fehler; }

private:
    Dateischreiber m_datei;
    QPdfWriter m_writer;
    QPainter m_painter;
    bool m_geöffnet = false;
    QSizeF m_seite, m_offset;
    std::unique_ptr<PainterZeichenflaeche> m_fläche;
    Druckdateifehler m_fehler;
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

bool MeldeDruckdateifehler(const Druckdateifehler& fehler)
{
    if (!fehler.gesetzt())
        return false;
    Meldung(Meldungsart::Anwendungsfehler, LadeText(zustand().Sprachoffset + TextDateiNichtGeschrieben),
            QDir::toNativeSeparators(fehler.datei), fehler.grund);
    return true;
}

std::unique_ptr<Druckauftrag> PdfAuftragInDatei(const QString& datei, const Druckanfrage& anfrage,
                                                const QPageLayout& layout, Druckdateifehler* fehler)
{
    auto auftrag = std::make_unique<PdfAuftrag>(datei, anfrage, layout);
    if (!auftrag->geöffnet()) {
        if (fehler)
            *fehler = auftrag->öffnungsfehler();
        return nullptr;
    }
    return auftrag;
}

std::unique_ptr<Druckauftrag> PdfDrucker::drucken(const Druckanfrage& anfrage)
{
    m_fehler = {};
    const QPageLayout layout(QPageSize(QPageSize::A4), anfrage.querformat ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0));
    auto auftrag = PdfAuftragInDatei(m_datei, anfrage, layout, &m_fehler);
    if (auftrag)
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
