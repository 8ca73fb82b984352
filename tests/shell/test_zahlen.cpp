#include <gtest/gtest.h>

#include "shell/AllgFunktionen.h"

TEST(AufrundenStellen, GuardedRoundUp)
{
    struct Fall { double w; int s; double erwartet; };
    const Fall faelle[] = {
        {12.5, 0, 13}, {4.0, 0, 4}, {-1.25, 1, -1.2}, {2.341, 1, 2.4},
        {1.1, 2, 1.11}, {3.14159, -1, 4}, {3.14159, 9, 3.14159},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(AufrundenStellen(f.w, f.s), f.erwartet) << f.w << " @ " << f.s;
}

TEST(Zahlen, StrAndVal)
{
    EXPECT_EQ(Zahlen::Str(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(Zahlen::Str(-0.5), QStringLiteral("-.5"));
    EXPECT_EQ(Zahlen::Str(12.5), QStringLiteral(" 12.5"));
    EXPECT_EQ(Zahlen::Str(1e16), QStringLiteral(" 1E+16"));
    EXPECT_DOUBLE_EQ(Zahlen::Val(QStringLiteral(" 12.5abc")), 12.5);
    EXPECT_DOUBLE_EQ(Zahlen::Val(QStringLiteral("1 2 3")), 123);
    EXPECT_DOUBLE_EQ(Zahlen::Val(QStringLiteral("&H1F")), 31);
    EXPECT_EQ(Zahlen::CStr(12.5), QStringLiteral("12,5"));
    EXPECT_EQ(Zahlen::Format(2.675, QStringLiteral("#0.00")), QStringLiteral("2,68"));
    EXPECT_EQ(Zahlen::Format(0.25, QStringLiteral("#0.0")), QStringLiteral("0,3"));
}
