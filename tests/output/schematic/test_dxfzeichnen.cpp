#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>

#include "output/schematic/DXFZahlen.h"
#include "output/schematic/DXFzeichnen.h"
#include "support/QStringAusgabe.h"
#include "Festkommawert.h"
#include "Symbollauf.h"

namespace {

const QString NichtGefunden = QStringLiteral("Symboldatei für DXF-File nicht gefunden ! ");
const QString Defekt = QStringLiteral("Symboldatei defekt ! ");

}  // namespace

TEST(DXFZahlen, LesenRundetAufVierStellenHalbZurGeradenUndKenntKeinGebietsschema)
{
    struct Fall {
        const char* text;
        int64_t zehntausendstel;
    };
    const Fall fälle[] = {
        {" 12.5 ", 125000},  {"1800", 18000000}, {"-0.25", -2500},   {"+3", 30000},     {".5", 5000},
        {"5.", 50000},       {"5.0", 50000},     {"1e2", 1000000},   {"1.5E-3", 15},    {"1E", 10000},
        {"0.00005", 0},      {"0.00015", 2},     {"0.000151", 2},    {"0.00025", 2},    {"-0.00005", 0},
        {"0.000050001", 1},  {"1,5", 10000},     {"12abc", 120000},  {"abc", 0},        {"", 0},
        {"-", 0},            {"1.2.3", 12000},   {"1e-30", 0},       {"0000000000000000000000012", 120000},
    };
    for (const Fall& f : fälle) {
        Festkomma w;
        ASSERT_TRUE(DXFZahl::Lese(QString::fromUtf8(f.text), w)) << f.text;
        EXPECT_EQ(w.Zehntausendstel(), f.zehntausendstel) << f.text;
    }
    Festkomma w;
    EXPECT_FALSE(DXFZahl::Lese(QStringLiteral("1e20"), w));
    EXPECT_FALSE(DXFZahl::Lese(QStringLiteral("999999999999999999999"), w));
    EXPECT_TRUE(DXFZahl::Lese(QStringLiteral("922337203685477.5807"), w));
    EXPECT_FALSE(DXFZahl::Lese(QStringLiteral("922337203685477.5808"), w));
}

TEST(DXFZahlen, FormatiereSchreibtPunktOhneNachkommanullen)
{
    struct Fall {
        int64_t zehntausendstel;
        const char* text;
    };
    const Fall fälle[] = {{0, "0.0"},          {18000000, "1800"},   {125000, "12.5"}, {-2500, "-0.25"},
                          {1, "0.0001"},        {12345678, "1234.5678"}, {-10000, "-1"},
                          {INT64_MIN, "-922337203685477.5808"}};
    for (const Fall& f : fälle)
        EXPECT_EQ(Formatiere(Festkomma::AusZehntausendsteln(f.zehntausendstel)), QString::fromUtf8(f.text));
}

TEST(DXFZahlen, HaelfteRundetHalbZurGeraden)
{
    EXPECT_EQ(Festkomma::AusZehntausendsteln(3).Haelfte().Zehntausendstel(), 2);
    EXPECT_EQ(Festkomma::AusZehntausendsteln(1).Haelfte().Zehntausendstel(), 0);
    EXPECT_EQ(Festkomma::AusZehntausendsteln(-3).Haelfte().Zehntausendstel(), -2);
    EXPECT_EQ(Festkomma::AusZehntausendsteln(1000000).Haelfte().Zehntausendstel(), 500000);
}

TEST(DXFZahlen, PickerNimmtDasFeldZwischenTabs)
{
    struct Fall {
        int x;
        const char* zeile;
        const char* feld;
    };
    const Fall fälle[] = {{1, "5\tKESSEL.DXF\t", "5"},   {2, "5\tKESSEL.DXF\t", "KESSEL.DXF"},
                          {3, "5\tKESSEL.DXF\t", ""},    {4, "5\tKESSEL.DXF\t", ""},
                          {2, "5\tKESSEL.DXF", "KESSEL.DXF"}, {1, "OHNE TAB", ""},
                          {2, "OHNE TAB", ""},           {3, "1\t\tC\t", "C"}};
    for (const Fall& f : fälle)
        EXPECT_EQ(picker(f.x, QString::fromUtf8(f.zeile)), QString::fromUtf8(f.feld)) << f.x << " " << f.zeile;
}

TEST(DXFZahlen, DxfFarbe)
{
    const std::pair<const char*, int32_t> fälle[] = {{"0", 0},        {"1", 255},     {"2", 65535}, {"3", 65280},
                                                     {"4", 0},        {"5", 16711680}, {"6", 16711935},
                                                     {"7", 0},        {"256", 0},     {"-1", 0},   {"", 0},
                                                     {" 5", 0}};
    for (const auto& [text, farbe] : fälle)
        EXPECT_EQ(dxf_farbe(QString::fromUtf8(text)), farbe) << text;
    EXPECT_EQ(Bildschirmfarbe(255), QColor(Qt::red));
    EXPECT_EQ(Bildschirmfarbe(16711680), QColor(Qt::blue));
}

TEST(Schemazeichner, BlockrasterUrsprungUndBreite)
{
    struct Fall {
        int block;
        double x, y, breite;
    };
    const Fall fälle[] = {{0, 50, 50, 40},         {1, 90, 1800, 620},     {2, 710, 1800, 620},
                          {98, 60230, 1800, 620},  {99, 60850, 1800, -60650}, {100, 200, 700, 350},
                          {101, 550, 700, 350},    {198, 34500, 700, 350}};
    for (const Fall& f : fälle) {
        Festkomma x, y, b;
        ASSERT_TRUE(Schemazeichner::Blockursprung(f.block, x, y)) << f.block;
        ASSERT_TRUE(Schemazeichner::Blockbreite(f.block, b)) << f.block;
        EXPECT_EQ(x, F(f.x)) << f.block;
        EXPECT_EQ(y, F(f.y)) << f.block;
        EXPECT_EQ(b, F(f.breite)) << f.block;
    }
    Festkomma x, y, b;
    EXPECT_TRUE(Schemazeichner::Blockursprung(199, x, y));
    EXPECT_FALSE(Schemazeichner::Blockbreite(199, b));
    EXPECT_FALSE(Schemazeichner::Blockursprung(200, x, y));
    EXPECT_FALSE(Schemazeichner::Blockursprung(-1, x, y));
}

TEST(Schemazeichner, LinieAufZeltReichtZumNaechstenBlockUndMerktDenAnschluss)
{
    Symbollauf l;
    l.zeichneEntities(Linie("ZELT", "0", "0", "10", "0"));
    EXPECT_EQ(l.strom.zeilen, (QStringList{"LINE", "  8", "ZELT", " 10", "90", " 20", "1800", " 30", "0.0", " 11",
                                           "710", " 21", "1800", " 31", "0.0", "  0"}));
    EXPECT_EQ(l.aufrufe("linie"), QStringList{"linie 90 -800 710 -800 #000000 0 art=0"});
    EXPECT_EQ(l.z.Last_X_1, F(710));
    EXPECT_EQ(l.z.Last_Y_1, F(1800));
    EXPECT_EQ(l.z.Last_X_2, F(0));
    EXPECT_TRUE(l.meldungstexte().isEmpty());
    EXPECT_EQ(l.pieps, 0);
}

TEST(Schemazeichner, AnschlusspunkteDerLinienNachLayerBlockUndVorigemPunkt)
{
    struct Fall {
        const char* name;
        const char* layer;
        const char* block;
        double lastY1Vorher;
        QStringList koordinaten;  // x1 y1 x2 y2 in the symbol
        QString linie;            // the recorder's line (height 1000, scale 1)
        QStringList stromX;       // the written x1 and x2
        double x1, y1, x2, y2, x1fl, y1fl, x2fl, y2fl;  // Last_... afterwards
    };
    const QList<Fall> fälle = {
        {"Kleinschreibung", "zelt", "1", 0, {"0", "0", "10", "0"}, "linie 90 -800 710 -800 #000000 0 art=0",
         {"90", "710"}, 710, 1800, 0, 0, 0, 0, 0, 0},
        {"Zeltr rückwärts", "ZELTR", "100", 0, {"10", "0", "20", "0"}, "linie -130 300 220 300 #000000 0 art=0",
         {"210", "220"}, 0, 0, 0, 0, 0, 0, 0, 0},
        {"Zeltr umgekehrt", "ZELTR", "100", 0, {"20", "0", "10", "0"}, "linie 220 300 -130 300 #000000 0 art=0",
         {"220", "-130"}, 0, 0, 0, 0, 0, 0, 0, 0},
        {"untere Reihe", "ZELT", "100", 1800, {"0", "0", "5", "0"}, "linie 200 300 550 300 #000000 0 art=0",
         {"200", "550"}, 0, 1800, 550, 700, 0, 0, 0, 0},
        {"tiefer als der obere Punkt", "ZELT", "1", 1700, {"0", "0", "5", "0"},
         "linie 90 -800 710 -800 #000000 0 art=0", {"90", "710"}, 0, 1700, 0, 0, 0, 0, 0, 0},
        {"gleich hoch", "ZELT", "2", 1800, {"0", "0", "5", "0"}, "linie 710 -800 1330 -800 #000000 0 art=0",
         {"710", "1330"}, 1330, 1800, 0, 0, 0, 0, 0, 0},
        {"zweiter Strang", "ZELTFL", "101", 0, {"20", "450", "330", "450"},
         "linie 570 -150 880 -150 #000000 0 art=0", {"570", "880"}, 0, 0, 0, 0, 0, 0, 880, 1150},
        {"zweiter Strang oben", "ZELTFL", "3", 0, {"0", "10", "5", "10"},
         "linie 1330 -810 1335 -810 #000000 0 art=0", {"1330", "1335"}, 0, 0, 0, 0, 1335, 1810, 0, 0},
        {"anderer Layer", "ROHR", "1", 0, {"0", "0", "10", "0"}, "linie 90 -800 100 -800 #000000 0 art=0",
         {"90", "100"}, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Fall& f : fälle) {
        Symbollauf l;
        l.z.Last_Y_1 = F(f.lastY1Vorher);
        const QStringList& k = f.koordinaten;
        l.zeichneEntities(Linie(QString::fromUtf8(f.layer), k[0], k[1], k[2], k[3]), QString::fromUtf8(f.block));
        EXPECT_EQ(l.aufrufe("linie"), QStringList{f.linie}) << f.name;
        EXPECT_EQ((QStringList{l.strom.zeilen.value(4), l.strom.zeilen.value(10)}), f.stromX) << f.name;
        EXPECT_EQ(l.z.Last_X_1, F(f.x1)) << f.name;
        EXPECT_EQ(l.z.Last_Y_1, F(f.y1)) << f.name;
        EXPECT_EQ(l.z.Last_X_2, F(f.x2)) << f.name;
        EXPECT_EQ(l.z.Last_Y_2, F(f.y2)) << f.name;
        EXPECT_EQ(l.z.Last_X_1FL, F(f.x1fl)) << f.name;
        EXPECT_EQ(l.z.Last_Y_1FL, F(f.y1fl)) << f.name;
        EXPECT_EQ(l.z.Last_X_2FL, F(f.x2fl)) << f.name;
        EXPECT_EQ(l.z.Last_Y_2FL, F(f.y2fl)) << f.name;
    }
}

TEST(Schemazeichner, LinieMitFalscherZahlVonGruppenPiept)
{
    // Without group 31 the entity runs on into the next LINE, which alone is drawn.
    Symbollauf l;
    QStringList ohne31 = Linie("0", "0", "0", "5", "5");
    ohne31.remove(ohne31.size() - 3, 2);
    const QStringList ganz = Linie("0", "1", "1", "2", "2");
    l.zeichneEntities(ohne31 + ganz);
    EXPECT_EQ(l.pieps, 1);
    EXPECT_EQ(l.aufrufe("linie"), QStringList{"linie 91 -801 92 -802 #000000 0 art=0"});
    EXPECT_EQ(l.strom.zeilen.size(), ohne31.size() + ganz.size());
    EXPECT_TRUE(l.meldungstexte().isEmpty());

    // Too many groups: beep and the line ends undrawn; the next one is drawn.
    Symbollauf m;
    QStringList zuviel = Linie("0", "0", "0", "5", "5");
    zuviel.insert(zuviel.size() - 1, " 31");
    zuviel.insert(zuviel.size() - 1, "0");
    m.zeichneEntities(zuviel + ganz);
    EXPECT_EQ(m.pieps, 1);
    EXPECT_EQ(m.aufrufe("linie"), QStringList{"linie 91 -801 92 -802 #000000 0 art=0"});
}

TEST(Schemazeichner, StrichartFarbeUndGruppencodes)
{
    Symbollauf l;
    l.zeichneEntities(Linie("0", "0", "0", "1", "0", {"  6", "PUNKT", " 62", "     1"}) +  // dotted, red
                      Linie("0", "0", "1", "1", "1") +                                   // keeps red
                      Linie("0", "0", "2", "1", "2", {" 62", "7"}) +                     // black
                      Linie("0", "0", "3", "1", "3", {" 62", " 3"}) +                    // green
                      Linie("0", "0", "4", "1", "4", {" 62", "256"}) +
                      Linie("0", "0", "5", "1", "5", {" 62", "5.0"}));
    EXPECT_EQ(l.aufrufe("linie"), (QStringList{"linie 90 -800 91 -800 #ff0000 0 art=2",
                                               "linie 90 -801 91 -801 #ff0000 0 art=0",
                                               "linie 90 -802 91 -802 #000000 0 art=0",
                                               "linie 90 -803 91 -803 #00ff00 0 art=0",
                                               "linie 90 -804 91 -804 #000000 0 art=0",
                                               "linie 90 -805 91 -805 #0000ff 0 art=0"}));

    // Group codes without their blanks are not recognised: the values stay as read.
    Symbollauf m;
    m.zeichneEntities({"LINE", "8", "ZELT", "10", "3", " 20", "0", " 30", "0", " 11", "1", " 21", "0", " 31", "0",
                       "  0"});
    EXPECT_EQ(m.strom.zeilen.mid(0, 6), (QStringList{"LINE", "8", "ZELT", "10", "3", " 20"}));
    EXPECT_EQ(m.z.Last_Y_1, F(0));
    // Five counted groups: the "  0" of the line and the one after ENDSEC beep, then the file ends.
    EXPECT_EQ(m.pieps, 2);
    EXPECT_EQ(m.meldungstexte(), QStringList{Defekt + "\r\n" + m.pfad});
}

TEST(Schemazeichner, KreisBogenPunkt)
{
    Symbollauf l;
    l.zeichneEntities({"CIRCLE", "  8", "ZELT", " 10", "10", " 20", "-250", " 30", "0", " 40", "5", "  0",
                       "CIRCLE", "  8", "0", " 62", "1", " 10", "1", " 20", "2", " 30", "0", " 40", "3.5", "  0",
                       "ARC", "  8", "0", " 10", "0", " 20", "0", " 30", "0", " 40", "45.50", " 50", "0",
                       " 51", "90.0", "  0",
                       "POINT", "  8", "0", " 10", "7", " 20", "8", " 30", "0", "  0"},
                      "100", {}, 2);
    EXPECT_EQ(l.z.Anschluss[100][0], F(210));
    EXPECT_EQ(l.z.Anschluss[100][1], F(450));
    EXPECT_EQ(l.aufrufe("kreis"), (QStringList{"kreis 420 100 0 #000000 art=0", "kreis 402 -404 7 #ff0000 art=0"}));
    EXPECT_EQ(l.aufrufe("bogen"), QStringList{"bogen 400 -400 91 #ff0000 0 1.570796327 art=0"});
    EXPECT_EQ(l.aufrufe("punkt"), QStringList{"punkt 414 -416 #ff0000"});
    const QStringList& s = l.strom.zeilen;
    EXPECT_EQ(s.mid(0, 12), (QStringList{"CIRCLE", "  8", "ZELT", " 10", "210", " 20", "450", " 30", "0.0", " 40",
                                         "0.0", "  0"}));
    const qsizetype bogen = s.indexOf("ARC");
    EXPECT_EQ(s.mid(bogen + 9, 6), (QStringList{" 40", "45.50", " 50", "0", " 51", "90.0"}));
    EXPECT_EQ(s.mid(s.indexOf("POINT")), (QStringList{"POINT", "  8", "0", " 10", "207", " 20", "708", " 30", "0.0",
                                                      "  0"}));
}

TEST(Schemazeichner, KreisMitRadiusVorDemMittelpunktWirdNichtGezeichnet)
{
    Symbollauf l;
    l.zeichneEntities({"CIRCLE", "  8", "0", " 40", "5", " 10", "1", " 20", "2", " 30", "0", "  0", "POINT", " 10",
                       "1", " 20", "1", " 30", "0", "  0"});
    // The circle never reaches its count and runs on to the end of the file.
    EXPECT_TRUE(l.aufrufe("kreis").isEmpty());
    EXPECT_TRUE(l.aufrufe("punkt").isEmpty());
    EXPECT_EQ(l.meldungstexte(), QStringList{Defekt + "\r\n" + l.pfad});
}

TEST(Schemazeichner, PolylinieZeichnetStreckenUndSchreibtEineNullNachSeqend)
{
    Symbollauf l;
    const QStringList vertex = {"VERTEX", "  8", "0"};
    l.zeichneEntities(QStringList{"POLYLINE", "  8", "0", " 66", "1", " 10", "5", " 20", "5", " 30", "0", "  0"} +
                      vertex + QStringList{" 62", "5", " 10", "0", " 20", "0", " 30", "0", "  0"} + vertex +
                      QStringList{" 10", "10", " 20", "0", " 30", "0", "  0"} + vertex +
                      QStringList{" 10", "10", " 20", "10", " 30", "0", "  0", "SEQEND", "  8", "0", "  0"} +
                      Linie("0", "0", "0", "1", "1"));
    EXPECT_EQ(l.aufrufe("linie"), (QStringList{"linie 90 -800 100 -800 #0000ff 0 art=0",
                                               "linie 100 -800 100 -810 #0000ff 0 art=0",
                                               "linie 90 -800 91 -801 #0000ff 0 art=0"}));
    const QStringList& s = l.strom.zeilen;
    EXPECT_EQ(s.mid(5, 4), (QStringList{" 10", "5", " 20", "5"}));  // the polyline's own point as read
    const qsizetype seqend = s.indexOf("SEQEND");
    // SEQEND's own groups and its "  0" are passed over by the scan; the handler wrote one "  0".
    EXPECT_EQ(s.mid(seqend, 3), (QStringList{"SEQEND", "  0", "LINE"}));
}

TEST(Schemazeichner, DateiFolgeUndFehlerfaelle)
{
    struct Fall {
        const char* name;
        QByteArray inhalt;
        QStringList meldungen;  // texts before the path
        int linien;
    };
    const QByteArray linie = "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 30\r\n0\r\n 11\r\n1\r\n 21\r\n1\r\n"
                             " 31\r\n0\r\n";
    const QByteArray kopf = "  0\r\nSECTION\r\n  2\r\n  ENTITIES  \r\n";
    const QList<Fall> fälle = {
        {"ohne ENTITIES", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n" + linie + "  0\r\nEOF\r\n", {}, 0},
        {"vollständig", kopf + linie + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n", {}, 1},
        {"nach ENDSEC vor EOF", kopf + linie + "  0\r\nENDSEC\r\n" + linie + "  0\r\nEOF\r\n", {}, 2},
        {"LF statt CR LF", QByteArray(kopf + linie + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n").replace("\r\n", "\n"), {}, 1},
        {"endet nach ENDSEC", kopf + linie + "  0\r\nENDSEC\r\n", {}, 1},
        {"Leerzeile nach EOF", kopf + linie + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n\r\n", {Defekt}, 1},
        {"mitten in der Linie", kopf + linie.left(linie.indexOf(" 31")), {Defekt}, 0},
        {"Wert fehlt", kopf + linie + "  0\r\nLINE\r\n  8", {Defekt}, 1},
        {"ENTITIES am Ende", kopf, {Defekt}, 0},
        {"leer", "", {}, 0},
    };
    for (const Fall& f : fälle) {
        Symbollauf l;
        l.schreibeRoh(f.inhalt);
        l.zeichne();
        QStringList erwartet;
        for (const QString& m : f.meldungen)
            erwartet << m + QStringLiteral("\r\n") + l.pfad;
        EXPECT_EQ(l.meldungstexte(), erwartet) << f.name;
        EXPECT_EQ(l.aufrufe("linie").size(), f.linien) << f.name;
    }

    Symbollauf gross;
    gross.zeichneEntities(Linie("0", "1e15", "0", "1", "0"));
    EXPECT_EQ(gross.meldungstexte(), QStringList{NichtGefunden + "\r\n" + gross.pfad});
    EXPECT_EQ(gross.strom.zeilen, (QStringList{"LINE", "  8", "0", " 10"}));
}

TEST(Schemazeichner, FehlendeDateiUndUngueltigerBlock)
{
    Symbollauf l;
    const QString fehlt = l.dir.filePath(QStringLiteral("FEHLT.DXF"));
    DXFFelder feld;
    feld[1] = "1";
    feld[2] = fehlt;
    l.z.DXFzeichnen(feld, 1, 1, l.strom);
    // The folder alone (an empty symbol name) is no symbol file either.
    feld[2] = l.dir.path() + "/";
    l.z.DXFzeichnen(feld, 1, 1, l.strom);
    EXPECT_EQ(l.meldungstexte(), (QStringList{NichtGefunden + "\r\n" + fehlt, NichtGefunden + "\r\n" + feld[2]}));
    EXPECT_EQ(l.meldungen.boxen.first().stil, MsgStil::OK);
    EXPECT_EQ(l.meldungen.boxen.first().titel, QStringLiteral("Kelvor"));
    EXPECT_TRUE(l.strom.zeilen.isEmpty());

    for (const char* block : {"199", "-5", "X", "", "3A", "1e9"}) {
        Symbollauf m;
        m.zeichneEntities(Linie("ZELT", "0", "0", "1", "0"), QString::fromUtf8(block));
        ASSERT_EQ(m.meldungstexte().size(), 1) << block;
        EXPECT_TRUE(m.meldungstexte().first().contains(m.pfad)) << block;
        EXPECT_TRUE(m.meldungstexte().first().startsWith(
            QStringLiteral("Die Symbolzeile mit Block %1 und Symbol").arg(QString::fromUtf8(block))))
            << m.meldungstexte().first().toStdString();
        EXPECT_TRUE(m.strom.zeilen.isEmpty()) << block;
        EXPECT_TRUE(m.bild.aufrufe.isEmpty()) << block;
    }
    // Half to even: 1.5 is block 2, 198.4 block 198.
    Symbollauf n;
    n.zeichneEntities(Linie("0", "0", "0", "1", "0"), "1.5");
    EXPECT_EQ(n.strom.zeilen.value(4), QStringLiteral("710"));
    Symbollauf o;
    o.zeichneEntities(Linie("0", "0", "0", "1", "0"), " 198.4 ");
    EXPECT_EQ(o.strom.zeilen.value(4), QStringLiteral("34500"));
}

TEST(Schemazeichner, PfadeInGrossbuchstabenFindenDieDateiOhneRuecksichtAufGrossKlein)
{
    Symbollauf l;
    ASSERT_TRUE(QDir(l.dir.path()).mkpath(QStringLiteral("Programm/Dxf")));
    {
        QFile f(l.dir.filePath(QStringLiteral("Programm/Dxf/Kessel.dxf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nPOINT\r\n 10\r\n1\r\n 20\r\n1\r\n 30\r\n0\r\n  0\r\nEOF\r\n");
    }
    DXFFelder feld;
    feld[1] = "1";
    feld[2] = l.dir.path() + QStringLiteral("/PROGRAMM/DXF/KESSEL.DXF");
    l.z.DXFzeichnen(feld, 1, 1, l.strom);
    EXPECT_TRUE(l.meldungstexte().isEmpty()) << l.meldungstexte().join("|").toStdString();
    EXPECT_EQ(l.aufrufe("punkt").size(), 1);
}

TEST(Schemazeichner, DruckerBekommtDieselbenZeichenbefehle)
{
    Symbollauf l;
    Zeichenrecorder drucker{1000};
    l.z.Printer = &drucker;
    l.z.ausdruck = "J";
    l.zeichneEntities(Linie("0", "0", "0", "1", "0", {"  6", "PUNKT"}) +
                      QStringList{"CIRCLE", "  8", "0", " 10", "1", " 20", "2", " 30", "0", " 40", "3", "  0"});
    EXPECT_EQ(drucker.aufrufe, l.bild.aufrufe);
    EXPECT_EQ(drucker.aufrufe.size(), 2);

    Symbollauf m;
    m.z.Printer = &drucker;
    drucker.aufrufe.clear();
    m.zeichneEntities(Linie("0", "0", "0", "1", "0"));
    EXPECT_TRUE(drucker.aufrufe.isEmpty());
}

TEST(Schemazeichner, GeraetestromSchreibtCodepage1252MitCrLf)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    DXFGeraetestrom strom(puffer);
    strom.WriteLine(QStringLiteral("LINE"));
    strom.WriteLine(QStringLiteral("60 °C"));
    EXPECT_TRUE(strom.Fehlerfrei());
    EXPECT_EQ(puffer.data(), QByteArray("LINE\r\n60 \xB0" "C\r\n"));

    QBuffer zu;  // not open: the write fails and is remembered
    DXFGeraetestrom kaputt(zu);
    kaputt.WriteLine(QStringLiteral("LINE"));
    EXPECT_FALSE(kaputt.Fehlerfrei());
}

TEST(Schemazeichner, FelderDesOrderlesersBeginnenBeiEins)
{
    Orderdatei::Leser leser;
    DXFFelder feld;
    leser.zeichne = [&](const std::array<QString, Orderdatei::Leser::AnzahlFelder>& f) { feld = FelderDerSymbolzeile(f); };
    leser.Zeile(QStringLiteral("[ORDER]"));
    leser.Zeile(QStringLiteral("4=/DXF/"));
    leser.Zeile(QStringLiteral("[OBJEKT]"));
    leser.Zeile(QStringLiteral("1\tKessel.dxf\t150 kW\t"));
    EXPECT_EQ(feld[0], QString());
    EXPECT_EQ(feld[1], QStringLiteral("1"));
    EXPECT_EQ(feld[2], QStringLiteral("/DXF/KESSEL.DXF"));
    EXPECT_EQ(feld[3], QStringLiteral("150 KW"));
    EXPECT_EQ(feld[4], QString());
}
