#pragma once
#include <QString>

#include "base/VbVariant.h"

// Field type codes of the project database (the codes the transfer stream converts by).
namespace Feldtyp {
enum : long { Boolean = 1, Byte = 2, Integer = 3, Long = 4, Single = 6, Date = 8, Text = 10, Memo = 12 };
}
// Field attribute of an autoincrement counter.
inline constexpr long AttributAutowert = 16;
// Index kinds.
namespace IndexArt {
enum : int { Keiner = 0, Index = 1, Eindeutig = 2, Primärschlüssel = 4 };
}

// One field definition of a table.
class ManipDBField {
public:
    QString fieldbez;
    long fieldtype = 0;
    long fieldAttribut = 0;
    int fieldsize = 0;
    bool fieldAllowZeroLength = false;
    VbVariant fieldDefaultValue;  // Empty: no default
    int fieldIndexArt = IndexArt::Keiner;
    bool merkFieldIndexing = false;  // an index is still to be created
    bool merkFieldinit = false;      // appended to an existing table; rows still need the default

    void DefField(const QString& fname, long ftype, int fsize, const VbVariant& defval, bool zerolen);

    bool istAutowert() const { return fieldAttribut == AttributAutowert; }
};
