#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "data/GlobDaten.h"
#include "design/rules/TabellenConst.h"

class TabelleMembranSVSolar;

// The data object of one solar project ("So"), bound to its row of Solarparameter: every input and
// result of the solar design (m_IstBerechnet and m_IstAusgelegt come from GlobDaten), the contents
// of collectors, pipes and heat exchangers, and the vessel calculation with the vapour volume.
// Every member is also reachable by name.
class GlobDatenSolar : public GlobDaten {
public:
    GlobDatenSolar();
    ~GlobDatenSolar() override;

    // Physical tables (empty when the parameter table could not be opened).
    std::unique_ptr<TabellenConst> m_Int_Tab;

    conOptButtAdodb m_AnordnungMAG;     // 0 suction side, 1 pressure side of the pump
    conTextBoxAdodb m_Absorberflaeche;  // collector area, m²
    conTextBoxAdodb m_VolAnlage;        // system content, l
    conTextBoxAdodb m_FrostZusatz;      // antifreeze share, %
    conTextBoxAdodb m_p_stat;
    conTextBoxAdodb m_p_dyn;
    conTextBoxAdodb m_p_SV;             // safety-valve set pressure, bar
    conTextBoxAdodb m_Wasservorlage;    // water reserve, l
    conTextBoxAdodb m_spezVolKollektoren;  // collector content, l/m²
    conTextBoxAdodb m_VolRohre;            // all pipes, l
    conTextBoxAdodb m_VolRohreUeberKol;    // pipes above the collector level, l
    conTextBoxAdodb m_VolSolarWTGes;       // solar tanks and heat exchangers, l
    // Copper pipe lengths in m: total and the part above the collector level.
    conTextBoxAdodb m_LaengeGes_12x1;
    conTextBoxAdodb m_LaengeGes_15x1;
    conTextBoxAdodb m_LaengeGes_18x1;
    conTextBoxAdodb m_LaengeGes_22x1;
    conTextBoxAdodb m_LaengeGes_28x1;
    conTextBoxAdodb m_LaengeGes_32x1;
    conTextBoxAdodb m_LaengeGes_42x1;
    conTextBoxAdodb m_LaengeUebKol_12x1;
    conTextBoxAdodb m_LaengeUebKol_15x1;
    conTextBoxAdodb m_LaengeUebKol_18x1;
    conTextBoxAdodb m_LaengeUebKol_22x1;
    conTextBoxAdodb m_LaengeUebKol_28x1;
    conTextBoxAdodb m_LaengeUebKol_32x1;
    conTextBoxAdodb m_LaengeUebKol_42x1;
    // Solar tanks and heat exchangers of kind 1..4: count and content of one unit (l).
    conTextBoxAdodb m_AnzSolarWT_1;
    conTextBoxAdodb m_AnzSolarWT_2;
    conTextBoxAdodb m_AnzSolarWT_3;
    conTextBoxAdodb m_AnzSolarWT_4;
    conTextBoxAdodb m_VolSolarWT_1;
    conTextBoxAdodb m_VolSolarWT_2;
    conTextBoxAdodb m_VolSolarWT_3;
    conTextBoxAdodb m_VolSolarWT_4;
    // Results.
    conTextBoxAdodb m_r_af;
    conTextBoxAdodb m_r_pVordruck;
    conTextBoxAdodb m_r_panf;
    conTextBoxAdodb m_r_pend;
    conTextBoxAdodb m_r_vaus;
    conTextBoxAdodb m_r_vauf;
    conTextBoxAdodb m_r_pfak;
    conTextBoxAdodb m_r_vges;
    conTextBoxAdodb m_EinbringBreite;
    conTextBoxAdodb m_EinbringHoehe;
    conTextBoxAdodb m_GefaessGruppe;  // vessel group, 0 none
    conValueAdodb m_GefaessInhalt;
    conTextBoxAdodb m_GefaessAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_KappV_Beh_Anz;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_MitVorlagebehälter;  // 0 without, 1 with intermediate vessel
    conValueAdodb m_Zub_Vorlagebeh_ArtNr;

    // Air separators of rows 1..6; outside 1..6 MemberFehler, nothing read or written.
    QString m_Zub_Entlüfter_ArtNr_m_value(int16_t Index) const;
    void m_Zub_Entlüfter_ArtNr_m_value(int16_t Index, const QString& wert);
    int16_t m_Zub_Entlüfter_Anz_m_value(int16_t Index) const;
    void m_Zub_Entlüfter_Anz_m_value(int16_t Index, int16_t wert);

    // --- Calculation (nothing of the sums is stored; the callers store them) ---

    // Content of all pipes in whole litres, rounded up.
    int32_t Sum_Vol_Rohrleitung() const;
    // Content of the pipes above the collector level, at least 1.5 l, rounded up to 0.1 l.
    double Sum_Vol_RohrleitungUeberKollektor() const;
    // Content of the solar tanks and heat exchangers in whole litres, rounded up.
    int32_t Sum_Vol_Wärmetauscher() const;
    // Collectors, pipes and heat exchangers in whole litres, rounded up.
    int32_t Sum_Vol_Anlage() const;
    // The valve pressures offered for the whole-number collector area; kept until the next call.
    void AufbauAktuelleDruckstufungSiVentil();
    // Expansion factor, pre-charge, start pressure and the safety-valve pressure fitted to the
    // palette (raised to the minimum, at least 3 bar); fehlerMSGBox shows the warnings.
    void BerechneDruckSicherheitsventil(bool fehlerMSGBox);
    // The vessel with the vapour volume; true when the required total volume changed.
    bool Rechnen_Solaranlage();

private:
    void registriereMember();

    std::unique_ptr<TabelleMembranSVSolar> m_TabMembranSVSolar;
    std::array<conValueAdodb, 6> m_EntlüfterArtNr;
    std::array<conValueAdodb, 6> m_EntlüfterAnz;

    friend struct SolarFelder;
};
