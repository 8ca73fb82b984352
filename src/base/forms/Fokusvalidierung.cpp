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

void Fokusvalidierung::fokusWechsel(QWidget* alt, QWidget* neu)
{
    if (m_zurück || !gehörtZurForm(alt) || !gehörtZurForm(neu) || !m_validate)
        return;
    const QList<QWidget*> liste = Steuerelemente::liste(m_form);
    QWidget* altesElement = nullptr;
    for (QWidget* w = alt; w && w != m_form; w = w->parentWidget())
        if (liste.contains(w)) {
            altesElement = w;
            break;
        }
    if (!altesElement || altesElement == neu || altesElement->isAncestorOf(neu))
        return;
    QPointer<QWidget> zurück = altesElement;
    bool Cancel = false;
    m_validate(altesElement, Cancel);
    if (Cancel && zurück) {
        m_zurück = true;
        zurück->setFocus(Qt::OtherFocusReason);
        m_zurück = false;
    }
}
