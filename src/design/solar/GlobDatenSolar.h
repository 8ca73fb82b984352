#pragma once
#include "data/GlobDaten.h"

// The data object of one solar project ("So"), bound to its row of Solarparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenSolar : public GlobDaten {
public:
    GlobDatenSolar();
    ~GlobDatenSolar() override;

    conTextBoxAdodb m_Absorberflaeche;  // collector area, m²
    conTextBoxAdodb m_p_SV;             // safety-valve set pressure, bar
    conTextBoxAdodb m_GefaessGruppe;    // vessel group, 0 none
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
};
