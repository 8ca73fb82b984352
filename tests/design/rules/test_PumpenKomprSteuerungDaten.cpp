#include <gtest/gtest.h>

#include <QSet>

#include "PumpenArtikelDB.h"

namespace {

QStringList spalte(QSqlDatabase& db, const QString& sql)
{
    QStringList werte;
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    while (q.next())
        werte << (q.value(0).isNull() ? QStringLiteral("<NULL>") : q.value(0).toString());
    return werte;
}

}  // namespace

// The demo rows of [PumpenKomprSteuerung]: every code the choices and fields give exists, every
// article exists once in ARTIKEL and Artikel_Zusatz with a long text, and the deliberate gaps
// are there.
TEST(PumpenKomprSteuerungDaten, DemoInhalt)
{
    PumpenArtikelDB fixture;
    ASSERT_TRUE(fixture.ok);
    fixture.mitVerbindung([](QSqlDatabase& db) {
        const QStringList typen = spalte(db, QStringLiteral("SELECT DISTINCT PumpKomprTyp FROM [PumpenKomprSteuerung]"));
        for (const char* code : {"R-01", "R-02", "R-03", "R-04", "Q-1.0", "Q-2.0", "Q-3.0", "A", "B", "C",
                                 "U0", "U01", "U1", "U2", "U3", "B0", "B1", "B2", "B3"})
            EXPECT_TRUE(typen.contains(QString::fromUtf8(code))) << code;

        // group-14 modules: one row per code
        EXPECT_EQ(spalte(db, QStringLiteral("SELECT PumpKomprTyp FROM [PumpenKomprSteuerung] WHERE PumpKomprTyp "
                                            "IN ('U0','U01','U1','U2','U3','B0','B1','B2','B3')")).size(), 9);
        // the gaps: R-04 without ZK, B3 without article, U0 and B3 without cap valve
        EXPECT_TRUE(spalte(db, QStringLiteral("SELECT Artikelnr FROM [PumpenKomprSteuerung] WHERE PumpKomprTyp = "
                                              "'R-04' AND Steuermodul = 'ZK'")).isEmpty());
        EXPECT_EQ(spalte(db, QStringLiteral("SELECT Artikelnr FROM [PumpenKomprSteuerung] WHERE PumpKomprTyp = 'B3'")),
                  QStringList{QString()});
        EXPECT_EQ(spalte(db, QStringLiteral("SELECT PumpKomprTyp FROM [PumpenKomprSteuerung] WHERE "
                                            "PumpKomprTyp IN ('U0','U01','U1','U2','U3','B0','B1','B2','B3') "
                                            "AND ArtNrKappV IS NULL ORDER BY PumpKomprTyp")),
                  (QStringList{QStringLiteral("B3"), QStringLiteral("U0")}));
        EXPECT_TRUE(spalte(db, QStringLiteral("SELECT Steuermodul FROM [PumpenKomprSteuerung] WHERE Steuermodul IS NULL"))
                        .isEmpty());

        const QStringList nummern = spalte(db, QStringLiteral("SELECT Artikelnr FROM [PumpenKomprSteuerung] "
                                                              "WHERE Artikelnr <> ''"));
        EXPECT_EQ(nummern.size(), 31);
        for (const QString& nr : nummern) {
            EXPECT_EQ(nr.size(), 5) << nr.toStdString();
            EXPECT_EQ(spalte(db, QStringLiteral("SELECT arArtikelnr FROM ARTIKEL WHERE arArtikelnr = '%1'").arg(nr)).size(), 1)
                << nr.toStdString();
            EXPECT_EQ(spalte(db, QStringLiteral("SELECT dxfText FROM Artikel_Zusatz WHERE artikelnr = '%1' "
                                                "AND dxfText <> '' AND TitelGruppe = 1").arg(nr)).size(), 1)
                << nr.toStdString();
        }
        EXPECT_EQ(spalte(db, QStringLiteral("SELECT arArtikelnr FROM ARTIKEL")).size(), nummern.size());
        EXPECT_TRUE(spalte(db, QStringLiteral("SELECT arArtikelnr FROM ARTIKEL LEFT JOIN LANGTEXTE ON "
                                              "ARTIKEL.ltLangtextnr = LANGTEXTE.ltLangtextnr "
                                              "WHERE LANGTEXTE.ltText IS NULL OR length(arKurztext1) > 40 "
                                              "OR arPreis IS NULL")).isEmpty());
    });
}
