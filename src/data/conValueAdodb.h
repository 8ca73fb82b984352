#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "data/BindungAdodb.h"

// Any value of one field (text, number, Boolean, date) without a control of its own; also a set
// of bits (Bit).
class conValueAdodb : public BindungAdodb {
public:
    VbVariant m_Value;

    void BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld);
    // Null or Empty read as Empty; any other value keeps its type.
    void DatenBankInGlobDaten();
    void GlobDatenInDatenBank();
    VbVariant GetFeld() const { return m_Value; }
    void SetFeld(const VbVariant& wert) { m_Value = wert; }
    // True when any bit of the 16-bit mask is set (Empty: False).
    bool Bit(int16_t bitMaske) const;
    // Sets or clears the bits of the mask; the other bits stay (Empty counts as 0).
    void Bit(int16_t bitMaske, bool vNewValue);

    const QString& Feld() const { return m_feld; }

private:
    QString m_feld;
};
