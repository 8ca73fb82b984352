#include "design/water_pressure/GlobDatenTrinkw.h"

GlobDatenTrinkw::GlobDatenTrinkw() : GlobDaten(QStringLiteral("GlobDatenTrinkw"), QStringLiteral("Trinkwasserparameter"))
{
}

GlobDatenTrinkw::~GlobDatenTrinkw()
{
    Freigeben();
}
