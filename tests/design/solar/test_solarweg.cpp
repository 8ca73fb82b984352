#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "design/solar/forms/Form602.h"
#include "design/solar/forms/Form603.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/QStringAusgabe.h"

// Solar through every real page, from a new project on the project page back to it, on the demo
// article database.
namespace {

class Solarweg : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Form600::SetzeDialogÖffner({});
        Hauptfensterweg::TearDown();
        if (zustand().g_solardat)
            zustand().g_solardat->m_TerminateMitUpdate = false;
        zustand().g_solardat.reset();
    }
    QVariant Feld(const QString& spalte) const
    {
        return db->feld(QStringLiteral("Solarparameter"), spalte, QStringLiteral("SO1"));
    }
    QString Unerwartet() const { return recorder.boxen.isEmpty() ? QString() : recorder.boxen[0].text; }
    // The page drawn as shown has a decoration line across at this height (twips).
    static bool Linie(QWidget* seite, int yTwips)
    {
        const QImage bild = seite->grab().toImage();
        const QColor schrift = seite->palette().color(QPalette::WindowText);
        for (int x : {1000, 5000, 10000})
            if (bild.pixelColor(Twips::zuPixel(x), Twips::zuPixel(yTwips)) != schrift)
                return false;
        return true;
    }

    // A new solar project SO1 on the project page, 10 m² of collectors, 120 l of pipes and 20 l of
    // exchangers typed in the content dialog, calculated on page 600, group 21 chosen on page 601,
    // and on through 602 to 603.
    void Bis603()
    {
        ASSERT_TRUE(NeuesProjekt(5, QStringLiteral("SO1")));
        ASSERT_EQ(zustand().Projektart, QStringLiteral("So"));

        // 600: area, contents and the calculation.
        auto* s600 = dynamic_cast<Form600*>(Aktuell());
        ASSERT_NE(s600, nullptr);
        Eingeben(s600->Absorberfläche, QStringLiteral("10"));
        SolarinhaltFüllen();
        s600->Command2->click();
        Ereignisse();
        const GlobDatenSolar& d = *zustand().g_solardat;
        ASSERT_EQ(d.m_VolAnlage.m_Value, 146);
        s600->Command3->click();
        Ereignisse();
        ASSERT_TRUE(d.m_IstBerechnet.m_Value.toBool()) << Unerwartet().toStdString();
        ASSERT_EQ(Buttons(), QStringLiteral("111"));

        // 601: group 21 chosen automatically.
        Weiter();
        ASSERT_EQ(zustand().Status, 601);
        auto* s601 = dynamic_cast<Form601*>(Aktuell());
        ASSERT_NE(s601, nullptr);
        EXPECT_EQ(Buttons(), QStringLiteral("110"));
        QPushButton* g21 = nullptr;
        for (QPushButton* b : s601->Command1)
            if (b->isVisibleTo(s601) && b->text() == QStringLiteral("21"))
                g21 = b;
        ASSERT_NE(g21, nullptr);
        g21->click();
        Ereignisse();
        gefäß = d.m_GefaessArtNr.m_Value.toString();
        EXPECT_FALSE(gefäß.trimmed().isEmpty());
        ASSERT_EQ(Buttons(), QStringLiteral("111"));
        EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());

        // 602: safety valve and cap valves.
        Weiter();
        ASSERT_EQ(zustand().Status, 602);
        auto* s602 = dynamic_cast<Form602*>(Aktuell());
        ASSERT_NE(s602, nullptr);
        EXPECT_EQ(Buttons(), QStringLiteral("111"));
        EXPECT_FALSE(d.m_Zub_SichVentil_ArtNr.m_Value.toString().trimmed().isEmpty());
        EXPECT_FALSE(s602->Label5[0]->text().trimmed().isEmpty());
        EXPECT_TRUE(Linie(s602, 1560));
        EXPECT_TRUE(Linie(s602, 2880));

        // 603: the further products.
        Weiter();
        ASSERT_EQ(zustand().Status, 603);
        ASSERT_NE(dynamic_cast<Form603*>(Aktuell()), nullptr);
        EXPECT_TRUE(Linie(Aktuell(), 1560));
        EXPECT_TRUE(Linie(Aktuell(), 3360));
        EXPECT_EQ(Buttons(), QStringLiteral("111"));
        EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();
    }

    QString gefäß;
};

}  // namespace

TEST_F(Solarweg, NeuesProjektVon600Bis603UndZurProjektseite)
{
    ASSERT_NO_FATAL_FAILURE(Bis603());
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_NE(dynamic_cast<KelvorForm3*>(Aktuell()), nullptr);
    EXPECT_EQ(zustand().g_solardat, nullptr);
    EXPECT_EQ(Feld(QStringLiteral("IstAusgelegt")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("IstBerechnet")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("GefäßArtNr")).toString(), gefäß);
    EXPECT_TRUE(fenster->MAusgabe->menuAction()->isEnabled());
    EXPECT_EQ(fenster->menuBar()->activeAction(), fenster->MAusgabe->menuAction());
    EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();
}

// Back from 603 through every page to the project page, the data kept on the save question.
TEST_F(Solarweg, Von603ZurueckZurProjektseite)
{
    ASSERT_NO_FATAL_FAILURE(Bis603());
    for (int status : {602, 601, 600}) {
        Zurück();
        ASSERT_EQ(zustand().Status, status);
        EXPECT_EQ(Buttons(), QStringLiteral("111")) << status;
        EXPECT_TRUE(recorder.boxen.isEmpty()) << status << ": " << Unerwartet().toStdString();
    }
    recorder.antworten.push_back(MsgAntwort::Ja);
    Zurück();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_NE(dynamic_cast<KelvorForm3*>(Aktuell()), nullptr);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
    EXPECT_EQ(zustand().g_solardat, nullptr);
    EXPECT_EQ(Feld(QStringLiteral("IstAusgelegt")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("GefäßArtNr")).toString(), gefäß);
    EXPECT_TRUE(fenster->MAusgabe->menuAction()->isEnabled());

    // Entered again: every page offers Weiter with what is stored, and the project stays designed.
    recorder.leeren();
    Weiter();
    ASSERT_EQ(zustand().Status, 600);
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    for (int status : {601, 602, 603}) {
        Weiter();
        ASSERT_EQ(zustand().Status, status);
        EXPECT_EQ(Buttons(), QStringLiteral("111")) << status;
    }
    EXPECT_EQ(zustand().g_solardat->m_GefaessArtNr.m_Value.toString(), gefäß);
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(Feld(QStringLiteral("IstAusgelegt")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("GefäßArtNr")).toString(), gefäß);
    EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();
}
