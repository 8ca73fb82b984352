#include "design/heating/GlobDatenHeizung.h"

GlobDatenHeizung::GlobDatenHeizung() : GlobDaten(QStringLiteral("GlobDatenHeizung"), QStringLiteral("Heizungsparameter"))
{
}

GlobDatenHeizung::~GlobDatenHeizung()
{
    Freigeben();
}
