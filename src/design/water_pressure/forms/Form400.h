#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 400: pressure-boosting input; stands in until the page is built.
class Form400 : public Platzhalterseite {
public:
    Form400() : Platzhalterseite(QStringLiteral("Druckerhöhung: Eingaben"), Entwurfsseite) {}
};
