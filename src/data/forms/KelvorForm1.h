#pragma once
#include "shell/forms/Hauptfenster.h"
#include "shell/forms/Platzhalterseite.h"

// Page 1: the start page; stands in until the page is built. Its project-database check is
// taken as done: on activation the menus and Weiter become available, and the automatic run of
// host mode steps on.
class KelvorForm1 : public Platzhalterseite {
public:
    KelvorForm1() : Platzhalterseite(QStringLiteral("Startseite")) {}

protected:
    void FormActivate() override
    {
        mdi().FreigebenMenue();
        mdi().Kommando(1, 0, 1);
        mdi().AutomatischerBilderwechselWennErforderlich();
    }
};
