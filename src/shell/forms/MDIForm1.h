#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <memory>
#include <vector>

#include "base/forms/Hauptfenster.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;
class KelvorForm3;
class Seitenform;
class Seitenmanager;

// The program's one main window: menus, the client area with the page shown, the bottom bar
// with Exit, Zurück and Weiter, and the status bar. Its shared state lives in zustand().
class MDIForm1 : public QMainWindow, public Hauptfenster {
    Q_OBJECT
public:
    // datenpfad: the folder of the shipped files and the data, "Daten" below it (empty: as
    // DatenpfadeDesProgramms decides for the running program).
    explicit MDIForm1(const QString& datenpfad = QString(), QWidget* parent = nullptr);
    ~MDIForm1() override;
    // The main window while it exists (pages and dialogs reach it here), else nullptr.
    static MDIForm1* Instanz();

    // Places a page in the top left corner of the client area.
    void PositioniereChildForm(QWidget* aktForm);
    // The "Wohnbauten" button of the storage-water-heater start page: one step forward.
    void Speicher_Wohnbauten_Einsprung();
    // Shortcuts of the bottom bar (key code and shift state as Tastencodes numbers them):
    // Alt+Left Zurück, Alt+Right Weiter, Alt+F10 Exit, each only while its button is shown.
    void MDI_Fuss_Button(int KeyCode, int Shift);
    // One step of the page walk: 1 forward, 2 back.
    void seitenmanager(int Richtung);
    // Shows (1) or hides (anything else) Exit, Zurück and Weiter.
    void Kommando(int a1, int a2, int a3);
    // Hides each button whose argument is 1; the others keep their state.
    void ResetVisibleKommandoButtons(int a1, int a2, int a3);
    void SaveKommandoButtons();
    void LoadKommandoButtons();
    // Enables the six top menus (the start page calls it once the project database is ready).
    void FreigebenMenue();
    // Host mode: steps forward by itself while the automatic run is on and no message was shown.
    void AutomatischerBilderwechselWennErforderlich();
    // Host mode: whether a loading page must hide itself.
    bool FormUnsichtbarErforderlichUndMöglich();
    // -1: the four status panels at their normal widths; any other value collapses them.
    void StatusBarAktiv(int aktivStatus) override;
    QWidget* Fensterwidget() override;
    void ErstprojektMenuesSperren() override;
    std::shared_ptr<GlobDaten> Datenobjekt(const QString& projektart) override;

    // The modal dialog frame: the bottom buttons are saved and hidden while zeigen runs (it shows
    // the dialog modally), then shown as before.
    void ZeigeModal(const std::function<void()>& zeigen);
    // Ends the program from code (the closing question decides, as for every way out).
    void Entladen();
    // Shows a page in the client area.
    void ZeigeSeite(QWidget* seite);
    // The page held for a status (nullptr when none).
    Seitenform* fenster(int status) const override;
    QWidget* Clientbereich() const { return m_client; }
    // Text of status panel 1..4.
    QString StatusPanelText(int panel) const;
    void SetzeStatusPanelText(int panel, const QString& text) override;
    QLabel* StatusPanel(int panel) const;

    bool istExitSichtbar() const { return ExitSichtbar; }
    bool istZurückSichtbar() const { return ZurückSichtbar; }
    bool istWeiterSichtbar() const { return WeiterSichtbar; }

    // Brings the window to the front (a second start of the program asks for it).
    void NachVorn();

    // Controls.
    QWidget* LeisteuntenPicture = nullptr;
    QToolButton* ExitCommand = nullptr;
    QToolButton* ZurückCommand = nullptr;
    QToolButton* WeiterCommand = nullptr;
    QToolButton* TyvoButton = nullptr;
    QLabel* InfoLabel = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // Menus, in menu order.
    QMenu* Mprojekte = nullptr;
    QAction *MListe = nullptr, *Manlegen = nullptr, *Mkopieren = nullptr, *Mverändern = nullptr,
            *Msichern = nullptr, *Meinlesen = nullptr, *Mlöschen = nullptr, *MstrichE = nullptr;
    QMenu* MDatenpflege = nullptr;
    QAction *MLesenArtDaten = nullptr, *MRepairProjektDatenbank = nullptr, *MstrichZ = nullptr,
            *Mbeenden = nullptr;
    QMenu* Mberechnungen = nullptr;
    QAction *Mheizungsanlagen = nullptr, *Msolaranlagen = nullptr, *Mkühlundkälte = nullptr,
            *Mdruckerhöhungsanlagen = nullptr, *Mtrinkwassererwärmung = nullptr,
            *Mspeicherwassererwärmer = nullptr;
    QMenu* MAusgabe = nullptr;
    QAction *Mergebnissezeigen = nullptr, *Mkurztextdrucken = nullptr, *Mlangtextdrucken = nullptr,
            *MausschreibungstexteinZwischenablage = nullptr, *MAusgabeGEAEB1990 = nullptr,
            *Mschaltschemazeigen = nullptr, *Mschaltschemadrucken = nullptr, *MinDXF = nullptr,
            *Mstrich2 = nullptr, *MandereProjektnummer = nullptr;
    QMenu* MOptionen = nullptr;
    QAction *Mkundenanschrift = nullptr, *MDruckereinstellungen = nullptr;
    QMenu* MInformationen = nullptr;
    QAction *Mwirüberuns = nullptr, *Mprodukte = nullptr, *MVertreter = nullptr, *MServicepartner = nullptr;
    QMenu* MSprache = nullptr;
    QAction *MSpracheDeutsch = nullptr, *MSpracheEnglisch = nullptr, *MSpracheNiederländisch = nullptr,
            *MSpracheFranzösisch = nullptr;
    QMenu* MFragezeichen = nullptr;
    QAction *MAnsprechpartner = nullptr, *MHilfeassistent = nullptr, *Mstrich3 = nullptr, *MInfo = nullptr;
    QMenu* MLänderversion = nullptr;
    QAction *MVersionEngland = nullptr, *MVersionNiederlande = nullptr, *MVersionBelgien = nullptr,
            *MVersionFrankreich = nullptr, *MVersionExport = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend struct MDIForm1Testzugriff;

    void BaueFenster();
    void BaueMenues();
    void Laden();
    void Aktivieren();
    void SetzeSprachTexte();
    void SpracheEinstellen();
    void LeseWaehrung();
    void LänderversionMenueAusblenden();
    void SpracheMenueAusblenden();
    void SperrenMenue();
    void SetzeObermenues(bool frei);
    void MenuepunkteNachStatus(int status);
    void ZeigeProjektliste();
    void NeuanlageNachProjektart();
    void ProjekteEinlesen();
    // A dialog of a menu item in the modal dialog frame, released afterwards.
    template <class Dialog>
    void ZeigeDialog();
    void Seitenwechsel(int vonStatus, int nachStatus);
    void EntladeSeite(int status);
    // What the page manager needs of the window (Hauptfenster).
    void SeiteAufnehmen(QWidget* seite) override;
    void SetzeInfoLabel(const QString& text) override;
    void SetzeStatusPanel(const QString& text) override;
    void TyvoButtonStattExit(bool tyvoButton) override;
    void Beenden() override;
    void ÖffneAusgabeMenue() override;
    void PlatziereWeiter();
    void ExitCommand_Click();
    void PasseAktivesFensterAn();
    void DatenobjektBeimBeendenFreigeben();
    // Before a command of the user: the shown page checks and takes over its focused input;
    // false when it refused (the command does not run).
    bool EingabeÜbernommen();
    // A step of the page manager (1 on, 2 back) once the input being typed is taken over.
    void Blättern(int richtung);

    // Menu actions.
    // Shows the project page, then runs the item's action on it (or starts the first project).
    void Projektaktion(const std::function<void(KelvorForm3&)>& aktion);
    // The project page while it is loaded.
    KelvorForm3* fenster3() const;
    void Neuanlage(const QString& projektart);
    void Bericht(int modus);
    void Schaltschema(int ziel, const QString& datei);

    QWidget* m_client = nullptr;
    std::array<QLabel*, 4> m_panel{};
    // Caption text ids of the menus, applied by SetzeSprachTexte.
    std::vector<std::pair<QAction*, int>> m_menuTexte;

    bool ExitSichtbar = false;
    bool ZurückSichtbar = false;
    bool WeiterSichtbar = false;
    std::array<int16_t, 3> GesicherteButtons{};
    bool HeizungAbgeschlossen = false;
    bool TyvoErsterAufruf = false;
    // The close comes from code (Unload), not from the window's close command.
    bool m_entladenAusCode = false;
    std::unique_ptr<Seitenmanager> m_seitenmanager;
};
