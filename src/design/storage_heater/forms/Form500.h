#pragma once
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Platzhalterseite.h"

// Page 500: storage water heater start, without Weiter: its "Wohnbauten" button leads on;
// stands in until the page is built.
class Form500 : public Platzhalterseite {
public:
    Form500() : Platzhalterseite(QStringLiteral("Speicher-Wassererwärmer"), Entwurfsseite)
    {
        Knopf(LadeText(zustand().Sprachoffset + 941), [this] { mdi().Speicher_Wohnbauten_Einsprung(); })
            ->setObjectName(QStringLiteral("Wohnbauten"));
    }
};
