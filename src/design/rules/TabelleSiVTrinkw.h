#pragma once
#include "design/rules/TabelleSiVPalette.h"

// Diaphragm safety valves of drinking-water heaters ([SiVTrinkwasser], sized by water content
// in litres).
class TabelleSiVTrinkw : public TabelleSiVPalette {
public:
    TabelleSiVTrinkw();

    void AufbauAktuellePaletteDruckstufung(int32_t wasserinhalt);
    // Raises the pressure to the next palette stage (the Single stage widened; True); without one
    // rounds it up to 0.1 bar.
    bool AnpassenDruckSicherheitsventilAnPalette(double& druck) const;
    bool ErmittelSiV(double ansprechdruck, int32_t wasserinhalt);
};
