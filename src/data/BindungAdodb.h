#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "data/Recordset.h"
#include "base/VbVariant.h"

// What the bound values share: the recordset of the owner's table object, bound once for
// good, and the field transfers that report their failures themselves (database message
// 2401 with 2407 or 2408, codes 5 and 6) and never pass them on.
class BindungAdodb {
public:
    bool IstGebunden() const { return m_gebunden; }

protected:
    // Keeps the recordset on the first call; false (and nothing kept) on every later call.
    bool binde(std::shared_ptr<Recordset> recordset);
    // Reads a field of the current row; false after the read message (code 5).
    bool lies(const QString& feld, VbVariant& wert);
    // Assigns a field of the current row; false after the write message (code 6).
    bool schreibe(const QString& feld, const VbVariant& wert);
    // Reports a failure of a field transfer with code 5 or 6.
    void melde(int32_t code, const QString& beschreibung, const QString& feld);

    std::shared_ptr<Recordset> m_recordset;
    bool m_gebunden = false;
    int32_t m_fehlercode = 0;
};
