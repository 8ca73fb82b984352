#include "base/Zeichenflaeche.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QtMath>

#include <algorithm>
#include <cmath>

PainterZeichenflaeche::PainterZeichenflaeche(QPainter& painter, const QTransform& abbildung, double höhe)
    : m_painter(painter), m_abbildung(abbildung), m_höhe(höhe)
{
}

double PainterZeichenflaeche::maßstabX() const
{
    const double m = std::hypot(m_abbildung.m11(), m_abbildung.m12());
    return m > 0 ? m : 1;
}

double PainterZeichenflaeche::maßstabY() const
{
    const double m = std::hypot(m_abbildung.m21(), m_abbildung.m22());
    return m > 0 ? m : 1;
}

QPen PainterZeichenflaeche::stift(QColor farbe, double breite) const
{
    QPen pen(farbe);
    pen.setWidthF(breite > 0 ? breite * maßstabX() : 0);
    pen.setStyle(m_strichart == 2 ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

void PainterZeichenflaeche::setzeStrichart(int art)
{
    m_strichart = art;
}

void PainterZeichenflaeche::linie(QPointF von, QPointF bis, QColor farbe, double breite)
{
    m_painter.setPen(stift(farbe, breite));
    m_painter.drawLine(m_abbildung.map(von), m_abbildung.map(bis));
}

void PainterZeichenflaeche::kreis(QPointF mitte, double radius, QColor farbe)
{
    m_painter.setPen(stift(farbe, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(m_abbildung.map(mitte), radius * maßstabX(), radius * maßstabY());
}

void PainterZeichenflaeche::bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad)
{
    // Counter-clockwise from start to end as seen on the surface (y down): Qt's positive angles run
    // counter-clockwise on the screen too.
    if (!std::isfinite(startRad) || !std::isfinite(endRad))
        return;
    double spanne = endRad - startRad;
    if (spanne < 0)
        spanne += 2 * M_PI * std::ceil(-spanne / (2 * M_PI));
    if (!std::isfinite(spanne))
        spanne = 2 * M_PI;
    // Angles of any size stay within what the painter takes; a turn or more is the full circle.
    spanne = std::clamp(spanne, 0.0, 2 * M_PI);
    startRad = std::fmod(startRad, 2 * M_PI);
    const QPointF m = m_abbildung.map(mitte);
    const QRectF rahmen(m.x() - radius * maßstabX(), m.y() - radius * maßstabY(), 2 * radius * maßstabX(),
                        2 * radius * maßstabY());
    m_painter.setPen(stift(farbe, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawArc(rahmen, qRound(qRadiansToDegrees(startRad) * 16), qRound(qRadiansToDegrees(spanne) * 16));
}

void PainterZeichenflaeche::punkt(QPointF p, QColor farbe)
{
    m_painter.setPen(stift(farbe, 0));
    m_painter.drawPoint(m_abbildung.map(p));
}

void PainterZeichenflaeche::setzeSchrift(const QString& name, double punkte, bool fett)
{
    // Reports choose their font before every line; the font in use is not built again.
    if (m_metrik && name == m_schriftname && punkte == m_punkte && fett == m_fett &&
        m_painter.font() == m_metrikSchrift)
        return;
    m_schriftname = name;
    m_punkte = punkte;
    m_fett = fett;
    QFont f(name);
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(punkte > 0 ? punkte : 1);
    f.setBold(fett);
    m_painter.setFont(f);
    m_metrik.reset();
}

const QFontMetricsF& PainterZeichenflaeche::metrik()
{
    if (!m_metrik || m_metrikGerät != m_painter.device() || m_painter.font() != m_metrikSchrift) {
        m_metrikSchrift = m_painter.font();
        m_metrikGerät = m_painter.device();
        m_metrik.emplace(m_metrikSchrift, m_painter.device());
        m_vorschub = m_metrik->horizontalAdvance(QLatin1Char('X'));
    }
    return *m_metrik;
}

double PainterZeichenflaeche::textBreite(const QString& text)
{
    return metrik().horizontalAdvance(text) / maßstabX();
}

double PainterZeichenflaeche::textHöhe(const QString&)
{
    return metrik().height() / maßstabY();
}

void PainterZeichenflaeche::text(QPointF oben_links, const QString& text, QColor farbe)
{
    const double oberlänge = metrik().ascent();
    const QPointF p = m_abbildung.map(oben_links);
    m_painter.setPen(QPen(farbe));
    m_painter.drawText(QPointF(p.x(), p.y() + oberlänge), text);
}

void Zeichenflaeche::textImRaster(QPointF oben_links, const QString& text, double zeichenbreite, QColor farbe)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        this->text(QPointF(oben_links.x() + i * zeichenbreite, oben_links.y()), text.mid(i, 1), farbe);
}

void PainterZeichenflaeche::textImRaster(QPointF oben_links, const QString& text, double zeichenbreite, QColor farbe)
{
    // The font's advance stretched to the grid (letter spacing is not kept alike by every device).
    const double oberlänge = metrik().ascent();
    const double vorschub = m_vorschub;
    if (vorschub <= 0 || zeichenbreite <= 0) {
        this->text(oben_links, text, farbe);
        return;
    }
    const QPointF p = m_abbildung.map(oben_links);
    m_painter.save();
    m_painter.translate(p.x(), p.y() + oberlänge);
    m_painter.scale(zeichenbreite * maßstabX() / vorschub, 1.0);
    m_painter.setPen(QPen(farbe));
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

namespace {
QString zahl(double v)
{
    return QString::number(v, 'g', 10);
}
} // namespace

Zeichenrecorder::Zeichenrecorder(double höhe, double breiteJePunkt, double höheJePunkt)
    : m_höhe(höhe), m_breiteJePunkt(breiteJePunkt), m_höheJePunkt(höheJePunkt)
{
}

void Zeichenrecorder::setzeStrichart(int art)
{
    m_strichart = art;
}

void Zeichenrecorder::linie(QPointF von, QPointF bis, QColor farbe, double breite)
{
    aufrufe << QStringLiteral("linie %1 %2 %3 %4 %5 %6 art=%7")
                   .arg(zahl(von.x()), zahl(von.y()), zahl(bis.x()), zahl(bis.y()), farbe.name(), zahl(breite))
                   .arg(m_strichart);
}

void Zeichenrecorder::kreis(QPointF mitte, double radius, QColor farbe)
{
    aufrufe << QStringLiteral("kreis %1 %2 %3 %4 art=%5")
                   .arg(zahl(mitte.x()), zahl(mitte.y()), zahl(radius), farbe.name())
                   .arg(m_strichart);
}

void Zeichenrecorder::bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad)
{
    aufrufe << QStringLiteral("bogen %1 %2 %3 %4 %5 %6 art=%7")
                   .arg(zahl(mitte.x()), zahl(mitte.y()), zahl(radius), farbe.name(), zahl(startRad), zahl(endRad))
                   .arg(m_strichart);
}

void Zeichenrecorder::punkt(QPointF p, QColor farbe)
{
    aufrufe << QStringLiteral("punkt %1 %2 %3").arg(zahl(p.x()), zahl(p.y()), farbe.name());
}

void Zeichenrecorder::setzeSchrift(const QString& name, double punkte, bool fett)
{
    m_punkte = punkte;
    aufrufe << QStringLiteral("schrift %1 %2 %3").arg(name, zahl(punkte), fett ? "fett" : "normal");
}

double Zeichenrecorder::textBreite(const QString& text)
{
    return text.size() * m_breiteJePunkt * m_punkte;
}

double Zeichenrecorder::textHöhe(const QString&)
{
    return m_höheJePunkt * m_punkte;
}

void Zeichenrecorder::textImRaster(QPointF oben_links, const QString& text, double, QColor farbe)
{
    this->text(oben_links, text, farbe);
}

void Zeichenrecorder::text(QPointF oben_links, const QString& text, QColor farbe)
{
    aufrufe << QStringLiteral("text %1 %2 %3 %4").arg(zahl(oben_links.x()), zahl(oben_links.y()), text, farbe.name());
}
