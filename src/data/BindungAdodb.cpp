#include "data/BindungAdodb.h"

#include "data/datenbank.h"

bool BindungAdodb::binde(std::shared_ptr<Recordset> recordset)
{
    if (m_gebunden)
        return false;
    m_recordset = std::move(recordset);
    m_gebunden = true;
    return true;
}

void BindungAdodb::melde(int32_t code, const QString& beschreibung, const QString& feld)
{
    m_fehlercode = code;
    DatenbankMeldung(code, beschreibung, feld, m_recordset ? m_recordset->Quelle() : QString());
}

bool BindungAdodb::lies(const QString& feld, VbVariant& wert)
{
    if (!m_recordset) {
        melde(dbFehlerRead, QStringLiteral("Kein Recordset."), feld);
        return false;
    }
    if (!m_recordset->Wert(feld, wert)) {
        melde(dbFehlerRead, m_recordset->LetzterFehler(), feld);
        return false;
    }
    return true;
}

bool BindungAdodb::schreibe(const QString& feld, const VbVariant& wert)
{
    if (!m_recordset) {
        melde(dbFehlerWrite, QStringLiteral("Kein Recordset."), feld);
        return false;
    }
    if (!m_recordset->SetzeWert(feld, wert)) {
        melde(dbFehlerWrite, m_recordset->LetzterFehler(), feld);
        return false;
    }
    return true;
}
