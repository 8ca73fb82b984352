#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "design/storage_heater/forms/Form500.h"
#include "support/MeldungsRecorder.h"

namespace {

// The main window as page 500 sees it: counts the steps of "Wohnbauten" and forwarded keys.
class Fenster : public Hauptfenster {
public:
    Fenster() { setzeHauptfenster(this); }
    ~Fenster() override { setzeHauptfenster(nullptr); }
    void PositioniereChildForm(QWidget*) override {}
    void Kommando(int, int, int) override {}
    void ResetVisibleKommandoButtons(int, int, int) override {}
    void SaveKommandoButtons() override {}
    void LoadKommandoButtons() override {}
    void MDI_Fuss_Button(int KeyCode, int Shift) override { tasten << QPair<int, int>(KeyCode, Shift); }
    void seitenmanager(int) override {}
    void Speicher_Wohnbauten_Einsprung() override { ++schritte; }
    void FreigebenMenue() override {}
    void AutomatischerBilderwechselWennErforderlich() override {}
    bool FormUnsichtbarErforderlichUndMöglich() override { return false; }
    QWidget* Fensterwidget() override { return nullptr; }
    void StatusBarAktiv(int) override {}
    void SetzeStatusPanelText(int, const QString&) override {}
    void ErstprojektMenuesSperren() override {}
    std::shared_ptr<GlobDaten> Datenobjekt(const QString&) override { return nullptr; }
    void SeiteAufnehmen(QWidget*) override {}
    void MenuepunkteNachStatus(int) override {}
    void SetzeInfoLabel(const QString&) override {}
    void SetzeStatusPanel(const QString&) override {}
    void TyvoButtonStattExit(bool) override {}
    void Beenden() override {}
    void ÖffneAusgabeMenue() override {}

    int schritte = 0;
    QList<QPair<int, int>> tasten;
};

}  // namespace

TEST(Form500, TexteHinweisUndWohnbauten)
{
    MeldungsRecorder rec;
    Fenster fenster;
    zustand().ErrorCancel = true;  // a cancelled database message earlier
    Form500 seite;
    seite.Show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(zustand().ErrorCancel);
    EXPECT_EQ(seite.Label1->text(), LadeText(940));
    EXPECT_EQ(seite.WohnbautenButton->text(), QStringLiteral("&Wohnbauten"));
    EXPECT_EQ(seite.GewerbeButton->text(), QStringLiteral("&gewerbliche Nutzung"));
    EXPECT_TRUE(seite.Label2->text().contains(QStringLiteral("DIN 4708")));
    EXPECT_FALSE(seite.Image2->pixmap().isNull());

    // The notice each time, nothing else; the page stays.
    for (int i = 0; i < 3; ++i)
        seite.GewerbeButton->click();
    ASSERT_EQ(rec.boxen.size(), 3);
    for (const MeldungsBox& b : rec.boxen) {
        EXPECT_EQ(b.art, Meldungsart::Information);
        EXPECT_EQ(b.text, QStringLiteral("Berechnungsprogramm in Vorbereitung"));
    }
    EXPECT_EQ(fenster.schritte, 0);
    seite.WohnbautenButton->click();
    EXPECT_EQ(fenster.schritte, 1);
    seite.Unload();
}
