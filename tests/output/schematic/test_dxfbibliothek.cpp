#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "output/schematic/DXFOrderAufbau.h"
#include "output/schematic/DXFzeichnen.h"
#include "support/QStringAusgabe.h"
#include "Festkommawert.h"
#include "Symbollauf.h"

namespace {

const QString Ordner = QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf");

QStringList Zeilen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString t = QString::fromLatin1(f.readAll());
    if (t.endsWith(QStringLiteral("\r\n")))
        t.chop(2);
    return t.split(QStringLiteral("\r\n"));
}

// Symbol files of the folder (without the template).
QStringList Symboldateien()
{
    QStringList r = QDir(Ordner).entryList({QStringLiteral("*.dxf")}, QDir::Files, QDir::Name);
    r.removeAll(QStringLiteral("DXF_GND1.dxf"));
    return r;
}

// One entity of a symbol file: its kind and its groups in file order.
struct Entity {
    QString art;
    QList<std::pair<QString, QString>> gruppen;
    QString wert(const QString& code) const
    {
        for (const auto& [c, w] : gruppen)
            if (c == code)
                return w;
        return QString();
    }
};

QList<Entity> Entities(const QStringList& z)
{
    QList<Entity> r;
    qsizetype i = z.indexOf(QStringLiteral("ENTITIES"));
    if (i < 0)
        return r;
    for (i = i + 1; i + 1 < z.size(); i += 2) {
        if (z[i] == u"  0")
            r.append(Entity{z[i + 1], {}});
        else if (!r.isEmpty())
            r.last().gruppen.append({z[i], z[i + 1]});
    }
    return r;
}

// How many texts the order lines bring for each symbol (the frame gets four from the drawing run).
int Textanzahl(const QString& datei)
{
    static const QHash<QString, int> anzahl = {{"Kessel.dxf", 1},   {"Waermeta.dxf", 1}, {"Kaeltema.dxf", 1},
                                               {"Druckerh.dxf", 1}, {"As.dxf", 1},       {"Speicher.dxf", 2},
                                               {"Kseinabs.dxf", 2}, {"Rahmen2.dxf", 4}};
    return anzahl.value(datei, 0);
}

// Eigenblock: a drinking-water or pressure-boosting plant and its vessel, both drawn in one upper-row
// block and joined there, leave no connection point.
enum class Reihe { Oben, Eigenblock, Sammler, Automat, Beistell, Nachspeisung, Nachspeiseautomat, Solar, Rahmen };

Reihe ReiheVon(const QString& datei)
{
    static const QSet<QString> eigenblock = {"Speicher.dxf", "Druckerh.dxf", "Quendoa.dxf", "Quendod.dxf",
                                             "Quendode.dxf"};
    static const QSet<QString> oben = {"Kessel.dxf",   "Waermeta.dxf", "Kaeltema.dxf",      "Entspato.dxf",
                                       "Wasmansi.dxf", "Mindrube.dxf",
                                       "Maxdrube.dxf", "Kseinabs.dxf", "Kappenv.dxf",       "NoKappv.dxf",
                                       "Kappenv2.dxf", "Entlueft.dxf", "Entlueft_NO.dxf",   "AnbindOhneENA.dxf",
                                       "As.dxf",       "As_NO.dxf"};
    static const QSet<QString> automaten = {"Mk.dxf", "Mp.dxf", "Mp2.dxf", "Kelmat.dxf", "Kelmat2.dxf", "Pumbrix.dxf"};
    static const QSet<QString> beistell = {"Mkbeil.dxf",   "Mkbeir.dxf",   "Mpbeistl.dxf", "Mpbeistr.dxf",
                                           "Kelmatbl.dxf", "Kelmatbr.dxf", "PumBei1.dxf",  "PumBei2.dxf"};
    static const QSet<QString> nachspeisung = {"Stm.dxf", "Stamp.dxf", "Sta.dxf", "Pm.dxf", "Pa.dxf", "Systemtr.dxf"};
    if (oben.contains(datei))
        return Reihe::Oben;
    if (eigenblock.contains(datei))
        return Reihe::Eigenblock;
    if (automaten.contains(datei))
        return Reihe::Automat;
    if (beistell.contains(datei))
        return Reihe::Beistell;
    if (nachspeisung.contains(datei))
        return Reihe::Nachspeisung;
    if (datei.startsWith(QStringLiteral("ENA_")))
        return Reihe::Nachspeiseautomat;
    if (datei == u"Solaranlage_DE.dxf")
        return Reihe::Solar;
    if (datei == u"Rahmen2.dxf")
        return Reihe::Rahmen;
    return Reihe::Sammler;
}

void Zeichne(Schemazeichner& z, const QString& block, const QString& datei, DXFZeilenstrom& strom,
             const QStringList& texte = {})
{
    DXFFelder feld;
    feld[1] = block;
    feld[2] = datei;
    for (int i = 0; i < texte.size(); ++i)
        feld[static_cast<size_t>(3 + i)] = texte.at(i);
    z.DXFzeichnen(feld, 1.47f, 1, strom);
}

}  // namespace

TEST(DXFBibliothek, JedesSymbolDesAufbausHatSeineDatei)
{
    QFile quelle(QStringLiteral(KELVOR_SOURCE_DIR "/src/output/schematic/DXFOrderAufbau.cpp"));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    QSet<QString> namen;
    const QRegularExpression muster(QStringLiteral("\"([A-Za-z0-9_]+\\.dxf)\""));
    for (const auto& m : muster.globalMatch(QString::fromUtf8(quelle.readAll())))
        namen.insert(m.captured(1));
    EXPECT_EQ(namen.size(), 53);
    namen.insert(QStringLiteral("Rahmen2.dxf"));
    const QStringList dateien = Symboldateien();
    EXPECT_EQ(QSet<QString>(dateien.begin(), dateien.end()), namen);
}

TEST(DXFBibliothek, DateienFolgenDenRegelnDesLesers)
{
    const QRegularExpression code(QStringLiteral("^ {0,2}[0-9]{1,3}$"));
    const QSet<QString> arten = {"LINE", "CIRCLE", "ARC", "POINT", "TEXT", "POLYLINE", "VERTEX", "SEQEND", "SECTION",
                                 "ENDSEC", "EOF"};
    for (const QString& datei : Symboldateien()) {
        const QStringList z = Zeilen(Ordner + u'/' + datei);
        ASSERT_GT(z.size(), 8) << datei.toStdString();
        EXPECT_EQ(z.mid(z.size() - 4), (QStringList{"  0", "ENDSEC", "  0", "EOF"})) << datei.toStdString();
        for (const Entity& e : Entities(z)) {
            EXPECT_TRUE(arten.contains(e.art)) << datei.toStdString() << " " << e.art.toStdString();
            for (const auto& [c, w] : e.gruppen) {
                EXPECT_TRUE(code.match(c).hasMatch() && c.size() == 3) << datei.toStdString() << " [" << c.toStdString() << "]";
                EXPECT_FALSE(w.contains(u',')) << datei.toStdString() << " " << w.toStdString();
                if (c == u" 62") {
                    const int farbe = w.trimmed().toInt();
                    EXPECT_TRUE(farbe >= 1 && farbe <= 6) << datei.toStdString();
                }
            }
            if (e.art == u"TEXT") {
                QStringList folge;
                for (const auto& [c, w] : e.gruppen)
                    if (c != u"  8" && c != u" 62")
                        folge << c;
                EXPECT_EQ(folge, (QStringList{" 10", " 20", " 30", " 40", "  1", " 41", " 72", " 11", " 21", " 31"}))
                    << datei.toStdString();
            }
        }
    }
}

TEST(DXFBibliothek, JedesSymbolLaeuftOhneMeldungUndPlatzhalterWerdenErsetzt)
{
    for (const QString& datei : Symboldateien()) {
        const QString name = datei.toStdString().c_str();
        Zeichenrecorder bild(4807.8);
        Schemazeichner z;
        z.PictureDXF = &bild;
        int pieps = 0;
        z.Signalton = [&] { ++pieps; };
        DXFZeilenliste strom;
        MeldungsRecorder meldungen;
        const QStringList marken = {"«1»", "«2»", "«3»", "«4»", "«5»", "«6»", "«7»", "«8»", "«9»"};
        Zeichne(z, ReiheVon(datei) == Reihe::Rahmen ? "0" : ReiheVon(datei) == Reihe::Oben ? "2" : "101",
                Ordner + u'/' + datei.toUpper(), strom, marken);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << name.toStdString();
        EXPECT_EQ(pieps, 0) << name.toStdString();
        EXPECT_FALSE(bild.aufrufe.isEmpty()) << name.toStdString();

        // The fields shown are exactly those the order line brings.
        QSet<QString> gezeigt;
        for (const Entity& e : Entities(Zeilen(Ordner + u'/' + datei))) {
            if (e.art != u"TEXT")
                continue;
            const QString v = e.wert("  1");
            if (e.wert("  8") != u"Textstat" && !v.isEmpty() && v.back() >= u'1' && v.back() <= u'9')
                gezeigt.insert(v.right(1));
        }
        QSet<QString> erwartet;
        for (int i = 1; i <= Textanzahl(datei); ++i)
            erwartet.insert(QString::number(i));
        EXPECT_EQ(gezeigt, erwartet) << name.toStdString();
        for (const QString& t : strom.zeilen)
            for (int i = Textanzahl(datei); i < marken.size(); ++i)
                EXPECT_FALSE(t.contains(marken[i])) << name.toStdString();
    }
}

TEST(DXFBibliothek, AnschlussgeometriePasstZurReihe)
{
    for (const QString& datei : Symboldateien()) {
        const std::string name = datei.toStdString();
        Zeichenrecorder bild(4807.8);
        Schemazeichner z;
        z.PictureDXF = &bild;
        DXFZeilenliste strom;
        MeldungsRecorder meldungen;
        const Reihe reihe = ReiheVon(datei);
        const bool oben = reihe == Reihe::Oben;
        Zeichne(z, reihe == Reihe::Rahmen ? "0" : oben || reihe == Reihe::Eigenblock ? "2" : "101",
                Ordner + u'/' + datei, strom);
        const Festkomma null;
        // Upper row: a return stub from block 2 to block 3, low enough not to be shifted.
        EXPECT_EQ(z.Last_X_1, oben ? F(1330) : null) << name;
        EXPECT_EQ(z.Last_Y_1, oben ? F(1800) : null) << name;
        // Lower row: the expansion header across block 101 to block 102.
        const bool sammler = reihe == Reihe::Sammler || reihe == Reihe::Automat || reihe == Reihe::Nachspeiseautomat;
        EXPECT_EQ(z.Last_X_2, sammler ? F(900) : null) << name;
        EXPECT_EQ(z.Last_Y_2, sammler ? F(950) : null) << name;
        // Make-up: the second run's point above the header, inside the block.
        const bool nachspeisung = reihe == Reihe::Nachspeisung || reihe == Reihe::Nachspeiseautomat;
        EXPECT_EQ(z.Last_Y_2FL, nachspeisung ? F(1150) : null) << name;
        if (nachspeisung) {
            EXPECT_GT(z.Last_X_2FL, F(550)) << name;
            EXPECT_LE(z.Last_X_2FL, F(900)) << name;
        }
        EXPECT_EQ(z.Last_X_1FL, null) << name;
        EXPECT_EQ(z.Last_Y_1FL, null) << name;
        // Automats and add-on vessels meet on the add-on line; the solar plant marks its vessel.
        const bool kreis = reihe == Reihe::Automat || reihe == Reihe::Beistell || reihe == Reihe::Solar;
        for (int b = 0; b < Schemazeichner::AnzahlBlöcke; ++b) {
            const bool gesetzt = z.Anschluss[b][0] != null || z.Anschluss[b][1] != null;
            EXPECT_EQ(gesetzt, kreis && b == 101) << name << " block " << b;
        }
        if (reihe == Reihe::Automat || reihe == Reihe::Beistell) {
            EXPECT_EQ(z.Anschluss[101][1], F(350)) << name;
        }
    }
}

TEST(DXFBibliothek, VorlageHatKopfTabellenUndLeereEntities)
{
    const QStringList z = Zeilen(Ordner + QStringLiteral("/DXF_GND1.dxf"));
    ASSERT_GT(z.size(), 20);
    const qsizetype seite = z.indexOf(QStringLiteral("$DWGCODEPAGE"));
    ASSERT_GE(seite, 0);
    EXPECT_EQ(z.mid(seite + 1, 2), (QStringList{"  3", "ANSI_1252"}));
    EXPECT_GE(z.indexOf(QStringLiteral("$EXTMAX")), 0);
    for (const char* name : {"CONTINUOUS", "PUNKT", "ZELT", "ZELTR", "ZELTFL", "Textstat", "STANDARD"})
        EXPECT_GE(z.indexOf(QString::fromLatin1(name)), 0) << name;
    const qsizetype layer = z.indexOf(QStringLiteral("LAYER"));
    EXPECT_GE(z.indexOf(QStringLiteral("0"), layer), 0);
    EXPECT_EQ(z.mid(z.size() - 4), (QStringList{"ENTITIES", "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(z.count(QStringLiteral("ENTITIES")), 1);

    // Scanned as a symbol it draws nothing and says nothing.
    Symbollauf l;
    Zeichne(l.z, "0", Ordner + QStringLiteral("/DXF_GND1.dxf"), l.strom);
    EXPECT_TRUE(l.meldungstexte().isEmpty());
    EXPECT_TRUE(l.strom.zeilen.isEmpty());
}

TEST(DXFBibliothek, SymbolImBildZeigtSeineLinien)
{
    // The picture box's sheet: 6800 units wide, drawn at a quarter of that in pixels.
    const double breite = 6800, höhe = breite / 1.4143595, faktor = 0.25;
    QImage bild(int(breite * faktor), int(höhe * faktor), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter painter(&bild);
    PainterZeichenflaeche fläche(painter, QTransform::fromScale(faktor, faktor), höhe);
    Schemazeichner z;
    z.PictureDXF = &fläche;
    DXFZeilenliste strom;
    MeldungsRecorder meldungen;
    Zeichne(z, "0", Ordner + QStringLiteral("/RAHMEN2.DXF"), strom, {"4711", "14.03.2026", "MUSTERHAUS", "2 STCK MAG"});
    Zeichne(z, "1", Ordner + QStringLiteral("/KESSEL.DXF"), strom, {"150 KW"});
    Zeichne(z, "100", Ordner + QStringLiteral("/PRAVON.DXF"), strom);
    painter.end();
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    bild.save(QStringLiteral("/tmp/kelvor_symbole.png"));

    // Dark pixels inside the boiler's block (x 90..710, y 1800..2600 in drawing units).
    const auto dunkel = [&](double x1, double y1, double x2, double y2) {
        int n = 0;
        for (int px = int(x1 * 1.47 * faktor); px < int(x2 * 1.47 * faktor); ++px)
            for (int py = int((höhe - y2 * 1.47) * faktor); py < int((höhe - y1 * 1.47) * faktor); ++py)
                if (qGray(bild.pixel(px, py)) < 160)
                    ++n;
        return n;
    };
    EXPECT_GT(dunkel(270, 1960, 510, 2360), 200);  // the boiler's outline and flame
    EXPECT_GT(dunkel(300, 380, 450, 800), 100);    // the vessel at block 100
    EXPECT_EQ(dunkel(1500, 1000, 2500, 1500), 0);  // nothing between the rows
}

TEST(DXFBibliothek, BeschaedigteDateienGebenMeldungenUndKeinenAbsturz)
{
    QFile quelle(Ordner + QStringLiteral("/Kessel.dxf"));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    const QByteArray kessel = quelle.readAll();
    QFile rahmen(Ordner + QStringLiteral("/Rahmen2.dxf"));
    ASSERT_TRUE(rahmen.open(QIODevice::ReadOnly));
    const QByteArray text = rahmen.readAll();
    QRandomGenerator zufall(47);
    const QSet<QString> erlaubt = {QStringLiteral("Symboldatei defekt ! "),
                                   QStringLiteral("Symboldatei für DXF-File nicht gefunden ! ")};
    for (int runde = 0; runde < 400; ++runde) {
        const QByteArray& basis = runde % 2 ? kessel : text;
        QByteArray b = basis;
        switch (runde % 5) {
        case 0:  // cut anywhere
            b.truncate(zufall.bounded(b.size()));
            break;
        case 1:  // bytes changed
            for (int k = 0; k < 1 + zufall.bounded(20); ++k)
                b[zufall.bounded(b.size())] = char(zufall.bounded(256));
            break;
        case 2: {  // binary garbage
            QByteArray m(1 + zufall.bounded(4096), '\0');
            for (char& c : m)
                c = char(zufall.bounded(256));
            b = runde % 3 ? m : b.left(zufall.bounded(b.size())) + m;
            break;
        }
        case 3: {  // an oversized text: lines pushed into a TEXT entity
            const qsizetype t = b.indexOf("TEXT\r\n");
            QByteArray viel;
            for (int k = 0; k < 100 + zufall.bounded(400); ++k)
                viel += " 99\r\n" + QByteArray::number(k) + "\r\n";
            b.insert(t >= 0 ? t + 6 : 0, viel);
            break;
        }
        default: {  // lines swapped, numbers made huge
            QList<QByteArray> z = b.split('\n');
            for (int k = 0; k < 10; ++k)
                z.swapItemsAt(zufall.bounded(z.size()), zufall.bounded(z.size()));
            z[zufall.bounded(z.size())] = "9" + QByteArray(zufall.bounded(40), '9') + "e" +
                                          QByteArray::number(zufall.bounded(400));
            b = z.join('\n');
            break;
        }
        }
        Symbollauf l;
        // Every fourth file also goes through a painter.
        QImage bild(170, 120, QImage::Format_RGB32);
        QPainter painter(&bild);
        PainterZeichenflaeche fläche(painter, QTransform::fromScale(0.025, 0.025), 4807.8);
        if (runde % 4 == 0)
            l.z.PictureDXF = &fläche;
        l.schreibeRoh(b);
        l.zeichne(QString::number(zufall.bounded(199)), {"A", "B", "C", "D"}, 1.47f);
        ASSERT_LE(l.meldungen.boxen.size(), 1) << runde;
        for (const QString& m : l.meldungstexte())
            EXPECT_TRUE(erlaubt.contains(m.section(QStringLiteral("\r\n"), 0, 0))) << runde << " " << m.toStdString();
    }
}

TEST(DXFBibliothek, RiesigeWerteZeichnenOhneHaengenUndOhneUeberlauf)
{
    for (const char* winkel : {"1e300", "-1e300", "720", "-90", "1e400"}) {
        Symbollauf l;
        QImage bild(170, 120, QImage::Format_RGB32);
        QPainter painter(&bild);
        PainterZeichenflaeche fläche(painter, QTransform::fromScale(0.025, 0.025), 4807.8);
        l.z.PictureDXF = &fläche;
        l.zeichneEntities({"ARC", "  8", "0", " 10", "900000000", " 20", "-900000000", " 30", "0", " 40", "1e12",
                           " 50", QString::fromLatin1(winkel), " 51", "0", "  0", "CIRCLE", "  8", "0", " 10", "0",
                           " 20", "0", " 30", "0", " 40", "1e14", "  0"},
                          "1", {}, 1.47f);
        EXPECT_LE(l.meldungstexte().size(), 1) << winkel;
    }
}

// Every vessel and automat group the demo catalogue offers for a plant with a schematic has its
// symbols in the library, and their fixed labels say what the symbol draws for every group.
TEST(DXFBibliothek, JedeAngeboteneGruppeHatIhrSymbol)
{
    const QString verbindung = QStringLiteral("test_dxfbibliothek_gruppen");
    QStringList fehlend, falsch;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
        db.setDatabaseName(QStringLiteral(KELVOR_ARTIKEL_DB));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "SELECT Gruppe, Druckhalteautomat, Trinkwasser, Druckerhöhung FROM [Gruppen MAG] "
            "WHERE Heizung = -1 OR Kälte = -1 OR Trinkwasser = -1 OR Druckerhöhung = -1")));
        const QStringList liste = Symboldateien();
        const QSet<QString> dateien(liste.begin(), liste.end());
        int gruppen = 0;
        while (q.next()) {
            ++gruppen;
            const int g = q.value(0).toInt();
            QStringList symbole;
            if (DXFOrderAufbau::IstAutomatGruppe(g)) {
                for (int modul : {0, 1, 2})
                    symbole << DXFOrderAufbau::AutomatSymbol(g, modul);
                symbole << DXFOrderAufbau::BeistellSymbol(g, true) << DXFOrderAufbau::BeistellSymbol(g, false);
            } else if (q.value(1).toInt() == 0) {
                for (int inhalt : {50, 80, 300})
                    symbole << DXFOrderAufbau::GefäßSymbol(g, inhalt);
            } else {
                continue;  // an automat group no page lists
            }
            for (const QString& symbol : symbole) {
                if (!dateien.contains(symbol)) {
                    fehlend << QStringLiteral("%1:%2").arg(g).arg(symbol);
                    continue;
                }
                // Labels: heating and cooling vessels are not solar or drinking-water vessels.
                const bool wasser = q.value(2).toInt() != 0;
                for (const Entity& e : Entities(Zeilen(Ordner + u'/' + symbol))) {
                    const QString text = e.wert(QStringLiteral("  1"));
                    if (e.art == u"TEXT" && (text.contains(QStringLiteral("Solar")) || text.contains(QStringLiteral("Entgasung")) ||
                                             (!wasser && text.contains(QStringLiteral("TW")))))
                        falsch << QStringLiteral("%1:%2:%3").arg(g).arg(symbol, text);
                }
            }
        }
        EXPECT_GT(gruppen, 15);
    }
    QSqlDatabase::removeDatabase(verbindung);
    EXPECT_EQ(fehlend, QStringList());
    EXPECT_EQ(falsch, QStringList());
}
