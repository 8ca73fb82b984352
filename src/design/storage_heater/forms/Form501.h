#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 501: dwelling groups; stands in until the page is built.
class Form501 : public Platzhalterseite {
public:
    Form501() : Platzhalterseite(QStringLiteral("Speicher-Wassererwärmer: Wohnungsgruppen"), Entwurfsseite) {}
};
