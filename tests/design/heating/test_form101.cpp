#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Seitenfixture.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace {

class Seite101 : public Heizungsseiten {
protected:
    // The page with a plant of direct heating, low plant room, 70/50 °C, 1.3 bar static and a
    // 3 bar valve (pre-pressure 1.5 bar, end pressure 2.5 bar).
    Form101* Laden()
    {
        GlobDatenHeizung& g = h();
        g.m_Temp_V.m_Value = 70;
        g.m_Temp_R.m_Value = 50;
        g.m_p_stat.m_Value = 1.3;
        g.m_p_SV.m_Value = 3.0;
        g.m_p_soll.m_Value = 2.0;
        g.m_VolAnlage.m_Value = 1000;
        g.m_Leist_ges.m_Value = 100;
        vorbereiten();
        s = Zeige<Form101>();
        haupt->fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&haupt->fenster));
        return s;
    }
    QLineEdit* T(int i) const { return s->Text1[static_cast<size_t>(i)]; }
    std::function<void()> vorbereiten = [] {};
    Form101* s = nullptr;
};

}  // namespace

TEST_F(Seite101, NewProjectShowsTheStoredInputsUncalculated)
{
    Laden();
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("110"));  // no Weiter before a calculation
    EXPECT_EQ(s->Command3->text(), QStringLiteral("&Berechnen"));
    EXPECT_EQ(T(0)->text(), QStringLiteral("70"));
    EXPECT_EQ(T(2)->text(), QStringLiteral("1,3"));
    EXPECT_EQ(s->Analagevolumen->text(), QStringLiteral("1000"));
    // Direct heating and a low plant room: no primary temperature, no building height.
    EXPECT_FALSE(T(3)->isVisibleTo(s));
    EXPECT_FALSE(T(7)->isVisibleTo(s));
    EXPECT_FALSE(T(10)->isVisibleTo(s));
    EXPECT_TRUE(T(9)->isVisibleTo(s));
    // Suction side: no dynamic pressure. Loading leaves the stored reserve.
    EXPECT_FALSE(T(4)->isEnabled());
    EXPECT_EQ(h().m_Wasservorlage.m_Value, 3);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Seite101, FlowTemperatureFollowUps)
{
    struct Fall {
        const char* name;
        int beheiz;
        double primär;
        double rücklaufVorher;
        const char* eingabe;
        double rücklauf;
        double primärDanach;
    };
    const Fall fälle[] = {
        {"70 to 90", 0, 80, 50, "90", 70, 80},
        {"to 22: at least 5", 0, 80, 50, "22", 5, 80},
        {"same whole degree", 0, 80, 50, "70", 50, 80},
        {"indirect 90 raises the primary", 1, 80, 50, "90", 70, 95},
        {"indirect 105", 1, 80, 50, "105", 85, 110},
        {"indirect primary already high", 1, 120, 50, "90", 70, 120},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        vorbereiten = [this, &f] {
            h().m_Beheiz.m_Value = f.beheiz;
            h().m_Primärtemp.m_Value = f.primär;
            h().m_Temp_R.m_Value = f.rücklaufVorher;
        };
        Laden();
        h().m_Temp_R.m_Value = f.rücklaufVorher;
        Eingabe(T(0), QString::fromUtf8(f.eingabe));
        EXPECT_EQ(h().m_Temp_R.m_Value, f.rücklauf);
        EXPECT_EQ(T(8)->text(), QString::number(f.rücklauf));
        EXPECT_EQ(h().m_Primärtemp.m_Value, f.primärDanach);
        EXPECT_EQ(QApplication::focusWidget(), T(8));  // Enter went on to the return temperature
        s->Unload();
        Ereignisse();
    }
}

TEST_F(Seite101, ReturnAndPrimaryTemperatureKeepTheOrder)
{
    vorbereiten = [this] {
        h().m_Beheiz.m_Value = 1;
        h().m_Primärtemp.m_Value = 90;
    };
    Laden();
    ASSERT_TRUE(T(3)->isVisibleTo(s));
    Eingabe(T(8), QStringLiteral("80"));
    EXPECT_EQ(h().m_Temp_R.m_Value, 70);  // not above the flow
    EXPECT_EQ(T(8)->text(), QStringLiteral("70"));
    Eingabe(T(3), QStringLiteral("60"));
    EXPECT_EQ(h().m_Temp_V.m_Value, 55);
    EXPECT_EQ(h().m_Temp_R.m_Value, 55);
    EXPECT_EQ(T(0)->text(), QStringLiteral("55"));
}

TEST_F(Seite101, RefusedInputGivesOneMessageAndKeepsTheFocus)
{
    Laden();
    Eingabe(T(0), QStringLiteral("abc"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2250});
    EXPECT_EQ(QApplication::focusWidget(), T(0));
    EXPECT_EQ(h().m_Temp_V.m_Value, 70);
    meldungen.leeren();
    Eingabe(T(0), QStringLiteral("120"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(h().m_Temp_V.m_Value, 105);
    EXPECT_EQ(QApplication::focusWidget(), T(0));
    // The focus moving by click is held the same way.
    meldungen.leeren();
    T(0)->setText(QStringLiteral("x"));
    T(8)->setFocus();
    EXPECT_EQ(Meldungsnummern(), QList<int>{2250});
    EXPECT_EQ(QApplication::focusWidget(), T(0));
}

TEST_F(Seite101, WaterReserveAndItsHint)
{
    struct Fall {
        double volumen;
        double reserve;
        double danach;
        const char* hinweis;
    };
    const Fall fälle[] = {
        {1000, 3, 5, "Wasservorlage 5 l bis 10 l"},
        {1020, 3, 6, "Wasservorlage 6 l bis 11 l"},
        {1000, 8, 8, "Wasservorlage 5 l bis 10 l"},
        {100, 3, 3, "Wasservorlage 3 l"},
        {0, 3, 3, "Wasservorlage 3 l"},
    };
    Laden();
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.volumen);
        h().m_Wasservorlage.m_Value = f.reserve;
        Eingabe(s->Analagevolumen, QString::number(f.volumen));
        EXPECT_EQ(h().m_Wasservorlage.m_Value, f.danach);
        T(6)->setFocus();
        Ereignisse();
        EXPECT_EQ(haupt->infoLabel, QString::fromUtf8(f.hinweis));
        s->Analagevolumen->setFocus();
    }
    // Straight from the volume to the reserve: the hint follows the volume just checked.
    s->Analagevolumen->setText(QStringLiteral("2000"));
    T(6)->setFocus();
    Ereignisse();
    EXPECT_EQ(haupt->infoLabel, QStringLiteral("Wasservorlage 10 l bis 20 l"));
    EXPECT_EQ(h().m_Wasservorlage.m_Value, 10);
}

TEST_F(Seite101, SetPressureFollowsThePrePressureUntilItIsEntered)
{
    zustand().NeuesProjekt = true;
    vorbereiten = [this] { h().m_p_soll.m_Value = 3.0; };
    Laden();
    EXPECT_EQ(h().m_r_pVordruck.m_Value, 1.5);
    EXPECT_EQ(h().m_p_soll.m_Value, 2.0);  // a new project: p0 + 0.5
    EXPECT_EQ(T(9)->text(), QStringLiteral("2,0"));
    Eingabe(T(9), QStringLiteral("3"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(meldungen.boxen.value(0).werte, (QStringList{QStringLiteral("1,9"), QStringLiteral("2,4")}));
    EXPECT_EQ(h().m_p_soll.m_Value, 2.4);
    // Once entered, a higher pre-pressure only holds it within the bounds.
    Eingabe(T(9), QStringLiteral("2,3"));
    Eingabe(T(2), QStringLiteral("1,4"));
    EXPECT_EQ(h().m_r_pVordruck.m_Value, 1.6);
    EXPECT_EQ(h().m_p_soll.m_Value, 2.3);
    T(9)->setFocus();
    Ereignisse();
    EXPECT_EQ(haupt->infoLabel, LadeText(2150));
}

TEST_F(Seite101, SetPressureIsNeverATrapWhenTheValveIsCapped)
{
    // 8.4 bar static: pre-pressure 8.6, the valve held at 10 bar, end pressure 9.0; the lower
    // bound 9.0 lies above the upper bound 8.9.
    vorbereiten = [this] {
        h().m_p_stat.m_Value = 8.4;
        h().m_p_SV.m_Value = 10;
    };
    Laden();
    EXPECT_EQ(h().m_p_SV.m_Value, 10.0);
    meldungen.leeren();
    Eingabe(T(9), QStringLiteral("8"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(h().m_p_soll.m_Value, 8.0);
    EXPECT_NE(QApplication::focusWidget(), T(9));
    Eingabe(T(9), QStringLiteral("9,5"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2253});
    EXPECT_EQ(h().m_p_soll.m_Value, 8.9);
}

TEST_F(Seite101, ValvePressureAboveTenIsHeldAtTen)
{
    Laden();
    Eingabe(T(5), QStringLiteral("10,5"));
    EXPECT_EQ(h().m_p_SV.m_Value, 10.0);
    EXPECT_EQ(QApplication::focusWidget(), T(5));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2256});
    // Above 3 bar only the full-lift valve: the diaphragm option is locked.
    EXPECT_EQ(h().m_AusfuehrSV.m_Value, 1);
    EXPECT_TRUE(s->AusfuehrungSV[1]->isChecked());
    EXPECT_FALSE(s->AusfuehrungSV[0]->isEnabled());
}

TEST_F(Seite101, VesselOnThePressureSideTakesTheDynamicPressure)
{
    Laden();
    s->AnordnungMAG[1]->click();
    EXPECT_EQ(h().m_AnordnungMAG.m_Value, 1);
    EXPECT_TRUE(T(4)->isEnabled());
    Eingabe(T(4), QStringLiteral("0,5"));
    EXPECT_EQ(h().m_r_pVordruck.m_Value, 2.0);
    s->AnordnungMAG[0]->click();
    EXPECT_FALSE(T(4)->isEnabled());
    EXPECT_EQ(h().m_p_dyn.m_Value, 0);
    EXPECT_EQ(T(4)->text(), QStringLiteral("0,0"));
}

TEST_F(Seite101, CalculateLocksAndChangeUnlocks)
{
    Laden();
    h().m_IstAusgelegt.m_Value = true;
    s->Command3->click();
    EXPECT_TRUE(h().m_IstBerechnet.m_Value.toBool());
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("111"));
    EXPECT_EQ(s->Command3->text(), QStringLiteral("V&erändern"));
    EXPECT_EQ(s->Label5[2]->text(), QStringLiteral("1,5"));  // p0
    EXPECT_EQ(s->Label5[3]->text(), QStringLiteral("2,5"));  // end pressure
    EXPECT_NE(s->Label5[7]->text(), QStringLiteral("0"));
    for (QWidget* w : {static_cast<QWidget*>(s->gesamtwärmeleistungQText), static_cast<QWidget*>(s->Analagevolumen),
                       static_cast<QWidget*>(T(0)), static_cast<QWidget*>(T(6)), static_cast<QWidget*>(T(9)),
                       static_cast<QWidget*>(s->Command1), static_cast<QWidget*>(s->Command2),
                       static_cast<QWidget*>(s->AnordnungMAG[0]), static_cast<QWidget*>(s->AusfuehrungSV[1])})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(s->Command3->isEnabled());
    EXPECT_EQ(haupt->infoLabel, LadeText(2145));

    // Leaving and coming back keeps the state.
    s->Unload();
    Ereignisse();
    s = Zeige<Form101>();
    EXPECT_EQ(s->Command3->text(), QStringLiteral("V&erändern"));
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("111"));
    EXPECT_FALSE(T(0)->isEnabled());

    s->Command3->click();
    EXPECT_FALSE(h().m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(h().m_IstAusgelegt.m_Value.toBool());
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("110"));
    EXPECT_TRUE(T(0)->isEnabled());
    EXPECT_NE(s->Label5[7]->text(), QStringLiteral("0"));  // the results stay shown
}

TEST_F(Seite101, GeneratorWithoutContentStopsTheCalculation)
{
    vorbereiten = [this] {
        h().m_Sicherung.m_Value = 1;
        h().m_Leist_2.m_Value = 50;
    };
    Laden();
    QStringList geöffnet;
    BeimDialog([&geöffnet](QDialog& d) { geöffnet << d.objectName(); });
    s->Command3->click();
    EXPECT_EQ(Meldungsnummern(), QList<int>{2306});
    EXPECT_EQ(meldungen.boxen.value(0).werte, QStringList{QStringLiteral("2")});
    EXPECT_EQ(meldungen.boxen.value(0).art, Meldungsart::Anwendungsfehler);
    EXPECT_EQ(geöffnet, QStringList{QStringLiteral("Form101a")});
    EXPECT_FALSE(h().m_IstBerechnet.m_Value.toBool());
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("110"));  // the dialog gave the buttons back
}

TEST_F(Seite101, InputLocks)
{
    struct Fall {
        const char* name;
        int erstellung;
        int sicherung;
        double leistung1;
        double verbraucher;
        bool gesamt;
        bool volumen;
        bool temperaturen;
    };
    const Fall fälle[] = {
        {"plain project", 0, 0, 0, 0, true, true, true},
        {"generator outputs give the total", 0, 0, 100, 0, false, true, true},
        {"single protection", 0, 1, 0, 0, false, true, true},
        {"consumer contents give the volume", 0, 0, 0, 40, true, false, true},
        {"made for the host", 1, 0, 0, 0, false, false, false},
        {"made for the host, mode 2", 2, 0, 0, 0, false, false, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        zustand().AktProjektArtErstellung = f.erstellung;
        vorbereiten = [this, &f] {
            h().m_Sicherung.m_Value = f.sicherung;
            h().m_Leist_1.m_Value = f.leistung1;
            h().m_KesselVol_1.m_Value = f.leistung1 > 0 ? 10 : 0;
            h().m_V_Summe.m_Value = f.verbraucher;
        };
        Laden();
        EXPECT_EQ(s->gesamtwärmeleistungQText->isEnabled(), f.gesamt);
        EXPECT_EQ(s->Analagevolumen->isEnabled(), f.volumen);
        for (int i : {0, 1, 2, 5, 8})
            EXPECT_EQ(T(i)->isEnabled(), f.temperaturen) << i;
        EXPECT_EQ(s->Command1->isEnabled(), f.temperaturen);
        EXPECT_EQ(s->AnordnungMAG[1]->isEnabled(), f.temperaturen);
        // Reserve, set pressure and valve kind stay open to the user.
        EXPECT_TRUE(T(6)->isEnabled());
        EXPECT_TRUE(T(9)->isEnabled());
        EXPECT_TRUE(s->AusfuehrungSV[1]->isEnabled());
        s->Unload();
        Ereignisse();
    }
}

TEST_F(Seite101, RoofTopPlantHint)
{
    vorbereiten = [this] {
        h().m_Anlage.m_Value = 1;
        h().m_GebäudeHöhe.m_Value = 20;
    };
    Laden();
    EXPECT_TRUE(T(7)->isVisibleTo(s));
    EXPECT_EQ(haupt->infoLabel, QStringLiteral("Absicherung am tiefsten Punkt  4.5 bar."));
}

TEST_F(Seite101, EnterAndCtrlEnterTypeNothing)
{
    Laden();
    T(0)->setFocus();
    T(0)->setText(QStringLiteral("75"));
    QTest::keyClick(T(0), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(T(0)->text(), QStringLiteral("75"));
    EXPECT_EQ(QApplication::focusWidget(), T(8));
}

TEST_F(Seite101, TheHeatGeneratorDialogSetsTheTotalOutputOnThePage)
{
    Laden();
    BeimDialog([](QDialog& d) {
        auto& a = static_cast<Form101a&>(d);
        a.Text1[1]->setText(QStringLiteral("120"));
        EXPECT_FALSE(a.PrüfeLeistung(1));
        a.Weiter();
    });
    s->Command1->click();
    EXPECT_EQ(h().m_Leist_ges.m_Value, 120);
    EXPECT_EQ(s->gesamtwärmeleistungQText->text(), QStringLiteral("120"));
    EXPECT_FALSE(s->gesamtwärmeleistungQText->isEnabled());
    EXPECT_EQ(haupt->knöpfe, QStringLiteral("110"));
}
