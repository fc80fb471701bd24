#include "settings/integer_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

using namespace dorvane;

namespace {

constexpr std::int32_t Default = 424242;

struct IntegerCase
{
    const char *text;
    std::int32_t expected;
};

TEST(DecodeInteger, ReadsTheStoredForms)
{
    const IntegerCase cases[] = {
        {"0", 0}, {"42", 42}, {"007", 7}, {"-0", 0}, {"+5", 5}, {"-5", -5},
        {" 7", 7}, {"   -7", -7},
        {"0x1E", 30}, {"0X1e", 30}, {"$1E", 30}, {"x1E", 30}, {"X1e", 30}, {"-0x10", -16}, {"+$ff", 255},
        {"$FFFFFFFF", -1}, {"0xFFFFFFFF", -1}, {"$80000000", INT_MIN}, {"-$80000000", INT_MIN},
        {"$000000001", 1}, {"-$FFFFFFFF", 1},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const IntegerCase &c : cases)
        EXPECT_EQ(decodeInteger(c.text, Default), c.expected) << "text: \"" << c.text << '"';
}

TEST(DecodeInteger, AnythingElseGivesTheDefault)
{
    const char *rejected[] = {
        "", " ", "7s", "7 ", "1e3", "--5", "+-5", "- 5", "yes", "$", "x", "0x", "0x0x1", "$-1", "$G",
        "$100000000", "0x100000000", "2147483648", "-2147483649", "12345678901234567890", "3.0",
    };
    for (const char *text : rejected)
        EXPECT_EQ(decodeInteger(text, Default), Default) << "text: \"" << text << '"';
}

TEST(DecodeInteger, ReadsBackEveryWrittenValueAndItsHexadecimalForm)
{
    const std::int32_t samples[] = {0, 1, -1, 59, 60, 99, 255, 65535, 15793151, -16777201,
                                    0x1FFFFFFF, 0x20000000, INT_MAX, INT_MIN, INT_MIN + 1};
    for (std::int32_t value : samples) {
        EXPECT_EQ(decodeInteger(encodeInteger(value), Default), value);
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(value));
        EXPECT_EQ(decodeInteger(hex, Default), value) << hex;
    }
}

TEST(Encodings, WriteSignedDecimalAndOneOrZero)
{
    EXPECT_EQ(encodeInteger(-16777201), "-16777201");
    EXPECT_EQ(encodeInteger(INT_MIN), "-2147483648");
    EXPECT_EQ(encodeInteger(60), "60");
    EXPECT_EQ(encodeBoolean(true), "1");
    EXPECT_EQ(encodeBoolean(false), "0");
}

TEST(DecodeBoolean, AnyNonZeroIntegerIsTrueAndWordsGiveTheDefault)
{
    for (bool fallback : {true, false}) {
        EXPECT_TRUE(decodeBoolean("1", fallback));
        EXPECT_TRUE(decodeBoolean("2", fallback));
        EXPECT_TRUE(decodeBoolean("-1", fallback));
        EXPECT_FALSE(decodeBoolean("0", fallback));
        EXPECT_EQ(decodeBoolean("yes", fallback), fallback);
        EXPECT_EQ(decodeBoolean("", fallback), fallback);
    }
}

} // namespace
