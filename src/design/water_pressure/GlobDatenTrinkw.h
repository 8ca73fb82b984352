#pragma once
#include "data/GlobDaten.h"

// The data object of one drinking-water heating project ("Tr"), bound to its row of Trinkwasserparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenTrinkw : public GlobDaten {
public:
    GlobDatenTrinkw();
    ~GlobDatenTrinkw() override;

    conTextBoxAdodb m_VolAnlage;      // water content of the installation, l
    conTextBoxAdodb m_p_SV;           // safety-valve set pressure, bar
    conTextBoxAdodb m_GefaessGruppe;  // vessel group, 0 none
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;
};
