#include <gtest/gtest.h>

#include "Auswahlfixture.h"
#include "base/TyvoAnbindung.h"
#include "data/Recordset.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "base/Zahlen.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/QStringAusgabe.h"

namespace {

using L = Behälterauswahl;

// --- Group list ---

TEST_F(Auswahltest, GruppenFolgenMembranDruckhaltungTypUndVentildruck)
{
    struct Fall {
        const char* art;
        int membran;
        int druckhaltung;
        double pSV;
        QList<int16_t> gruppen;
        bool automatenzeilen;
    };
    // The flat vessels of group 6 offered again: nine fixed-membrane groups for heating.
    ArtikelFixture katalog(ArtikelFixture::Demo{QStringLiteral("UPDATE [Gruppen MAG] SET Heizung = -1, Kälte = -1 WHERE Gruppe = 6")});
    const Fall fälle[] = {
        // Nine fixed-membrane heating groups: the ninth (72) is not listed.
        {"He", 0, 0, 3.0, {1, 2, 3, 4, 6, 7, 8, 70}, false},
        // Above 3 bar group 1 is gone and 72 moves up.
        {"He", 0, 0, 3.5, {2, 3, 4, 6, 7, 8, 70, 72}, false},
        // Exchangeable membrane with gas cushion: the make-up automats 60 and 61 only here.
        {"He", 1, 0, 3.0, {5, 60, 61, 74}, false},
        // Automats: only 9, 11 and 14, never 12.
        {"He", 1, 1, 3.0, {9, 11, 14}, true},
        // Cooling never offers group 1.
        {"Kü", 0, 0, 3.0, {2, 3, 4, 6, 7, 8, 70, 72}, false},
        {"He", 0, 0, 11.0, {72}, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1 %2/%3 %4").arg(QString::fromUtf8(f.art)).arg(f.membran).arg(f.druckhaltung).arg(f.pSV).toStdString());
        anlage(QString::fromUtf8(f.art));
        (*d)["m_ArtMembran"] = VbVariant::lng(f.membran);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(f.druckhaltung);
        (*d)["m_p_SV"] = VbVariant(f.pSV);
        laden();
        EXPECT_EQ(gruppen(), f.gruppen);
        EXPECT_EQ(l->automatenzeilen(), f.automatenzeilen);
    }
}

TEST_F(Auswahltest, BezeichnungAuf34ZeichenUndUnbekannteGruppeEinBlank)
{
    // The flat vessels of group 6 offered again (E1 0, the ninth fixed-membrane group), and a
    // group name longer than the list shows.
    ArtikelFixture katalog(ArtikelFixture::Demo{QStringLiteral(
        "UPDATE [Gruppen MAG] SET Heizung = -1, Kälte = -1 WHERE Gruppe = 6;"
        "UPDATE [Gruppen MAG] SET Bezeichnung = 'MAG feste Membrane 10 bar für Heiz- und Kühlwasser' WHERE Gruppe = 70")});
    anlage();
    laden();
    EXPECT_EQ(l->GetBehältergruppenbezeichnung(70), QStringLiteral("MAG feste Membrane 10 bar für Heiz"));
    EXPECT_EQ(l->GetBehältergruppenbezeichnung(4), QStringLiteral("MAG 6 bar\\nmit Standfüßen"));
    EXPECT_EQ(l->GetBehältergruppenbezeichnung(72), QStringLiteral(" "));
    int i = -1;
    EXPECT_FALSE(l->SucheGruppenindex(VbVariant::integer(0), i));
    EXPECT_FALSE(l->SucheGruppenindex(VbVariant(QStringLiteral("x")), i));
    EXPECT_TRUE(l->SucheGruppenindex(VbVariant(QStringLiteral("2")), i));
    EXPECT_EQ(i, 1);
}

TEST_F(Auswahltest, BedarfsvolumenNachOptionenUndKesselinternenGefäßen)
{
    struct Fall {
        int membran, druckhaltung;
        double vauf, vges;
        int16_t kesselintern;
        int32_t bedarf;
        int rahmen;
    };
    const Fall fälle[] = {
        {0, 0, 450, 1000, 0, 1000, 2},
        {1, 0, 450, 1000, 0, 1000, 2},
        {1, 1, 450, 1000, 0, 500, 0},   // take-up / 0.9
        {1, 1, 451, 1000, 0, 502, 0},   // 501.11 rounded up
        {0, 0, 450, 1000, 120, 880, 2}, // boiler-internal vessels take their part
        {0, 0, 450, 100, 120, 0, 2},    // never negative
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.bedarf);
        anlage();
        (*d)["m_ArtMembran"] = VbVariant::lng(f.membran);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(f.druckhaltung);
        (*d)["m_r_vauf"] = VbVariant(f.vauf);
        (*d)["m_r_vges"] = VbVariant(f.vges);
        d->kesselintern = f.kesselintern;
        zustand().AktProjektArtErstellung = f.kesselintern > 0 ? 1 : 0;
        laden();
        EXPECT_EQ(l->bedarfsvolumen(), f.bedarf);
        EXPECT_EQ(l->gerahmt(), f.rahmen);
        EXPECT_EQ(l->einbringGesperrt(), f.kesselintern > 0);
    }
}

// --- Automatic choice ---

TEST_F(Auswahltest, AutomatikWähltKleinstenBehälterInKleinsterAnzahl)
{
    struct Fall {
        double vges;
        double tür;
        double anzahl;
        const char* artikel;
        int n;
    };
    const Fall fälle[] = {
        {1000, 1000, 1, "40216", 1},  // 1000 l fits exactly through the door and under the ceiling
        {1000, 800, 1, "40213", 2},   // too wide: two of 500 l
        {1000, 1000, 4, "40207", 4},   // a typed count is where the search starts
        {1000, 1000, 15, "40204", 10}, // plain groups at most 10
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.artikel);
        anlage();
        (*d)["m_r_vges"] = VbVariant(f.vges);
        (*d)["m_EinbringBreite"] = VbVariant(f.tür);
        (*d)["m_GefaessAnzahl"] = VbVariant(f.anzahl);
        laden();
        l->Command1_Click(index(2));
        EXPECT_EQ(d->text("m_GefaessArtNr"), QString::fromUtf8(f.artikel));
        EXPECT_EQ(d->zahl("m_GefaessAnzahl"), f.n);
        EXPECT_EQ(d->zahl("m_GefaessGruppe"), 2);
        EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 1}));
        EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join(QLatin1Char(';')).toStdString();
    }
}

TEST_F(Auswahltest, AutomatikFülltBlockMitInhaltMaßenUndBeschreibung)
{
    anlage();
    laden();
    l->Command1_Click(index(2));
    const L::Block& b = l->block();
    EXPECT_EQ(b.inhalt, QStringLiteral("1000"));
    EXPECT_EQ(b.maße, QStringLiteral("980 mm / 1850 mm"));
    EXPECT_FALSE(b.beschreibung.trimmed().isEmpty());
    EXPECT_EQ(b.gruppe, QStringLiteral("2"));
    EXPECT_EQ(d->zahl("m_GefaessInhalt"), 1000);
    EXPECT_FALSE(b.übersicht);  // plain vessel with total protection
}

TEST_F(Auswahltest, VordruckvarianteImLaufGleichenInhaltsUndDrucks)
{
    struct Fall {
        double vordruck;
        const char* artikel;
    };
    // 400 l at 6 bar with 1.0, 1.5 and 2.5 bar, then 400 l at 10 bar (another run).
    const Fall fälle[] = {{1.2, "40210"}, {0.8, "40209"}, {1.5, "40210"}, {2.6, "40211"}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.vordruck);
        anlage();
        (*d)["m_r_vges"] = VbVariant(400.0);
        (*d)["m_r_pVordruck"] = VbVariant(f.vordruck);
        laden();
        l->Command1_Click(index(2));
        EXPECT_EQ(d->text("m_GefaessArtNr"), QString::fromUtf8(f.artikel));
    }
}

// A factory pre-pressure equal to the system's is the variant chosen, also where the value has no
// exact binary form; heating, cooling and solar choose through the same walk.
TEST(Vordruckvariante, GleicherVordruckOhneExakteBinärformTrifft)
{
    ArtikelFixture db(QStringLiteral(
        "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT, [Inhalt in ltr] INTEGER, "
        "[Max, Betriebsdruck in bar] REAL, Vordruck REAL);"
        "INSERT INTO [Grunddaten Gefäße] VALUES ('A', 300, 6, 1.1), ('B', 300, 6, 1.2), ('C', 300, 6, 2.2), "
        "('D', 300, 6, 2.7), ('E', 300, 6, 3.5), ('F', 300, 10, 0.5)"));
    ASSERT_TRUE(db.ok());
    struct Fall {
        double vordruck;
        const char* artikel;
    };
    const Fall fälle[] = {{1.1, "A"}, {1.2, "B"}, {2.2, "C"}, {2.7, "D"}, {1.15, "B"}, {2.3, "D"}, {3.6, "E"}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.vordruck);
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(db.pfad(),
                              QStringLiteral("SELECT * FROM [Grunddaten Gefäße] ORDER BY [Inhalt in ltr],"
                                             "[Max, Betriebsdruck in bar],[Vordruck]"),
                              3, Kennwort::Artikeldatenbank, true),
                  0);
        Recordset& rs = *tab.GetADODB_Recordset();
        rs.MoveFirst();
        Gefäßauswahlkern::WähleVordruckvariante(rs, Zahlen::CSng(f.vordruck));
        VbVariant artikel;
        ASSERT_TRUE(rs.Wert(QStringLiteral("Art Nr"), artikel));
        EXPECT_EQ(artikel.toString(), QString::fromUtf8(f.artikel));
    }
}

TEST_F(Auswahltest, KeinBehälterPasstMeldung2357UndAuswahlGelöscht)
{
    anlage();
    (*d)["m_EinbringBreite"] = VbVariant(300.0);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    (*d)["m_IstAusgelegt"] = VbVariant(true);
    laden();
    l->Command1_Click(index(2));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2357(MAG feste Membrane 6 bar)")});
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 10);  // the last count tried
    EXPECT_EQ(d->zahl("m_GefaessGruppe"), 0);
    EXPECT_FALSE((*d)["m_IstAusgelegt"].toBool());
    EXPECT_EQ(seite.kommando[2], 0);
}

TEST_F(Auswahltest, Gruppe11VerlangtArbeitsdruckdifferenz)
{
    struct Fall {
        double vordruck;
        bool abgelehnt;
    };
    for (const Fall f : {Fall{2.0, true}, Fall{1.9, false}}) {
        SCOPED_TRACE(f.vordruck);
        anlage();
        (*d)["m_ArtMembran"] = VbVariant::lng(1);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
        (*d)["m_r_pVordruck"] = VbVariant(f.vordruck);
        laden();
        rec.leeren();
        l->Command1_Click(index(11));
        if (f.abgelehnt) {
            EXPECT_EQ(meldungen(), QStringList{QStringLiteral("3:2301(0,6)")});
            EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 0);
            EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));
        } else {
            EXPECT_FALSE(meldungen().contains(QStringLiteral("3:2301(0,6)")));
            EXPECT_EQ(seite.dialoge, QList<int16_t>{11});
        }
    }
}

TEST_F(Auswahltest, AutomatengruppenBegrenzenDieAnzahl)
{
    EXPECT_EQ(L::GetMaxBehälteranzahl(9), 9);
    for (int16_t g : {11, 14, 60, 61})
        EXPECT_EQ(L::GetMaxBehälteranzahl(g), 3);
    EXPECT_EQ(L::GetMaxBehälteranzahl(2), 1);
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_GefaessAnzahl"] = VbVariant(15.0);
    laden();
    double beimDialog = 0;
    seite.beiOptionen = [&](int16_t) { beimDialog = d->zahl("m_GefaessAnzahl"); };
    l->Command1_Click(index(11));
    EXPECT_EQ(beimDialog, 3);
    (*d)["m_GefaessAnzahl"] = VbVariant(15.0);
    l->Command1_Click(index(9));
    EXPECT_EQ(beimDialog, 9);
}

TEST_F(Auswahltest, OhneBedarfMitKesselinternenGefäßenKeinBehälterAberWeiter)
{
    anlage();
    (*d)["m_r_vges"] = VbVariant(100.0);
    d->kesselintern = 120;
    zustand().AktProjektArtErstellung = 1;
    laden();
    l->Command1_Click(index(2));
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 0);
    EXPECT_EQ(l->gruppeNr(), 0);
    EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 1}));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Auswahltest, AbfragetexteMitInvariantenZahlenUndKältebedingung)
{
    for (const char* art : {"He", "Kü"}) {
        SCOPED_TRACE(art);
        anlage(QString::fromUtf8(art));
        (*d)["m_p_SV"] = VbVariant(2.5);
        laden();
        l->LadeBehälterlisteAutomatik(2, 1.5f);
        const QString kälte = QString::fromUtf8(art) == QStringLiteral("Kü") ? QStringLiteral(" AND [Kälteanlage] = True") : QString();
        EXPECT_EQ(l->Artikelliste()->Quelle(),
                  QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] =  2") + kälte
                      + QStringLiteral(" AND [Max, Betriebsdruck in bar] >=  2.5 AND ([Durchmesser in mm] + "
                                       "[MinderBreite in mm]) <=  1000 AND ([Höhe in mm] + [MinderHöhe in mm]) <=  2000 "
                                       "ORDER BY [Inhalt in ltr],[Max, Betriebsdruck in bar],[Vordruck]"));
    }
}

TEST_F(Auswahltest, VolumenAb32767FindetNichts)
{
    anlage();
    laden();
    l->LadeBehälterlisteAutomatik(2, 1.5f);
    EXPECT_FALSE(l->SucheBehälter(32767, 1.5f));
    EXPECT_TRUE(l->SucheBehälter(32766 / 40, 1.5f));
}

// --- Per-generator vessels ---

TEST_F(Auswahltest, EinzelabsicherungJeWärmeerzeuger)
{
    anlage();
    (*d)["m_Sicherung"] = VbVariant::lng(1);
    d->item("m_Leist_m_value", 1) = VbVariant::lng(100);
    d->item("m_Leist_m_value", 2) = VbVariant::lng(0);
    d->item("m_Leist_m_value", 3) = VbVariant::lng(200);
    d->item("m_Einzel_BehGesVol_m_value", 1) = VbVariant::integer(30);
    d->item("m_Einzel_BehGesVol_m_value", 3) = VbVariant::integer(5000);
    laden();
    l->Command1_Click(index(2));  // single protection groups 2, then 3
    EXPECT_EQ(d->item("m_Einzel_GefässArtNr_m_value", 1).toString(), QStringLiteral("40201"));
    EXPECT_EQ(d->item("m_Einzel_GefässArtNr_m_value", 2).toString(), QStringLiteral(" "));
    EXPECT_EQ(d->item("m_Einzel_GefässArtNr_m_value", 3).toString(), QStringLiteral(" "));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2362(3,5000)")});
    EXPECT_TRUE(l->block().übersicht);  // single protection shows the summary button
}

TEST_F(Auswahltest, OhneErsteEinzelgruppeWirdDieZweiteDurchsucht)
{
    // The flat vessels of group 6 offered again (E1 0, the ninth fixed-membrane group).
    ArtikelFixture katalog(ArtikelFixture::Demo{QStringLiteral("UPDATE [Gruppen MAG] SET Heizung = -1, Kälte = -1 WHERE Gruppe = 6")});
    anlage();
    (*d)["m_Sicherung"] = VbVariant::lng(1);
    d->item("m_Leist_m_value", 1) = VbVariant::lng(100);
    d->item("m_Einzel_BehGesVol_m_value", 1) = VbVariant::integer(150);
    (*d)["m_r_vges"] = VbVariant(150.0);
    laden();
    l->Command1_Click(index(6));  // group 6: no first group, second group 3
    EXPECT_EQ(d->item("m_Einzel_GefässArtNr_m_value", 1).toString(), QStringLiteral("40301"));
    EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join(QLatin1Char(';')).toStdString();

    // Group 8 has no second group: a generator it cannot serve is named.
    d->item("m_Einzel_BehGesVol_m_value", 1) = VbVariant::integer(900);
    l->Command1_Click(index(8));
    EXPECT_EQ(d->item("m_Einzel_GefässArtNr_m_value", 1).toString(), QStringLiteral(" "));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2362(1,900)")});
}

// --- Loading: clearing, pressure factor, host run ---

TEST_F(Auswahltest, NeuauslegungLöschtAuswahlUndSchlammabscheider)
{
    anlage();
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    (*d)["m_GefaessGruppe"] = VbVariant(2.0);
    (*d)["m_GefaessAnzahl"] = VbVariant(3.0);
    (*d)["m_ZubehörSteuerung"] = VbVariant::integer(0x1FF);
    (*d)["m_Zub_Schlamm_Anordnung"] = VbVariant::integer(2);
    d->item("m_Zub_Schlamm_ArtNr_m_value", 1) = VbVariant(QStringLiteral("32002"));
    zustand().NeuAuslegungErforderlich = true;
    laden();
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 1);
    EXPECT_EQ((*d)["m_ZubehörSteuerung"].toLong(), 0x100);  // only the eight accessory bits
    EXPECT_EQ((*d)["m_Zub_Schlamm_Anordnung"].toLong(), 0);
    EXPECT_EQ(d->item("m_Zub_Schlamm_ArtNr_m_value", 1).toString(), QStringLiteral(" "));
}

TEST_F(Auswahltest, GespeicherterBehälterWirdAngezeigtUndWeiterAngeboten)
{
    anlage();
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40213"));
    (*d)["m_GefaessGruppe"] = VbVariant(2.0);
    (*d)["m_GefaessAnzahl"] = VbVariant(2.0);
    laden();
    EXPECT_EQ(l->block().inhalt, QStringLiteral("500"));
    EXPECT_EQ(l->gruppeNr(), 2);
    ASSERT_TRUE(l->Aktivieren());
    EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 1}));

    anlage();
    d->sonderfall = true;  // boiler-internal vessels take everything
    laden();
    l->Aktivieren();
    EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 1}));
    anlage();
    laden();
    l->Aktivieren();
    EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 0}));
}

TEST_F(Auswahltest, DruckfaktorÜberGrenzeSperrtGaspolster)
{
    struct Fall {
        double pfak;
        bool gesperrt;
    };
    for (const Fall f : {Fall{0.61, true}, Fall{0.605, false}, Fall{0.60, false}}) {
        SCOPED_TRACE(f.pfak);
        anlage();
        (*d)["m_r_pfak"] = VbVariant(f.pfak);
        rec.leeren();
        laden();
        EXPECT_EQ(l->gaspolsterGesperrt(), f.gesperrt);
        EXPECT_EQ((*d)["m_ArtDruckhaltung"].toLong(), f.gesperrt ? 1 : 0);
        EXPECT_EQ((*d)["m_ArtMembran"].toLong(), f.gesperrt ? 1 : 0);
        EXPECT_TRUE(rec.boxen.isEmpty());
        l->Aktivieren();
        EXPECT_EQ(meldungen(), f.gesperrt ? QStringList{QStringLiteral("1:2207(0,6)")} : QStringList{});
        if (f.gesperrt) {
            EXPECT_EQ(gruppen(), (QList<int16_t>{9, 11, 14}));
        }
    }
}

TEST_F(Auswahltest, OptionenHaltenSichKonsistentUndGruppeBleibtWennGelistet)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(0);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);  // inconsistent: fixed membrane wins
    laden();
    EXPECT_EQ((*d)["m_ArtDruckhaltung"].toLong(), 0);
    l->Command1_Click(index(2));
    l->Membrane_Click(1);
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("1:2204()")});
    EXPECT_EQ(gruppen(), (QList<int16_t>{5, 60, 61, 74}));
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));  // group 2 no longer listed
    l->Command1_Click(index(5));
    const QString gewählt = d->text("m_GefaessArtNr");
    l->Druckhaltung_Click(0);  // group 5 stays listed: its choice stays
    EXPECT_EQ(d->text("m_GefaessArtNr"), gewählt);
    l->Druckhaltung_Click(1);
    EXPECT_EQ((*d)["m_ArtMembran"].toLong(), 1);
    EXPECT_EQ(gruppen(), (QList<int16_t>{9, 11, 14}));
    l->Membrane_Click(0);
    EXPECT_EQ((*d)["m_ArtDruckhaltung"].toLong(), 0);
}

TEST_F(Auswahltest, GetippteAnzahlBleibtTürbreiteSetztAnzahlZurück)
{
    anlage();
    laden();
    l->Command1_Click(index(2));
    (*d)["m_GefaessAnzahl"] = VbVariant(4.0);  // the bound box took the typed count
    l->TextGeaendert(3);
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 4);
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));
    l->Command1_Click(index(2));
    l->TextGeaendert(0);
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 1);
    EXPECT_EQ(seite.kommando[2], 0);
}

class Hostanbindung : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString&) override { return false; }
    void RückgabeInXML_AuswahlErfolgreich(int) override {}
    void RückgabeInXML_AuswahlNutzerabbruch(int) override {}
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund) override
    {
        antworten << QStringLiteral("%1:%2").arg(modus).arg(grund);
    }
    QStringList antworten;
};

TEST_F(Auswahltest, HostwahlNachLeistungUndTyvoModus)
{
    struct Fall {
        int modus;
        double leistung;
        bool ausgelegt;
        int16_t gruppe;  // 0: no choice
    };
    const Fall fälle[] = {
        {1, 400, false, 2},
        {1, 401, false, 14},  // a control module fits 3.5 bar at 401 kW
        {2, 400, false, 2},
        {2, 400, true, 0},    // already designed: no choice in host mode 2
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.leistung);
        anlage();
        zustand().TyvoModus = f.modus;
        zustand().Automatiklauf = true;
        (*d)["m_Leist_ges"] = VbVariant(f.leistung);
        (*d)["m_p_soll"] = VbVariant(3.5);
        (*d)["m_IstAusgelegt"] = VbVariant(f.ausgelegt);
        (*d)["m_GefaessAnzahl"] = VbVariant(5.0);
        seite.dialoge.clear();
        seite.beiOptionen = [this](int16_t) { EXPECT_TRUE(l->autoBearbeitungUnterformAutomaten); };
        laden();
        EXPECT_EQ(zustand().Automatiklauf, f.modus == 1);
        l->Aktivieren();
        EXPECT_EQ(d->zahl("m_GefaessGruppe"), f.gruppe);
        EXPECT_FALSE(l->autoBearbeitungUnterformAutomaten);
        if (f.gruppe == 14) {
            EXPECT_EQ(seite.dialoge, QList<int16_t>{14});
        }
        if (f.gruppe != 0) {
            EXPECT_EQ((*d)["m_ArtMembran"].toLong(), f.leistung > 400 ? 1 : 0);
        }
    }
}

TEST_F(Auswahltest, HostlaufEndetBeiDruckfaktorMitGrund)
{
    Hostanbindung host;
    setzeTyvoAnbindung(&host);
    anlage();
    zustand().TyvoModus = 1;
    (*d)["m_r_pfak"] = VbVariant(0.7);
    laden(L::Ladeergebnis::Zwangsende);
    setzeTyvoAnbindung(nullptr);
    EXPECT_EQ(zustand().AbbruchCode, 3);
    ASSERT_EQ(host.antworten.size(), 1);
    EXPECT_TRUE(host.antworten[0].startsWith(QStringLiteral("1:Der Druckfaktor übersteigt 0,6.\r\n"))) << host.antworten[0].toStdString();
    EXPECT_FALSE(l->Aktivieren());
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Auswahltest, ArtikeldatenbankFehltLadefehlerOderZwangsende)
{
    Hostanbindung host;
    setzeTyvoAnbindung(&host);
    for (int modus : {0, 2}) {
        anlage();
        zustand().Artikel_Data_Source = QStringLiteral("/nicht/da.db");
        zustand().TyvoModus = modus;
        laden(modus == 0 ? L::Ladeergebnis::Ladefehler : L::Ladeergebnis::Zwangsende);
    }
    setzeTyvoAnbindung(nullptr);
    EXPECT_EQ(host.antworten, QStringList{QStringLiteral("2:") + L::Abbruchgrund});
}

TEST_F(Auswahltest, HinweisEinzelabsicherungBeiGruppe14)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_p_SV"] = VbVariant(5.0);
    (*d)["m_p_soll"] = VbVariant(3.5);
    laden();
    l->Command1_Click(index(14));
    EXPECT_EQ(seite.hinweis, LadeText(2143));
    (*d)["m_Sicherung"] = VbVariant::lng(1);
    l->Anzeige_Behälter(false);
    EXPECT_TRUE(seite.hinweis.isEmpty());
}

// Every name the page uses resolves on the real heating data object.
TEST(Behaelterauswahlnamen, AlleNamenGibtEsAmHeizungsobjekt)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    Datenobjektdatenbanken dbs;
    GlobDatenHeizung h;
    for (const QString& name : Behälterauswahl::Membernamen(QStringLiteral("He")))
        EXPECT_TRUE(h.Member().hat(name)) << name.toStdString();
    EXPECT_NE(h.Gebunden<conTextBoxAdodb>(QStringLiteral("m_EinbringBreite")), nullptr);
    EXPECT_NE(h.Gebunden<conOptButtAdodb>(QStringLiteral("m_ArtMembran")), nullptr);
    EXPECT_EQ(h.Gebunden<conValueAdodb>(QStringLiteral("m_EinbringBreite")), nullptr);
    zustandZuruecksetzen();
}

}  // namespace
