#pragma once
#include "design/selection/forms/Gefaessseite.h"

// Pages 301 (drinking water) and 401 (pressure boosting): vessel choice on the data object of
// the project's type.
class Form301 : public Gefäßseite {
public:
    explicit Form301(QWidget* parent = nullptr);

protected:
    GlobDaten* HoleDatenobjekt() override;
};
