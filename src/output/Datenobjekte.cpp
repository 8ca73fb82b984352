#include "output/Datenobjekte.h"

#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

std::shared_ptr<GlobDaten> NeuesDatenobjekt(const QString& art)
{
    if (art == QStringLiteral("He"))
        return std::make_shared<GlobDatenHeizung>();
    if (art == QStringLiteral("Kü"))
        return std::make_shared<GlobDatenKälte>();
    if (art == QStringLiteral("Tr"))
        return std::make_shared<GlobDatenTrinkw>();
    if (art == QStringLiteral("Dr"))
        return std::make_shared<GlobDatenDruck>();
    if (art == QStringLiteral("Sp"))
        return std::make_shared<GlobDatenSpeicher>();
    if (art == QStringLiteral("So"))
        return std::make_shared<GlobDatenSolar>();
    return nullptr;
}
