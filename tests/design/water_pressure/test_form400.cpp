#include "Seitenfixture.h"

#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/forms/Form400.h"

namespace {

using Meldungsliste = QList<QPair<int, QStringList>>;

class Seite400 : public Seitenfixture {
protected:
    Form400* Laden()
    {
        Form400* s = ZurSeite<Form400>(2, QStringLiteral("D1"));
        EXPECT_EQ(zustand().Status, 400);
        return s;
    }
    GlobDatenDruck& Daten() const { return *zustand().g_druckdat; }
};

// A row restored from an old backup: switch-off not above switch-on, or no switching frequency.
class Seite400MitZeile : public Seite400, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        weitereSql << (GetParam() == 0
                           ? QStringLiteral("INSERT INTO Druckerhöhungparameter ([Projekt Nr], MaxVolumenstrom, "
                                            "Schalthäufigkeit, Einschaltdruck, Ausschaltdruck) VALUES ('D1', 1, 10, 3, 3)")
                           : QStringLiteral("INSERT INTO Druckerhöhungparameter ([Projekt Nr], MaxVolumenstrom, "
                                            "Schalthäufigkeit, Einschaltdruck, Ausschaltdruck) VALUES ('D1', 1, 0, 3, 4)"));
        Seite400::SetUp();
    }
};

}  // namespace

TEST_F(Seite400, NeuesProjektDurchDasHauptfensterRechnenUndWeiter)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(fenster->StatusPanelText(1), QStringLiteral("Auslegung nach DIN 1988 Teil 5, Dezember 1988"));
    EXPECT_EQ(s->Label1(10)->text(), QStringLiteral("- Druckerhöhungsanlage -"));
    EXPECT_EQ(s->Label1(11)->text(), QStringLiteral("MAG auf der Enddruckseite"));
    EXPECT_EQ(Boxen(*s), (QStringList{"0,1", "10", "1,0", "1,5"}));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));

    zustand().NeuAuslegungErforderlich = false;
    s->Command3->click();
    Ereignisse();
    // Useful volume, factor, total volume, pre-charge.
    EXPECT_EQ(Ergebnisse(*s, {1, 2, 3, 4}), (QStringList{"6", "0,33", "17", "0,8"}));
    EXPECT_EQ(s->Command3->text(), QStringLiteral("&Verändern"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_FALSE(Offen(*s));
    EXPECT_TRUE(zustand().NeuAuslegungErforderlich);
    EXPECT_TRUE(recorder.boxen.isEmpty());

    Weiter();
    EXPECT_EQ(zustand().Status, 401);
    EXPECT_EQ(fenster->StatusPanelText(1), QString());
    Zurück();
    recorder.antworten.push_back(MsgAntwort::Nein);
    Zurück();
    EXPECT_EQ(zustand().Status, 3);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
}

TEST_F(Seite400, DruckfaktorUeber06WirdAbgewiesen)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    Eingeben(s->Text1[3], QStringLiteral("3"));
    Daten().m_IstAusgelegt.m_Value = true;
    recorder.leeren();
    s->Command3->click();
    Ereignisse();
    EXPECT_EQ(s->Label5(2)->text(), QStringLiteral("0,66"));
    EXPECT_EQ(Meldungen({2304}), (Meldungsliste{{2304, {"0,6"}}}));
    EXPECT_FALSE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(Daten().m_IstAusgelegt.m_Value.toBool());
    EXPECT_TRUE(Offen(*s));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
}

// The switch-off pressure stays 0.5 bar above the switch-on pressure: the other box follows at
// once, without a message; exactly 0.5 bar is left alone.
TEST_F(Seite400, SchaltdruckeHaltenHalbesBarAbstand)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        const char* ein;  // the pressures before
        const char* aus;
        int box;
        const char* text;
        QStringList erwartet;  // switch-on, switch-off afterwards
    };
    const Fall fälle[] = {
        {"3", "4", 2, "3,8", {"3,8", "4,3"}},  {"1,5", "4", 3, "1,6", {"1,1", "1,6"}},
        {"3", "4", 2, "15", {"15,0", "15,5"}}, {"3", "4", 3, "1,5", {"1,0", "1,5"}},
        {"3", "4", 2, "3,5", {"3,5", "4,0"}},  {"3", "4", 3, "3,5", {"3,0", "3,5"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.box << ": " << f.text);
        Daten().m_p_Einschalt.m_Value = 1;
        Daten().m_p_SV.m_Value = 16;
        Eingeben(s->Text1[2], QString::fromUtf8(f.ein));
        Eingeben(s->Text1[3], QString::fromUtf8(f.aus));
        recorder.leeren();
        Eingeben(s->Text1[static_cast<size_t>(f.box)], QString::fromUtf8(f.text));
        EXPECT_EQ((QStringList{s->Text1[2]->text(), s->Text1[3]->text()}), f.erwartet);
        EXPECT_TRUE(recorder.boxen.isEmpty());
    }
}

TEST_F(Seite400, EingabegrenzenUndGehalteneStellen)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        int box;
        const char* text;
        const char* angezeigt;
        double wert;
        Meldungsliste meldung;
    };
    const Fall fälle[] = {
        {1, "25", "20", 20, {{2255, {"1", "20"}}}},
        {0, "12,25", "12,3", 12.25, {}},
        {0, "2,55", "2,6", 2.55, {}},
        {0, "0", "0,1", 0.1, {{2255, {"0,1", "300"}}}},
        {2, "x", "0", 1.0, {{2250, {}}}},
    };
    const conTextBoxAdodb GlobDatenDruck::*member[4] = {&GlobDatenDruck::m_MaxVolStrom,
                                                          &GlobDatenDruck::m_Schalthäufigkeit,
                                                          &GlobDatenDruck::m_p_Einschalt, &GlobDatenDruck::m_p_SV};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.box << ": " << f.text);
        recorder.leeren();
        Eingeben(s->Text1[static_cast<size_t>(f.box)], QString::fromUtf8(f.text));
        EXPECT_EQ(s->Text1[static_cast<size_t>(f.box)]->text(), QString::fromUtf8(f.angezeigt));
        EXPECT_EQ((Daten().*member[f.box]).m_Value, f.wert);
        EXPECT_EQ(Meldungen({2250, 2255}), f.meldung);
        EXPECT_EQ(QApplication::focusWidget() == s->Text1[static_cast<size_t>(f.box)], !f.meldung.isEmpty());
    }
}

// The flow enters the formula with the decimals typed, also when its box is entered and left
// again: 330 × 12.35 × 4 / (0.8 × 6) = 3396.25, 3397 l (12.4 would give 3410 l).
TEST_F(Seite400, GetippteStellenGehenInDieRechnung)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        const char* strom;
        double gehalten;
        const char* gesamt;
    };
    const Fall fälle[] = {{"12,35", 12.35, "3397"}, {"2,55", 2.55, "702"}, {"12,4", 12.4, "3410"}};
    Eingeben(s->Text1[1], QStringLiteral("6"));
    Eingeben(s->Text1[3], QStringLiteral("3"));
    Eingeben(s->Text1[2], QStringLiteral("2,2"));
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.strom);
        EXPECT_EQ(GetipptGerechnet(*s, 0, QString::fromUtf8(f.strom), 3), QString::fromUtf8(f.gesamt));
        EXPECT_EQ(Daten().m_MaxVolStrom.m_Value, f.gehalten);
    }
}

TEST_F(Seite400, HinweisZurSchalthaeufigkeit)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    s->Text1[0]->setFocus();
    Ereignisse();
    EXPECT_EQ(fenster->InfoLabel->text(), QString());
    s->Text1[1]->setFocus();
    Ereignisse();
    EXPECT_EQ(fenster->InfoLabel->text(), QStringLiteral("Schalthäufigkeit:  nur von 1 bis 20 1/h möglich nach DIN 1988"));
    QTest::keyClick(s->Text1[1], Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(QApplication::focusWidget(), s->Text1[2]);
    EXPECT_EQ(fenster->InfoLabel->text(), QString());
}

// Stored inputs that cannot be computed are answered like a bad entry in their box; nothing is
// calculated.
TEST_P(Seite400MitZeile, NichtBerechenbareZeileWirdWieEineFalscheEingabeBeantwortet)
{
    Form400* s = Laden();
    ASSERT_NE(s, nullptr);
    recorder.leeren();
    s->Command3->click();
    Ereignisse();
    EXPECT_FALSE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_EQ(Daten().m_r_vges.m_Value, 0);
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    if (GetParam() == 0) {
        EXPECT_EQ(Meldungen({2254}), (Meldungsliste{{2254, {"3,5"}}}));
        EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("3,5"));
        EXPECT_EQ(QApplication::focusWidget(), s->Text1[3]);
    } else {
        EXPECT_EQ(Meldungen({2255}), (Meldungsliste{{2255, {"1", "20"}}}));
        EXPECT_EQ(s->Text1[1]->text(), QStringLiteral("1"));
        EXPECT_EQ(QApplication::focusWidget(), s->Text1[1]);
    }
    // Corrected, it calculates.
    recorder.leeren();
    s->Command3->click();
    Ereignisse();
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool() || !recorder.boxen.isEmpty());
    EXPECT_NE(Daten().m_r_vges.m_Value, 0);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Seite400MitZeile, ::testing::Values(0, 1));
