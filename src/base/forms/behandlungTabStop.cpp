#include "base/forms/behandlungTabStop.h"

#include <QPushButton>

#include "base/forms/Steuerelemente.h"

void behandlungTabStop::Initialisierung(QWidget* frm, int maxTabindex)
{
    m_zielform = frm;
    const QList<QWidget*> liste = Steuerelemente::liste(frm);
    m_maxIndex = maxTabindex != 0 ? maxTabindex : static_cast<int>(liste.size()) - 1;
    for (QWidget* w : liste) {
        // Clicks still focus the control; it keeps its place in the tab order.
        w->setFocusPolicy(static_cast<Qt::FocusPolicy>((w->focusPolicy() & ~Qt::TabFocus) | Qt::ClickFocus));
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            b->setDefault(false);
            b->setAutoDefault(false);
        }
    }
}

void behandlungTabStop::keyPress(int& KeyAscii)
{
    if (KeyAscii != 9 || !m_zielform)
        return;
    const bool rückwärts = (m_umschaltStatus & 7) == 1;
    const QList<QWidget*> liste = Steuerelemente::liste(m_zielform);
    int t = static_cast<int>(liste.indexOf(Steuerelemente::aktives(m_zielform, liste)));
    const int n = static_cast<int>(liste.size());
    for (int runde = 0; runde < n; ++runde) {
        if (rückwärts) {
            t = t - 1;
            if (t < 0) {
                t = n - 1;
                if (t > m_maxIndex)
                    t = m_maxIndex;
            }
        } else {
            t = t + 1;
            if (t > n - 1 || t > m_maxIndex)
                t = 0;
        }
        if (t >= 0 && t < n && Steuerelemente::fokusSetzen(liste.at(t)))
            break;
    }
    KeyAscii = 0;
}
