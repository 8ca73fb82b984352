#pragma once
#include <gtest/gtest.h>

#include <QList>
#include <QString>

#include <memory>

#include "base/Programmzustand.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

// The project database of the data objects and an article database with the article view and a
// table [SiVTrinkwasser] of drinking-water valves; the current project is "W-1".
class Wasserdatenbanken : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        db = std::make_unique<Datenobjektdatenbanken>();
        artikel = std::make_unique<ArtikelFixture>(QStringLiteral(
            "CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), arKurztext2 TEXT(50), "
            "arPreis DOUBLE, ltLangtextnr LONG);"
            "CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50));"
            "CREATE TABLE SiVTrinkwasser (Druck REAL, [Volumen in Liter] INTEGER, [Art Nr] TEXT, "
            "[Nenndurchmesser DN] INTEGER)"));
        ASSERT_TRUE(artikel->ok());
        zustand().aktProjektnummer = QStringLiteral("W-1");
    }
    void TearDown() override
    {
        artikel.reset();
        db.reset();
    }

    // Valves of these set pressures for every content up to 10000 l (empty: no valve at all).
    void Ventile(const QList<double>& drücke)
    {
        ASSERT_TRUE(artikel->ausführen(QStringLiteral("DELETE FROM SiVTrinkwasser")));
        int nr = 0;
        for (double p : drücke)
            ASSERT_TRUE(artikel->ausführen(QStringLiteral("INSERT INTO SiVTrinkwasser VALUES (%1, 10000, '28%2', 20)")
                                               .arg(p)
                                               .arg(++nr, 3, 10, QLatin1Char('0'))));
    }
    // A column of a project's row of a parameter table.
    QVariant Feld(const QString& tabelle, const QString& feld, const QString& nr = QStringLiteral("W-1")) const
    {
        return db->feld(tabelle, feld, nr);
    }

    MeldungsRecorder meldungen;
    std::unique_ptr<Datenobjektdatenbanken> db;
    std::unique_ptr<ArtikelFixture> artikel;
};
