#include <gtest/gtest.h>

#include "PumpenArtikelDB.h"
#include "support/QStringAusgabe.h"

// The demo rows of [PumpenKomprSteuerung]: every code the choices and fields give exists, every
// article exists once in ARTIKEL and Artikel_Zusatz with a long text, and the deliberate gaps
// are there.
TEST(PumpenKomprSteuerungDaten, DemoInhalt)
{
    PumpenArtikelDB fixture;
    const TestDatenbank& db = fixture.db();
    const auto liste = [&db](const QString& sql) {
        return db.wert(QStringLiteral("SELECT group_concat(w, ',') FROM (%1)").arg(sql)).toString();
    };

    EXPECT_EQ(liste(QStringLiteral("SELECT DISTINCT PumpKomprTyp AS w FROM [PumpenKomprSteuerung] ORDER BY rowid")),
              QStringLiteral("R-01,R-02,R-03,R-04,Q-1.0,Q-2.0,Q-3.0,A,B,C,U01,U0,U1,U2,U3,B0,B1,B2,B3"));
    // group-14 modules: one row per code, U0 and B3 without cap valve, B3 without article
    EXPECT_EQ(liste(QStringLiteral("SELECT PumpKomprTyp || '=' || Artikelnr || '/' || ifnull(ArtNrKappV, 'NULL') AS w "
                                   "FROM [PumpenKomprSteuerung] WHERE PumpKomprTyp GLOB '[UB][0-9]*' ORDER BY rowid")),
              QStringLiteral("U01=21301/24125,U0=21300/NULL,U1=21310/24125,U2=21320/24125,U3=21330/24132,"
                             "B0=21400/24132,B1=21410/24132,B2=21420/24132,B3=/NULL"));
    EXPECT_EQ(liste(QStringLiteral("SELECT PumpKomprTyp || '/' || Steuermodul AS w FROM [PumpenKomprSteuerung] "
                                   "WHERE PumpKomprTyp LIKE 'R-%' ORDER BY rowid")),
              QStringLiteral("R-01/E,R-01/F,R-01/ZK,R-02/E,R-02/F,R-02/ZK,R-03/E,R-03/F,R-03/ZK,R-04/E,R-04/F"));
    EXPECT_EQ(liste(QStringLiteral("SELECT PumpKomprTyp || '/' || Steuermodul AS w FROM [PumpenKomprSteuerung] "
                                   "WHERE PumpKomprTyp LIKE 'Q-%' OR PumpKomprTyp IN ('A', 'B', 'C') ORDER BY rowid")),
              QStringLiteral("Q-1.0/,Q-1.0/F,Q-1.0/D,Q-2.0/,Q-2.0/F,Q-2.0/D,Q-3.0/,Q-3.0/F,Q-3.0/D,A/,B/,C/"));

    // every article: five digits, one ARTIKEL row with a long text, price and a short text that
    // fits, one Artikel_Zusatz row with a schematic label; no other ARTIKEL rows
    EXPECT_EQ(db.wert(QStringLiteral("SELECT count(*) FROM [PumpenKomprSteuerung] WHERE Artikelnr <> ''")).toInt(), 31);
    EXPECT_EQ(db.wert(QStringLiteral("SELECT count(*) FROM [PumpenKomprSteuerung] p "
                                     "JOIN ARTIKEL a ON a.arArtikelnr = p.Artikelnr "
                                     "JOIN Artikel_Zusatz z ON z.artikelnr = p.Artikelnr "
                                     "JOIN LANGTEXTE l ON l.ltLangtextnr = a.ltLangtextnr "
                                     "WHERE length(p.Artikelnr) = 5 AND length(a.arKurztext1) <= 40 "
                                     "AND a.arPreis > 0 AND z.dxfText <> '' AND z.TitelGruppe = 1 "
                                     "AND z.Solaranlage = 0")).toInt(), 31);
    EXPECT_EQ(db.wert(QStringLiteral("SELECT count(*) FROM ARTIKEL")).toInt(), 31);
    EXPECT_EQ(db.wert(QStringLiteral("SELECT count(*) FROM Artikel_Zusatz")).toInt(), 31);
}
