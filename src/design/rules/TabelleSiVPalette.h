#pragma once
#include <QList>
#include <QString>

#include "base/AllgFunktionen.h"

#include <cstdint>

// Diaphragm safety valves offered by set pressure and a size column (collector area or water
// content): the palette of set pressures for a size, fitting a pressure to it, and the valve
// search. Every call runs its own query; nothing is cached but the palette.
class TabelleSiVPalette {
public:
    QString GetArtNrMemranSV() const { return m_ErgArtNr; }
    int32_t GetNennDN() const { return m_ErgNennDN; }

protected:
    TabelleSiVPalette(QString tabelle, QString größenspalte);

    // Every set pressure (ascending) for which some valve serves a size of at least größe.
    void BaueAuf(int32_t größe);
    // Raises the pressure to the first palette stage at or above it (True); without one (also with
    // an empty palette) rounds it up to one decimal (False).
    template <typename T>
    bool PasseAnPalette(T& druck) const
    {
        for (float p : m_Palette)
            if (p >= druck) {
                druck = p;
                return true;
            }
        druck = static_cast<T>(AufrundenStellen(druck, 1));
        return false;
    }
    // The lowest stage at or above the set pressure and within it the smallest size covering größe.
    bool Ermittel(double ansprechdruck, int32_t größe);

private:
    void ErgebnisZurücksetzen();

    QString m_Tabelle;
    QString m_Größenspalte;
    QList<float> m_Palette;

    float m_ErgDruck = 0.0f;  // pressure of the chosen row; kept, not offered
    QString m_ErgArtNr = QStringLiteral(" ");
    int32_t m_ErgNennDN = 0;
};
