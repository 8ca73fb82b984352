#pragma once
#include "base/forms/Platzhalterseite.h"

// Pages 202, 302 and 402: safety equipment and accessories; stands in until the page is built.
class Form201 : public Platzhalterseite {
public:
    Form201() : Platzhalterseite(QStringLiteral("Sicherheitstechnik und Zubehör"), Entwurfsseite) {}
};
