#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 104: heating accessories; stands in until the page is built.
class Form104 : public Platzhalterseite {
public:
    Form104() : Platzhalterseite(QStringLiteral("Heizung: Zubehör"), Automatiklauf | Entwurfsseite) {}
};
