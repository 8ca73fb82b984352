#include <gtest/gtest.h>

#include "design/solar/GlobDatenSolar.h"
#include "support/Datenobjektbindungen.h"

TEST(GlobDatenSolar, MemberDerAuslegungSindAnIhreSpaltenGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenSolar>(QStringLiteral("Solarparameter"),
                                                          Datenobjektbindungen::Solar());
}
