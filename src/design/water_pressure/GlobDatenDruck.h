#pragma once
#include "data/GlobDaten.h"

// The data object of one pressure-boosting project ("Dr"), bound to its row of Druckerhöhungparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenDruck : public GlobDaten {
public:
    GlobDatenDruck();
    ~GlobDatenDruck() override;

    conTextBoxAdodb m_GefaessGruppe;  // vessel group, 0 none
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;
};
