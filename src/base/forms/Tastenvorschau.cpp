#include "base/forms/Tastenvorschau.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "base/Tastencodes.h"

Tastenvorschau::Tastenvorschau(QWidget* form, KeyDown keyDown, KeyPress keyPress)
    : QObject(form), m_form(form), m_keyDown(std::move(keyDown)), m_keyPress(std::move(keyPress))
{
    qApp->installEventFilter(this);
}

Tastenvorschau::~Tastenvorschau()
{
    qApp->removeEventFilter(this);
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
    // Enter on a focused push button presses it, before the form sees the key.
    if (auto* knopf = qobject_cast<QPushButton*>(w);
        knopf && fokusInForm && KeyAscii(e) == 13 && !(e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))) {
        if (knopf->isEnabled())
            knopf->click();
        return true;
    }
    QPointer<QWidget> form = m_form;
    const int taste = Tastencodes::Taste(e->key());
    int code = taste;
    if (m_keyDown)
        m_keyDown(code, Tastencodes::Umschaltung(e->modifiers()));
    if (!form || (code == 0 && taste != 0))
        return true;
    int ascii = KeyAscii(e);
    if (ascii == 0 || !m_keyPress)
        return false;
    m_keyPress(ascii);
    return ascii == 0;
}
