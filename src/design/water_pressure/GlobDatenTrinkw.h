#pragma once
#include <memory>

#include "data/GlobDaten.h"
#include "design/rules/TabellenConst.h"

class TabelleSiVTrinkw;

// The data object of one drinking-water heating project ("Tr"), bound to its row of
// Trinkwasserparameter: the inputs and results of the vessel sizing of a drinking-water heater
// installation (m_IstBerechnet and m_IstAusgelegt come from GlobDaten), the valve palette for the
// water content and the calculation. Every member is also reachable by name.
class GlobDatenTrinkw : public GlobDaten {
public:
    GlobDatenTrinkw();
    ~GlobDatenTrinkw() override;

    // Physical tables (empty when the parameter table could not be opened).
    std::unique_ptr<TabellenConst> m_Int_Tab;

    conTextBoxAdodb m_VolAnlage;       // water content of the installation, l
    conTextBoxAdodb m_Temp_Betr;       // maximum operating temperature, °C
    conTextBoxAdodb m_p_anf;           // initial (supply) pressure, bar
    conTextBoxAdodb m_p_SV;            // safety-valve set pressure, bar
    conTextBoxAdodb m_r_af;            // expansion factor, %
    conTextBoxAdodb m_r_p_vor;         // pre-charge pressure, bar
    conTextBoxAdodb m_r_pend;          // end pressure, bar
    conTextBoxAdodb m_r_vaus;          // expansion volume, l
    conTextBoxAdodb m_r_pfak;          // pressure factor, at least 0.001
    conTextBoxAdodb m_r_vges;          // required total vessel volume, l
    conTextBoxAdodb m_EinbringBreite;  // door width, mm
    conTextBoxAdodb m_EinbringHoehe;   // room height, mm
    conTextBoxAdodb m_GefaessGruppe;   // vessel group, 0 none
    conValueAdodb m_GefaessInhalt;     // nominal content of the chosen vessel, l
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;

    // Rebuilds the palette of valve set pressures for the present water content (whole litres).
    void AufbauAktuelleDruckstufungSiVentil();
    // m_r_af from the table, then m_p_SV fitted to the palette and raised to the minimum
    // (initial pressure + 1 bar); message 2377 when no valve fits (always shown: fehlerMSGBox
    // is kept for callers only).
    void BerechneDruckSicherheitsventil(bool fehlerMSGBox);
    // Valve, pressures, expansion volume, pressure factor and total volume; true when the total
    // volume in whole litres changed.
    bool Rechnen_Trinkwasser();
    // The end pressure of the present valve pressure (a Single), before it is rounded up for
    // display; the vessel takes water only while the initial pressure is below it.
    double Enddruck() const;

private:
    void registriereMember();

    std::unique_ptr<TabelleSiVTrinkw> m_SiVTabelle;

    friend struct TrinkwasserFelder;
};
