#include <gtest/gtest.h>

#include "base/VbVariant.h"

using Typ = VbVariant::Typ;

TEST(VbVariant, TypesOfConstruction)
{
    EXPECT_EQ(VbVariant().typ(), Typ::Empty);
    EXPECT_EQ(VbVariant::null().typ(), Typ::Null);
    EXPECT_EQ(VbVariant(true).typ(), Typ::Boolean);
    EXPECT_EQ(VbVariant(5).typ(), Typ::Long);
    EXPECT_EQ(VbVariant(5.0).typ(), Typ::Double);
    EXPECT_EQ(VbVariant(5.0f).typ(), Typ::Single);
    EXPECT_EQ(VbVariant("a").typ(), Typ::String);
    EXPECT_EQ(VbVariant::integer(5).typ(), Typ::Integer);
    EXPECT_EQ(VbVariant::byte(5).typ(), Typ::Byte);
    // Other whole numbers: a Long while they fit, a Double beyond.
    EXPECT_EQ(VbVariant(qsizetype(7)).typ(), Typ::Long);
    EXPECT_EQ(VbVariant(qint64(1) << 40).typ(), Typ::Double);
    EXPECT_EQ(VbVariant(qint64(1) << 40).toDouble(), 1099511627776.0);
    EXPECT_EQ(VbVariant(4000000000u).typ(), Typ::Double);
    EXPECT_EQ(VbVariant(short(-3)).toLong(), -3);
}

TEST(VbVariant, ToStringGerman)
{
    struct Fall { VbVariant v; QString erwartet; };
    const Fall faelle[] = {
        {VbVariant(), ""},               {VbVariant::null(), ""},          {VbVariant(true), "Wahr"},
        {VbVariant(false), "Falsch"},    {VbVariant(12.5), "12,5"},        {VbVariant(-3), "-3"},
        {VbVariant(0.1f), "0,1"},        {VbVariant(1e16), "1E+16"},       {VbVariant("x y"), "x y"},
        {VbVariant::datum(QDateTime(QDate(2023, 7, 1), QTime(0, 0))), "01.07.2023"},
        {VbVariant::datum(0.25), "06:00:00"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.v.toString(), f.erwartet);
}

TEST(VbVariant, NumberConversions)
{
    struct Fall { VbVariant v; double dbl; bool okDbl; int32_t lng; bool okLng; };
    const Fall faelle[] = {
        {VbVariant(), 0, true, 0, true},
        {VbVariant::null(), 0, true, 0, true},
        {VbVariant(true), -1, true, -1, true},
        {VbVariant(2.5), 2.5, true, 2, true},
        {VbVariant(3.5), 3.5, true, 4, true},
        {VbVariant("12,5"), 12.5, true, 12, true},
        {VbVariant("1.234,5"), 1234.5, true, 1234, true},
        {VbVariant("0.5"), 0.5, true, 0, true},
        {VbVariant("abc"), 0, false, 0, false},
        {VbVariant(""), 0, false, 0, false},
        {VbVariant(3e9), 3e9, true, 2147483647, false},
    };
    for (const Fall& f : faelle) {
        bool ok = !f.okDbl;
        EXPECT_DOUBLE_EQ(f.v.toDouble(&ok), f.dbl) << qPrintable(f.v.toString());
        EXPECT_EQ(ok, f.okDbl) << qPrintable(f.v.toString());
        ok = !f.okLng;
        EXPECT_EQ(f.v.toLong(&ok), f.lng) << qPrintable(f.v.toString());
        EXPECT_EQ(ok, f.okLng) << qPrintable(f.v.toString());
    }
    bool ok = true;
    EXPECT_EQ(VbVariant(40000).toInteger(&ok), 32767);
    EXPECT_FALSE(ok);
    EXPECT_EQ(VbVariant(1e40).toSingle(&ok), std::numeric_limits<float>::max());
    EXPECT_FALSE(ok);
    EXPECT_EQ(VbVariant(0.1).toSingle(&ok), 0.1f);
    EXPECT_TRUE(ok);
}

TEST(VbVariant, BooleanAndNumericChecks)
{
    EXPECT_TRUE(VbVariant("Wahr").toBool());
    EXPECT_TRUE(VbVariant("true").toBool());
    EXPECT_FALSE(VbVariant("Falsch").toBool());
    EXPECT_TRUE(VbVariant("-1").toBool());
    EXPECT_FALSE(VbVariant("0").toBool());
    EXPECT_FALSE(VbVariant().toBool());
    EXPECT_TRUE(VbVariant(0.001).toBool());

    EXPECT_TRUE(VbVariant().isNumeric());
    EXPECT_FALSE(VbVariant::null().isNumeric());
    EXPECT_TRUE(VbVariant(" 3,5 ").isNumeric());
    EXPECT_FALSE(VbVariant("3x").isNumeric());
    EXPECT_FALSE(VbVariant::datum(1.0).isNumeric());
    EXPECT_TRUE(VbVariant(true).isNumeric());
}

TEST(VbVariant, LooseEquality)
{
    struct Fall { VbVariant a, b; bool gleich; };
    const Fall faelle[] = {
        {VbVariant(), VbVariant(0), true},          {VbVariant(), VbVariant(""), true},
        {VbVariant(), VbVariant(false), true},      {VbVariant::null(), VbVariant(), true},
        {VbVariant::null(), VbVariant(0.0), true},  {VbVariant(), VbVariant(" "), false},
        {VbVariant(), VbVariant(1), false},         {VbVariant(true), VbVariant(-1), true},
        {VbVariant(true), VbVariant(1), false},     {VbVariant("abc"), VbVariant("abc"), true},
        {VbVariant("abc"), VbVariant("ABC"), false}, {VbVariant("12,5"), VbVariant(12.5), true},
        {VbVariant(12.5), VbVariant("12,50"), true}, {VbVariant("x"), VbVariant(0), false},
        {VbVariant(0.1f), VbVariant(0.1), true},    {VbVariant(2), VbVariant(2.0), true},
        {VbVariant::integer(3), VbVariant::byte(3), true}, {VbVariant("Wahr"), VbVariant(true), true},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.a == f.b, f.gleich) << qPrintable(f.a.toString()) << " = " << qPrintable(f.b.toString());
        EXPECT_EQ(f.b == f.a, f.gleich) << qPrintable(f.b.toString()) << " = " << qPrintable(f.a.toString());
        EXPECT_NE(f.a != f.b, f.gleich);
    }
}

TEST(VbVariant, DatesRoundTrip)
{
    const QDateTime faelle[] = {
        QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC),
        QDateTime(QDate(2024, 2, 29), QTime(18, 30, 15), Qt::UTC),
        QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC),
        QDateTime(QDate(1800, 1, 1), QTime(12, 0), Qt::UTC),
    };
    for (const QDateTime& dt : faelle)
        EXPECT_EQ(VbVariant::datum(dt).toDateTime(), dt) << qPrintable(dt.toString());
    EXPECT_DOUBLE_EQ(VbVariant::datum(QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC)).oleDatum(), -1.25);
    EXPECT_DOUBLE_EQ(VbVariant::datum(QDateTime(QDate(1900, 1, 1), QTime(12, 0), Qt::UTC)).oleDatum(), 2.5);
    EXPECT_EQ(VbVariant("01.07.2023").toDateTime().date(), QDate(2023, 7, 1));
}
