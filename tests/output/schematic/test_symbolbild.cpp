// The schematic as the window shows it: every symbol of the library drawn on a picture of the
// window's size, its labels clear of its lines, and the pipes of whole plants ending at the
// symbols they join.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <QSet>

#include <cmath>
#include <numbers>

#include "output/schematic/Schaltschemalauf.h"
#include "support/QStringAusgabe.h"
#include "Schemaordner.h"

namespace {

const QString Ordner = QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf");

// Draws on an image as the window does and keeps what was drawn: the strokes (circles and arcs
// as short chords) and the part of each label's cell that its letters take, in picture units.
class Bildgeometrie : public PainterZeichenflaeche {
public:
    struct Text {
        QRectF feld;
        QString text;
        double punkte;
    };
    Bildgeometrie(QPainter& p, double faktor)
        : PainterZeichenflaeche(p, QTransform::fromScale(faktor, faktor), Schaltschemalauf::Bildhöhe)
    {
    }
    void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) override
    {
        striche << QLineF(von, bis);
        PainterZeichenflaeche::linie(von, bis, farbe, breite);
    }
    void kreis(QPointF mitte, double radius, QColor farbe) override
    {
        sehnen(mitte, radius, 0, 2 * std::numbers::pi);
        PainterZeichenflaeche::kreis(mitte, radius, farbe);
    }
    void bogen(QPointF mitte, double radius, QColor farbe, double start, double ende) override
    {
        sehnen(mitte, radius, start, ende < start ? ende + 2 * std::numbers::pi : ende);
        PainterZeichenflaeche::bogen(mitte, radius, farbe, start, ende);
    }
    void setzeSchrift(const QString& name, double punkte, bool fett) override
    {
        m_punkte = punkte;
        PainterZeichenflaeche::setzeSchrift(name, punkte, fett);
    }
    void text(QPointF oben_links, const QString& text, QColor farbe = Qt::black) override
    {
        // Capitals reach from about a sixth of the cell down to the base line at four fifths.
        const double b = textBreite(text), h = textHöhe(text);
        if (!text.trimmed().isEmpty())
            texte.append({QRectF(oben_links.x() + 0.01 * b, oben_links.y() + 0.17 * h, 0.98 * b, 0.64 * h), text, m_punkte});
        PainterZeichenflaeche::text(oben_links, text, farbe);
    }

    QList<QLineF> striche;
    QList<Text> texte;

private:
    void sehnen(QPointF m, double r, double a, double e)
    {
        if (r <= 0)
            return;
        const int n = 48;
        for (int i = 0; i < n; ++i) {
            const double w1 = a + (e - a) * i / n, w2 = a + (e - a) * (i + 1) / n;
            striche << QLineF(m + r * QPointF(std::cos(w1), -std::sin(w1)), m + r * QPointF(std::cos(w2), -std::sin(w2)));
        }
    }
    double m_punkte = 0;
};

bool Kreuzt(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF kanten[4] = {{r.topLeft(), r.topRight()},
                              {r.topRight(), r.bottomRight()},
                              {r.bottomRight(), r.bottomLeft()},
                              {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& k : kanten)
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

// Every label clear of every stroke and of the other labels, and large enough to read.
QStringList Beschriftungsfehler(const Bildgeometrie& g)
{
    QStringList f;
    for (qsizetype i = 0; i < g.texte.size(); ++i) {
        const auto& t = g.texte[i];
        for (const QLineF& l : g.striche)
            if (Kreuzt(l, t.feld)) {
                f << QStringLiteral("\"%1\" crosses a line (%2 %3 - %4 %5)")
                         .arg(t.text)
                         .arg(l.x1(), 0, 'f', 0)
                         .arg(l.y1(), 0, 'f', 0)
                         .arg(l.x2(), 0, 'f', 0)
                         .arg(l.y2(), 0, 'f', 0);
                break;
            }
        for (qsizetype j = i + 1; j < g.texte.size(); ++j)
            if (g.texte[j].feld.intersects(t.feld))
                f << QStringLiteral("\"%1\" overlaps \"%2\"").arg(t.text, g.texte[j].text);
        if (t.punkte < 6)
            f << QStringLiteral("\"%1\" shrunk to %2 points").arg(t.text).arg(t.punkte);
    }
    return f;
}

// The sheet as the schematic window shows it in a window of the main window's size.
constexpr int Bildbreite = 960;

void Speichern(const QImage& bild, const QString& name)
{
    if (qEnvironmentVariableIsSet("KELVOR_BILDER"))
        bild.save(QStringLiteral("%1/schema-%2.png").arg(qEnvironmentVariable("KELVOR_BILDER", QStringLiteral("/tmp")), name));
}

// The fields an order line brings for a symbol, as long as real ones (the run upper-cases them).
QStringList Felder(const QString& datei)
{
    static const QHash<QString, QStringList> felder = {
        {"Kessel.dxf", {"1250 KW"}},
        {"Waermeta.dxf", {"1250 KW"}},
        {"Kaeltema.dxf", {"1250 KW"}},
        {"Speicher.dxf", {"1500 LITER, ", "60 °C"}},
        {"Druckerh.dxf", {"12,5 M³/H"}},
        {"As.dxf", {"SCHLAMMABSCHEIDER DN 65"}},
        {"Kseinabs.dxf", {"VORSCHALTGEFÄSS V 20", "KELVOR N 200"}},
    };
    return felder.value(datei);
}

// Symbols that share their block: a drinking-water or pressure-boosting plant with its vessel.
const QList<QStringList>& Gruppen()
{
    static const QList<QStringList> g = {{"Speicher.dxf", "Quendoa.dxf"},
                                         {"Speicher.dxf", "Quendode.dxf"},
                                         {"Druckerh.dxf", "Quendod.dxf"}};
    return g;
}

QString Block(const QString& datei)
{
    static const QSet<QString> oben = {"Kessel.dxf",  "Waermeta.dxf", "Kaeltema.dxf",    "Entspato.dxf",      "Wasmansi.dxf",
                                       "Mindrube.dxf", "Maxdrube.dxf", "Kseinabs.dxf",    "Kappenv.dxf",       "NoKappv.dxf",
                                       "Kappenv2.dxf", "Entlueft.dxf", "Entlueft_NO.dxf", "AnbindOhneENA.dxf", "As.dxf",
                                       "As_NO.dxf"};
    if (oben.contains(datei))
        return QStringLiteral("2");
    for (const QStringList& g : Gruppen())
        if (g.contains(datei))
            return QStringLiteral("1");
    return QStringLiteral("101");
}

}  // namespace

// Every symbol of the library (plants with the vessel of their block) on the window's sheet: its
// labels, with fields as long as real ones, stand clear of its lines and of each other.
TEST(Symbolbild, JedesSymbolHaeltSeineBeschriftungFrei)
{
    QList<QStringList> zeichnungen = Gruppen();
    for (const QString& datei : QDir(Ordner).entryList({QStringLiteral("*.dxf")}, QDir::Files, QDir::Name)) {
        if (datei == u"DXF_GND1.dxf" || datei == u"Rahmen2.dxf" || Block(datei) == u"1")
            continue;
        zeichnungen.append({datei});
    }
    EXPECT_GE(zeichnungen.size(), 50);
    for (const QStringList& zeichnung : zeichnungen) {
        const QString name = zeichnung.join(u'+');
        SCOPED_TRACE(name.toStdString());
        const double faktor = Bildbreite / Schaltschemalauf::Bildbreite;
        QImage bild(Bildbreite, int(Schaltschemalauf::Bildhöhe * faktor), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter painter(&bild);
        Bildgeometrie g(painter, faktor);
        Schemazeichner z;
        z.PictureDXF = &g;
        DXFZeilenliste strom;
        MeldungsRecorder meldungen;
        for (const QString& datei : zeichnung) {
            DXFFelder feld;
            feld[1] = Block(datei);
            feld[2] = Ordner + u'/' + datei;
            const QStringList texte = Felder(datei);
            for (int i = 0; i < texte.size(); ++i)
                feld[static_cast<size_t>(3 + i)] = texte[i];
            z.DXFzeichnen(feld, Schaltschemalauf::mass_stab, 1, strom);
        }
        painter.end();
        EXPECT_TRUE(meldungen.boxen.isEmpty());
        EXPECT_FALSE(g.striche.isEmpty());
        EXPECT_EQ(Beschriftungsfehler(g), QStringList());
        Speichern(bild.copy(QRect(0, bild.height() * 3 / 10, bild.width() / 3, bild.height() * 7 / 10)), name);
    }
}

// Whole plants of every type as the builders put them together, with the frame: no label crosses
// a line of another symbol, a pipe or the frame, and every end of a connecting pipe lies on a
// line of a symbol.
TEST(Symbolbild, AnlagenSindVerbundenUndLesbar)
{
    // The plants place every symbol of the library.
    QSet<QString> gesetzt{QStringLiteral("Rahmen2.dxf"), QStringLiteral("DXF_GND1.dxf")};
    for (const auto& anlage : Anlagen())
        for (const QString& zeile : anlage.second)
            gesetzt.insert(zeile.section(u'|', 1, 1));
    const QStringList dateien = QDir(Ordner).entryList({QStringLiteral("*.dxf")}, QDir::Files);
    EXPECT_EQ(gesetzt, QSet<QString>(dateien.begin(), dateien.end()));

    const double faktor = Bildbreite / Schaltschemalauf::Bildbreite;
    for (const auto& [name, zeilen] : Anlagen()) {
        SCOPED_TRACE(name);
        // The symbols alone (no end marker: no pipes, no frame), and the pipes their points give.
        Rohrwege wege;
        QList<QLineF> symbole;
        {
            Schemaordner o;
            QImage bild(Bildbreite, int(Schaltschemalauf::Bildhöhe * faktor), QImage::Format_RGB32);
            QPainter painter(&bild);
            Bildgeometrie g(painter, faktor);
            o.lauf.PictureDXF = &g;
            o.order(zeilen, false);
            ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
            symbole = g.striche;
            wege = o.lauf.BerechneRohrwege();
        }
        QList<Rohrsegment> rohre;
        for (const Rohrsegment& s : wege.haupt)
            rohre << s;
        if (wege.zweiterLauf)
            for (const Rohrsegment& s : wege.zweiter)
                rohre << s;
        if (wege.verbindung)
            rohre << *wege.verbindung;
        // The free ends of the pipes (those no other segment shares) meet a symbol's line.
        QList<QPointF> enden;
        for (const Rohrsegment& s : rohre)
            if (!s.Leer())
                for (const auto& [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}})
                    enden << QPointF(x.AlsDouble() * Schaltschemalauf::mass_stab,
                                     Schaltschemalauf::Bildhöhe - y.AlsDouble() * Schaltschemalauf::mass_stab);
        for (const QPointF& p : enden) {
            if (enden.count(p) > 1)
                continue;
            const bool trifft = std::any_of(symbole.begin(), symbole.end(), [&](const QLineF& l) {
                const QPointF d = l.p2() - l.p1();
                const double länge2 = QPointF::dotProduct(d, d);
                const double t = länge2 > 0 ? std::clamp(QPointF::dotProduct(p - l.p1(), d) / länge2, 0.0, 1.0) : 0;
                return QLineF(p, l.p1() + t * d).length() < 1;
            });
            EXPECT_TRUE(trifft) << "pipe end " << p.x() / Schaltschemalauf::mass_stab << " "
                                << (Schaltschemalauf::Bildhöhe - p.y()) / Schaltschemalauf::mass_stab;
        }

        Schemaordner o;
        o.bezeichnung = QStringLiteral("Wohnanlage Lindenhof Haus C Bauabschnitt 2 Nord-Ost");
        QImage bild(Bildbreite, int(Schaltschemalauf::Bildhöhe * faktor), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter painter(&bild);
        Bildgeometrie g(painter, faktor);
        o.lauf.PictureDXF = &g;
        o.order(zeilen);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        painter.end();
        EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
        EXPECT_EQ(Beschriftungsfehler(g), QStringList());
        Speichern(bild, QString::fromUtf8(name).replace(u' ', u'_'));
    }
}
