#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"
#include "design/cooling/forms/Form200a.h"
#include "design/cooling/forms/Form200b.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form100.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Form101c.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form501a.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form600a.h"
#include "design/solar/forms/Form600b.h"
#include "design/solar/forms/Form600c.h"
#include "design/water_pressure/forms/WasserEingabeseite.h"
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
        Form600::SetzeDialogÖffner(nullptr);
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

namespace {

// An input page of a type, one of its boxes (on page 501 a column of the first dwelling group),
// the text typed into it and the field that stores it; gespeichert < 0: the page refuses the
// text, a text gespeichert: the stored text. Zurück leads to the page vorige.
struct Seiteneingabe {
    const char* name;
    int knopf;
    int status;
    int vorige;
    int box;
    const char* getippt;
    const char* tabelle;
    const char* spalte;
    double gespeichert;
    const char* text = nullptr;
};

const Seiteneingabe seiteneingaben[] = {
    {"Trinkwasser", 3, 300, 3, 1, "70", "Trinkwasserparameter", "Betriebstemperatur", 70},
    {"TrinkwasserZuHeiss", 3, 300, 3, 1, "95", "Trinkwasserparameter", "Betriebstemperatur", -1},
    {"Druckerhoehung", 2, 400, 3, 0, "12", "Druckerhöhungparameter", "MaxVolumenstrom", 12},
    {"DruckerhoehungZuOft", 2, 400, 3, 1, "30", "Druckerhöhungparameter", "Schalthäufigkeit", -1},
    {"Speicher", 4, 502, 501, 0, "800", "SpeicherWasserwärmerparameter", "Türbreite", 800},
    {"SpeicherZuViele", 4, 502, 501, 3, "7", "SpeicherWasserwärmerparameter", "GefäßAnzahl", -1},
    {"Wohnungsgruppe", 4, 501, 500, 1, "Haus A", "SpeicherBedarfsKz", "Bezeichnung", 0, "Haus A"},
    {"Wohnungsanzahl", 4, 501, 500, 4, "12", "SpeicherBedarfsKz", "AnzahlWohng", 12},
};

void PrintTo(const Seiteneingabe& fall, std::ostream* os)
{
    *os << fall.name;
}

// The ways of leaving a page: back to the project page, or ending the program.
enum Seitenweg { ZurückKnopf, AltLinks, ExitBeenden, AltF10Beenden, MenüBeenden, SchließfeldBeenden };

class Seitenverlassen : public Eingabeweg,
                        public ::testing::WithParamInterface<std::tuple<Seiteneingabe, Seitenweg>> {
protected:
    // From the start page to the case's page of a new project; its input box (the grid on 501).
    QWidget* ZurEingabe(const Seiteneingabe& fall, const QString& nr)
    {
        if (!NeuesProjekt(fall.knopf, nr))
            return nullptr;
        if (zustand().Status == 500 && fall.status == 501) {
            Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
            Ereignisse();
        } else if (zustand().Status == 500) {
            // One dwelling with a bath, calculated, then the tank page.
            Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
            Ereignisse();
            if (auto* s501 = dynamic_cast<Form501*>(Aktuell())) {
                s501->Command3->click();
                Ereignisse();
                Weiter();
            }
        }
        EXPECT_EQ(zustand().Status, fall.status);
        const auto i = static_cast<size_t>(fall.box);
        if (auto* s = dynamic_cast<WasserEingabeseite*>(Aktuell()))
            return s->Text1[i];
        if (auto* s = dynamic_cast<Form502*>(Aktuell()))
            return s->Text1[i];
        if (auto* s = dynamic_cast<Form501*>(Aktuell()))
            return s->DataGrid1;
        return nullptr;
    }

    // Types into the box; in the grid into the cell of the first row, which opens its editor
    // with the first key. The widget that has the focus afterwards.
    static QWidget* Eingeben(QWidget* box, int spalte, const QString& text)
    {
        auto* gitter = qobject_cast<QTableView*>(box);
        if (!gitter) {
            Tippen(box, text);
            return box;
        }
        gitter->setFocus(Qt::TabFocusReason);
        gitter->setCurrentIndex(gitter->model()->index(0, spalte));
        Ereignisse();
        QTest::keyClick(gitter, text.at(0).toLatin1());
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        return QApplication::focusWidget();
    }
};

std::string Seitenwegname(const ::testing::TestParamInfo<std::tuple<Seiteneingabe, Seitenweg>>& info)
{
    static const char* const wege[] = {"Zurueck", "AltLinks", "Exit", "AltF10", "Menue", "Schliessfeld"};
    return std::string(std::get<0>(info.param).name) + "_" + wege[std::get<1>(info.param)];
}

}  // namespace

// The value being typed on an input page is stored whichever way the user leaves the page; a
// value the page refuses keeps the user on the box with the page's message, and the command
// does not run.
TEST_P(Seitenverlassen, GetippterWertOderAbgelehnt)
{
    const auto& [fall, weg] = GetParam();
    const QString nr = QStringLiteral("S%1").arg(static_cast<int>(weg));
    QWidget* eingabe = ZurEingabe(fall, nr);
    ASSERT_NE(eingabe, nullptr);
    ASSERT_EQ(zustand().Status, fall.status);
    QWidget* box = Eingeben(eingabe, fall.box, QString::fromLatin1(fall.getippt));
    recorder.leeren();
    recorder.antworten = {MsgAntwort::Ja, MsgAntwort::Ja};
    switch (weg) {
    case ZurückKnopf: QTest::mouseClick(fenster->ZurückCommand, Qt::LeftButton); break;
    case AltLinks: QTest::keyClick(box, Qt::Key_Left, Qt::AltModifier); break;
    case ExitBeenden: Beenden(ExitKnopf); break;
    case AltF10Beenden: Beenden(AltF10); break;
    case MenüBeenden: Beenden(Menüpunkt); break;
    case SchließfeldBeenden: Beenden(Schließfeld); break;
    }
    Ereignisse();
    if (fall.gespeichert < 0) {
        ASSERT_FALSE(recorder.boxen.isEmpty());
        EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Eingabefehler);
        EXPECT_EQ(zustand().Status, fall.status);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(fenster->focusWidget(), box);
        return;
    }
    if (weg == ZurückKnopf || weg == AltLinks) {
        EXPECT_EQ(zustand().Status, fall.vorige);
        // Back to the project page, where the project's rows are stored.
        for (int i = 0; i < 3 && zustand().Status != 3; ++i)
            Zurück();
        EXPECT_EQ(zustand().Status, 3);
    } else {
        EXPECT_FALSE(fenster->isVisible());
    }
    const QVariant gespeichert = db->feld(QString::fromUtf8(fall.tabelle), QString::fromUtf8(fall.spalte), nr);
    if (fall.text)
        EXPECT_EQ(gespeichert.toString(), QString::fromLatin1(fall.text));
    else
        EXPECT_DOUBLE_EQ(gespeichert.toDouble(), fall.gespeichert);
}

INSTANTIATE_TEST_SUITE_P(Seiten, Seitenverlassen,
                         ::testing::Combine(::testing::ValuesIn(seiteneingaben),
                                            ::testing::Values(ZurückKnopf, AltLinks, ExitBeenden, AltF10Beenden,
                                                              MenüBeenden, SchließfeldBeenden)),
                         Seitenwegname);

namespace {

// The ways of closing a dialog.
enum Dialogweg { WeiterKnopf, AltRechts, EscTaste, Schließfeld };

// A box of an input dialog, the text typed into it and the field of the project database that
// stores it; gespeichert < 0: the dialog refuses the text. wert, where given, is the data object's
// value, read while the dialog is still there. ohneEsc: Esc does not close the dialog.
struct Dialogeingabe {
    const char* name;
    const char* dialog;  // object class of the dialog
    std::function<QLineEdit*(QDialog&)> box;
    const char* getippt;
    const char* tabelle;
    const char* spalte;
    double gespeichert;
    std::function<double()> wert = nullptr;
    bool ohneEsc = false;
};

void PrintTo(const Dialogeingabe& fall, std::ostream* os)
{
    *os << fall.name;
}

template <class D>
std::function<QLineEdit*(QDialog&)> Box(QLineEdit* D::*feld)
{
    return [feld](QDialog& d) { return dynamic_cast<D&>(d).*feld; };
}

template <class D, size_t N>
std::function<QLineEdit*(QDialog&)> Box(std::array<QLineEdit*, N> D::*feld, size_t i)
{
    return [feld, i](QDialog& d) { return (dynamic_cast<D&>(d).*feld)[i]; };
}

std::function<QLineEdit*(QDialog&)> Zapfstelle(int i)
{
    return [i](QDialog& d) { return dynamic_cast<Zapfstellendialog&>(d).Text1.value(i); };
}

std::function<double()> Heizung(conTextBoxAdodb GlobDatenHeizung::*m)
{
    return [m] { return (*zustand().g_heizdat.*m).m_Value; };
}

std::function<double()> Kälte(conTextBoxAdodb GlobDatenKälte::*m)
{
    return [m] { return (*zustand().g_kühldat.*m).m_Value; };
}

std::function<double()> Solar(conTextBoxAdodb GlobDatenSolar::*m)
{
    return [m] { return (*zustand().g_solardat.*m).m_Value; };
}

const char* const heizung = "Heizungsparameter";
const char* const kälte = "Kälteparameter";
const char* const solar = "Solarparameter";
const char* const zapfstellen = "SpeicherBedarfsKz";

const Dialogeingabe dialogeingaben[] = {
    {"Waermeleistung", "Form101a", Box(&Form101a::Text1, 1), "150", heizung, "Wärmeerzeuger1", 150,
     Heizung(&GlobDatenHeizung::m_Leist_1)},
    {"WaermeleistungZuGross", "Form101a", Box(&Form101a::Text1, 1), "30000", heizung, "Wärmeerzeuger1", -1,
     Heizung(&GlobDatenHeizung::m_Leist_1)},
    // Without a total heat output the consumers' outputs are refused.
    {"RadiatorenOhneGesamtleistung", "Form101b", Box(&Form101b::Text1, 0), "120", heizung, "RadiatorenkW", -1,
     Heizung(&GlobDatenHeizung::m_P_Radiatoren)},
    {"SonstigerInhalt", "Form101b", Box(&Form101b::Text2, 5), "250", heizung, "SonstigesLiter", 250,
     Heizung(&GlobDatenHeizung::m_V_Sonstiges)},
    {"Fernleitung", "Form101c", Box(&Form101c::Text1, 0), "40", heizung, "FernleitungDN20", 40,
     Heizung(&GlobDatenHeizung::m_LaengeDN20)},
    {"Kaelteleistung", "Form200a", Box(&Form200a::Text1, 1), "150", kälte, "Wärmeerzeuger1", 150,
     Kälte(&GlobDatenKälte::m_Leist_1)},
    {"KaelteleistungZuGross", "Form200a", Box(&Form200a::Text1, 1), "30000", kälte, "Wärmeerzeuger1", -1,
     Kälte(&GlobDatenKälte::m_Leist_1)},
    {"Rohrlaenge", "Form200b", Box(&Form200b::Text1, 0), "40", kälte, "FernleitungDN20", 40,
     Kälte(&GlobDatenKälte::m_LaengeDN20)},
    {"Sonstiges", "Form200b", Box(&Form200b::SonstigesLiter), "25", kälte, "SonstigesLiter", 25,
     Kälte(&GlobDatenKälte::m_V_Sonstiges)},
    {"Rohrinhalt", "Form600a", Box(&Form600a::Rohrleitungsinhalt), "120", solar, "VolRohreGesamt", 120,
     Solar(&GlobDatenSolar::m_VolRohre)},
    {"RohrinhaltZuGross", "Form600a", Box(&Form600a::Rohrleitungsinhalt), "50000", solar, "VolRohreGesamt", -1,
     Solar(&GlobDatenSolar::m_VolRohre)},
    {"Tauscherinhalt", "Form600a", Box(&Form600a::InhaltSolarwärmetauscher), "20", solar, "VolWTSolarGesamt", 20,
     Solar(&GlobDatenSolar::m_VolSolarWTGes)},
    {"Rohrlaenge12", "Form600b", Box(&Form600b::Text1, 0), "30", solar, "LngRGes12x1", 30,
     Solar(&GlobDatenSolar::m_LaengeGes_12x1)},
    {"Tauscheranzahl", "Form600c", Box(&Form600c::Text0, 0), "2", solar, "AnzWTSolar1", 2,
     Solar(&GlobDatenSolar::m_AnzSolarWT_1)},
    {"TauscheranzahlZuGross", "Form600c", Box(&Form600c::Text0, 0), "11", solar, "AnzWTSolar1", -1,
     Solar(&GlobDatenSolar::m_AnzSolarWT_1)},
    {"KomfortDuschen", "Form501b", Zapfstelle(5), "2", zapfstellen, "BRN", 2, nullptr, true},
    {"KomfortHalbeWanne", "Form501b", Zapfstelle(0), "0,5", zapfstellen, "NB1", -1, nullptr, true},
    {"IndividuellAnderthalbWannen", "Form501c", Zapfstelle(0), "1,5", zapfstellen, "NB1", 1.5, nullptr, true},
    {"IndividuellZehnWannen", "Form501c", Zapfstelle(0), "10", zapfstellen, "NB1", -1, nullptr, true},
};

std::vector<std::tuple<Dialogeingabe, Dialogweg>> Dialogfälle()
{
    std::vector<std::tuple<Dialogeingabe, Dialogweg>> fälle;
    for (const Dialogeingabe& fall : dialogeingaben)
        for (Dialogweg weg : {WeiterKnopf, AltRechts, EscTaste, Schließfeld})
            fälle.emplace_back(fall, weg);
    return fälle;
}

class Dialogverlassen : public Eingabeweg,
                        public ::testing::WithParamInterface<std::tuple<Dialogeingabe, Dialogweg>> {
protected:
    // A user with German number settings (the draw-off dialogs read the decimal comma from them).
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Eingabeweg::SetUp();
    }
    void TearDown() override
    {
        Eingabeweg::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    // Runs in the dialog's own event loop: types into the box without leaving it, then closes
    // the dialog the case's way. Where Esc does not close the dialog, Weiter follows it.
    void Bedienen(QDialog& d, const Dialogeingabe& fall, Dialogweg weg)
    {
        d.activateWindow();
        if (!QTest::qWaitForWindowActive(&d)) {
            ADD_FAILURE() << "dialog not active";
            d.done(0);
            return;
        }
        QLineEdit* box = fall.box(d);
        Tippen(box, QString::fromLatin1(fall.getippt));
        recorder.leeren();
        auto* weiter = d.findChild<QAbstractButton*>(QStringLiteral("WeiterCommand"));
        switch (weg) {
        case WeiterKnopf: QTest::mouseClick(weiter, Qt::LeftButton); break;
        case AltRechts: QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier); break;
        case EscTaste:
            QTest::keyClick(box, Qt::Key_Escape);
            if (fall.ohneEsc) {
                Ereignisse();
                escHieltOffen = d.isVisible() && box->text() == QString::fromLatin1(fall.getippt);
                QTest::mouseClick(weiter, Qt::LeftButton);
            }
            break;
        case Schließfeld: d.close(); break;
        }
        Ereignisse();
        offenGeblieben = d.isVisible();
        fokusGeblieben = d.focusWidget() == box;
        meldungen = recorder.boxen.size();
        if (fall.wert)
            wertImDialog = fall.wert();
        if (d.isVisible())
            d.done(0);
    }

    // From the start page to the page of the case's dialog in a new project nr; opens the dialog
    // there (through its parent dialog for a sub-dialog) and runs bedienen in it.
    void Öffnen(const QString& art, const QString& nr, const std::function<void(QDialog&)>& bedienen)
    {
        auto imDialog = [&](QDialog& d) {
            if (d.metaObject()->className() == art)
                bedienen(d);
            else if (auto* b = dynamic_cast<Form101b*>(&d)) {
                QTest::mouseClick(b->FernleitungButton, Qt::LeftButton);
                Ereignisse();
                b->Weiter();
            } else if (auto* a = dynamic_cast<Form600a*>(&d)) {
                QTest::mouseClick(art == QLatin1String("Form600b") ? a->RohrleitungButton : a->SolarWTButton,
                                  Qt::LeftButton);
                Ereignisse();
                a->Weiter();
            } else {
                d.done(0);
            }
        };
        // The dialogs that the page shows with exec().
        auto imModalenDialog = [&] {
            QTimer::singleShot(0, fenster.get(), [&] {
                if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    imDialog(*d);
            });
        };
        if (art.startsWith(QLatin1String("Form101"))) {
            ASSERT_TRUE(NeuesProjekt(0, nr));
            Weiter();
            auto* s = dynamic_cast<Form101*>(Aktuell());
            ASSERT_NE(s, nullptr);
            Heizungsformen::modalZeigen() = [&](QDialog& d) {
                d.show();
                imDialog(d);
            };
            QTest::mouseClick(art == QLatin1String("Form101a") ? s->Command1 : s->Command2, Qt::LeftButton);
        } else if (art.startsWith(QLatin1String("Form200"))) {
            ASSERT_TRUE(NeuesProjekt(1, nr));
            auto* s = dynamic_cast<Form200*>(Aktuell());
            ASSERT_NE(s, nullptr);
            imModalenDialog();
            QTest::mouseClick(art == QLatin1String("Form200a") ? s->Command1 : s->Command2, Qt::LeftButton);
        } else if (art.startsWith(QLatin1String("Form600"))) {
            ASSERT_TRUE(NeuesProjekt(5, nr));
            auto* s = dynamic_cast<Form600*>(Aktuell());
            ASSERT_NE(s, nullptr);
            Form600::SetzeDialogÖffner([&](QDialog& d) {
                d.show();
                imDialog(d);
            });
            QTest::mouseClick(s->Command2, Qt::LeftButton);
        } else {
            ASSERT_TRUE(NeuesProjekt(4, nr));
            Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
            Ereignisse();
            auto* s = dynamic_cast<Form501*>(Aktuell());
            ASSERT_NE(s, nullptr);
            // The equipment of the first dwelling group chosen from its list.
            s->DataGrid1->setCurrentIndex(s->DataGrid1->model()->index(0, 5));
            const int ausstattung = art == QLatin1String("Form501b") ? 969 : 970;
            s->Combo1[2]->setCurrentText(LadeText(zustand().Sprachoffset + ausstattung));
            s->Combo1[2]->show();
            imModalenDialog();
            s->ListeGeschlossen(5);
        }
        Ereignisse();
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        Form600::SetzeDialogÖffner(nullptr);
    }

    bool offenGeblieben = false;
    bool fokusGeblieben = false;
    bool escHieltOffen = false;
    qsizetype meldungen = 0;
    double wertImDialog = -1;
};

std::string Dialogwegname(const ::testing::TestParamInfo<std::tuple<Dialogeingabe, Dialogweg>>& info)
{
    static const char* const wege[] = {"Weiter", "AltRechts", "Esc", "Schliessfeld"};
    return std::string(std::get<0>(info.param).name) + "_" + wege[std::get<1>(info.param)];
}

}  // namespace

// The input dialogs of the heating, cooling, solar and dwelling-group pages: Weiter, Alt+Right,
// Esc and the close box take the value being typed, and the project database holds it after the
// program has ended; a refused value keeps the dialog open with the focus on the box, and is not
// stored. The draw-off dialogs have no Esc: it leaves the dialog open with the text typed.
TEST_P(Dialogverlassen, JederWegNimmtDenWert)
{
    const auto& [fall, weg] = GetParam();
    const QString nr = QStringLiteral("D1");
    int bedient = 0;
    Öffnen(QString::fromLatin1(fall.dialog), nr, [&](QDialog& d) {
        ++bedient;
        Bedienen(d, fall, weg);
    });
    ASSERT_EQ(bedient, 1);
    if (weg == EscTaste && fall.ohneEsc) {
        EXPECT_TRUE(escHieltOffen);
    }
    const double getippt = QLocale().toDouble(QString::fromLatin1(fall.getippt));
    if (fall.gespeichert < 0) {
        EXPECT_TRUE(offenGeblieben);
        EXPECT_TRUE(fokusGeblieben);
        EXPECT_GE(meldungen, 1);
        if (fall.wert) {
            EXPECT_NE(wertImDialog, getippt);
        }
    } else {
        EXPECT_FALSE(offenGeblieben);
        EXPECT_EQ(meldungen, 0);
        if (fall.wert) {
            EXPECT_DOUBLE_EQ(wertImDialog, fall.gespeichert);
            EXPECT_DOUBLE_EQ(fall.wert(), fall.gespeichert);
        }
    }
    Beenden(ExitKnopf);
    ASSERT_FALSE(fenster->isVisible());
    const double gespeichert =
        db->feld(QString::fromUtf8(fall.tabelle), QString::fromUtf8(fall.spalte), nr).toDouble();
    if (fall.gespeichert < 0) {
        EXPECT_NE(gespeichert, getippt);
    } else {
        EXPECT_DOUBLE_EQ(gespeichert, fall.gespeichert);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialoge, Dialogverlassen, ::testing::ValuesIn(Dialogfälle()), Dialogwegname);
