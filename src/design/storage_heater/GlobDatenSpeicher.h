#pragma once
#include "data/GlobDaten.h"

// The data object of one storage-water-heater project ("Sp"), bound to its row of SpeicherWasserwärmerparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenSpeicher : public GlobDaten {
public:
    GlobDatenSpeicher();
    ~GlobDatenSpeicher() override;
};
