#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "data/GlobDaten.h"
#include "design/rules/TabellenConst.h"

// The data object of one cooling project ("Kü"): every input, result and design choice as a
// bound value on the project's row of Kälteparameter (m_IstBerechnet and m_IstAusgelegt come
// from GlobDaten), the physical tables and the vessel calculation. Every member is also
// reachable by name.
class GlobDatenKälte : public GlobDaten {
public:
    GlobDatenKälte();
    ~GlobDatenKälte() override;

    // Physical tables (empty when the parameter table could not be opened).
    std::unique_ptr<TabellenConst> m_Int_Tab;

    conOptButtAdodb m_AnordnungMAG;  // 0 suction side, 1 pressure side of the pump
    conTextBoxAdodb m_Leist_ges;     // total cooling capacity, kW
    conTextBoxAdodb m_VolAnlage;     // water content of the system, l
    conTextBoxAdodb m_Temp_Vorl;     // °C
    conTextBoxAdodb m_Temp_Rückl;
    conTextBoxAdodb m_Temp_Umgeb;    // highest ambient temperature
    conTextBoxAdodb m_FrostZusatz;   // antifreeze share, %
    conTextBoxAdodb m_p_stat;        // bar
    conTextBoxAdodb m_p_dyn;
    conTextBoxAdodb m_p_SV;
    conTextBoxAdodb m_p_soll;
    conTextBoxAdodb m_Wasservorlage;  // l
    conTextBoxAdodb m_Leist_1;        // chillers, kW
    conTextBoxAdodb m_Leist_2;
    conTextBoxAdodb m_Leist_3;
    conTextBoxAdodb m_Leist_4;
    conTextBoxAdodb m_Leist_5;
    conTextBoxAdodb m_Leist_6;
    conTextBoxAdodb m_LaengeDN20;  // pipe lengths, m
    conTextBoxAdodb m_LaengeDN25;
    conTextBoxAdodb m_LaengeDN32;
    conTextBoxAdodb m_LaengeDN40;
    conTextBoxAdodb m_LaengeDN50;
    conTextBoxAdodb m_LaengeDN65;
    conTextBoxAdodb m_LaengeDN80;
    conTextBoxAdodb m_LaengeDN100;
    conTextBoxAdodb m_LaengeDN125;
    conTextBoxAdodb m_LaengeDN150;
    conTextBoxAdodb m_LaengeDN200;
    conTextBoxAdodb m_LaengeDN250;
    conTextBoxAdodb m_LaengeDN300;
    conTextBoxAdodb m_LaengeDN350;
    conTextBoxAdodb m_LaengeDN400;
    conTextBoxAdodb m_V_Sonstiges;  // further water content, l
    conTextBoxAdodb m_r_af;         // results: expansion factor, %
    conTextBoxAdodb m_r_pVordruck;  // pre-charge pressure, bar
    conTextBoxAdodb m_r_pend;       // end pressure, bar
    conTextBoxAdodb m_r_vaus;       // expansion volume, l
    conTextBoxAdodb m_r_vauf;       // acceptance volume, l
    conTextBoxAdodb m_r_pfak;       // pressure factor
    conTextBoxAdodb m_r_vges;       // total vessel volume, l
    conTextBoxAdodb m_EinbringBreite;  // door width, mm
    conTextBoxAdodb m_EinbringHoehe;   // room height, mm
    conOptButtAdodb m_ArtMembran;       // 0 fixed, 1 exchangeable diaphragm
    conOptButtAdodb m_ArtDruckhaltung;  // 0 constant gas cushion, 1 pressure-maintenance automat
    conTextBoxAdodb m_GefaessGruppe;    // vessel or automat group, 0 none
    conValueAdodb m_GefaessInhalt;
    conTextBoxAdodb m_GefaessAnzahl;
    conTextBoxAdodb m_SteuerbehAnzahl;  // control vessels of an automat
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_BeistellArtNr;
    conValueAdodb m_KomprPumpeArtNr;
    conValueAdodb m_ZusKomprPumpeArtNr;
    conValueAdodb m_SteuerModulKomp;  // control module of the automat
    conCheckBoxAdodb m_ZusKomprPumpe;
    conCheckBoxAdodb m_Wechselstörschalt;
    conValueAdodb m_ZubehörSteuerung;  // automat accessories as bits
    conValueAdodb m_Zub_SichVentil_ArtNr;
    conValueAdodb m_Zub_SichVentil_Anz;
    conValueAdodb m_Zub_KappV_Beh_Anz;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_Nachspeisung;  // kind of make-up
    conValueAdodb m_Zub_Nachspeise_Anz;
    conValueAdodb m_Zub_Nachspeise_ArtNr;
    conValueAdodb m_Zub_Systemtrenner;  // 0 without, 1 with system separator
    conValueAdodb m_Zub_Systemtrenner_ArtNr;
    conValueAdodb m_Zub_Schlamm_Anordnung;
    conValueAdodb m_Zub_SchlammIso;

    // Indexed members (Index 1..6). Capacities: outside 1..6 a write is ignored and a read
    // gives 0. Item lists: outside 1..6 the call throws MemberFehler and nothing is read or
    // written. The venting members take the family (0 absorption separators, 1 centrifugal
    // separators, 2 air pots) first; another family ignores the write and reads "" or 0.
    int32_t m_Leist_m_value(int16_t Index) const;
    void m_Leist_m_value(int16_t Index, int32_t wert);
    QString m_Zub_Schlamm_ArtNr_m_value(int16_t Index) const;
    void m_Zub_Schlamm_ArtNr_m_value(int16_t Index, const QString& wert);
    QString m_Zub_SchlammIso_ArtNr_m_value(int16_t Index) const;
    void m_Zub_SchlammIso_ArtNr_m_value(int16_t Index, const QString& wert);
    QString m_Zub_AbsAbsch_ArtNr_m_value(int16_t Index) const;
    void m_Zub_AbsAbsch_ArtNr_m_value(int16_t Index, const QString& wert);
    int16_t m_Zub_AbsAbsch_Anz_m_value(int16_t Index) const;
    void m_Zub_AbsAbsch_Anz_m_value(int16_t Index, int16_t wert);
    QString m_Zub_ZentrAbsch_ArtNr_m_value(int16_t Index) const;
    void m_Zub_ZentrAbsch_ArtNr_m_value(int16_t Index, const QString& wert);
    int16_t m_Zub_ZentrAbsch_Anz_m_value(int16_t Index) const;
    void m_Zub_ZentrAbsch_Anz_m_value(int16_t Index, int16_t wert);
    QString m_Zub_Lufttopf_ArtNr_m_value(int16_t Index) const;
    void m_Zub_Lufttopf_ArtNr_m_value(int16_t Index, const QString& wert);
    int16_t m_Zub_Lufttopf_Anz_m_value(int16_t Index) const;
    void m_Zub_Lufttopf_Anz_m_value(int16_t Index, int16_t wert);
    QString m_Zub_Entlüftung_ArtNr_m_value(int16_t Entlüfterfamilie, int16_t Index) const;
    void m_Zub_Entlüftung_ArtNr_m_value(int16_t Entlüfterfamilie, int16_t Index, const QString& wert);
    int16_t m_Zub_Entlüftung_Anz_m_value(int16_t Entlüfterfamilie, int16_t Index) const;
    void m_Zub_Entlüftung_Anz_m_value(int16_t Entlüfterfamilie, int16_t Index, int16_t wert);

    // --- Calculation ---

    // Sum of the six chiller capacities, kW.
    double Sum_Waermeleistung() const;
    // Water content of the pipe network plus m_V_Sonstiges, l (writes nothing).
    double Sum_V_Anlage() const;
    // Expansion factor and pre-charge pressure; rounds m_p_SV to three decimals and raises it to
    // the smallest admissible valve pressure (message 2256 or 2257 when fehlerMSGBox).
    void BerechneDruckSicherheitsventil(bool fehlerMSGBox);
    // End pressure in bar for the current m_p_SV.
    float BerechneEnddruck() const;
    // The whole calculation; true when the total vessel volume in whole litres changed.
    bool Rechnen_Kälteanlage();

private:
    using Positionen = std::array<conValueAdodb, 6>;

    void registriereMember();

    Positionen m_Zub_Schlamm_ArtNr;
    Positionen m_Zub_SchlammIso_ArtNr;
    Positionen m_Zub_AbsAbsch_ArtNr;
    Positionen m_Zub_AbsAbsch_Anz;
    Positionen m_Zub_ZentrAbsch_ArtNr;
    Positionen m_Zub_ZentrAbsch_Anz;
    Positionen m_Zub_Lufttopf_ArtNr;
    Positionen m_Zub_Lufttopf_Anz;

    friend struct KälteFelder;
};
