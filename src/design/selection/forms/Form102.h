#pragma once
#include "base/Programmzustand.h"
#include "base/forms/Platzhalterseite.h"

// Pages 102 (heating) and 201 (cooling): vessel and automat choice; stands in until the page is
// built.
class Form102 : public Platzhalterseite {
public:
    Form102() : Platzhalterseite(QStringLiteral("Auswahl von Ausdehnungsgefäß und Druckhalteautomat"), Automatiklauf | Entwurfsseite) {}

protected:
    void FormLoad() override
    {
        Platzhalterseite::FormLoad();
        // In host mode 2 the user goes on by hand from the vessel page on.
        if (zustand().TyvoModus == 2)
            zustand().Automatiklauf = false;
    }
};
