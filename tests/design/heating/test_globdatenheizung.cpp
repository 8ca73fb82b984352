#include <gtest/gtest.h>

#include "HeizungsDatenbank.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

namespace {

using Objekt = std::unique_ptr<GlobDatenHeizung>;

class HeizungsDatenobjekt : public HeizungsDatenbank {
protected:
    // A row of the project as another program run left it: every other field has its column default.
    void zeile(const QString& projekt, const QString& spalten = {}, const QString& werte = {})
    {
        sql(QStringLiteral("INSERT INTO Heizungsparameter (\"Projekt Nr\"%1) VALUES ('%2'%3)")
                .arg(spalten.isEmpty() ? QString() : QStringLiteral(", ") + spalten, projekt,
                     werte.isEmpty() ? QString() : QStringLiteral(", ") + werte));
    }

    Objekt gebunden()
    {
        Objekt g = neu();
        EXPECT_EQ(g->Init(), 0);
        return g;
    }

    std::vector<MeldungsBox> datenbankMeldungen() const
    {
        std::vector<MeldungsBox> b;
        for (const MeldungsBox& m : meldungen.boxen)
            if (m.art == Meldungsart::Datenbankfehler)
                b.push_back(m);
        return b;
    }
};

// --- New row ---

TEST_F(HeizungsDatenobjekt, ErstesProjektBekommtVorgaben)
{
    Objekt g = gebunden();
    ASSERT_EQ(zeilen(), 1);  // the row is stored by Init
    EXPECT_EQ(feld(QStringLiteral("Projekt Nr")).toString(), QStringLiteral("H-1"));

    // Defaults in memory, with the types a new row writes.
    EXPECT_EQ(g->m_Leist_ges.m_Value, 3);
    EXPECT_EQ(g->m_Primärtemp.m_Value, 5);
    EXPECT_EQ(g->m_Temp_V.m_Value, 30);
    EXPECT_EQ(g->m_Temp_R.m_Value, 10);
    EXPECT_EQ(g->m_p_stat.m_Value, 1);
    EXPECT_EQ(g->m_p_SV.m_Value, 2.5);
    EXPECT_EQ(g->m_p_soll.m_Value, 1.7);
    EXPECT_EQ(g->m_Wasservorlage.m_Value, 3);
    EXPECT_EQ(g->m_EinbringBreite.m_Value, 1000);
    EXPECT_EQ(g->m_EinbringHoehe.m_Value, 2000);
    EXPECT_EQ(g->m_GefaessAnzahl.m_Value, 1);
    EXPECT_EQ(g->m_SteuerbehAnzahl.m_Value, 1);
    EXPECT_EQ(g->m_Beheiz.m_Value, 0);
    EXPECT_FALSE(g->m_ZusKomprPumpe.m_Value);
    EXPECT_EQ(g->m_IstBerechnet.m_Value.typ(), VbVariant::Typ::Boolean);
    EXPECT_FALSE(g->m_IstBerechnet.m_Value.toBool());
    EXPECT_EQ(g->m_Zub_WMangelSichArt.m_Value.typ(), VbVariant::Typ::Integer);
    EXPECT_EQ(g->m_Zub_WMangelSichArt.m_Value.toInteger(), 1);
    EXPECT_EQ(g->m_Zub_Systemtrenner.m_Value.toInteger(), 1);
    EXPECT_EQ(g->m_Zub_SchlammIso.m_Value.toInteger(), 1);
    EXPECT_EQ(g->m_GefaessInhalt.m_Value.typ(), VbVariant::Typ::Integer);
    EXPECT_EQ(g->m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(g->m_Zub_Lufttopf_ArtNr_m_value(6), QStringLiteral(" "));
    EXPECT_EQ(g->m_Zub_SichVentil_Anz_m_value(1), 0);

    // The column default of "Wasservorlage" is 0; the object's default reaches the row at release.
    EXPECT_EQ(feld(QStringLiteral("Wasservorlage")).toInt(), 0);
    g.reset();
    EXPECT_EQ(feld(QStringLiteral("Wasservorlage")).toInt(), 3);
    EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), 3);
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur")).toInt(), 30);
    EXPECT_NEAR(feld(QStringLiteral("p Soll")).toDouble(), 1.7, 1e-6);
    EXPECT_EQ(feld(QStringLiteral("Türbreite")).toInt(), 1000);
    EXPECT_EQ(feld(QStringLiteral("Mangelsicherung")).toInt(), 1);
    EXPECT_EQ(feld(QStringLiteral("GefäßArtNr")).toString(), QStringLiteral(" "));
    EXPECT_EQ(feld(QStringLiteral("LufttöpfeArtNr6")).toString(), QStringLiteral(" "));
    EXPECT_TRUE(feld(QStringLiteral("Beheizung direkt")).toBool());
    EXPECT_FALSE(feld(QStringLiteral("Beheizung indirekt")).toBool());
    EXPECT_EQ(zeilen(), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(HeizungsDatenobjekt, JedesFeldDerTabelleIstGebunden)
{
    const QStringList spalten =
        wert(QStringLiteral("SELECT group_concat(name, '|') FROM pragma_table_info('Heizungsparameter')"))
            .toString()
            .split(QLatin1Char('|'));
    ASSERT_EQ(spalten.size(), 211);
    Objekt g = gebunden();
    // Clear the stored row behind the object's back: its write-back has to fill every field again.
    QStringList setze;
    for (const QString& s : spalten)
        if (s != QLatin1String("Projekt Nr"))
            setze << QStringLiteral("\"%1\" = NULL").arg(s);
    sql(QStringLiteral("UPDATE Heizungsparameter SET ") + setze.join(QLatin1String(", ")));
    g.reset();
    QStringList ungebunden;
    for (const QString& s : spalten)
        if (feld(s).isNull())
            ungebunden << s;
    EXPECT_TRUE(ungebunden.isEmpty()) << ungebunden.join(QLatin1String(", ")).toStdString();
}

// --- Existing row ---

TEST_F(HeizungsDatenobjekt, VorhandeneZeileWirdGeladenUndGerundet)
{
    zeile(QStringLiteral("H-1"),
          QStringLiteral("\"p statisch\", \"p dynamisch\", \"Druckfaktor\", \"Ausdehnungsfaktor\", "
                         "\"p Sicherheitsventil\", \"Anfangsdruck\", \"Wärmeerzeuger2\", \"Kesselvolumen2\", "
                         "\"tiefliegende Zentrale\", \"Dachzentrale\", \"GefäßArtNr\", \"Behälterinhalt\", "
                         "\"Mangelsicherung\", \"SichventilArtNr3\", \"SichventAnz2\", \"IstAusgelegt\", "
                         "\"FernleitungDN65\""),
          QStringLiteral("2.25, 2.75, 0.125, 0.375, 2.3, 1.15, 120, 300, 0, 1, '12345', 400, 2, NULL, NULL, 1, 12"));
    Objekt g = gebunden();
    EXPECT_EQ(zeilen(), 1);  // nothing added
    // The Single fields are rounded to their decimals, halves to even.
    EXPECT_EQ(g->m_p_stat.m_Value, 2.2);
    EXPECT_EQ(g->m_p_dyn.m_Value, 2.8);
    EXPECT_EQ(g->m_r_pfak.m_Value, 0.12);
    EXPECT_EQ(g->m_r_af.m_Value, 0.38);
    EXPECT_EQ(g->m_p_SV.m_Value, 2.3);
    EXPECT_EQ(g->m_r_pVordruck.m_Value, 1.1);  // 1.15 as Single is 1.1499999762
    // Everything else as stored, no defaults applied.
    EXPECT_EQ(g->m_Leist_2.m_Value, 120);
    EXPECT_EQ(g->m_KesselVol_m_value(2), 300);
    EXPECT_EQ(g->m_Anlage.m_Value, 1);
    EXPECT_EQ(g->m_GefaessArtNr.m_Value.toString(), QStringLiteral("12345"));
    EXPECT_EQ(g->m_GefaessInhalt.m_Value.toLong(), 400);
    EXPECT_EQ(g->m_Zub_WMangelSichArt.m_Value.toInteger(), 2);
    EXPECT_TRUE(g->m_IstAusgelegt.m_Value.toBool());
    EXPECT_EQ(g->m_LaengeDN65.m_Value, 12);
    EXPECT_EQ(g->m_Wasservorlage.m_Value, 0);  // column default, not the object's 3
    // An empty article field reads "" (not one blank), an empty count 0.
    EXPECT_EQ(g->m_Zub_SichVentil_ArtNr_m_value(3), QString());
    EXPECT_EQ(g->m_Zub_SichVentil_Anz_m_value(2), 0);
}

TEST_F(HeizungsDatenobjekt, AenderungenGehenBeimFreigebenZurueck)
{
    zeile(QStringLiteral("H-2"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("55"));
    zeile(QStringLiteral("H-1"), QStringLiteral("\"p dynamisch\""), QStringLiteral("2.75"));
    Objekt g = gebunden();
    g->m_p_stat.m_Value = 1.9;
    g->m_Beheiz.m_Value = 1;
    g->m_Wechselstörschalt.m_Value = true;
    g->m_IstBerechnet.m_Value = VbVariant(true);
    g->m_Leist_m_value(3, 250);
    g->m_Zub_Schlamm_ArtNr_m_value(2, QStringLiteral("777"));
    g->m_Zub_Entlüftung_Anz_m_value(1, 5, 3);
    EXPECT_EQ(feld(QStringLiteral("p statisch")).toDouble(), 1.0);  // nothing stored before release
    g.reset();
    EXPECT_NEAR(feld(QStringLiteral("p statisch")).toDouble(), 1.9, 1e-6);
    EXPECT_NEAR(feld(QStringLiteral("p dynamisch")).toDouble(), 2.8, 1e-6);  // as loaded, rounded
    EXPECT_FALSE(feld(QStringLiteral("Beheizung direkt")).toBool());
    EXPECT_TRUE(feld(QStringLiteral("Beheizung indirekt")).toBool());
    EXPECT_TRUE(feld(QStringLiteral("Wechselstörschalt")).toBool());
    EXPECT_TRUE(feld(QStringLiteral("IstBerechnet")).toBool());
    EXPECT_EQ(feld(QStringLiteral("Wärmeerzeuger3")).toInt(), 250);
    EXPECT_EQ(feld(QStringLiteral("SchlammabArtNr2")).toString(), QStringLiteral("777"));
    EXPECT_EQ(feld(QStringLiteral("ZentrifAbschAnz5")).toInt(), 3);
    // The other project's row is untouched.
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur"), QStringLiteral("H-2")).toInt(), 55);
    EXPECT_EQ(feld(QStringLiteral("p statisch"), QStringLiteral("H-2")).toDouble(), 1.0);
}

TEST_F(HeizungsDatenobjekt, OhneSpeichernBleibtDieZeile)
{
    zeile(QStringLiteral("H-1"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("70"));
    Objekt g = gebunden();
    g->m_Temp_V.m_Value = 90;
    g->m_TerminateMitUpdate = false;
    g.reset();
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur")).toInt(), 70);
}

TEST_F(HeizungsDatenobjekt, HostlaufOhneSpeichernLegtKeineZeileAn)
{
    zustand().ProjektNichtSpeichern = true;
    zeile(QStringLiteral("H-0"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("60"));
    Objekt g = gebunden();
    EXPECT_EQ(zeilen(), 1);
    EXPECT_EQ(g->m_Temp_V.m_Value, 30);  // defaults in memory
    g->m_Temp_V.m_Value = 80;
    g.reset();
    EXPECT_EQ(zeilen(), 1);
    EXPECT_FALSE(feld(QStringLiteral("Projekt Nr")).isValid());
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur"), QStringLiteral("H-0")).toInt(), 60);

    // The first project ever: the table stays empty.
    sql(QStringLiteral("DELETE FROM Heizungsparameter"));
    g = gebunden();
    EXPECT_EQ(g->m_Leist_ges.m_Value, 3);
    g.reset();
    EXPECT_EQ(zeilen(), 0);
    EXPECT_TRUE(datenbankMeldungen().empty());
}

// --- Deletion ---

TEST_F(HeizungsDatenobjekt, LoeschenNachDemZurueckschreiben)
{
    for (bool speichern : {true, false}) {
        SCOPED_TRACE(speichern);
        sql(QStringLiteral("DELETE FROM Heizungsparameter"));
        zeile(QStringLiteral("H-1"));
        zeile(QStringLiteral("H-2"));
        Objekt g = gebunden();
        g->m_TerminateMitUpdate = speichern;
        g->LoeschenDatensatzBeiTerminate();
        g.reset();
        EXPECT_FALSE(feld(QStringLiteral("Projekt Nr")).isValid());
        EXPECT_EQ(zeilen(), 1);
    }
}

TEST_F(HeizungsDatenobjekt, LoeschenTrifftDasGebundeneProjekt)
{
    zeile(QStringLiteral("H-1"));
    zeile(QStringLiteral("H-2"));
    Objekt g = gebunden();
    g->LoeschenDatensatzBeiTerminate();
    zustand().aktProjektnummer = QStringLiteral("H-2");  // another project became current meanwhile
    g.reset();
    EXPECT_FALSE(feld(QStringLiteral("Projekt Nr"), QStringLiteral("H-1")).isValid());
    EXPECT_TRUE(feld(QStringLiteral("Projekt Nr"), QStringLiteral("H-2")).isValid());
}

TEST_F(HeizungsDatenobjekt, ProjektnummerMitApostroph)
{
    zustand().aktProjektnummer = QStringLiteral("O'Neill 7");
    Objekt g = gebunden();
    g->m_Temp_V.m_Value = 65;
    g.reset();
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur"), QStringLiteral("O''Neill 7")).toInt(), 65);
    g = gebunden();
    EXPECT_EQ(zeilen(), 1);
    EXPECT_EQ(g->m_Temp_V.m_Value, 65);
    g->LoeschenDatensatzBeiTerminate();
    g.reset();
    EXPECT_EQ(zeilen(), 0);
    EXPECT_TRUE(datenbankMeldungen().empty());
}

// --- Parameter table cannot be opened ---

TEST_F(HeizungsDatenobjekt, TabelleNichtZuOeffnen)
{
    // A database with its password but without the table: the query fails.
    TestDatenbank ohneTabelle;
    zustand().Projekt_Data_Source = ohneTabelle.pfad();
    Objekt g = neu();
    EXPECT_EQ(g->Init(), 2);
    EXPECT_EQ(g->Init(), 2);
    EXPECT_FALSE(g->m_Int_Tab);
    EXPECT_FALSE(g->DBTabArtikel);
    EXPECT_EQ(datenbankMeldungen().size(), 1u);
    g->LoeschenDatensatzBeiTerminate();
    g.reset();

    // A file that cannot be opened at all.
    zustand().Projekt_Data_Source = ordner.filePath(QStringLiteral("fehlt/keine.db"));
    g = neu();
    EXPECT_EQ(g->Init(), 1);
    g.reset();
    EXPECT_EQ(zeilen(), 0);
}

// --- Indexed members ---

TEST_F(HeizungsDatenobjekt, LeistungUndKesselinhaltJeErzeuger)
{
    Objekt g = gebunden();
    g->m_Leist_2.m_Value = 12.5;
    EXPECT_EQ(g->m_Leist_m_value(2), 12);
    g->m_Leist_2.m_Value = 13.5;
    EXPECT_EQ(g->m_Leist_m_value(2), 14);
    g->m_Leist_m_value(2, 40);
    EXPECT_EQ(g->m_Leist_2.m_Value, 40.0);
    EXPECT_EQ(g->m_Leist_m_value(0), 0);
    g->m_Leist_m_value(7, 99);
    EXPECT_EQ(g->Sum_Waermeleistung(), 40.0);

    g->m_KesselVol_6.m_Value = 100.5;
    EXPECT_EQ(g->m_KesselVol_m_value(6), 100);
    g->m_KesselVol_m_value(1, 250);
    EXPECT_EQ(g->m_KesselVol_1.m_Value, 250.0);
    EXPECT_EQ(g->m_KesselVol_m_value(-1), 0);
    g->m_KesselVol_3.m_Value = 40000;  // beyond 16 bits
    EXPECT_THROW(g->m_KesselVol_m_value(3), MemberFehler);
}

TEST_F(HeizungsDatenobjekt, PositionenAusserhalbSindFehler)
{
    Objekt g = gebunden();
    EXPECT_THROW(g->m_Einzel_AusdVol_m_value(0), MemberFehler);
    EXPECT_THROW(g->m_Zub_Schlamm_ArtNr_m_value(7, QStringLiteral("1")), MemberFehler);
    EXPECT_THROW(g->m_Zub_Entlüftung_ArtNr_m_value(0, 7), MemberFehler);
    g->m_Einzel_GefässArtNr_m_value(6, QStringLiteral("A6"));
    EXPECT_EQ(g->m_Einzel_GefässArtNr_m_value(6), QStringLiteral("A6"));
    g->m_Einzel_AufnVol_m_value(1, 321);
    EXPECT_EQ(g->m_Einzel_AufnVol_m_value(1), 321);
}

TEST_F(HeizungsDatenobjekt, EntlueftungIstZweiterWegInDieListen)
{
    Objekt g = gebunden();
    g->m_Zub_Entlüftung_ArtNr_m_value(1, 3, QStringLiteral("Z3"));
    EXPECT_EQ(g->m_Zub_ZentrAbsch_ArtNr_m_value(3), QStringLiteral("Z3"));
    g->m_Zub_AbsAbsch_ArtNr_m_value(2, QStringLiteral("M2"));
    EXPECT_EQ(g->m_Zub_Entlüftung_ArtNr_m_value(0, 2), QStringLiteral("M2"));
    g->m_Zub_Lufttopf_Anz_m_value(4, 9);
    EXPECT_EQ(g->m_Zub_Entlüftung_Anz_m_value(2, 4), 9);
    // Another family: the write changes nothing, the read is neutral.
    g->m_Zub_Entlüftung_ArtNr_m_value(3, 1, QStringLiteral("X"));
    EXPECT_EQ(g->m_Zub_Entlüftung_ArtNr_m_value(3, 1), QString());
    g->m_Zub_Entlüftung_Anz_m_value(-1, 1, 5);
    EXPECT_EQ(g->m_Zub_Entlüftung_Anz_m_value(-1, 1), 0);
    for (int16_t i = 1; i <= 6; ++i) {
        EXPECT_NE(g->m_Zub_AbsAbsch_ArtNr_m_value(i), QStringLiteral("X"));
        EXPECT_EQ(g->m_Zub_AbsAbsch_Anz_m_value(i), 0);
    }
}

// --- Access by name ---

TEST_F(HeizungsDatenobjekt, NamenDerDesignerUndAnderenAufruferLoesenSichAuf)
{
    Objekt g = gebunden();
    const MemberRegister& r = g->Member();
    const char* const namen[] = {
        // safety-equipment designer
        "m_GefaessArtNr", "Sum_Waermeleistung", "m_Leist_m_value", "m_Leist_ges", "m_AusfuehrSV", "m_p_SV",
        "m_Beheiz", "m_Primärtemp", "m_Int_Tab", "m_Anlage", "m_Zub_WMangelSichArt",
        "m_Zub_SichVentil_Anz_m_value", "m_Zub_SichVentil_ArtNr_m_value", "m_Zub_EntspGefäß_ArtNr_m_value",
        "m_Zub_WMangelSich_Anz", "m_Zub_AltMinDruBegr_Anz", "m_Zub_MaxDruBegr_Anz",
        // accessory designer
        "m_SteuerbehAnzahl", "m_GefaessAnzahl", "m_GefaessGruppe", "m_Sicherung", "m_KesselVol_m_value",
        "m_Einzel_GefässArtNr_m_value", "m_Einzel_AusdVol_m_value", "m_Zub_Nachspeisung", "m_ArtDruckhaltung",
        "m_SteuerModulKomp", "m_r_pVordruck", "m_r_pend", "m_VolAnlage", "m_r_vaus", "m_Temp_R", "m_Temp_V",
        "m_EinbringBreite", "m_EinbringHoehe", "m_Zub_Systemtrenner", "m_Zub_KappV_Beh_Anz",
        "m_Zub_KappV_Beh_ArtNr", "m_Zub_KappV_Erz_ArtNr_m_value", "m_Zub_Sammelleit_DN",
        "m_Zub_Nachspeise_Anz", "m_Zub_Nachspeise_ArtNr", "m_Zub_Vorlagebeh_ArtNr",
        "m_Zub_VorlBehEinz_ArtNr_m_value",
        // vessel page, safety page, reports, schematic
        "Sum_KesselinterneMAGs", "TyvoSonderfallKeinMAGerlaubt", "GetFülldruck", "GetFüllvolumen",
    };
    for (const char* n : namen)
        EXPECT_TRUE(r.hat(QString::fromUtf8(n))) << n;
    // Every bound member, item list and operation of the class.
    EXPECT_GE(r.namen().size(), 104 + 21 + 14);
}

TEST_F(HeizungsDatenobjekt, ZugriffUeberNamenTrifftDieMember)
{
    Objekt g = gebunden();
    MemberRegister& r = g->Member();
    r.schreibe(QStringLiteral("m_p_SV"), VbVariant(3.5));
    EXPECT_EQ(g->m_p_SV.m_Value, 3.5);
    r.schreibe(QStringLiteral("m_AusfuehrSV"), VbVariant::integer(1));
    EXPECT_EQ(g->m_AusfuehrSV.m_Value, 1);
    r.schreibe(QStringLiteral("m_Zub_KappV_Beh_ArtNr"), VbVariant(QStringLiteral("K1")));
    EXPECT_EQ(g->m_Zub_KappV_Beh_ArtNr.m_Value.toString(), QStringLiteral("K1"));
    g->m_Leist_2.m_Value = 12.5;
    EXPECT_EQ(r.lese(QStringLiteral("m_Leist_m_value"), {VbVariant::integer(2)}).toLong(), 12);
    EXPECT_EQ(r.lese(QStringLiteral("m_Leist_m_value"), {VbVariant::integer(0)}).toLong(), 0);
    r.schreibe(QStringLiteral("m_Zub_SichVentil_ArtNr_m_value"), {VbVariant::integer(4)}, VbVariant(QStringLiteral("S4")));
    EXPECT_EQ(g->m_Zub_SichVentil_ArtNr_m_value(4), QStringLiteral("S4"));
    r.schreibe(QStringLiteral("m_Zub_SichVentil_Anz_m_value"), {VbVariant::integer(4)}, VbVariant::integer(2));
    EXPECT_EQ(g->m_Zub_SichVentil_Anz_m_value(4), 2);
    g->m_Zub_Lufttopf_Anz_m_value(4, 6);
    EXPECT_EQ(r.lese(QStringLiteral("m_Zub_Entlüftung_Anz_m_value"), {VbVariant::integer(2), VbVariant::integer(4)})
                  .toInteger(),
              6);
    try {
        r.lese(QStringLiteral("m_Einzel_AusdVol_m_value"), {VbVariant::integer(0)});
        ADD_FAILURE() << "no error";
    } catch (const MemberFehler& e) {
        EXPECT_EQ(e.grund(), MemberFehler::Grund::Index);
    }
    EXPECT_EQ(r.objekt<TabellenConst>(QStringLiteral("m_Int_Tab")), g->m_Int_Tab.get());
    EXPECT_EQ(r.objekt<datenbank>(QStringLiteral("DBTabArtikel")), g->DBTabArtikel.get());
    EXPECT_DOUBLE_EQ(r.rufe(QStringLiteral("Sum_Waermeleistung")).toDouble(), 12.5);
    g->m_r_pVordruck.m_Value = 1.5;
    g->m_GefaessAnzahl.m_Value = 2;
    g->m_GefaessInhalt.m_Value = VbVariant::integer(200);
    g->m_Wasservorlage.m_Value = 5;
    g->m_VolAnlage.m_Value = 1500;
    g->m_FrostZusatz.m_Value = 0;
    EXPECT_NEAR(r.rufe(QStringLiteral("GetFülldruck"), {VbVariant(50.0)}).toDouble(), 1.6, 1e-9);
    r.schreibe(QStringLiteral("m_TerminateMitUpdate"), VbVariant(false));
    EXPECT_FALSE(g->m_TerminateMitUpdate);
}

}  // namespace
