#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <deque>

#include "base/AllgFunktionen.h"
#include "base/DateiDialogSeam.h"
#include "base/DruckerSeam.h"
#include "output/schematic/Schaltschemalauf.h"
#include "support/QStringAusgabe.h"
#include "Festkommawert.h"
#include "Schemaordner.h"
#include "support/Schreibfehler.h"

namespace {

Rohrsegment S(double x1, double y1, double x2, double y2)
{
    return {F(x1), F(y1), F(x2), F(y2)};
}

std::string Text(const Rohrsegment& s)
{
    return (Formatiere(s.x1) + u' ' + Formatiere(s.y1) + u' ' + Formatiere(s.x2) + u' ' + Formatiere(s.y2)).toStdString();
}

// The pipe LINE entities of an entity stream: layer ZELT in colour 5, as "x1 y1 x2 y2".
QStringList Rohre(const QByteArray& strom)
{
    const QList<QByteArray> z = strom.split('\n');
    QStringList r;
    for (qsizetype i = 0; i + 16 < z.size(); ++i)
        if (z[i].trimmed() == "LINE" && z[i + 2].trimmed() == "ZELT" && z[i + 3].trimmed() == "62" &&
            z[i + 4].trimmed() == "5")
            r << QString::fromLatin1(z[i + 6].trimmed() + ' ' + z[i + 8].trimmed() + ' ' + z[i + 12].trimmed() + ' ' +
                                     z[i + 14].trimmed());
    return r;
}

// Answers the file dialogs in turn (empty: Cancel) and keeps the requests.
struct Dateidialoge : DateiDialogSeam {
    Dateidialoge() { setzeDateiDialog(this); }
    ~Dateidialoge() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage& a) override
    {
        anfragen << a;
        if (antworten.empty())
            return QString();
        const QString r = antworten.front();
        antworten.pop_front();
        return r;
    }
    std::deque<QString> antworten;
    QList<DateiDialogAnfrage> anfragen;
};

// A printer whose job draws on a recorder; its page size and the end of the document are set by
// the test.
struct Testdrucker : DruckerSeam {
    struct Auftrag : Druckauftrag {
        Testdrucker& d;
        explicit Auftrag(Testdrucker& drucker) : d(drucker) {}
        Zeichenflaeche& fläche() override { return d.bild; }
        QSizeF seitengröße() const override { return d.seite; }
        QSizeF druckerOffset() const override { return {}; }
        bool neueSeite() override { return true; }
        bool beenden() override
        {
            ++d.beendet;
            return d.beendenGelingt;
        }
        void abbrechen() override { ++d.abgebrochen; }
    };
    Testdrucker() { setzeDrucker(this); }
    ~Testdrucker() override { setzeDrucker(nullptr); }
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& a) override
    {
        anfragen << a;
        return std::make_unique<Auftrag>(*this);
    }
    void einrichten() override {}

    Zeichenrecorder bild{7000};
    QSizeF seite{7016, 4961};  // A4 landscape in 1/600 inch
    bool beendenGelingt = true;
    int beendet = 0, abgebrochen = 0;
    QList<Druckanfrage> anfragen;
};

}  // namespace

TEST(Rohrwege, HauptUndZweiterLauf)
{
    struct Fall {
        const char* name;
        double x1, y1, x2, y2, x2fl, y2fl;
        std::array<Rohrsegment, 4> haupt;
        bool zweiter;
        std::array<Rohrsegment, 4> zweit;
        double x1Danach;
    };
    const Rohrsegment o{};
    const double ym = 700 + 366.6667;  // a third of 1100 above the lower point, four decimals
    const Fall fälle[] = {
        {"erste Form", 710, 1800, 900, 700, 0, 0,
         {S(710, ym, 710, 1800), S(710, ym, 900, ym), S(900, ym, 900, 700), o}, false, {}, 710},
        {"gleiches x: erste Form, Mittelstück der Länge 0", 710, 1800, 710, 700, 0, 0,
         {S(710, ym, 710, 1800), S(710, ym, 710, ym), S(710, ym, 710, 700), o}, false, {}, 710},
        {"zweite Form", 1950, 1800, 900, 700, 0, 0, {o, S(1950, 1800, 1950, 700), o, S(900, 700, 1950, 700)}, false,
         {}, 1950},
        {"ohne unteren Punkt: bis zum Ursprung", 710, 1800, 0, 0, 0, 0,
         {o, S(710, 1800, 710, 0), o, S(0, 0, 710, 0)}, false, {}, 710},
        {"genau 2090: keine Verschiebung", 710, 2090, 900, 700, 0, 0,
         {S(710, 700 + 463.3333, 710, 2090), S(710, 700 + 463.3333, 900, 700 + 463.3333),
          S(900, 700 + 463.3333, 900, 700), o},
         false, {}, 710},
        {"über 2090: 40 nach rechts", 880, 2090.0001, 900, 700, 0, 0,
         {o, S(920, 2090.0001, 920, 700), o, S(900, 700, 920, 700)}, false, {}, 920},
        {"zweiter Lauf zur ersten Form", 710, 1800, 900, 700, 1300, 650,
         {S(710, ym, 710, 1800), S(710, ym, 900, ym), S(900, ym, 900, 700), o}, true,
         {S(670, ym - 40, 670, 1800), S(670, ym - 40, 860, ym - 40), S(860, ym - 40, 860, 650), S(860, 650, 1300, 650)},
         710},
        {"zweiter Lauf zur zweiten Form", 1950, 1800, 900, 700, 1300, 650,
         {o, S(1950, 1800, 1950, 700), o, S(900, 700, 1950, 700)}, true,
         {o, S(1910, 1800, 1910, 650), o, S(1300, 650, 1910, 650)}, 1950},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Schaltschemalauf l;
        l.Last_X_1 = F(f.x1);
        l.Last_Y_1 = F(f.y1);
        l.Last_X_2 = F(f.x2);
        l.Last_Y_2 = F(f.y2);
        l.Last_X_2FL = F(f.x2fl);
        l.Last_Y_2FL = F(f.y2fl);
        const Rohrwege w = l.BerechneRohrwege();
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(Text(w.haupt[i]), Text(f.haupt[i])) << "Hauptlauf " << i + 1;
        EXPECT_EQ(w.zweiterLauf, f.zweiter);
        if (f.zweiter) {
            for (size_t i = 0; i < 4; ++i)
                EXPECT_EQ(Text(w.zweiter[i]), Text(f.zweit[i])) << "zweiter Lauf " << i + 1;
        }
        EXPECT_EQ(l.Last_X_1, F(f.x1Danach));
        EXPECT_FALSE(w.verbindung);
    }
}

TEST(Rohrwege, VerbindungDesErstenUndLetztenBlockpunkts)
{
    struct Fall {
        const char* name;
        QList<std::tuple<int, double, double>> punkte;
        std::optional<Rohrsegment> erwartet;
    };
    const Fall fälle[] = {
        {"keiner", {}, std::nullopt},
        {"genau einer", {{3, 300, 1800}}, std::nullopt},
        {"3 und 105", {{3, 300, 1800}, {105, 2000, 700}}, S(300, 1800, 2000, 700)},
        {"Mitte zählt nicht", {{3, 300, 1800}, {50, 1, 1}, {105, 2000, 700}}, S(300, 1800, 2000, 700)},
        {"0 und 200", {{0, 60, 60}, {200, 5, 0}}, S(60, 60, 5, 0)},
        {"unter einer halben Einheit ist nicht gesetzt", {{3, 0.5, -0.5}, {7, 10, 0}, {9, 0.4, 0.2}}, std::nullopt},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Schaltschemalauf l;
        for (const auto& [n, x, y] : f.punkte)
            l.Anschluss[static_cast<size_t>(n)] = {F(x), F(y)};
        const Rohrwege w = l.BerechneRohrwege();
        ASSERT_EQ(w.verbindung.has_value(), f.erwartet.has_value());
        if (f.erwartet) {
            EXPECT_EQ(Text(*w.verbindung), Text(*f.erwartet));
        }
    }
}

TEST(Schaltschemalauf, RohrEntityHatAchtzehnZeilen)
{
    DXFZeilenliste strom;
    Schaltschemalauf::erzeugeDXF_Rohr(F(710), F(1066.6667), F(0), F(-12.5), strom);
    EXPECT_EQ(strom.zeilen, (QStringList{"LINE", "  8", "ZELT", " 62", "     5", " 10", "710", " 20", "1066.6667", " 30",
                                         "0.0", " 11", "0.0", " 21", "-12.5", " 31", "0.0", "  0"}));
}

TEST(Schaltschemalauf, ZusammensetzenUmDieEntities)
{
    const QByteArray entities = "LINE\r\n  8\r\n0\r\n  0\r\n";
    EXPECT_EQ(Schaltschemalauf::Zusammensetzen("  0\r\nSECTION\r\n  2\r\nENTITIES\r\nENDSEC\r\n  0\r\nEOF\r\n", entities),
              QByteArray("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  8\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
    // Without "ENTITIES" the whole template comes first, then "  0" and the entities.
    EXPECT_EQ(Schaltschemalauf::Zusammensetzen("  0\nSECTION\n  2\nentities\nEOF\n", entities),
              QByteArray("  0\r\nSECTION\r\n  2\r\nentities\r\nEOF\r\n  0\r\nLINE\r\n  8\r\n0\r\n  0\r\n"));
    // No entities: "  0" alone ends the section's header.
    EXPECT_EQ(Schaltschemalauf::Zusammensetzen("ENTITIES\r\nENDSEC\r\n", ""), QByteArray("ENTITIES\r\n  0\r\nENDSEC\r\n"));
}

TEST(Schaltschemalauf, DruckfaktorNachPapier)
{
    const std::pair<QSizeF, double> fälle[] = {
        {{7016, 4961}, 1},                      // A4
        {{9921, 7016}, 1.4143595},              // A3 landscape
        {{7016, 9921}, 1.4143595},              // A3 portrait
        {{4961, 3496}, 1 / 1.47},               // A5
        {{6600, 5100}, 1},                      // Letter
    };
    for (const auto& [seite, faktor] : fälle)
        EXPECT_DOUBLE_EQ(Schaltschemalauf::Druckfaktor(seite), faktor) << seite.width();
}

TEST(Schaltschemalauf, HeizungGezeichnetMitRohrenUndRahmen)
{
    Schemaordner o;
    QStringList anzeigen;
    o.lauf.AnzeigeSetzen = [&](const QString& t) { anzeigen << t; };
    o.order(Anlagen()[0].second);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
    EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
    EXPECT_EQ(o.lauf.ausdruck, QStringLiteral("N"));
    EXPECT_EQ(anzeigen.value(0), QStringLiteral("Lade: KESSEL.DXF zu Block 1"));
    EXPECT_EQ(anzeigen.value(2), QStringLiteral("Lade: KESSEL.DXF zu Block 2"));
    EXPECT_TRUE(anzeigen.last().isEmpty());

    const QByteArray temp = o.lese(QStringLiteral("DXFtemp0.tmp"));
    EXPECT_FALSE(Rohre(temp).isEmpty());
    // The pipes are blue on the picture, and the frame shows the project texts in capitals.
    EXPECT_TRUE(o.bild.aufrufe.filter(QStringLiteral("#0000ff")).size() >= Rohre(temp).size());
    const QString texte = o.bild.aufrufe.filter(QStringLiteral("text ")).join(u'\n');
    EXPECT_TRUE(texte.contains(QStringLiteral("4711"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("MUSTERHAUS SÜD"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("150 KW"))) << texte.toStdString();
    // Target 1 writes no drawing.
    EXPECT_FALSE(QFile::exists(o.pfad(QStringLiteral("DXFneu.dxf"))));
    EXPECT_EQ(o.lauf.Orderwert(1), QStringLiteral("4711"));
}

TEST(Schaltschemalauf, NurRahmenZweitesEndeOhneEnde)
{
    {
        SCOPED_TRACE("ohne Symbolzeile: nur der Rahmen");
        Schemaordner o;
        o.order({});
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        EXPECT_TRUE(o.meldungen.boxen.isEmpty());
        EXPECT_TRUE(Rohre(o.lese(QStringLiteral("DXFtemp0.tmp"))).isEmpty());
        EXPECT_FALSE(o.lese(QStringLiteral("DXFtemp0.tmp")).isEmpty());
    }
    QStringList einmal, ohneEnde;
    QByteArray einmalStrom;
    {
        SCOPED_TRACE("ohne [ENDE]: keine Rohre, kein Rahmen");
        Schemaordner o;
        o.order(Anlagen()[0].second, false);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        const QByteArray strom = o.lese(QStringLiteral("DXFtemp0.tmp"));
        ohneEnde = Rohre(strom);  // the symbols' own stubs
        EXPECT_FALSE(strom.contains("4711"));
        EXPECT_FALSE(strom.isEmpty());
    }
    {
        Schemaordner o;
        o.order(Anlagen()[0].second);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        einmalStrom = o.lese(QStringLiteral("DXFtemp0.tmp"));
        einmal = Rohre(einmalStrom);
    }
    {
        SCOPED_TRACE("eine Zeile nach [ENDE]: Rohre und Rahmen noch einmal");
        Schemaordner o;
        o.order(Anlagen()[0].second, true, {QStringLiteral("[ENDE]")});
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        const QByteArray strom = o.lese(QStringLiteral("DXFtemp0.tmp"));
        ASSERT_GT(einmal.size(), ohneEnde.size());
        EXPECT_EQ(Rohre(strom).size(), 2 * einmal.size() - ohneEnde.size());
        EXPECT_EQ(strom.count("4711"), 2 * einmalStrom.count("4711"));
    }
}

TEST(Schaltschemalauf, JederLaufBeginntBeiNull)
{
    Schemaordner o;
    o.order(Anlagen()[0].second);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
    const QByteArray erster = o.lese(QStringLiteral("DXFtemp0.tmp"));
    o.lauf.Anschluss[17] = {F(5000), F(5000)};
    o.lauf.Last_Y_1 = F(9999);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
    // The remembered points were reset; the temp file is rewritten, not appended to.
    EXPECT_EQ(Rohre(o.lese(QStringLiteral("DXFtemp0.tmp"))), Rohre(erster));
}

// The pipes of every kind of plant run inside the frame and keep clear of the title block and
// of the article row along the bottom edge (frame and rows as the symbol library draws them).
TEST(Schaltschemalauf, RohreBleibenImRahmenUndUeberDemSchriftfeld)
{
    struct Bereich {
        double x1, y1, x2, y2;
        bool trifft(double ax, double ay, double bx, double by) const
        {
            return std::max(ax, bx) > x1 && std::min(ax, bx) < x2 && std::max(ay, by) > y1 && std::min(ay, by) < y2;
        }
    };
    const Bereich innen{20, 20, 4480, 3130};
    const Bereich schriftfeld{2600, 20, 4480, 420}, artikelzeile{20, 20, 2600, 120};
    for (const auto& [name, zeilen] : Anlagen()) {
        SCOPED_TRACE(name);
        Schemaordner o;
        o.order(zeilen);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielAnzeigen));
        for (const QString& r : Rohre(o.lese(QStringLiteral("DXFtemp0.tmp")))) {
            const QStringList p = r.split(u' ');
            ASSERT_EQ(p.size(), 4) << r.toStdString();
            const double x1 = p[0].toDouble(), y1 = p[1].toDouble(), x2 = p[2].toDouble(), y2 = p[3].toDouble();
            for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}})
                EXPECT_TRUE(x >= innen.x1 && x <= innen.x2 && y >= innen.y1 && y <= innen.y2) << r.toStdString();
            EXPECT_FALSE(schriftfeld.trifft(x1, y1, x2, y2)) << r.toStdString();
            EXPECT_FALSE(artikelzeile.trifft(x1, y1, x2, y2)) << r.toStdString();
        }
    }
}

TEST(Schaltschemalauf, DateiZielSpeichertDieKopie)
{
    Schemaordner o;
    Dateidialoge dialoge;
    const QString ziel = o.pfad(QStringLiteral("plan.dxf"));
    dialoge.antworten = {ziel};
    o.order(Anlagen()[0].second);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
    EXPECT_TRUE(o.meldungen.boxen.isEmpty());
    const QByteArray dxf = o.lese(QStringLiteral("DXFneu.dxf"));
    ASSERT_FALSE(dxf.isEmpty());
    EXPECT_EQ(o.lese(QStringLiteral("plan.dxf")), dxf);
    EXPECT_TRUE(dxf.contains("ENTITIES\r\n  0\r\n"));
    EXPECT_TRUE(dxf.endsWith("ENDSEC\r\n  0\r\nEOF\r\n"));

    ASSERT_EQ(dialoge.anfragen.size(), 1);
    const DateiDialogAnfrage& a = dialoge.anfragen[0];
    EXPECT_EQ(a.titel, LadeText(1406));
    EXPECT_EQ(a.dateiname, QStringLiteral("Projekt4711"));
    EXPECT_EQ(a.standardEndung, QStringLiteral("dxf"));
    EXPECT_EQ(a.filter, (QStringList{"AutoCAD DXF_File", "*.dxf", LadeText(1401), "*.*"}));
    EXPECT_TRUE(a.speichern);
}

TEST(Schaltschemalauf, FrageBeiAndererEndung)
{
    struct Fall {
        const char* name;
        int antwort;
        bool kopiert;
    };
    for (const Fall& f : {Fall{"Ja", MsgAntwort::Ja, true}, Fall{"Nein", MsgAntwort::Nein, false},
                          Fall{"Abbrechen", MsgAntwort::Abbrechen, false}}) {
        SCOPED_TRACE(f.name);
        Schemaordner o;
        Dateidialoge dialoge;
        const QString ziel = o.pfad(QStringLiteral("plan.txt"));
        dialoge.antworten = {ziel};
        o.meldungen.antworten = {f.antwort};
        o.order(Anlagen()[4].second);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
        ASSERT_EQ(o.meldungen.boxen.size(), 1);
        const MeldungsBox& b = o.meldungen.boxen[0];
        EXPECT_EQ(b.text, ErsetzeZeilenumbruch(FormatText(LadeText(2187), ziel)));
        EXPECT_EQ(b.titel, LadeText(1607));
        EXPECT_EQ(b.stil, MsgStil::JaNeinAbbrechen | MsgStil::Ausrufezeichen);
        EXPECT_EQ(QFile::exists(ziel), f.kopiert);
        EXPECT_TRUE(QFile::exists(o.pfad(QStringLiteral("DXFneu.dxf"))));
        EXPECT_EQ(dialoge.anfragen.size(), 1);
    }
    {
        SCOPED_TRACE("Dialog abgebrochen");
        Schemaordner o;
        Dateidialoge dialoge;
        o.order(Anlagen()[4].second);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
        EXPECT_TRUE(o.meldungen.boxen.isEmpty());
        EXPECT_EQ(dialoge.anfragen.size(), 1);
        EXPECT_TRUE(QFile::exists(o.pfad(QStringLiteral("DXFneu.dxf"))));
    }
}

TEST(Schaltschemalauf, FehlgeschlageneKopieNenntDieDateiUndFragtNeu)
{
    Schemaordner o;
    Dateidialoge dialoge;
    const QString falsch = o.pfad(QStringLiteral("gibtsnicht/plan.dxf"));
    const QString gut = o.pfad(QStringLiteral("plan.dxf"));
    dialoge.antworten = {falsch, gut};
    o.order(Anlagen()[5].second);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
    ASSERT_EQ(o.meldungen.boxen.size(), 1);
    EXPECT_TRUE(o.meldungen.boxen[0].text.contains(falsch)) << o.meldungen.boxen[0].text.toStdString();
    EXPECT_EQ(o.meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
    ASSERT_EQ(dialoge.anfragen.size(), 2);
    EXPECT_EQ(dialoge.anfragen[1].dateiname, QStringLiteral("plan.dxf"));
    EXPECT_EQ(o.lese(QStringLiteral("plan.dxf")), o.lese(QStringLiteral("DXFneu.dxf")));
}

// A write that fails keeps the earlier drawing, or the user's earlier copy, and names the file.
TEST(Schaltschemalauf, SchreibfehlerLassenDieFruehereZeichnungUndDieKopieStehen)
{
    struct Fall {
        Schreibfehler::Schritt schritt;
        int erfolgreiche;  // 0: the drawing fails; 1: the drawing is written, its copy fails
    };
    std::vector<Fall> fälle;
    for (const Schreibfehler::Schritt schritt : AlleSchritte)
        if (schritt != Schreibfehler::Schritt::Ordnersync)
            fälle.push_back({schritt, 0});
    fälle.push_back({Schreibfehler::Schritt::Datensync, 1});
    fälle.push_back({Schreibfehler::Schritt::Umbenennen, 1});
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(std::string(Schreibfehler::Name(fall.schritt)) + " " + std::to_string(fall.erfolgreiche));
        Schemaordner o;
        Dateidialoge dialoge;
        const QString kopie = o.pfad(QStringLiteral("plan.dxf"));
        for (const QString& datei : {o.pfad(QStringLiteral("DXFneu.dxf")), kopie}) {
            QFile f(datei);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("alt");
        }
        dialoge.antworten = {kopie};
        o.order(Anlagen()[5].second);
        {
            Schreibfehler fehler(fall.schritt, ENOSPC, fall.erfolgreiche);
            EXPECT_EQ(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei), fall.erfolgreiche == 1);
        }
        ASSERT_EQ(o.meldungen.boxen.size(), 1);
        EXPECT_EQ(o.meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
        EXPECT_TRUE(o.meldungen.boxen[0].text.contains(fall.erfolgreiche ? kopie : o.pfad(QStringLiteral("DXFneu.dxf"))))
            << o.meldungen.boxen[0].text.toStdString();
        EXPECT_EQ(o.lese(QStringLiteral("plan.dxf")), "alt");
        if (fall.erfolgreiche == 0)
            EXPECT_EQ(o.lese(QStringLiteral("DXFneu.dxf")), "alt");
        else
            EXPECT_GT(o.lese(QStringLiteral("DXFneu.dxf")).size(), 3);
        EXPECT_TRUE(QDir(o.pfad(QStringLiteral("."))).entryList({QStringLiteral("*.kelvor-*")}, QDir::Files).isEmpty());
    }
}

// A copy the user protected is not replaced: it stays as it was and the message says why.
TEST(Schaltschemalauf, SchreibgeschuetzteKopieBleibtUnberuehrt)
{
    Schemaordner o;
    Dateidialoge dialoge;
    const QString kopie = o.pfad(QStringLiteral("plan.dxf"));
    SchreibgeschuetzteDatei(kopie, "alt");
    dialoge.antworten = {kopie};  // then the user cancels
    o.order(Anlagen()[5].second);
    EXPECT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));  // the drawing itself is written
    ASSERT_EQ(o.meldungen.boxen.size(), 1);
    EXPECT_EQ(o.meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
    EXPECT_EQ(o.meldungen.boxen[0].werte.value(1), kopie);
    EXPECT_EQ(o.meldungen.boxen[0].werte.value(2), LadeText(2963));
    EXPECT_EQ(o.lese(QStringLiteral("plan.dxf")), "alt");
    EXPECT_EQ(dialoge.anfragen.size(), 2);
    EXPECT_TRUE(QDir(o.pfad(QStringLiteral("."))).entryList({QStringLiteral("*.kelvor-*")}, QDir::Files).isEmpty());
}

TEST(Schaltschemalauf, FehlendeDateienBeendenDenLaufOhneAndereZuBeruehren)
{
    struct Fall {
        const char* name;
        std::function<void(Schemaordner&)> vorher;
        QString datei;  // named in the message
        bool tempBleibt;
    };
    const QList<Fall> fälle{
        {"Orderdatei fehlt", [](Schemaordner& o) { QFile::remove(o.lauf.orderdateiname); }, "DxfOrder.tmp", true},
        {"Vorlage fehlt", [](Schemaordner& o) { QFile::remove(o.lauf.Vorlagedateiname); }, "DXF/DXF_GND1.dxf", true},
        {"Tempdatei nicht schreibbar",
         [](Schemaordner& o) {
             QFile::remove(o.lauf.Tempdateiname);
             QDir().mkpath(o.lauf.Tempdateiname);
         },
         "DXFtemp0.tmp", false},
        {"Ausgabedatei nicht schreibbar",
         [](Schemaordner& o) {
             QFile::remove(o.lauf.Ausgabedateiname);
             QDir().mkpath(o.lauf.Ausgabedateiname);
         },
         "DXFneu.dxf", false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Schemaordner o;
        Dateidialoge dialoge;
        o.order(Anlagen()[0].second);
        o.schreibe(QStringLiteral("DXFtemp0.tmp"), "alt");
        o.schreibe(QStringLiteral("DXFneu.dxf"), "alt");
        f.vorher(o);
        EXPECT_FALSE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
        ASSERT_EQ(o.meldungen.boxen.size(), 1);
        EXPECT_TRUE(o.meldungen.boxen[0].text.contains(o.pfad(f.datei))) << o.meldungen.boxen[0].text.toStdString();
        EXPECT_TRUE(dialoge.anfragen.isEmpty());
        if (f.tempBleibt) {
            EXPECT_EQ(o.lese(QStringLiteral("DXFtemp0.tmp")), QByteArray("alt"));
        }
        if (QFileInfo(o.lauf.Ausgabedateiname).isFile()) {
            EXPECT_EQ(o.lese(QStringLiteral("DXFneu.dxf")), QByteArray("alt"));
        }
    }
}

TEST(Schaltschemalauf, DruckAbgebrochenZeichnetNurAmBildschirm)
{
    Schemaordner o;  // no printer installed: the dialog gives no job
    o.order(Anlagen()[0].second);
    ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken));
    EXPECT_EQ(o.lauf.ausdruck, QStringLiteral("N"));
    EXPECT_TRUE(o.meldungen.boxen.isEmpty());
    EXPECT_FALSE(o.bild.aufrufe.isEmpty());
}

TEST(Schaltschemalauf, DruckMitMassstabDesPapiers)
{
    for (const auto& [seite, faktor] : {std::pair<QSizeF, double>{{7016, 4961}, 1.0},
                                        std::pair<QSizeF, double>{{9921, 7016}, 1.4143595},
                                        std::pair<QSizeF, double>{{4961, 3496}, 1 / 1.47}}) {
        SCOPED_TRACE(seite.width());
        Schemaordner o;
        Testdrucker d;
        d.seite = seite;
        // A picture unit is half as large on the screen as on A4 paper: fonts double there.
        o.lauf.BildZollJeEinheit = 0.5 / 600;
        // A pixel of the screen's sheet is 4 picture units: dotted lines print that wide.
        o.lauf.BildEinheitenJePixel = 4;
        o.order(Anlagen()[0].second);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken));
        EXPECT_EQ(o.lauf.ausdruck, QStringLiteral("J"));
        ASSERT_EQ(d.anfragen.size(), 1);
        EXPECT_TRUE(d.anfragen[0].querformat);
        EXPECT_EQ(d.anfragen[0].einheitenJeZoll, 600);
        EXPECT_EQ(d.beendet, 1);
        EXPECT_EQ(d.abgebrochen, 0);
        EXPECT_TRUE(o.meldungen.boxen.isEmpty());
        // The printer gets the picture's lines, scaled for its paper.
        const QStringList bild = o.bild.aufrufe.filter(QStringLiteral("#0000ff"));
        const QStringList druck = d.bild.aufrufe.filter(QStringLiteral("#0000ff"));
        ASSERT_EQ(druck.size(), bild.size());
        ASSERT_FALSE(bild.isEmpty());
        const double xBild = bild[0].section(u' ', 1, 1).toDouble(), xDruck = druck[0].section(u' ', 1, 1).toDouble();
        EXPECT_NEAR(xDruck, xBild * faktor, 1e-3);
        // Dotted lines keep their dots on paper; solid lines stay the thinnest.
        const QStringList punkte = d.bild.aufrufe.filter(QRegularExpression(QStringLiteral("^linie .* art=2$")));
        ASSERT_FALSE(punkte.isEmpty());
        for (const QString& l : punkte)
            EXPECT_NEAR(l.section(u' ', 6, 6).toDouble(), 4 * faktor, 1e-6) << l.toStdString();
        for (const QString& l : d.bild.aufrufe.filter(QRegularExpression(QStringLiteral("^linie .* art=0$"))))
            EXPECT_EQ(l.section(u' ', 6, 6).toDouble(), 0) << l.toStdString();
        const QStringList schriftBild = o.bild.aufrufe.filter(QStringLiteral("schrift "));
        const QStringList schriftDruck = d.bild.aufrufe.filter(QStringLiteral("schrift "));
        ASSERT_FALSE(schriftDruck.isEmpty());
        ASSERT_LE(schriftDruck.size(), schriftBild.size());
        EXPECT_NEAR(schriftDruck.last().section(u' ', 2, 2).toDouble(),
                    schriftBild.last().section(u' ', 2, 2).toDouble() * 2 * faktor, 1e-6);
    }
}

TEST(Schaltschemalauf, DruckfehlerBrichtDenAuftragAbUndMeldet)
{
    {
        SCOPED_TRACE("das Dokument lässt sich nicht beenden");
        Schemaordner o;
        Testdrucker d;
        d.beendenGelingt = false;
        o.order(Anlagen()[0].second);
        o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken);
        EXPECT_EQ(d.abgebrochen, 1);
        ASSERT_EQ(o.meldungen.boxen.size(), 1);
        EXPECT_EQ(o.meldungen.boxen[0].text, ErsetzeZeilenumbruch(LadeText(2247)));
    }
    {
        SCOPED_TRACE("der Lauf scheitert");
        Schemaordner o;
        Testdrucker d;
        EXPECT_FALSE(o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken));  // no order file
        EXPECT_EQ(d.abgebrochen, 1);
        EXPECT_EQ(d.beendet, 0);
        EXPECT_EQ(o.meldungen.boxen.size(), 1);
        EXPECT_EQ(o.lauf.Printer, nullptr);
    }
}

TEST(Schaltschemalauf, PdfDruckEineQuerseite)
{
    Schemaordner o;
    const QString pdf = o.pfad(QStringLiteral("druck.pdf"));
    PdfDrucker d(pdf);
    setzeDrucker(&d);
    o.order(Anlagen()[0].second);
    const bool ok = o.lauf.Zeichnen(Schaltschemalauf::ZielDrucken);
    setzeDrucker(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(d.aufträge, 1);
    const QByteArray inhalt = o.lese(QStringLiteral("druck.pdf"));
    QFile kopie(QStringLiteral("/tmp/kelvor_schema_druck.pdf"));
    if (kopie.open(QIODevice::WriteOnly))
        kopie.write(inhalt);
    EXPECT_EQ(inhalt.count("/Type /Page\n"), 1) << inhalt.left(2000).toStdString();
    EXPECT_TRUE(inhalt.contains("/MediaBox [0 0 842.000000 595.000000]")) << "landscape A4";
    EXPECT_TRUE(inhalt.contains("/Count 1"));
}

TEST(Schaltschemalauf, DXFDateiJederArtBestehtEzdxf)
{
    for (const auto& [name, zeilen] : Anlagen()) {
        SCOPED_TRACE(name);
        Schemaordner o;
        Dateidialoge dialoge;
        o.order(zeilen);
        ASSERT_TRUE(o.lauf.Zeichnen(Schaltschemalauf::ZielDatei));
        EXPECT_TRUE(o.meldungstexte().isEmpty()) << o.meldungstexte().join(u'\n').toStdString();
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KELVOR_SYSTEM_PYTHON3),
                {QStringLiteral(KELVOR_SOURCE_DIR "/scripts/dxf_pruefen.py"), o.lauf.Ausgabedateiname,
                 o.lauf.Tempdateiname});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString aus = QString::fromUtf8(p.readAll());
        EXPECT_EQ(p.exitCode(), 0) << aus.toStdString();
    }
}
