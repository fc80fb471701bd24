// Where the clock view opens the first time: beside the main window, in the far corner covering
// little of it, or full screen on another screen.
#include "app/clock_view/first_view_place.h"

#include <gtest/gtest.h>

using namespace dorvane;

namespace {

const QRect kScreen(0, 0, 1920, 1050); // a 1920 x 1080 screen less its panel
const QSize kView(620, 400);
const QSize kSmallest(160, 100);

std::int64_t covered(const QRect &a, const QRect &b)
{
    const QRect both = a & b;
    return both.isEmpty() ? 0 : std::int64_t{both.width()} * both.height();
}

TEST(FirstViewPlace, BesideTheMainWindowWhereTheScreenHasRoom)
{
    const struct
    {
        const char *where;
        QRect main;
        QRect view;
    } rows[] = {
        {"room on the right", {100, 50, 616, 468}, {716, 50, 620, 400}},
        {"only on the left", {1250, 300, 616, 468}, {630, 300, 620, 400}},
        {"level with the top, kept on the screen", {100, 900, 616, 140}, {716, 650, 620, 400}},
        {"only below", {400, 0, 1120, 600}, {400, 600, 620, 400}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.where);
        const FirstViewPlace place = firstViewPlace({kScreen}, 0, row.main, kView, kSmallest);
        EXPECT_EQ(place, (FirstViewPlace{0, row.view, false}));
        EXPECT_TRUE(kScreen.contains(place.bounds));
        EXPECT_EQ(covered(place.bounds, row.main), 0);
    }
}

TEST(FirstViewPlace, WithoutRoomInTheFarthestCornerCoveringATenthAtMost)
{
    const struct
    {
        const char *where;
        QRect screen;
        QRect main;
        QPoint corner; // the corner of the screen the view takes
    } rows[] = {
        {"centred on a small screen", {0, 0, 1280, 800}, {330, 160, 616, 468}, {1279, 799}},
        {"maximized", {0, 0, 1280, 800}, {0, 0, 1280, 800}, {1279, 799}},
        {"low on the right", {0, 0, 1280, 800}, {600, 320, 616, 468}, {0, 0}},
        {"enlarged, top left", {0, 0, 1280, 800}, {0, 0, 1100, 700}, {1279, 799}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.where);
        const FirstViewPlace place = firstViewPlace({row.screen}, 0, row.main, kView, kSmallest);
        EXPECT_FALSE(place.fullScreen);
        EXPECT_TRUE(row.screen.contains(place.bounds));
        EXPECT_TRUE(place.bounds.topLeft() == row.corner || place.bounds.bottomRight() == row.corner)
            << place.bounds.x() << "," << place.bounds.y() << " " << place.bounds.width() << "x"
            << place.bounds.height();
        const std::int64_t mainArea = std::int64_t{row.main.width()} * row.main.height();
        EXPECT_LE(covered(place.bounds, row.main), mainArea / 10);
        EXPECT_GE(place.bounds.width(), kSmallest.width());
        // No smaller than it needs to be: made smaller, a step larger would cover more than a tenth.
        if (place.bounds.size() != kView) {
            EXPECT_GT(covered(place.bounds.adjusted(-20, -20, 20, 20), row.main), mainArea / 10);
        }
    }
}

TEST(FirstViewPlace, WithAnotherScreenFullScreenThereWhicheverScreenTheMainWindowIsOn)
{
    const QList<QRect> screens = {{0, 0, 1920, 1050}, {1920, 0, 1280, 960}, {3200, 0, 1024, 768}};
    const QRect main(2200, 200, 616, 468);
    EXPECT_EQ(firstViewPlace(screens, 1, main, kView, kSmallest),
              (FirstViewPlace{0, QRect(650, 325, 620, 400), true}));
    const FirstViewPlace second = firstViewPlace(screens, 0, QRect(100, 100, 616, 468), kView, kSmallest);
    EXPECT_EQ(second.screen, 1);
    EXPECT_TRUE(second.fullScreen);
    EXPECT_TRUE(screens[1].contains(second.bounds)) << "left for a place on that screen";
}

} // namespace
