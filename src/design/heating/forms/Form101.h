#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 101: heating system data and calculation; stands in until the page is built.
class Form101 : public Platzhalterseite {
public:
    Form101() : Platzhalterseite(QStringLiteral("Heizung: Anlagendaten und Berechnung"), Automatiklauf | Entwurfsseite) {}
};
