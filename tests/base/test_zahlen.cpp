#include <gtest/gtest.h>

#include <limits>

#include "base/AllgFunktionen.h"

TEST(AufrundenStellen, GuardedRoundUp)
{
    struct Fall { double w; int s; double erwartet; };
    const Fall faelle[] = {
        {12.5, 0, 13}, {4.0, 0, 4}, {-1.25, 1, -1.2}, {2.341, 1, 2.4},
        {1.1, 2, 1.11}, {0.07, 2, 0.08}, {3.14159, -1, 4}, {3.14159, 9, 3.14159},
        {4.04, 0, 4}, {4.06, 0, 5}, {2.3004, 2, 2.3}, {2.3006, 2, 2.31},
        {4.05, 0, 4}, {4.15, 0, 5}, {0.0, 2, 0.0}, {-4.06, 0, -4},
        {3e7, 2, 3e7}, {-3e9, 0, -3e9}, {2.5e9 + 0.06, 0, 2.5e9 + 1},  // beyond 32 bits
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(AufrundenStellen(f.w, f.s), f.erwartet) << f.w << " @ " << f.s;
}

TEST(AufrundenStellen, BinaryProductLiftsSomeExactValues)
{
    // The scaled product lies just above the whole number for 66 of the two-decimal values
    // 0.01 .. 10.00; one-decimal and whole values come back unchanged.
    int gehoben = 0;
    for (int k = 1; k <= 1000; ++k)
        if (AufrundenStellen(k / 100.0, 2) != k / 100.0)
            ++gehoben;
    EXPECT_EQ(gehoben, 66);
    for (int k = 1; k <= 200; ++k)
        EXPECT_EQ(AufrundenStellen(k / 10.0, 1), k / 10.0) << k;
    for (int k = 0; k <= 2000; ++k)
        EXPECT_EQ(AufrundenStellen(k, 0), k) << k;
}

TEST(Zahlen, RoundingHalfToEven)
{
    struct Fall { double w; int s; double erwartet; };
    const Fall faelle[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {0.125, 2, 0.12}, {0.135, 2, 0.14},
        {0.285, 2, 0.28}, {1.005, 2, 1.0}, {12345.5, 0, 12346}, {-0.5, 0, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(Zahlen::RundenGerade(f.w, f.s), f.erwartet) << f.w << " @ " << f.s;

    bool ok = true;
    EXPECT_EQ(Zahlen::CLng(2.5), 2);
    EXPECT_EQ(Zahlen::CLng(-3.5), -4);
    EXPECT_EQ(Zahlen::CLng(2147483647.4, &ok), 2147483647);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Zahlen::CLng(2147483647.5, &ok), 2147483647);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Zahlen::CInt(32767.5, &ok), 32767);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Zahlen::CInt(-32768.5, &ok), -32768);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Zahlen::CSng(1e39, &ok), std::numeric_limits<float>::max());
    EXPECT_FALSE(ok);
    EXPECT_EQ(Zahlen::AlsSingle(0.1), static_cast<double>(0.1f));
}

TEST(Zahlen, StrAsTheRuntimeWrites)
{
    struct Fall { double w; bool single; QString erwartet; };
    const Fall faelle[] = {
        {0.5, false, " .5"},        {-0.5, false, "-.5"},       {12.5, false, " 12.5"},
        {0, false, " 0"},           {-0.0, false, " 0"},        {-12, false, "-12"},
        {1e16, false, " 1E+16"},    {1e15, false, " 1E+15"},    {1e14, false, " 100000000000000"},
        {0.0001, false, " .0001"},  {0.00001, false, " 1E-05"}, {1.5e-5, false, " 1.5E-05"},
        {1.0 / 3, false, " .333333333333333"}, {2.0 / 3, false, " .666666666666667"},
        {0.1, true, " .1"},         {1.0 / 3, true, " .3333333"}, {1e7, true, " 1E+07"},
        {1234567, true, " 1234567"}, {3.14159265358979, false, " 3.14159265358979"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Zahlen::Str(f.w, f.single), f.erwartet) << f.w;
}

TEST(Zahlen, ValAsTheRuntimeReads)
{
    struct Fall { QString text; double erwartet; };
    const Fall faelle[] = {
        {" 12.5abc", 12.5}, {"1 2 3", 123}, {" .5", 0.5}, {"-.5", -0.5}, {"1,5", 1},
        {"1.5.3", 1.5}, {"abc", 0}, {"", 0}, {"-", 0}, {"1e3", 1000}, {"1D2", 100},
        {"2E", 2}, {"\t7\n8", 78}, {"&H1F", 31}, {"&HFFFF", -1}, {"&H8000", -32768},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&O17", 15}, {"&o777777", 262143}, {"&H", 0},
        {"+3", 3}, {" 1E+16", 1e16},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(Zahlen::Val(f.text), f.erwartet) << qPrintable(f.text);
}

TEST(Zahlen, StrValRoundTrip)
{
    const double werte[] = {0, 0.5, -0.5, 1.1, 12.345, -987654.321, 1e-7, 6.02214076e23,
                            1.0 / 3, 0.1 + 0.2, 2147483647, -1e300};
    for (double w : werte) {
        const double zurueck = Zahlen::Val(Zahlen::Str(w));
        EXPECT_EQ(Zahlen::Str(zurueck), Zahlen::Str(w)) << w;
        EXPECT_NEAR(zurueck, w, std::abs(w) * 1e-14) << w;
        bool ok = false;
        EXPECT_EQ(Zahlen::TextZuZahl(Zahlen::CStr(w), &ok), zurueck) << w;
        EXPECT_TRUE(ok) << w;
    }
    for (float w : {0.1f, 3.3f, 1234.567f, -0.007f})
        EXPECT_EQ(static_cast<float>(Zahlen::Val(Zahlen::Str(w, true))), w) << w;
}

TEST(Zahlen, CStrGerman)
{
    EXPECT_EQ(Zahlen::CStr(12.5), QStringLiteral("12,5"));
    EXPECT_EQ(Zahlen::CStr(0.5), QStringLiteral("0,5"));
    EXPECT_EQ(Zahlen::CStr(-0.25), QStringLiteral("-0,25"));
    EXPECT_EQ(Zahlen::CStr(1e16), QStringLiteral("1E+16"));
    EXPECT_EQ(Zahlen::CStr(1.5e-5), QStringLiteral("1,5E-05"));
    EXPECT_EQ(Zahlen::CStr(0.1f, true), QStringLiteral("0,1"));
    EXPECT_EQ(Zahlen::CStr(0.1f), QStringLiteral("0,100000001490116"));
}

TEST(Zahlen, TypedInput)
{
    struct Fall { QString text; bool ok; double erwartet; };
    const Fall faelle[] = {
        {"0,5", true, 0.5},      {",5", true, 0.5},        {"-,5", true, -0.5},    {" 12,5 ", true, 12.5},
        {"1.234,5", true, 1234.5}, {"1.234.567", true, 1234567}, {"0.5", true, 0.5},
        {"1.500", true, 1500},   {"-12.345", true, -12345}, {"2.75", true, 2.75},  {"1.5000", true, 1.5},
        {"1.500E3", true, 1.5e6}, {" .5", true, 0.5},       {"5,", true, 5},        {"1,5E3", true, 1500},
        {"+7", true, 7},         {"12", true, 12},         {"1e-3", true, 0.001},
        {"", false, 0},          {" ", false, 0},          {",", false, 0},        {".", false, 0},
        {"-", false, 0},         {"abc", false, 0},        {"1.23.4", false, 0},   {"12,3.4", false, 0},
        {"1,2,3", false, 0},     {"12a", false, 0},        {"1.23,4", false, 0},   {"1e999", false, 0},
    };
    for (const Fall& f : faelle) {
        bool ok = !f.ok;
        EXPECT_DOUBLE_EQ(Zahlen::TextZuZahl(f.text, &ok), f.erwartet) << qPrintable(f.text);
        EXPECT_EQ(ok, f.ok) << qPrintable(f.text);
    }
}

TEST(Zahlen, FormatPatterns)
{
    struct Fall { double w; QString muster; QString erwartet; };
    const Fall faelle[] = {
        {2.675, "#0.00", "2,68"},  {0.25, "#0.0", "0,3"},      {0.35, "#0.0", "0,4"},
        {-0.25, "#0.0", "-0,3"},   {1.005, "0.00", "1,01"},    {5, "#0.0", "5,0"},
        {0, "#", ""},              {0, "#0", "0"},             {0.5, "#", "1"},
        {0.4, "#", ""},            {0.5, "#.00", ",50"},       {1.5, "#.00", "1,50"},
        {1234567.891, "#,##0.00", "1.234.567,89"}, {999.996, "#,##0.00", "1.000,00"},
        {-0.04, "#0.0", "0,0"},    {12345.6, "####0", "12346"}, {7, "000", "007"},
        {99.95, "##0.0", "100,0"}, {-1234.5, "#0", "-1235"},   {0.000001, "0.00", "0,00"},
        {1e20, "#0", "100000000000000000000"}, {3.14159, "0.0 bar", "3,1 bar"},
        {2.5, "0.##", "2,5"},      {2, "0.##", "2,"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Zahlen::Format(f.w, f.muster), f.erwartet) << f.w << " " << qPrintable(f.muster);
    // A Single is rounded on its own seven digits: 0.45f is 0.449999988 as a Double.
    EXPECT_EQ(Zahlen::Format(0.45f, QStringLiteral("#0.0")), QStringLiteral("0,4"));
    EXPECT_EQ(Zahlen::Format(0.45f, QStringLiteral("#0.0"), true), QStringLiteral("0,5"));
    // Format, then the German parse, gives the value rounded to the pattern.
    for (double w : {0.0, 0.04, 1.25, 2.675, 1234.5678, -17.125})
        EXPECT_DOUBLE_EQ(Zahlen::TextZuZahl(Zahlen::Format(w, QStringLiteral("#,##0.00"))),
                         Zahlen::TextZuZahl(Zahlen::Format(w, QStringLiteral("0.00"))))
            << w;
}

TEST(Zahlen, Dates)
{
    EXPECT_EQ(Zahlen::DatumText(QDateTime(QDate(2024, 2, 29), QTime(0, 0))), QStringLiteral("29.02.2024"));
    EXPECT_EQ(Zahlen::DatumText(QDateTime(QDate(2024, 2, 29), QTime(13, 5, 9))),
              QStringLiteral("29.02.2024 13:05:09"));
    EXPECT_EQ(Zahlen::DatumText(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), QStringLiteral("06:00:00"));
    EXPECT_EQ(Zahlen::DatumAusText(QStringLiteral("1.3.24")).date(), QDate(2024, 3, 1));
    EXPECT_EQ(Zahlen::DatumAusText(QStringLiteral("1.3.45")).date(), QDate(1945, 3, 1));
    EXPECT_FALSE(Zahlen::DatumAusText(QStringLiteral("31.02.2024")).isValid());
}
