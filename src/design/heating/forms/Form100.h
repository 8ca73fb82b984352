#pragma once
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Platzhalterseite.h"

// Page 100: general heating data; stands in until the page is built.
class Form100 : public Platzhalterseite {
public:
    Form100() : Platzhalterseite(QStringLiteral("Heizung: Allgemeine Daten"), Automatiklauf | Entwurfsseite) {}

protected:
    void FormLoad() override
    {
        Platzhalterseite::FormLoad();
        // In host mode the heating pages cannot be left backwards.
        if (zustand().TyvoModus == 1 || zustand().TyvoModus == 2)
            mdi().ResetVisibleKommandoButtons(0, 1, 0);
    }
};
