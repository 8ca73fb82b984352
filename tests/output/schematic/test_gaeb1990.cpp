#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <deque>
#include <limits>

#include "base/DateiDialogSeam.h"
#include "base/Programmzustand.h"
#include "data/Sicherungsdatei.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "output/schematic/Gaeb1990.h"
#include "support/MeldungsRecorder.h"
#include "base/AllgFunktionen.h"
#include "support/Schreibfehler.h"
#include "support/QStringAusgabe.h"

namespace {

// Bytes as readable text for comparisons: printable ASCII as it stands, others as \xHH.
std::string sichtbar(const QByteArray& b)
{
    std::string t;
    for (char c : b) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            t += c;
        } else {
            t += "\\x";
            t += "0123456789ABCDEF"[u >> 4];
            t += "0123456789ABCDEF"[u & 15];
        }
    }
    return t;
}

// Answers the save dialog from a script (then Cancel) and keeps every request.
class Speicherdialog : public DateiDialogSeam {
public:
    Speicherdialog() { setzeDateiDialog(this); }
    ~Speicherdialog() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage& a) override
    {
        anfragen << a;
        if (wechsleOrdner.size())
            QDir::setCurrent(wechsleOrdner);
        if (antworten.empty())
            return {};
        const QString r = antworten.front();
        antworten.pop_front();
        return r;
    }
    QList<DateiDialogAnfrage> anfragen;
    std::deque<QString> antworten;
    QString wechsleOrdner;  // a folder the dialog moves to, as a real one may
};

// A record as the tables define it; spalten(von, bis) counts from 1 as the tables do.
struct Satz {
    QByteArray roh;
    QByteArray spalten(int von, int bis) const { return roh.mid(von - 1, bis - von + 1); }
    QByteArray art() const { return spalten(1, 2); }
    int nummer() const { return spalten(75, 80).toInt(); }
};

// Reads a text field back: right blanks dropped, the code page 850 bytes of the special
// characters, everything else code page 1252.
QString textAus(const QByteArray& feld)
{
    static const QHash<char, QChar> umlaute{{'\x8E', u'Ä'}, {'\x99', u'Ö'}, {'\x9A', u'Ü'}, {'\x84', u'ä'},
                                            {'\x94', u'ö'}, {'\x81', u'ü'}, {'\xE1', u'ß'}, {'\xF8', u'°'},
                                            {'\xF5', u'§'}, {'\xFD', u'²'}, {'\xFC', u'³'}};
    QByteArray b = feld;
    while (b.endsWith(' '))
        b.chop(1);
    QString t;
    for (char c : b)
        t += umlaute.contains(c) ? umlaute.value(c) : Sicherungsdatei::AusCp1252(QByteArray(1, c));
    return t;
}

struct Position {
    int nr = 0;
    bool bedarf = false;
    double menge = 0;
    QStringList kurztexte;
    QStringList langtexte;
};

// What a written file says, read with the record tables.
struct Ausschreibung {
    QString fehler;  // the first thing that breaks the format
    QList<Satz> saetze;
    QString bezeichnung;
    QString datum;
    QStringList bemerkungen;
    QString währung;
    QList<QStringList> hinweise;
    QList<Position> positionen;
    int endeAnzahl = -1;
    bool inPosition = false;

    explicit Ausschreibung(const QByteArray& datei)
    {
        if (!datei.endsWith("\r\n"))
            fehler = QStringLiteral("no CR LF at the end");
        QList<QByteArray> zeilen = datei.split('\n');
        zeilen.removeLast();
        for (const QByteArray& z : zeilen) {
            if (z.size() != 81 || !z.endsWith('\r')) {
                fehler = QStringLiteral("line %1 is %2 bytes").arg(saetze.size() + 1).arg(z.size());
                return;
            }
            Satz s{z.left(80)};
            if (s.nummer() != saetze.size() + 1 || s.spalten(75, 80) != QByteArray::number(s.nummer()).rightJustified(6, '0'))
                fehler = QStringLiteral("record %1 numbered %2").arg(saetze.size() + 1).arg(QString::fromLatin1(s.spalten(75, 80)));
            saetze << s;
            lies(s);
        }
    }

    void lies(const Satz& s)
    {
        const QByteArray a = s.art();
        if (a == "01") {
            bezeichnung = textAus(s.spalten(3, 42));
            datum = QString::fromLatin1(s.spalten(43, 50));
        } else if (a == "02") {
            bemerkungen << textAus(s.spalten(3, 62));
        } else if (a == "08") {
            währung = QString::fromLatin1(s.spalten(3, 8).trimmed() + "/" + s.spalten(9, 58).trimmed());
        } else if (a == "20") {
            hinweise << QStringList();
            inPosition = false;
        } else if (a == "21") {
            Position p;
            p.nr = s.spalten(7, 10).toInt();
            p.bedarf = s.spalten(13, 13) == "E";
            p.menge = s.spalten(24, 34).toLongLong() / 1000.0;
            if (s.spalten(35, 38) != "Stck")
                fehler = QStringLiteral("unit");
            positionen << p;
            inPosition = true;
        } else if (a == "25" && inPosition) {
            positionen.last().kurztexte << textAus(s.spalten(3, 72));
        } else if (a == "26") {
            if (s.spalten(3, 5) != "   ")
                fehler = QStringLiteral("long text indent");
            if (inPosition)
                positionen.last().langtexte << textAus(s.spalten(6, 60));
            else if (!hinweise.isEmpty())
                hinweise.last() << textAus(s.spalten(6, 60));
            else
                fehler = QStringLiteral("long text outside a block");
        } else if (a == "99") {
            endeAnzahl = s.spalten(70, 74).toInt();
        }
    }

    QList<QByteArray> arten() const
    {
        QList<QByteArray> r;
        for (const Satz& s : saetze)
            r << s.art();
        return r;
    }
};

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device that takes grenze bytes and then refuses.
class VollesGeraet : public QBuffer {
public:
    explicit VollesGeraet(qint64 grenze) : m_grenze(grenze) { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char* daten, qint64 n) override
    {
        if (size() + n > m_grenze)
            return -1;
        return QBuffer::writeData(daten, n);
    }

private:
    qint64 m_grenze;
};

class Gaeb1990Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("tmp")));
        zustand().TempOrdner = temp.filePath(QStringLiteral("tmp"));
    }
    void TearDown() override { zustand().TempOrdner.clear(); }

    QStringList tempdateien() const
    {
        return QDir(zustand().TempOrdner).entryList(QDir::Files);
    }

    // Writes through schreibe, saves to a file in the temp folder and reads it back.
    QByteArray datei(const std::function<void(Gaeb1990&)>& schreibe)
    {
        Speicherdialog dialog;
        const QString ziel = temp.filePath(QStringLiteral("lv.d81"));
        QFile::remove(ziel);
        dialog.antworten.push_back(ziel);
        Gaeb1990 g;
        EXPECT_TRUE(g.Bereit());
        schreibe(g);
        EXPECT_TRUE(g.SaveAndClose());
        EXPECT_TRUE(tempdateien().isEmpty());
        return lies(ziel);
    }

    QTemporaryDir temp;
    MeldungsRecorder meldungen;
};

const QDate Datum(2026, 3, 7);

QByteArray satz(const QByteArray& inhalt74, int nummer)
{
    EXPECT_EQ(inhalt74.size(), 74) << inhalt74.constData();
    return inhalt74 + QByteArray::number(nummer).rightJustified(6, '0') + "\r\n";
}

}  // namespace

TEST_F(Gaeb1990Test, KopfMitLeererBemerkungIstByteGenau)
{
    const QByteArray b = datei([](Gaeb1990& g) { EXPECT_TRUE(g.WriteKopf(Datum, QStringLiteral("Heizung Haus A"), QString())); });
    const QByteArray erwartet =
        satz("00" + QByteArray(8, ' ') + "81L" + QByteArray(49, ' ') + "1122PPPPI90 ", 1)
        + satz("01" + QByteArray("Heizung Haus A").leftJustified(40) + "07.03.26" + QByteArray(24, ' '), 2)
        + satz("02" + QByteArray(72, ' '), 3)
        + satz("08" + QByteArray("EUR").leftJustified(6) + QByteArray("Euro").leftJustified(50) + QByteArray(16, ' '), 4);
    EXPECT_EQ(sichtbar(b), sichtbar(erwartet));
}

TEST_F(Gaeb1990Test, BemerkungWirdAnCrLfInEinBisNeunZeilenGeteilt)
{
    QStringList zwölf;
    for (int i = 1; i <= 12; ++i)
        zwölf << QStringLiteral("Zeile %1").arg(i);
    const struct {
        QString bemerkung;
        QStringList zeilen;
    } fälle[] = {
        {QString(), {QString()}},
        {QStringLiteral("a\r\nb\r\nc"), {"a", "b", "c"}},
        {QStringLiteral("a\r\nb\r\nc\r\n"), {"a", "b", "c"}},
        {QStringLiteral("a\r\n\r\nc"), {"a", "", "c"}},
        {QStringLiteral("\r\n"), {QString()}},
        {QStringLiteral("a\r\n\r\n"), {"a", ""}},
        {zwölf.join(QStringLiteral("\r\n")), zwölf.mid(0, 9)},
        // A lone CR or LF is no line end: it becomes a blank and cannot split a record.
        {QStringLiteral("a\nb\rc"), {"a b c"}},
    };
    for (const auto& f : fälle) {
        const Ausschreibung a(datei([&](Gaeb1990& g) { g.WriteKopf(Datum, QStringLiteral("LV"), f.bemerkung); }));
        EXPECT_EQ(a.fehler, QString()) << f.bemerkung.toStdString();
        EXPECT_EQ(a.bemerkungen, f.zeilen) << f.bemerkung.toStdString();
        EXPECT_EQ(a.arten().last(), "08");
    }
}

TEST_F(Gaeb1990Test, TexteWerdenAufIhreFeldbreiteGeschnitten)
{
    const QString fünfzig = QStringLiteral("B").repeated(40) + QStringLiteral("ZuvielText");
    const QString siebzig = QStringLiteral("R").repeated(60) + QStringLiteral("ZuvielText");
    const QString achtzig = QStringLiteral("K").repeated(70) + QStringLiteral("ZuvielText");
    const QString sechzig = QStringLiteral("L").repeated(55) + QStringLiteral("Zuviel");
    const Ausschreibung a(datei([&](Gaeb1990& g) {
        g.WriteKopf(QDate(), fünfzig, siebzig);
        g.WritePosAndKurztext(1, false, 1, achtzig, achtzig);
        g.WriteLangtext(sechzig);
        g.WriteEnde();
    }));
    ASSERT_EQ(a.fehler, QString());
    EXPECT_EQ(a.bezeichnung, fünfzig.left(40));
    EXPECT_EQ(a.datum, QStringLiteral("        "));  // no date: blanks
    EXPECT_EQ(a.bemerkungen, QStringList{siebzig.left(60)});
    ASSERT_EQ(a.positionen.size(), 1);
    EXPECT_EQ(a.positionen[0].kurztexte, (QStringList{achtzig.left(70), achtzig.left(70)}));
    EXPECT_EQ(a.positionen[0].langtexte, QStringList{sechzig.left(55)});
    // The long text keeps columns 61-74 blank.
    EXPECT_EQ(sichtbar(a.saetze[7].spalten(61, 74)), sichtbar(QByteArray(14, ' ')));
}

TEST(Gaeb1990Zeichen, UmlauteKonvertieren)
{
    const struct {
        QString text;
        QByteArray bytes;
    } fälle[] = {
        {QStringLiteral("ÄÖÜäöüß°§²³"), "\x8E\x99\x9A\x84\x94\x81\xE1\xF8\xF5\xFD\xFC"},
        {QStringLiteral("Plain 12.5"), "Plain 12.5"},
        // Other characters in code page 1252.
        {QStringLiteral("é€µ½"), "\xE9\x80\xB5\xBD"},
        // Not in code page 1252: one "?" each, also beyond the 16-bit plane.
        {QStringLiteral("a→b") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("c"), "a?b?c"},
        // Control characters become blanks.
        {QStringLiteral("a\tb\r\nc") + QChar(0x7F) + QChar(0x85) + QChar(0), QByteArray("a b  c   ", 9)},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(sichtbar(Gaeb1990::UmlauteKonvertieren(f.text)), sichtbar(f.bytes)) << f.text.toStdString();
}

TEST_F(Gaeb1990Test, ZeichenWerdenVorDemSchneidenKonvertiertInJedemTextfeld)
{
    const QByteArray b = datei([](Gaeb1990& g) {
        g.WriteKopf(Datum, QStringLiteral("x").repeated(39) + QStringLiteral("üZ"), QStringLiteral("Maß§\r\n\t²"));
        g.WritePosAndKurztext(1, false, 1, QStringLiteral("Ventil 90°"), QStringLiteral("Größe ³"));
        g.WriteLangtext(QStringLiteral("Öl und Äther\r\nbei 110 °C"));
        g.WriteEnde();
    });
    const Ausschreibung a(b);
    ASSERT_EQ(a.fehler, QString());
    EXPECT_EQ(sichtbar(a.saetze[1].spalten(42, 42)), sichtbar(QByteArray("\x81")));  // the 40th character of the designation
    EXPECT_EQ(sichtbar(a.saetze[1].spalten(43, 50)), sichtbar(QByteArray("07.03.26")));
    EXPECT_EQ(sichtbar(a.saetze[2].spalten(3, 7)), sichtbar(QByteArray("Ma\xE1\xF5 ")));
    EXPECT_EQ(sichtbar(a.saetze[3].spalten(3, 5)), sichtbar(QByteArray(" \xFD ")));
    EXPECT_EQ(a.bemerkungen, (QStringList{QStringLiteral("Maß§"), QStringLiteral(" ²")}));
    ASSERT_EQ(a.positionen.size(), 1);
    EXPECT_EQ(a.positionen[0].kurztexte, (QStringList{QStringLiteral("Ventil 90°"), QStringLiteral("Größe ³")}));
    EXPECT_EQ(a.positionen[0].langtexte, QStringList{QStringLiteral("Öl und Äther  bei 110 °C")});
    EXPECT_TRUE(b.contains("bei 110 \xF8" "C"));
}

TEST_F(Gaeb1990Test, PositionIstByteGenauUndZweiterKurztextNurWennNichtLeer)
{
    const QByteArray b = datei([](Gaeb1990& g) {
        EXPECT_TRUE(g.WritePosAndKurztext(7, true, 2, QStringLiteral("Ausdehnungsgefäß"), QString()));
        EXPECT_TRUE(g.WritePosAndKurztext(8, false, 3, QStringLiteral("Kappenventil"), QStringLiteral("DN 20")));
    });
    const QByteArray erwartet =
        satz("21    0007 NEN         00000002000Stck" + QByteArray(36, ' '), 1)
        + satz("25" + QByteArray("Ausdehnungsgef\x84\xE1").leftJustified(72), 2)
        + satz("21    0008 NNN         00000003000Stck" + QByteArray(36, ' '), 3)
        + satz("25" + QByteArray("Kappenventil").leftJustified(72), 4)
        + satz("25" + QByteArray("DN 20").leftJustified(72), 5);
    EXPECT_EQ(sichtbar(b), sichtbar(erwartet));
}

TEST_F(Gaeb1990Test, MengeMitDreiImpliziertenNachkommastellen)
{
    const struct {
        int nr;
        double menge;
        QByteArray spalten;
    } fälle[] = {
        {0, 0, "0000 NNN         00000000000"},
        {12, 2.5, "0012 NNN         00000002500"},
        {345, 0.001, "0345 NNN         00000000001"},
        {9999, 99999999.999, "9999 NNN         99999999999"},
    };
    for (const auto& f : fälle) {
        const Ausschreibung a(datei([&](Gaeb1990& g) { EXPECT_TRUE(g.WritePosAndKurztext(f.nr, false, f.menge, "T", "")); }));
        ASSERT_EQ(a.fehler, QString());
        EXPECT_EQ(sichtbar(a.saetze[0].spalten(7, 34)), sichtbar(f.spalten)) << f.menge;
    }
}

TEST_F(Gaeb1990Test, EndeZaehltDiePositionenUndDieSatznummernLaufenOhneLuecke)
{
    const Ausschreibung a(datei([](Gaeb1990& g) {
        g.WriteKopf(Datum, QStringLiteral("LV"), QStringLiteral("eins\r\nzwei"));
        g.WriteEinleitungHinweistext();
        g.WriteLangtext(QStringLiteral("Hinweis 1"));
        g.WriteLangtext(QStringLiteral("Hinweis 2"));
        for (int i = 1; i <= 3; ++i) {
            g.WritePosAndKurztext(i, i == 2, i * 2, QStringLiteral("Artikel %1").arg(i), QString());
            g.WriteLangtext(QStringLiteral(" "));
        }
        EXPECT_TRUE(g.WriteEnde());
    }));
    ASSERT_EQ(a.fehler, QString());
    EXPECT_EQ(sichtbar(a.saetze.last().roh), sichtbar("99" + QByteArray(67, ' ') + "00003" + "000018"));
    EXPECT_EQ(sichtbar(a.saetze[5].roh), sichtbar("20" + QByteArray(72, ' ') + "000006"));
    EXPECT_EQ(sichtbar(a.saetze[6].roh), sichtbar("26   " + QByteArray("Hinweis 1").leftJustified(69) + "000007"));
    EXPECT_EQ(a.hinweise.value(0), (QStringList{"Hinweis 1", "Hinweis 2"}));
    ASSERT_EQ(a.positionen.size(), 3);
    EXPECT_EQ(a.positionen[1].nr, 2);
    EXPECT_TRUE(a.positionen[1].bedarf);
    EXPECT_FALSE(a.positionen[2].bedarf);
    EXPECT_EQ(a.positionen[2].menge, 6);
    EXPECT_EQ(a.positionen[0].langtexte, QStringList{QString()});
    EXPECT_EQ(a.endeAnzahl, 3);
}

TEST_F(Gaeb1990Test, EineGanzeAusschreibungLiestSichZurueck)
{
    const Ausschreibung a(datei([](Gaeb1990& g) {
        g.WriteKopf(QDate(2025, 12, 31), QStringLiteral("Wohnanlage Südhang"), QStringLiteral("Bauteil Ö\r\nStand März"));
        g.WriteEinleitungHinweistext();
        g.WriteLangtext(QStringLiteral("Alle Maße in mm, Temperaturen in °C."));
        g.WritePosAndKurztext(1, false, 1, QStringLiteral("Druckhaltestation 2,5 m³"), QString());
        g.WriteLangtext(QStringLiteral("Für Anlagen bis 120 °C"));
        g.WriteLangtext(QStringLiteral("nach § 4, Fläche 2 m²"));
        g.WritePosAndKurztext(2, true, 12.75, QStringLiteral("Schmutzfänger"), QStringLiteral("Größe 1\""));
        g.WriteLangtext(QStringLiteral(" "));
        g.WriteEnde();
    }));
    ASSERT_EQ(a.fehler, QString());
    EXPECT_EQ(a.bezeichnung, QStringLiteral("Wohnanlage Südhang"));
    EXPECT_EQ(a.datum, QStringLiteral("31.12.25"));
    EXPECT_EQ(a.bemerkungen, (QStringList{QStringLiteral("Bauteil Ö"), QStringLiteral("Stand März")}));
    EXPECT_EQ(a.währung, QStringLiteral("EUR/Euro"));
    EXPECT_EQ(a.hinweise.value(0), QStringList{QStringLiteral("Alle Maße in mm, Temperaturen in °C.")});
    ASSERT_EQ(a.positionen.size(), 2);
    EXPECT_EQ(a.positionen[0].nr, 1);
    EXPECT_EQ(a.positionen[0].menge, 1);
    EXPECT_EQ(a.positionen[0].kurztexte, QStringList{QStringLiteral("Druckhaltestation 2,5 m³")});
    EXPECT_EQ(a.positionen[0].langtexte,
              (QStringList{QStringLiteral("Für Anlagen bis 120 °C"), QStringLiteral("nach § 4, Fläche 2 m²")}));
    EXPECT_TRUE(a.positionen[1].bedarf);
    EXPECT_EQ(a.positionen[1].menge, 12.75);
    EXPECT_EQ(a.positionen[1].kurztexte, (QStringList{QStringLiteral("Schmutzfänger"), QStringLiteral("Größe 1\"")}));
    EXPECT_EQ(a.endeAnzahl, 2);
    EXPECT_EQ(a.saetze.size(), 16);
}

TEST_F(Gaeb1990Test, WasNichtInSeinFeldPasstWirdVerweigertNieBreiterGeschrieben)
{
    const struct {
        int nr;
        double menge;
        int textId;
    } fälle[] = {
        {10000, 1, 2927},
        {-1, 1, 2927},
        {1, -1, 2928},
        {1, -0.0001, 2928},
        {1, 100000000, 2928},
        {1, 99999999.9996, 2928},  // rounds up to twelve digits
        {1, std::numeric_limits<double>::quiet_NaN(), 2928},
        {1, std::numeric_limits<double>::infinity(), 2928},
    };
    for (const auto& f : fälle) {
        meldungen.leeren();
        Speicherdialog dialog;
        QString tempname;
        {
            Gaeb1990 g;
            tempname = g.Tempname();
            ASSERT_TRUE(g.WritePosAndKurztext(1, false, 1, "gut", ""));
            EXPECT_FALSE(g.WritePosAndKurztext(f.nr, false, f.menge, "schlecht", "")) << f.nr << " " << f.menge;
            ASSERT_EQ(meldungen.boxen.size(), 1);
            EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{f.textId});
            // Nothing of the refused position was written; the writer takes nothing more.
            const Ausschreibung a(lies(tempname));
            EXPECT_EQ(a.fehler, QString());
            EXPECT_EQ(a.saetze.size(), 2);
            EXPECT_FALSE(g.WriteLangtext(QStringLiteral("x")));
            EXPECT_FALSE(g.WriteEnde());
            EXPECT_FALSE(g.SaveAndClose());
            EXPECT_EQ(meldungen.boxen.size(), 1);
        }
        EXPECT_TRUE(dialog.anfragen.isEmpty());
        EXPECT_FALSE(QFile::exists(tempname));
    }
}

TEST_F(Gaeb1990Test, SpeicherdialogKopieUndAufraeumen)
{
    Speicherdialog dialog;
    const QString ziel = temp.filePath(QStringLiteral("Projekt.d81"));
    dialog.antworten.push_back(ziel);
    dialog.wechsleOrdner = temp.path();
    const QString vorher = QDir::currentPath();
    Gaeb1990 g;
    const QString tempname = g.Tempname();
    ASSERT_TRUE(tempname.startsWith(zustand().TempOrdner));
    ASSERT_TRUE(QFile::exists(tempname));
    g.WriteKopf(Datum, QStringLiteral("LV"), QString());
    g.WriteEnde();
    const QByteArray inhalt = lies(tempname);
    EXPECT_TRUE(g.SaveAndClose());

    ASSERT_EQ(dialog.anfragen.size(), 1);
    const DateiDialogAnfrage& a = dialog.anfragen[0];
    EXPECT_EQ(a.titel, QStringLiteral("GAEB-Datei anlegen"));
    EXPECT_EQ(a.filter, (QStringList{"*.d81", "*.d81", "Alle Dateien *.*", "*.*"}));
    EXPECT_EQ(a.standardEndung, QStringLiteral("d81"));
    EXPECT_TRUE(a.speichern);
    EXPECT_EQ(QDir(a.startOrdner), QDir::home());
    EXPECT_EQ(QDir::currentPath(), vorher);
    EXPECT_EQ(lies(ziel), inhalt);
    EXPECT_EQ(inhalt.size(), 5 * 82);
    EXPECT_EQ(g.Zielname(), ziel);
    EXPECT_FALSE(QFile::exists(tempname));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_FALSE(g.WriteEnde());  // closed
}

TEST_F(Gaeb1990Test, AbbrechenLaesstKeineDateiZurueck)
{
    Speicherdialog dialog;
    Gaeb1990 g;
    g.WriteKopf(Datum, QStringLiteral("LV"), QString());
    g.WriteEnde();
    EXPECT_FALSE(g.SaveAndClose());
    EXPECT_EQ(dialog.anfragen.size(), 1);
    EXPECT_TRUE(tempdateien().isEmpty());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(g.Zielname(), QString());
}

TEST_F(Gaeb1990Test, NichtSchreibbaresZielMeldetUndFragtErneut)
{
    const QString falsch = temp.filePath(QStringLiteral("fehlt/LV.d81"));
    const QString richtig = temp.filePath(QStringLiteral("LV.d81"));
    for (const bool zweiterVersuch : {true, false}) {
        meldungen.leeren();
        QFile::remove(richtig);
        Speicherdialog dialog;
        dialog.antworten.push_back(falsch);
        if (zweiterVersuch)
            dialog.antworten.push_back(richtig);
        Gaeb1990 g;
        const QString tempname = g.Tempname();
        g.WriteKopf(Datum, QStringLiteral("LV"), QString());
        g.WriteEnde();
        EXPECT_EQ(g.SaveAndClose(), zweiterVersuch);

        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2960});
        EXPECT_EQ(meldungen.boxen[0].werte.value(0), QDir::toNativeSeparators(falsch));
        EXPECT_TRUE(meldungen.boxen[0].werte.value(1).contains(QString::fromLocal8Bit(std::strerror(ENOENT))))
            << meldungen.boxen[0].text.toStdString();
        ASSERT_EQ(dialog.anfragen.size(), 2);
        EXPECT_EQ(dialog.anfragen[1].dateiname, QStringLiteral("LV.d81"));
        EXPECT_FALSE(QFile::exists(falsch));
        EXPECT_EQ(QFile::exists(richtig), zweiterVersuch);
        if (zweiterVersuch) {
            EXPECT_EQ(lies(richtig).size(), 5 * 82);
        }
        EXPECT_FALSE(QFile::exists(tempname));
    }
}

// The copy to the chosen file fails at each step of the writer: the user's old file stays,
// nothing is reported as saved, and the message names the file and the reason. A folder that
// cannot be synced after the rename leaves the complete file: saved, with a note.
TEST_F(Gaeb1990Test, FehlerBeimSpeichernLaesstDieAlteDatei)
{
    const QString ziel = temp.filePath(QStringLiteral("LV.d81"));
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        for (const int nummer : {EIO, ENOSPC}) {
            SCOPED_TRACE(std::string(Schreibfehler::Name(schritt)) + " " + std::to_string(nummer));
            meldungen.leeren();
            {
                QFile alt(ziel);
                ASSERT_TRUE(alt.open(QIODevice::WriteOnly | QIODevice::Truncate));
                alt.write("alte Datei");
            }
            Speicherdialog dialog;
            dialog.antworten.push_back(ziel);
            Gaeb1990 g;
            g.WriteKopf(Datum, QStringLiteral("LV"), QString());
            g.WriteEnde();
            const bool nurOrdner = schritt == Schreibfehler::Schritt::Ordnersync;
            {
                Schreibfehler fehler(schritt, nummer);
                EXPECT_EQ(g.SaveAndClose(), nurOrdner);
            }
            ASSERT_EQ(meldungen.boxen.size(), 1);
            EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{nurOrdner ? 2962 : 2960});
            EXPECT_EQ(meldungen.boxen[0].werte.value(0), QDir::toNativeSeparators(ziel));
            EXPECT_TRUE(meldungen.boxen[0].werte.value(1).contains(QString::fromLocal8Bit(std::strerror(nummer))))
                << meldungen.boxen[0].text.toStdString();
            EXPECT_EQ(dialog.anfragen.size(), nurOrdner ? 1 : 2);  // asked again after a failure
            EXPECT_EQ(lies(ziel).size() == 5 * 82, nurOrdner);
            if (!nurOrdner) {
                EXPECT_EQ(lies(ziel), "alte Datei");
            }
            EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{"LV.d81"});
            EXPECT_TRUE(tempdateien().isEmpty());
        }
    }
}

// A file the user protected is not replaced: it stays as it was and the message says why.
TEST_F(Gaeb1990Test, SchreibgeschuetzteDateiBleibtUnberuehrt)
{
    const QString ziel = temp.filePath(QStringLiteral("LV.d81"));
    SchreibgeschuetzteDatei(ziel, "alte Datei");
    Speicherdialog dialog;
    dialog.antworten.push_back(ziel);  // then the user cancels
    Gaeb1990 g;
    g.WriteKopf(Datum, QStringLiteral("LV"), QString());
    g.WriteEnde();
    EXPECT_FALSE(g.SaveAndClose());
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2960});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{QDir::toNativeSeparators(ziel), LadeText(2963)}));
    EXPECT_EQ(lies(ziel), "alte Datei");
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{"LV.d81"});
    EXPECT_TRUE(tempdateien().isEmpty());
}

TEST_F(Gaeb1990Test, TempdateiDieNichtAngelegtWerdenKannBeendetMitMeldung)
{
    zustand().TempOrdner = temp.filePath(QStringLiteral("gibtsnicht"));
    setzeAusschreibungsfabrik({});
    EXPECT_EQ(NeuerAusschreibungsschreiber(), nullptr);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2926});
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QDir::toNativeSeparators(zustand().TempOrdner)));
}

TEST_F(Gaeb1990Test, StandardfabrikGibtDenGaebSchreiber)
{
    setzeAusschreibungsfabrik({});
    auto s = NeuerAusschreibungsschreiber();
    ASSERT_NE(s, nullptr);
    auto* g = dynamic_cast<Gaeb1990*>(s.get());
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(QFile::exists(g->Tempname()));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Gaeb1990Test, SchreibfehlerBeendetMitMeldungOhneDialog)
{
    Speicherdialog dialog;
    dialog.antworten.push_back(temp.filePath(QStringLiteral("LV.d81")));
    const QString tempname = temp.filePath(QStringLiteral("tmp/$$0001.tmp"));
    ASSERT_TRUE(QFile(tempname).open(QIODevice::WriteOnly));
    {
        Gaeb1990 g(std::make_unique<VollesGeraet>(3 * 82), tempname);
        EXPECT_FALSE(g.WriteKopf(Datum, QStringLiteral("LV"), QString()));
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2926});
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QDir::toNativeSeparators(tempname)));
        EXPECT_FALSE(g.WriteEnde());
        EXPECT_FALSE(g.SaveAndClose());
        EXPECT_EQ(meldungen.boxen.size(), 1);
    }
    EXPECT_TRUE(dialog.anfragen.isEmpty());
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("LV.d81"))));
    EXPECT_FALSE(QFile::exists(tempname));
}

TEST_F(Gaeb1990Test, OhneSaveAndCloseFreigegebenEntferntDieTempdatei)
{
    QString tempname;
    {
        Gaeb1990 g;
        tempname = g.Tempname();
        g.WriteKopf(Datum, QStringLiteral("LV"), QString());
        ASSERT_TRUE(QFile::exists(tempname));
    }
    EXPECT_FALSE(QFile::exists(tempname));
    EXPECT_TRUE(tempdateien().isEmpty());
}

TEST_F(Gaeb1990Test, DieEndeZahlHatFuenfStellenMehrPositionenWerdenVerweigert)
{
    auto* puffer = new QBuffer;
    puffer->open(QIODevice::WriteOnly);
    Gaeb1990 g{std::unique_ptr<QIODevice>(puffer), QString()};
    for (int i = 1; i <= Gaeb1990::MaxPositionen; ++i)
        ASSERT_TRUE(g.WritePosAndKurztext(i % 10000, false, 1, "T", ""));
    ASSERT_TRUE(g.WriteEnde());
    EXPECT_EQ(sichtbar(puffer->data().right(82)), sichtbar("99" + QByteArray(67, ' ') + "99999" + "199999\r\n"));
    EXPECT_FALSE(g.WritePosAndKurztext(1, false, 1, "T", ""));
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2929});
    EXPECT_EQ(puffer->size(), (2 * Gaeb1990::MaxPositionen + 1) * 82);
}
