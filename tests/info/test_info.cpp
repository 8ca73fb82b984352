#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "info/Gebietskarte.h"
#include "info/Gebietssuche.h"
#include "info/forms/Gebietsfinder.h"
#include "info/forms/UeberUnsSchau.h"
#include "info/forms/frmAbout.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

using Karte = Gebietskarte::Karte;

std::optional<int> gebiet(Karte k, float x, float y)
{
    Gebietskarte karte(k);
    karte.BildeGebiete();
    return karte.FindeGebiet(x, y);
}

}  // namespace

TEST(Gebietskarte, PunkteInÜberlappungenUndAußerhalb)
{
    struct Fall {
        Karte karte;
        float x, y;
        std::optional<int> erwartet;
    };
    const Fall fälle[] = {
        {Karte::Service, 74, 95, 2},         // in areas 2 and 4: the lower index wins
        {Karte::Vertreter, 133, 121, 4},     // in the areas numbered 4 and 5
        {Karte::Service, 125, 165, 5},
        {Karte::Vertreter, 125, 165, 7},
        {Karte::Service, 200, 300, 6},
        {Karte::Vertreter, 200, 300, std::nullopt},
        {Karte::Service, 0, 0, std::nullopt},
        {Karte::Service, 5, 5, std::nullopt},
        {Karte::Vertreter, 0, 0, std::nullopt},
        {Karte::Vertreter, 5, 5, std::nullopt},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << (f.karte == Karte::Service ? "Service " : "Vertreter ") << f.x << ","
                                        << f.y);
        EXPECT_EQ(gebiet(f.karte, f.x, f.y), f.erwartet);
    }
}

TEST(Gebietskarte, KoordinatenWerdenHalbZurGeradenGerundet)
{
    // 74.5 is taken as 74, 75.5 as 76: a vertical outline between them tells them apart.
    Gebietskarte karte(Karte::Service);
    karte.BildeGebiete();
    // Area 3 reaches from x = 3 to 85; outside at the left of (3, 167) lies no area.
    EXPECT_EQ(karte.FindeGebiet(2.5f, 167.0f), std::nullopt);   // 2: left of the corner
    EXPECT_EQ(karte.FindeGebiet(3.5f, 167.0f), 3);              // 4: inside
    EXPECT_EQ(gebiet(Karte::Service, 74.5f, 95.0f), gebiet(Karte::Service, 74.0f, 95.0f));
    EXPECT_EQ(gebiet(Karte::Service, 75.5f, 95.0f), gebiet(Karte::Service, 76.0f, 95.0f));
}

namespace {

// For each polygon a point inside it and outside every earlier one.
const QPoint service[] = {{171, 101}, {184, 59}, {85, 60}, {35, 175}, {88, 112},
                          {182, 157}, {151, 252}, {71, 201}, {93, 286}};
const QPoint vertreter[] = {{113, 38}, {69, 89},   {187, 83},  {155, 125}, {106, 134}, {62, 144}, {167, 166},
                            {31, 163}, {44, 219}, {79, 195}, {135, 231}, {88, 273},  {162, 278}};

}  // namespace

TEST(Gebietskarte, JedesGebietHatEinenPunktDerNurIhmGehört)
{
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(gebiet(Karte::Service, service[i].x(), service[i].y()), i) << "service " << i;
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(gebiet(Karte::Vertreter, vertreter[i].x(), vertreter[i].y()), i + 1) << "vertreter " << i;
    Gebietskarte s(Karte::Service), v(Karte::Vertreter);
    s.BildeGebiete();
    v.BildeGebiete();
    EXPECT_EQ(s.Gebietsanzahl(), 9);
    EXPECT_EQ(v.Gebietsanzahl(), 13);
}

namespace {

// Two ranges per kind of finder; area 3 of the service table has ranges but no address row.
const char* FinderSql = R"(
CREATE TABLE GebieteService (GebietsNr INTEGER, Firma TEXT, Straße TEXT, PlzOrt TEXT, Telefon TEXT, Fax TEXT);
CREATE TABLE GebietsaufteilungService (vonPLZ TEXT, bisPLZ TEXT, GebietsNr INTEGER);
INSERT INTO GebieteService VALUES (2, 'Nord GmbH', 'Weg 1', '20000 Hafen', '040 555', '040 556');
INSERT INTO GebieteService VALUES (5, 'O''Brien Service', 'Allee 2', '01000 Elbstadt', NULL, '0351 9');
INSERT INTO GebietsaufteilungService VALUES ('20000', '29999', 2);
INSERT INTO GebietsaufteilungService VALUES ('01000', '04999', 5);
INSERT INTO GebietsaufteilungService VALUES ('40000', '48999', 3);
)";

const QString Nord = QStringLiteral("Nord GmbH\rWeg 1\r20000 Hafen\r\rTel:      040 555\rFax:     040 556");
const QString Leer5 = QStringLiteral("     ");

}  // namespace

TEST(Gebietssuche, PostleitzahlUndKlick)
{
    ArtikelFixture db(QString::fromUtf8(FinderSql));
    ASSERT_TRUE(db.ok());
    MeldungsRecorder recorder;
    Gebietssuche suche(FinderartService());
    struct Fall {
        const char* text;
        QString adresse;
        bool zurücksetzen;
    };
    const Fall fälle[] = {
        {"20000", Nord, false},            // lower bound inclusive
        {"29999", Nord, false},            // upper bound inclusive
        {"30000", QString(), true},         // in no range
        {"2000 ", QString(), true},         // four digits and a blank: no query
        {" 2000", QString(), true},
        {"     ", QString(), true},
        {"2 000", QString(), true},         // a blank inside passes the length test, compared as it is
        {"4'000", QString(), true},         // an apostrophe reaches SQL only escaped
        {"45000", QString(), true},         // the range's area has no address row: the join finds none
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.text);
        const Gebietssuche::Ergebnis e = suche.SucheNachPostleitzahl(QString::fromLatin1(f.text));
        EXPECT_EQ(e.adresse, f.adresse);
        EXPECT_EQ(e.boxZurücksetzen, f.zurücksetzen);
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());

    // A Null field reads as empty text.
    EXPECT_EQ(suche.SucheNachPostleitzahl(QStringLiteral("03000")).adresse,
              QStringLiteral("O'Brien Service\rAllee 2\r01000 Elbstadt\r\rTel:      \rFax:     0351 9"));

    // Clicks: an area with a row, an area without a row (six lines with empty fields), no area.
    Gebietssuche::Ergebnis e = suche.SucheNachKlick(74, 95);
    EXPECT_EQ(e.adresse, Nord);
    EXPECT_TRUE(e.boxZurücksetzen);
    e = suche.SucheNachKlick(35, 175);
    EXPECT_EQ(e.adresse, QStringLiteral("\r\r\r\rTel:      \rFax:     "));
    EXPECT_TRUE(e.boxZurücksetzen);
    e = suche.SucheNachKlick(0, 0);
    EXPECT_EQ(e.adresse, QString());
    EXPECT_FALSE(e.boxZurücksetzen);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

// On the shipped article database every area of either map and every postal-code range shows
// a firm with its phone number.
TEST(Gebietssuche, JedesGebietDerDemodatenHatSeineAdresse)
{
    zustandZuruecksetzen();
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    MeldungsRecorder recorder;
    const auto vollständig = [](const QString& adresse) {
        const QStringList z = adresse.split(QLatin1Char('\r'));
        return z.size() == 6 && !z[0].trimmed().isEmpty() && !z[2].trimmed().isEmpty()
               && z[4].size() > QStringLiteral("Tel:      ").size();
    };
    struct Finder {
        const char* name;
        const Finderart& art;
        std::vector<QPoint> punkte;
    };
    const Finder finder[] = {{"service", FinderartService(), {std::begin(service), std::end(service)}},
                             {"representative", FinderartVertreter(), {std::begin(vertreter), std::end(vertreter)}}};
    for (const Finder& f : finder) {
        SCOPED_TRACE(f.name);
        Gebietssuche suche(f.art);
        for (const QPoint& p : f.punkte)
            EXPECT_TRUE(vollständig(suche.SucheNachKlick(p.x(), p.y()).adresse)) << p.x() << "," << p.y();
        // A code at the start of every thousand: each range the tables hold.
        for (int plz = 1000; plz <= 99000; plz += 1000) {
            const QString text = QStringLiteral("%1").arg(plz, 5, 10, QLatin1Char('0'));
            EXPECT_TRUE(vollständig(suche.SucheNachPostleitzahl(text).adresse)) << text.toStdString();
        }
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
    zustandZuruecksetzen();
}

TEST(Gebietssuche, FehlendeTabellenUndDatenbank)
{
    // The representative tables are missing: the open and every query show their database
    // message, and each lookup gives an empty display.
    ArtikelFixture db(QString::fromUtf8(FinderSql));
    MeldungsRecorder recorder;
    Gebietssuche suche(FinderartVertreter());
    EXPECT_EQ(recorder.boxen.size(), 1);
    Gebietssuche::Ergebnis e = suche.SucheNachPostleitzahl(QStringLiteral("20000"));
    EXPECT_EQ(e.adresse, QString());
    EXPECT_TRUE(e.boxZurücksetzen);
    e = suche.SucheNachKlick(113, 38);
    EXPECT_EQ(e.adresse, QString());
    EXPECT_TRUE(e.boxZurücksetzen);
    EXPECT_GE(recorder.boxen.size(), 2);
    for (const MeldungsBox& b : recorder.boxen)
        EXPECT_EQ(b.art, Meldungsart::Datenbankfehler);

    // No article database at all: the finder still opens and finds nothing, without a crash.
    zustand().Artikel_Data_Source = QStringLiteral("/nicht/da/Artikeld.db");
    recorder.leeren();
    Servicepart finder;
    EXPECT_FALSE(recorder.boxen.isEmpty());
    finder.MaskEdBox1->setText(QStringLiteral("20000"));
    finder.MaskEdBox1_Validate();
    EXPECT_EQ(finder.Adresstext(), QString());
    finder.Picture1_MouseDown(74, 95);
    EXPECT_EQ(finder.Adresstext(), QString());
}

TEST(Gebietsfinder, EingabeKlickUndSchließen)
{
    ArtikelFixture db(QString::fromUtf8(FinderSql));
    MeldungsRecorder recorder;
    Servicepart finder;
    EXPECT_EQ(finder.windowTitle(), QStringLiteral("Kundendienst"));
    EXPECT_EQ(finder.width(), 747);
    ASSERT_NE(finder.Label4, nullptr);
    EXPECT_TRUE(finder.Label4->text().contains(QLatin1Char('\n')));
    EXPECT_EQ(finder.Postleitzahltext(), Leer5);
    finder.show();
    QApplication::setActiveWindow(&finder);
    finder.MaskEdBox1->setFocus();
    QCoreApplication::processEvents();

    // Enter looks the code up at once; the box keeps it.
    QTest::keyClicks(finder.MaskEdBox1, QStringLiteral("20000"));
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_Return);
    EXPECT_EQ(finder.Adresstext(), Nord);
    EXPECT_EQ(finder.Postleitzahltext(), QStringLiteral("20000"));
    EXPECT_TRUE(finder.isVisible());
    EXPECT_TRUE(finder.Label3->text().startsWith(QStringLiteral("Nord GmbH\nWeg 1")));

    // Any character typed clears the display before the next lookup.
    finder.MaskEdBox1->selectAll();
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_3);
    EXPECT_EQ(finder.Adresstext(), QString());
    // An incomplete code resets the box.
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_Return);
    EXPECT_EQ(finder.Postleitzahltext(), Leer5);

    // A click on an area shows it and clears the box; a click outside clears only the display.
    finder.MaskEdBox1->setText(QStringLiteral("20000"));
    finder.MaskEdBox1_Validate();
    QTest::mouseClick(finder.Picture1, Qt::RightButton, Qt::NoModifier, QPoint(74, 95));
    EXPECT_EQ(finder.Adresstext(), Nord);
    EXPECT_EQ(finder.Postleitzahltext(), Leer5);
    finder.MaskEdBox1->setText(QStringLiteral("20000"));
    QTest::mouseClick(finder.Picture1, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(finder.Adresstext(), QString());
    EXPECT_EQ(finder.Postleitzahltext(), QStringLiteral("20000"));

    // Only Alt alone with Right closes.
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_Right, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_TRUE(finder.isVisible());
    QTest::keyClick(finder.MaskEdBox1, Qt::Key_Right, Qt::AltModifier);
    EXPECT_FALSE(finder.isVisible());
    EXPECT_TRUE(recorder.boxen.isEmpty());

    // A fresh form starts empty; Weiter closes it.
    Vertreter zweiter;
    EXPECT_EQ(zweiter.windowTitle(), QStringLiteral("Außendienstmitarbeiter"));
    EXPECT_EQ(zweiter.Label4, nullptr);
    EXPECT_EQ(zweiter.Postleitzahltext(), Leer5);
    EXPECT_EQ(zweiter.Adresstext(), QString());
    zweiter.show();
    zweiter.WeiterCommand->click();
    EXPECT_FALSE(zweiter.isVisible());
}

TEST(frmAbout, VersionTitelUndKnopf)
{
    EXPECT_EQ(frmAbout::Versionszeile(6, 0, 0), QStringLiteral("Version 6.0.0"));
    EXPECT_EQ(frmAbout::Versionszeile(2, 5, 10), QStringLiteral("Version 2.5.10"));
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info zu Kelvor Berechnungsprogramm"));
    EXPECT_EQ(about.lblTitle->text().count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(about.lblDescription->text().count(QStringLiteral("\r\n")), 1);
    EXPECT_TRUE(about.lblVersion->text().startsWith(QStringLiteral("Version ")));
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
    // Enter and Esc close it.
    for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Escape}) {
        about.show();
        QApplication::setActiveWindow(&about);
        QCoreApplication::processEvents();
        QTest::keyClick(&about, taste);
        EXPECT_FALSE(about.isVisible()) << taste;
    }
}

TEST(ÜberUnsSchau, BildhöheNachClienthöhe)
{
    const std::pair<int, int> fälle[] = {{580, 509}, {555, 509}, {554, 508}, {540, 494}};
    for (const auto& [client, höhe] : fälle)
        EXPECT_EQ(ÜberUnsSchau::BerechneBildhöhe(client), höhe) << client;
}

namespace {
// A key as the user types it: to the control that has the focus.
void taste(QWidget& form, Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(form.focusWidget() ? form.focusWidget() : &form, k, mod);
}
}  // namespace

TEST(ÜberUnsSchau, GangDurchDieBilder)
{
    ÜberUnsSchau schau;
    schau.show();
    QApplication::setActiveWindow(&schau);
    QCoreApplication::processEvents();
    EXPECT_EQ(schau.windowTitle(), QStringLiteral("Wir über uns"));
    EXPECT_EQ(schau.GezeigtesBild(), 111);
    EXPECT_FALSE(schau.Vorheriges->isEnabled());
    EXPECT_TRUE(schau.Nächstes->isEnabled());
    EXPECT_EQ(schau.Image1->height(), 509);

    struct Schritt {
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        int bild;
    };
    const Schritt schritte[] = {
        {Qt::Key_Left, Qt::AltModifier, 111},                        // at the first: nothing
        {Qt::Key_Right, Qt::AltModifier, 112},
        {Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier, 112},   // not Alt alone
        {Qt::Key_F10, Qt::NoModifier, 112},                          // F10 alone
        {Qt::Key_Left, Qt::AltModifier, 111},
    };
    for (const Schritt& s : schritte) {
        taste(schau, s.taste, s.mod);
        EXPECT_EQ(schau.GezeigtesBild(), s.bild) << s.taste;
    }
    for (int i = 0; i < 23; ++i)
        schau.Nächstes->click();
    EXPECT_EQ(schau.GezeigtesBild(), 134);
    EXPECT_FALSE(schau.Nächstes->isEnabled());
    schau.Nächstes_Click();  // a 24th step changes nothing
    taste(schau, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(schau.GezeigtesBild(), 134);
    EXPECT_EQ(schau.AktuellesBild, 23);

    // A picture that cannot be loaded leaves the area empty; the buttons still move on.
    schau.BildLaden = [](int id) { return id == 133 ? QImage() : QImage(10, 10, QImage::Format_RGB32); };
    schau.Vorheriges->click();
    EXPECT_EQ(schau.GezeigtesBild(), 0);
    EXPECT_TRUE(schau.Image1->pixmap().isNull());
    EXPECT_TRUE(schau.Vorheriges->isEnabled() && schau.Nächstes->isEnabled());
    schau.Vorheriges->click();
    EXPECT_EQ(schau.GezeigtesBild(), 132);

    taste(schau, Qt::Key_F10, Qt::AltModifier);
    EXPECT_FALSE(schau.isVisible());
}
