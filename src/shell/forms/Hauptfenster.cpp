#include "shell/forms/Hauptfenster.h"

namespace {
Hauptfenster* g_hauptfenster = nullptr;
}

Hauptfenster* hauptfenster()
{
    return g_hauptfenster;
}

void setzeHauptfenster(Hauptfenster* h)
{
    g_hauptfenster = h;
}
