#include "design/rules/TabelleSiVTrinkw.h"

TabelleSiVTrinkw::TabelleSiVTrinkw()
    : TabelleSiVPalette(QStringLiteral("[SiVTrinkwasser]"), QStringLiteral("Volumen in Liter"))
{
}

void TabelleSiVTrinkw::AufbauAktuellePaletteDruckstufung(int32_t wasserinhalt)
{
    BaueAuf(wasserinhalt);
}

bool TabelleSiVTrinkw::AnpassenDruckSicherheitsventilAnPalette(double& druck) const
{
    return PasseAnPalette(druck);
}

bool TabelleSiVTrinkw::ErmittelSiV(double ansprechdruck, int32_t wasserinhalt)
{
    return Ermittel(ansprechdruck, wasserinhalt);
}
