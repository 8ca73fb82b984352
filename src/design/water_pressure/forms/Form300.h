#pragma once
#include "design/water_pressure/forms/WasserEingabeseite.h"

class GlobDatenTrinkw;

// Page 300: the drinking-water heater installation (water content, operating temperature,
// initial and safety-valve pressure), its calculation and results. The set pressure is kept
// fitted to the valves offered for the water content; a result is accepted up to a pressure
// factor of 0.6.
class Form300 : public WasserEingabeseite {
    Q_OBJECT
public:
    explicit Form300(QWidget* parent = nullptr);
    ~Form300() override;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

    void Text1_GotFocus(int Index) override;
    void Text1_Validate(int Index, bool& Cancel) override;
    void Text1_LostFocus(int Index) override;
    void Command3_Click() override;

private:
    void SicherheitsventilAnpassen(bool& Cancel);
    void ErgebnisseZeigen();

    GlobDatenTrinkw* m_daten = nullptr;
    int m_letzterIndex = 99;  // the box validated last; 99 none
};
