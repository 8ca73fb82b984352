#pragma once
#include <QPointer>
#include <QWidget>

// Tab and Shift+Tab walk the form's tab indexes 0..MaxIndex in the program's own order instead of
// the window system's: the form passes the Shift state of every key-down to ShiftTastenStatus and
// every key press to keyPress (its key preview must be on).
class behandlungTabStop {
public:
    // maxTabindex 0: all controls of the form. Takes the tab stops, default and cancel flags
    // off every control, so only this object moves the focus and no button reacts to Enter.
    void Initialisierung(QWidget* frm, int maxTabindex);
    void ShiftTastenStatus(int Shift) { m_umschaltStatus = Shift; }
    // Tab (KeyAscii 9): focus to the next (Shift alone: previous) control that takes it; the key
    // is always swallowed.
    void keyPress(int& KeyAscii);

private:
    QPointer<QWidget> m_zielform;
    int m_maxIndex = 0;
    int m_umschaltStatus = 0;
};
