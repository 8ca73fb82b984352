#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 603: solar intermediate vessel and further products; stands in until the page is built.
class Form603 : public Platzhalterseite {
public:
    Form603() : Platzhalterseite(QStringLiteral("Solaranlagen: Weitere Produkte"), Entwurfsseite) {}
};
