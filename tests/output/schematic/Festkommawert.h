#pragma once
#include "output/schematic/DXFZahlen.h"

// A drawing value from a double, rounded to the fixed-point grid.
inline Festkomma F(double w)
{
    Festkomma f;
    Festkomma::AusDouble(w, f);
    return f;
}
