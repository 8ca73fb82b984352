#include <gtest/gtest.h>

#include <QLocale>

#include "base/Programmzustand.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "support/Datenobjektbindungen.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

namespace {

const QString Nr = QStringLiteral("S-1");

// One dwelling-group row: occupancy, dwellings, equipment code and draw-off counts.
QString Gruppe(double belegung, int wohnungen, const char* art, const QString& zapfstellen = QString())
{
    QString spalten = QStringLiteral("[Projekt Nr], Belegungszahl, AnzahlWohng, ArtAusstatt");
    QString werte = QStringLiteral("'%1', %2, %3, '%4'").arg(Nr).arg(belegung).arg(wohnungen).arg(QLatin1String(art));
    for (const QString& paar : zapfstellen.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList teile = paar.split(QLatin1Char('='));
        spalten += QStringLiteral(", ") + teile[0];
        werte += QStringLiteral(", ") + teile[1];
    }
    return QStringLiteral("INSERT INTO SpeicherBedarfsKz (%1) VALUES (%2)").arg(spalten, werte);
}

double Bedarfskennzahl(const QStringList& zeilen)
{
    Datenobjektdatenbanken db(zeilen);
    zustand().aktProjektnummer = Nr;
    GlobDatenSpeicher d;
    EXPECT_EQ(d.Init(), 0);
    d.Rechnen_SpeicherWasserwärmer();
    return d.m_BedarfsKennz.m_Value.toDouble();
}

}  // namespace

TEST(GlobDatenSpeicher, NeueZeileUndRundreise)
{
    const QList<Memberbindung> bindungen = {
        {"m_BedarfsKennz", "Bedarfskennzahl", VbVariant(0.0), VbVariant(2.5)},
        {"m_IstBerechnet", "IstBerechnet", VbVariant(false), VbVariant(true)},
        {"m_SpeicherTemp", "Speichertemperatur", VbVariant::integer(60), VbVariant::integer(45)},
        {"m_VorlaufTemp", "Vorlauftemperatur", VbVariant::integer(70), VbVariant::integer(80)},
        {"m_EinbringBreite", "Türbreite", VbVariant(1000.0), VbVariant(900.0)},
        {"m_EinbringHoehe", "Raumhöhe", VbVariant(2000.0), VbVariant(2200.0)},
        {"m_GefaessGruppe", "Behältergruppe", VbVariant(0.0), VbVariant(50.0)},
        {"m_GefaessInhalt", "Behälterinhalt", VbVariant::integer(0), VbVariant::lng(300)},
        {"m_GefaessAnzahl", "Behälteranzahl", VbVariant(1.0), VbVariant(2.0)},
        {"m_GefaessArtNr", "GefäßArtNr", VbVariant(QStringLiteral(" ")), VbVariant(QStringLiteral("35003"))},
        {"m_LeiszungsKennz", "Leistungskennzahl", VbVariant(0.0), VbVariant(6.5)},
        {"m_Wärmeleistung", "Wärmeleistung", VbVariant(0.0), VbVariant(28.8)},
        {"m_HeizVolStrom", "HeizVolumenstrom", VbVariant::integer(0), VbVariant::lng(1238)},
        {"m_IstAusgelegt", "IstAusgelegt", VbVariant(false), VbVariant(true)},
    };
    Datenobjektbindungen::PrüfeBindungen<GlobDatenSpeicher>(QStringLiteral("SpeicherWasserwärmerparameter"), bindungen);
}

TEST(GlobDatenSpeicher, OhneSpeichernBleibtDieZeile)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    zustand().aktProjektnummer = Nr;
    {
        GlobDatenSpeicher d;
        ASSERT_EQ(d.Init(), 0);
        d.m_SpeicherTemp.m_Value = VbVariant::integer(45);
    }
    {
        GlobDatenSpeicher d;
        ASSERT_EQ(d.Init(), 0);
        d.m_SpeicherTemp.m_Value = VbVariant::integer(55);
        d.m_TerminateMitUpdate = false;
    }
    EXPECT_EQ(db.feld(QStringLiteral("SpeicherWasserwärmerparameter"), QStringLiteral("Speichertemperatur"), Nr).toInt(),
              45);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(GlobDatenSpeicher, BedarfskennzahlNachWohnungsgruppen)
{
    MeldungsRecorder rec;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Fall {
        const char* name;
        QStringList zeilen;
        double n;
    };
    const Fall fälle[] = {
        {"keine Gruppen", {}, 0.0},
        {"eine normale Wohnung", {Gruppe(2.0, 1, "N", "NB1=1")}, 0.6},
        {"vierzig normale: genau 40", {Gruppe(3.5, 40, "N", "NB1=1")}, 40.0},
        {"zehn Komfort", {Gruppe(2.7, 10, "K", "NB1=1 BRN=1")}, 13.0},
        {"Komfort zählt nur NB1 und BRN", {Gruppe(2.7, 10, "K", "NB1=1 BRN=1 WT=2 GB=1")}, 13.0},
        {"individuell", {Gruppe(2.0, 1, "I", "NB1=1 WT=1 SP=1")}, 0.8},
        {"normal zählt nur NB1", {Gruppe(2.0, 1, "N", "NB1=1 WT=1 SP=1")}, 0.6},
        {"leerer Code", {Gruppe(2.0, 1, "", "NB1=1")}, 0.0},
        {"kleines n", {Gruppe(2.0, 1, "n", "NB1=1")}, 0.0},
        {"Belegung 2.25 zählt 2.2", {Gruppe(2.25, 1, "N", "NB1=1")}, 0.6},
        {"Belegung 2.75 zählt 2.8", {Gruppe(2.75, 10, "N", "NB1=1")}, 8.0},
        {"genau 10", {Gruppe(3.5, 10, "N", "NB1=1")}, 10.0},
        {"10,03 zählt als 10,0", {Gruppe(3.5, 1, "N", "NB1=10.03")}, 10.0},
        {"über 10 wird aufgerundet", {Gruppe(3.5, 1, "N", "NB1=10.06")}, 11.0},
        {"knapp unter 10 mit einer Stelle", {Gruppe(3.5, 1, "N", "NB1=9.99")}, 10.0},
        {"halbe Wanne", {Gruppe(2.0, 1, "I", "NB2=0.5 KB=1")}, 0.8},
        {"mehrere Gruppen", {Gruppe(2.0, 1, "N", "NB1=1"), Gruppe(2.7, 10, "K", "NB1=1 BRN=1")}, 14.0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_DOUBLE_EQ(Bedarfskennzahl(f.zeilen), f.n);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
    QLocale::setDefault(QLocale::c());
}

TEST(GlobDatenSpeicher, ErgebnisMeldetNurEineÄnderung)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db({Gruppe(2.0, 1, "N", "NB1=1")});
    zustand().aktProjektnummer = Nr;
    GlobDatenSpeicher d;
    ASSERT_EQ(d.Init(), 0);
    EXPECT_TRUE(d.Rechnen_SpeicherWasserwärmer());
    EXPECT_FALSE(d.Rechnen_SpeicherWasserwärmer());
    // The stored figure comes back as a Single: still no change.
    d.m_BedarfsKennz.m_Value = VbVariant(0.6f);
    EXPECT_FALSE(d.rufe(QStringLiteral("Rechnen_SpeicherWasserwärmer")).toBool());
    ASSERT_TRUE(db.projekt().ausfuehren({Gruppe(2.0, 1, "N", "NB1=1")}));
    EXPECT_TRUE(d.Rechnen_SpeicherWasserwärmer());
    EXPECT_DOUBLE_EQ(d.m_BedarfsKennz.m_Value.toDouble(), 1.1);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(GlobDatenSpeicher, NamenDerBerichteUndSeiten)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    zustand().aktProjektnummer = Nr;
    GlobDatenSpeicher d;
    EXPECT_EQ(d.rufe(QStringLiteral("Init")).toLong(), 0);
    for (const char* name : {"m_IstBerechnet", "m_BedarfsKennz", "m_SpeicherTemp", "m_VorlaufTemp", "m_EinbringBreite",
                             "m_EinbringHoehe", "m_LeiszungsKennz", "m_Wärmeleistung", "m_HeizVolStrom",
                             "m_IstAusgelegt", "m_GefaessAnzahl", "m_GefaessArtNr", "m_GefaessGruppe",
                             "m_GefaessInhalt", "DBTabArtikel", "Rechnen_SpeicherWasserwärmer"})
        EXPECT_TRUE(d.Member().hat(QString::fromUtf8(name))) << name;
}
