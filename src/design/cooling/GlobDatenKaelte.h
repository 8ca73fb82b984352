#pragma once
#include "data/GlobDaten.h"

// The data object of one cooling project ("Kü"), bound to its row of Kälteparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenKälte : public GlobDaten {
public:
    GlobDatenKälte();
    ~GlobDatenKälte() override;
};
