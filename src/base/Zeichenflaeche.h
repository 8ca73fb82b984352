#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <optional>

class QPaintDevice;
class QPainter;

// What reports and schematics draw on. Coordinates are in the surface's own units with y growing
// downwards; whoever creates a surface chooses the units (twips, pixels, 1/600 inch, a user scale).
class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;

    // 0 solid, 2 dotted; other values draw solid.
    virtual void setzeStrichart(int art) = 0;
    // A line; `breite` in surface units, 0 the thinnest line the device draws.
    virtual void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) = 0;
    virtual void kreis(QPointF mitte, double radius, QColor farbe) = 0;
    // An arc from `startRad` to `endRad`, counter-clockwise as seen on the surface.
    virtual void bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad) = 0;
    virtual void punkt(QPointF p, QColor farbe) = 0;

    // The font of the following texts; `punkte` is the size in typographic points.
    virtual void setzeSchrift(const QString& name, double punkte, bool fett) = 0;
    // Measures of a text in the current font, in surface units.
    virtual double textBreite(const QString& text) = 0;
    virtual double textHöhe(const QString& text) = 0;
    // A text whose cell's top left corner lies at `oben_links`.
    virtual void text(QPointF oben_links, const QString& text, QColor farbe = Qt::black) = 0;
    // A text on a column grid: character i starts at oben_links.x + i × zeichenbreite, whatever
    // the font's own advance (reports place their columns by character). By default one text
    // per character.
    virtual void textImRaster(QPointF oben_links, const QString& text, double zeichenbreite,
                              QColor farbe = Qt::black);

    // Height of the visible surface in its units.
    virtual double höhe() const = 0;
};

// Draws through a QPainter (screen, QImage, printer, PDF). `abbildung` maps surface units to the
// painter's device coordinates; the painter's own transform stays untouched.
class PainterZeichenflaeche : public Zeichenflaeche {
public:
    PainterZeichenflaeche(QPainter& painter, const QTransform& abbildung, double höhe);

    void setzeStrichart(int art) override;
    void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) override;
    void kreis(QPointF mitte, double radius, QColor farbe) override;
    void bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad) override;
    void punkt(QPointF p, QColor farbe) override;
    void setzeSchrift(const QString& name, double punkte, bool fett) override;
    double textBreite(const QString& text) override;
    double textHöhe(const QString& text) override;
    void text(QPointF oben_links, const QString& text, QColor farbe = Qt::black) override;
    // One text, its advance stretched to the grid.
    void textImRaster(QPointF oben_links, const QString& text, double zeichenbreite, QColor farbe = Qt::black) override;
    double höhe() const override { return m_höhe; }

private:
    QPen stift(QColor farbe, double breite) const;
    double maßstabX() const;
    double maßstabY() const;
    // The measures of the painter's font, built again only when that font or device changed.
    const QFontMetricsF& metrik();

    QPainter& m_painter;
    QTransform m_abbildung;
    double m_höhe;
    int m_strichart = 0;
    // The last font chosen through setzeSchrift.
    QString m_schriftname;
    double m_punkte = 0;
    bool m_fett = false;
    QFont m_metrikSchrift;
    const QPaintDevice* m_metrikGerät = nullptr;
    std::optional<QFontMetricsF> m_metrik;
    // Advance of "X" in the measured font.
    double m_vorschub = 0;
};

// Keeps every call as one line of text, for tests. Text measures are those of a fixed-pitch font:
// a character is `breiteJePunkt` × size wide and `höheJePunkt` × size high.
class Zeichenrecorder : public Zeichenflaeche {
public:
    explicit Zeichenrecorder(double höhe = 1000, double breiteJePunkt = 0.6, double höheJePunkt = 1.2);

    void setzeStrichart(int art) override;
    void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) override;
    void kreis(QPointF mitte, double radius, QColor farbe) override;
    void bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad) override;
    void punkt(QPointF p, QColor farbe) override;
    void setzeSchrift(const QString& name, double punkte, bool fett) override;
    double textBreite(const QString& text) override;
    double textHöhe(const QString& text) override;
    void text(QPointF oben_links, const QString& text, QColor farbe = Qt::black) override;
    // Noted as one text (its font is fixed-pitch already).
    void textImRaster(QPointF oben_links, const QString& text, double zeichenbreite, QColor farbe = Qt::black) override;
    double höhe() const override { return m_höhe; }

    // "linie 90 1800 710 1800 #000000 0 art=0", "text 10 20 Hallo #000000", ...
    QStringList aufrufe;

private:
    double m_höhe, m_breiteJePunkt, m_höheJePunkt;
    double m_punkte = 10;
    int m_strichart = 0;
};
