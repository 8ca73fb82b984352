#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 300: drinking-water heating input; stands in until the page is built.
class Form300 : public Platzhalterseite {
public:
    Form300() : Platzhalterseite(QStringLiteral("Trinkwassererwärmung: Eingaben"), Entwurfsseite) {}
};
