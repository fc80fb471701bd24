#include "engine/two_digits.h"

#include <gtest/gtest.h>

using dorvane::LeftPad;
using dorvane::TwoDigits;

TEST(LeftPad, FillsShortTextAndNeverCuts)
{
    EXPECT_EQ(LeftPad("7", '0', 2), "07");
    EXPECT_EQ(LeftPad("", '*', 3), "***");
    EXPECT_EQ(LeftPad("42", '0', 2), "42");
    EXPECT_EQ(LeftPad("12345", '0', 2), "12345");
    EXPECT_EQ(LeftPad("ab", ' ', 0), "ab");
}

TEST(TwoDigits, PadsToTwoAndShowsLongerValuesWhole)
{
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(5), "05");
    EXPECT_EQ(TwoDigits(59), "59");
    EXPECT_EQ(TwoDigits(100), "100");
    EXPECT_EQ(TwoDigits(-1), "-1");
    EXPECT_EQ(TwoDigits(-12), "-12");
}
