#pragma once
#include <QString>

#include <cstdint>

// Diaphragm safety valves of heating ([Leistung MembranSV]): one to three valves at exactly the
// set pressure (rounded to 0.1 bar) for a heat output.
class TabelleMembranSV {
public:
    bool ErmittelMembranSV(double ansprechdruck, int32_t leistung);

    int32_t GetAnzMembranSV() const { return m_ErgAnzahl; }
    QString GetArtNrMemranSV() const { return m_ErgArtNr; }
    int32_t GetNennDN() const { return m_ErgNennDN; }

private:
    void ErgebnisZurücksetzen();

    int32_t m_ErgAnteil = 0;  // output share of one valve; kept, not offered
    int32_t m_ErgAnzahl = 0;
    float m_ErgDruck = 0.0f;  // pressure of the chosen row; kept, not offered
    QString m_ErgArtNr = QStringLiteral(" ");
    int32_t m_ErgNennDN = 0;
};
