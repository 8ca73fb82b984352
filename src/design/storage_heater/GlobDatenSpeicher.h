#pragma once
#include "data/GlobDaten.h"

// The data object of one storage-water-heater project ("Sp"), bound to its row of
// SpeicherWasserwärmerparameter, with the demand figure N after DIN 4708 part 2 computed from the
// project's dwelling groups (SpeicherBedarfsKz).
class GlobDatenSpeicher : public GlobDaten {
public:
    GlobDatenSpeicher();
    ~GlobDatenSpeicher() override;

    // Recomputes N from the dwelling-group rows as stored and keeps it in m_BedarfsKennz; True
    // when the stored N changed. Changes no other member.
    bool Rechnen_SpeicherWasserwärmer();

    conValueAdodb m_BedarfsKennz;      // demand figure N
    conValueAdodb m_SpeicherTemp;      // storage temperature, °C
    conValueAdodb m_VorlaufTemp;       // heating-water flow temperature, °C
    conTextBoxAdodb m_EinbringBreite;  // door width, mm
    conTextBoxAdodb m_EinbringHoehe;   // room height, mm
    conTextBoxAdodb m_GefaessGruppe;   // tank group
    conValueAdodb m_GefaessInhalt;     // nominal content of the chosen tank, l
    conTextBoxAdodb m_GefaessAnzahl;   // number of tanks
    conValueAdodb m_GefaessArtNr;      // chosen tank; one blank: none
    conValueAdodb m_LeiszungsKennz;    // performance figure of the chosen set (the name keeps its "sz")
    conValueAdodb m_Wärmeleistung;     // heat output of the set, kW
    conValueAdodb m_HeizVolStrom;      // heating-water volume flow of the set, l/h

    // Demand per draw-off in Wh of the unit dwelling (3.5 occupants, one bath NB1).
    static constexpr double Einheitswohnung = 20370.0;
};
