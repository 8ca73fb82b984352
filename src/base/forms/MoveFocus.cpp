#include "base/forms/MoveFocus.h"

#include "base/forms/Steuerelemente.h"

namespace {

bool istEnterZiel(const QWidget* w)
{
    using Steuerelemente::Art;
    switch (Steuerelemente::art(w)) {
    case Art::TextBox: case Art::MaskEdBox: case Art::ComboBox: case Art::CheckBox:
        return Steuerelemente::sichtbarUndAktiv(w);
    case Art::OptionButton:
        return w->property("checked").toBool() && Steuerelemente::sichtbarUndAktiv(w);
    default:
        return false;
    }
}

}  // namespace

void MoveFocus::Init(QWidget* formobjekt, bool DeleteKeyAscii)
{
    m_bereit = false;
    m_tasteLöschen = DeleteKeyAscii;
    m_zielform = formobjekt;
    m_controls.clear();
    m_tabTabelle.clear();
    const QList<QWidget*> liste = Steuerelemente::liste(formobjekt);
    m_maxIndex = static_cast<int>(liste.size()) - 1;
    if (m_maxIndex < 0)
        return;
    for (int i = 0; i <= m_maxIndex; ++i) {
        m_controls.append(liste.at(i));
        m_tabTabelle.append(i);
    }
    m_bereit = true;
}

void MoveFocus::ClearTabStop(int TabIndex)
{
    if (m_bereit && TabIndex >= 0 && TabIndex <= m_maxIndex)
        m_tabTabelle[TabIndex] = -1;
}

QWidget* MoveFocus::steuerelement(int TabIndex) const
{
    if (TabIndex < 0 || TabIndex > m_maxIndex || m_tabTabelle.at(TabIndex) < 0)
        return nullptr;
    return m_controls.at(m_tabTabelle.at(TabIndex));
}

int MoveFocus::TabIndexVon(const QWidget* w) const
{
    for (int i = 0; i < m_controls.size(); ++i)
        if (w && m_controls.at(i) == w)
            return i;
    return -1;
}

int MoveFocus::GetTabIndex() const
{
    QList<QWidget*> liste;
    for (const QPointer<QWidget>& c : m_controls)
        if (c)
            liste.append(c);
    return TabIndexVon(Steuerelemente::aktives(m_zielform, liste));
}

void MoveFocus::NextTabStop(int& KeyAscii)
{
    if (!m_bereit || KeyAscii != 13 || !m_zielform)
        return;
    int t = GetTabIndex();
    if (t < 0)
        return;
    bool Cancel = false;
    QWidget* aktiv = steuerelement(t);
    if (aktiv && Steuerelemente::istTexteingabe(aktiv)) {
        if (auto* f = dynamic_cast<FormValidierung*>(m_zielform.data()))
            f->FormValidateControlElement(aktiv->objectName(), Steuerelemente::index(aktiv), Cancel);
    }
    if (Cancel || !m_zielform)
        return;
    // One full round at most: when no control qualifies, focus and key stay as they are.
    for (int schritt = 0; schritt <= m_maxIndex; ++schritt) {
        t = t >= m_maxIndex ? 0 : t + 1;
        QWidget* k = steuerelement(t);
        if (k && istEnterZiel(k) && Steuerelemente::fokusSetzen(k)) {
            if (m_tasteLöschen)
                KeyAscii = 0;
            return;
        }
    }
}

void MoveFocus::SetTabIndex(int TabIndex)
{
    if (!m_bereit)
        return;
    if (QWidget* k = steuerelement(TabIndex))
        Steuerelemente::fokusSetzen(k);
}

void MoveFocus::GetAktObject(QString& name, VbVariant& index) const
{
    name.clear();
    index = VbVariant::null();
    const QList<QWidget*> liste = Steuerelemente::liste(m_zielform);
    if (QWidget* a = Steuerelemente::aktives(m_zielform, liste)) {
        name = a->objectName();
        index = Steuerelemente::index(a);
    }
}
