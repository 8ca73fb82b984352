#pragma once
#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

#include "HeizungsDatenbank.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/forms/Hauptfenster.h"

// A main window for the heating pages: a plain widget as the page area that notes what the
// pages ask of it (bottom buttons, hint line, status panel, end).
class Testhauptfenster : public Hauptfenster {
public:
    Testhauptfenster();
    ~Testhauptfenster() override;

    void PositioniereChildForm(QWidget* f) override { f->move(0, 0); }
    void Kommando(int a1, int a2, int a3) override;
    void ResetVisibleKommandoButtons(int a1, int a2, int a3) override;
    void SaveKommandoButtons() override { gespeichert = knöpfe; }
    void LoadKommandoButtons() override { knöpfe = gespeichert; }
    void MDI_Fuss_Button(int, int) override {}
    void seitenmanager(int Richtung) override { schritte << Richtung; }
    void Speicher_Wohnbauten_Einsprung() override {}
    void FreigebenMenue() override {}
    void AutomatischerBilderwechselWennErforderlich() override;
    bool FormUnsichtbarErforderlichUndMöglich() override;
    QWidget* Fensterwidget() override { return &fenster; }
    void StatusBarAktiv(int) override {}
    void SetzeStatusPanelText(int panel, const QString& text) override;
    void ErstprojektMenuesSperren() override {}
    std::shared_ptr<GlobDaten> Datenobjekt(const QString&) override { return nullptr; }
    void SeiteAufnehmen(QWidget* seite) override { seite->setParent(&fenster); }
    void MenuepunkteNachStatus(int) override {}
    void SetzeInfoLabel(const QString& text) override { infoLabel = text; }
    void SetzeStatusPanel(const QString&) override {}
    void TyvoButtonStattExit(bool) override {}
    void Beenden() override { ++beendet; }
    void ÖffneAusgabeMenue() override {}

    QWidget fenster;
    QString knöpfe = QStringLiteral("000");  // Exit, Zurück, Weiter
    QString gespeichert;
    QString infoLabel;
    QString panel1;
    QList<int> schritte;  // seitenmanager calls
    int beendet = 0;
};

// The exchange with the host, noting the answers and giving the comparison's result.
class Testaustausch : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString&) override { return true; }
    void RückgabeInXML_AuswahlErfolgreich(int modus) override { antworten << QStringLiteral("erfolgreich %1").arg(modus); }
    void RückgabeInXML_AuswahlNutzerabbruch(int modus) override { antworten << QStringLiteral("abbruch %1").arg(modus); }
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund) override
    {
        antworten << QStringLiteral("nicht möglich %1: %2").arg(modus).arg(grund);
    }
    void MAGVorgabedatenVonTyvoGeändert(GlobDatenHeizung&, bool& g) override
    {
        ++vergleiche;
        g = geändert;
    }
    QStringList antworten;
    bool geändert = false;
    int vergleiche = 0;
};

// A heating project "H-1" with its open data object, a test main window and a recorded exchange.
class Heizungsseiten : public HeizungsDatenbank {
protected:
    void SetUp() override;
    void TearDown() override;

    GlobDatenHeizung& h() { return *zustand().g_heizdat; }
    // Creates, loads and activates a page in the page area.
    template <class T>
    T* Zeige()
    {
        auto* s = new T();
        haupt->SeiteAufnehmen(s);
        s->Show();
        Ereignisse();
        return s;
    }
    static void Ereignisse();
    // Dialogs opened while the function runs are handed to it instead of being shown.
    void BeimDialog(std::function<void(QDialog&)> f);
    // The ids of the recorded messages, in order (0 for a text without id among the checked ones).
    QList<int> Meldungsnummern() const;
    // Types into a box and presses Enter there.
    static void Eingabe(class QLineEdit* feld, const QString& text);

    std::unique_ptr<Testhauptfenster> haupt;
    Testaustausch austausch;
};
