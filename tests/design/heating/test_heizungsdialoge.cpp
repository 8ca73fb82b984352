#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "Seitenfixture.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Form101c.h"
#include "base/Programmzustand.h"

namespace {

class Heizungsdialoge : public Heizungsseiten {
protected:
    // Page 101 underneath, as when the dialogs are opened from it.
    void SetUp() override
    {
        Heizungsseiten::SetUp();
        seite = Zeige<Form101>();
    }
    template <class D>
    std::unique_ptr<D> Öffne()
    {
        auto d = std::make_unique<D>(nullptr);
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }
    Form101* seite = nullptr;
};

}  // namespace

// --- Heat generators ---

TEST_F(Heizungsdialoge, OutputsAddUpToAtMost20000kW)
{
    auto d = Öffne<Form101a>();
    Eingabe(d->Text1[1], QStringLiteral("12000"));
    Eingabe(d->Text1[2], QStringLiteral("8000"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(h().m_Leist_ges.m_Value, 20000);
    EXPECT_EQ(d->Text1[7]->text(), QStringLiteral("20000"));
    EXPECT_EQ(seite->gesamtwärmeleistungQText->text(), QStringLiteral("20000"));

    Eingabe(d->Text1[1], QStringLiteral("15000"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2259});
    EXPECT_EQ(meldungen.boxen.value(0).werte, (QStringList{QStringLiteral("20000"), QStringLiteral("12000")}));
    EXPECT_EQ(d->Text1[1]->text(), QStringLiteral("12000"));
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[1]);

    h().m_Leist_2.m_Value = 0;
    h().m_Leist_1.m_Value = 15000;
    d->Text1[1]->setText(QStringLiteral("15000"));
    d->Text1[2]->setText(QStringLiteral("0"));
    meldungen.leeren();
    Eingabe(d->Text1[2], QStringLiteral("6000"));
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen.value(0).werte, (QStringList{QStringLiteral("20000"), QStringLiteral("5000")}));
    EXPECT_EQ(d->Text1[2]->text(), QStringLiteral("5000"));
    EXPECT_EQ(h().m_Leist_2.m_Value, 0);  // unchanged until accepted
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[2]);
    d->Text1[3]->setFocus();  // leaving again takes the remaining output
    EXPECT_EQ(h().m_Leist_2.m_Value, 5000);
    EXPECT_EQ(h().m_Leist_ges.m_Value, 20000);
}

TEST_F(Heizungsdialoge, OutputThatIsNoNumber)
{
    h().m_Leist_1.m_Value = 40;
    auto d = Öffne<Form101a>();
    h().m_Leist_ges.m_Value = 0;
    Eingabe(d->Text1[1], QStringLiteral("viel"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2250});
    EXPECT_EQ(d->Text1[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(h().m_Leist_1.m_Value, 40);
    EXPECT_EQ(h().m_Leist_ges.m_Value, 40);  // the total is refreshed all the same
}

TEST_F(Heizungsdialoge, TotalProtectionHasNoContentsAndClosesFreely)
{
    auto d = Öffne<Form101a>();
    EXPECT_FALSE(d->Einzelabsicherung());
    EXPECT_FALSE(d->Text2[1]->isVisible());
    EXPECT_GT(d->WeiterCommand->x() + d->WeiterCommand->width(), d->Text1[1]->x() + d->Text1[1]->width());
    d->Weiter();
    EXPECT_TRUE(d->istEntladen());
    EXPECT_TRUE(seite->gesamtwärmeleistungQText->isEnabled());  // no output entered

    h().m_Leist_4.m_Value = 10;
    auto e = Öffne<Form101a>();
    e->Weiter();
    EXPECT_FALSE(seite->gesamtwärmeleistungQText->isEnabled());
}

TEST_F(Heizungsdialoge, SingleProtectionNeedsAContentPerGenerator)
{
    h().m_Sicherung.m_Value = 1;
    h().m_Leist_3.m_Value = 500;
    auto d = Öffne<Form101a>();
    ASSERT_TRUE(d->Einzelabsicherung());
    EXPECT_TRUE(d->Text2[3]->isVisible());
    EXPECT_TRUE(d->Text2[3]->isEnabled());
    EXPECT_FALSE(d->Text2[1]->isEnabled());  // no output, no content

    d->WeiterCommand->click();
    EXPECT_EQ(Meldungsnummern(), QList<int>{2306});
    EXPECT_EQ(meldungen.boxen.value(0).werte, QStringList{QStringLiteral("3")});
    EXPECT_EQ(QApplication::focusWidget(), d->Text2[3]);
    EXPECT_FALSE(d->istEntladen());

    meldungen.leeren();
    Eingabe(d->Text2[3], QStringLiteral("x"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2306});
    EXPECT_EQ(d->Text2[3]->text(), QStringLiteral("0"));
    meldungen.leeren();
    Eingabe(d->Text2[3], QStringLiteral("2"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(h().m_KesselVol_3.m_Value, 5);

    // Typing an output shows 0 as content; the stored content stays until it is checked.
    d->Text1[3]->setFocus();
    d->Text1[3]->setText(QStringLiteral("600"));
    EXPECT_EQ(d->Text2[3]->text(), QStringLiteral("0"));
    EXPECT_EQ(h().m_KesselVol_3.m_Value, 5);
    // An output of 0 clears the content and locks its box.
    meldungen.leeren();
    Eingabe(d->Text1[3], QStringLiteral("0"));
    EXPECT_EQ(h().m_KesselVol_3.m_Value, 0);
    EXPECT_FALSE(d->Text2[3]->isEnabled());
    d->Weiter();
    EXPECT_TRUE(d->istEntladen());
    EXPECT_FALSE(seite->gesamtwärmeleistungQText->isEnabled());
}

TEST_F(Heizungsdialoge, AltRightChecksTheFocusedBoxFirst)
{
    auto d = Öffne<Form101a>();
    d->Text1[1]->setFocus();
    d->Text1[1]->setText(QStringLiteral("30000"));
    QTest::keyClick(d->Text1[1], Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Meldungsnummern(), QList<int>{2259});
    EXPECT_FALSE(d->istEntladen());
    d->Text1[1]->setText(QStringLiteral("300"));
    QTest::keyClick(d->Text1[1], Qt::Key_Right, Qt::AltModifier);
    EXPECT_TRUE(d->istEntladen());
    EXPECT_EQ(h().m_Leist_1.m_Value, 300);  // nothing typed is lost
}

TEST_F(Heizungsdialoge, EnterWalksTheVisibleBoxesAndWraps)
{
    auto d = Öffne<Form101a>();
    d->Text1[6]->setFocus();
    QTest::keyClick(d->Text1[6], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[1]);
}

// --- Consumers ---

TEST_F(Heizungsdialoge, ConsumersShareTheTotalOutput)
{
    h().m_Leist_ges.m_Value = 500;
    auto d = Öffne<Form101b>();
    ASSERT_TRUE(d->Verteilung());
    d->Text1[0]->setFocus();
    Ereignisse();
    EXPECT_EQ(d->Text1[0]->text(), QStringLiteral("500"));
    d->Text1[1]->setFocus();
    Ereignisse();
    EXPECT_EQ(h().m_P_Radiatoren.m_Value, 500);
    EXPECT_EQ(d->Text1[1]->text(), QStringLiteral("0"));
    Eingabe(d->Text1[1], QStringLiteral("100"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2260});
    EXPECT_EQ(meldungen.boxen.value(0).werte, QStringList{QStringLiteral("0")});
    EXPECT_EQ(d->Text1[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(h().m_P_PlattenHK.m_Value, 0);
    // 500 kW of radiators at 70 °C: the content follows, and the system volume with it.
    EXPECT_GT(h().m_V_Radiatoren.m_Value, 0);
    EXPECT_EQ(h().m_VolAnlage.m_Value, h().m_V_Summe.m_Value);
    EXPECT_EQ(seite->Analagevolumen->text(), d->Text2Summe->text());
    d->Weiter();
    EXPECT_FALSE(seite->Analagevolumen->isEnabled());
    EXPECT_EQ(h().m_Wasservorlage.m_Value, std::max(3.0, std::ceil(h().m_VolAnlage.m_Value / 200)));
}

TEST_F(Heizungsdialoge, EnteredConsumerOutputsAreNotShared)
{
    h().m_Leist_ges.m_Value = 0;
    h().m_P_FBHeiz.m_Value = 20;
    auto d = Öffne<Form101b>();
    EXPECT_FALSE(d->Verteilung());
    Eingabe(d->Text1[0], QStringLiteral("100"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(h().m_P_Summe.m_Value, 120);
    Eingabe(d->Text1[0], QStringLiteral("30000"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(h().m_P_Radiatoren.m_Value, 29000);
}

TEST_F(Heizungsdialoge, OpeningAndClosingSetsTheVolumeFromContents)
{
    h().m_VolAnlage.m_Value = 777;
    h().m_V_Fernleit.m_Value = 40;
    auto d = Öffne<Form101b>();
    EXPECT_EQ(h().m_VolAnlage.m_Value, 40);
    d->Weiter();
    EXPECT_FALSE(seite->Analagevolumen->isEnabled());
    h().m_V_Fernleit.m_Value = 0;
    auto e = Öffne<Form101b>();
    e->Weiter();
    EXPECT_EQ(h().m_VolAnlage.m_Value, 0);
    EXPECT_TRUE(seite->Analagevolumen->isEnabled());
}

TEST_F(Heizungsdialoge, FlowTemperatureInTheConsumerDialog)
{
    struct Fall {
        int beheiz;
        double primär;
        double vorher;
        const char* eingabe;
        double rücklauf;
        double primärDanach;
    };
    const Fall fälle[] = {
        {0, 5, 70, "80", 60, 5},
        {0, 5, 22, "20", 5, 5},
        {0, 5, 70, "70", 33, 5},  // the same degree leaves the return temperature
        {1, 90, 70, "100", 80, 105},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.eingabe);
        h().m_Beheiz.m_Value = f.beheiz;
        h().m_Primärtemp.m_Value = f.primär;
        h().m_Temp_V.m_Value = f.vorher;
        h().m_Temp_R.m_Value = 33;
        h().m_P_Radiatoren.m_Value = 10;
        auto d = Öffne<Form101b>();
        const double vorher = h().m_V_Radiatoren.m_Value;
        Eingabe(d->TempV, QString::fromUtf8(f.eingabe));
        EXPECT_EQ(h().m_Temp_R.m_Value, f.rücklauf);
        EXPECT_EQ(h().m_Primärtemp.m_Value, f.primärDanach);
        if (f.rücklauf != 33) {
            EXPECT_EQ(seite->Text1[8]->text(), QString::number(f.rücklauf));
        }
        if (f.vorher == 70 && f.rücklauf == 60) {
            EXPECT_NE(h().m_V_Radiatoren.m_Value, vorher);  // contents follow the flow temperature
        }
        d->Weiter();
    }
}

TEST_F(Heizungsdialoge, OtherConsumersContentIsEntered)
{
    auto d = Öffne<Form101b>();
    EXPECT_TRUE(d->Text2[0]->isReadOnly());
    Eingabe(d->Text2[5], QStringLiteral("250"));
    EXPECT_EQ(h().m_V_Summe.m_Value, 250);
    EXPECT_EQ(seite->Analagevolumen->text(), QStringLiteral("250"));
    Eingabe(d->Text2[5], QStringLiteral("200000"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(h().m_V_Sonstiges.m_Value, 100000);
    EXPECT_EQ(d->Label3[0]->text(), QStringLiteral("(12,0 l/kW) *"));
}

// --- Pipe network ---

TEST_F(Heizungsdialoge, PipeLengthsGiveThePipeContent)
{
    h().m_V_Summe.m_Value = 100;
    auto d = Öffne<Form101c>();
    EXPECT_FALSE(d->Text1[12]->isVisible());  // DN 300..400 hidden while all are 0
    EXPECT_TRUE(d->Text1[11]->isVisible());
    Eingabe(d->Text1[4], QStringLiteral("100"));
    Eingabe(d->Text1[7], QStringLiteral("20"));
    EXPECT_NEAR(h().m_V_Fernleit.m_Value, 413.2, 1e-9);
    EXPECT_EQ(d->SummeLiter->text(), QStringLiteral("413"));
    EXPECT_NEAR(h().m_VolAnlage.m_Value, 513.2, 1e-9);
    EXPECT_EQ(seite->Analagevolumen->text(), QStringLiteral("513"));
    Eingabe(d->Text1[0], QStringLiteral("12,5"));
    EXPECT_EQ(h().m_LaengeDN20.m_Value, 12.5);
    EXPECT_EQ(d->Text1[0]->text(), QStringLiteral("13"));
    EXPECT_NEAR(h().m_V_Fernleit.m_Value, 413.2 + 4.875, 1e-9);

    Eingabe(d->Text1[1], QStringLiteral("12000"));
    EXPECT_EQ(Meldungsnummern(), QList<int>{2255});
    EXPECT_EQ(h().m_LaengeDN25.m_Value, 10000);
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[1]);
    // Enter in the last visible box wraps to DN 20.
    d->Text1[11]->setFocus();
    QTest::keyClick(d->Text1[11], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d->Text1[0]);
    d->Weiter();
    EXPECT_FALSE(seite->Analagevolumen->isEnabled());
}

TEST_F(Heizungsdialoge, LargePipesShowWhenOneIsStored)
{
    h().m_LaengeDN350.m_Value = 3;
    auto d = Öffne<Form101c>();
    EXPECT_TRUE(d->Text1[12]->isVisible());
    EXPECT_TRUE(d->Text1[14]->isVisible());
}
