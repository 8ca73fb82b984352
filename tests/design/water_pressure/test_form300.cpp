#include "Seitenfixture.h"

#include "design/water_pressure/GlobDatenTrinkw.h"
#include "design/water_pressure/forms/Form300.h"

namespace {

using Meldungsliste = QList<QPair<int, QStringList>>;

class Seite300 : public Seitenfixture {
protected:
    // The page of a new project "T1" (or of the row the test put into the table).
    Form300* Laden()
    {
        Form300* s = ZurSeite<Form300>(3, QStringLiteral("T1"));
        EXPECT_EQ(zustand().Status, 300);
        return s;
    }
    GlobDatenTrinkw& Daten() const { return *zustand().g_trinkdat; }
};

// A calculated row whose set pressure the palette of its content lifts when the page loads.
class Seite300MitZeile : public Seite300 {
protected:
    void SetUp() override
    {
        weitereSql << QStringLiteral(
            "INSERT INTO Trinkwasserparameter ([Projekt Nr], AnlagenvolumenSumme, Betriebstemperatur, Anfangsdruck, "
            "[p Sicherheitsventil], Druckfaktor, IstBerechnet, IstAusgelegt, Türbreite, Raumhöhe, Behälteranzahl, "
            "GefäßArtNr, SichventilArtNr, KappenventilBehArtNr) "
            "VALUES ('T1', 6000, 60, 8, 7, 0.42, -1, -1, 1000, 2000, 1, '41703', ' ', ' ')");
        Seite300::SetUp();
    }
};

}  // namespace

TEST_F(Seite300, NeuesProjektDurchDasHauptfensterRechnenUndWeiter)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(fenster->StatusPanelText(1), QStringLiteral("Auslegung nach DIN 4807 Teil 5, März 97"));
    EXPECT_EQ(s->Label1(11)->text(), QStringLiteral("- MAG für Trinkwassererwärmungsanlage -"));
    EXPECT_EQ(s->Label1(0)->text(), QStringLiteral("Projektnummer:     T1"));
    EXPECT_EQ(Boxen(*s), (QStringList{"50", "60", "4,0", "10,0"}));
    EXPECT_EQ(s->Command3->text(), QStringLiteral("&Berechnen"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_TRUE(Offen(*s));
    EXPECT_TRUE(recorder.boxen.isEmpty());

    zustand().NeuAuslegungErforderlich = false;
    s->Command3->click();
    Ereignisse();
    EXPECT_EQ(Ergebnisse(*s, {1, 2, 3, 5, 6, 7}), (QStringList{"1,67", "3,8", "8,0", "1", "0,42", "3"}));
    EXPECT_EQ(s->Command3->text(), QStringLiteral("&Verändern"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_FALSE(s->Text1[0]->isEnabled());
    EXPECT_TRUE(zustand().NeuAuslegungErforderlich);
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(recorder.boxen.isEmpty());

    Weiter();
    EXPECT_EQ(zustand().Status, 301);
    EXPECT_EQ(fenster->StatusPanelText(1), QString());
    Zurück();
    ASSERT_EQ(zustand().Status, 300);
    recorder.antworten.push_back(MsgAntwort::Ja);
    Zurück();
    EXPECT_EQ(zustand().Status, 3);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
    EXPECT_EQ(db->feld(QStringLiteral("Trinkwasserparameter"), QStringLiteral("Behälter-Gesamtvolumen"),
                       QStringLiteral("T1")).toInt(), 3);
}

// A pressure factor up to 0.6 (rounded to two decimals) is accepted; above, the project stays
// open with message 2304, and a change reopens a calculated one. An initial pressure at or above
// the end pressure (0.8 times the fitted valve pressure), or so close below it that the factor
// cut to two decimals is 0, leaves the vessel nothing to take: refused, naming both pressures,
// instead of a factor of 0.001 and a vessel a thousand times the expansion volume.
TEST_F(Seite300, DruckfaktorBis06UndAnfangsdruckUnterEnddruckWerdenAngenommen)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        const char* pAnfang;
        const char* pVentil;  // typed; the box then shows the pressure fitted
        const char* pfak;
        Meldungsliste meldung;  // none when accepted
    };
    const Meldungsliste zuGroß = {{2304, {"0,6"}}};
    const Fall fälle[] = {
        {"2", "10", "0,62", zuGroß},
        {"3", "10", "0,52", {}},
        {"2,1", "10", "0,61", zuGroß},
        {"2,2", "10", "0,60", {}},
        {"5", "6", "0,00", {{2308, {"5", "4,8"}}}},  // fitted to 6 bar: end pressure 4.8 bar
        {"4,8", "6", "0,00", {{2308, {"4,8", "4,8"}}}},
        {"7", "6", "0,00", {{2308, {"7", "6,4"}}}},  // raised to 8 bar
        {"4,75", "6", "0,00", {{2308, {"4,75", "4,8"}}}},  // factor 0.008 cut to 0
        {"4,7", "6", "0,01", {}},
        {"4,5", "6", "0,04", {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.pAnfang);
        if (Daten().m_IstBerechnet.m_Value.toBool()) {
            s->Command3->click();  // change
            EXPECT_TRUE(Offen(*s));
            EXPECT_EQ(Buttons(), QStringLiteral("110"));
            EXPECT_FALSE(Daten().m_IstAusgelegt.m_Value.toBool());
        }
        Eingeben(s->Text1[2], QString::fromUtf8(f.pAnfang));
        Eingeben(s->Text1[3], QString::fromUtf8(f.pVentil));
        Daten().m_IstAusgelegt.m_Value = true;
        recorder.leeren();
        s->Command3->click();
        Ereignisse();
        const bool angenommen = f.meldung.isEmpty();
        EXPECT_EQ(s->Label5(6)->text(), QString::fromUtf8(f.pfak));
        EXPECT_EQ(Daten().m_IstBerechnet.m_Value.toBool(), angenommen);
        EXPECT_EQ(Offen(*s), !angenommen);
        EXPECT_EQ(Buttons(), angenommen ? QStringLiteral("111") : QStringLiteral("110"));
        EXPECT_EQ(s->Command3->text(), angenommen ? QStringLiteral("&Verändern") : QStringLiteral("&Berechnen"));
        if (angenommen) {
            EXPECT_TRUE(recorder.boxen.isEmpty());
        } else {
            EXPECT_FALSE(Daten().m_IstAusgelegt.m_Value.toBool());
            ASSERT_EQ(Meldungen({2304, 2308}), f.meldung);
            EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Anwendungsfehler);
        }
    }
}

// Decimals typed beyond those shown go into the calculation (3,25 bar is no 3,2 bar), also when
// the box is entered and left again.
TEST_F(Seite300, GetippteStellenGehenInDieRechnung)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        const char* pAnfang;
        double gehalten;
        const char* pfak;
    };
    const Fall fälle[] = {{"3,25", 3.25, "0,25"}, {"3,2", 3.2, "0,26"}, {"3,24", 3.24, "0,25"}};
    Eingeben(s->Text1[3], QStringLiteral("6"));
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.pAnfang);
        EXPECT_EQ(GetipptGerechnet(*s, 2, QString::fromUtf8(f.pAnfang), 6), QString::fromUtf8(f.pfak));
        EXPECT_EQ(Daten().m_p_anf.m_Value, f.gehalten);
    }
}

TEST_F(Seite300, ZweiteRechnungOhneAenderungVerlangtKeineNeueAuslegung)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    s->Command3->click();
    s->Command3->click();
    zustand().NeuAuslegungErforderlich = false;
    s->Command3->click();
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(s->Label5(7)->text(), QStringLiteral("3"));
}

// Entries checked in their box (Enter): bounds, fitting of the set pressure to the valves of
// the content (demo table: up to 1000 l 6, 8, 10 bar; up to 5000 l 6, 10; above none), whole
// numbers and one decimal kept as shown.
TEST_F(Seite300, EingabenUndSicherheitsventil)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    struct Fall {
        int box;
        const char* text;
        QStringList boxen;      // all four boxes afterwards
        Meldungsliste meldung;  // 2250, 2255, 2377
        bool bleibt;            // the focus stays in the box
    };
    const Fall fälle[] = {
        {3, "12", {"50", "60", "4,0", "10,0"}, {{2255, {"0", "10"}}}, true},
        {3, "6,04", {"50", "60", "4,0", "6,0"}, {}, false},
        {3, "6,06", {"50", "60", "4,0", "8,0"}, {}, false},
        {2, "8", {"50", "60", "8,0", "10,0"}, {}, false},
        {2, "3", {"50", "60", "3,0", "10,0"}, {}, false},
        {3, "7", {"50", "60", "3,0", "8,0"}, {}, false},
        {0, "1500", {"1500", "60", "3,0", "10,0"}, {}, false},
        {0, "6000", {"6000", "60", "3,0", "10,0"}, {{2377, {"6000", "10"}}}, false},
        {0, "abc", {"0", "60", "3,0", "10,0"}, {{2250, {}}}, true},
        {0, "74,5", {"75", "60", "3,0", "10,0"}, {}, false},
        {1, "25", {"75", "30", "3,0", "10,0"}, {{2255, {"30", "80"}}}, true},
        {2, "3,25", {"75", "30", "3,3", "10,0"}, {}, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.box << ": " << f.text);
        recorder.leeren();
        Eingeben(s->Text1[static_cast<size_t>(f.box)], QString::fromUtf8(f.text));
        EXPECT_EQ(Boxen(*s), f.boxen);
        EXPECT_EQ(Meldungen({2250, 2255, 2377}), f.meldung);
        EXPECT_EQ(QApplication::focusWidget() == s->Text1[static_cast<size_t>(f.box)], f.bleibt);
    }
    // The object holds what was typed; the boxes show it in their format.
    EXPECT_EQ(Daten().m_VolAnlage.m_Value, 74.5);
    EXPECT_EQ(Daten().m_Temp_Betr.m_Value, 30);
    EXPECT_EQ(Daten().m_p_anf.m_Value, 3.25);
}

TEST_F(Seite300, EnterFolgeUeberspringtDenKnopf)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    s->Text1[0]->setFocus();
    for (int i : {1, 2, 3, 0}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Ereignisse();
        EXPECT_EQ(QApplication::focusWidget(), s->Text1[static_cast<size_t>(i)]);
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
    // Enter on the button presses it.
    s->Command3->setFocus();
    QTest::keyClick(s->Command3, Qt::Key_Return);
    Ereignisse();
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());
}

// Leaving a box for another control checks it once; a refused box keeps the focus and the
// button's click does not happen.
TEST_F(Seite300, VerlassenPrueftEinmalUndAbgewiesenBleibtDerFokus)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    Eingeben(s->Text1[0], QStringLiteral("1500"));  // palette 6, 10
    s->Text1[3]->setFocus();
    s->Text1[3]->selectAll();
    QTest::keyClicks(s->Text1[3], QStringLiteral("7"));
    recorder.leeren();
    QTest::mouseClick(s->Command3, Qt::LeftButton);
    Ereignisse();
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("10,0"));
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());

    s->Command3->click();  // change
    s->Text1[1]->setFocus();
    s->Text1[1]->selectAll();
    QTest::keyClicks(s->Text1[1], QStringLiteral("99"));
    QTest::mouseClick(s->Command3, Qt::LeftButton);
    Ereignisse();
    EXPECT_EQ(Meldungen({2255}), (Meldungsliste{{2255, {"30", "80"}}}));
    EXPECT_EQ(QApplication::focusWidget(), s->Text1[1]);
    EXPECT_FALSE(Daten().m_IstBerechnet.m_Value.toBool());

    // The access key checks the box before it calculates.
    s->Text1[0]->setFocus();
    s->Text1[0]->selectAll();
    QTest::keyClicks(s->Text1[0], QStringLiteral("200"));
    recorder.leeren();
    QTest::keyClick(s->Text1[0], Qt::Key_B, Qt::AltModifier);
    QTest::qWait(300);  // the button's click comes after its pressed look
    Ereignisse();
    EXPECT_EQ(Daten().m_VolAnlage.m_Value, 200);
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

// Loading: 6000 l have no valve, and the minimum 9 bar (8 bar initial pressure) lifts the stored
// 7 bar: message 2377 names the content and 9, the project is no longer calculated while the
// inputs stay locked.
TEST_F(Seite300MitZeile, LadenPasstDasVentilAn)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Meldungen({2377}), (Meldungsliste{{2377, {"6000", "9"}}}));
    EXPECT_FALSE(Daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(s->Text1[0]->isEnabled());
    EXPECT_EQ(s->Command3->text(), QStringLiteral("&Berechnen"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("9,0"));
}

// Without a valve for the content the calculation names it again and goes on with the pressure.
TEST_F(Seite300, RechnungOhneVentilMeldetUndRechnetWeiter)
{
    Form300* s = Laden();
    ASSERT_NE(s, nullptr);
    Eingeben(s->Text1[0], QStringLiteral("6000"));
    recorder.leeren();
    s->Command3->click();
    Ereignisse();
    EXPECT_EQ(Meldungen({2377}), (Meldungsliste{{2377, {"6000", "10"}}}));
    EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Auslegungsfehler);
    // 6000 l x 1.67 % = 100.2, 101 l over 0.42.
    EXPECT_EQ(Ergebnisse(*s, {5, 6, 7}), (QStringList{"101", "0,42", "241"}));
    EXPECT_TRUE(Daten().m_IstBerechnet.m_Value.toBool());
}
