#pragma once
#include "base/forms/Platzhalterseite.h"

// Pages 105 (heating) and 203 (cooling): further products; stands in until the page is built.
class Form105 : public Platzhalterseite {
public:
    Form105() : Platzhalterseite(QStringLiteral("Weitere Produkte"), Automatiklauf | Entwurfsseite) {}
};
