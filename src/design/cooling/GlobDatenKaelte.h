#pragma once
#include "data/GlobDaten.h"

// The data object of one cooling project ("Kü"), bound to its row of Kälteparameter.
// Members: register each in the constructor with one line (see GlobDaten).
class GlobDatenKälte : public GlobDaten {
public:
    GlobDatenKälte();
    ~GlobDatenKälte() override;

    conTextBoxAdodb m_VolAnlage;        // water content of the system, l
    conTextBoxAdodb m_r_pVordruck;      // pre-charge pressure, bar
    conTextBoxAdodb m_r_pend;           // end pressure, bar
    conOptButtAdodb m_ArtDruckhaltung;  // 0 constant gas cushion, 1 pressure-maintenance automat
    conTextBoxAdodb m_GefaessGruppe;    // vessel or automat group, 0 none
    conTextBoxAdodb m_GefaessAnzahl;
    conTextBoxAdodb m_SteuerbehAnzahl;  // control vessels of an automat
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_SteuerModulKomp;    // control module of the automat
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_SichVentil_Anz;
    conValueAdodb m_Zub_KappV_Beh_Anz;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_Nachspeisung;   // kind of make-up
    conValueAdodb m_Zub_Nachspeise_Anz;
    conValueAdodb m_Zub_Nachspeise_ArtNr;
    conValueAdodb m_Zub_Systemtrenner;  // 0 without, 1 with system separator
};
