#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 602: solar safety equipment; stands in until the page is built.
class Form602 : public Platzhalterseite {
public:
    Form602() : Platzhalterseite(QStringLiteral("Solaranlagen: Sicherheitstechnik"), Entwurfsseite) {}
};
