#pragma once
#include <QString>

#include <array>
#include <cstdint>

// One heat generator of the host's exchange record (positions 1..6).
struct TyvoWEDaten {
    int32_t Leistung = 0;             // kW
    int16_t Wasserinhalt = 0;         // litres
    int16_t Inhalt_internes_MAG = 0;  // litres of a vessel built into the heat generator
    bool EntschlammungsGefaess = false;
    int16_t SiV_Art = 0;  // 0 diaphragm, 1 full-lift
};

// The results per heat generator that go back to the host.
struct TyvoWEErgebnis {
    int16_t SiV_Anzahl = 0;
    int16_t SiV_Art = 0;
    int16_t SiV_Nennweite = 0;
    int16_t EntspannGef_DN_Eingang = 0;
    int16_t EntspannGef_DN_Ausgang = 0;
};

// The exchange record as the host exchange reads it from the exchange file at start; the
// general fields are written back with every answer.
struct TyvoAustauschdaten {
    int16_t FehlerCode = 0;
    QString TyvoVersion;
    QString TyvoProjekt;
    QString ProjektID;
    QString Name1;
    QString Name2_bzwNr;
    QString StrasseUndNr;
    QString PLZ;
    QString ORT;
    QString Programm;  // the application title
    QString Version;   // major.minor.revision
    QString Klartext;
    int16_t Ergebnis = 0;
    QString Hinweis;
    int16_t Beheizungsart = 0;       // 0 direct, 1 indirect heating
    int16_t Anlagenabsicherung = 0;  // 0 whole plant, 1 each heat generator
    int32_t Anlageninhalt = 0;       // litres
    bool Entschlammung_Anlage = false;
    int16_t T_Prim = 0;  // °C
    int16_t TVL = 0;
    int16_t TRL = 0;
    float Pst = 0.0f;  // bar
    float Psv = 0.0f;
    int16_t Max_Hoehe = 0;  // mm
    int16_t Max_Durchmesser = 0;
    // Index 1..6 (element 0 unused).
    std::array<TyvoWEDaten, 7> WE_Daten{};
    std::array<TyvoWEErgebnis, 7> WE_Daten_geaendert{};
};
