#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QRadioButton>

#include "Seitenfixture.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form100.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace {

class Seite100 : public Heizungsseiten {
protected:
    void SetUp() override
    {
        Heizungsseiten::SetUp();
        GlobDatenHeizung& g = h();
        g.m_Beheiz.m_Value = 1;
        g.m_Anlage.m_Value = 1;
        g.m_Sicherung.m_Value = 1;
        g.m_Leist_1.m_Value = 100;
        g.m_KesselVol_1.m_Value = 20;
        g.m_KesselVol_2.m_Value = 30;  // no output: its content goes
        g.m_Wasservorlage.m_Value = 12;
        g.m_IstBerechnet.m_Value = true;
        g.m_IstAusgelegt.m_Value = true;
        haupt->knöpfe = QStringLiteral("111");
    }
    std::array<QRadioButton*, 6> Optionen() const
    {
        return {s->ArtderBeheizungOption[0],    s->ArtderBeheizungOption[1],    s->ArtderAnlageOption[0],
                s->ArtderAnlageOption[1],       s->AnlagenabsicherungOption[0], s->AnlagenabsicherungOption[1]};
    }
    Form100* s = nullptr;
};

}  // namespace

TEST_F(Seite100, LoadingShowsTheStoredChoices)
{
    s = Zeige<Form100>();
    EXPECT_TRUE(s->ArtderBeheizungOption[1]->isChecked());
    EXPECT_TRUE(s->ArtderAnlageOption[1]->isChecked());
    EXPECT_TRUE(s->AnlagenabsicherungOption[1]->isChecked());
    EXPECT_TRUE(h().m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(h().m_IstAusgelegt.m_Value.toBool());
    EXPECT_EQ(h().m_KesselVol_1.m_Value, 20);
    EXPECT_EQ(h().m_KesselVol_2.m_Value, 0);
    for (QRadioButton* o : Optionen())
        EXPECT_TRUE(o->isEnabled());
    EXPECT_EQ(s->Titel->text(), QStringLiteral("- MAG Heizungsanlage -"));
    EXPECT_EQ(s->Projektnummer->text(), QStringLiteral("Projektnummer:     H-1"));
    EXPECT_EQ(haupt->panel1, QStringLiteral("Auslegung in Anlehnung an DIN EN 12828, Juni 2003"));
    EXPECT_FALSE(s->Logo->pixmap().isNull());
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("111"));
    s->Unload();
    EXPECT_EQ(haupt->panel1, QString());
}

TEST_F(Seite100, EveryChoiceMarksTheRecordNotCalculated)
{
    s = Zeige<Form100>();
    struct Fall {
        QRadioButton* option;
        conOptButtAdodb* wert;
        int index;
    };
    const Fall fälle[] = {{s->ArtderBeheizungOption[0], &h().m_Beheiz, 0},
                          {s->ArtderAnlageOption[0], &h().m_Anlage, 0},
                          {s->AnlagenabsicherungOption[0], &h().m_Sicherung, 0}};
    for (const Fall& f : fälle) {
        h().m_IstBerechnet.m_Value = true;
        h().m_IstAusgelegt.m_Value = true;
        f.option->click();
        EXPECT_EQ(f.wert->m_Value, f.index);
        EXPECT_FALSE(h().m_IstBerechnet.m_Value.toBool());
        EXPECT_FALSE(h().m_IstAusgelegt.m_Value.toBool());
    }
    // Total protection clears every content.
    EXPECT_EQ(h().m_KesselVol_1.m_Value, 0);
}

TEST_F(Seite100, SingleProtectionTakesTheTotalOutputOnlyWithoutGeneratorOutputs)
{
    struct Fall {
        const char* name;
        double leistung2;
        int vorher;
        double leist1Danach;
    };
    const Fall fälle[] = {
        {"no output yet: generator 1 takes the total", 0, 0, 250},
        {"an output entered: nothing copied", 40, 0, 0},
        {"single already: nothing copied", 0, 1, 0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        h().m_Sicherung.m_Value = f.vorher;
        h().m_Leist_1.m_Value = 0;
        h().m_Leist_2.m_Value = f.leistung2;
        h().m_Leist_ges.m_Value = 250;
        s = Zeige<Form100>();
        h().m_KesselVol_2.m_Value = 15;
        s->AnlagenabsicherungOption[1]->click();
        EXPECT_EQ(h().m_Sicherung.m_Value, 1);
        EXPECT_EQ(h().m_Leist_1.m_Value, f.leist1Danach);
        // Single protection keeps the contents of generators with output.
        EXPECT_EQ(h().m_KesselVol_2.m_Value, f.leistung2 > 0 ? 15 : 0);
        s->Unload();
        Ereignisse();
    }
}

TEST_F(Seite100, ProjectMadeForTheHostIsLocked)
{
    for (int art : {1, 2}) {
        zustand().AktProjektArtErstellung = art;
        s = Zeige<Form100>();
        for (QRadioButton* o : Optionen())
            EXPECT_FALSE(o->isEnabled());
        EXPECT_EQ(h().m_Beheiz.m_Value, 1);  // outside host mode the stored choices stand
        s->Unload();
        Ereignisse();
    }
}

TEST_F(Seite100, HostModesPresetTheChoices)
{
    struct Fall {
        int modus;
        bool geändert;
        int beheizung;
        int absicherung;
        double reserve;
        bool berechnet;
        int vergleiche;
    };
    const Fall fälle[] = {
        {1, true, 0, 0, 12, true, 0},   // mode 1 compares nothing
        {2, false, 1, 0, 12, true, 1},  // unchanged inputs keep the record
        {2, true, 0, 1, 0, false, 1},   // changed inputs: not calculated, no reserve
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.modus * 10 + f.geändert);
        h().m_Wasservorlage.m_Value = 12;
        h().m_IstBerechnet.m_Value = true;
        h().m_IstAusgelegt.m_Value = true;
        zustand().TyvoModus = f.modus;
        zustand().TyvoVorgabenPrüfen = true;
        zustand().TyvoDaten.Beheizungsart = static_cast<int16_t>(f.beheizung);
        zustand().TyvoDaten.Anlagenabsicherung = static_cast<int16_t>(f.absicherung);
        austausch.geändert = f.geändert;
        austausch.vergleiche = 0;
        haupt->knöpfe = QStringLiteral("111");
        s = Zeige<Form100>();
        EXPECT_EQ(austausch.vergleiche, f.vergleiche);
        EXPECT_EQ(h().m_Beheiz.m_Value, f.beheizung);
        EXPECT_EQ(h().m_Sicherung.m_Value, f.absicherung);
        EXPECT_EQ(h().m_Anlage.m_Value, 0);
        EXPECT_TRUE(s->ArtderAnlageOption[0]->isChecked());
        EXPECT_EQ(h().m_Wasservorlage.m_Value, f.reserve);
        EXPECT_EQ(h().m_IstBerechnet.m_Value.toBool(), f.berechnet);
        EXPECT_EQ(h().m_IstAusgelegt.m_Value.toBool(), f.berechnet);
        EXPECT_EQ(haupt->knöpfe[1], QLatin1Char('0'));  // no way back
        EXPECT_EQ(zustand().TyvoVorgabenPrüfen, f.modus == 1);  // only mode 2 compares
        // A second visit in the same run compares nothing.
        s->Unload();
        Ereignisse();
        austausch.vergleiche = 0;
        s = Zeige<Form100>();
        EXPECT_EQ(austausch.vergleiche, 0);
        s->Unload();
        Ereignisse();
    }
}

TEST_F(Seite100, EnterGoesToTheChosenOptionOfTheNextGroup)
{
    s = Zeige<Form100>();
    haupt->fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt->fenster));
    s->ArtderBeheizungOption[1]->setFocus();
    QTest::keyClick(s->ArtderBeheizungOption[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), s->ArtderAnlageOption[1]);
    QTest::keyClick(s->ArtderAnlageOption[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), s->AnlagenabsicherungOption[1]);
    EXPECT_TRUE(h().m_IstBerechnet.m_Value.toBool());  // moving is no choice
}
