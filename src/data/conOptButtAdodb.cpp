#include "data/conOptButtAdodb.h"

#include "data/datenbank.h"

void conOptButtAdodb::BindDatenbank(std::shared_ptr<Recordset> datenbank, const QStringList& felderliste)
{
    if (binde(std::move(datenbank)))
        m_felder = felderliste;
}

void conOptButtAdodb::BindOptionButton(std::shared_ptr<BoundControl> OptionButt)
{
    m_control = std::move(OptionButt);
}

void conOptButtAdodb::UnBindOptionButton()
{
    m_control.reset();
}

void conOptButtAdodb::DatenBankInGlobDaten()
{
    m_fehlercode = dbKeinFehler;
    if (!m_gebunden)
        return;
    for (int i = 0; i < m_felder.size(); ++i) {
        VbVariant w;
        if (!lies(m_felder[i], w))
            return;
        if (w.gleich(VbVariant(true))) {
            m_Value = i;
            return;
        }
    }
}

void conOptButtAdodb::GlobDatenInDatenBank()
{
    m_fehlercode = dbKeinFehler;
    if (!m_gebunden)
        return;
    if (m_Value < 0 || m_Value >= m_felder.size()) {
        melde(dbFehlerWrite, QStringLiteral("Die Option %1 gibt es nicht.").arg(m_Value), QString());
        return;
    }
    for (const QString& feld : m_felder)
        if (!schreibe(feld, VbVariant(false)))
            return;
    schreibe(m_felder[m_Value], VbVariant(true));
}

void conOptButtAdodb::GlobDatenInButton()
{
    if (m_gebunden && m_control)
        m_control->setWert(m_Value);
}

void conOptButtAdodb::ButtonInGlobDaten(int16_t Index)
{
    if (m_gebunden)
        m_Value = Index;
}
