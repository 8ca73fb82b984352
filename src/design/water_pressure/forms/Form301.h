#pragma once
#include "design/selection/forms/Gefaessauswahlseite.h"

// Pages 301 (drinking water) and 401 (pressure boosting): vessel choice on the data object of
// the project's type.
class Form301 : public Gefäßauswahlseite {
public:
    explicit Form301(QWidget* parent = nullptr);
    ~Form301() override;

protected:
    QString Art() const override;
    GlobDaten* Datenobjekt(const QString& art) override;
};
