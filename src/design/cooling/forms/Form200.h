#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 200: cooling input; stands in until the page is built.
class Form200 : public Platzhalterseite {
public:
    Form200() : Platzhalterseite(QStringLiteral("Kühl- und Kälteanlagen: Eingaben"), Entwurfsseite) {}
};
