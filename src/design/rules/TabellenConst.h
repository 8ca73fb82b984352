#pragma once
#include <QList>

#include <cstdint>
#include <vector>

// Physical property tables of the sizing rules, built once and answered by linear interpolation
// (values outside a table are held at its first or last point).
class TabellenConst {
public:
    TabellenConst();

    // Pre-charge pressures in bar that a vessel group offers, ascending.
    QList<double> GetBehälterVordruckRaster(int16_t behältergruppe) const;
    // Correction factor of the consumers' water content by flow temperature in °C.
    double GetVolKorr(double vorlauftemperatur) const;
    // Vapour pressure of water in bar above atmospheric pressure by temperature in °C.
    double GetDampfdruck(double temperatur) const;
    // Expansion factor in percent, rounded up to two decimals, by antifreeze share in % and
    // temperature in °C: heating table and cooling table.
    double GetExpansFaktorHeizung(double frostschutzanteil, double temperatur) const;
    double GetExpansFaktorKälte(double frostschutzanteil, double temperatur) const;

private:
    // x0, y0, x1, y1, ... with ascending x; länge = count of numbers used by the look-ups.
    struct Paarliste {
        std::vector<double> werte;
        int länge = 0;
    };
    // Antifreeze shares with one pair list of fractions per share.
    struct ExpansTabelle {
        std::vector<double> anteile;
        int länge = 0;
        std::vector<Paarliste> listen;
    };

    static double InterpoliereTabelle(double x, int länge, const std::vector<double>& liste);
    static double ExpansFaktor(const ExpansTabelle& tabelle, double anteil, double temperatur);
    void AufbauTabellen();
    void AufbauExpansFaktorHeizung();
    void AufbauExpansFaktorKälte();
    bool TabellenLesbar() const;

    Paarliste m_VolKorr;
    Paarliste m_Dampfdruck;
    ExpansTabelle m_ExpansHeizung;
    ExpansTabelle m_ExpansKälte;
};
