#include "engine/error.h"
#include "engine/variant.h"

#include <gtest/gtest.h>

#include <limits>

using dorvane::toInt32;
using dorvane::Variant;

namespace {

std::string failureOf(const Variant &v)
{
    try {
        toInt32(v);
    } catch (const dorvane::Error &e) {
        return e.what();
    }
    return "no failure";
}

} // namespace

TEST(ToInt32, IntegersMustFitThe32BitRange)
{
    EXPECT_EQ(toInt32(Variant(std::int64_t{2147483647})), 2147483647);
    EXPECT_EQ(toInt32(Variant(std::int64_t{-2147483647 - 1})), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32(Variant(60)), 60);
    EXPECT_EQ(failureOf(Variant(std::int64_t{2147483648})), "Range check error");
    EXPECT_EQ(failureOf(Variant(std::int64_t{-2147483649})), "Range check error");
    EXPECT_EQ(failureOf(Variant(std::numeric_limits<std::int64_t>::max())), "Range check error");
}

TEST(ToInt32, DoublesRoundHalvesToEven)
{
    EXPECT_EQ(toInt32(Variant(0.5)), 0);
    EXPECT_EQ(toInt32(Variant(1.5)), 2);
    EXPECT_EQ(toInt32(Variant(2.5)), 2);
    EXPECT_EQ(toInt32(Variant(-2.5)), -2);
    EXPECT_EQ(toInt32(Variant(-3.5)), -4);
    EXPECT_EQ(toInt32(Variant(2.6)), 3);
    EXPECT_EQ(toInt32(Variant(2147483646.5)), 2147483646);
    EXPECT_EQ(failureOf(Variant(2147483647.5)), "Range check error");
    EXPECT_EQ(failureOf(Variant(1e12)), "Range check error");
}

TEST(ToInt32, EmptyGivesZeroAndNullFails)
{
    EXPECT_EQ(toInt32(Variant()), 0);
    EXPECT_NE(failureOf(Variant::null()), "no failure");
}
