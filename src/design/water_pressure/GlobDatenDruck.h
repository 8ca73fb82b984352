#pragma once
#include "data/GlobDaten.h"

// The data object of one pressure-boosting project ("Dr"), bound to its row of
// Druckerhöhungparameter: the inputs and results of the vessel on the discharge side of a
// pressure-boosting set (m_IstBerechnet and m_IstAusgelegt come from GlobDaten) and the
// calculation. Every member is also reachable by name.
class GlobDatenDruck : public GlobDaten {
public:
    GlobDatenDruck();
    ~GlobDatenDruck() override;

    conTextBoxAdodb m_MaxVolStrom;        // maximum flow of the pump set, m³/h
    conTextBoxAdodb m_Schalthäufigkeit;   // permitted switchings per hour
    conTextBoxAdodb m_p_Einschalt;        // switch-on pressure, bar
    conTextBoxAdodb m_p_SV;               // switch-off pressure, bar (the highest pressure)
    conTextBoxAdodb m_r_VolNutz;          // useful volume, l
    conTextBoxAdodb m_r_pfak;             // pressure factor (Single), at least 0.001
    conTextBoxAdodb m_r_vges;             // total vessel volume, l
    conTextBoxAdodb m_r_p_vor;            // pre-charge pressure (Single), bar
    conTextBoxAdodb m_EinbringBreite;     // door width, mm
    conTextBoxAdodb m_EinbringHoehe;      // room height, mm
    conTextBoxAdodb m_GefaessGruppe;      // vessel group, 0 none
    conValueAdodb m_GefaessInhalt;        // nominal content of the chosen vessel, l
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;

    // The input that keeps the calculation from running (rows restored from old backups may hold
    // anything): a switching frequency below 1, or a switch-off pressure not above the switch-on
    // pressure (or not above 0).
    enum class Eingabefehler { Keiner, Schalthäufigkeit, Ausschaltdruck };
    Eingabefehler PrüfeEingaben() const;
    bool EingabenBerechenbar() const { return PrüfeEingaben() == Eingabefehler::Keiner; }

    // Pre-charge pressure, total volume, pressure factor and useful volume; true when the useful
    // volume in whole litres changed. Inputs that cannot be computed change nothing (false).
    bool Rechnen_Druckerhöhung();

private:
    void registriereMember();

    friend struct DruckFelder;
};
