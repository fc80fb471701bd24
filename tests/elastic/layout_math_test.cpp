#include "elastic/layout_math.h"

#include <gtest/gtest.h>

using namespace dorvane::layoutmath;

TEST(LayoutMath, RoundingRules)
{
    const struct { double x; int round, trunc, halfDown; } rows[] = {
        {2.5, 2, 2, 2},       {3.5, 4, 3, 3},       {10.5, 10, 10, 10},   {11.5, 12, 11, 11},
        {151.97, 152, 151, 152}, {10.13, 10, 10, 10}, {-2.5, -2, -2, -2},  {-2.7, -3, -2, -2},
        {303.9473, 304, 303, 304}, {0.0, 0, 0, 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.x);
        EXPECT_EQ(Round(r.x), r.round);
        EXPECT_EQ(Trunc(r.x), r.trunc);
        EXPECT_EQ(RoundHalfDown(r.x), r.halfDown);
    }
}

TEST(LayoutMath, SignedSizesArePixelsOrScreenPercentages)
{
    EXPECT_EQ(SignedSize(-50, 1280), 640);
    EXPECT_EQ(SignedSize(-33, 1000), 330);
    EXPECT_EQ(SignedSize(-25, 1002), 250); // 250.5 to even
    EXPECT_EQ(SignedSize(400, 1280), 400);
    EXPECT_EQ(SignedSize(0, 1280), 0);
}

TEST(LayoutMath, ProportionalMaximumUsesUnequalMargins)
{
    // Wider than the screen's proportion: the width leads, 6 pixels short of the screen.
    EXPECT_EQ(ProportionalMaxTrack({800, 400}, {1280, 1024}), QSize(1274, 637));
    // Taller: the height leads, 5 pixels short.
    EXPECT_EQ(ProportionalMaxTrack({400, 800}, {1280, 1024}), QSize(510, 1019));
}

TEST(LayoutMath, KeepingProportionsLetsTheLargerChangeLead)
{
    const QSize start(600, 400);
    EXPECT_EQ(KeepProportions(start, {900, 450}), QSize(900, 600)) << "growing, width leads";
    EXPECT_EQ(KeepProportions(start, {650, 600}), QSize(900, 600)) << "growing, height leads";
    EXPECT_EQ(KeepProportions(start, {300, 380}), QSize(300, 200)) << "shrinking, width shrank more";
    EXPECT_EQ(KeepProportions(start, {590, 200}), QSize(300, 200)) << "shrinking, height shrank more";
    EXPECT_EQ(KeepProportions(start, {700, 500}), QSize(700, 500)) << "equal change left as dragged";
    EXPECT_EQ(KeepProportions({600, 0}, {700, 300}), QSize(700, 300));
}

TEST(LayoutMath, TilesOverlapByOnePixel)
{
    const auto origins = TileOrigins({250, 120}, {100, 50});
    ASSERT_EQ(origins.size(), 9u);
    const int xs[] = {0, 99, 198}, ys[] = {0, 49, 98};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(origins[static_cast<size_t>(r * 3 + c)], QPoint(xs[c], ys[r]));
    EXPECT_TRUE(TileOrigins({250, 120}, {0, 50}).empty());
}
