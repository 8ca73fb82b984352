#include <gtest/gtest.h>

#include "KaelteFixture.h"
#include "data/datenbank.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"
#include "design/selection/Behaelterauswahl.h"
#include "support/Datenobjektbindungen.h"
#include "support/TestDatenbank.h"

namespace {

using KälteDatenobjekt = KälteFixture;

TEST(GlobDatenKaelte, JedesMemberIstAnSeineSpalteGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenKälte>(QStringLiteral("Kälteparameter"),
                                                          Datenobjektbindungen::Kälte());
}

// --- New project ---

TEST_F(KälteDatenobjekt, NeuesProjektBekommtZeileUndVorgaben)
{
    Objekt g = gebunden();
    ASSERT_EQ(zeilen(), 1);  // stored by Init, with the column defaults
    EXPECT_EQ(feld(QStringLiteral("Wasservorlage")).toInt(), 0);

    EXPECT_EQ(g->m_Leist_ges.m_Value, 3);
    EXPECT_EQ(g->m_Wasservorlage.m_Value, 3);
    EXPECT_EQ(g->m_p_stat.m_Value, 0.5);
    EXPECT_EQ(g->m_p_SV.m_Value, 2.0);
    EXPECT_EQ(g->m_p_soll.m_Value, 1.2);
    EXPECT_EQ(g->m_EinbringBreite.m_Value, 1000);
    EXPECT_EQ(g->m_EinbringHoehe.m_Value, 2000);
    EXPECT_EQ(g->m_GefaessAnzahl.m_Value, 1);
    EXPECT_EQ(g->m_SteuerbehAnzahl.m_Value, 1);
    EXPECT_EQ(g->m_AnordnungMAG.m_Value, 0);
    EXPECT_EQ(g->m_ArtMembran.m_Value, 0);
    EXPECT_EQ(g->m_ArtDruckhaltung.m_Value, 0);
    EXPECT_EQ(g->m_Zub_Systemtrenner.m_Value.toInteger(), 1);
    EXPECT_EQ(g->m_Zub_SchlammIso.m_Value.toInteger(), 1);
    EXPECT_EQ(g->m_Zub_SichVentil_Anz.m_Value.typ(), VbVariant::Typ::Integer);
    EXPECT_EQ(g->m_Zub_SichVentil_Anz.m_Value.toInteger(), 0);
    EXPECT_EQ(g->m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(g->m_Zub_Lufttopf_ArtNr_m_value(6), QStringLiteral(" "));
    EXPECT_EQ(g->m_Zub_ZentrAbsch_Anz_m_value(1), 0);
    EXPECT_FALSE(g->m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(KälteDatenobjekt, FreigabeMitUndOhneSpeichern)
{
    struct Fall {
        bool speichern;
        int wasservorlage;
        int gesamtleistung;
    };
    for (const Fall f : {Fall{false, 0, 3}, Fall{true, 3, 3}}) {
        SCOPED_TRACE(f.speichern);
        sql(QStringLiteral("DELETE FROM \"Kälteparameter\""));
        Objekt g = gebunden();
        g->m_TerminateMitUpdate = f.speichern;
        g.reset();
        EXPECT_EQ(feld(QStringLiteral("Wasservorlage")).toInt(), f.wasservorlage);
        EXPECT_EQ(feld(QStringLiteral("GesamtwärmeleistungQ")).toInt(), f.gesamtleistung);
        EXPECT_EQ(zeilen(), 1);
    }
}

TEST_F(KälteDatenobjekt, JedeSpalteDerTabelleIstGebunden)
{
    const QStringList spalten =
        wert(QStringLiteral("SELECT group_concat(name, '|') FROM pragma_table_info('Kälteparameter')"))
            .toString()
            .split(QLatin1Char('|'));
    ASSERT_EQ(spalten.size(), 122);
    Objekt g = gebunden();
    // Clear the row behind the object's back: the write-back has to fill every column again.
    QStringList setze;
    for (const QString& s : spalten)
        if (s != QLatin1String("Projekt Nr"))
            setze << QStringLiteral("\"%1\" = NULL").arg(s);
    sql(QStringLiteral("UPDATE \"Kälteparameter\" SET ") + setze.join(QLatin1String(", ")));
    g.reset();
    QStringList ungebunden;
    for (const QString& s : spalten)
        if (feld(s).isNull())
            ungebunden << s;
    EXPECT_TRUE(ungebunden.isEmpty()) << ungebunden.join(QLatin1String(", ")).toStdString();
}

// --- Loading ---

TEST_F(KälteDatenobjekt, SingleSpaltenVerlierenIhreNachkommastellen)
{
    zeile(QStringLiteral("K-1"),
          QStringLiteral("\"p statisch\", \"p dynamisch\", \"p Sicherheitsventil\", \"p Soll\", \"Anfangsdruck\", "
                         "\"Enddruck\", \"Ausdehnungsfaktor\", \"Druckfaktor\", \"Wasservorlage\""),
          QStringLiteral("0.3, 0.25, 5.8, 1.35, 1.15, 2.75, 0.375, 0.27, 0"));
    Objekt g = gebunden();
    EXPECT_EQ(zeilen(), 1);
    EXPECT_EQ(g->m_p_stat.m_Value, 0.3);
    EXPECT_EQ(g->m_p_dyn.m_Value, 0.2);       // 0.25 to the even digit
    EXPECT_EQ(g->m_p_SV.m_Value, 5.8);        // 5.8000002 as Single
    EXPECT_EQ(g->m_p_soll.m_Value, 1.4);      // 1.35 as Single is 1.3500000238
    EXPECT_EQ(g->m_r_pVordruck.m_Value, 1.1); // 1.15 as Single is 1.1499999762
    EXPECT_EQ(g->m_r_pend.m_Value, 2.8);
    EXPECT_EQ(g->m_r_af.m_Value, 0.38);
    EXPECT_EQ(g->m_r_pfak.m_Value, 0.27);
    EXPECT_EQ(g->m_Wasservorlage.m_Value, 0);  // stored, not the new-project 3
}

TEST_F(KälteDatenobjekt, OptionsgruppeSchreibtGenauEineSpalte)
{
    Objekt g = gebunden();
    g->m_ArtDruckhaltung.m_Value = 1;
    g->m_AnordnungMAG.m_Value = 1;
    g.reset();
    EXPECT_FALSE(feld(QStringLiteral("KonstGaspolster")).toBool());
    EXPECT_TRUE(feld(QStringLiteral("DruckHalteAutom")).toBool());
    EXPECT_FALSE(feld(QStringLiteral("AnordnungMAG Zulaufseitig Pumpe")).toBool());
    EXPECT_TRUE(feld(QStringLiteral("AnordnungMAG Druckseitig Pumpe")).toBool());

    // A row with both columns False: the group keeps the index it held.
    g = gebunden();
    EXPECT_EQ(g->m_AnordnungMAG.m_Value, 1);
    sql(QStringLiteral("UPDATE \"Kälteparameter\" SET \"AnordnungMAG Zulaufseitig Pumpe\" = 0, "
                       "\"AnordnungMAG Druckseitig Pumpe\" = 0"));
    g->m_TerminateMitUpdate = false;
    auto zweites = gebunden();
    EXPECT_EQ(zweites->m_AnordnungMAG.m_Value, 0);  // a fresh object: its start value
    EXPECT_EQ(g->Init(), 0);                        // loads the row again
    EXPECT_EQ(g->m_AnordnungMAG.m_Value, 1);
}

TEST_F(KälteDatenobjekt, ProjektnummerMitApostrophFindetIhreZeile)
{
    zeile(QStringLiteral("A"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("4"));
    zeile(QStringLiteral("O'Neill 7"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("7"));
    zeile(QStringLiteral("Z"), QStringLiteral("\"Vorlauftemperatur\""), QStringLiteral("9"));
    zustand().aktProjektnummer = QStringLiteral("O'Neill 7");
    Objekt g = gebunden();
    EXPECT_EQ(g->m_Temp_Vorl.m_Value, 7);
    EXPECT_EQ(zeilen(), 3);

    // A number that would widen an unescaped criterion finds no row: it gets its own.
    g.reset();
    zustand().aktProjektnummer = QStringLiteral("X' OR '1'='1");
    g = gebunden();
    EXPECT_EQ(g->m_Temp_Vorl.m_Value, 0);
    g->m_Temp_Vorl.m_Value = 15;
    g.reset();
    EXPECT_EQ(zeilen(), 4);
    EXPECT_EQ(feld(QStringLiteral("Vorlauftemperatur"), QStringLiteral("X' OR '1'='1")).toInt(), 15);
    for (const char* p : {"A", "O'Neill 7", "Z"})
        EXPECT_NE(feld(QStringLiteral("Vorlauftemperatur"), QString::fromUtf8(p)).toInt(), 15) << p;
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(KälteDatenobjekt, TabelleNichtZuOeffnen)
{
    TestDatenbank ohneTabelle;
    zustand().Projekt_Data_Source = ohneTabelle.pfad();
    auto g = std::make_unique<GlobDatenKälte>();
    EXPECT_EQ(g->Init(), 2);
    EXPECT_FALSE(g->m_Int_Tab);
    // Every procedure does nothing.
    g->BerechneDruckSicherheitsventil(true);
    EXPECT_FALSE(g->Rechnen_Kälteanlage());
    EXPECT_EQ(meldungen.boxen.size(), 1);  // the database message of the failed open
    g.reset();
}

// --- Indexed members ---

TEST_F(KälteDatenobjekt, LeistungJeKaelteerzeuger)
{
    Objekt g = gebunden();
    struct Fall {
        double gespeichert;
        int32_t gelesen;
    };
    for (const Fall f : {Fall{12.5, 12}, Fall{13.5, 14}, Fall{40, 40}}) {
        g->m_Leist_3.m_Value = f.gespeichert;
        EXPECT_EQ(g->m_Leist_m_value(3), f.gelesen) << f.gespeichert;
    }
    g->m_Leist_m_value(6, 250);
    EXPECT_EQ(g->m_Leist_6.m_Value, 250.0);
    g->m_Leist_m_value(0, 5);
    g->m_Leist_m_value(7, 5);
    EXPECT_EQ(g->m_Leist_m_value(0), 0);
    EXPECT_EQ(g->m_Leist_m_value(7), 0);
    EXPECT_EQ(g->Sum_Waermeleistung(), 40.0 + 250.0);
}

TEST_F(KälteDatenobjekt, ListenUndEntlueftungsfamilien)
{
    Objekt g = gebunden();
    EXPECT_THROW(g->m_Zub_Schlamm_ArtNr_m_value(7), MemberFehler);
    EXPECT_THROW(g->m_Zub_Lufttopf_Anz_m_value(0, 1), MemberFehler);
    EXPECT_THROW(g->m_Zub_Entlüftung_Anz_m_value(1, 7), MemberFehler);

    g->m_Zub_Entlüftung_Anz_m_value(1, 2, 4);
    EXPECT_EQ(g->m_Zub_ZentrAbsch_Anz_m_value(2), 4);
    g->m_Zub_AbsAbsch_ArtNr_m_value(5, QStringLiteral("A5"));
    EXPECT_EQ(g->m_Zub_Entlüftung_ArtNr_m_value(0, 5), QStringLiteral("A5"));
    g->m_Zub_Entlüftung_ArtNr_m_value(2, 1, QStringLiteral("L1"));
    EXPECT_EQ(g->m_Zub_Lufttopf_ArtNr_m_value(1), QStringLiteral("L1"));
    // Another family: writes nothing, reads "" or 0.
    g->m_Zub_Entlüftung_ArtNr_m_value(3, 1, QStringLiteral("X"));
    EXPECT_EQ(g->m_Zub_Entlüftung_ArtNr_m_value(3, 1), QString());
    g->m_Zub_Entlüftung_Anz_m_value(-1, 1, 9);
    EXPECT_EQ(g->m_Zub_Entlüftung_Anz_m_value(-1, 1), 0);

    // Every item reaches its column.
    for (int16_t i = 1; i <= 6; ++i) {
        g->m_Zub_Schlamm_ArtNr_m_value(i, QStringLiteral("S%1").arg(i));
        g->m_Zub_SchlammIso_ArtNr_m_value(i, QStringLiteral("I%1").arg(i));
        g->m_Zub_Lufttopf_Anz_m_value(i, i);
    }
    g.reset();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(feld(QStringLiteral("SchlammabArtNr%1").arg(i)).toString(), QStringLiteral("S%1").arg(i));
        EXPECT_EQ(feld(QStringLiteral("SchlammabIsoArtNr%1").arg(i)).toString(), QStringLiteral("I%1").arg(i));
        EXPECT_EQ(feld(QStringLiteral("LufttöpfeAnz%1").arg(i)).toInt(), i);
    }
    EXPECT_EQ(feld(QStringLiteral("ZentrifAbschAnz2")).toInt(), 4);
    EXPECT_EQ(feld(QStringLiteral("AbsorpAbschArtNr5")).toString(), QStringLiteral("A5"));
    g = gebunden();
    EXPECT_EQ(g->m_Zub_Schlamm_ArtNr_m_value(6), QStringLiteral("S6"));
    EXPECT_EQ(g->m_Zub_Entlüftung_Anz_m_value(2, 3), 3);
}

// --- Access by name ---

struct Name {
    const char* name;
    MemberRegister::Art art;
};

constexpr auto W = MemberRegister::Art::Wert;
constexpr auto I = MemberRegister::Art::Indiziert;
constexpr auto M = MemberRegister::Art::Methode;
constexpr auto O = MemberRegister::Art::Objekt;

// What the cooling pages, the vessel page 201, the safety page 202, the further-products page 203
// with its dialogs, the designers, the reports, the schematic and the main window use by name.
const Name aufrufernamen[] = {
    // main window
    {"m_TerminateMitUpdate", W}, {"Init", M}, {"m_IstAusgelegt", W},
    // vessel page and its automat dialogs
    {"m_ArtMembran", W}, {"m_ArtDruckhaltung", W}, {"m_EinbringBreite", W}, {"m_EinbringHoehe", W},
    {"m_GefaessAnzahl", W}, {"m_GefaessGruppe", W}, {"m_GefaessArtNr", W}, {"m_GefaessInhalt", W},
    {"m_BeistellArtNr", W}, {"m_KomprPumpeArtNr", W}, {"m_ZusKomprPumpeArtNr", W}, {"m_SteuerbehAnzahl", W},
    {"m_SteuerModulKomp", W}, {"m_ZusKomprPumpe", W}, {"m_Wechselstörschalt", W}, {"m_ZubehörSteuerung", W},
    {"m_Zub_KappV_Beh_ArtNr", W}, {"m_Zub_KappV_Beh_Anz", W}, {"m_r_vauf", W}, {"m_r_vges", W}, {"m_p_SV", W},
    {"m_r_pfak", W}, {"m_r_pVordruck", W}, {"m_p_soll", W}, {"m_Leist_ges", W}, {"m_Leist_m_value", I},
    {"m_Temp_Vorl", W}, {"m_Temp_Rückl", W}, {"m_Int_Tab", O}, {"DBTabArtikel", O},
    // further-products page and its dialogs
    {"m_Zub_Schlamm_Anordnung", W}, {"m_Zub_SchlammIso", W}, {"m_Zub_Schlamm_ArtNr_m_value", I},
    {"m_Zub_SchlammIso_ArtNr_m_value", I}, {"m_Zub_Entlüftung_ArtNr_m_value", I},
    {"m_Zub_Entlüftung_Anz_m_value", I},
    // safety page, designers
    {"Sum_Waermeleistung", M}, {"m_VolAnlage", W}, {"m_r_pend", W}, {"m_r_vaus", W},
    {"m_Zub_SichVentil_ArtNr", W}, {"m_Zub_SichVentil_Anz", W}, {"m_Zub_Nachspeisung", W},
    {"m_Zub_Nachspeise_Anz", W}, {"m_Zub_Nachspeise_ArtNr", W}, {"m_Zub_Systemtrenner", W},
    {"m_Zub_Systemtrenner_ArtNr", W},
    // reports and schematic
    {"m_IstBerechnet", W}, {"m_AnordnungMAG", W}, {"Sum_V_Anlage", M}, {"m_LaengeDN20", W}, {"m_LaengeDN25", W},
    {"m_LaengeDN32", W}, {"m_LaengeDN40", W}, {"m_LaengeDN50", W}, {"m_LaengeDN65", W}, {"m_LaengeDN80", W},
    {"m_LaengeDN100", W}, {"m_LaengeDN125", W}, {"m_LaengeDN150", W}, {"m_LaengeDN200", W},
    {"m_LaengeDN250", W}, {"m_LaengeDN300", W}, {"m_LaengeDN350", W}, {"m_LaengeDN400", W},
    {"m_V_Sonstiges", W}, {"m_Temp_Umgeb", W}, {"m_FrostZusatz", W}, {"m_p_stat", W}, {"m_p_dyn", W},
    {"m_Wasservorlage", W}, {"m_r_af", W}, {"m_Zub_AbsAbsch_ArtNr_m_value", I}, {"m_Zub_AbsAbsch_Anz_m_value", I},
    {"m_Zub_ZentrAbsch_ArtNr_m_value", I}, {"m_Zub_ZentrAbsch_Anz_m_value", I},
    {"m_Zub_Lufttopf_ArtNr_m_value", I}, {"m_Zub_Lufttopf_Anz_m_value", I},
    // the calculation
    {"BerechneDruckSicherheitsventil", M}, {"BerechneEnddruck", M}, {"Rechnen_Kälteanlage", M},
};

TEST_F(KälteDatenobjekt, NamenDerAufruferLoesenSichMitIhrerArtAuf)
{
    Objekt g = gebunden();
    const MemberRegister& r = g->Member();
    for (const Name& n : aufrufernamen) {
        const QString name = QString::fromUtf8(n.name);
        ASSERT_TRUE(r.hat(name)) << n.name;
        EXPECT_EQ(r.art(name), n.art) << n.name;
    }
    for (const Sicherheitstechnik::Vertragsmember& v : Sicherheitstechnik::Vertrag(QStringLiteral("Kü"))) {
        ASSERT_TRUE(r.hat(v.name)) << v.name.toStdString();
        EXPECT_EQ(r.art(v.name), v.art) << v.name.toStdString();
    }
    for (const QString& n : Zubehörtechnik::Membernamen(QStringLiteral("Kü")))
        EXPECT_TRUE(r.hat(n)) << n.toStdString();
    // Each bound member once by name.
    for (const Memberbindung& b : Datenobjektbindungen::Kälte())
        EXPECT_EQ(r.art(b.member), W) << b.member.toStdString();
}

// The vessel page, the further-products page and their dialogs open the cooling object by name.
TEST_F(KälteDatenobjekt, NamenDerBehaelterUndZubehoerseitenLoesenSichAuf)
{
    Objekt g = gebunden();
    const MemberRegister& r = g->Member();
    QStringList namen = Behälterauswahl::Membernamen(QStringLiteral("Kü"));
    namen << QStringLiteral("m_ArtMembran") << QStringLiteral("m_ArtDruckhaltung") << QStringLiteral("m_EinbringBreite")
          << QStringLiteral("m_EinbringHoehe") << QStringLiteral("m_GefaessAnzahl") << QStringLiteral("m_r_vauf")
          << QStringLiteral("m_r_vges") << QStringLiteral("m_p_SV")
          << QStringLiteral("m_Zub_Schlamm_Anordnung") << QStringLiteral("m_Zub_SchlammIso")
          << QStringLiteral("m_Zub_Schlamm_ArtNr_m_value") << QStringLiteral("m_Zub_SchlammIso_ArtNr_m_value")
          << QStringLiteral("m_Leist_m_value") << QStringLiteral("m_Leist_ges")
          << QStringLiteral("m_Zub_Entlüftung_ArtNr_m_value") << QStringLiteral("m_Zub_Entlüftung_Anz_m_value");
    for (const QString& n : namen)
        EXPECT_TRUE(r.hat(n)) << n.toStdString();
}

TEST_F(KälteDatenobjekt, ZugriffUeberNamen)
{
    Objekt g = gebunden();
    MemberRegister& r = g->Member();
    g->m_Leist_2.m_Value = 13.5;
    EXPECT_EQ(r.lese(QStringLiteral("m_Leist_m_value"), {VbVariant::integer(2)}).toLong(), 14);
    r.schreibe(QStringLiteral("m_Leist_m_value"), {VbVariant::integer(9)}, VbVariant::lng(5));
    EXPECT_DOUBLE_EQ(r.rufe(QStringLiteral("Sum_Waermeleistung")).toDouble(), 13.5);
    r.schreibe(QStringLiteral("m_Zub_Entlüftung_Anz_m_value"), {VbVariant::integer(1), VbVariant::integer(2)},
               VbVariant::integer(4));
    EXPECT_EQ(g->m_Zub_ZentrAbsch_Anz_m_value(2), 4);
    try {
        r.lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant::integer(7)});
        ADD_FAILURE() << "no error";
    } catch (const MemberFehler& e) {
        EXPECT_EQ(e.grund(), MemberFehler::Grund::Index);
    }
    g->m_LaengeDN100.m_Value = 10;
    g->m_V_Sonstiges.m_Value = 20;
    EXPECT_NEAR(r.rufe(QStringLiteral("Sum_V_Anlage")).toDouble(), 110.1, 1e-9);
    EXPECT_EQ(r.objekt<TabellenConst>(QStringLiteral("m_Int_Tab")), g->m_Int_Tab.get());
    g->m_p_SV.m_Value = 5.0;
    EXPECT_EQ(r.rufe(QStringLiteral("BerechneEnddruck")).typ(), VbVariant::Typ::Single);
}

}  // namespace
