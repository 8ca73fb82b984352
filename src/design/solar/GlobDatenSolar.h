#pragma once
#include "data/GlobDaten.h"

// The data object of one solar project ("So"), bound to its row of Solarparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenSolar : public GlobDaten {
public:
    GlobDatenSolar();
    ~GlobDatenSolar() override;
};
