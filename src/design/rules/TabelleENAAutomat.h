#pragma once
#include <QString>

#include <cstdint>

// Degassing and make-up automats ([ENA_Automaten]): the fewest units (1..4), each serving an equal
// share of the system volume, whose working range takes the start and end pressure.
class TabelleENAAutomat {
public:
    // 0 found; 1 the volume fits but the start pressure is too low (kleinstAnfangsdruck then
    // holds the lowest start pressure that would do, at most 10); 2 nothing fits.
    int16_t ErmittelENA(float anfangsdruck, float enddruck, int32_t anlgVolumen, float& kleinstAnfangsdruck);

    QString GetArtikelNummer() const { return m_ArtikelNummer; }
    int16_t GetAnzahl() const { return m_Anzahl; }

private:
    QString m_ArtikelNummer = QStringLiteral(" ");
    int16_t m_Anzahl = 0;
};
