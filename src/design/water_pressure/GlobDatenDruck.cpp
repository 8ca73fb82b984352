#include "design/water_pressure/GlobDatenDruck.h"

GlobDatenDruck::GlobDatenDruck() : GlobDaten(QStringLiteral("GlobDatenDruck"), QStringLiteral("Druckerhöhungparameter"))
{
}

GlobDatenDruck::~GlobDatenDruck()
{
    Freigeben();
}
