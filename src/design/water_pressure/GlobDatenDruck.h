#pragma once
#include "data/GlobDaten.h"

// The data object of one pressure-boosting project ("Dr"), bound to its row of Druckerhöhungparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenDruck : public GlobDaten {
public:
    GlobDatenDruck();
    ~GlobDatenDruck() override;
};
