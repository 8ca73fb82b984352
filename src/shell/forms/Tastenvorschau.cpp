#include "shell/forms/Tastenvorschau.h"

#include <QApplication>
#include <QKeyEvent>

Tastenvorschau::Tastenvorschau(QWidget* form, KeyDown keyDown, KeyPress keyPress)
    : QObject(form), m_form(form), m_keyDown(std::move(keyDown)), m_keyPress(std::move(keyPress))
{
    qApp->installEventFilter(this);
}

Tastenvorschau::~Tastenvorschau()
{
    qApp->removeEventFilter(this);
}

int Tastenvorschau::KeyCode(const QKeyEvent* e)
{
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return 48 + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int Tastenvorschau::ShiftStatus(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0)
        | ((m & Qt::AltModifier) ? 4 : 0);
}

int Tastenvorschau::KeyAscii(const QKeyEvent* e)
{
    if (e->modifiers() & Qt::AltModifier)
        return 0;
    switch (e->key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default:
        return e->text().isEmpty() ? 0 : e->text().at(0).unicode();
    }
}

bool Tastenvorschau::eventFilter(QObject* empfänger, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress || !m_form || !empfänger->isWidgetType())
        return false;
    // A key travels from the focused control up to its parents: take it once, at its first stop.
    auto* w = static_cast<QWidget*>(empfänger);
    QWidget* fokus = m_form->window()->focusWidget();
    const bool fokusInForm = fokus && (fokus == m_form || m_form->isAncestorOf(fokus));
    if (fokusInForm ? w != fokus : w != m_form.data())
        return false;
    auto* e = static_cast<QKeyEvent*>(ereignis);
    QPointer<QWidget> form = m_form;
    int code = KeyCode(e);
    if (m_keyDown)
        m_keyDown(code, ShiftStatus(e));
    if (!form || (code == 0 && KeyCode(e) != 0))
        return true;
    int ascii = KeyAscii(e);
    if (ascii == 0 || !m_keyPress)
        return false;
    m_keyPress(ascii);
    return ascii == 0;
}
