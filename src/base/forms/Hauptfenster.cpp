#include "base/forms/Hauptfenster.h"

namespace {
Hauptfenster* g_fenster = nullptr;
}

Hauptfenster* hauptfenster()
{
    return g_fenster;
}

void setzeHauptfenster(Hauptfenster* fenster)
{
    g_fenster = fenster;
}
