#pragma once
#include <QString>

#include <memory>

#include "data/BindungAdodb.h"
#include "base/BoundControl.h"

// A yes/no flag stored in one Boolean field, shown in a check box.
class conCheckBoxAdodb : public BindungAdodb {
public:
    bool m_Value = false;

    void BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld);
    void BindCheckBox(std::shared_ptr<BoundControl> CheckBox);
    void UnBindCheckBox();
    void DatenBankInGlobDaten();
    void GlobDatenInDatenBank();
    void GlobDatenInCheckBox();
    // Ticked (1) and grayed (2) read as True.
    void CheckBoxInGlobDaten();

    const QString& Feld() const { return m_feld; }

private:
    QString m_feld;
    std::shared_ptr<BoundControl> m_control;
};
