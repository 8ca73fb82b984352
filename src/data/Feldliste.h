#pragma once
#include <QHash>
#include <QString>

#include <vector>

#include "data/ManipDBField.h"

// The field definitions of one table, in definition order, keyed by field name
// (keys compare without regard to case).
class Feldliste {
public:
    void leeren();
    // False when a field of that name is already there (the list is unchanged).
    bool hinzufügen(const ManipDBField& feld);
    ManipDBField* suche(const QString& name);
    const ManipDBField* suche(const QString& name) const;

    int size() const { return static_cast<int>(m_felder.size()); }
    bool empty() const { return m_felder.empty(); }
    ManipDBField& operator[](int i) { return m_felder[static_cast<size_t>(i)]; }
    const ManipDBField& operator[](int i) const { return m_felder[static_cast<size_t>(i)]; }
    auto begin() { return m_felder.begin(); }
    auto end() { return m_felder.end(); }
    auto begin() const { return m_felder.begin(); }
    auto end() const { return m_felder.end(); }

private:
    static QString schlüssel(const QString& name) { return name.toCaseFolded(); }
    std::vector<ManipDBField> m_felder;
    QHash<QString, int> m_index;
};
