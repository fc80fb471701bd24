#include "app/main_window/time_in_words.h"

#include <gtest/gtest.h>

using namespace dorvane;

namespace {

// A count-down of `allowance` seconds after `elapsed` ticks, with the digits it shows.
ClockState countDown(int allowance, int elapsed, bool voice)
{
    ClockState s;
    s.AllowanceSeconds = allowance;
    s.ElapsedCount = elapsed;
    s.CountingDown = true;
    s.VoiceOn = voice;
    const int left = allowance - elapsed;
    s.ShownHours = left / 3600;
    s.ShownMinutes = left / 60 % 60;
    s.ShownSeconds = left % 60;
    return s;
}

} // namespace

TEST(TimeInWords, SaysThePartsThatAreNotZeroSingularWhereOne)
{
    EXPECT_EQ(TimeInWords(0, 2, 10), QStringLiteral("2 minutes 10 seconds"));
    EXPECT_EQ(TimeInWords(1, 0, 1), QStringLiteral("1 hour 1 second"));
    EXPECT_EQ(TimeInWords(0, 1, 0), QStringLiteral("1 minute"));
    EXPECT_EQ(TimeInWords(0, 0, 0), QStringLiteral("0 seconds"));
}

TEST(TimeInWords, TheTimeShownIsLeftCountingDownCountedCountingUpAndUpAtTheEnd)
{
    EXPECT_EQ(ShownTimeInWords(countDown(150, 20, false)), QStringLiteral("2 minutes 10 seconds left"));
    EXPECT_EQ(ShownTimeInWords(countDown(150, 150, false)), QStringLiteral("Time is up"));
    ClockState up;
    up.AllowanceSeconds = 600;
    up.ElapsedCount = 65;
    up.ShownMinutes = 1;
    up.ShownSeconds = 5;
    EXPECT_EQ(ShownTimeInWords(up), QStringLiteral("1 minute 5 seconds counted"));
}

TEST(TimeInWords, TheVoicesPointsAreTextWhetherOrNotTheVoiceIsOn)
{
    const struct
    {
        int left;
        const char *said;
    } points[] = {{300, "5 minutes remaining"},  {105, "1 minute 45 seconds remaining"},
                  {60, "1 minute remaining"},    {15, "15 seconds remaining"},
                  {0, "Time is up"}};
    for (bool voice : {true, false})
        for (const auto &point : points) {
            const auto text = AnnouncementText(countDown(400, 400 - point.left, voice));
            ASSERT_TRUE(text.has_value()) << point.said;
            EXPECT_EQ(*text, QLatin1String(point.said));
        }
    EXPECT_FALSE(AnnouncementText(countDown(400, 400 - 299, false)).has_value()) << "a plain tick";
    EXPECT_FALSE(AnnouncementText(countDown(400, 400 - 361, false)).has_value()) << "before the last five minutes";
}
