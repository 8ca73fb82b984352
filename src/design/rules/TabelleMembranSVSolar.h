#pragma once
#include "design/rules/TabelleSiVPalette.h"

// Diaphragm safety valves of solar systems ([SiVSolaranlagen], sized by collector area in m²).
class TabelleMembranSVSolar : public TabelleSiVPalette {
public:
    TabelleMembranSVSolar();

    void AufbauAktuellePaletteDruckstufung(int32_t kollektorfläche);
    // Raises the pressure to the next palette stage (True); without one rounds it up to 0.1 bar.
    bool AnpassenDruckSicherheitsventilAnPalette(float& druck) const;
    bool ErmittelMembranSV(double ansprechdruck, int32_t kollektorfläche);
};
