// The drawings the order-file builder makes for designed plants of each type, as the user gets
// them: in the window, on paper and in the DXF file. Every pipe end meets a pipe or a symbol,
// a safety valve is drawn where the plant has one, labels of one kind have one size.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QProcess>

#include <cmath>
#include <numbers>

#include "base/DateiDialogSeam.h"
#include "base/DruckerSeam.h"
#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "output/schematic/DXFOrderAufbau.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/QStringAusgabe.h"
#include "Schemaordner.h"

namespace {

// --- What a surface was asked to draw --------------------------------------------------------

struct Strich {
    enum Art { Linie, Kreis, Bogen, Punkt, Text } art;
    QPointF a, b;  // line: both ends; circle, arc, point: centre
    double r = 0;
    QString text;
    double punkte = 0;
};

// Keeps every call in order and hands it on to the surface it is built on.
template <class Basis>
class Aufnahme : public Basis {
public:
    using Basis::Basis;
    void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) override
    {
        striche.append({Strich::Linie, von, bis, 0, {}, 0});
        Basis::linie(von, bis, farbe, breite);
    }
    void kreis(QPointF m, double r, QColor farbe) override
    {
        striche.append({Strich::Kreis, m, m, r, {}, 0});
        Basis::kreis(m, r, farbe);
    }
    void bogen(QPointF m, double r, QColor farbe, double s, double e) override
    {
        striche.append({Strich::Bogen, m, m, r, {}, 0});
        Basis::bogen(m, r, farbe, s, e);
    }
    void punkt(QPointF p, QColor farbe) override
    {
        striche.append({Strich::Punkt, p, p, 0, {}, 0});
        Basis::punkt(p, farbe);
    }
    void setzeSchrift(const QString& name, double punkte, bool fett) override
    {
        m_punkte = punkte;
        Basis::setzeSchrift(name, punkte, fett);
    }
    void text(QPointF p, const QString& t, QColor farbe = Qt::black) override
    {
        striche.append({Strich::Text, p, p, 0, t, m_punkte});
        Basis::text(p, t, farbe);
    }
    QList<Strich> striche;

private:
    double m_punkte = 0;
};

// A printer whose job draws on a recorder, on A4 landscape in 1/600 inch.
class Aufnahmedrucker : public DruckerSeam {
public:
    struct Auftrag : Druckauftrag {
        explicit Auftrag(QList<Strich>& ziel) : m_ziel(ziel) {}
        ~Auftrag() override { m_ziel = fläche_.striche; }
        QList<Strich>& m_ziel;
        Aufnahme<Zeichenrecorder> fläche_{Schaltschemalauf::Bildhöhe};
        Zeichenflaeche& fläche() override { return fläche_; }
        QSizeF seitengröße() const override { return {7016, 4961}; }
        QSizeF druckerOffset() const override { return {}; }
        bool neueSeite() override { return true; }
        bool beenden() override { return true; }
        void abbrechen() override {}
    };
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage&) override
    {
        ++aufträge;
        return std::make_unique<Auftrag>(striche);
    }
    void einrichten() override {}
    int aufträge = 0;
    QList<Strich> striche;  // of the last job
};

// --- The entities of the drawing -----------------------------------------------------------

struct Entity {
    QString art, layer, linientyp, text;
    int farbe = 0;
    QList<QPointF> punkte;  // LINE: 2, POLYLINE: its vertices, CIRCLE/ARC/POINT/TEXT: 1
    double r = 0;           // CIRCLE, ARC: radius; TEXT: height
};

// The entity stream the run wrote (it is the DXF file's model space; the python reader checks
// that).
QList<Entity> Entities(const QByteArray& strom)
{
    QStringList z = QString::fromLatin1(strom).split(QStringLiteral("\r\n"));
    z.prepend(QStringLiteral("  0"));
    QList<Entity> r;
    Entity* e = nullptr;
    bool vertex = false;  // a polyline's points are its vertices', not its own
    QPointF p;
    for (qsizetype i = 0; i + 1 < z.size(); i += 2) {
        const QString c = z[i].trimmed(), w = z[i + 1];
        if (c == u"0") {
            if (w == u"VERTEX" && e && e->art == u"POLYLINE") {
                vertex = true;
                continue;
            }
            vertex = false;
            if (w == u"SEQEND") {
                e = nullptr;
                continue;
            }
            r.append(Entity{w, {}, {}, {}, 0, {}, 0});
            e = &r.last();
            continue;
        }
        if (!e)
            continue;
        if (c == u"8" && !vertex)
            e->layer = w.trimmed();
        else if (c == u"6")
            e->linientyp = w.trimmed();
        else if (c == u"62")
            e->farbe = w.trimmed().toInt();
        else if (c == u"1")
            e->text = w;
        else if (c == u"40")
            e->r = w.toDouble();
        else if (c == u"10")
            p.setX(w.toDouble());
        else if (c == u"20" && (e->art != u"POLYLINE" || vertex))
            e->punkte << QPointF(p.x(), w.toDouble());
        else if (c == u"11" && e->art == u"LINE")
            p.setX(w.toDouble());
        else if (c == u"21" && e->art == u"LINE")
            e->punkte << QPointF(p.x(), w.toDouble());
    }
    return r;
}

double Abstand(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / l2, 0.0, 1.0) : 0;
    return QLineF(p, a + t * d).length();
}

// Does p lie on entity e (drawing units)?
bool Trifft(QPointF p, const Entity& e)
{
    constexpr double Toleranz = 1.5;
    if (e.art == u"LINE" || e.art == u"POLYLINE") {
        for (qsizetype i = 0; i + 1 < e.punkte.size(); ++i)
            if (Abstand(p, e.punkte[i], e.punkte[i + 1]) < Toleranz)
                return true;
        return false;
    }
    if ((e.art == u"CIRCLE" || e.art == u"ARC") && !e.punkte.isEmpty())
        return std::abs(QLineF(p, e.punkte[0]).length() - e.r) < Toleranz;
    return false;
}

bool Rohrfarbe(int farbe) { return farbe == 1 || farbe == 3 || farbe == 5; }

// A header of a row (flow and return above, expansion header and make-up line below): its ends
// are the plant's ends.
bool Sammler(const Entity& e)
{
    if (e.punkte.size() != 2 || e.punkte[0].y() != e.punkte[1].y())
        return false;
    const double y = e.punkte[0].y();
    return y == 1800 || y == 2500 || y == 950 || y == 1150;
}

QStringList Rohrfehler(const QList<Entity>& ents)
{
    QStringList f;
    for (qsizetype i = 0; i < ents.size(); ++i) {
        const Entity& e = ents[i];
        if (e.art != u"LINE" || e.punkte.size() != 2 || !Rohrfarbe(e.farbe))
            continue;
        if (e.linientyp == u"PUNKT") {
            if (e.farbe != 3)
                f << QStringLiteral("dotted pipe mark at %1 %2").arg(e.punkte[0].x()).arg(e.punkte[0].y());
            continue;
        }
        if (Sammler(e))
            continue;
        for (const QPointF& p : e.punkte) {
            bool trifft = false;
            for (qsizetype j = 0; j < ents.size() && !trifft; ++j)
                trifft = j != i && Trifft(p, ents[j]);
            if (!trifft)
                f << QStringLiteral("pipe end in the air at %1 %2").arg(p.x()).arg(p.y());
        }
    }
    return f;
}

// The blue pipes that the cold water entering at the plant's left end reaches without passing
// through a vessel or the tank: it must not reach the tank's inlet wall (x 510).
bool KaltwasserUmgehtDasGefaess(const QList<Entity>& ents)
{
    QList<const Entity*> rohre;
    for (const Entity& e : ents)
        if (e.art == u"LINE" && e.farbe == 5 && e.punkte.size() == 2 && e.linientyp != u"PUNKT")
            rohre << &e;
    const Entity* start = nullptr;
    for (const Entity* e : rohre)
        if (e->punkte[0].y() == 2050 && (!start || std::min(e->punkte[0].x(), e->punkte[1].x()) <
                                                       std::min(start->punkte[0].x(), start->punkte[1].x())))
            start = e;
    if (!start)
        return false;
    QList<const Entity*> netz{start};
    for (qsizetype k = 0; k < netz.size(); ++k)
        for (const Entity* e : rohre)
            if (!netz.contains(e) && (Trifft(e->punkte[0], *netz[k]) || Trifft(e->punkte[1], *netz[k]) ||
                                      Trifft(netz[k]->punkte[0], *e) || Trifft(netz[k]->punkte[1], *e)))
                netz << e;
    for (const Entity* e : netz)
        if (std::max(e->punkte[0].x(), e->punkte[1].x()) >= 510 - 1.5)
            return true;
    return false;
}

// The calls a surface got (picture units) for the entities, in their order: each LINE one line, a polyline one
// line per edge, and so on; the pipes and the frame come in the same stream.
QStringList Abweichungen(const QList<Entity>& ents, const QList<Strich>& striche)
{
    const auto abbild = [&](QPointF p) {
        return QPointF(p.x() * Schaltschemalauf::mass_stab, Schaltschemalauf::Bildhöhe - p.y() * Schaltschemalauf::mass_stab);
    };
    QStringList f;
    qsizetype k = 0;
    const auto nächster = [&](Strich::Art art) -> const Strich* {
        if (k >= striche.size() || striche[k].art != art)
            return nullptr;
        return &striche[k++];
    };
    for (const Entity& e : ents) {
        if (e.art == u"LINE" || e.art == u"POLYLINE") {
            for (qsizetype i = 0; i + 1 < e.punkte.size(); ++i) {
                const Strich* s = nächster(Strich::Linie);
                if (!s || QLineF(s->a, abbild(e.punkte[i])).length() > 1 || QLineF(s->b, abbild(e.punkte[i + 1])).length() > 1)
                    return f << QStringLiteral("%1 at %2 %3 not drawn there").arg(e.art).arg(e.punkte[i].x()).arg(e.punkte[i].y());
            }
        } else if (e.art == u"CIRCLE" && !nächster(Strich::Kreis)) {
            return f << QStringLiteral("circle not drawn");
        } else if (e.art == u"ARC" && !nächster(Strich::Bogen)) {
            return f << QStringLiteral("arc not drawn");
        } else if (e.art == u"POINT" && !nächster(Strich::Punkt)) {
            return f << QStringLiteral("point not drawn");
        } else if (e.art == u"TEXT") {
            const Strich* s = nächster(Strich::Text);
            if (!s || s->text != e.text)
                return f << QStringLiteral("label %1 not drawn").arg(e.text);
        }
    }
    if (k != striche.size())
        f << QStringLiteral("%1 calls more than the drawing has").arg(striche.size() - k);
    return f;
}

// Labels of one height in the file have one size on the surface.
QStringList Schriftfehler(const QList<Entity>& ents, const QList<Strich>& striche)
{
    QMap<double, QPair<double, QString>> größe;  // height -> size, first label
    QStringList f;
    qsizetype k = 0;
    for (const Entity& e : ents) {
        if (e.art != u"TEXT")
            continue;
        while (k < striche.size() && striche[k].art != Strich::Text)
            ++k;
        if (k >= striche.size())
            break;
        const Strich& s = striche[k++];
        if (e.text.trimmed().isEmpty())
            continue;
        if (!größe.contains(e.r)) {
            größe[e.r] = {s.punkte, e.text};
        } else if (std::abs(größe[e.r].first - s.punkte) > 0.01) {
            f << QStringLiteral("\"%1\" %2 pt beside \"%3\" %4 pt").arg(e.text).arg(s.punkte).arg(größe[e.r].second).arg(größe[e.r].first);
        }
    }
    return f;
}

struct Wert {
    const char* name;
    VbVariant wert;
    int index = 0;
};

struct Anlage {
    const char* name;
    QString art;
    QList<Wert> werte;
    bool sicherheitsventil;
};

// Designed plants as their pages leave them; the builder reads only these values.
const QList<Anlage>& AusgelegteAnlagen()
{
    static const QList<Anlage> a{
        {"Heizung 250 kW", "He",
         {{"m_Leist_m_value", 250, 1}, {"m_Beheiz", 0}, {"m_Zub_WMangelSichArt", 3}, {"m_GefaessGruppe", 1},
          {"m_GefaessAnzahl", 1}, {"m_GefaessInhalt", 300}, {"m_GefaessArtNr", "V-300"}, {"m_Zub_Nachspeisung", 2},
          {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Nachspeise_ArtNr", "NP-1"}, {"m_Zub_ZentrAbsch_Anz_m_value", 1, 1},
          {"m_Zub_Schlamm_Anordnung", 1}, {"m_Zub_Schlamm_ArtNr_m_value", "AS-1", 1}},
         true},
        {"Kaelte 150 kW", "Kü",
         {{"m_Leist_m_value", 150, 1}, {"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 1}, {"m_GefaessInhalt", 300},
          {"m_GefaessArtNr", "V-300"}},
         true},
        {"Solar 20 m2", "So", {{"m_GefaessArtNr", "V-50"}, {"m_GefaessAnzahl", 1}}, true},
        {"Trinkwasser 500 l", "Tr",
         {{"m_VolAnlage", 500}, {"m_Temp_Betr", 60}, {"m_GefaessGruppe", 17}, {"m_GefaessAnzahl", 1},
          {"m_GefaessArtNr", "V-80"}},
         true},
        {"Druckerhoehung 6 m3h", "Dr",
         {{"m_MaxVolStrom", 6.0}, {"m_GefaessGruppe", 15}, {"m_GefaessAnzahl", 1}, {"m_GefaessArtNr", "V-50"}},
         false},
        {"Heizung zwei Erzeuger Automat", "He",
         {{"m_Leist_m_value", 150, 1}, {"m_Leist_m_value", 100, 2}, {"m_Beheiz", 0}, {"m_Zub_WMangelSichArt", 1},
          {"m_ArtDruckhaltung", 1}, {"m_GefaessGruppe", 14}, {"m_SteuerModulKomp", 1}, {"m_SteuerbehAnzahl", 1},
          {"m_GefaessAnzahl", 2}, {"m_GefaessArtNr", "K-1"}, {"m_BeistellArtNr", "K-2"}, {"m_Zub_Nachspeisung", 1},
          {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Nachspeise_ArtNr", "NS-1"}},
         true},
    };
    return a;
}

std::shared_ptr<GlobDaten> Datenobjekt(const QString& art)
{
    if (art == u"He")
        return std::make_shared<GlobDatenHeizung>();
    if (art == u"Kü")
        return std::make_shared<GlobDatenKälte>();
    if (art == u"So")
        return std::make_shared<GlobDatenSolar>();
    if (art == u"Tr")
        return std::make_shared<GlobDatenTrinkw>();
    return std::make_shared<GlobDatenDruck>();
}

// Where the pictures are kept: the test's output folder in the build tree.
QString Ausgabeordner()
{
    const QString o = QDir::current().filePath(QStringLiteral("anlagenschema"));
    QDir().mkpath(o);
    return o;
}

struct KeinDialog : DateiDialogSeam {
    KeinDialog() { setzeDateiDialog(this); }
    ~KeinDialog() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage&) override { return QString(); }
};

class Anlagenschema : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override
    {
        setzeDrucker(nullptr);
        zustandZuruecksetzen();
    }
    Datenobjektdatenbanken db;
};

}  // namespace

TEST_F(Anlagenschema, JedeAnlageVerbundenMitSicherheitsventilUndGleichenSchriften)
{
    for (const Anlage& anlage : AusgelegteAnlagen()) {
        SCOPED_TRACE(anlage.name);
        const std::shared_ptr<GlobDaten> d = Datenobjekt(anlage.art);
        d->m_TerminateMitUpdate = false;
        for (const Wert& w : anlage.werte) {
            if (w.index > 0)
                d->schreibe(QString::fromUtf8(w.name), {VbVariant(w.index)}, w.wert);
            else
                d->schreibe(QString::fromUtf8(w.name), w.wert);
        }
        const QStringList zeilen =
            DXFOrderAufbau::Objekte(anlage.art, d->Member(), [](const QString& nr) { return QStringLiteral("Artikel ") + nr; });
        ASSERT_GT(zeilen.size(), 2);

        Schemaordner o;
        o.order(zeilen.mid(2));
        const QString datei = QString::fromUtf8(anlage.name).replace(u' ', u'_');

        // In the window: at the main window's size, as the window opens, and maximised on a
        // full-HD screen.
        KeinDialog dialog;
        o.lauf.Uhr = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); };
        QList<QList<Strich>> fensterstriche;
        for (const int blattbreite : {960, 1840}) {
            QImage bild(blattbreite, int(Schaltschemalauf::Bildhöhe * blattbreite / Schaltschemalauf::Bildbreite),
                        QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter painter(&bild);
            painter.setRenderHint(QPainter::Antialiasing);
            Aufnahme<Blattflaeche> fenster(painter, blattbreite);
            o.lauf.PictureDXF = &fenster;
            o.lauf.BildZollJeEinheit = Blattflaeche::ZollJeEinheit(bild.logicalDpiX());
            ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
            painter.end();
            bild.save(QStringLiteral("%1/%2-fenster-%3.png").arg(Ausgabeordner(), datei).arg(blattbreite));
            EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
            fensterstriche << fenster.striche;
        }

        QFile strom(o.lauf.Tempdateiname);
        ASSERT_TRUE(strom.open(QIODevice::ReadOnly));
        const QList<Entity> ents = Entities(strom.readAll());
        strom.close();
        ASSERT_GT(ents.size(), 20);

        EXPECT_EQ(Rohrfehler(ents), QStringList());
        const bool sv = std::any_of(ents.begin(), ents.end(), [](const Entity& e) { return e.art == u"TEXT" && e.text == u"SV"; });
        EXPECT_EQ(sv, anlage.sicherheitsventil);
        if (anlage.art == u"Tr") {
            EXPECT_FALSE(KaltwasserUmgehtDasGefaess(ents));
        }
        for (const QList<Strich>& striche : fensterstriche) {
            EXPECT_EQ(Abweichungen(ents, striche), QStringList());
            EXPECT_EQ(Schriftfehler(ents, striche), QStringList());
        }

        // The file, read by the independent reader.
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KELVOR_SYSTEM_PYTHON3), {QStringLiteral(KELVOR_SOURCE_DIR "/scripts/dxf_pruefen.py"),
                                                         o.lauf.Ausgabedateiname, o.lauf.Tempdateiname});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();

        // On paper: the same drawing, the labels of a kind of one size.
        Aufnahmedrucker drucker;
        setzeDrucker(&drucker);
        Zeichenrecorder zweitbild(Schaltschemalauf::Bildhöhe);
        o.lauf.PictureDXF = &zweitbild;
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken));
        ASSERT_EQ(drucker.aufträge, 1);
        EXPECT_EQ(Abweichungen(ents, drucker.striche), QStringList());
        EXPECT_EQ(Schriftfehler(ents, drucker.striche), QStringList());

        // A PDF of the sheet to look at.
        PdfDrucker pdf(Ausgabeordner() + u'/' + datei + QStringLiteral(".pdf"));
        setzeDrucker(&pdf);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken));
        setzeDrucker(nullptr);
        EXPECT_EQ(pdf.aufträge, 1);
    }
}
