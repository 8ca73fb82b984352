#include "design/rules/TabelleMembranSVSolar.h"

TabelleMembranSVSolar::TabelleMembranSVSolar()
    : TabelleSiVPalette(QStringLiteral("[SiVSolaranlagen]"), QStringLiteral("Kollektorfläche"))
{
}

void TabelleMembranSVSolar::AufbauAktuellePaletteDruckstufung(int32_t kollektorfläche)
{
    BaueAuf(kollektorfläche);
}

bool TabelleMembranSVSolar::AnpassenDruckSicherheitsventilAnPalette(float& druck) const
{
    return PasseAnPalette(druck);
}

bool TabelleMembranSVSolar::ErmittelMembranSV(double ansprechdruck, int32_t kollektorfläche)
{
    return Ermittel(ansprechdruck, kollektorfläche);
}
