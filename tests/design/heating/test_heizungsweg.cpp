#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form100.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Form101c.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/heating_accessories/forms/Form103.h"
#include "design/heating_accessories/forms/Form104.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/selection/forms/Form102.h"
#include "projects/forms/KelvorForm3.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"

namespace {

void Ereignisse()
{
    for (int i = 0; i < 40; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class Heizungsweg : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir)); }
    void TearDown() override
    {
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        fenster.reset();
        Ereignisse();
        setzeTyvoAnbindung(nullptr);
    }
    Seitenform* Aktuell() const { return fenster->fenster(zustand().Status); }
    void Weiter()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
    }
    bool WeiterSichtbar() const { return fenster->WeiterCommand->isVisibleTo(fenster->LeisteuntenPicture); }

    QTemporaryDir dir;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(Heizungsweg, NewHeatingProjectThroughPages100And101ToTheVesselPage)
{
    fenster = std::make_unique<MDIForm1>(dir.path());
    db = std::make_unique<Datenobjektdatenbanken>();
    // The vessel page chooses from the demo article database of the program folder.
    zustand().Artikel_Data_Source = QDir(dir.path()).filePath(QStringLiteral("Daten/Artikeld.db"));
    fenster->show();
    Ereignisse();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));

    Weiter();
    auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
    ASSERT_NE(wahl, nullptr);
    wahl->HauptwahlCommand[0]->click();
    Ereignisse();
    auto* projekt = dynamic_cast<KelvorForm3*>(Aktuell());
    ASSERT_NE(projekt, nullptr);
    QLineEdit* nummer = projekt->ProjektText[0];
    if (!nummer->isEnabled())
        fenster->Manlegen->trigger();
    nummer->clear();
    QTest::keyClicks(nummer, QStringLiteral("71"));
    QTest::keyClick(nummer, Qt::Key_Return);
    ASSERT_EQ(zustand().aktProjektnummer, QStringLiteral("71"));

    Weiter();
    auto* s100 = dynamic_cast<Form100*>(Aktuell());
    ASSERT_NE(s100, nullptr);
    ASSERT_NE(zustand().g_heizdat, nullptr);
    s100->AnlagenabsicherungOption[1]->click();
    EXPECT_EQ(zustand().g_heizdat->m_Sicherung.m_Value, 1);
    EXPECT_EQ(fenster->StatusPanelText(1), QStringLiteral("Auslegung in Anlehnung an DIN EN 12828, Juni 2003"));

    Weiter();
    auto* s = dynamic_cast<Form101*>(Aktuell());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(fenster->StatusPanelText(1), QString());
    EXPECT_FALSE(WeiterSichtbar());

    // Heat generators, consumers and pipes through the three dialogs.
    QStringList geöffnet;
    Heizungsformen::modalZeigen() = [&geöffnet](QDialog& d) {
        geöffnet << d.objectName();
        if (auto* a = dynamic_cast<Form101a*>(&d)) {
            a->Text1[1]->setText(QStringLiteral("150"));
            a->PrüfeLeistung(1);
            a->Text2[1]->setText(QStringLiteral("40"));
            a->PrüfeInhalt(1);
            a->Weiter();
        } else if (auto* b = dynamic_cast<Form101b*>(&d)) {
            b->Text1[0]->setText(QStringLiteral("150"));
            b->PrüfeLeistung(0);
            b->Fernleitungen();
            b->Weiter();
        } else if (auto* c = dynamic_cast<Form101c*>(&d)) {
            c->Text1[4]->setText(QStringLiteral("100"));
            c->PrüfeZeile(4);
            c->Weiter();
        }
    };
    s->Command1->click();
    s->Command2->click();
    EXPECT_EQ(geöffnet, (QStringList{QStringLiteral("Form101a"), QStringLiteral("Form101b"), QStringLiteral("Form101c")}));
    const GlobDatenHeizung& h = *zustand().g_heizdat;
    EXPECT_EQ(h.m_Leist_ges.m_Value, 150);
    EXPECT_NEAR(h.m_VolAnlage.m_Value, h.m_V_Summe.m_Value + 233, 1e-9);
    EXPECT_FALSE(s->Analagevolumen->isEnabled());

    s->Command3->click();
    Ereignisse();
    EXPECT_TRUE(h.m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(WeiterSichtbar());
    EXPECT_GT(h.m_r_vges.m_Value, 0);
    EXPECT_TRUE(recorder.boxen.isEmpty());

    Weiter();
    EXPECT_EQ(zustand().Status, 102);
    // Back on page 101 the calculation stands.
    fenster->ZurückCommand->click();
    Ereignisse();
    auto* wieder = dynamic_cast<Form101*>(Aktuell());
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->Command3->text(), QStringLiteral("V&erändern"));
    EXPECT_TRUE(WeiterSichtbar());
}

// A heating project through every real page, 100 to 105, to the project page, designed.
TEST_F(Heizungsweg, NewHeatingProjectThroughEveryPageToTheProjectPageDesigned)
{
    fenster = std::make_unique<MDIForm1>(dir.path());
    db = std::make_unique<Datenobjektdatenbanken>();
    zustand().Artikel_Data_Source = QDir(dir.path()).filePath(QStringLiteral("Daten/Artikeld.db"));
    fenster->show();
    Ereignisse();

    Weiter();
    auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
    ASSERT_NE(wahl, nullptr);
    wahl->HauptwahlCommand[0]->click();
    Ereignisse();
    auto* projekt = dynamic_cast<KelvorForm3*>(Aktuell());
    ASSERT_NE(projekt, nullptr);
    QLineEdit* nummer = projekt->ProjektText[0];
    if (!nummer->isEnabled())
        fenster->Manlegen->trigger();
    nummer->clear();
    QTest::keyClicks(nummer, QStringLiteral("72"));
    QTest::keyClick(nummer, Qt::Key_Return);
    ASSERT_EQ(zustand().aktProjektnummer, QStringLiteral("72"));

    Weiter();
    ASSERT_NE(dynamic_cast<Form100*>(Aktuell()), nullptr);
    Weiter();
    auto* s = dynamic_cast<Form101*>(Aktuell());
    ASSERT_NE(s, nullptr);
    Heizungsformen::modalZeigen() = [](QDialog& d) {
        if (auto* a = dynamic_cast<Form101a*>(&d)) {
            a->Text1[1]->setText(QStringLiteral("150"));
            a->PrüfeLeistung(1);
            a->Text2[1]->setText(QStringLiteral("40"));
            a->PrüfeInhalt(1);
            a->Weiter();
        } else if (auto* b = dynamic_cast<Form101b*>(&d)) {
            b->Text1[0]->setText(QStringLiteral("150"));
            b->PrüfeLeistung(0);
            b->Fernleitungen();
            b->Weiter();
        } else if (auto* c = dynamic_cast<Form101c*>(&d)) {
            c->Text1[4]->setText(QStringLiteral("100"));
            c->PrüfeZeile(4);
            c->Weiter();
        }
    };
    s->Command1->click();
    s->Command2->click();
    s->Command3->click();
    Ereignisse();
    ASSERT_TRUE(WeiterSichtbar());

    Weiter();
    auto* s102 = dynamic_cast<Form102*>(Aktuell());
    ASSERT_NE(s102, nullptr);
    QPushButton* zwei = nullptr;
    for (QPushButton* b : s102->Command1)
        if (b->isVisibleTo(s102) && b->text() == QStringLiteral("2"))
            zwei = b;
    ASSERT_NE(zwei, nullptr);
    zwei->click();
    Ereignisse();
    const GlobDatenHeizung& h = *zustand().g_heizdat;
    EXPECT_FALSE(h.m_GefaessArtNr.m_Value.toString().trimmed().isEmpty());

    Weiter();
    EXPECT_NE(dynamic_cast<Form103*>(Aktuell()), nullptr);
    Weiter();
    EXPECT_NE(dynamic_cast<Form104*>(Aktuell()), nullptr);
    Weiter();
    EXPECT_NE(dynamic_cast<Form105*>(Aktuell()), nullptr);
    EXPECT_EQ(zustand().Status, 105);
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().g_heizdat, nullptr);
    EXPECT_EQ(db->feld(QStringLiteral("Heizungsparameter"), QStringLiteral("IstAusgelegt"), QStringLiteral("72")).toInt(),
              -1);
    EXPECT_EQ(fenster->menuBar()->activeAction(), fenster->MAusgabe->menuAction());
    EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
}

namespace {

// The host's data: one heat generator with an output but no content.
class Hostdaten : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString& projektId, QString&) override
    {
        projektId = QStringLiteral("4711");
        Programmzustand& z = zustand();
        z.TyvoDaten.Anlageninhalt = 800;
        z.TyvoDaten.WE_Daten[1].Leistung = 90;
        z.TyvoDaten.TVL = 70;
        z.TyvoDaten.TRL = 50;
        z.TyvoDaten.Pst = 1.5f;
        z.TyvoDaten.Psv = 3.0f;
        z.TyvoDaten.Max_Durchmesser = 600;
        z.TyvoDaten.Max_Hoehe = 1500;
        z.TyvoLetzterWE = 1;
        z.TyvoAnzahlWE = 1;
        return true;
    }
    void RückgabeInXML_AuswahlErfolgreich(int m) override { antworten << QStringLiteral("erfolgreich %1").arg(m); }
    void RückgabeInXML_AuswahlNutzerabbruch(int m) override { antworten << QStringLiteral("abbruch %1").arg(m); }
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int m, const QString& grund) override
    {
        antworten << QStringLiteral("nicht möglich %1: %2").arg(m).arg(grund);
    }
    QStringList antworten;
};

}  // namespace

TEST_F(Heizungsweg, ImplausibleHostDataEndTheProgramWithOneAnswer)
{
    Hostdaten host;
    setzeTyvoAnbindung(&host);
    zustand().TyvoModus = 1;
    fenster = std::make_unique<MDIForm1>(dir.path());
    db = std::make_unique<Datenobjektdatenbanken>();
    fenster->show();
    Ereignisse();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(zustand().AbbruchCode, 3);
    EXPECT_EQ(host.antworten,
              QStringList{QStringLiteral("nicht möglich 1: Mindestens einem Kessel ist kein Volumen zugeordnet.")});
    EXPECT_TRUE(recorder.boxen.isEmpty());  // neither the exit question nor a message
}
