#include "data/conCheckBoxAdodb.h"

#include "data/datenbank.h"

void conCheckBoxAdodb::BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld)
{
    if (binde(std::move(datenbank)))
        m_feld = feld;
}

void conCheckBoxAdodb::BindCheckBox(std::shared_ptr<BoundControl> CheckBox)
{
    m_control = std::move(CheckBox);
}

void conCheckBoxAdodb::UnBindCheckBox()
{
    m_control.reset();
}

void conCheckBoxAdodb::DatenBankInGlobDaten()
{
    m_fehlercode = dbKeinFehler;
    if (!m_gebunden)
        return;
    VbVariant w;
    if (!lies(m_feld, w)) {
        m_Value = false;
        return;
    }
    if (w.isNull() || w.isEmpty()) {
        m_Value = false;
        return;
    }
    bool b = false;
    if (!Spaltentypen::AlsBoolean(w, b)) {
        melde(dbFehlerRead, QStringLiteral("Typen unverträglich"), m_feld);
        b = false;
    }
    m_Value = b;
}

void conCheckBoxAdodb::GlobDatenInDatenBank()
{
    m_fehlercode = dbKeinFehler;
    if (m_gebunden)
        schreibe(m_feld, VbVariant(m_Value));
}

void conCheckBoxAdodb::GlobDatenInCheckBox()
{
    if (m_gebunden && m_control)
        m_control->setWert(m_Value ? 1 : 0);
}

void conCheckBoxAdodb::CheckBoxInGlobDaten()
{
    if (m_gebunden && m_control)
        m_Value = m_control->wert() != 0;
}
