#include "base/AllocationComboBox.h"

void AllocationComboBox::Initialisierung(std::shared_ptr<BoundControl> NameComboBox)
{
    m_auswahlbox = std::move(NameComboBox);
    if (m_auswahlbox)
        m_auswahlbox->leereListe();
    m_werte.clear();
    m_texte.clear();
    m_aktIndex = 0;
}

void AllocationComboBox::AddItem(const QString& Anzeigetext, int16_t wertZuordnung)
{
    if (m_auswahlbox)
        m_auswahlbox->fuegeHinzu(Anzeigetext);
    m_texte << Anzeigetext;
    m_werte << wertZuordnung;
}

void AllocationComboBox::AktuellWertZuordnung(int16_t newZuordnung)
{
    // Without items there is nothing to select.
    if (m_werte.isEmpty())
        return;
    const auto i = std::max<qsizetype>(m_werte.indexOf(newZuordnung), 0);
    m_aktIndex = static_cast<int16_t>(i);
    m_aktWert = m_werte[i];
    if (m_auswahlbox)
        m_auswahlbox->setText(m_texte[i]);
}

void AllocationComboBox::Refresh()
{
    if (m_werte.isEmpty())
        return;
    int i = m_auswahlbox ? m_auswahlbox->listIndex() : -1;
    if (i < 0 || i > m_werte.size() - 1)
        i = 0;
    AktuellWertZuordnung(m_werte[i]);
}
