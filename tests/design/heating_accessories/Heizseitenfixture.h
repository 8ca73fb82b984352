#pragma once
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

#include "base/TyvoAnbindung.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Seitenform.h"
#include "design/heating/GlobDatenHeizung.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

// The main window as the result pages see it: records the hint line, the automatic steps and
// the end of the program.
class TestHauptfenster : public Hauptfenster {
public:
    void PositioniereChildForm(QWidget* f) override { f->move(0, 0); }
    void Kommando(int a1, int a2, int a3) override { knöpfe = {a1, a2, a3}; }
    void ResetVisibleKommandoButtons(int, int, int) override {}
    void SaveKommandoButtons() override { gemerkt = knöpfe; ++gespeichert; }
    void LoadKommandoButtons() override { knöpfe = gemerkt; ++geladen; }
    void MDI_Fuss_Button(int, int) override {}
    void seitenmanager(int) override {}
    void Speicher_Wohnbauten_Einsprung() override {}
    void FreigebenMenue() override {}
    void AutomatischerBilderwechselWennErforderlich() override { ++bilderwechsel; }
    bool FormUnsichtbarErforderlichUndMöglich() override { return unsichtbar; }
    QWidget* Fensterwidget() override { return &seitenbereich; }
    Seitenform* fenster(int) const override { return nullptr; }
    void StatusBarAktiv(int) override {}
    void SetzeStatusPanelText(int, const QString&) override {}
    void ErstprojektMenuesSperren() override {}
    std::shared_ptr<GlobDaten> Datenobjekt(const QString&) override;
    void SeiteAufnehmen(QWidget* seite) override { seite->setParent(&seitenbereich); }
    void MenuepunkteNachStatus(int) override {}
    void SetzeInfoLabel(const QString& text) override { infoLabel = text; }
    void SetzeStatusPanel(const QString&) override {}
    void TyvoButtonStattExit(bool) override {}
    void Beenden() override { ++beendet; }
    void ÖffneAusgabeMenue() override {}

    QWidget seitenbereich;
    // The data object of a project type other than heating (test objects).
    std::shared_ptr<GlobDaten> anderes;
    QString infoLabel = QStringLiteral("(leer)");
    int bilderwechsel = 0;
    int beendet = 0;
    bool unsichtbar = false;
    std::array<int, 3> knöpfe{1, 1, 1};
    std::array<int, 3> gemerkt{};
    int gespeichert = 0;
    int geladen = 0;
};

// The host exchange: records the answers.
class TyvoRecorder : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString&) override { return true; }
    void RückgabeInXML_AuswahlErfolgreich(int) override {}
    void RückgabeInXML_AuswahlNutzerabbruch(int) override {}
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund) override
    {
        antworten << QStringLiteral("%1:%2").arg(modus).arg(grund);
    }
    QStringList antworten;
};

// A heating project "H-1" on the demo article database, calculated, with a 35 l vessel of
// group 2 chosen, direct heating in a low-lying plant, one heat generator of 250 kW and total
// protection; the data object is the program's g_heizdat.
class Heizseitenfixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the page (load, then activation).
    template <class T>
    T& zeige()
    {
        auto* s = new T();
        m_seite = s;
        haupt.SeiteAufnehmen(s);
        s->Show();
        Ereignisse();
        return *s;
    }
    void entlade();
    static void Ereignisse();
    // The messages as "kind:text id(parameters)" for the ids the pages and designers show.
    QStringList protokoll() const;
    // Generator outputs (kW) for total protection; the total output follows.
    void Erzeuger(std::initializer_list<int> leistungen);

    // Statements for a copy of the demo article database, set before SetUp (empty: the demo itself).
    QString artikelSql;
    std::unique_ptr<ArtikelFixture> artikel;
    std::unique_ptr<Datenobjektdatenbanken> dbs;
    std::shared_ptr<GlobDatenHeizung> d;
    TestHauptfenster haupt;
    TyvoRecorder tyvo;
    MeldungsRecorder meldungen;

private:
    QPointer<Seitenform> m_seite;
};

// The shown text of a label (a hidden label counts as hidden).
inline QString Text(const QLabel* l)
{
    return l->isHidden() ? QStringLiteral("<verborgen>") : l->text();
}
