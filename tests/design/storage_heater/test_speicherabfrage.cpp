#include <gtest/gtest.h>

#include <QLocale>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "data/Recordset.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Speicherabfrage.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

namespace {

// A storage-heater object on an empty project database with the demo article database.
class Tankabfrage : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        zustand().aktProjektnummer = QStringLiteral("S-1");
        daten = std::make_unique<GlobDatenSpeicher>();
        ASSERT_EQ(daten->Init(), 0);
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
        abfrage = std::make_unique<Speicherabfrage>(*daten);
    }
    void TearDown() override
    {
        abfrage.reset();
        daten.reset();
        QLocale::setDefault(QLocale::c());
    }
    QStringList Artikel()
    {
        QStringList a;
        std::shared_ptr<Recordset> rs = abfrage->Tankdaten().GetADODB_Recordset();
        for (bool ok = rs->MoveFirst(); ok && !rs->Eof(); rs->MoveNext())
            a << abfrage->GetFeldwert(QStringLiteral("Art Nr")).toString();
        return a;
    }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    std::unique_ptr<GlobDatenSpeicher> daten;
    std::unique_ptr<Speicherabfrage> abfrage;
};

}  // namespace

TEST_F(Tankabfrage, KandidatenNachTemperaturTürUndRaum)
{
    struct Fall {
        const char* name;
        int gruppe, vorlauf, speicher;
        double tür, raum;
        QStringList artikel;
    };
    const QStringList gruppe50 = {"35001", "35002", "35003", "35004", "35005", "35006", "35007"};
    const Fall fälle[] = {
        // 750 l: 950 + 50 equals the door exactly; 1000 l is 70 mm too wide.
        {"Tür gleich", 50, 70, 60, 1000, 2000, gruppe50},
        {"Tür 1 mm zu schmal", 50, 70, 60, 999, 2000, gruppe50.mid(0, 6)},
        {"breite Tür, hoher Raum", 50, 70, 60, 1070, 2050, gruppe50 + QStringList{"35008"}},
        // 500 l of group 52: 1900 + 100 equals the room exactly.
        {"Raum gleich", 52, 70, 60, 1000, 2000, {"35201", "35202", "35203", "35204"}},
        {"Raum 1 mm zu niedrig", 52, 70, 60, 1000, 1999, {"35201", "35202", "35203"}},
        // Group 52 has no rows for 45 °C storage; 50 has none for a 50 °C flow.
        {"kein Leistungspaar", 52, 70, 45, 1000, 2000, {}},
        {"kein Vorlauf 50", 50, 50, 60, 1000, 2000, {}},
        {"waagerecht", 51, 55, 45, 1000, 2000, {"35101", "35102", "35103"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        daten->m_VorlaufTemp.m_Value = VbVariant::integer(static_cast<int16_t>(f.vorlauf));
        daten->m_SpeicherTemp.m_Value = VbVariant::integer(static_cast<int16_t>(f.speicher));
        daten->m_EinbringBreite.m_Value = f.tür;
        daten->m_EinbringHoehe.m_Value = f.raum;
        abfrage->SpeicherKandidatenÖffnen(f.gruppe);
        EXPECT_EQ(Artikel(), f.artikel);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankabfrage, AutomatischeWahlNachLeistungskennzahl)
{
    abfrage->SpeicherKandidatenÖffnen(50);
    struct Fall {
        float n;
        int anzahl;
        const char* artikel;  // nullptr: none
        int inhalt;
        double nl, leistung;
        int strom;
    };
    const Fall fälle[] = {
        {2.7f, 1, "35002", 200, 2.7, 19.2, 826},   // equal reaches
        {3.0f, 1, "35003", 300, 4.8, 25.6, 1101},  // two types of one size: by article
        {3.0f, 2, "35001", 160, 4.0, 32.0, 1376},  // list order decides within one count
        {0.6f, 1, "35001", 160, 1.9, 16.0, 688},
        {200.0f, 6, nullptr, 0, 0, 0, 0},
        {1.0f, 0, nullptr, 0, 0, 0, 0},
        {1.0f, 7, nullptr, 0, 0, 0, 0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.n << " x" << f.anzahl);
        daten->m_GefaessArtNr.m_Value = QStringLiteral("alt");
        EXPECT_EQ(abfrage->AutomatischeBehälterauswahlSp(f.n, f.anzahl), f.artikel != nullptr);
        EXPECT_EQ(daten->m_GefaessArtNr.m_Value.toString(), f.artikel ? QString::fromLatin1(f.artikel) : QStringLiteral(" "));
        EXPECT_EQ(daten->m_GefaessInhalt.m_Value.toLong(), f.inhalt);
        EXPECT_NEAR(daten->m_LeiszungsKennz.m_Value.toDouble(), f.nl, 1e-5);
        EXPECT_NEAR(daten->m_Wärmeleistung.m_Value.toDouble(), f.leistung, 1e-4);
        EXPECT_EQ(daten->m_HeizVolStrom.m_Value.toLong(), f.strom);
    }
    // Counts outside 1..6 read nothing.
    EXPECT_EQ(abfrage->GetLeistungskennzahl(0), 0.0f);
    EXPECT_EQ(abfrage->GetWärmeleistung(7), 0.0f);
    EXPECT_EQ(abfrage->GetHeizvolumenstrom(-1), 0);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankabfrage, SucheUndListe)
{
    abfrage->SpeicherKandidatenÖffnen(50);
    EXPECT_FALSE(abfrage->SucheBehälterartikel(QString()));
    EXPECT_FALSE(abfrage->SucheBehälterartikel(QStringLiteral(" ")));
    EXPECT_TRUE(abfrage->SucheBehälterartikel(QStringLiteral("35004")));
    EXPECT_EQ(abfrage->GetFeldwert(QStringLiteral("Speicher_Maße.Nenninhalt")).toLong(), 300);

    // N with a decimal point whatever the locale; only tanks of which some count reaches N.
    daten->m_BedarfsKennz.m_Value = VbVariant(0.6);
    EXPECT_TRUE(abfrage->ListeSql(50).contains(QStringLiteral("[Leistungskennzahl_6] >= 0.6)")))
        << abfrage->ListeSql(50).toStdString();
    abfrage->SpeicherlisteÖffnen(50);
    EXPECT_EQ(Artikel(), (QStringList{"35001", "35002", "35003", "35004", "35005", "35006", "35007"}));
    daten->m_BedarfsKennz.m_Value = VbVariant(51.8);
    abfrage->SpeicherlisteÖffnen(50);
    EXPECT_EQ(Artikel(), (QStringList{"35005", "35006", "35007"}));
    EXPECT_EQ(abfrage->Tankdaten().GetADODB_Recordset()->FeldAnzahl(), 12);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankabfrage, FehlgeschlageneAbfrageUndDieNächste)
{
    ASSERT_TRUE(abfrage->Öffnen(QStringLiteral("SELECT * FROM Speicher_Typen")));
    EXPECT_FALSE(abfrage->Öffnen(QStringLiteral("SELECT * FROM GibtEsNicht")));
    EXPECT_EQ(abfrage->m_Fehlercode, 12);
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].art, Meldungsart::Datenbankfehler);
    EXPECT_TRUE(rec.boxen[0].text.contains(QStringLiteral("Speicher_ ...")));
    EXPECT_TRUE(rec.boxen[0].text.contains(LadeText(2414)));
    // The closed recordset: the choice is cleared and fails, a read reports itself.
    daten->m_GefaessArtNr.m_Value = QStringLiteral("35001");
    EXPECT_FALSE(abfrage->AutomatischeBehälterauswahlSp(1.0f, 1));
    EXPECT_EQ(daten->m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_FALSE(abfrage->SucheBehälterartikel(QStringLiteral("35001")));
    EXPECT_TRUE(abfrage->GetFeldwert(QStringLiteral("Art Nr")).isEmpty());
    EXPECT_EQ(abfrage->m_Fehlercode, 5);
    ASSERT_EQ(rec.boxen.size(), 2);
    EXPECT_TRUE(rec.boxen[1].text.contains(QStringLiteral("Art Nr")));
    // The next query opens afresh.
    abfrage->SpeicherKandidatenÖffnen(50);
    EXPECT_EQ(Artikel().size(), 7);
    EXPECT_EQ(rec.boxen.size(), 2);
}

TEST(Speicherabfrage, OhneArtikeldatenbankFindetSieNichts)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    zustand().aktProjektnummer = QStringLiteral("S-1");
    GlobDatenSpeicher daten;
    ASSERT_EQ(daten.Init(), 0);
    zustand().Artikel_Data_Source = QStringLiteral("/nicht/da/Artikeld.db");
    Speicherabfrage abfrage(daten);
    abfrage.SpeicherKandidatenÖffnen(50);
    EXPECT_EQ(abfrage.m_Fehlercode, 12);
    EXPECT_FALSE(abfrage.AutomatischeBehälterauswahlSp(1.0f, 1));
    EXPECT_EQ(rec.boxen.size(), 1);
}
