#pragma once
#include "design/selection/forms/Gefaessauswahlseite.h"

// Page 601: vessel choice of a solar project.
class Form601 : public Gefäßauswahlseite {
public:
    explicit Form601(QWidget* parent = nullptr);
    ~Form601() override;

    // Designation of the first group slot with this number (" " when none).
    QString GetBehältergruppenbezeichnung(int16_t gruppe) const;

protected:
    QString Art() const override;
    GlobDaten* Datenobjekt(const QString& art) override;
};
