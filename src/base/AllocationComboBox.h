#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "base/BoundControl.h"

// A combo box whose items carry 16-bit values: a form selects an item by its value and reads the
// value of the item the user chose. Items are added only through AddItem, in order.
class AllocationComboBox {
public:
    // Takes the box and clears its items; the current value stays until the next selection.
    void Initialisierung(std::shared_ptr<BoundControl> NameComboBox);
    void AddItem(const QString& Anzeigetext, int16_t wertZuordnung);
    int16_t AktuellWertZuordnung() const { return m_aktWert; }
    // Selects the first item with this value (the first item when none has it).
    void AktuellWertZuordnung(int16_t newZuordnung);
    // Takes the user's choice from the box (the first item when none is chosen); of several items
    // with the same value the first becomes current.
    void Refresh();

    int AktIndex() const { return m_aktIndex; }

private:
    std::shared_ptr<BoundControl> m_auswahlbox;
    QList<int16_t> m_werte;
    QStringList m_texte;
    int16_t m_aktIndex = 0;
    int16_t m_aktWert = 0;
};
