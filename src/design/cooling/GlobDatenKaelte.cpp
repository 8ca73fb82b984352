#include "design/cooling/GlobDatenKaelte.h"

GlobDatenKälte::GlobDatenKälte() : GlobDaten(QStringLiteral("GlobDatenKälte"), QStringLiteral("Kälteparameter"))
{
}

GlobDatenKälte::~GlobDatenKälte()
{
    Freigeben();
}
