#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form100.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/solar/forms/Form600.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/QStringAusgabe.h"

// What the user typed reaches the data before any command of the main window runs: the bottom
// buttons, their keys, menu items and the ways of ending the program. Everything is typed and
// pressed with real key and mouse events; the stored rows are read back from the database.
namespace {

class Eingabeweg : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        Hauptfensterweg::TearDown();
        for (auto* g : {&zustand().g_heizdat})
            if (*g)
                (*g)->m_TerminateMitUpdate = false;
        zustand().g_heizdat.reset();
        if (zustand().g_kühldat)
            zustand().g_kühldat->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
    }

    // From the start page to the project page with a new project of a type (choice button knopf).
    KelvorForm3* NeueProjektseite(int knopf, const QString& nr)
    {
        if (zustand().Status == 1)
            Weiter();
        auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
        EXPECT_NE(wahl, nullptr);
        if (!wahl)
            return nullptr;
        wahl->HauptwahlCommand[static_cast<size_t>(knopf)]->click();
        Ereignisse();
        auto* s = dynamic_cast<KelvorForm3*>(Aktuell());
        EXPECT_NE(s, nullptr);
        if (!s)
            return nullptr;
        QLineEdit* nummer = s->ProjektText[0];
        if (!nummer->isEnabled())
            fenster->Manlegen->trigger();
        Tippen(nummer, nr);
        QTest::keyClick(nummer, Qt::Key_Return);
        Ereignisse();
        EXPECT_EQ(zustand().aktProjektnummer, nr);
        recorder.leeren();
        return s;
    }

    // Page 101 of a new heating project.
    Form101* ZurSeite101(const QString& nr)
    {
        if (!NeueProjektseite(0, nr))
            return nullptr;
        Weiter();
        Weiter();
        return dynamic_cast<Form101*>(Aktuell());
    }

    // Clicks into a box and types, without leaving it.
    static void Tippen(QWidget* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        Ereignisse();
        EXPECT_TRUE(box->hasFocus()) << box->objectName().toStdString();
        if (auto* zeile = qobject_cast<QLineEdit*>(box))
            zeile->selectAll();
        QTest::keyClicks(box, text);
    }

    // The ways of ending the program; each is answered with Ja to every question.
    enum Ende { ExitKnopf, AltF10, Menüpunkt, Schließfeld };
    void Beenden(Ende weg)
    {
        recorder.antworten = {MsgAntwort::Ja, MsgAntwort::Ja};
        QWidget* fokus = QApplication::focusWidget();
        switch (weg) {
        case ExitKnopf: QTest::mouseClick(fenster->ExitCommand, Qt::LeftButton); break;
        case AltF10: QTest::keyClick(fokus, Qt::Key_F10, Qt::AltModifier); break;
        case Menüpunkt: fenster->Mbeenden->trigger(); break;
        case Schließfeld: fenster->close(); break;
        }
        Ereignisse();
    }

    QString Projektfeld(const QString& spalte, const QString& nr) const
    {
        return db->feld(QStringLiteral("ProjekteTabelle"), spalte, nr).toString();
    }
};

class Programmende : public Eingabeweg, public ::testing::WithParamInterface<int> {};

}  // namespace

// Typed texts of the project page, the last one still in its box, reach the stored row whichever
// way the program ends (also after Verändern of a stored project).
TEST_P(Programmende, ProjektseiteSpeichertDieGetipptenTexte)
{
    const auto weg = static_cast<Ende>(GetParam());
    KelvorForm3* s = NeueProjektseite(0, QStringLiteral("55"));
    ASSERT_NE(s, nullptr);
    Tippen(s->ProjektText[1], QStringLiteral("Halle 3"));
    Tippen(s->ProjektText[2], QStringLiteral("Stadtwerke"));
    Beenden(weg);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(Projektfeld(QStringLiteral("Projektbezeichnung"), QStringLiteral("55")), QStringLiteral("Halle 3"));
    EXPECT_EQ(Projektfeld(QStringLiteral("Bauherr"), QStringLiteral("55")), QStringLiteral("Stadtwerke"));
}

TEST_P(Programmende, ProjektseiteNachVerändern)
{
    const auto weg = static_cast<Ende>(GetParam());
    KelvorForm3* s = NeueProjektseite(0, QStringLiteral("56"));
    ASSERT_NE(s, nullptr);
    // Leave the new project by storing it, then change it.
    QTest::keyClick(s->ProjektText[1], Qt::Key_Return);
    fenster->Mverändern->trigger();
    Ereignisse();
    ASSERT_TRUE(s->ProjektText[5]->isEnabled());
    Tippen(s->ProjektText[5], QStringLiteral("Bremen"));
    Beenden(weg);
    EXPECT_EQ(Projektfeld(QStringLiteral("Ort"), QStringLiteral("56")), QStringLiteral("Bremen"));
}

INSTANTIATE_TEST_SUITE_P(Wege, Programmende, ::testing::Values(0, 1, 2, 3));

// A type chosen in the type box counts for Weiter at once: the pages and the parameter row are
// those of the new type, and the first page shows the designation as typed last.
TEST_F(Eingabeweg, ProjektartUndBezeichnungGeltenFürWeiter)
{
    KelvorForm3* s = NeueProjektseite(0, QStringLiteral("57"));
    ASSERT_NE(s, nullptr);
    Tippen(s->ProjektText[1], QStringLiteral("Kuehlhaus"));
    s->ProjektCombo1->setFocus(Qt::TabFocusReason);
    Ereignisse();
    QTest::keyClick(s->ProjektCombo1, Qt::Key_Down);
    QTest::keyClick(s->ProjektCombo1, Qt::Key_Down);
    ASSERT_EQ(s->ProjektCombo1->currentText(), LadeText(275));
    QTest::mouseClick(fenster->WeiterCommand, Qt::LeftButton);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 200);
    auto* s200 = dynamic_cast<Form200*>(Aktuell());
    ASSERT_NE(s200, nullptr);
    EXPECT_EQ(s200->Label1[2]->text(), QStringLiteral("Kuehlhaus"));
    EXPECT_EQ(Projektfeld(QStringLiteral("Projektart"), QStringLiteral("57")), QStringLiteral("Kü"));
    EXPECT_EQ(db->zeilen(QStringLiteral("Heizungsparameter"), QStringLiteral("57")), 0);
}

// Alt+Right from the designation box: page 100 shows what was typed, the row holds it.
TEST_F(Eingabeweg, AltRechtsNimmtDieBezeichnungMit)
{
    KelvorForm3* s = NeueProjektseite(0, QStringLiteral("58"));
    ASSERT_NE(s, nullptr);
    Tippen(s->ProjektText[1], QStringLiteral("Schule Nord"));
    QTest::keyClick(s->ProjektText[1], Qt::Key_Right, Qt::AltModifier);
    Ereignisse();
    auto* s100 = dynamic_cast<Form100*>(Aktuell());
    ASSERT_NE(s100, nullptr);
    EXPECT_EQ(s100->Projektbezeichnung->text(), QStringLiteral("Schule Nord"));
    EXPECT_EQ(Projektfeld(QStringLiteral("Projektbezeichnung"), QStringLiteral("58")), QStringLiteral("Schule Nord"));
}

// A date the page refuses keeps the user in the date box: Weiter, a menu item and Exit do nothing.
TEST_F(Eingabeweg, AbgelehntesDatumHältJedenBefehlAuf)
{
    KelvorForm3* s = NeueProjektseite(0, QStringLiteral("59"));
    ASSERT_NE(s, nullptr);
    const std::function<void()> befehle[] = {
        [&] { QTest::mouseClick(fenster->WeiterCommand, Qt::LeftButton); },
        [&] { fenster->Mbeenden->trigger(); },
        [&] { QTest::mouseClick(fenster->ExitCommand, Qt::LeftButton); },
        [&] { fenster->close(); },
    };
    int nr = 0;
    for (const auto& befehl : befehle) {
        SCOPED_TRACE(nr++);
        Tippen(s->ProjektMask, QStringLiteral("31.02.2005"));
        recorder.leeren();
        befehl();
        Ereignisse();
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Eingabefehler);
        EXPECT_EQ(zustand().Status, 3);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(fenster->focusWidget(), s->ProjektMask);
    }
}

// Page 101: a box that code changed after the user's last input is checked again when the user
// types the old value back (the volume after the consumer dialog without entries), before
// Berechnen runs.
TEST_F(Eingabeweg, Seite101GetippterWertNachDemDialogZählt)
{
    Form101* s = ZurSeite101(QStringLiteral("60"));
    ASSERT_NE(s, nullptr);
    GlobDatenHeizung& h = *zustand().g_heizdat;
    Tippen(s->Analagevolumen, QStringLiteral("1000"));
    QTest::keyClick(s->Analagevolumen, Qt::Key_Tab);
    Ereignisse();
    EXPECT_DOUBLE_EQ(h.m_VolAnlage.m_Value, 1000.0);

    Heizungsformen::modalZeigen() = [](QDialog& d) {
        if (auto* b = dynamic_cast<Form101b*>(&d))
            b->Weiter();
    };
    QTest::mouseClick(s->Command2, Qt::LeftButton);
    Ereignisse();
    EXPECT_DOUBLE_EQ(h.m_VolAnlage.m_Value, 0.0);
    EXPECT_EQ(s->Analagevolumen->text(), QStringLiteral("0"));

    Tippen(s->Analagevolumen, QStringLiteral("1000"));
    QTest::mouseClick(s->Command3, Qt::LeftButton);
    Ereignisse();
    EXPECT_DOUBLE_EQ(h.m_VolAnlage.m_Value, 1000.0);
    EXPECT_TRUE(h.m_IstBerechnet.m_Value.toBool());
}

// Page 101: the value being typed is stored whichever way the program ends.
TEST_P(Programmende, Seite101SpeichertDenGetipptenWert)
{
    const auto weg = static_cast<Ende>(GetParam());
    Form101* s = ZurSeite101(QStringLiteral("62"));
    ASSERT_NE(s, nullptr);
    Tippen(s->Text1[6], QStringLiteral("8"));
    Beenden(weg);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_DOUBLE_EQ(db->feld(QStringLiteral("Heizungsparameter"), QStringLiteral("Wasservorlage"), QStringLiteral("62")).toDouble(), 8.0);
}

// Page 600: the absorber area being typed is stored whichever way the program ends.
TEST_P(Programmende, Seite600SpeichertDenGetipptenWert)
{
    const auto weg = static_cast<Ende>(GetParam());
    ASSERT_NE(NeueProjektseite(5, QStringLiteral("66")), nullptr);
    Weiter();
    auto* s = dynamic_cast<Form600*>(Aktuell());
    ASSERT_NE(s, nullptr);
    Tippen(s->Absorberfläche, QStringLiteral("12"));
    Beenden(weg);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_DOUBLE_EQ(db->feld(QStringLiteral("Solarparameter"), QStringLiteral("Absorberflaeche"), QStringLiteral("66")).toDouble(), 12.0);
}

// Page 200: typed, then Zurück (button and Alt+Left) with the save question answered Ja.
TEST_F(Eingabeweg, Seite200ZurückSpeichertDenGetipptenWert)
{
    ASSERT_NE(NeueProjektseite(1, QStringLiteral("63")), nullptr);
    Weiter();
    auto* s = dynamic_cast<Form200*>(Aktuell());
    ASSERT_NE(s, nullptr);
    Tippen(s->Analagevolumen, QStringLiteral("2500"));
    recorder.antworten = {MsgAntwort::Ja};
    QTest::keyClick(s->Analagevolumen, Qt::Key_Left, Qt::AltModifier);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_DOUBLE_EQ(db->feld(QStringLiteral("Kälteparameter"), QStringLiteral("AnlagenvolumenSumme"), QStringLiteral("63")).toDouble(), 2500.0);
}

// Page 200: a value the page refuses keeps the user on the box; Zurück does not run.
TEST_F(Eingabeweg, Seite200AbgelehnterWertHältZurückAuf)
{
    ASSERT_NE(NeueProjektseite(1, QStringLiteral("64")), nullptr);
    Weiter();
    auto* s = dynamic_cast<Form200*>(Aktuell());
    ASSERT_NE(s, nullptr);
    Tippen(s->Text1[4], QStringLiteral("9,5"));  // the safety valve would need 11.4 bar
    QTest::mouseClick(fenster->ZurückCommand, Qt::LeftButton);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 200);
    EXPECT_FALSE(recorder.boxen.isEmpty());
    EXPECT_EQ(fenster->focusWidget(), s->Text1[4]);
}

// The heating dialogs: Esc and the pipe button take the focused box first.
TEST_F(Eingabeweg, HeizungsdialogeÜbernehmenDenFokussiertenWert)
{
    Form101* s = ZurSeite101(QStringLiteral("65"));
    ASSERT_NE(s, nullptr);
    GlobDatenHeizung& h = *zustand().g_heizdat;
    double radiatorenBeimRohrdialog = -1;
    Heizungsformen::modalZeigen() = [&](QDialog& d) {
        d.show();
        d.activateWindow();
        if (!QTest::qWaitForWindowActive(&d)) {
            ADD_FAILURE() << "dialog not active";
            d.close();
            return;
        }
        if (auto* a = dynamic_cast<Form101a*>(&d)) {
            Tippen(a->Text1[1], QStringLiteral("150"));
            QTest::keyClick(a->Text1[1], Qt::Key_Escape);
        } else if (auto* b = dynamic_cast<Form101b*>(&d)) {
            Tippen(b->Text1[0], QStringLiteral("120"));
            QTest::mouseClick(b->FernleitungButton, Qt::LeftButton);
            Ereignisse();
            QTest::keyClick(b->Text1[0], Qt::Key_Escape);
        } else {
            radiatorenBeimRohrdialog = h.m_P_Radiatoren.m_Value;
            d.close();
        }
        Ereignisse();
        EXPECT_FALSE(d.isVisible()) << d.objectName().toStdString();
        d.close();
    };
    QTest::mouseClick(s->Command1, Qt::LeftButton);
    Ereignisse();
    EXPECT_DOUBLE_EQ(h.m_Leist_1.m_Value, 150.0);
    QTest::mouseClick(s->Command2, Qt::LeftButton);
    Ereignisse();
    EXPECT_DOUBLE_EQ(radiatorenBeimRohrdialog, 120.0);
    EXPECT_DOUBLE_EQ(h.m_P_Radiatoren.m_Value, 120.0);
}
