#pragma once
#include "base/forms/Platzhalterseite.h"

// Page 103: heating safety equipment; stands in until the page is built.
class Form103 : public Platzhalterseite {
public:
    Form103() : Platzhalterseite(QStringLiteral("Heizung: Sicherheitstechnik"), Automatiklauf | Entwurfsseite) {}
};
