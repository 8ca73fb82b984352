#pragma once
#include "base/forms/Platzhalterseite.h"

// Pages 301 and 401: vessel choice; stands in until the page is built.
class Form301 : public Platzhalterseite {
public:
    Form301() : Platzhalterseite(QStringLiteral("Auswahl des Ausdehnungsgefäßes"), Entwurfsseite) {}
};
