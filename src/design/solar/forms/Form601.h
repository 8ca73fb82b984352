#pragma once
#include "design/selection/forms/Gefaessseite.h"

// Page 601: vessel choice of a solar project.
class Form601 : public Gefäßseite {
public:
    explicit Form601(QWidget* parent = nullptr);

protected:
    GlobDaten* HoleDatenobjekt() override;
};
