#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Characteristic fields of the control modules of the pump automat: which module carries a
// working point (set pressure, total output) in single operation, alternating/standby operation
// and load-dependent operation, the next pressure at which one would, and the article numbers of a
// module, its connection group and its cap valve.
class TabellePumpenKM {
public:
    // Builds the ten fields and the three module lists ("He" or "Kü") and clears the module codes.
    void Init_Tabelle(const QString& anlagenart);

    // Module searches: true when a module of the mode carries the point; sets the mode's code.
    bool GetModulAusKennlinienbereich_Einzelbetrieb(float SystemDruck, int32_t Anlagenleistung);
    bool GetModulAusKennlinienbereich_Wechselstör(float SystemDruck, int32_t Anlagenleistung);
    bool GetModulAusKennlinienbereich_Lastabhängig(float SystemDruck, int32_t Anlagenleistung);

    // Module code of the last search of each mode (empty when it found nothing).
    QString Steuermodul_Einzelbetrieb() const { return m_steuermodul[Einzelbetrieb]; }
    QString Steuermodul_Wechselstör() const { return m_steuermodul[Wechselstör]; }
    QString Steuermodul_Lastabhängig() const { return m_steuermodul[Lastabhängig]; }

    // Article numbers (" " when there is none): the control module of a module code (design
    // message when missing), the connection group of a module on a vessel (design message when
    // missing) and the cap valve of a control module's article (no message).
    QString GetArtikelNrSteuermodulKM(const QString& PumpKomprTyp) const;
    QString GetArtikelNrAnschlussgruppeKM(const QString& PumpKomprTyp, const QString& ArtNrGefäß) const;
    QString GetArtikelNrKappenventilVonSteuermodul(const QString& ArtNrSteuermodul) const;

    // Lowest pressure (0.1 bar steps from mindestdruck up to 10 bar) at which a module of the mode
    // carries the output; 0 when none. The mode's module code is left as it was.
    float GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(float mindestdruck, int32_t Anlagenleistung);
    float GetHöherenDruckUmImKennlinienfeld_Wechselstörbetrieb(float mindestdruck, int32_t Anlagenleistung);
    float GetHöherenDruckUmImKennlinienfeld_Lastabhängig(float mindestdruck, int32_t Anlagenleistung);

    // Stored working points of a field (without the cooling factors).
    bool GetKennlinienAP_Pmin(int32_t Kennlinienart, int16_t ZeilenIdx, float& Druck, int32_t& Leist) const;
    bool GetKennlinienAP_Pmax(int32_t Kennlinienart, int16_t ZeilenIdx, float& Druck, int32_t& Leist) const;
    int16_t GetAnzahlKennlAP(int32_t Kennlinienart) const;

private:
    friend struct TabellePumpenKMTestzugang;

    enum Betriebsart { Einzelbetrieb = 0, Wechselstör = 1, Lastabhängig = 2 };

    struct Arbeitspunkt {
        double Druck = 0.0;
        int16_t Pmin = 0;
        int16_t Pmax = 0;
    };
    using Kennlinienfeld = std::vector<Arbeitspunkt>;
    struct Moduleintrag {
        int32_t Kennlinienart = 0;
        QString code;
    };

    bool PunktImKennlinienfeld(int32_t Kennlinienart, float druck, int32_t leistung) const;
    void AufbauKennlinienfelder();
    void AufbauModullisten();
    bool SucheModul(Betriebsart art, float druck, int32_t leistung);
    float SucheHöherenDruck(Betriebsart art, float mindestdruck, int32_t leistung);
    // The pressure and one limit of a stored point; 0 and 0 when there is no such point.
    bool Punktwert(int32_t Kennlinienart, int16_t ZeilenIdx, int16_t Arbeitspunkt::*grenze, float& Druck,
                   int32_t& Leist) const;

    QString anlagenart;
    std::array<Kennlinienfeld, 10> Kennlinienfelder;
    std::array<std::vector<Moduleintrag>, 3> m_modulliste;  // Modulliste_Einzelbetrieb, _Wechselstör, _Lastabhängig
    std::array<QString, 3> m_steuermodul;
};
