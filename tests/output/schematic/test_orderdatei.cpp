#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "output/schematic/Orderdatei.h"
#include "support/ImKind.h"
#include "support/QStringAusgabe.h"

namespace {

struct Gezeichnet {
    QStringList felder;  // the fields up to the first empty one
};

// Reads the lines and keeps what the reader draws and how often it closes.
struct Lesung {
    Orderdatei::Leser leser;
    QList<Gezeichnet> gezeichnet;
    int abschlüsse = 0;

    explicit Lesung(const QStringList& zeilen)
    {
        leser.zeichne = [this](const std::array<QString, Orderdatei::Leser::AnzahlFelder>& f) {
            Gezeichnet g;
            for (const QString& feld : f) {
                if (feld.isEmpty())
                    break;
                g.felder << feld;
            }
            gezeichnet << g;
        };
        leser.abschluss = [this] { ++abschlüsse; };
        for (const QString& z : zeilen)
            leser.Zeile(z);
    }
};

}  // namespace

TEST(Orderdatei, SymbolzeileEndetJedesFeldMitTabUndMachtWerteEinzeilig)
{
    EXPECT_EQ(Symbolzeile({1, "Kessel.dxf", {"150 kW"}}).Zeile(), QStringLiteral("1\tKessel.dxf\t150 kW\t"));
    EXPECT_EQ(Symbolzeile({100, "", {}}).Zeile(), QStringLiteral("100\t\t"));
    EXPECT_EQ(Symbolzeile({3, "As.dxf", {"a\tb\r\n[ENDE]"}}).Zeile(), QStringLiteral("3\tAs.dxf\ta b  [ENDE]\t"));
}

TEST(Orderdatei, KodierungIstCodepage1252MitCrLf)
{
    const QByteArray b = Orderdatei::Kodiere({QStringLiteral("60 °C"), QStringLiteral("2,2 m³/h €"), QStringLiteral("ß→")});
    EXPECT_EQ(b, QByteArray("60 \xB0" "C\r\n2,2 m\xB3/h \x80\r\nß?\r\n").replace("ß", "\xDF"));
    EXPECT_EQ(Orderdatei::Dekodiere(QByteArray("\xB0\xB3\x80\xDF")), QStringLiteral("°³€ß"));
}

// One character is one byte: a character outside the code page is one "?", also when it takes
// two UTF-16 units.
TEST(Orderdatei, EinZeichenEinByte)
{
    struct Fall {
        const char* name;
        QString text;
        QByteArray bytes;
    };
    const Fall fälle[] = {
        {"Emoji", QStringLiteral("A\U0001F600B"), "A?B"},
        {"zwei nacheinander", QStringLiteral("\U0001D11E\U0001D11E"), "??"},
        {"einzelne hohe Hälfte", QString(QChar(0xD83D)) + QStringLiteral("x"), "?x"},
        {"einzelne tiefe Hälfte", QString(QChar(0xDE00)), "?"},
        {"Zeichen der Codepage bleiben", QStringLiteral("€°"), "\x80\xB0"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Orderdatei::Kodiere({f.text}), f.bytes + "\r\n");
    }
}

TEST(Orderdatei, SchreibenErsetztDieDateiOderMeldetDenFehler)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("DxfOrder.tmp"));
    QString fehler;
    ASSERT_TRUE(Orderdatei::Schreibe(pfad, {QStringLiteral("[ORDER]"), QStringLiteral("[ENDE]")}, &fehler));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[ORDER]\r\n[ENDE]\r\n"));

    EXPECT_FALSE(Orderdatei::Schreibe(dir.filePath(QStringLiteral("fehlt/DxfOrder.tmp")), {QStringLiteral("x")}, &fehler));
    EXPECT_FALSE(fehler.isEmpty());
}

// Order files and symbols are read only when they are regular files of a sane size; a pipe or a
// device never holds the run up.
TEST(Orderdatei, LiestNurGewoehnlicheDateienBisZurGrenze)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.dxf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString null = dir.filePath(QStringLiteral("null.dxf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), null));
    const QString groß = dir.filePath(QStringLiteral("gross.dxf"));
    {
        QFile f(groß);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(Orderdatei::MaxDateigroesse + 1));
    }
    const QString klein = dir.filePath(QStringLiteral("klein.dxf"));
    ASSERT_TRUE(Orderdatei::SchreibeBytes(klein, QByteArray("0\r\nEOF\r\n")));

    const struct {
        const char* name;
        QString pfad;
        bool gelesen;
        const char* grund;
    } fälle[] = {
        {"pipe", fifo, false, "keine gewöhnliche Datei"},
        {"link to a device", null, false, "keine gewöhnliche Datei"},
        {"folder", dir.path(), false, "keine gewöhnliche Datei"},
        {"over the limit", groß, false, "größer als 64 MB"},
        {"symbol file", klein, true, ""},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const std::optional<QByteArray> antwort = ImKind([&] {
            QByteArray inhalt;
            QString fehler;
            const bool gelesen = Orderdatei::LeseBytes(f.pfad, inhalt, &fehler);
            return (gelesen ? "1 " : "0 ") + fehler.toUtf8();
        });
        ASSERT_TRUE(antwort) << "the read did not end";
        EXPECT_EQ(antwort->startsWith('1'), f.gelesen) << antwort->constData();
        EXPECT_TRUE(QString::fromUtf8(*antwort).contains(QString::fromUtf8(f.grund))) << antwort->constData();
    }
}

TEST(OrderdateiLeser, AbschnittsmarkenGeltenNachDenGrossbuchstabenUndNurGenau)
{
    struct Fall {
        const char* name;
        QStringList zeilen;
        int abschnitt;
    };
    const QList<Fall> fälle = {
        {"klein", {"[order]", "[objekt]"}, 3},
        {"gemischt", {"[Order]"}, 2},
        {"mit Blank davor", {"[ORDER]", " [OBJEKT]"}, 2},
        {"mit Blank danach", {"[ORDER]", "[ENDE] "}, 2},
        {"vor der ersten Marke", {"1=x"}, 1},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Lesung l(f.zeilen);
        EXPECT_EQ(l.leser.Abschnitt(), f.abschnitt);
    }
}

TEST(OrderdateiLeser, Schluesselzeilen)
{
    Lesung l({"1=vor der Marke", "[ORDER]", "3", "4=/pfad/dxf/", "2.5=gerade", "3.5=gerade4", "21=weg", "-1=weg",
              "x=null", "5=", "1=Straße"});
    EXPECT_EQ(l.leser.Schlüssel(1), QStringLiteral("STRAßE"));  // the last key 1 wins; ß stays
    EXPECT_EQ(l.leser.Schlüssel(2), QStringLiteral("GERADE"));  // 2.5 rounds to 2
    EXPECT_EQ(l.leser.Schlüssel(4), QStringLiteral("GERADE4"));  // 3.5 rounds to 4
    EXPECT_EQ(l.leser.Schlüssel(0), QStringLiteral("NULL"));
    EXPECT_EQ(l.leser.Schlüssel(3), QString());
    EXPECT_EQ(l.leser.Schlüssel(5), QString());
    for (int k = 6; k < Orderdatei::Leser::AnzahlSchlüssel; ++k)
        EXPECT_TRUE(l.leser.Schlüssel(k).isEmpty()) << k;
}

TEST(OrderdateiLeser, WertBehaeltBlanksAmEndeUndWeitereGleichheitszeichen)
{
    Lesung l({"[ORDER]", "  1 =   p-7  ", "2=a=b"});
    EXPECT_EQ(l.leser.Schlüssel(1), QStringLiteral("P-7  "));
    EXPECT_EQ(l.leser.Schlüssel(2), QStringLiteral("A=B"));
}

TEST(OrderdateiLeser, SymbolzeilenNachBlocknummer)
{
    struct Fall {
        const char* zeile;
        bool gezeichnet;
    };
    const QList<Fall> fälle = {
        {"1\tKessel.dxf\t", true},   {"113\tA.dxf\t", true},  {"114\tA.dxf\t", false},
        {"500\tA.dxf\t", false},     {"0\tA.dxf\t", false},   {"abc\tA.dxf\t", false},
        {" 7 \tA.dxf\t", true},      {"-3\tA.dxf\t", true},   {"113.9\tA.dxf\t", true},
        {"kein Tab", false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.zeile);
        Lesung l({"[OBJEKT]", QString::fromUtf8(f.zeile)});
        EXPECT_EQ(l.gezeichnet.size(), f.gezeichnet ? 1 : 0);
    }
}

TEST(OrderdateiLeser, FeldtabelleWirdZwischenZeilenGeteilt)
{
    Lesung l({"[ORDER]", "4=/dxf/", "[OBJEKT]", "1\tkseinabs.dxf\tA\tB\t", "2\tKessel.dxf\t\tC\t", "100\t\t"});
    ASSERT_EQ(l.gezeichnet.size(), 3);
    EXPECT_EQ(l.gezeichnet[0].felder, (QStringList{"1", "/DXF/KSEINABS.DXF", "A", "B"}));
    // The empty field 3 stops the taking: field 4 keeps "B" of the earlier line.
    EXPECT_EQ(l.gezeichnet[1].felder, (QStringList{"2", "/DXF/KESSEL.DXF"}));
    EXPECT_EQ(l.leser.Felder()[3], QStringLiteral("B"));
    // An empty symbol name reaches the drawing as the folder alone.
    EXPECT_EQ(l.gezeichnet[2].felder, (QStringList{"100", "/DXF/"}));
}

TEST(OrderdateiLeser, EndeRuftDenAbschlussOhneEndeKeinen)
{
    EXPECT_EQ(Lesung({"[ORDER]", "[OBJEKT]", "1\tA\t"}).abschlüsse, 0);
    EXPECT_EQ(Lesung({"[ORDER]", "[OBJEKT]", "1\tA\t", "[ende]"}).abschlüsse, 1);
    // Lines after the marker run it again; symbol lines there are not drawn.
    Lesung l({"[OBJEKT]", "[ENDE]", "1\tA\t"});
    EXPECT_EQ(l.abschlüsse, 2);
    EXPECT_TRUE(l.gezeichnet.isEmpty());
}

TEST(OrderdateiLeser, LiestGeschriebeneDateiZurueck)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("DxfOrder.tmp"));
    ASSERT_TRUE(Orderdatei::Schreibe(pfad, {"[ORDER]", "1=P 1", "4=/d/", "5=2 Stck x", "[OBJEKT]",
                                            Symbolzeile({1, "Speicher.dxf", {"200 Liter, ", "60 °C"}}).Zeile(), "[ENDE]"}));
    Orderdatei::Leser leser;
    QStringList felder;
    int abschluss = 0, zeilen = 0;
    leser.zeichne = [&](const auto& f) { felder = {f[0], f[1], f[2], f[3]}; };
    leser.abschluss = [&] { ++abschluss; };
    leser.nachZeile = [&] { ++zeilen; };
    ASSERT_TRUE(leser.LeseDatei(pfad));
    EXPECT_EQ(felder, (QStringList{"1", "/D/SPEICHER.DXF", "200 LITER, ", "60 °C"}));
    EXPECT_EQ(leser.Schlüssel(5), QStringLiteral("2 STCK X"));
    EXPECT_EQ(abschluss, 1);
    EXPECT_EQ(zeilen, 7);
    EXPECT_FALSE(leser.LeseDatei(dir.filePath(QStringLiteral("fehlt.tmp"))));
}

TEST(OrderdateiLeser, VeraenderteDateienFuehrenZuKeinemAbsturz)
{
    const QByteArray vorlage = Orderdatei::Kodiere(
        {"[ORDER]", "1=P-1", "2=Haus", "3=01.02.2026", "4=/d/DXF/", "5=2 Stck Gefäß", "[OBJEKT]", "1\tKessel.dxf\t150 kW\t",
         "3\tAs.dxf\t\t", "100\tPravon.dxf\t", "[ENDE]"});
    const QByteArray zeichen("\t\r\n=[]0123456789.-+ EeDd&HhO\xB0\xFF");
    QRandomGenerator zufall(4711);
    for (int runde = 0; runde < 2000; ++runde) {
        QByteArray b = vorlage;
        const int änderungen = 1 + static_cast<int>(zufall.bounded(12));
        for (int i = 0; i < änderungen; ++i) {
            const int pos = static_cast<int>(zufall.bounded(static_cast<int>(b.size()) + 1));
            switch (zufall.bounded(3)) {
            case 0:
                b.insert(pos, zeichen.at(static_cast<int>(zufall.bounded(static_cast<int>(zeichen.size())))));
                break;
            case 1:
                if (pos < b.size())
                    b.remove(pos, 1 + static_cast<int>(zufall.bounded(5)));
                break;
            default:
                if (pos < b.size())
                    b[pos] = static_cast<char>(zufall.bounded(256));
            }
        }
        Orderdatei::Leser leser;
        int gezeichnet = 0;
        leser.zeichne = [&](const auto& f) { gezeichnet += f[1].isEmpty() ? 0 : 1; };
        leser.Lese(b);
        EXPECT_LE(gezeichnet, 20);
    }
}
