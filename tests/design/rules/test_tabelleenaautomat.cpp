#include <gtest/gtest.h>

#include "design/rules/TabelleENAAutomat.h"
#include "design/rules/WaermedaemmKelvormat.h"
#include "base/AllgFunktionen.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

const QString ENATabelle = QStringLiteral(
    "CREATE TABLE [ENA_Automaten] (ArtNr TEXT COLLATE NOCASE, minAnfangsdruck REAL, maxEnddruck REAL, "
    "maxAnlgVolumen INTEGER);");

bool HatDatenbankmeldung(const MeldungsRecorder& r)
{
    return std::any_of(r.boxen.begin(), r.boxen.end(),
                       [](const MeldungsBox& b) { return b.art == Meldungsart::Datenbankfehler; });
}

struct Fall {
    float anfangsdruck;
    float enddruck;
    int32_t volumen;
    int16_t ergebnis;
    const char* artNr;
    int16_t anzahl;
    float kleinstAnfangsdruck;
};

void Prüfe(TabelleENAAutomat& t, const Fall& f)
{
    SCOPED_TRACE(testing::Message() << f.anfangsdruck << " / " << f.enddruck << " bar, " << f.volumen << " l");
    float kleinst = -1.0f;
    EXPECT_EQ(t.ErmittelENA(f.anfangsdruck, f.enddruck, f.volumen, kleinst), f.ergebnis);
    EXPECT_EQ(t.GetArtikelNummer(), QString::fromLatin1(f.artNr));
    EXPECT_EQ(t.GetAnzahl(), f.anzahl);
    EXPECT_FLOAT_EQ(kleinst, f.kleinstAnfangsdruck);
}

}  // namespace

TEST(TabelleENAAutomat, WenigsteGeraeteMitPassendemDruckbereich)
{
    ArtikelFixture db(ENATabelle + QStringLiteral(
        "INSERT INTO [ENA_Automaten] VALUES ('23803', 3.0, 8.0, 8000);"
        "INSERT INTO [ENA_Automaten] VALUES ('23801', 1.3, 3.5, 2000);"
        "INSERT INTO [ENA_Automaten] VALUES ('23802', 2.0, 4.5, 4000);"));
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleENAAutomat t;
    EXPECT_EQ(t.GetArtikelNummer(), QStringLiteral(" "));
    EXPECT_EQ(t.GetAnzahl(), 0);

    const Fall fälle[] = {
        {1.5f, 2.5f, 5000, 0, "23801", 3, 0.0f},   // 8000 and 4000 need more pressure; 3 x 1667 l
        {1.3f, 2.5f, 1000, 0, "23801", 1, 0.0f},   // start pressure equal to the minimum
        {1.2951f, 2.5f, 1000, 0, "23801", 1, 0.0f},  // rounded to two decimals first
        {1.29f, 2.5f, 1000, 1, " ", 0, 1.3f},
        {2.5f, 4.0f, 10000, 0, "23802", 3, 0.0f},  // 23801 ends below 4 bar; 2 x 23803 needs 3 bar
        {3.0f, 4.0f, 10000, 0, "23803", 2, 0.0f},
        {0.9f, 2.5f, 5000, 1, " ", 0, 1.3f},       // volume fits, pressure too low: smallest minimum
        {1.5f, 4.5f, 1000, 1, " ", 0, 2.0f},       // 23801 ends below 4.5 bar
        {1.3f, 9.0f, 1000, 2, " ", 0, 0.0f},       // no automat takes 9 bar
        {3.0f, 3.0f, 32002, 0, "23803", 4, 0.0f},  // 8000.5 l per unit counts as 8000
        {3.0f, 3.0f, 32003, 2, " ", 0, 0.0f},      // 8001 l per unit: nothing fits by volume
    };
    for (const Fall& f : fälle)
        Prüfe(t, f);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(TabelleENAAutomat, VolumenanteilHalbZurGeradenUndHoechsterMindestdruck)
{
    ArtikelFixture db(ENATabelle + QStringLiteral(
        "INSERT INTO [ENA_Automaten] VALUES ('E0002', 1.0, 6.0, 2);"
        "INSERT INTO [ENA_Automaten] VALUES ('E1200', 12.0, 16.0, 9000);"
        "INSERT INTO [ENA_Automaten] VALUES ('E1100', 11.0, 16.0, 9000);"
        "INSERT INTO [ENA_Automaten] VALUES ('E0027', 0.5, 2.7, 50);"));
    ASSERT_TRUE(db.ok());
    TabelleENAAutomat t;
    const Fall fälle[] = {
        {1.0f, 3.0f, 5, 0, "E0002", 2, 0.0f},     // 5 / 2 = 2.5 counts as 2 l per unit
        {1.0f, 3.0f, 9, 0, "E0002", 4, 0.0f},     // 9 / 2 = 4.5 counts as 4, 9 / 4 as 2
        {5.0f, 10.0f, 100, 1, " ", 0, 10.0f},     // every minimum above 10 bar: 10 stays
        {1.0f, 2.7f, 40, 0, "E0027", 1, 0.0f},    // the Single 2.7 is written " 2.7"
    };
    for (const Fall& f : fälle)
        Prüfe(t, f);
}

TEST(TabelleENAAutomat, FehlendeTabelle)
{
    ArtikelFixture db(ENATabelle + QStringLiteral("INSERT INTO [ENA_Automaten] VALUES ('23801', 1.3, 3.5, 2000);"));
    ASSERT_TRUE(db.ok());
    TabelleENAAutomat t;
    float kleinst = -1.0f;
    ASSERT_EQ(t.ErmittelENA(1.5f, 2.5f, 1000, kleinst), 0);

    ASSERT_TRUE(db.ausführen(QStringLiteral("DROP TABLE [ENA_Automaten]")));
    MeldungsRecorder rec;
    Prüfe(t, {1.5f, 2.5f, 1000, 2, " ", 0, 0.0f});  // the earlier choice is gone
    EXPECT_TRUE(HatDatenbankmeldung(rec));
}

TEST(WaermedaemmKelvormat, DaemmungNachGenauemInhalt)
{
    ArtikelFixture db(QStringLiteral(
        "CREATE TABLE [Wärmedämmung Kelvormat] (Inhalt INTEGER, [Art Nr] TEXT COLLATE NOCASE);"
        "INSERT INTO [Wärmedämmung Kelvormat] VALUES (200, '22502');"
        "INSERT INTO [Wärmedämmung Kelvormat] VALUES (1000, '22510');"
        "INSERT INTO [Wärmedämmung Kelvormat] VALUES (2000, '22520');"
        "INSERT INTO [Wärmedämmung Kelvormat] VALUES (2001, '22599');"
        "INSERT INTO [Wärmedämmung Kelvormat] VALUES (3000, '22530');"));
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    const WärmedämmKelvormat w;
    const struct {
        int16_t inhalt;
        const char* artNr;
    } fälle[] = {
        {200, "22502"}, {1000, "22510"}, {2000, "22520"},
        {1500, ""},   // no row: an empty text, not one blank
        {999, ""},
        {2001, ""},   // above 2000 not looked up, although a row exists
        {3000, ""},
        {0, ""},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(w.GetArtNrWärmedämmung(f.inhalt), QString::fromLatin1(f.artNr)) << f.inhalt;
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(WaermedaemmKelvormat, FehlendeTabelleGibtLeerenText)
{
    ArtikelFixture db;
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    EXPECT_EQ(WärmedämmKelvormat().GetArtNrWärmedämmung(500), QString());
    EXPECT_TRUE(HatDatenbankmeldung(rec));
}
