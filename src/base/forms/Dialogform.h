#pragma once
#include <QDialog>

#include "base/forms/MoveFocus.h"

class Fokusvalidierung;
class Tastenvorschau;

// Base of the modal input dialogs, beside Seitenform for the pages.
//
// A control that loses the focus to another control of the dialog is checked by Validate; Cancel
// keeps the focus there. Every way the dialog closes takes over the focused control first, as if
// the focus left it: Weiter (the dialog's button and Alt+Right), Esc (unless the dialog's key
// press swallows it) and the close box. A refusal keeps the dialog open with the focus in the
// control. Entladen runs once, whichever way closed the dialog.
//
// Keys: the dialog previews every key of its controls; Alt+Right is Weiter, Enter walks the
// inputs through MoveFocus once MoveFocusEinrichten was called, Enter and line feed end there.
class Dialogform : public QDialog, public FormValidierung {
    Q_OBJECT
public:
    ~Dialogform() override;

    // Weiter: takes over the focused control, asks WeiterErlaubt, then closes the dialog.
    void Weiter();
    bool istEntladen() const { return m_entladen; }

    // Checks and takes over the control that has the focus, as if the focus left it; false when
    // the dialog refused its value (the focus stays there) and the command must not run.
    bool EingabeÜbernehmen();

    // Called by MoveFocus when Enter is pressed in a text input; accepts every input unless the
    // dialog checks it.
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

public slots:
    // Every end of the dialog unloads it first.
    void done(int r) override;
    // Esc: the focused control is taken over first.
    void reject() override;

protected:
    explicit Dialogform(QWidget* parent);

    // The check of a control that the focus leaves; Cancel keeps the focus there.
    virtual void Validate(QWidget* steuerelement, bool& Cancel);
    // The dialog's own test before Weiter closes it; false keeps the dialog open.
    virtual bool WeiterErlaubt() { return true; }
    // Form_Unload.
    virtual void Entladen() {}
    virtual void FormKeyDown(int& KeyCode, int Shift);
    virtual void FormKeyPress(int& KeyAscii);

    // Enter moves through the inputs in tab order (call when the controls exist).
    void MoveFocusEinrichten(bool DeleteKeyAscii = true);
    MoveFocus& moveFocus() { return m_moveFocus; }

    // Unloads unless done already; a derived dialog whose Entladen needs its own members calls it
    // in its destructor (the base destructor cannot reach them any more).
    void entladenEinmal();

    void closeEvent(QCloseEvent* e) override;

private:
    MoveFocus m_moveFocus;
    Tastenvorschau* m_tasten = nullptr;
    Fokusvalidierung* m_validierung = nullptr;
    bool m_mitMoveFocus = false;
    bool m_entladen = false;
};
