#pragma once
#include <QStringList>

#include <cstdint>
#include <memory>

#include "data/BindungAdodb.h"
#include "base/BoundControl.h"

// A choice among options, stored as one Boolean field per option; m_Value is the 0-based index
// of the option that is set. Shown in an option-button group.
class conOptButtAdodb : public BindungAdodb {
public:
    int32_t m_Value = 0;

    void BindDatenbank(std::shared_ptr<Recordset> datenbank, const QStringList& felderliste);
    void BindOptionButton(std::shared_ptr<BoundControl> OptionButt);
    void UnBindOptionButton();
    // The first field that is True gives the index; none True: the index stays.
    void DatenBankInGlobDaten();
    // Every field False, then field m_Value True (an index outside the list writes nothing and
    // reports a write failure).
    void GlobDatenInDatenBank();
    void GlobDatenInButton();
    void ButtonInGlobDaten(int16_t Index);

    const QStringList& Felder() const { return m_felder; }

private:
    QStringList m_felder;
    std::shared_ptr<BoundControl> m_control;
};
