#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 600: solar input; stands in until the page is built.
class Form600 : public Platzhalterseite {
public:
    Form600() : Platzhalterseite(QStringLiteral("Solaranlagen: Eingaben"), Entwurfsseite) {}
};
