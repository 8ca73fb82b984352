#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/Programmordner.h"

namespace {

class Heizungsweg : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        Hauptfensterweg::TearDown();
    }
};

}  // namespace

TEST_F(Heizungsweg, NewHeatingProjectThroughPages100And101ToTheVesselPage)
{
    ASSERT_TRUE(NeuesProjekt(0, QStringLiteral("71")));
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
    HeizungsdialogeFüllen(&geöffnet);
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
    const QStringList volumen = {s->Label5[5]->text(), s->Label5[7]->text()};

    Weiter();
    EXPECT_EQ(zustand().Status, 102);
    // The vessel page shows the volumes as page 101 does.
    auto* s102 = dynamic_cast<Form102*>(Aktuell());
    ASSERT_NE(s102, nullptr);
    EXPECT_EQ((QStringList{s102->Label4[0]->text(), s102->Label4[2]->text()}), volumen);
    EXPECT_FALSE(volumen.join(QString()).contains(QLatin1Char(',')));
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
    ASSERT_TRUE(NeuesProjekt(0, QStringLiteral("72")));
    ASSERT_NE(dynamic_cast<Form100*>(Aktuell()), nullptr);
    ASSERT_NO_FATAL_FAILURE(HeizungBerechnen());
    ASSERT_TRUE(WeiterSichtbar());

    Weiter();
    ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form102*>(Aktuell()), QStringLiteral("2")));
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

// Host mode checks the data before the window shows: the window is built in the test.
class Heizungshost : public Hauptfensterweg {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir)); }
    void TearDown() override
    {
        Hauptfensterweg::TearDown();
        setzeTyvoAnbindung(nullptr);
    }
};

}  // namespace

TEST_F(Heizungshost, ImplausibleHostDataEndTheProgramWithOneAnswer)
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
