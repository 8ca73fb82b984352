#include <gtest/gtest.h>

#include <QMap>
#include <QPair>

#include "design/rules/TabelleVollhubSV.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

const int NennDN[] = {20, 25, 32, 40, 50, 65, 80, 100, 125, 150};
const int Faktor[] = {60, 100, 160, 250, 400, 650, 1000, 1600, 2500, 3600};

using Schlüssel = QPair<int, double>;  // DN, pressure
struct Zeile {
    QString leistung;  // SQL number text
    QString artNr;
};

// The full 10 x 19 matrix: capacity = factor x (pressure + 1), article 30DDD up to 5 bar and
// 31DDD above; single cells can be replaced or left out.
QString VollhubSQL(const QMap<Schlüssel, Zeile>& ersetzt = {}, const QList<Schlüssel>& fehlend = {})
{
    QString sql = QStringLiteral(
        "CREATE TABLE [Abblaseleistung VollhubSV] ([Nenndurchmesser DN] INTEGER, Druck REAL, "
        "[Abblaseleistung in kW] REAL, [Art Nr] TEXT COLLATE NOCASE);\n");
    for (int j = 0; j < 10; ++j) {
        for (int k = 2; k <= 20; ++k) {
            const double p = k * 0.5;
            const Schlüssel s(NennDN[j], p);
            if (fehlend.contains(s))
                continue;
            Zeile z{QString::number(Faktor[j] * (p + 1)),
                    QStringLiteral("%1%2").arg(p <= 5.0 ? 30 : 31).arg(NennDN[j], 3, 10, QLatin1Char('0'))};
            z = ersetzt.value(s, z);
            sql += QStringLiteral("INSERT INTO [Abblaseleistung VollhubSV] VALUES (%1, %2, %3, '%4');\n")
                       .arg(NennDN[j]).arg(p).arg(z.leistung, z.artNr);
        }
    }
    return sql;
}

qsizetype AnzahlMeldungen(const MeldungsRecorder& r, int art, const QString& vorlage)
{
    return std::count_if(r.boxen.begin(), r.boxen.end(),
                         [&](const MeldungsBox& b) { return b.art == art && b.vorlage == vorlage; });
}

struct Auswahl {
    double druck;
    int32_t leistung;
    bool gefunden;
    int32_t dn;
    int32_t anzahl;
    const char* artNr;
};

}  // namespace

TEST(TabelleVollhubSV, WaehltAnzahlVorGroesseUndInterpoliertZwischenStufen)
{
    ArtikelFixture db(VollhubSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleVollhubSV t;
    EXPECT_TRUE(rec.boxen.isEmpty());

    const Auswahl fälle[] = {
        {3.0, 0, true, 20, 1, "30020"},       // no demand: first size, one valve
        {3.0, -5, true, 20, 1, "30020"},
        {3.0, 240, true, 20, 1, "30020"},     // exactly on the 3.0 stage: 60 x 4
        {3.0, 241, true, 25, 1, "30025"},
        {3.2, 252, true, 20, 1, "30020"},     // 40 % from 240 to 270
        {3.2, 253, true, 25, 1, "30025"},     // 400 + 0.4 x 50 = 420
        {3.2, 420, true, 25, 1, "30025"},
        {3.2, 421, true, 32, 1, "30032"},
        {0.5, 120, true, 20, 1, "30020"},     // below the first stage: held at 1.0 bar
        {0.5, 121, true, 25, 1, "30025"},
        {12.0, 660, true, 20, 1, "31020"},    // above the last stage: held at 10 bar
        {12.0, 661, true, 25, 1, "31025"},
        {10.0, 660, true, 20, 1, "31020"},
        {5.0, 360, true, 20, 1, "30020"},     // the 5.0 stage is the lower one at 5.0 ...
        {5.2, 361, true, 20, 1, "30020"},     // ... and up to 5.5: 360 + 0.4 x 30 = 372
        {5.5, 361, true, 20, 1, "31020"},
        {3.0, 14400, true, 150, 1, "30150"},
        {3.0, 14401, true, 125, 2, "30125"},  // two DN 125 before three DN 100
        {3.0, 28801, true, 125, 3, "30125"},  // three valves: the smallest size that does
        {3.0, 43200, true, 150, 3, "30150"},
        {3.0, 43201, false, 0, 0, " "},
    };
    for (const Auswahl& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.druck << " bar, " << f.leistung << " kW");
        EXPECT_EQ(t.ErmittelVollhubSV(f.druck, f.leistung), f.gefunden);
        EXPECT_EQ(t.GetNennDN(), f.dn);
        EXPECT_EQ(t.GetAnzVollhubSV(), f.anzahl);
        EXPECT_EQ(t.GetArtNrVollhubSV(), QString::fromLatin1(f.artNr));
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(TabelleVollhubSV, InterpolierteLeistungWirdHalbZurGeradenGerundet)
{
    // DN 20 at 2.0/2.5 bar: 99/100 and, for DN 25, 100/101; at 2.25 bar 99.5 and 100.5.
    const QMap<Schlüssel, Zeile> ersetzt{
        {{20, 2.0}, {QStringLiteral("99"), QStringLiteral("1234567890ABCDEFGH")}},
        {{20, 2.5}, {QStringLiteral("100"), QStringLiteral("x")}},
        {{25, 2.0}, {QStringLiteral("100.4"), QStringLiteral("  25-ART  ")}},
        {{25, 2.5}, {QStringLiteral("101"), QStringLiteral("y")}},
    };
    ArtikelFixture db(VollhubSQL(ersetzt));
    ASSERT_TRUE(db.ok());
    TabelleVollhubSV t;

    ASSERT_TRUE(t.ErmittelVollhubSV(2.25, 100));  // 99.5 counts as 100
    EXPECT_EQ(t.GetNennDN(), 20);
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral("1234567890ABCDE"));  // cut to 15 characters

    // Cell 100.4 is kept as 100; 100 + (101 - 100) / 2 = 100.5 counts as 100: one DN 25 is not
    // enough for 101 kW, DN 32 is.
    ASSERT_TRUE(t.ErmittelVollhubSV(2.25, 101));
    EXPECT_EQ(t.GetNennDN(), 32);
    ASSERT_TRUE(t.ErmittelVollhubSV(2.0, 100));
    EXPECT_EQ(t.GetNennDN(), 25);
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral("25-ART"));  // blanks trimmed
}

TEST(TabelleVollhubSV, FehlendeZeileMachtTabelleUngueltigMitEinerMeldung)
{
    ArtikelFixture db(VollhubSQL({}, {{125, 7.5}}));
    ASSERT_TRUE(db.ok());
    const QString vorlage = LadeText(zustand().Sprachoffset + 2413);
    MeldungsRecorder rec;
    TabelleVollhubSV t;

    ASSERT_EQ(AnzahlMeldungen(rec, Meldungsart::Datenbankfehler, vorlage), 1);
    const auto b = std::find_if(rec.boxen.begin(), rec.boxen.end(), [&](const MeldungsBox& m) {
        return m.art == Meldungsart::Datenbankfehler && m.vorlage == vorlage;
    });
    EXPECT_EQ(b->werte, (QStringList{
        QStringLiteral("SELECT * FROM [Abblaseleistung VollhubSV] WHERE [Nenndurchmesser DN] =  125"),
        QStringLiteral("[Druck] =  7.5")}));

    rec.leeren();
    EXPECT_FALSE(t.ErmittelVollhubSV(3.0, 1));
    EXPECT_EQ(t.GetNennDN(), 0);
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral(" "));
    EXPECT_EQ(t.GetAnzVollhubSV(), 0);
    EXPECT_TRUE(rec.boxen.isEmpty());

    // The search by size reads the table itself.
    ASSERT_TRUE(t.SucheVollhubSV(25));
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral("30025"));
    EXPECT_EQ(t.GetAnzVollhubSV(), 1);
    EXPECT_EQ(t.GetNennDN(), 25);
}

TEST(TabelleVollhubSV, FehlendeTabelleMeldetDieTabellenzugriffsschicht)
{
    ArtikelFixture db;
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleVollhubSV t;
    EXPECT_TRUE(std::any_of(rec.boxen.begin(), rec.boxen.end(),
                            [](const MeldungsBox& b) { return b.art == Meldungsart::Datenbankfehler; }));
    for (const MeldungsBox& b : rec.boxen)  // no matrix message of its own
        EXPECT_FALSE(b.werte.contains(QStringLiteral("[Druck] =  1")));
    EXPECT_FALSE(t.ErmittelVollhubSV(3.0, 1));
    EXPECT_FALSE(t.SucheVollhubSV(25));
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral(" "));
}

TEST(TabelleVollhubSV, SucheNachGroesseNimmtErsteZeileUngekuerzt)
{
    ArtikelFixture db(QStringLiteral(
        "CREATE TABLE [Abblaseleistung VollhubSV] ([Nenndurchmesser DN] INTEGER, Druck REAL, "
        "[Abblaseleistung in kW] REAL, [Art Nr] TEXT COLLATE NOCASE);"
        "INSERT INTO [Abblaseleistung VollhubSV] VALUES (20, 1.0, 120, '30020');"
        "INSERT INTO [Abblaseleistung VollhubSV] VALUES (25, 6.0, 700, '31025 ');"
        "INSERT INTO [Abblaseleistung VollhubSV] VALUES (25, 1.0, 200, '30025');"));
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleVollhubSV t;  // incomplete matrix: invalid, the search by size still works
    rec.leeren();

    ASSERT_TRUE(t.SucheVollhubSV(25));
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral("31025 "));
    EXPECT_EQ(t.GetAnzVollhubSV(), 1);
    EXPECT_EQ(t.GetNennDN(), 25);

    EXPECT_FALSE(t.SucheVollhubSV(32));
    EXPECT_EQ(t.GetArtNrVollhubSV(), QStringLiteral(" "));
    EXPECT_EQ(t.GetAnzVollhubSV(), 0);
    EXPECT_EQ(t.GetNennDN(), 0);
    EXPECT_TRUE(rec.boxen.isEmpty());
}
