#include <gtest/gtest.h>

#include "design/cooling/GlobDatenKaelte.h"
#include "support/Datenobjektbindungen.h"

TEST(GlobDatenKaelte, MemberDerAuslegungSindAnIhreSpaltenGebunden)
{
    Datenobjektbindungen::PrüfeBindungen<GlobDatenKälte>(QStringLiteral("Kälteparameter"),
                                                          Datenobjektbindungen::Kälte());
}
