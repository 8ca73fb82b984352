#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

// Working characteristics of the compressors and pumps of the pressure-maintenance automats and
// the choice of the smallest type that reaches a required pressure. The curves are built in code;
// only the article look-up reads the article database.
class TabelleKompPumpe {
public:
    // Builds every characteristic for "He" or "Kü".
    void Init_Tabelle(const QString& anlagenart);

    // Compressor "R-01".."R-04" for an output (kW) and a required pressure (bar), starting at
    // kleinstPuKo ("R-02" or else "R-01"); empty text when none fits.
    QString GetKompressor(double leistung, double anfangsdruck, const QString& kleinstPuKo) const;
    // Pump of the pump automat "Q-1.0".."Q-3.0"; empty text when none fits.
    QString GetPumpeMP(double leistung, double anfangsdruck) const;
    // Single-pump module "U0".."U3"; empty text when none fits.
    QString GetEinzelpumpeKM(double leistung, double anfangsdruck) const;
    // Twin-pump module "B1".."B3"; empty text when none fits.
    QString GetDoppelpumpeKM(double leistung, double anfangsdruck) const;
    // Make-up pump unit "A", "B", "C" for a take-up volume (l), a required pressure (bar) and the
    // mean water temperature (°C); empty text when none fits.
    QString GetPumpePumbrix(int32_t aufnahmeVolumen, double vordruck, int16_t mittelTemp) const;
    // Article number of a type with a control module from [PumpenKomprSteuerung]; " " when none
    // (with a design message when the row or its number is missing).
    QString GetArtikelNrKomprPumpe(const QString& PumpKomprTyp, const QString& Steuermodul) const;

private:
    friend struct TabelleKompPumpeTestzugang;

    // x1, y1, x2, y2, ... with ascending x; anzahl = count of numbers (twice the points).
    struct Kennlinie {
        int32_t anzahl = 0;
        std::vector<double> werte;
        void setze(std::initializer_list<double> punkte);
    };

    static double InterpoliereKennlinie(double x, int32_t anzahl, const Kennlinie& kennlinie);
    static double PruefeKennlinienBereich(int32_t anzahl, const Kennlinie& kennlinie);
    void AufbauTabellenHeizung();
    void AufbauTabellenKälte();
    void AufbauKennlinienKompressor();
    void AufbauKennlinienPumpen();
    void AufbauKennlinienNachspeisepumpe();

    static bool IstAufgebaut(const Kennlinie& kennlinie);
    // The first type, from start on, whose curve holds at least the pressure at x.
    static QString ErsterTyp(std::span<const Kennlinie> kurven, std::span<const char* const> typen,
                             std::size_t start, double x, double druck);
    // The first module whose pressure range at x (lowest pressure to curve pressure) holds druck.
    static QString ErstesModul(std::span<const Kennlinie> kurven, std::span<const char* const> typen,
                               double x, double druck);
    // The module output for a plant output (cooling converted); false when no module can serve it.
    bool ModulLeistung(double leistung, double& modulLeistung) const;

    QString anlagenart;
    std::array<Kennlinie, 4> m_kompressor;       // "R-01".."R-04"
    std::array<Kennlinie, 3> m_pumpeMP;          // "Q-1.0".."Q-3.0"
    std::array<Kennlinie, 4> m_einzelpumpe;      // "U0".."U3"
    std::array<Kennlinie, 3> m_doppelpumpe;      // "B1".."B3"
    std::array<Kennlinie, 3> m_nachspeisepumpe;  // "A", "B", "C"
    Kennlinie m_temperaturfaktor;
};
