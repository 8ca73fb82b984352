#pragma once
#include "data/GlobDaten.h"

// The data object of one heating project ("He"), bound to its row of Heizungsparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenHeizung : public GlobDaten {
public:
    GlobDatenHeizung();
    ~GlobDatenHeizung() override;

protected:
    // In the host run of mode 1 (ProjektNichtSpeichern) no heating row reaches the table.
    bool ProjektNichtSpeichernGilt() const override { return true; }
};
