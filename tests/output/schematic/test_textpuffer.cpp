#include <gtest/gtest.h>

#include "output/schematic/Textpuffer.h"
#include "support/QStringAusgabe.h"
#include "Symbollauf.h"

namespace {

const QString NichtGefunden = QStringLiteral("Symboldatei für DXF-File nicht gefunden ! ");
const QString Defekt = QStringLiteral("Symboldatei defekt ! ");

// A TEXT entity between x1 and x2 at height y, groups in the counted order.
QStringList Text(const QString& wert, const QString& x1 = "0", const QString& x2 = "100",
                 const QString& layer = "0", const QString& y = "50", const QString& art = "     5")
{
    return {"TEXT", "  8", layer, " 10", x1, " 20", y, " 30", "0", " 40", "18", "  1", wert, " 41", "1.0", " 72", art,
            " 11", x2, " 21", y, " 31", "0", "  0"};
}

QString LetzteSchrift(const Symbollauf& l)
{
    const QStringList s = l.aufrufe("schrift");
    return s.isEmpty() ? QString() : s.last();
}

}  // namespace

TEST(Textpuffer, BeschriftungNachLayerLetzterZifferUndDatumsplatzhalter)
{
    DXFFelder feld;
    for (int i = 3; i <= 11; ++i)
        feld[static_cast<size_t>(i)] = QStringLiteral("F%1").arg(i);
    const QDateTime jetzt(QDate(2026, 3, 14), QTime(9, 26, 53));
    struct Fall {
        const char* layer;
        const char* wert;
        const char* label;
        bool fest;
    };
    const Fall fälle[] = {
        {"0", "Leistung1", "F3", false},      {"0", "Temperatur2", "F4", false},
        {"0", "9", "F11", false},             {"Textstat", "PN 5", "PN 5", true},
        {"0", "PN 5", "F7", false},           {"textstat", "PN 5", "F7", false},
        {"0", "$QZV$", "Printing: 14.03.2026 09:26:53", false},
        {"0", "Text0", "Text0", true},        {"0", "Text ", "Text ", true},
        {"0", "TextA", "TextA", true},        {"0", "", "", true},
    };
    for (const Fall& f : fälle) {
        bool fest = !f.fest;
        EXPECT_EQ(Beschriftung(QString::fromUtf8(f.wert), QString::fromUtf8(f.layer), feld, jetzt, &fest),
                  QString::fromUtf8(f.label))
            << f.layer << " " << f.wert;
        EXPECT_EQ(fest, f.fest) << f.layer << " " << f.wert;
    }
    EXPECT_EQ(Messtext("150 KW", false), QStringLiteral("00000000"));
    EXPECT_EQ(Messtext("", false), QStringLiteral("00000000"));
    EXPECT_EQ(Messtext("ABCDEFGH", false), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(Messtext("MAG", true), QStringLiteral("MAG"));
}

TEST(Textpuffer, TextWirdVerschobenZentriertUndMitBreitenfaktorGeschrieben)
{
    Symbollauf l;
    l.zeichneEntities(Text("Leistung1"), "1", {"150 KW"});
    EXPECT_EQ(l.strom.zeilen, (QStringList{"TEXT", "  8", "0", " 10", "90", " 20", "1850", " 30", "0.0", " 40", "18",
                                           "  1", "150 KW", " 41", "1.1", " 72", "    1", " 11", "140", " 21", "1850",
                                           " 31", "0.0", "  0"}));
    // Centred: 140 - width of the label / 2; the top at H - (y + text height / 1.5).
    EXPECT_EQ(l.bild.aufrufe, (QStringList{"schrift Arial 10 normal", "text 122 -858 150 KW #000000"}));
    EXPECT_TRUE(l.meldungstexte().isEmpty());
}

TEST(Textpuffer, EinpassenVerkleinertDieSchriftBisDerTextPasst)
{
    // The recorder measures 0.6 x size per character; "00000000" is 48 wide at 10 points.
    struct Fall {
        const char* name;
        QString wert, x2;
        QStringList felder;
        QString schrift, faktor;
    };
    const QList<Fall> fälle = {
        {"passt genau", "Leistung1", "48", {"150 KW"}, "schrift Arial 10 normal", "1.1"},
        {"acht Punkte", "Leistung1", "40", {"150 KW"}, "schrift Arial 8 normal", "1.02"},
        {"leeres Feld", "Leistung1", "40", {""}, "schrift Arial 8 normal", "1.02"},
        {"langes Feld", "Leistung1", "60", {"ABCDEFGHIJKL"}, "schrift Arial 8 normal", "1.02"},
        {"fester Text", "Hydraulisches Schaltschema", "100", {}, "schrift Arial 6 normal", "1.02"},
        {"kurzer fester Text", "MAG", "20", {}, "schrift Arial 10 normal", "1.1"},
        {"gleiche Punkte", "MAG", "0", {}, "schrift Arial 1 normal", "1.02"},
        {"vertauschte Punkte", "MAG", "-10", {}, "schrift Arial 1 normal", "1.02"},
    };
    for (const Fall& f : fälle) {
        Symbollauf l;
        l.zeichneEntities(Text(f.wert, "0", f.x2), "1", f.felder);
        EXPECT_EQ(LetzteSchrift(l), f.schrift) << f.name;
        EXPECT_EQ(l.strom.zeilen.value(14), f.faktor) << f.name;
        EXPECT_EQ(l.aufrufe("text").size(), 1) << f.name;
    }
}

TEST(Textpuffer, MittelpunktRundetHalbZurGeraden)
{
    const std::tuple<const char*, const char*, const char*> fälle[] = {
        {"0", "100", "140"}, {"0", "0.0003", "90.0002"}, {"0", "0.0001", "90"}, {"10", "-10", "90"}};
    for (const auto& [x1, x2, mitte] : fälle) {
        Symbollauf l;
        l.zeichneEntities(Text("MAG", x1, x2));
        EXPECT_EQ(l.strom.zeilen.value(18), QString::fromUtf8(mitte)) << x1 << " " << x2;
    }
}

TEST(Textpuffer, DatumsplatzhalterStehtAufBildschirmUndImStrom)
{
    Symbollauf l;
    Zeichenrecorder drucker{1000};
    l.z.Printer = &drucker;
    l.z.ausdruck = "J";
    l.zeichneEntities(Text("$QZV$", "0", "400"));
    EXPECT_EQ(l.strom.zeilen.value(12), QStringLiteral("Printing: 14.03.2026 09:26:53"));
    ASSERT_EQ(l.aufrufe("text").size(), 1);
    EXPECT_TRUE(l.aufrufe("text").first().contains("Printing: 14.03.2026 09:26:53"));
    // The printer takes over font, size and position.
    EXPECT_EQ(drucker.aufrufe, (QStringList{"schrift Arial 10 normal", l.aufrufe("text").first()}));
}

TEST(Textpuffer, AusrichtungOhneGruppe41UndGruppenInAndererFolge)
{
    // 72 written with decimals counts as 5.
    Symbollauf a;
    a.zeichneEntities(Text("MAG", "0", "100", "0", "50", "5.0"));
    EXPECT_EQ(a.strom.zeilen.value(16), QStringLiteral("    1"));
    EXPECT_TRUE(a.meldungstexte().isEmpty());

    // Without group 41 no factor is written anywhere.
    Symbollauf b;
    QStringList ohne41 = Text("MAG");
    ohne41.remove(13, 2);
    b.zeichneEntities(ohne41);
    EXPECT_FALSE(b.strom.zeilen.contains("1.1"));
    EXPECT_FALSE(b.strom.zeilen.contains("1.02"));
    EXPECT_EQ(b.strom.zeilen.size(), ohne41.size());
    EXPECT_EQ(b.aufrufe("text").size(), 1);

    // Other groups between the counted ones are copied; group 40 before 20 is no height.
    Symbollauf c;
    c.zeichneEntities({"TEXT", "  8", "0", " 62", "1", " 10", "0", "  7", "STANDARD", " 20", "0", " 50", "0", " 40",
                       "18", "  1", "MAG", " 41", "1", " 72", "5", " 73", "0", " 11", "10", " 21", "0", " 31", "0",
                       "  0"});
    EXPECT_EQ(c.strom.zeilen.mid(7, 2), (QStringList{"  7", "STANDARD"}));
    EXPECT_EQ(c.aufrufe("text").size(), 1);
}

TEST(Textpuffer, FehlerhafteTexte)
{
    struct Fall {
        const char* name;
        QStringList entity;
        QString meldung;
    };
    QStringList lang = {"TEXT", "  8", "0", " 10", "0", " 20", "0"};
    for (int i = 0; i < 80; ++i)
        lang << " 99" << "lang";
    lang += Text("MAG").mid(7);
    QStringList abgeschnitten = Text("MAG").mid(0, 15);
    const QList<Fall> fälle = {
        {"Ausrichtung 3", Text("MAG", "0", "100", "0", "50", "3"), Defekt},
        {"Ausrichtung leer", Text("MAG", "0", "100", "0", "50", ""), Defekt},
        {"länger als der Puffer", lang, NichtGefunden},
    };
    for (const Fall& f : fälle) {
        Symbollauf l;
        l.zeichneEntities(f.entity);
        EXPECT_EQ(l.meldungstexte(), QStringList{f.meldung + "\r\n" + l.pfad}) << f.name;
        EXPECT_EQ(l.strom.zeilen, QStringList{"TEXT"}) << f.name;
        EXPECT_TRUE(l.aufrufe("text").isEmpty()) << f.name;
    }
    Symbollauf e;
    e.schreibe(QStringList{"  0", "SECTION", "  2", "ENTITIES", "  0"} + abgeschnitten);
    e.zeichne();
    EXPECT_EQ(e.meldungstexte(), QStringList{Defekt + "\r\n" + e.pfad});
    EXPECT_EQ(e.strom.zeilen, QStringList{"TEXT"});

    // A buffer of exactly 151 lines is still drawn.
    QStringList voll = {"TEXT", "  8", "0", " 10", "0", " 20", "0"};
    const QStringList rest = Text("MAG").mid(7);
    while (voll.size() - 1 + rest.size() < Textpuffer::Größe)
        voll << " 99";
    voll += rest;
    Symbollauf v;
    v.zeichneEntities(voll);
    EXPECT_TRUE(v.meldungstexte().isEmpty());
    EXPECT_EQ(v.strom.zeilen.size(), 1 + Textpuffer::Größe);
}
