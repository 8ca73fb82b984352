#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "data/GlobDaten.h"
#include "design/rules/TabellenConst.h"

// The data object of one heating project ("He"): every input and result of the heating design as
// a bound value on the project's row of Heizungsparameter (m_IstBerechnet and m_IstAusgelegt come
// from GlobDaten), the physical tables and the calculation. Every member is also reachable by name.
class GlobDatenHeizung : public GlobDaten {
public:
    GlobDatenHeizung();
    ~GlobDatenHeizung() override;

    // Physical tables (empty when the parameter table could not be opened).
    std::unique_ptr<TabellenConst> m_Int_Tab;

    conOptButtAdodb m_Beheiz;        // 0 direct, 1 indirect heating
    conOptButtAdodb m_Anlage;        // 0 low-lying central plant, 1 roof-top plant
    conOptButtAdodb m_Sicherung;     // 0 total protection, 1 per heat generator
    conOptButtAdodb m_AnordnungMAG;  // 0 suction side, 1 pressure side of the pump
    conOptButtAdodb m_AusfuehrSV;    // 0 diaphragm, 1 full-lift safety valve
    conTextBoxAdodb m_Leist_ges;
    conTextBoxAdodb m_VolAnlage;
    conTextBoxAdodb m_Primärtemp;
    conTextBoxAdodb m_Temp_V;
    conTextBoxAdodb m_Temp_R;
    conTextBoxAdodb m_FrostZusatz;
    conTextBoxAdodb m_GebäudeHöhe;
    conTextBoxAdodb m_p_stat;
    conTextBoxAdodb m_p_dyn;
    conTextBoxAdodb m_p_Extra;
    conTextBoxAdodb m_p_SV;
    conTextBoxAdodb m_p_soll;
    conTextBoxAdodb m_Wasservorlage;
    conTextBoxAdodb m_Leist_1;
    conTextBoxAdodb m_Leist_2;
    conTextBoxAdodb m_Leist_3;
    conTextBoxAdodb m_Leist_4;
    conTextBoxAdodb m_Leist_5;
    conTextBoxAdodb m_Leist_6;
    conTextBoxAdodb m_KesselVol_1;
    conTextBoxAdodb m_KesselVol_2;
    conTextBoxAdodb m_KesselVol_3;
    conTextBoxAdodb m_KesselVol_4;
    conTextBoxAdodb m_KesselVol_5;
    conTextBoxAdodb m_KesselVol_6;
    conTextBoxAdodb m_P_Radiatoren;
    conTextBoxAdodb m_P_PlattenHK;
    conTextBoxAdodb m_P_LueftGer;
    conTextBoxAdodb m_P_Konvektoren;
    conTextBoxAdodb m_P_FBHeiz;
    conTextBoxAdodb m_P_Sonstiges;
    conTextBoxAdodb m_P_Summe;
    conTextBoxAdodb m_V_Radiatoren;
    conTextBoxAdodb m_V_PlattenHK;
    conTextBoxAdodb m_V_LueftGer;
    conTextBoxAdodb m_V_Konvektoren;
    conTextBoxAdodb m_V_FBHeiz;
    conTextBoxAdodb m_V_Sonstiges;
    conTextBoxAdodb m_V_Summe;
    conTextBoxAdodb m_LaengeDN20;
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
    conTextBoxAdodb m_V_Fernleit;
    conTextBoxAdodb m_r_psatt;
    conTextBoxAdodb m_r_af;
    conTextBoxAdodb m_r_pVordruck;
    conTextBoxAdodb m_r_pend;
    conTextBoxAdodb m_r_vaus;
    conTextBoxAdodb m_r_vauf;
    conTextBoxAdodb m_r_pfak;
    conTextBoxAdodb m_r_vges;
    conTextBoxAdodb m_EinbringBreite;
    conTextBoxAdodb m_EinbringHoehe;
    conOptButtAdodb m_ArtMembran;
    conOptButtAdodb m_ArtDruckhaltung;  // 0 constant gas cushion, 1 pressure-maintenance automat
    conTextBoxAdodb m_GefaessGruppe;
    conValueAdodb m_GefaessInhalt;
    conTextBoxAdodb m_GefaessAnzahl;
    conTextBoxAdodb m_SteuerbehAnzahl;
    conValueAdodb m_GefaessArtNr;
    conValueAdodb m_BeistellArtNr;
    conValueAdodb m_KomprPumpeArtNr;
    conValueAdodb m_ZusKomprPumpeArtNr;
    conValueAdodb m_SteuerModulKomp;
    conCheckBoxAdodb m_ZusKomprPumpe;
    conCheckBoxAdodb m_Wechselstörschalt;
    conValueAdodb m_ZubehörSteuerung;
    conValueAdodb m_Zub_WMangelSichArt;
    conValueAdodb m_Zub_WMangelSich_Anz;
    conValueAdodb m_Zub_AltMinDruBegr_Anz;
    conValueAdodb m_Zub_MaxDruBegr_Anz;
    conValueAdodb m_Zub_KappV_Beh_Anz;
    conValueAdodb m_Zub_KappV_Beh_ArtNr;
    conValueAdodb m_Zub_Sammelleit_DN;
    conValueAdodb m_Zub_Nachspeisung;
    conValueAdodb m_Zub_Nachspeise_Anz;
    conValueAdodb m_Zub_Nachspeise_ArtNr;
    conValueAdodb m_Zub_Systemtrenner;
    conValueAdodb m_Zub_Systemtrenner_ArtNr;
    conValueAdodb m_Zub_Vorlagebeh_ArtNr;
    conValueAdodb m_Zub_Schlamm_Anordnung;
    conValueAdodb m_Zub_SchlammIso;

    // Indexed members (Index 1..6). Outputs and boiler contents: outside 1..6 a write is ignored
    // and a read gives 0. Item lists: outside 1..6 the call throws MemberFehler and nothing is
    // read or written. The venting members take the family (0 microbubble, 1 centrifugal,
    // 2 air pot) first; another family ignores the write and reads "" or 0.
    int32_t m_Leist_m_value(int16_t Index) const;
    void m_Leist_m_value(int16_t Index, int32_t wert);
    int16_t m_KesselVol_m_value(int16_t Index) const;  // throws MemberFehler on overflow
    void m_KesselVol_m_value(int16_t Index, int16_t wert);
    int16_t m_Einzel_AusdVol_m_value(int16_t Index) const;
    void m_Einzel_AusdVol_m_value(int16_t Index, int16_t wert);
    int16_t m_Einzel_AufnVol_m_value(int16_t Index) const;
    void m_Einzel_AufnVol_m_value(int16_t Index, int16_t wert);
    int16_t m_Einzel_BehGesVol_m_value(int16_t Index) const;
    void m_Einzel_BehGesVol_m_value(int16_t Index, int16_t wert);
    QString m_Einzel_GefässArtNr_m_value(int16_t Index) const;
    void m_Einzel_GefässArtNr_m_value(int16_t Index, const QString& wert);
    QString m_Zub_SichVentil_ArtNr_m_value(int16_t Index) const;
    void m_Zub_SichVentil_ArtNr_m_value(int16_t Index, const QString& wert);
    int16_t m_Zub_SichVentil_Anz_m_value(int16_t Index) const;
    void m_Zub_SichVentil_Anz_m_value(int16_t Index, int16_t wert);
    QString m_Zub_EntspGefäß_ArtNr_m_value(int16_t Index) const;
    void m_Zub_EntspGefäß_ArtNr_m_value(int16_t Index, const QString& wert);
    QString m_Zub_KappV_Erz_ArtNr_m_value(int16_t Index) const;
    void m_Zub_KappV_Erz_ArtNr_m_value(int16_t Index, const QString& wert);
    QString m_Zub_VorlBehEinz_ArtNr_m_value(int16_t Index) const;
    void m_Zub_VorlBehEinz_ArtNr_m_value(int16_t Index, const QString& wert);
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

    // Total output of the six heat generators in kW.
    double Sum_Waermeleistung() const;
    // Total output of the six consumer kinds in kW.
    double Sum_P_Verbraucher() const;
    // Water contents of the consumers from their outputs (other consumers are entered).
    void Berechne_EinzelVol_Verbraucher();
    // m_V_Summe, then m_VolAnlage = pipes + consumers.
    void Sum_V_Verbraucher();
    // m_V_Fernleit from the pipe lengths, then m_VolAnlage = pipes + consumers.
    void Sum_V_Fernleit();
    // Litres of boiler-internal vessels reported by the host program (total protection only).
    int16_t Sum_KesselinterneMAGs() const;
    // The boiler-internal vessels take the whole required volume: no external vessel.
    bool TyvoSonderfallKeinMAGerlaubt() const;
    // Vapour pressure, expansion factor, pre-pressure and the safety-valve pressure, which may be
    // raised; true when the valve ends above 3 bar (then full-lift).
    bool BerechneDruckSicherheitsventil(bool meldungen);
    // End pressure in bar from the safety-valve pressure.
    float BerechneEnddruck() const;
    // The whole calculation; true when the required vessel volume changed.
    bool Rechnen_Heizung();
    // m_r_af and m_r_vaus only.
    void Rechnen_Ausdehnungsvolumen();
    // Whether the chosen vessels can take up the expansion at the operating temperature plus
    // the water reserve; when they cannot, the filling table's numbers are no usable values.
    bool FüllungGültig(double temperatur) const;
    // Water-side filling pressure in bar at the operating temperature. *gültig (when given):
    // FüllungGültig, and false when the pressure could not be computed (the result is then 0).
    double GetFülldruck(double temperatur, bool* gültig = nullptr) const;
    // Water the vessels hold at the operating temperature: litres per vessel and filling degree
    // in percent (each left unchanged when it cannot be computed); *gültig: FüllungGültig.
    void GetFüllvolumen(double temperatur, int32_t& volumenJeGefäß, int32_t& füllgrad,
                        bool* gültig = nullptr) const;

protected:
    // In the host run of mode 1 (ProjektNichtSpeichern) no heating row reaches the table.
    bool ProjektNichtSpeichernGilt() const override { return true; }

private:
    using Positionen = std::array<conValueAdodb, 6>;

    double BerechneAusdehnungsfaktor() const;
    double BerechneAusdehnungsvolumen() const;
    void BerechneEinzelVolumenKessel();
    // Nominal content of all chosen vessels in whole litres.
    double nennvolumenGefäße() const;

    void registriereMember();


    Positionen m_Einzel_AusdVol;
    Positionen m_Einzel_AufnVol;
    Positionen m_Einzel_BehGesVol;
    Positionen m_Einzel_GefässArtNr;
    Positionen m_Zub_SichVentil_ArtNr;
    Positionen m_Zub_SichVentil_Anz;
    Positionen m_Zub_EntspGefäß_ArtNr;
    Positionen m_Zub_KappV_Erz_ArtNr;
    Positionen m_Zub_VorlBehEinz_ArtNr;
    Positionen m_Zub_Schlamm_ArtNr;
    Positionen m_Zub_SchlammIso_ArtNr;
    Positionen m_Zub_AbsAbsch_ArtNr;
    Positionen m_Zub_AbsAbsch_Anz;
    Positionen m_Zub_ZentrAbsch_ArtNr;
    Positionen m_Zub_ZentrAbsch_Anz;
    Positionen m_Zub_Lufttopf_ArtNr;
    Positionen m_Zub_Lufttopf_Anz;

    friend struct HeizungsFelder;
};
