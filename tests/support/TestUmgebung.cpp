#include "support/TestUmgebung.h"

#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

namespace {

// A data object a test left open goes without writing back: its database may be gone.
template <class T>
void ohneRückschreiben(std::shared_ptr<T>& objekt)
{
    if (objekt)
        objekt->m_TerminateMitUpdate = false;
    objekt.reset();
}

}  // namespace

void TestUmgebung::SetUp()
{
    zustandZuruecksetzen();
}

void TestUmgebung::TearDown()
{
    // Released here, while the program's libraries are still up, not at exit.
    Programmzustand& z = zustand();
    ohneRückschreiben(z.g_heizdat);
    ohneRückschreiben(z.g_kühldat);
    ohneRückschreiben(z.g_solardat);
    ohneRückschreiben(z.g_trinkdat);
    ohneRückschreiben(z.g_druckdat);
    ohneRückschreiben(z.g_speichdat);
    zustandZuruecksetzen();
}
