#pragma once
#include "data/GlobDaten.h"

// The data object of one drinking-water heating project ("Tr"), bound to its row of Trinkwasserparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenTrinkw : public GlobDaten {
public:
    GlobDatenTrinkw();
    ~GlobDatenTrinkw() override;
};
