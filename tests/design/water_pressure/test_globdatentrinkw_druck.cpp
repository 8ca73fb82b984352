#include <gtest/gtest.h>

#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "support/Datenobjektbindungen.h"

TEST(GlobDatenTrinkw, MemberDerAuslegungSindAnIhreSpaltenGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenTrinkw>(QStringLiteral("Trinkwasserparameter"),
                                                           Datenobjektbindungen::Trinkwasser());
}

TEST(GlobDatenDruck, MemberDerAuslegungSindAnIhreSpaltenGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenDruck>(QStringLiteral("Druckerhöhungparameter"),
                                                          Datenobjektbindungen::Druck());
}
