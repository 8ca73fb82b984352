#include "data/ManipDBField.h"

void ManipDBField::DefField(const QString& fname, long ftype, int fsize, const VbVariant& defval,
                            bool zerolen)
{
    fieldbez = fname;
    fieldtype = ftype;
    fieldsize = fsize;
    fieldDefaultValue = defval;
    fieldAllowZeroLength = zerolen;
}
