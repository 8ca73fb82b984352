#include "support/Testhauptfenster.h"

#include "base/Programmzustand.h"

Testhauptfenster::Testhauptfenster()
{
    seitenbereich.resize(800, 560);
    setzeHauptfenster(this);
}

Testhauptfenster::~Testhauptfenster()
{
    setzeHauptfenster(nullptr);
}

void Testhauptfenster::Kommando(int a1, int a2, int a3)
{
    knöpfe = QString() + (a1 == 1 ? '1' : '0') + (a2 == 1 ? '1' : '0') + (a3 == 1 ? '1' : '0');
}

void Testhauptfenster::ResetVisibleKommandoButtons(int a1, int a2, int a3)
{
    if (a1 == 1)
        knöpfe[0] = '0';
    if (a2 == 1)
        knöpfe[1] = '0';
    if (a3 == 1)
        knöpfe[2] = '0';
}

void Testhauptfenster::AutomatischerBilderwechselWennErforderlich()
{
    if (FormUnsichtbarErforderlichUndMöglich())
        seitenmanager(1);
}

bool Testhauptfenster::FormUnsichtbarErforderlichUndMöglich()
{
    return zustand().Automatiklauf && !zustand().Meldungsflag;
}

void Testhauptfenster::SetzeStatusPanelText(int panel, const QString& text)
{
    if (panel == 1)
        panel1 = text;
}
