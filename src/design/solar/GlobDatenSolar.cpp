#include "design/solar/GlobDatenSolar.h"

GlobDatenSolar::GlobDatenSolar() : GlobDaten(QStringLiteral("GlobDatenSolar"), QStringLiteral("Solarparameter"))
{
}

GlobDatenSolar::~GlobDatenSolar()
{
    Freigeben();
}
