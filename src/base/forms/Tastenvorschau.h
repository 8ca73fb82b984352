#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;

// Key preview of a form: every key that one of its controls (or the form) receives goes first to
// the form as key-down (key code and shift state as Tastencodes numbers them) and, for a key that
// types a character, as key press (KeyAscii: 13 Enter, 9 Tab, 8 Backspace, 27 Escape, else the
// character). A handler that sets the key code or KeyAscii to 0 swallows the key. Enter on a
// focused push button presses the button and goes no further.
class Tastenvorschau : public QObject {
public:
    using KeyDown = std::function<void(int& KeyCode, int Shift)>;
    using KeyPress = std::function<void(int& KeyAscii)>;
    Tastenvorschau(QWidget* form, KeyDown keyDown, KeyPress keyPress);
    ~Tastenvorschau() override;

    // The character code of a key press (0 for a key that types none).
    static int KeyAscii(const QKeyEvent* e);

protected:
    bool eventFilter(QObject* empfänger, QEvent* ereignis) override;

private:
    QPointer<QWidget> m_form;
    KeyDown m_keyDown;
    KeyPress m_keyPress;
};
