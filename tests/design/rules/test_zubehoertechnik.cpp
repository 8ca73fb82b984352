#include <gtest/gtest.h>

#include "design/rules/Zubehoertechnik.h"
#include "base/Programmzustand.h"
#include "support/ArtikelFixture.h"
#include "support/QStringAusgabe.h"
#include "ZubehoerTestobjekt.h"

namespace {

const QString Tabellen = QStringLiteral(
    "CREATE TABLE [Gruppen MAG] (Gruppe INTEGER, Bezeichnung TEXT, AnzahlAbsperrventile INTEGER);"
    "INSERT INTO [Gruppen MAG] VALUES (1, 'MAG 3 bar', 1), (2, 'MAG 6 bar', 1), (9, 'Kompressorautomat', 2), (30, 'Beistell 9', 1),"
    " (11, 'Pumpenautomat', 2), (31, 'Beistell 11', 3), (14, 'Modulautomat', 1), (32, 'Beistell 14', 1),"
    " (15, 'Druckerhöhung', 1), (16, 'Druckerhöhung', 0), (17, 'Trinkwasser', 1), (21, 'Solar', 2), (40, 'Vorlage', 0);"
    "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE, [Art Gr Berechn Prg] INTEGER, "
    "[Inhalt in ltr] INTEGER, [Max, Betriebsdruck in bar] REAL, [Max, Betriebstemperatur in °C] INTEGER, "
    "[Durchmesser in mm] INTEGER, [Höhe in mm] INTEGER, [MinderBreite in mm] INTEGER, [MinderHöhe in mm] INTEGER, "
    "[Art Nr Kappenventil] TEXT COLLATE NOCASE);"
    "INSERT INTO [Grunddaten Gefäße] VALUES"
    " ('40101', 1, 8, 3, 120, 206, 300, 0, 0, ''),"
    " ('40102', 1, 12, 3, 120, 280, 320, 0, 0, NULL),"
    " ('40208', 2, 400, 6, 120, 740, 1070, 20, 50, '24125'),"
    " ('40901', 9, 500, 6, 120, 740, 1290, 20, 50, '24132'),"
    " ('41401', 14, 500, 10, 120, 740, 1290, 20, 50, '24225'),"
    " ('41501', 15, 100, 16, 70, 480, 670, 0, 0, '24125'),"
    " ('41701', 17, 8, 10, 70, 206, 300, 0, 0, '24120'),"
    " ('42101', 21, 18, 10, 120, 280, 390, 0, 0, '24120'),"
    // Intermediate vessels: content / bar / °C.
    " ('44001', 40, 35, 10, 120, 354, 460, 0, 0, ''),"
    " ('44005', 40, 100, 10, 150, 480, 670, 0, 0, ''),"
    " ('44007', 40, 150, 10, 150, 480, 930, 0, 0, ''),"
    " ('44006', 40, 150, 6, 120, 480, 930, 0, 0, ''),"
    " ('44008', 40, 200, 6, 150, 634, 760, 20, 50, ''),"
    " ('44009', 40, 300, 10, 150, 634, 970, 20, 50, ''),"
    " ('44011', 40, 800, 10, 150, 740, 1850, 20, 100, '');"
    "CREATE TABLE Kappenventile ([Leistung in kW] INTEGER, [Art Nr] TEXT COLLATE NOCASE);"
    "INSERT INTO Kappenventile VALUES (2100, '24025'), (350, '24020'), (7500, '24050');"
    "CREATE TABLE Ausdehnungssammelleitung ([Leistung in kW] INTEGER, [Nenndurchmesser DN] INTEGER);"
    "INSERT INTO Ausdehnungssammelleitung VALUES (350, 20), (19000, 80), (2100, 25);"
    "CREATE TABLE ENA_Automaten (ArtNr TEXT COLLATE NOCASE, minAnfangsdruck REAL, maxEnddruck REAL, "
    "maxAnlgVolumen INTEGER);"
    "INSERT INTO ENA_Automaten VALUES ('23801', 1.3, 3.5, 2000), ('23802', 2.0, 4.5, 4000), ('23803', 3.0, 8.0, 8000);");

const QString Leer = QStringLiteral(" ");

// A heating object that designs nothing beyond the vessels' cap valves: no generators, no
// make-up, return temperature too low for an intermediate vessel.
void Ruhig(ZubehörTestobjekt& o)
{
    o.setze({
        {"m_Sicherung", VbVariant::lng(0)},
        {"m_Zub_Nachspeisung", VbVariant::integer(0)},
        {"m_Temp_R", 50.0},
        {"m_Temp_V", 70.0},
    });
}

void Auslegen(Zubehörtechnik& z, const QString& art)
{
    if (art == QStringLiteral("He"))
        z.AuslegungZubehörHeizung();
    else if (art == QStringLiteral("Kü"))
        z.AuslegungZubehörKälte();
    else if (art == QStringLiteral("So"))
        z.AuslegungZubehörSolaranlage();
    else if (art == QStringLiteral("Tr"))
        z.AuslegungZubehörTrinkwasser();
    else
        z.AuslegungZubehörDruckerhöhung();
}

class ZubehoertechnikTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.ok()); }
    ArtikelFixture db{Tabellen};
    MeldungsRecorder rec;
};

}  // namespace

TEST_F(ZubehoertechnikTest, KappenventileAnDenGefaessen)
{
    const struct {
        const char* art;
        int gruppe;
        int anzahl;
        double steuerbehälter;
        const char* gefäß;
        int zahl;
        const char* artikel;
        QStringList meldungen;
    } fälle[] = {
        // Control vessel and add-on vessels: 2 x 1 (group 30) + 1 x 2 (group 9).
        {"He", 9, 3, 1, "40901", 4, "24132", {}},
        {"Kü", 9, 3, 1, "40901", 4, "24132", {}},
        {"He", 11, 3, 1, "40901", 8, "24132", {}},  // 2 x 3 + 1 x 2
        {"Kü", 11, 2, 2, "40901", 4, "24132", {}},  // no add-on vessel
        {"He", 2, 3, 0, "40208", 3, "24125", {}},
        {"He", 2, 2, 0.4, "40208", 2, "24125", {}},  // 0.4 control vessels count as none
        // Not in [Gruppen MAG] (and group 0): no cap valve, no message.
        {"He", 5, 2, 0, "40208", 0, " ", {}},
        {"Kü", 0, 0, 0, "", 0, " ", {}},
        // No cap-valve article: the message without a number.
        {"He", 2, 1, 0, "49999", 1, " ", {QStringLiteral("4:2352()")}},
        {"Kü", 2, 1, 0, " ", 1, " ", {QStringLiteral("4:2352()")}},
        {"He", 1, 1, 0, "40101", 1, " ", {QStringLiteral("4:2352()")}},  // empty article
        {"He", 1, 1, 0, "40102", 1, " ", {QStringLiteral("4:2352()")}},  // Null article
        // Solar, drinking water, pressure boosting: every vessel is a control vessel.
        {"So", 21, 2, 0, "42101", 4, "24120", {}},
        {"Tr", 17, 1, 0, "41701", 1, "24120", {}},
        {"Dr", 15, 3, 0, "41501", 3, "24125", {}},
        {"Dr", 16, 2, 0, "41501", 0, " ", {}},
        {"Tr", 17, 1, 0, "49999", 1, " ", {QStringLiteral("4:2352()")}},
    };
    for (const auto& f : fälle) {
        const QString art = QString::fromUtf8(f.art);
        SCOPED_TRACE(testing::Message() << f.art << " group " << f.gruppe << " " << f.gefäß);
        ZubehörTestobjekt o(art);
        if (art == QStringLiteral("He"))
            Ruhig(o);
        if (art == QStringLiteral("He") || art == QStringLiteral("Kü")) {
            o["m_SteuerbehAnzahl"] = f.steuerbehälter;
            o["m_Zub_Nachspeisung"] = VbVariant::integer(0);
        }
        o.setze({
            {"m_GefaessGruppe", double(f.gruppe)},
            {"m_GefaessAnzahl", double(f.anzahl)},
            {"m_GefaessArtNr", QString::fromUtf8(f.gefäß)},
            {"m_Zub_KappV_Beh_ArtNr", QStringLiteral("vorher")},
        });
        rec.leeren();

        Zubehörtechnik z;
        z.Init(o.reg());
        Auslegen(z, art);
        const VbVariant zahl = o["m_Zub_KappV_Beh_Anz"];
        EXPECT_EQ(zahl.typ(), VbVariant::Typ::Integer);
        EXPECT_EQ(zahl.toLong(), f.zahl);
        EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QString::fromUtf8(f.artikel));
        EXPECT_EQ(Meldungen(rec), f.meldungen);
    }
}

TEST_F(ZubehoertechnikTest, KappenventilMeldungOhneNummerHatZweiLeerzeichen)
{
    ZubehörTestobjekt o(QStringLiteral("So"));
    o.setze({
        {"m_GefaessGruppe", 21.0},
        {"m_GefaessAnzahl", 1.0},
        {"m_GefaessArtNr", QStringLiteral("49999")},
    });
    Zubehörtechnik z;
    z.Init(o.reg());
    z.AuslegungZubehörSolaranlage();
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_TRUE(rec.boxen[0].text.startsWith(QStringLiteral("Das Kappenventil am Ausdehnungsgefäß  konnte nicht")))
        << rec.boxen[0].text.toStdString();
    EXPECT_EQ(rec.boxen[0].titel, QStringLiteral("Auslegungsfehler"));
}

TEST_F(ZubehoertechnikTest, Gruppe14BehaeltDasGespeicherteKappenventil)
{
    for (const QString& art : {QStringLiteral("He"), QStringLiteral("Kü")}) {
        SCOPED_TRACE(art.toStdString());
        ZubehörTestobjekt o(art);
        if (art == QStringLiteral("He"))
            Ruhig(o);
        o.setze({
            {"m_Zub_Nachspeisung", VbVariant::integer(0)},
            {"m_GefaessGruppe", 14.0},
            {"m_SteuerbehAnzahl", 1.0},
            {"m_GefaessAnzahl", 3.0},
            {"m_GefaessArtNr", QStringLiteral("41401")},
            {"m_Zub_KappV_Beh_ArtNr", QStringLiteral("24125")},  // the module's connection group
        });
        Zubehörtechnik z;
        z.Init(o.reg());
        Auslegen(z, art);
        EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 3);  // 2 x 1 (group 32) + 1 x 1
        EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QStringLiteral("24125"));

        // Without a count the article is cleared, also in group 14.
        o["m_GefaessAnzahl"] = 0.0;
        o["m_SteuerbehAnzahl"] = 0.0;
        Auslegen(z, art);
        EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), Leer);
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}

namespace {

struct Erzeuger {
    double leistung;
    int kesselVol;
    const char* gefäß;
};

}  // namespace

TEST_F(ZubehoertechnikTest, KappenventileDerWaermeerzeugerUndSammelleitung)
{
    const struct {
        const char* name;
        int sicherung;
        bool flagErmitteln;
        double leistGes;
        std::array<Erzeuger, 6> erzeuger;
        QStringList kappenventile;
        int dn;
        VbVariant::Typ dnTyp;
        QStringList meldungen;
    } fälle[] = {
        {"one generator of 0 kW", 0, true, 0, {{{0, 0, ""}}},
         {" ", " ", " ", " ", " ", " "}, 0, VbVariant::Typ::Integer, {}},
        {"one generator, total protection", 0, true, 300, {{{300, 40, ""}}},
         {" ", " ", " ", " ", " ", " "}, 0, VbVariant::Typ::Integer, {}},
        {"300 and 500 kW per generator", 0, true, 800, {{{300, 0, ""}, {500, 0, ""}}},
         {"24020", "24025", " ", " ", " ", " "}, 25, VbVariant::Typ::Long, {}},
        {"350 kW is still the smallest valve", 0, true, 3000, {{{350, 0, ""}, {0, 0, ""}, {2101, 0, ""}}},
         {"24020", " ", "24050", " ", " ", " "}, 80, VbVariant::Typ::Long, {}},
        {"flag not set: one valve for the total", 0, false, 3000, {{{300, 0, ""}, {500, 0, ""}}},
         {"24050", " ", " ", " ", " ", " "}, 80, VbVariant::Typ::Long, {}},
        {"generator above every valve", 0, true, 9000, {{{1000, 0, ""}, {8000, 0, ""}}},
         {"24025", " ", " ", " ", " ", " "}, 80, VbVariant::Typ::Long, {QStringLiteral("4:2356(2)")}},
        {"total above every collecting line", 0, false, 19001, {{{300, 0, ""}, {500, 0, ""}}},
         {" ", " ", " ", " ", " ", " "}, 0, VbVariant::Typ::Long,
         {QStringLiteral("4:2356(1)"), QStringLiteral("4:2353()")}},
        // Single protection: the cap valve of each generator's own vessel, even for one generator.
        {"single protection", 1, true, 300, {{{300, 50, "40208"}}},
         {"24125", " ", " ", " ", " ", " "}, 0, VbVariant::Typ::Integer, {}},
        {"single protection, vessel without valve", 1, true, 700,
         {{{300, 50, "40208"}, {0, 0, "40208"}, {400, 80, "49999"}, {0, 0, ""}, {0, 1, "40101"}}},
         {"24125", " ", " ", " ", " ", " "}, 25, VbVariant::Typ::Long,
         {QStringLiteral("4:2375(3)"), QStringLiteral("4:2375(5)")}},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        ZubehörTestobjekt o(QStringLiteral("He"));
        Ruhig(o);
        o["m_Sicherung"] = VbVariant::lng(f.sicherung);
        o["m_Leist_ges"] = f.leistGes;
        for (int i = 1; i <= 6; ++i) {
            const Erzeuger& e = f.erzeuger[static_cast<size_t>(i - 1)];
            o.item("m_Leist_m_value", i) = e.leistung;
            o.item("m_KesselVol_m_value", i) = VbVariant::integer(static_cast<int16_t>(e.kesselVol));
            o.item("m_Einzel_GefässArtNr_m_value", i) = QString::fromUtf8(e.gefäß);
            o.item("m_Zub_KappV_Erz_ArtNr_m_value", i) = QStringLiteral("alt");
        }
        rec.leeren();
        Zubehörtechnik z;
        z.Init(o.reg());
        if (f.flagErmitteln)
            z.Ermittel_EinzelkesselOderMehrkessel();
        z.AuslegungZubehörHeizung();
        EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"), f.kappenventile);
        EXPECT_EQ(o["m_Zub_Sammelleit_DN"].toLong(), f.dn);
        EXPECT_EQ(o["m_Zub_Sammelleit_DN"].typ(), f.dnTyp);
        EXPECT_EQ(Meldungen(rec), f.meldungen);
    }
}

TEST_F(ZubehoertechnikTest, EinzelkesselflagNachSummeDerLeistungen)
{
    // The outputs read as whole kW: 0.5 and 0.4 kW are no generators with output (and their sum
    // below 1 kW leaves the flag False), so no generator gets a cap valve.
    ZubehörTestobjekt o(QStringLiteral("He"));
    Ruhig(o);
    o["m_Leist_ges"] = 400.0;
    o.item("m_Leist_m_value", 1) = 0.5;
    o.item("m_Leist_m_value", 2) = 0.4;
    Zubehörtechnik z;
    z.Init(o.reg());
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"), QStringList(6, QStringLiteral(" ")));

    // 0.6 kW each read as 1 kW and sum up to 1.2 kW: each generator gets its own valve.
    o.item("m_Leist_m_value", 1) = 0.6;
    o.item("m_Leist_m_value", 2) = 0.6;
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"),
              QStringList({"24020", "24020", " ", " ", " ", " "}));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(ZubehoertechnikTest, Vorlagebehaelter)
{
    const struct {
        double rücklauf;
        double vorlauf;
        int vaus;
        double breite;
        double höhe;
        double pSV;
        const char* artikel;
        QStringList meldungen;
    } fälle[] = {
        {70.0, 140, 1000, 2000, 3000, 3, " ", {}},            // return exactly 70 °C: none
        {70.1, 90, 1000, 1000, 2000, 3, "44008", {}},         // 0.2 x 1000 = 200 l
        {70.1, 89, 1000, 1000, 2000, 3, " ", {}},             // below 90 °C: none
        {80, 120, 500, 1000, 2000, 3, "44005", {}},           // 0.2: 100 l
        {80, 121, 500, 1000, 2000, 3, "44007", {}},           // 0.3: 150 l at 150 °C
        {80, 120.4, 500, 1000, 2000, 3, "44005", {}},         // flow rounded to 120
        {80, 100, 750, 1000, 2000, 3, "44006", {}},           // 150 l @ 120 °C before 150 °C
        {80, 100, 750, 1000, 2000, 8, "44007", {}},           // 6 bar too low
        {80, 100, 750, 1000, 900, 3, "44008", {}},            // 930 mm too tall for 900
        {80, 140, 333, 1000, 2000, 3, "44005", {}},           // 0.3 x 333 = 99.9: 100 l
        {80, 141, 300, 1000, 2000, 3, "44007", {}},           // 0.5: 150 l
        {80, 150, 100, 1000, 2000, 3, "44005", {}},           // 0.5: 50 l at 150 °C
        {80, 150, 0, 1000, 2000, 3, "44005", {}},             // 0 l: the smallest at 150 °C
        {80, 90, 0, 1000, 2000, 3, "44001", {}},
        {80, 151, 1000, 1000, 2000, 3, " ", {QStringLiteral("3:2300()")}},
        {80, 90, 1000, 653, 2000, 3, " ", {QStringLiteral("4:2355(200)")}},   // 634 + 20 too wide
        {80, 90, 1000, 654, 809, 3, " ", {QStringLiteral("4:2355(200)")}},    // 760 + 50 too tall
        {80, 90, 1000, 654, 810, 3, "44008", {}},
        {80, 150, 200000, 5000, 5000, 3, " ", {QStringLiteral("4:2355(100000)")}},  // beyond any vessel
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.rücklauf << "/" << f.vorlauf << " °C, " << f.vaus << " l, "
                                        << f.breite << " x " << f.höhe << " mm, " << f.pSV << " bar");
        ZubehörTestobjekt o(QStringLiteral("He"));
        Ruhig(o);
        o.setze({
            {"m_Temp_R", f.rücklauf},
            {"m_Temp_V", f.vorlauf},
            {"m_r_vaus", double(f.vaus)},
            {"m_EinbringBreite", f.breite},
            {"m_EinbringHoehe", f.höhe},
            {"m_p_SV", f.pSV},
        });
        rec.leeren();
        Zubehörtechnik z;
        z.Init(o.reg());
        z.AuslegungZubehörHeizung();
        EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), QString::fromUtf8(f.artikel));
        EXPECT_EQ(o.items("m_Zub_VorlBehEinz_ArtNr_m_value"), QStringList(6, Leer));
        EXPECT_EQ(Meldungen(rec), f.meldungen);
    }
}

TEST_F(ZubehoertechnikTest, VorlagebehaelterJeWaermeerzeugerBeiEinzelabsicherung)
{
    ZubehörTestobjekt o(QStringLiteral("He"));
    Ruhig(o);
    o.setze({
        {"m_Temp_R", 80.0},
        {"m_Temp_V", 110.0},
        {"m_r_vaus", 10000.0},  // 2000 l: none for the plant
    });
    o.setze({
        {"m_EinbringBreite", 1000.0},
        {"m_EinbringHoehe", 2000.0},
        {"m_p_SV", 3.0},
        {"m_Sicherung", VbVariant::lng(1)},
    });
    const struct {
        double leistung;
        int ausdVol;
    } erzeuger[] = {{100, 100}, {0, 500}, {200, 1000}, {0.4, 500}, {300, 5000}, {0, 0}};
    for (int i = 1; i <= 6; ++i) {
        o.item("m_Leist_m_value", i) = erzeuger[i - 1].leistung;
        o.item("m_Einzel_AusdVol_m_value", i) = VbVariant::integer(int16_t(erzeuger[i - 1].ausdVol));
        o.item("m_KesselVol_m_value", i) = VbVariant::integer(0);
        o.item("m_Zub_VorlBehEinz_ArtNr_m_value", i) = QStringLiteral("alt");
    }
    Zubehörtechnik z;
    z.Init(o.reg());
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), Leer);
    // 20 l, 200 l, 1000 l; 0.4 kW counts as no output.
    EXPECT_EQ(o.items("m_Zub_VorlBehEinz_ArtNr_m_value"),
              QStringList({"44001", " ", "44008", " ", " ", " "}));
    EXPECT_EQ(Meldungen(rec), QStringList({QStringLiteral("4:2355(2000)"), QStringLiteral("4:2355(1000)")}));

    // Total protection clears the vessels of the generators.
    o["m_Sicherung"] = VbVariant::lng(0);
    rec.leeren();
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o.items("m_Zub_VorlBehEinz_ArtNr_m_value"), QStringList(6, Leer));
    EXPECT_EQ(Meldungen(rec), QStringList({QStringLiteral("4:2355(2000)")}));
}

TEST_F(ZubehoertechnikTest, Nachspeiseeinrichtung)
{
    const struct {
        int option;
        int druckhaltung;
        int gruppe;
        VbVariant steuermodul;
        double vordruck;
        double enddruck;
        int volumen;
        bool ergebnis;
        const char* artikel;
        int anzahl;
        QStringList meldungen;
    } fälle[] = {
        {0, 0, 2, VbVariant(), 1.5, 2.5, 1000, true, " ", 0, {}},
        {5, 1, 9, VbVariant(), 1.5, 2.5, 1000, true, " ", 0, {}},
        {-1, 0, 2, VbVariant(), 1.5, 2.5, 1000, true, " ", 0, {}},
        {1, 0, 9, VbVariant(0), 1.5, 2.5, 1000, true, "23760", 1, {}},
        {1, 1, 9, VbVariant(0), 1.5, 2.5, 1000, true, "23751", 1, {}},
        {1, 1, 9, VbVariant(), 1.5, 2.5, 1000, true, "23751", 1, {}},   // empty reads as 0
        {1, 1, 9, VbVariant(2), 1.5, 2.5, 1000, true, "23755", 1, {}},
        {1, 1, 9, VbVariant("F"), 1.5, 2.5, 1000, true, "23755", 1, {}},
        {1, 1, 11, VbVariant(0), 1.5, 2.5, 1000, true, "23755", 1, {}},
        {2, 0, 11, VbVariant(0), 1.5, 2.5, 1000, true, "23770", 1, {}},
        {2, 1, 11, VbVariant(0), 1.5, 2.5, 1000, true, "23765", 1, {}},
        {4, 1, 14, VbVariant(0), 1.5, 2.5, 1000, true, "23752", 1, {}},
        // Make-up automat: start pressure = pre-pressure + 0.3 bar.
        {3, 0, 2, VbVariant(), 1.2, 2.5, 5000, true, "23801", 3, {}},
        {3, 0, 2, VbVariant(), 1.0, 2.5, 2000, true, "23801", 1, {}},  // 1.3 bar exactly
        {3, 1, 9, VbVariant(), 2.7, 6.0, 20000, true, "23803", 3, {}},
        {3, 0, 2, VbVariant(), 0.6, 2.5, 5000, false, " ", 0, {QStringLiteral("4:2371()")}},
        {3, 0, 2, VbVariant(), 1.5, 9.0, 1000, false, " ", 0, {QStringLiteral("4:2371()")}},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(testing::Message() << "option " << f.option << ", group " << f.gruppe << ", "
                                        << f.vordruck << "/" << f.enddruck << " bar, " << f.volumen << " l");
        ZubehörTestobjekt o(QStringLiteral("Kü"));
        o.setze({
            {"m_ArtDruckhaltung", VbVariant::lng(f.druckhaltung)},
            {"m_GefaessGruppe", double(f.gruppe)},
            {"m_SteuerModulKomp", f.steuermodul},
            {"m_r_pVordruck", f.vordruck},
            {"m_r_pend", f.enddruck},
            {"m_VolAnlage", double(f.volumen)},
            {"m_Zub_Nachspeisung", VbVariant::integer(int16_t(f.option))},
            {"m_Zub_Systemtrenner", VbVariant::integer(1)},
        });
        rec.leeren();
        Zubehörtechnik z;
        z.Init(o.reg());
        EXPECT_EQ(z.ErmittelNachspeiseeinrichtung(int16_t(f.option)), f.ergebnis);
        EXPECT_EQ(o["m_Zub_Nachspeise_ArtNr"].toString(), QString::fromUtf8(f.artikel));
        EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].typ(), VbVariant::Typ::Integer);
        EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].toLong(), f.anzahl);
        // Only a failed automat choice resets the option and the separator.
        EXPECT_EQ(o["m_Zub_Nachspeisung"].toLong(), f.ergebnis ? f.option : 0);
        EXPECT_EQ(o["m_Zub_Systemtrenner"].toLong(), f.ergebnis ? 1 : 0);
        EXPECT_EQ(Meldungen(rec), f.meldungen);
    }
}

TEST_F(ZubehoertechnikTest, Systemtrenner)
{
    const struct {
        int gruppe;
        int nachspeisung;
        int trenner;
        const char* artikel;
        int trennerDanach;
        VbVariant anzahlDanach;
    } fälle[] = {
        // Group 14: one separator per control vessel.
        {14, 1, 1, "17736", 1, VbVariant(2.0)},
        {14, 3, 0, " ", 0, VbVariant::integer(0)},
        // Other groups: only with the make-up automat.
        {2, 1, 1, " ", 0, VbVariant("unverändert")},
        {9, 0, 1, " ", 0, VbVariant("unverändert")},
        {2, 3, 1, "17095", 1, VbVariant("unverändert")},
        {11, 3, 0, "17096", 0, VbVariant("unverändert")},
    };
    for (const QString& art : {QStringLiteral("He"), QStringLiteral("Kü")}) {
        for (const auto& f : fälle) {
            SCOPED_TRACE(testing::Message() << art.toStdString() << " group " << f.gruppe << ", make-up "
                                            << f.nachspeisung << ", separator " << f.trenner);
            ZubehörTestobjekt o(art);
            o.setze({
                {"m_GefaessGruppe", double(f.gruppe)},
                {"m_Zub_Nachspeisung", VbVariant::integer(int16_t(f.nachspeisung))},
                {"m_Zub_Systemtrenner", VbVariant::integer(int16_t(f.trenner))},
                {"m_SteuerbehAnzahl", 2.0},
                {"m_Zub_Nachspeise_Anz", VbVariant("unverändert")},
            });
            Zubehörtechnik z;
            z.Init(o.reg());
            EXPECT_EQ(z.ErmittlungSystemtrenner(), QString::fromUtf8(f.artikel));
            EXPECT_EQ(o["m_Zub_Systemtrenner"].toLong(), f.trennerDanach);
            const VbVariant anzahl = o["m_Zub_Nachspeise_Anz"];
            EXPECT_EQ(anzahl.typ(), f.anzahlDanach.typ());
            EXPECT_TRUE(anzahl.gleich(f.anzahlDanach)) << anzahl.toString().toStdString();
        }
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(ZubehoertechnikTest, KaelteAuslegungMitNachspeiseautomat)
{
    ZubehörTestobjekt o(QStringLiteral("Kü"));
    o.setze({
        {"m_GefaessGruppe", 9.0},
        {"m_SteuerbehAnzahl", 1.0},
        {"m_GefaessAnzahl", 2.0},
        {"m_GefaessArtNr", QStringLiteral("40901")},
        {"m_ArtDruckhaltung", VbVariant::lng(1)},
        {"m_r_pVordruck", 1.5},
        {"m_r_pend", 3.0},
        {"m_VolAnlage", 3000.4},  // 1500 l per unit
        {"m_Zub_Nachspeisung", VbVariant::integer(3)},
        {"m_Zub_Systemtrenner", VbVariant::integer(1)},
    });
    Zubehörtechnik z;
    z.Init(o.reg());
    z.AuslegungZubehörKälte();
    EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 3);  // 1 x 1 (group 30) + 1 x 2
    EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QStringLiteral("24132"));
    EXPECT_EQ(o["m_Zub_Nachspeise_ArtNr"].toString(), QStringLiteral("23801"));
    EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].toLong(), 2);
    EXPECT_EQ(z.ErmittlungSystemtrenner(), QStringLiteral("17095"));

    // The pre-pressure falls below every automat: the page must offer another option.
    o["m_r_pVordruck"] = 0.5;
    z.AuslegungZubehörKälte();
    EXPECT_EQ(o["m_Zub_Nachspeise_ArtNr"].toString(), Leer);
    EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].toLong(), 0);
    EXPECT_EQ(o["m_Zub_Nachspeisung"].toLong(), 0);
    EXPECT_EQ(o["m_Zub_Systemtrenner"].toLong(), 0);
    EXPECT_EQ(z.ErmittlungSystemtrenner(), Leer);
    EXPECT_EQ(Meldungen(rec), QStringList({QStringLiteral("4:2371()")}));
}

TEST_F(ZubehoertechnikTest, HeizungsauslegungSchreibtAlleErgebnisse)
{
    ZubehörTestobjekt o(QStringLiteral("He"));
    o.setze({
        {"m_GefaessGruppe", 11.0},
        {"m_SteuerbehAnzahl", 1.0},
        {"m_GefaessAnzahl", 2.0},
        {"m_GefaessArtNr", QStringLiteral("40901")},
        {"m_ArtDruckhaltung", VbVariant::lng(1)},
        {"m_SteuerModulKomp", VbVariant(0)},
        {"m_Sicherung", VbVariant::lng(0)},
        {"m_Leist_ges", 650.0},
    });
    o.item("m_Leist_m_value", 2) = 250.0;
    o.item("m_Leist_m_value", 5) = 400.0;
    o.setze({
        {"m_Zub_Nachspeisung", VbVariant::integer(1)},
        {"m_Temp_R", 75.0},
        {"m_Temp_V", 105.0},
        {"m_r_vaus", 400.0},
        {"m_EinbringBreite", 800.0},
        {"m_EinbringHoehe", 2200.0},
        {"m_p_SV", 3.0},
    });
    Zubehörtechnik z;
    z.Init(o.reg());
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();

    EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 5);  // 1 x 3 (group 31) + 1 x 2
    EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QStringLiteral("24132"));
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"),
              QStringList({" ", "24020", " ", " ", "24025", " "}));
    EXPECT_EQ(o["m_Zub_Sammelleit_DN"].toLong(), 25);
    EXPECT_EQ(o["m_Zub_Nachspeise_ArtNr"].toString(), QStringLiteral("23755"));
    EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].toLong(), 1);
    EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), QStringLiteral("44005"));  // 80 l
    EXPECT_EQ(o.items("m_Zub_VorlBehEinz_ArtNr_m_value"), QStringList(6, Leer));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(ZubehoertechnikTest, FehlendeTabellenGebenLeereErgebnisseOhneEigeneMeldung)
{
    ASSERT_TRUE(db.ausführen(QStringLiteral("DROP TABLE Kappenventile; DROP TABLE Ausdehnungssammelleitung;"
                                            "DROP TABLE [Grunddaten Gefäße]")));
    ZubehörTestobjekt o(QStringLiteral("He"));
    Ruhig(o);
    o.setze({
        {"m_GefaessGruppe", 2.0},
        {"m_GefaessAnzahl", 1.0},
        {"m_GefaessArtNr", QStringLiteral("40208")},
        {"m_Leist_ges", 800.0},
    });
    o.item("m_Leist_m_value", 1) = 300.0;
    o.item("m_Leist_m_value", 2) = 500.0;
    o.setze({
        {"m_Temp_R", 80.0},
        {"m_Temp_V", 100.0},
        {"m_r_vaus", 100.0},
    });
    Zubehörtechnik z;
    z.Init(o.reg());
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 1);
    EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), Leer);
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"), QStringList(6, Leer));
    EXPECT_EQ(o["m_Zub_Sammelleit_DN"].toLong(), 0);
    EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), Leer);
    // Vessel cap valve, two generator cap valves, collecting line, intermediate vessel.
    EXPECT_EQ(Meldungen(rec), QStringList(5, QStringLiteral("5:db")));

    ASSERT_TRUE(db.ausführen(QStringLiteral("DROP TABLE [Gruppen MAG]")));
    rec.leeren();
    z.AuslegungZubehörTrinkwasser();  // a heating object holds every name the other types use
    EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 0);
    EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), Leer);
    EXPECT_EQ(Meldungen(rec), QStringList({QStringLiteral("5:db")}));
}

TEST(Zubehoertechnik, OhneDatenobjektGeschiehtNichts)
{
    MeldungsRecorder rec;
    Zubehörtechnik z;
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();
    z.AuslegungZubehörKälte();
    z.AuslegungZubehörSolaranlage();
    z.AuslegungZubehörTrinkwasser();
    z.AuslegungZubehörDruckerhöhung();
    EXPECT_FALSE(z.ErmittelNachspeiseeinrichtung(1));
    EXPECT_EQ(z.ErmittlungSystemtrenner(), QStringLiteral(" "));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(Zubehoertechnik, BeistellgruppenUndMembernamen)
{
    const std::pair<int16_t, int16_t> gruppen[] = {{9, 30}, {11, 31}, {14, 32}, {12, 0}, {30, 0}, {0, 0}, {40, 0}};
    for (const auto& [gruppe, beistell] : gruppen)
        EXPECT_EQ(Zubehörtechnik::GetBeistellGruppe(gruppe), beistell) << gruppe;

    // Cooling uses a part of the heating names, the other three types a part of cooling's.
    const QStringList he = Zubehörtechnik::Membernamen(QStringLiteral("He"));
    const QStringList kü = Zubehörtechnik::Membernamen(QStringLiteral("Kü"));
    EXPECT_EQ(he.size(), 32);
    EXPECT_EQ(kü.size(), 15);
    for (const QString& n : kü)
        EXPECT_TRUE(he.contains(n)) << n.toStdString();
    for (const QString& art : {QStringLiteral("So"), QStringLiteral("Tr"), QStringLiteral("Dr")}) {
        const QStringList namen = Zubehörtechnik::Membernamen(art);
        EXPECT_EQ(namen.size(), 5);
        for (const QString& n : namen)
            EXPECT_TRUE(kü.contains(n)) << n.toStdString();
    }
    EXPECT_TRUE(Zubehörtechnik::Membernamen(QStringLiteral("Sp")).isEmpty());
}

namespace {

// The demo article database of the program.
class ZubehoertechnikDemo : public ::testing::Test {
protected:
    void SetUp() override { zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB); }
    void TearDown() override { zustand().Artikel_Data_Source = m_vorher; }
    MeldungsRecorder rec;

private:
    QString m_vorher = zustand().Artikel_Data_Source;
};

}  // namespace

TEST_F(ZubehoertechnikDemo, HeizungMitKompressorautomatUndZweiKesseln)
{
    // The smallest heating vessel without its cap valve.
    ArtikelFixture katalog(ArtikelFixture::Demo{
        QStringLiteral("UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '' WHERE [Art Nr] = '40101'")});
    ZubehörTestobjekt o(QStringLiteral("He"));
    o.setze({
        {"m_GefaessGruppe", 9.0},
        {"m_SteuerbehAnzahl", 1.0},
        {"m_GefaessAnzahl", 3.0},
        {"m_GefaessArtNr", QStringLiteral("40904")},
        {"m_ArtDruckhaltung", VbVariant::lng(1)},
        {"m_Sicherung", VbVariant::lng(0)},
        {"m_Leist_ges", 800.0},
    });
    o.item("m_Leist_m_value", 1) = 300.0;
    o.item("m_Leist_m_value", 2) = 500.0;
    o.setze({
        {"m_Zub_Nachspeisung", VbVariant::integer(3)},
        {"m_Zub_Systemtrenner", VbVariant::integer(0)},
        {"m_r_pVordruck", 1.2},
        {"m_r_pend", 2.5},
        {"m_VolAnlage", 5000.0},
        {"m_Temp_R", 75.0},
        {"m_Temp_V", 110.0},
        {"m_r_vaus", 1000.0},
        {"m_EinbringBreite", 1000.0},
        {"m_EinbringHoehe", 2000.0},
        {"m_p_SV", 3.0},
    });
    Zubehörtechnik z;
    z.Init(o.reg());
    z.Ermittel_EinzelkesselOderMehrkessel();
    z.AuslegungZubehörHeizung();

    EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), 4);
    EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QStringLiteral("24125"));
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"),
              QStringList({"24020", "24025", " ", " ", " ", " "}));
    EXPECT_EQ(o["m_Zub_Sammelleit_DN"].toLong(), 25);
    EXPECT_EQ(o["m_Zub_Nachspeise_ArtNr"].toString(), QStringLiteral("23801"));
    EXPECT_EQ(o["m_Zub_Nachspeise_Anz"].toLong(), 3);
    EXPECT_EQ(z.ErmittlungSystemtrenner(), QStringLiteral("17096"));
    EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), QStringLiteral("44008"));
    EXPECT_TRUE(rec.boxen.isEmpty());

    // Single protection: the smallest heating vessel names no cap valve (above); 8000 kW above every
    // collecting line is not asked, since DN follows the total.
    o["m_Sicherung"] = VbVariant::lng(1);
    o["m_Zub_Nachspeisung"] = VbVariant::integer(0);
    o.item("m_KesselVol_m_value", 1) = VbVariant::integer(40);
    o.item("m_KesselVol_m_value", 2) = VbVariant::integer(60);
    o.item("m_Einzel_GefässArtNr_m_value", 1) = QStringLiteral("40208");
    o.item("m_Einzel_GefässArtNr_m_value", 2) = QStringLiteral("40101");
    o.item("m_Einzel_AusdVol_m_value", 1) = VbVariant::integer(250);
    o.item("m_Einzel_AusdVol_m_value", 2) = VbVariant::integer(30000);
    z.AuslegungZubehörHeizung();
    EXPECT_EQ(o.items("m_Zub_KappV_Erz_ArtNr_m_value"),
              QStringList({"24125", " ", " ", " ", " ", " "}));
    EXPECT_EQ(o.items("m_Zub_VorlBehEinz_ArtNr_m_value"),
              QStringList({"44002", " ", " ", " ", " ", " "}));  // 50 l; 6000 l fits none
    EXPECT_EQ(Meldungen(rec), QStringList({QStringLiteral("4:2375(2)"), QStringLiteral("4:2355(6000)")}));
}

TEST_F(ZubehoertechnikDemo, KappenventileDerAnderenAnlagenarten)
{
    const struct {
        const char* art;
        int gruppe;
        int anzahl;
        const char* gefäß;
        int zahl;
        const char* artikel;
    } fälle[] = {
        {"Kü", 14, 2, "41401", 2, "vorher"},  // group 14 keeps the stored connection group
        {"Kü", 2, 2, "40208", 2, "24125"},
        {"So", 21, 2, "42101", 2, "24120"},
        {"Tr", 19, 1, "41906", 1, "24120"},
        {"So", 27, 1, "42702", 1, "24199"},   // an article without its own row is still named
        {"Dr", 15, 1, "41501", 1, "24125"},
        {"Dr", 16, 2, "41601", 0, " "},       // a group without cap valves
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.art << " " << f.gefäß);
        const QString art = QString::fromUtf8(f.art);
        ZubehörTestobjekt o(art);
        if (art == QStringLiteral("Kü")) {
            o["m_SteuerbehAnzahl"] = 0.0;
            o["m_Zub_Nachspeisung"] = VbVariant::integer(0);
        }
        o.setze({
            {"m_GefaessGruppe", double(f.gruppe)},
            {"m_GefaessAnzahl", double(f.anzahl)},
            {"m_GefaessArtNr", QString::fromUtf8(f.gefäß)},
            {"m_Zub_KappV_Beh_ArtNr", QStringLiteral("vorher")},
        });
        Zubehörtechnik z;
        z.Init(o.reg());
        Auslegen(z, art);
        EXPECT_EQ(o["m_Zub_KappV_Beh_Anz"].toLong(), f.zahl);
        EXPECT_EQ(o["m_Zub_KappV_Beh_ArtNr"].toString(), QString::fromUtf8(f.artikel));
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}
