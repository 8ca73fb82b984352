#include "base/forms/Fokusvalidierung.h"

#include <QApplication>

#include "base/forms/Steuerelemente.h"

Fokusvalidierung::Fokusvalidierung(QWidget* form, Validate validate)
    : QObject(form), m_form(form), m_validate(std::move(validate))
{
    connect(qApp, &QApplication::focusChanged, this, &Fokusvalidierung::fokusWechsel);
}

bool Fokusvalidierung::gehörtZurForm(const QWidget* w) const
{
    return w && m_form && m_form->isAncestorOf(w);
}

QWidget* Fokusvalidierung::steuerelementVon(QWidget* w) const
{
    if (!gehörtZurForm(w))
        return nullptr;
    const QList<QWidget*> liste = Steuerelemente::liste(m_form);
    for (; w && w != m_form; w = w->parentWidget())
        if (liste.contains(w))
            return w;
    return nullptr;
}

bool Fokusvalidierung::prüfe(QWidget* element)
{
    QPointer<QWidget> zurück = element;
    bool Cancel = false;
    m_validate(element, Cancel);
    if (Cancel && zurück) {
        m_zurück = true;
        zurück->setFocus(Qt::OtherFocusReason);
        m_zurück = false;
    }
    return !Cancel;
}

bool Fokusvalidierung::FokusÜbernehmen()
{
    if (m_zurück || !m_validate)
        return true;
    // The focus the form's window keeps (also for a dialog that is driven without being shown).
    QWidget* element = m_form ? steuerelementVon(m_form->window()->focusWidget()) : nullptr;
    if (!element || !element->isEnabled())
        return true;
    return prüfe(element);
}

void Fokusvalidierung::fokusWechsel(QWidget* alt, QWidget* neu)
{
    if (m_zurück || !gehörtZurForm(neu) || !m_validate)
        return;
    QWidget* altesElement = steuerelementVon(alt);
    if (!altesElement || altesElement == neu || altesElement->isAncestorOf(neu))
        return;
    prüfe(altesElement);
}
