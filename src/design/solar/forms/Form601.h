#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 601: solar vessel choice; stands in until the page is built.
class Form601 : public Platzhalterseite {
public:
    Form601() : Platzhalterseite(QStringLiteral("Solaranlagen: Gefäßauswahl"), Entwurfsseite) {}
};
