#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"
#include "design/cooling/forms/Form200a.h"
#include "design/cooling/forms/Form200b.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

void Ereignisse()
{
    for (int i = 0; i < 40; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The real main window, walked to page 200 of a new cooling project "K1".
class Kälteseite : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        fenster = std::make_unique<MDIForm1>(dir.path());
        db = std::make_unique<Datenobjektdatenbanken>();
        fenster->show();
        Ereignisse();
        // The start page's progress window had the activation: without it Qt moves no focus.
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        // A data object left open is released here, not after the databases went at exit.
        if (zustand().g_kühldat)
            zustand().g_kühldat->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
    }

    void Weiter()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
    }
    void Zurück()
    {
        fenster->ZurückCommand->click();
        Ereignisse();
    }
    QString Buttons() const
    {
        const MDIForm1& f = *fenster;
        auto an = [&f](QToolButton* b) { return b->isVisibleTo(f.LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(f.ExitCommand) + an(f.ZurückCommand) + an(f.WeiterCommand);
    }
    // From the start page to page 200 of a new cooling project; nr empty: the project exists.
    Form200* ZurSeite200(const QString& nr = QStringLiteral("K1"), bool neu = true)
    {
        if (zustand().Status == 1)
            Weiter();
        if (zustand().Status == 2) {
            auto* wahl = dynamic_cast<KelvorForm2*>(fenster->fenster(2));
            EXPECT_NE(wahl, nullptr);
            wahl->HauptwahlCommand[1]->click();  // cooling
            Ereignisse();
        }
        EXPECT_EQ(zustand().Status, 3);
        auto* projekte = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
        EXPECT_NE(projekte, nullptr);
        if (neu) {
            QLineEdit* nummer = projekte->ProjektText[0];
            if (!nummer->isEnabled())
                fenster->Manlegen->trigger();
            nummer->clear();
            QTest::keyClicks(nummer, nr);
            QTest::keyClick(nummer, Qt::Key_Return);
            EXPECT_EQ(zustand().aktProjektnummer, nr);
        }
        Weiter();
        EXPECT_EQ(zustand().Status, 200);
        return dynamic_cast<Form200*>(fenster->fenster(200));
    }
    GlobDatenKälte& daten() const { return *zustand().g_kühldat; }
    // Types into a box and presses Enter there (the page's Enter check).
    static void Eingabe(QLineEdit* box, const QString& text)
    {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        Ereignisse();
    }
    QStringList Meldungen(int kind = Meldungsart::Eingabefehler) const
    {
        QStringList l;
        for (const MeldungsBox& b : recorder.boxen)
            if (b.art == kind)
                l << b.vorlage + QLatin1Char('|') + b.werte.join(QLatin1Char('|'));
        return l;
    }
    static QString T(int id) { return LadeText(id); }
    // The hint a box shows when it gets the focus.
    QString Hinweis(QWidget* box) const
    {
        QFocusEvent rein(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box, &rein);
        return fenster->InfoLabel->text();
    }

    QTemporaryDir dir;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

// --- The walk through the main window ---

TEST_F(Kälteseite, NeuesProjektRechnenVeraendernUndZurueck)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_EQ(fenster->InfoLabel->text(), T(2145));
    EXPECT_EQ(s->Command3->text(), T(744));
    EXPECT_EQ(s->Label1[3]->text(), T(720));
    EXPECT_TRUE(s->Label1[0]->text().endsWith(QStringLiteral("     K1")));
    EXPECT_EQ(s->gesamtwärmeleistungQText->text(), QStringLiteral("3"));
    EXPECT_EQ(s->Text1[4]->text(), QStringLiteral("0,5"));
    EXPECT_FALSE(s->Text1[5]->isEnabled());  // suction side: no dynamic pressure
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("1,2"));

    const struct {
        int box;
        const char* text;
    } eingaben[] = {{0, "6"}, {1, "12"}, {2, "20"}, {3, "30"}};
    for (const auto& e : eingaben)
        Eingabe(s->Text1[static_cast<size_t>(e.box)], QString::fromUtf8(e.text));
    Eingabe(s->Analagevolumen, QStringLiteral("1000"));
    EXPECT_EQ(s->Text1[7]->text(), QStringLiteral("5"));  // reserve raised for 1000 l
    EXPECT_TRUE(recorder.boxen.isEmpty());

    s->Command3->click();
    Ereignisse();
    EXPECT_EQ(s->Command3->text(), T(745));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_EQ(s->Label5[1]->text(), QStringLiteral("1,00"));
    EXPECT_EQ(s->Label5[7]->text(), QStringLiteral("47"));  // (10 + 5) / 0.32
    EXPECT_TRUE(daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(zustand().NeuAuslegungErforderlich);
    for (QWidget* w : {static_cast<QWidget*>(s->Text1[0]), static_cast<QWidget*>(s->AnordnungMAG[1]),
                       static_cast<QWidget*>(s->Command1), static_cast<QWidget*>(s->gesamtwärmeleistungQText)})
        EXPECT_FALSE(w->isEnabled());

    daten().m_IstAusgelegt.m_Value = VbVariant(true);
    s->Command3->click();
    Ereignisse();
    EXPECT_EQ(s->Command3->text(), T(744));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_FALSE(daten().m_IstAusgelegt.m_Value.toBool());
    EXPECT_TRUE(s->Text1[0]->isEnabled());
    EXPECT_TRUE(s->gesamtwärmeleistungQText->isEnabled());

    // Zurück asks the save question; Yes stores what was typed, also in the box still being edited.
    s->Text1[2]->setFocus(Qt::OtherFocusReason);
    s->Text1[2]->setText(QStringLiteral("25"));
    recorder.antworten.push_back(MsgAntwort::Ja);
    Zurück();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_FALSE(zustand().NeuesProjekt);
    EXPECT_EQ(db->feld(QStringLiteral("Kälteparameter"), QStringLiteral("Umgebungstemperatur"), QStringLiteral("K1")).toInt(), 25);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].vorlage, T(2183));
    EXPECT_EQ(db->feld(QStringLiteral("Kälteparameter"), QStringLiteral("Frostschutzzusatz"), QStringLiteral("K1")).toInt(), 30);
    EXPECT_EQ(db->feld(QStringLiteral("Kälteparameter"), QStringLiteral("Wasservorlage"), QStringLiteral("K1")).toInt(), 5);
}

TEST_F(Kälteseite, GeladenBerechnetMitZuKleinemVentil)
{
    db->projekt().ausfuehren({QStringLiteral(
        "INSERT INTO [Kälteparameter] ([Projekt Nr], [p statisch], [p dynamisch], [p Sicherheitsventil], [p Soll], "
        "[IstBerechnet], [AnordnungMAG Zulaufseitig Pumpe], [AnordnungMAG Druckseitig Pumpe], [Wasservorlage]) "
        "VALUES ('K7', 2.0, 0, 2.5, 2.5, 1, 1, 0, 3)")});
    // The project row of the project table.
    Form200* s = ZurSeite200(QStringLiteral("K7"));
    ASSERT_NE(s, nullptr);
    // p0 2.2 needs 3.2 bar: raised with 2257, no longer calculated, inputs still locked.
    EXPECT_EQ(Meldungen(), QStringList{T(2257) + QStringLiteral("|3,2")});
    EXPECT_EQ(s->Text1[6]->text(), QStringLiteral("3,2"));
    EXPECT_EQ(s->Command3->text(), T(744));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_FALSE(s->Text1[0]->isEnabled());
    s->Command3_Click();
    EXPECT_EQ(s->Command3->text(), T(745));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
}

// --- Follow-ups of the inputs ---

TEST_F(Kälteseite, SolldruckFolgtDemVordruckBisErBestaetigtWird)
{
    zustand().NeuesProjekt = true;
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->neuesProjekt());
    // Typed and left by a click elsewhere, never passing through the set-pressure box.
    auto klickeUndTippe = [](QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        Ereignisse();
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    klickeUndTippe(s->Text1[6], QStringLiteral("5"));  // end pressure 4.5: bounds [1.1 .. 4.4]
    klickeUndTippe(s->Text1[4], QStringLiteral("1,5"));  // p0 1.7
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("1,2"));
    klickeUndTippe(s->Analagevolumen, QString());
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("2,2"));
    klickeUndTippe(s->Text1[4], QStringLiteral("2"));  // p0 2.2
    klickeUndTippe(s->Analagevolumen, QString());
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("2,7"));
    EXPECT_TRUE(recorder.boxen.isEmpty());

    // Typing a bound itself is accepted; beyond it the range message, the focus stays.
    Eingabe(s->Text1[9], QStringLiteral("4,4"));
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_DOUBLE_EQ(daten().m_p_soll.m_Value, 4.4);
    EXPECT_FALSE(s->neuesProjekt());
    Eingabe(s->Text1[9], QStringLiteral("4,5"));
    EXPECT_EQ(Meldungen(), QStringList{T(2255) + QStringLiteral("|2,6|4,4")});
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("4,4"));
    EXPECT_EQ(fenster->focusWidget(), s->Text1[9]);
    recorder.leeren();
    Eingabe(s->Text1[9], QStringLiteral("2,6"));
    EXPECT_TRUE(recorder.boxen.isEmpty());

    // Validated once: it no longer follows, it is only kept inside its bounds.
    Eingabe(s->Text1[4], QStringLiteral("1"));  // p0 1.2: bounds [1.6 .. 4.4]
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("2,6"));
    Eingabe(s->Text1[4], QStringLiteral("4"));  // p0 4.2, valve 5.2, end 4.7: bounds [4.6 .. 4.6]
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("4,6"));
    EXPECT_EQ(Meldungen(), QStringList{T(2257) + QStringLiteral("|5,2")});
}

TEST_F(Kälteseite, WasservorlageUndHinweise)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    struct Fall {
        const char* volumen;
        double vorlageVorher;
        double vorlage;
        QString hinweis;
    };
    const Fall fälle[] = {
        {"1000", 3, 5, FormatText(T(2140), VbVariant::lng(5), VbVariant::lng(10))},
        // The reserve counts every started 200 l; the hint rounds up after a guard at 0.1.
        {"1001", 3, 6, FormatText(T(2140), VbVariant::lng(5), VbVariant::lng(10))},
        {"0", 3, 3, FormatText(T(2141), VbVariant::lng(3))},
        {"0", 2, 2, FormatText(T(2141), VbVariant::lng(3))},  // never lowered, not raised to 3
        {"400", 3, 3, FormatText(T(2140), VbVariant::lng(3), VbVariant::lng(4))},
        {"1000", 40, 40, FormatText(T(2140), VbVariant::lng(5), VbVariant::lng(10))},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.volumen);
        daten().m_Wasservorlage.m_Value = f.vorlageVorher;
        Eingabe(s->Analagevolumen, QString::fromUtf8(f.volumen));
        EXPECT_EQ(daten().m_Wasservorlage.m_Value, f.vorlage);
        EXPECT_EQ(Hinweis(s->Text1[7]), f.hinweis);
    }
    EXPECT_EQ(Hinweis(s->Text1[9]), T(2150));
    EXPECT_EQ(Hinweis(s->Text1[0]), T(2145));
    EXPECT_EQ(Hinweis(s->AnordnungMAG[1]), T(2145));
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Kälteseite, VentilUeber10BarHaeltDenFokus)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    Eingabe(s->Text1[4], QStringLiteral("9,5"));  // p0 9.7 needs 11.4 bar
    EXPECT_EQ(Meldungen(), QStringList{T(2256) + QStringLiteral("|11,4")});
    EXPECT_DOUBLE_EQ(daten().m_p_SV.m_Value, 10.0);
    EXPECT_EQ(fenster->focusWidget(), s->Text1[4]);
    EXPECT_DOUBLE_EQ(daten().m_p_stat.m_Value, 9.5);
    // A new project's set pressure p0 + 0.5 (10.2) is not below the lower bound (10.1) but above
    // the upper (8.9); as the bounds cross, a typed set pressure is held to the upper bound alone.
    EXPECT_TRUE(s->neuesProjekt());
    EXPECT_EQ(s->Text1[9]->text(), QStringLiteral("8,9"));
    // Going to another box checks it again: the refusal holds.
    recorder.leeren();
    QTest::mouseClick(s->Text1[9], Qt::LeftButton);
    Ereignisse();
    EXPECT_EQ(Meldungen(), QStringList{T(2256) + QStringLiteral("|11,4")});
    EXPECT_EQ(fenster->focusWidget(), s->Text1[4]);

    // Typed inputs are held at their column's precision.
    recorder.leeren();
    Eingabe(s->Text1[4], QStringLiteral("1,25"));
    EXPECT_DOUBLE_EQ(daten().m_p_stat.m_Value, 1.2);
    EXPECT_EQ(s->Text1[4]->text(), QStringLiteral("1,2"));
    Eingabe(s->Text1[0], QStringLiteral("6,5"));
    EXPECT_DOUBLE_EQ(daten().m_Temp_Vorl.m_Value, 6.0);
    Eingabe(s->Analagevolumen, QStringLiteral("1000,5"));
    EXPECT_DOUBLE_EQ(daten().m_VolAnlage.m_Value, 1000.0);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

// Tab and a click elsewhere run the same check as Enter; a refusal keeps the focus in the box.
TEST_F(Kälteseite, FokuswechselPrueftDieBox)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(fenster->isActiveWindow());
    for (const bool mitTab : {true, false}) {
        recorder.leeren();
        s->Text1[4]->setFocus(Qt::OtherFocusReason);
        s->Text1[4]->selectAll();
        QTest::keyClicks(s->Text1[4], QStringLiteral("9,5"));
        if (mitTab)
            QTest::keyClick(s->Text1[4], Qt::Key_Tab);
        else
            QTest::mouseClick(s->Analagevolumen, Qt::LeftButton);
        Ereignisse();
        EXPECT_EQ(Meldungen(), QStringList{T(2256) + QStringLiteral("|11,4")}) << mitTab;
        EXPECT_EQ(fenster->focusWidget(), s->Text1[4]) << mitTab;
        EXPECT_DOUBLE_EQ(daten().m_p_stat.m_Value, 9.5);
    }
    recorder.leeren();
    s->Text1[4]->selectAll();
    QTest::keyClicks(s->Text1[4], QStringLiteral("2"));
    QTest::keyClick(s->Text1[4], Qt::Key_Tab);
    Ereignisse();
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_DOUBLE_EQ(daten().m_p_stat.m_Value, 2.0);
    EXPECT_NE(fenster->focusWidget(), s->Text1[4]);
}

TEST_F(Kälteseite, RechnungMitVentilUeber10BarGiltNicht)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    daten().m_p_stat.m_Value = 9.5;  // as a stored project may hold it
    daten().m_IstAusgelegt.m_Value = VbVariant(true);
    s->Command3_Click();
    EXPECT_EQ(Meldungen(), QStringList{T(2256) + QStringLiteral("|11,4")});
    EXPECT_FALSE(daten().m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(daten().m_IstAusgelegt.m_Value.toBool());
    EXPECT_EQ(s->Command3->text(), T(744));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_TRUE(s->Text1[4]->isEnabled());
}

TEST_F(Kälteseite, AnordnungDesGefaesses)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    s->AnordnungMAG[1]->click();
    Ereignisse();
    EXPECT_TRUE(s->Text1[5]->isEnabled());
    Eingabe(s->Text1[5], QStringLiteral("0,3"));
    EXPECT_DOUBLE_EQ(daten().m_r_pVordruck.m_Value, 1.0);
    s->AnordnungMAG[0]->click();
    Ereignisse();
    EXPECT_FALSE(s->Text1[5]->isEnabled());
    EXPECT_EQ(s->Text1[5]->text(), QStringLiteral("0,0"));
    EXPECT_DOUBLE_EQ(daten().m_r_pVordruck.m_Value, 0.7);
    s->AnordnungMAG[1]->click();
    Ereignisse();
    EXPECT_EQ(daten().m_AnordnungMAG.m_Value, 1);
    EXPECT_EQ(s->Text1[5]->text(), QStringLiteral("0,0"));

    // Setting the option from code runs no handler.
    daten().m_AnordnungMAG.m_Value = 0;
    daten().m_AnordnungMAG.GlobDatenInButton();
    EXPECT_TRUE(s->AnordnungMAG[0]->isChecked());
    EXPECT_TRUE(s->Text1[5]->isEnabled());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Kälteseite, UnveraenderteRechnungVerlangtKeineNeueAuslegung)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    s->Command3_Click();
    s->Command3_Click();
    zustand().NeuAuslegungErforderlich = false;
    s->Command3_Click();
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
}

// --- The chiller dialog ---

TEST_F(Kälteseite, KaelteerzeugerMitDer20000kWGrenze)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    Eingabe(s->gesamtwärmeleistungQText, QStringLiteral("500"));
    Form200a d(fenster.get());
    EXPECT_EQ(d.Text1[7]->text(), QStringLiteral("500"));  // the typed total until a box is checked
    struct Fall {
        int box;
        const char* eingabe;
        const char* danach;       // text of the box
        const char* gesamt;       // total afterwards
        bool cancel;
        QString meldung;
    };
    const Fall fälle[] = {
        {1, "6000", "6000", "6000", false, {}},
        {2, "6000", "6000", "12000", false, {}},
        {3, "6000", "6000", "18000", false, {}},
        {4, "3000", "2000", "18000", true, T(2259) + QStringLiteral("|20000|2000")},
        {4, "2000", "2000", "20000", false, {}},
        {4, "0", "0", "18000", false, {}},
        {2, "8000", "8000", "20000", false, {}},
        {5, "abc", "0", "20000", true, T(2250) + QLatin1Char('|')},
        {5, "-5", "0", "20000", true, T(2255) + QStringLiteral("|0|20000")},
        {7, "0", "20000", "20000", false, {}},
        {7, "1", "0", "20000", true, T(2259) + QStringLiteral("|20000|0")},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(std::to_string(f.box) + " " + f.eingabe);
        recorder.leeren();
        d.Text1[static_cast<size_t>(f.box)]->setText(QString::fromUtf8(f.eingabe));
        bool Cancel = false;
        d.FormValidateControlElement(QStringLiteral("Text1"), VbVariant::integer(static_cast<int16_t>(f.box)), Cancel);
        EXPECT_EQ(Cancel, f.cancel);
        EXPECT_EQ(d.Text1[static_cast<size_t>(f.box)]->text(), QString::fromUtf8(f.danach));
        if (f.box != 7) {
            EXPECT_EQ(d.Text1[7]->text(), QString::fromUtf8(f.gesamt));
        }
        EXPECT_EQ(s->gesamtwärmeleistungQText->text(), QString::fromUtf8(f.gesamt));
        EXPECT_EQ(Meldungen(), f.meldung.isEmpty() ? QStringList{} : QStringList{f.meldung});
    }
    EXPECT_DOUBLE_EQ(daten().m_Leist_ges.m_Value, 20000);
    EXPECT_DOUBLE_EQ(daten().m_Leist_5.m_Value, 0);

    // What a box holds unchecked is taken over when the dialog closes.
    d.Text1[6]->setFocus(Qt::OtherFocusReason);
    d.Text1[6]->setText(QStringLiteral("0"));
    d.Text1[2]->setText(QStringLiteral("7000"));
    d.Text1[2]->setFocus(Qt::OtherFocusReason);
    Ereignisse();
    d.Weiter();
    EXPECT_DOUBLE_EQ(daten().m_Leist_2.m_Value, 7000);
    EXPECT_DOUBLE_EQ(daten().m_Leist_ges.m_Value, 19000);
    EXPECT_FALSE(s->gesamtwärmeleistungQText->isEnabled());
}

// The total capacity is held in whole kW as the project row keeps it, so the project computes the
// same after it is loaded again.
TEST_F(Kälteseite, KaelteleistungSummeInGanzenKilowatt)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    Form200a d(fenster.get());
    struct Fall {
        int box;
        const char* eingabe;
        double gesamt;
    };
    const Fall fälle[] = {{1, "100,4", 100}, {2, "50,3", 151}, {2, "50,1", 150}, {2, "51,1", 152}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(std::to_string(f.box) + " " + f.eingabe);
        d.Text1[static_cast<size_t>(f.box)]->setText(QString::fromUtf8(f.eingabe));
        bool Cancel = false;
        d.FormValidateControlElement(QStringLiteral("Text1"), VbVariant::integer(static_cast<int16_t>(f.box)), Cancel);
        EXPECT_FALSE(Cancel);
        EXPECT_EQ(daten().m_Leist_ges.m_Value, f.gesamt);
        EXPECT_EQ(s->gesamtwärmeleistungQText->text(), QString::number(f.gesamt));
    }
}

TEST_F(Kälteseite, DialogeImModalenRahmen)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    struct Fall {
        QPushButton* knopf;
        const char* name;
    };
    QString knöpfeImDialog;
    for (const Fall& f : {Fall{s->Command1, "Form200a"}, Fall{s->Command2, "Form200b"}}) {
        SCOPED_TRACE(f.name);
        ModalSchliesser schliesser([&](QWidget* w) {
            knöpfeImDialog = Buttons();
            EXPECT_EQ(s->modaleForm, w);
        });
        f.knopf->click();
        Ereignisse();
        EXPECT_EQ(schliesser.geöffnet, QStringList{QString::fromUtf8(f.name)});
        EXPECT_EQ(knöpfeImDialog, QStringLiteral("000"));
        EXPECT_EQ(Buttons(), QStringLiteral("110"));
        EXPECT_EQ(s->modaleForm, nullptr);
    }
    // Both sums are 0: the page's total boxes stay open.
    EXPECT_TRUE(s->gesamtwärmeleistungQText->isEnabled());
    EXPECT_TRUE(s->Analagevolumen->isEnabled());

    // Alt+Right closes a dialog as its Weiter button does; Alt+Left does nothing.
    Form200b d(fenster.get());
    d.show();
    Ereignisse();
    const auto ziel = [&d]() -> QWidget* { return d.focusWidget() ? d.focusWidget() : &d; };
    QTest::keyClick(ziel(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(ziel(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_FALSE(d.isVisible());
}

// --- The pipe-content dialog ---

TEST_F(Kälteseite, RohrinhaltSetztDasAnlagenvolumen)
{
    Form200* s = ZurSeite200();
    ASSERT_NE(s, nullptr);
    {
        Form200b d(fenster.get());
        // DN 300 to 400 are offered only with a length.
        for (size_t i = 12; i <= 14; ++i)
            EXPECT_TRUE(d.Text1[i]->isHidden());
        EXPECT_EQ(d.SonstigesLiter->y(), Twips::zuPixel(2520));
        struct Fall {
            const char* box;  // "Text1" or "SonstigesLiter"
            int index;
            const char* eingabe;
            double volumen;
            const char* summe;
            bool cancel;
        };
        const Fall fälle[] = {
            // The sum is held in whole litres as the project row keeps it (129.1 l as 129 l).
            {"Text1", 0, "100", 39, "39", false},
            {"Text1", 7, "10", 129, "129", false},
            {"SonstigesLiter", 0, "20", 149, "149", false},
            {"SonstigesLiter", 0, "20,4", 150, "150", false},  // 149.5, halves to even
            {"SonstigesLiter", 0, "21,4", 150, "150", false},  // 150.5
            {"SonstigesLiter", 0, "20", 149, "149", false},
            {"Text1", 1, "abc", 149, "149", true},
            {"Text1", 2, "20000", 10900 + 149, "11049", true},
            {"Text1", 11, "10000", 10900 + 149 + 508300, "519349", false},
            {"Text1", 10, "10000", 10900 + 149 + 508300 + 337500, "856849", false},
            {"SonstigesLiter", 0, "100000", 10900 + 129 + 508300 + 337500 + 100000, "956829", false},
            {"Text1", 9, "10000", 10900 + 129 + 508300 + 337500 + 100000 + 191400, "1148229", false},
        };
        for (const Fall& f : fälle) {
            SCOPED_TRACE(std::string(f.box) + " " + f.eingabe);
            QLineEdit* e = QString::fromUtf8(f.box) == QLatin1String("Text1") ? d.Text1[static_cast<size_t>(f.index)]
                                                                               : d.SonstigesLiter;
            e->setText(QString::fromUtf8(f.eingabe));
            bool Cancel = false;
            d.FormValidateControlElement(QString::fromUtf8(f.box), VbVariant::integer(static_cast<int16_t>(f.index)),
                                         Cancel);
            EXPECT_EQ(Cancel, f.cancel);
            EXPECT_EQ(daten().m_VolAnlage.m_Value, f.volumen);
            EXPECT_EQ(d.SummeLiter->text(), QString::fromUtf8(f.summe));
            EXPECT_EQ(s->Analagevolumen->text(), QString::fromUtf8(f.summe));
        }
        d.Weiter();
    }
    EXPECT_FALSE(s->Analagevolumen->isEnabled());
    EXPECT_DOUBLE_EQ(daten().m_Wasservorlage.m_Value, 5742);  // 1148229 / 200, rounded up

    // With a length of DN 350 all fifteen sizes are offered; all 0 opens the volume box again.
    daten().m_LaengeDN350.m_Value = 1;
    Form200b d(fenster.get());
    EXPECT_FALSE(d.Text1[13]->isHidden());
    for (size_t i = 0; i < 15; ++i)
        d.Text1[i]->setText(QStringLiteral("0"));
    d.SonstigesLiter->setText(QStringLiteral("0"));
    for (int i = 0; i < 15; ++i) {
        bool Cancel = false;
        d.Text1_Validate(i, Cancel);
    }
    bool Cancel = false;
    d.SonstigesLiter_Validate(Cancel);
    EXPECT_EQ(daten().m_VolAnlage.m_Value, 0);
    d.done(0);
    EXPECT_TRUE(s->Analagevolumen->isEnabled());
}

}  // namespace
