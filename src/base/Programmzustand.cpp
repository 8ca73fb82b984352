#include "base/Programmzustand.h"

namespace {
Programmzustand& instanz()
{
    static Programmzustand z;
    return z;
}
}  // namespace

Programmzustand& zustand()
{
    return instanz();
}

void zustandZuruecksetzen()
{
    instanz() = Programmzustand();
}
