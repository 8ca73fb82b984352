#pragma once
#include <QWidget>

#include <memory>

#include "base/forms/MoveFocus.h"

class Fokusvalidierung;
class FormFunktionen;
class Hauptfenster;
class Tastenvorschau;

// Base of the page forms that the page manager shows in the main window.
//
// Life of a page: created empty; Show() loads it the first time (clears the message mute flag,
// places it in the top left corner, runs FormLoad under the loading flag), shows it and queues
// its activation (FormActivate runs once the current event is handled, if the page is still
// there); Unload() runs FormUnload, lets go of the data object, hides the page and deletes it
// later. A page of the automatic run of host mode (m_automatiklauf) registers its page hiding
// (FormFunktionen) before FormLoad and hides itself after it while the run is on.
//
// Keys: the page previews every key of its controls; key-down goes to the main window's
// MDI_Fuss_Button (Alt+Left, Alt+Right, Alt+F10); Enter walks the inputs through MoveFocus once
// MoveFocusEinrichten was called. A control that loses the focus to another control of the page
// is checked by Validate; Cancel keeps the focus there. Before a command of the main window
// (bottom buttons, their keys, menu items, closing) EingabeÜbernehmen checks the focused control
// by Validate the same way; a refusal cancels the command.
class Seitenform : public QWidget, public FormValidierung {
    Q_OBJECT
public:
    explicit Seitenform(QWidget* parent = nullptr);
    ~Seitenform() override;

    void Show();
    void Unload();
    bool istGeladen() const { return m_geladen; }
    bool istEntladen() const { return m_entladen; }
    // True while FormLoad runs: handlers of controls that the load sets do nothing then.
    bool lädt() const { return m_lädt; }

    // Checks and takes over the control that has the focus, as if the focus left it; false when
    // the page refused its value (the focus stays there).
    bool EingabeÜbernehmen();

    // Called by MoveFocus when Enter is pressed in a text input; accepts every input unless the
    // page checks it.
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

protected:
    virtual void FormLoad() {}
    virtual void FormActivate() {}
    virtual void FormUnload() {}
    virtual void FormKeyDown(int& KeyCode, int Shift);
    virtual void FormKeyPress(int& KeyAscii);
    virtual void Validate(QWidget* steuerelement, bool& Cancel);
    // Keys that no control took end at the page: the key preview has had them already.
    void keyPressEvent(QKeyEvent* e) override;

    // Enter moves through the inputs in tab order (call when the controls exist).
    void MoveFocusEinrichten(bool DeleteKeyAscii = true);
    MoveFocus& moveFocus() { return m_moveFocus; }
    bool hatMoveFocus() const { return m_mitMoveFocus; }

    // The page cannot be shown: the page manager steps back once the load is over.
    void Ladefehler();
    // The page belongs to the automatic run of host mode (set in the constructor).
    bool m_automatiklauf = false;

    // Keeps the data object alive while the page is shown; returns it.
    template <class T>
    T* HalteDatenobjekt(const std::shared_ptr<T>& objekt)
    {
        m_datenobjekt = objekt;
        return objekt.get();
    }
    // The main window (the page is only shown while there is one).
    Hauptfenster& mdi() const;

private:
    void aktivieren();

    MoveFocus m_moveFocus;
    Tastenvorschau* m_tasten = nullptr;
    Fokusvalidierung* m_validierung = nullptr;
    std::shared_ptr<void> m_datenobjekt;
    std::unique_ptr<FormFunktionen> m_formFunktionen;
    bool m_mitMoveFocus = false;
    bool m_geladen = false;
    bool m_entladen = false;
    bool m_lädt = false;
};
