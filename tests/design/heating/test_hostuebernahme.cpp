#include <gtest/gtest.h>

#include <QLineEdit>

#include <functional>

#include "Seitenfixture.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "base/Programmzustand.h"

namespace {

// Page 101 in host mode 1 with a plausible exchange record: one heat generator of 100 kW and
// 50 l, 70/50 °C, 1.5 bar static, a 3 bar valve, 600 x 1500 mm.
class Hostuebernahme : public Heizungsseiten {
protected:
    void SetUp() override
    {
        Heizungsseiten::SetUp();
        Grunddaten();
    }
    void Grunddaten()
    {
        Programmzustand& z = zustand();
        z.TyvoModus = 1;
        z.AbbruchCode = 0;
        z.TyvoDaten = {};
        TyvoAustauschdaten& d = z.TyvoDaten;
        d.Anlageninhalt = 1500;
        d.WE_Daten[1].Leistung = 100;
        d.WE_Daten[1].Wasserinhalt = 50;
        d.TVL = 70;
        d.TRL = 50;
        d.T_Prim = 90;
        d.Pst = 1.5f;
        d.Psv = 3.0f;
        d.Max_Durchmesser = 600;
        d.Max_Hoehe = 1500;
        z.TyvoLetzterWE = 1;
        z.TyvoAnzahlWE = 1;
    }
    // The next case of a table: the page gone, a fresh record of the unchanged row, the base data.
    void Neu(Form101* seite)
    {
        seite->Unload();
        Ereignisse();
        zustand().g_heizdat->m_TerminateMitUpdate = false;
        auto g = std::make_shared<GlobDatenHeizung>();
        ASSERT_EQ(g->Init(), 0);
        zustand().g_heizdat = g;
        austausch.antworten.clear();
        haupt->beendet = 0;
        meldungen.leeren();
        Grunddaten();
    }
    TyvoAustauschdaten& d() { return zustand().TyvoDaten; }
};

}  // namespace

TEST_F(Hostuebernahme, ChecksAndTheReasonSentToTheHost)
{
    const QString kessel = QStringLiteral("Mindestens einem Kessel ist kein Volumen zugeordnet.");
    const QString leistung = QStringLiteral("Mindestens eine Kesselleistung wurde nicht eingegeben.");
    const QString vorlauf = QStringLiteral("Die Vorlauftemperatur überschreitet 105 °C.");
    const QString rücklauf = QStringLiteral("Die Rücklauftemperatur überschreitet 100 °C.");
    const QString maße = QStringLiteral("Die Einbringmaße (Durchmesser oder Höhe) sind zu klein.");
    const QString ventil = QStringLiteral("Der Ansprechdruck des Sicherheitsventils ist zu gering.");
    struct Fall {
        const char* name;
        std::function<void(TyvoAustauschdaten&)> ändern;
        QString grund;  // empty: accepted
    };
    const std::vector<Fall> fälle = {
        {"plausible", [](TyvoAustauschdaten&) {}, {}},
        {"output without content", [](TyvoAustauschdaten& x) { x.WE_Daten[1].Wasserinhalt = 0; }, kessel},
        {"no output at all", [](TyvoAustauschdaten& x) { x.WE_Daten[1] = {}; }, leistung},
        {"flow 105", [](TyvoAustauschdaten& x) { x.TVL = 105; }, {}},
        {"flow 106", [](TyvoAustauschdaten& x) { x.TVL = 106; }, vorlauf},
        {"return 100", [](TyvoAustauschdaten& x) { x.TVL = 100; x.TRL = 100; }, {}},
        {"return 101", [](TyvoAustauschdaten& x) { x.TRL = 101; }, rücklauf},
        {"return 3 becomes 5", [](TyvoAustauschdaten& x) { x.TRL = 3; }, {}},
        {"dimensions 200 x 150", [](TyvoAustauschdaten& x) { x.Max_Durchmesser = 200; x.Max_Hoehe = 150; }, {}},
        {"diameter 199", [](TyvoAustauschdaten& x) { x.Max_Durchmesser = 199; }, maße},
        {"height 149", [](TyvoAustauschdaten& x) { x.Max_Hoehe = 149; }, maße},
        {"flow and return: the later check",
         [](TyvoAustauschdaten& x) {
             x.TVL = 110;
             x.TRL = 101;
             x.Psv = 4.0f;
         },
         rücklauf},
        {"valve too low wins", [](TyvoAustauschdaten& x) { x.TVL = 110; x.TRL = 101; x.Psv = 2.0f; }, ventil},
        {"valve too low", [](TyvoAustauschdaten& x) { x.Psv = 2.0f; }, ventil},
        {"valve above 10 is capped", [](TyvoAustauschdaten& x) { x.Psv = 12.0f; }, {}},
        {"valve 3.1 full-lift", [](TyvoAustauschdaten& x) { x.Psv = 3.1f; x.WE_Daten[1].SiV_Art = 1; }, {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        f.ändern(d());
        Form101* s = Zeige<Form101>();
        if (f.grund.isEmpty()) {
            EXPECT_TRUE(austausch.antworten.isEmpty());
            EXPECT_FALSE(s->HostAbbruch());
            EXPECT_EQ(zustand().AbbruchCode, 0);
            EXPECT_EQ(haupt->beendet, 0);
        } else {
            EXPECT_EQ(austausch.antworten, QStringList{QStringLiteral("nicht möglich 1: ") + f.grund});
            EXPECT_TRUE(s->HostAbbruch());
            EXPECT_EQ(zustand().AbbruchCode, 3);
            EXPECT_EQ(zustand().AbbruchText, QString());
            EXPECT_EQ(haupt->beendet, 1);  // the activation ended the program
        }
        EXPECT_TRUE(meldungen.boxen.isEmpty());
        Neu(s);
    }
}

TEST_F(Hostuebernahme, ValuesTakenOver)
{
    h().m_Sicherung.m_Value = 0;
    h().m_GebäudeHöhe.m_Value = 30;
    h().m_FrostZusatz.m_Value = 20;
    h().m_AnordnungMAG.m_Value = 1;
    h().m_p_dyn.m_Value = 0.5;
    d().TRL = 3;
    d().Psv = 12.0f;
    d().WE_Daten[1].Inhalt_internes_MAG = 12;
    d().WE_Daten[2] = {40, 10, 8, false, 1};
    zustand().TyvoLetzterWE = 2;
    zustand().TyvoAnzahlWE = 2;
    Form101* s = Zeige<Form101>();
    EXPECT_FALSE(s->HostAbbruch());
    GlobDatenHeizung& g = h();
    EXPECT_EQ(g.m_VolAnlage.m_Value, 1500);
    EXPECT_EQ(g.m_Leist_ges.m_Value, 140);
    EXPECT_EQ(g.m_KesselVol_2.m_Value, 10);
    EXPECT_EQ(g.m_Einzel_BehGesVol_m_value(1), 12);
    EXPECT_EQ(g.m_Einzel_BehGesVol_m_value(2), 8);
    EXPECT_EQ(g.m_Temp_R.m_Value, 5);
    EXPECT_EQ(g.m_p_SV.m_Value, 10);
    EXPECT_EQ(g.m_AusfuehrSV.m_Value, 1);  // a full-lift valve at one generator
    EXPECT_EQ(g.m_AnordnungMAG.m_Value, 0);
    EXPECT_EQ(g.m_GebäudeHöhe.m_Value, 0);
    EXPECT_EQ(g.m_FrostZusatz.m_Value, 0);
    EXPECT_EQ(g.m_p_dyn.m_Value, 0);
    EXPECT_EQ(g.m_EinbringBreite.m_Value, 600);
    EXPECT_EQ(g.m_EinbringHoehe.m_Value, 1500);
    EXPECT_EQ(g.m_Wasservorlage.m_Value, 8);  // 0.5 % of 1500 l
    EXPECT_EQ(s->Analagevolumen->text(), QStringLiteral("1500"));
}

TEST_F(Hostuebernahme, GeneratorsTheHostNoLongerSendsAreCleared)
{
    h().m_Sicherung.m_Value = 1;
    h().m_Leist_3.m_Value = 80;
    h().m_KesselVol_3.m_Value = 30;
    zustand().TyvoModus = 2;
    Zeige<Form101>();
    EXPECT_EQ(h().m_Leist_3.m_Value, 0);
    EXPECT_EQ(h().m_KesselVol_3.m_Value, 0);
    EXPECT_EQ(h().m_Leist_ges.m_Value, 100);
    EXPECT_TRUE(austausch.antworten.isEmpty());
}

TEST_F(Hostuebernahme, DirtSeparatorPresets)
{
    struct Fall {
        const char* name;
        bool anlage;
        bool we1;
        bool we2;
        int anzahl;
        int anordnung;
        int iso;
    };
    const Fall fälle[] = {
        {"central for the plant", true, false, true, 2, 1, 1},
        {"at two generators", false, true, true, 2, 2, 1},
        {"at the only generator", false, true, false, 1, 1, 1},
        {"none", false, false, false, 2, 0, 7},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        h().m_Zub_SchlammIso.m_Value = VbVariant(7);
        d().Entschlammung_Anlage = f.anlage;
        d().WE_Daten[1].EntschlammungsGefaess = f.we1;
        d().WE_Daten[2] = {50, 20, 0, f.we2, 0};
        zustand().TyvoLetzterWE = 2;
        zustand().TyvoAnzahlWE = static_cast<int16_t>(f.anzahl);
        Form101* s = Zeige<Form101>();
        EXPECT_EQ(h().m_Zub_Schlamm_Anordnung.m_Value.toDouble(), f.anordnung);
        EXPECT_EQ(h().m_Zub_SchlammIso.m_Value.toDouble(), f.iso);
        Neu(s);
    }
}
