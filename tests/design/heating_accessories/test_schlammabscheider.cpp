#include "Heizseitenfixture.h"
#include "base/AllgFunktionen.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "base/Programmzustand.h"
#include "support/QStringAusgabe.h"

namespace {

// The demo catalogue with the faults the error branches need: a separator without its 80-mm
// shell, a shell without short text, a vessel without article row.
class SchlammabscheiderTest : public Heizseitenfixture {
protected:
    SchlammabscheiderTest()
    {
        artikelSql = QStringLiteral(
            "UPDATE Schlammabscheider SET [Iso80 Art Nr] = NULL WHERE [Art Nr] = '32004';"
            "UPDATE ARTIKEL SET arKurztext1 = '' WHERE arArtikelnr = '34003';"
            "DELETE FROM ARTIKEL WHERE arArtikelnr = '40499';"
            "DELETE FROM Artikel_Zusatz WHERE artikelnr = '40499'");
    }
};

QStringList Artikel(Schlammabscheiderauslegung& s)
{
    QStringList a;
    for (int16_t i = 1; i <= 6; ++i)
        a << s.Artikel(i) + QLatin1Char('/') + s.IsoArtikel(i);
    return a;
}

// Arrangement, safety-valve pressure, total output, generators -> items, messages, arrangement
// afterwards (demo table: 6-bar rows 150/300/600 kW, 10-bar rows 150/300/600/1200/2500 kW,
// one 2.5-bar row of 300 kW and one too wide for the 1000 mm door).
TEST_F(SchlammabscheiderTest, AutomatischeAuslegung)
{
    struct Fall {
        const char* name;
        int anordnung;
        double pSV;
        double gesamt;
        std::initializer_list<int> erzeuger;
        QStringList items;  // 1..3
        QStringList meldungen;
        int anordnungDanach;
        bool umgestellt;
    };
    const QString l = QStringLiteral(" / ");
    const Fall fälle[] = {
        {"zentral, Bedarf 300,5 kW rundet auf 300", 1, 3.0, 300.5, {}, {"32003/34003", l, l}, {}, 1, false},
        {"zentral, Bedarf 301,5 kW rundet auf 302", 1, 3.0, 301.5, {}, {"32004/ ", l, l}, {"4:2367(32004,80 mm)"}, 1, false},
        {"nach Druckstufe zuerst", 1, 3.0, 1000, {}, {"32008/34008", l, l}, {}, 1, false},
        {"2,5 bar nimmt die 2,5-bar-Reihe", 1, 2.5, 200, {}, {"32001/34001", l, l}, {}, 1, false},
        {"zu groß mit Erzeugern", 1, 3.0, 9000, {3000, 3000, 3000}, {l, l, l}, {"4:2370(9000,3)"}, 2, true},
        {"zu groß ohne Erzeuger", 1, 3.0, 9000, {}, {l, l, l}, {"4:2369(3,9000)"}, 1, false},
        {"kein Abscheider für den Druck", 1, 20.0, 100, {}, {l, l, l}, {"4:2368(20)"}, 1, false},
        {"je Erzeuger", 2, 3.0, 800, {100, 0, 700}, {"32002/34002", l, "32008/34008"}, {}, 2, false},
        {"je Erzeuger, einer zu groß", 2, 3.0, 3000, {100, 2600}, {"32002/34002", l, l}, {"4:2369(3,2600)"}, 2, false},
        {"kein Abscheider gewählt", 0, 20.0, 100, {100}, {l, l, l}, {}, 0, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        Erzeuger(f.erzeuger);
        d->m_Leist_ges.m_Value = f.gesamt;
        d->m_p_SV.m_Value = f.pSV;
        Schlammabscheiderauslegung s(*d);
        s.SetzeAnordnung(f.anordnung);
        s.SetzeIsolierung(1);
        for (int16_t i = 1; i <= 6; ++i) {
            s.SetzeArtikel(i, QStringLiteral("alt"));
            s.SetzeIsoArtikel(i, QStringLiteral("alt"));
        }
        EXPECT_EQ(s.AutomatischeAuslegung(), f.umgestellt);
        EXPECT_EQ(Artikel(s).mid(0, 3), f.items);
        EXPECT_EQ(protokoll(), f.meldungen);
        EXPECT_EQ(s.Anordnung(), f.anordnungDanach);
    }
}

TEST_F(SchlammabscheiderTest, OhneIsolierungKeinIsolierartikel)
{
    Schlammabscheiderauslegung s(*d);
    s.SetzeAnordnung(1);
    s.SetzeIsolierung(0);
    d->m_Leist_ges.m_Value = 250.0;
    s.AutomatischeAuslegung();
    EXPECT_EQ(s.Artikel(1), QStringLiteral("32003"));
    EXPECT_EQ(s.IsoArtikel(1), QStringLiteral(" "));
}

TEST_F(SchlammabscheiderTest, NurLeereBehaeltVonHandGewaehlte)
{
    Erzeuger({100, 200, 0});
    Schlammabscheiderauslegung s(*d);
    s.SetzeAnordnung(2);
    s.SetzeArtikel(1, QStringLiteral("32010"));
    s.SetzeIsoArtikel(1, QStringLiteral("34010"));
    s.SetzeArtikel(2, QStringLiteral(" "));
    s.AutomatischeAuslegung(true);
    EXPECT_EQ(s.Artikel(1), QStringLiteral("32010"));
    EXPECT_EQ(s.IsoArtikel(1), QStringLiteral("34010"));
    EXPECT_EQ(s.Artikel(2), QStringLiteral("32003"));
    EXPECT_EQ(s.Artikel(3), QStringLiteral(" "));
}

TEST_F(SchlammabscheiderTest, IsolierartikelNachArtUndMitMaskiertemArtikel)
{
    EXPECT_EQ(GetArtikelNrISOSchlamm(QStringLiteral("32006"), 1), QStringLiteral("34006"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(GetArtikelNrISOSchlamm(QStringLiteral("32006"), 2), QStringLiteral(" "));
    EXPECT_EQ(GetArtikelNrISOSchlamm(QStringLiteral("3200'6"), 1), QStringLiteral(" "));
    EXPECT_EQ(GetArtikelNrISOSchlamm(QStringLiteral("99999"), 1), QStringLiteral(" "));
    EXPECT_EQ(protokoll(), (QStringList{QStringLiteral("4:2367(32006,... mm)"), QStringLiteral("4:2367(3200'6,80 mm)"),
                                        QStringLiteral("4:2367(99999,80 mm)")}));
}

// Article number, host mode -> message shown.
TEST_F(SchlammabscheiderTest, ArtikelzeileMeldetFehlendeArtikel)
{
    struct Fall {
        const char* artNr;
        int modus;
        bool auchFürHost;
        bool meldung;
    };
    const Fall fälle[] = {
        {"40499", 0, false, true}, {"40499", 1, false, false}, {"40499", 2, false, false}, {"40499", 2, true, true},
        {" ", 0, false, false},    {"", 0, true, false},       {"34003", 0, false, true},  {"32003", 0, false, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QString::fromUtf8(f.artNr)).arg(f.modus).toStdString());
        meldungen.leeren();
        zustand().TyvoModus = f.modus;
        const QString text = Artikelzeile(*d, QString::fromUtf8(f.artNr), f.auchFürHost);
        EXPECT_EQ(IstLeer(text), f.meldung || QString::fromUtf8(f.artNr).trimmed().isEmpty() || f.modus != 0);
        EXPECT_EQ(protokoll(), f.meldung ? QStringList{QStringLiteral("4:2361(%1)").arg(QString::fromUtf8(f.artNr))} : QStringList{});
    }
}

}  // namespace
