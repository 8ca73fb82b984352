#include "support/TestUmgebung.h"

#include "shell/Programmzustand.h"

void TestUmgebung::SetUp()
{
    zustandZuruecksetzen();
}
