#pragma once
#include <QString>

#include <memory>

class GlobDaten;
class QWidget;
class Seitenform;

// What the pages and the page manager need of the main window (MDIForm1).
class Hauptfenster {
public:
    virtual ~Hauptfenster() = default;

    // --- Used by the pages ---
    // Puts a page into the top left corner of the main window's page area.
    virtual void PositioniereChildForm(QWidget* aktForm) = 0;
    // Shown state of Exit, Zurück and Weiter (1 shows, anything else hides).
    virtual void Kommando(int a1, int a2, int a3) = 0;
    virtual void ResetVisibleKommandoButtons(int a1, int a2, int a3) = 0;
    virtual void SaveKommandoButtons() = 0;
    virtual void LoadKommandoButtons() = 0;
    // Alt+Left, Alt+Right and Alt+F10 of every page.
    virtual void MDI_Fuss_Button(int KeyCode, int Shift) = 0;
    // One step of the page manager: 1 forward, 2 back.
    virtual void seitenmanager(int Richtung) = 0;
    virtual void Speicher_Wohnbauten_Einsprung() = 0;
    // Enables the top menus (the start page, once the project database is ready).
    virtual void FreigebenMenue() = 0;
    // The switches of the automatic run in host mode.
    virtual void AutomatischerBilderwechselWennErforderlich() = 0;
    virtual bool FormUnsichtbarErforderlichUndMöglich() = 0;
    // The window itself (dialogs place themselves over it and take it as parent).
    virtual QWidget* Fensterwidget() = 0;
    // -1: the four status panels at their normal widths; any other value collapses them.
    virtual void StatusBarAktiv(int aktivStatus) = 0;
    // Text of status panel 1..4.
    virtual void SetzeStatusPanelText(int panel, const QString& text) = 0;
    // Locks the project and calculation menu items while the first project is being made.
    virtual void ErstprojektMenuesSperren() = 0;
    // The data object held for a Projektart; nullptr when none is open.
    virtual std::shared_ptr<GlobDaten> Datenobjekt(const QString& projektart) = 0;
    // The page held for a status (nullptr when none): a dialog reaches the page that opened it.
    virtual Seitenform* fenster(int status) const = 0;

    // --- Used by the page manager ---
    // Takes a new page into the page area (not shown yet).
    virtual void SeiteAufnehmen(QWidget* seite) = 0;
    virtual void MenuepunkteNachStatus(int status) = 0;
    virtual void SetzeInfoLabel(const QString& text) = 0;
    // Text of the status-bar panel that shows the page status.
    virtual void SetzeStatusPanel(const QString& text) = 0;
    // Host mode 2 after the heating pages: the host button stands in place of Exit.
    virtual void TyvoButtonStattExit(bool tyvoButton) = 0;
    // Unloads the main window: the program ends through its closing step.
    virtual void Beenden() = 0;
    // Drops the Ausgabe menu open once the current event has been handled.
    virtual void ÖffneAusgabeMenue() = 0;
};

// The main window while it exists, else nullptr.
Hauptfenster* hauptfenster();
// The main window registers itself on creation and leaves with nullptr.
void setzeHauptfenster(Hauptfenster* fenster);
