#include <gtest/gtest.h>

#include "design/rules/TabelleMembranSV.h"
#include "design/rules/TabelleMembranSVSolar.h"
#include "design/rules/TabelleSiVTrinkw.h"
#include "base/AllgFunktionen.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

bool HatDatenbankmeldung(const MeldungsRecorder& r)
{
    return std::any_of(r.boxen.begin(), r.boxen.end(),
                       [](const MeldungsBox& b) { return b.art == Meldungsart::Datenbankfehler; });
}

// The solar and the drinking-water table differ in table, size column, pressure type and the
// name of the valve search.
struct Solar {
    using Tabelle = TabelleMembranSVSolar;
    using Druck = float;
    static QString tabelle() { return QStringLiteral("[SiVSolaranlagen]"); }
    static QString spalte() { return QStringLiteral("Kollektorfläche"); }
    static bool suche(Tabelle& t, double p, int32_t g) { return t.ErmittelMembranSV(p, g); }
};
struct Trinkwasser {
    using Tabelle = TabelleSiVTrinkw;
    using Druck = double;
    static QString tabelle() { return QStringLiteral("[SiVTrinkwasser]"); }
    static QString spalte() { return QStringLiteral("Volumen in Liter"); }
    static bool suche(Tabelle& t, double p, int32_t g) { return t.ErmittelSiV(p, g); }
};

template <typename T>
class SiVPalette : public testing::Test {
protected:
    // Rows (pressure, size): (6, 10), (6, 20), (8, 15), (10, 50), stored out of order.
    static QString sql()
    {
        const QString t = T::tabelle();
        return QStringLiteral("CREATE TABLE %1 (Druck REAL, [%2] INTEGER, [Art Nr] TEXT COLLATE NOCASE, "
                              "[Nenndurchmesser DN] INTEGER);"
                              "INSERT INTO %1 VALUES (10, 50, '21050', 25);"
                              "INSERT INTO %1 VALUES (6, 20, '20620', 20);"
                              "INSERT INTO %1 VALUES (8, 15, '20815', 15);"
                              "INSERT INTO %1 VALUES (6, 10, '20610', 15);")
            .arg(t, T::spalte());
    }
    // Fits p and returns the answer and the fitted pressure.
    static std::pair<bool, double> anpassen(const typename T::Tabelle& t, double p)
    {
        typename T::Druck d = static_cast<typename T::Druck>(p);
        const bool ok = t.AnpassenDruckSicherheitsventilAnPalette(d);
        return {ok, d};
    }
};
using Familie = testing::Types<Solar, Trinkwasser>;
TYPED_TEST_SUITE(SiVPalette, Familie);

}  // namespace

TYPED_TEST(SiVPalette, PaletteUndAnpassung)
{
    ArtikelFixture db(this->sql());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    typename TypeParam::Tabelle t;

    // Not built yet: no stage, the pressure is rounded up to 0.1 bar.
    const auto [okVorher, pVorher] = this->anpassen(t, 6.04);
    EXPECT_FALSE(okVorher);
    EXPECT_FLOAT_EQ(pVorher, 6.1);

    struct Fall {
        int32_t größe;
        double druck;
        bool ok;
        double ergebnis;
    };
    const Fall fälle[] = {
        {12, 5.95, true, 6.0}, {12, 8.0, true, 8.0}, {12, 10.25, false, 10.3}, {12, 0.5, true, 6.0},
        {12, 6.0, true, 6.0}, {12, 6.01, true, 8.0},
        {50, 5.0, true, 10.0},                          // only the 10-bar row serves 50
        {60, 5.95, false, 6.0}, {60, 6.01, false, 6.1},  // no row that large: empty palette
        {0, 9.0, true, 10.0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << "size " << f.größe << ", " << f.druck << " bar");
        t.AufbauAktuellePaletteDruckstufung(f.größe);
        const auto [ok, p] = this->anpassen(t, f.druck);
        EXPECT_EQ(ok, f.ok);
        EXPECT_FLOAT_EQ(p, f.ergebnis);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TYPED_TEST(SiVPalette, VentilsucheNimmtNiedrigsteStufeUndKleinsteGroesse)
{
    ArtikelFixture db(this->sql());
    ASSERT_TRUE(db.ok());
    typename TypeParam::Tabelle t;
    EXPECT_EQ(t.GetArtNrMemranSV(), QStringLiteral(" "));

    struct Fall {
        double druck;
        int32_t größe;
        bool gefunden;
        const char* artNr;
        int32_t dn;
    };
    const Fall fälle[] = {
        {6.0, 18, true, "20620", 20},
        {6.0, 10, true, "20610", 15},
        {5.95, 0, true, "20610", 15},
        {6.0, 30, true, "21050", 25},  // no 6-bar row covers 30: next stage up
        {6.5, 10, true, "20815", 15},
        {10.0, 50, true, "21050", 25},
        {6.0, 60, false, " ", 0},
        {10.5, 1, false, " ", 0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.druck << " bar, size " << f.größe);
        EXPECT_EQ(TypeParam::suche(t, f.druck, f.größe), f.gefunden);
        EXPECT_EQ(t.GetArtNrMemranSV(), QString::fromLatin1(f.artNr));
        EXPECT_EQ(t.GetNennDN(), f.dn);
    }
}

TYPED_TEST(SiVPalette, FehlendeTabelle)
{
    ArtikelFixture db;
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    typename TypeParam::Tabelle t;
    t.AufbauAktuellePaletteDruckstufung(10);
    EXPECT_TRUE(HatDatenbankmeldung(rec));
    const auto [ok, p] = this->anpassen(t, 5.95);
    EXPECT_FALSE(ok);
    EXPECT_FLOAT_EQ(p, 6.0);
    rec.leeren();
    EXPECT_FALSE(TypeParam::suche(t, 6.0, 10));
    EXPECT_TRUE(HatDatenbankmeldung(rec));
    EXPECT_EQ(t.GetArtNrMemranSV(), QStringLiteral(" "));
    EXPECT_EQ(t.GetNennDN(), 0);
}

TEST(TabelleSiVTrinkw, PalettendruckKommtAlsSingleZurueck)
{
    ArtikelFixture db(QStringLiteral(
        "CREATE TABLE [SiVTrinkwasser] (Druck REAL, [Volumen in Liter] INTEGER, [Art Nr] TEXT, "
        "[Nenndurchmesser DN] INTEGER);"
        "INSERT INTO [SiVTrinkwasser] VALUES (6.3, 200, '28631', 15);"));
    ASSERT_TRUE(db.ok());
    TabelleSiVTrinkw t;
    t.AufbauAktuellePaletteDruckstufung(100);
    double p = 6.2;
    EXPECT_TRUE(t.AnpassenDruckSicherheitsventilAnPalette(p));
    EXPECT_EQ(p, static_cast<double>(6.3f));
    EXPECT_NE(p, 6.3);
}

TEST(TabelleMembranSV, EinBisDreiVentileBeimGerundetenAnsprechdruck)
{
    ArtikelFixture db(QStringLiteral(
        "CREATE TABLE [Leistung MembranSV] (Druck REAL, [Leistung in kW] INTEGER, [Art Nr] TEXT COLLATE NOCASE, "
        "[Nenndurchmesser DN] INTEGER);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.5, 200, '26025', 25);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.5, 50, '26015', 15);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.5, 150, '26022', 22);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.5, 100, '26020', 20);"
        "INSERT INTO [Leistung MembranSV] VALUES (3.0, 6, '26106', 10);"
        "INSERT INTO [Leistung MembranSV] VALUES (3.0, 5, '26105', 8);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.3, 100, '26320', 20);"));
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleMembranSV t;
    EXPECT_EQ(t.GetAnzMembranSV(), 0);
    EXPECT_EQ(t.GetArtNrMemranSV(), QStringLiteral(" "));

    struct Fall {
        double druck;
        int32_t leistung;
        bool gefunden;
        int32_t anzahl;
        const char* artNr;
        int32_t dn;
    };
    const Fall fälle[] = {
        {2.5, 90, true, 1, "26020", 20},
        {2.5, 100, true, 1, "26020", 20},
        {2.5, 250, true, 2, "26022", 22},   // share 125
        {2.5, 500, true, 3, "26025", 25},   // share 167
        {2.5, 600, true, 3, "26025", 25},
        {2.5, 601, false, 0, " ", 0},
        {2.5, 700, false, 0, " ", 0},
        {2.5, 0, true, 1, "26015", 15},
        {3.0, 7, true, 2, "26105", 8},      // share 4 (3.5 rounded up)
        {3.0, 17, true, 3, "26106", 10},    // share 6 (5.67 rounded up)
        {3.0, 19, false, 0, " ", 0},
        {2.46, 90, true, 1, "26020", 20},   // searched at 2.5 bar
        {2.54, 90, true, 1, "26020", 20},
        {2.56, 90, false, 0, " ", 0},       // 2.6 bar has no rows
        {2.7, 1, false, 0, " ", 0},
        {2.34, 90, true, 1, "26320", 20},   // 2.3 as a Single is written " 2.3"
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.druck << " bar, " << f.leistung << " kW");
        EXPECT_EQ(t.ErmittelMembranSV(f.druck, f.leistung), f.gefunden);
        EXPECT_EQ(t.GetAnzMembranSV(), f.anzahl);
        EXPECT_EQ(t.GetArtNrMemranSV(), QString::fromLatin1(f.artNr));
        EXPECT_EQ(t.GetNennDN(), f.dn);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(TabelleMembranSV, FehlendeTabelleMeldetUndFindetNichts)
{
    ArtikelFixture db;
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    TabelleMembranSV t;
    EXPECT_FALSE(t.ErmittelMembranSV(2.5, 10));
    EXPECT_TRUE(HatDatenbankmeldung(rec));
    EXPECT_EQ(t.GetAnzMembranSV(), 0);
    EXPECT_EQ(t.GetArtNrMemranSV(), QStringLiteral(" "));
}
