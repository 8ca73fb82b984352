#pragma once
#include "design/water_pressure/forms/WasserEingabeseite.h"

class GlobDatenDruck;

// Page 400: the pressure-boosting set (maximum flow, switching frequency, switch-on and
// switch-off pressure), its calculation and results. The switch-off pressure stays at least
// 0.5 bar above the switch-on pressure; a result is accepted up to a pressure factor of 0.6.
class Form400 : public WasserEingabeseite {
    Q_OBJECT
public:
    explicit Form400(QWidget* parent = nullptr);
    ~Form400() override;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

    void Text1_GotFocus(int Index) override;
    void Text1_Validate(int Index, bool& Cancel) override;
    void Text1_LostFocus(int Index) override;
    void Command3_Click() override;

private:
    // Inputs of a restored row that cannot be computed are answered like a bad entry in their
    // box; false then.
    bool EingabenPrüfen();

    GlobDatenDruck* m_daten = nullptr;
};
