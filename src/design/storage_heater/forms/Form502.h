#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 502: storage tank choice; stands in until the page is built.
class Form502 : public Platzhalterseite {
public:
    Form502() : Platzhalterseite(QStringLiteral("Speicher-Wassererwärmer: Speicherauswahl"), Entwurfsseite) {}
};
