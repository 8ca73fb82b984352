#include "support/TestUmgebung.h"

#include "base/Programmzustand.h"

void TestUmgebung::SetUp()
{
    zustandZuruecksetzen();
}
