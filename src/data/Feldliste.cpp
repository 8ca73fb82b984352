#include "data/Feldliste.h"

void Feldliste::leeren()
{
    m_felder.clear();
    m_index.clear();
}

bool Feldliste::hinzufügen(const ManipDBField& feld)
{
    const QString k = schlüssel(feld.fieldbez);
    if (m_index.contains(k))
        return false;
    m_index.insert(k, size());
    m_felder.push_back(feld);
    return true;
}

ManipDBField* Feldliste::suche(const QString& name)
{
    const auto it = m_index.constFind(schlüssel(name));
    return it == m_index.constEnd() ? nullptr : &m_felder[static_cast<size_t>(*it)];
}

const ManipDBField* Feldliste::suche(const QString& name) const
{
    return const_cast<Feldliste*>(this)->suche(name);
}
