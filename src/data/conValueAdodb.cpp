#include "data/conValueAdodb.h"

#include "data/datenbank.h"

void conValueAdodb::BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld)
{
    if (binde(std::move(datenbank)))
        m_feld = feld;
}

void conValueAdodb::DatenBankInGlobDaten()
{
    m_fehlercode = dbKeinFehler;
    if (!m_gebunden)
        return;
    VbVariant w;
    if (!lies(m_feld, w)) {
        m_Value = VbVariant();
        return;
    }
    m_Value = w.isNull() ? VbVariant() : w;
}

void conValueAdodb::GlobDatenInDatenBank()
{
    m_fehlercode = dbKeinFehler;
    if (m_gebunden)
        schreibe(m_feld, m_Value);
}

bool conValueAdodb::Bit(int16_t bitMaske) const
{
    return (m_Value.toLong() & static_cast<int32_t>(bitMaske)) != 0;
}

void conValueAdodb::Bit(int16_t bitMaske, bool vNewValue)
{
    const int32_t alt = m_Value.toLong();
    const int32_t neu = vNewValue ? (alt | static_cast<int32_t>(bitMaske)) : (alt & ~static_cast<int32_t>(bitMaske));
    const VbVariant::Typ t = m_Value.typ();
    const bool kurz = t == VbVariant::Typ::Empty || t == VbVariant::Typ::Null || t == VbVariant::Typ::Integer
                      || t == VbVariant::Typ::Byte || t == VbVariant::Typ::Boolean;
    if (kurz && neu >= INT16_MIN && neu <= INT16_MAX)
        m_Value = VbVariant::integer(static_cast<int16_t>(neu));
    else
        m_Value = VbVariant::lng(neu);
}
