#pragma once
#include <QDialog>

#include <functional>
#include <memory>

#include "base/forms/MoveFocus.h"

class FormFunktionen;
class QToolButton;

// The frame of the vessel page's dialogs: the program icon, the message mute flag cleared, a
// place over the main window, the Weiter button (tool tip 72) that closes the dialog, Alt+Right
// as Weiter, and Enter moving through the inputs once the dialog checked the one it leaves.
class Auswahldialog : public QDialog, public FormValidierung {
public:
    explicit Auswahldialog(QWidget* parent);
    ~Auswahldialog() override;

    // Shows the dialog modally (tests drive the logic without it).
    void Zeige();
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

    QToolButton* WeiterCommand = nullptr;

protected:
    // Centres the dialog over the main window (the main window's middle; top offset when given).
    void Platzieren(int breiteTwips, int höheTwips, int obenTwips = -1);
    // Places Weiter at this distance (twips) from the right and bottom edges.
    void PlatziereWeiter(int rechts, int unten);
    // Enter moves through the inputs (call when the controls exist).
    void MoveFocusEinrichten();
    // During the host's automatic run the dialog hides itself; a message shows it again.
    void VersteckenImAutomatiklauf();
    // Key-down of any control: Alt+Right acts as Weiter; other keys go to tasteGedrückt.
    virtual void FormKeyDown(int& KeyCode, int Shift);
    virtual void FormKeyPress(int& KeyAscii);

private:
    MoveFocus m_moveFocus;
    std::unique_ptr<FormFunktionen> m_formFunktionen;
    bool m_mitMoveFocus = false;
};
