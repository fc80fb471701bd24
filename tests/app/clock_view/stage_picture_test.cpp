// The stage view's picture on its own: the fit of the time to any view, the colours that read on
// any clock colour, the line's text, the time past the end, and what a status paints.
#include "app/clock_view/digit_colour.h"
#include "app/clock_view/line_fit.h"
#include "app/clock_view/overtime_clock.h"
#include "app/clock_view/stage_view.h"
#include "app/clock_view/time_line.h"

#include <QFont>
#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace dorvane;

namespace {

std::string str(const QRectF &r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x"
        + std::to_string(r.height());
}

QFont displayFont()
{
    QFont font(QStringLiteral("Arial Narrow"));
    font.setBold(true);
    return font;
}

// Where a picture differs from `background`.
QRect inkOf(const QImage &image, const QColor &background, const QRect &within)
{
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixelColor(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(StageFit, EachFormatFillsEveryShapeOfViewCentredAndInside)
{
    const struct
    {
        const char *text;
        const char *shape;
    } lines[] = {{"4:38", "0:00"}, {"12:30", "00:00"}, {"1:02:03", "0:00:00"}, {"+0:42", "+0:00"}};
    const QSizeF views[] = {{1920, 1080}, {1280, 960}, {400, 900}, {48, 20}};
    for (const auto &line : lines) {
        for (const QSizeF &view : views) {
            SCOPED_TRACE(std::string(line.text) + " in " + std::to_string(int(view.width())) + "x"
                         + std::to_string(int(view.height())));
            const QRectF room = QRectF(QPointF(), view).adjusted(view.width() * 0.04, view.height() * 0.04,
                                                                 -view.width() * 0.04, -view.height() * 0.04);
            const LineFit fit = FitLine(room, QLatin1String(line.text), displayFont(), QLatin1String(line.shape));
            ASSERT_TRUE(fit.fits);
            EXPECT_TRUE(room.contains(fit.ink)) << str(fit.ink) << " in " << str(room);
            for (const QRectF &cell : fit.cells)
                EXPECT_TRUE(room.contains(cell)) << str(cell);
            // As large as fits: one of the two sides is nearly filled.
            const qreal filled = std::max(fit.ink.width() / room.width(), fit.ink.height() / room.height());
            EXPECT_GT(filled, view.width() < 100 ? 0.75 : 0.9);
            // Centred both ways, by the ink and not the font's line.
            EXPECT_NEAR(fit.ink.center().y(), room.center().y(), std::max(1.0, room.height() * 0.01));
            EXPECT_NEAR(fit.ink.center().x(), room.center().x(), std::max(1.0, room.width() * 0.03));
        }
    }
}

TEST(StageFit, DigitsAreTabularSoTheLineKeepsItsSizeAndPlaceAsTheyChange)
{
    const QRectF room(0, 0, 1800, 1000);
    const LineFit wide = FitLine(room, QStringLiteral("48:08"), displayFont(), QStringLiteral("00:00"));
    const LineFit narrow = FitLine(room, QStringLiteral("11:11"), displayFont(), QStringLiteral("00:00"));
    EXPECT_EQ(wide.pixelSize, narrow.pixelSize);
    EXPECT_EQ(wide.origins[2], narrow.origins[2]) << "the colon stays put";
    // The size is the shape's: one digit less, after 10:00, does not make the line larger.
    const LineFit shorter = FitLine(room, QStringLiteral("9:59"), displayFont(), QStringLiteral("00:00"));
    EXPECT_EQ(shorter.pixelSize, wide.pixelSize);
}

TEST(StageColours, AutomaticDigitsAreBlackOnLightAndWhiteOnDarkColours)
{
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    for (const QColor light : {QColor(Qt::white), QColor(Qt::yellow), QColor(255, 251, 240), QColor(Qt::red)})
        EXPECT_EQ(ContrastingInk(light), QColor(Qt::black)) << light.name().toStdString();
    for (const QColor dark : {QColor(Qt::black), QColor(0, 0, 128), QColor(128, 0, 0), QColor(0, 0, 255)})
        EXPECT_EQ(ContrastingInk(dark), QColor(Qt::white)) << dark.name().toStdString();

    const DigitColours perState{false, 0x0000FF, 0x00FF00, 0xFF0000};
    QPalette palette;
    EXPECT_EQ(DigitColourOn(perState, ClockStatus::Cue::Seconds, Qt::yellow, palette), QColor(0, 255, 0));
    EXPECT_EQ(DigitColourOn(perState, ClockStatus::Cue::Expired, Qt::red, palette), QColor(0, 0, 255));
    EXPECT_EQ(DigitColourOn({true, 0, 0, 0}, ClockStatus::Cue::Expired, Qt::darkBlue, palette), QColor(Qt::white));
}

TEST(StageLine, TheTimeIsOneLineWithHoursOnlyWhenTheCountHasThem)
{
    const auto line = [](const char *display, int allowance, bool alwaysHours = false) {
        ClockStatus s;
        s.display = QLatin1String(display);
        s.allowanceSeconds = allowance;
        return TimeLineOf(s, alwaysHours);
    };
    EXPECT_EQ(line("00 04 38", 300).text, QStringLiteral("4:38"));
    EXPECT_EQ(line("00 04 38", 300).shape, QStringLiteral("0:00"));
    EXPECT_EQ(line("00 09 59", 600).text, QStringLiteral("9:59"));
    EXPECT_EQ(line("00 09 59", 600).shape, QStringLiteral("00:00")) << "sized for 10:00 all the way down";
    EXPECT_EQ(line("00 59 59", 3600).text, QStringLiteral("0:59:59"));
    EXPECT_EQ(line("00 04 38", 300, true).text, QStringLiteral("0:04:38"));
    EXPECT_EQ(line("01 02 03", 0).text, QStringLiteral("1:02:03")) << "a count-up past an hour";
    EXPECT_EQ(line("00 60 00", 3600).text, QStringLiteral("0:60:00")) << "as typed, until the first tick";
    EXPECT_EQ(OvertimeLineOf(42, false).text, QStringLiteral("+0:42"));
    EXPECT_EQ(OvertimeLineOf(3725, false).text, QStringLiteral("+1:02:05"));
}

TEST(Overtime, CountsFromTimeUpOnTheSecondAndEndsAtTheNextResetOrStart)
{
    qint64 now = 5'000;
    OvertimeClock overtime(nullptr, [&now] { return now; });
    overtime.SetWanted(true);
    QSignalSpy changed(&overtime, &OvertimeClock::Changed);
    ClockStatus running;
    running.countingDown = true;
    running.running = true;
    ClockStatus up = running;
    up.running = false;
    up.expired = true;

    overtime.Follow(running, running);
    EXPECT_FALSE(overtime.Running());
    overtime.Follow(up, running);
    EXPECT_TRUE(overtime.Running());
    EXPECT_EQ(overtime.Seconds(), 0);
    now += 42'300;
    overtime.Wake();
    EXPECT_EQ(overtime.Seconds(), 42);
    EXPECT_EQ(changed.count(), 2);
    overtime.Follow(up, up); // a status that changed nothing else
    EXPECT_EQ(overtime.Seconds(), 42) << "still counted from the time up";

    ClockStatus reset = running;
    reset.running = false;
    overtime.Follow(reset, up);
    EXPECT_FALSE(overtime.Running());
    EXPECT_EQ(overtime.Seconds(), 0);

    // A count-up that reaches its allowance is not over time.
    ClockStatus upwards = up;
    upwards.countingDown = false;
    overtime.Follow(upwards, reset);
    EXPECT_FALSE(overtime.Running());
}

class StagePicture : public ::testing::Test
{
protected:
    StagePicture()
    {
        view.resize(640, 360);
        status.countingDown = true;
        status.display = QStringLiteral("00 04 38");
        status.allowanceSeconds = 300;
        status.remainingSeconds = 278;
        view.SetClockColour(Qt::yellow, ClockStatus::Cue::Seconds);
        view.SetStatus(status);
    }
    QImage picture() { return view.grab().toImage(); }

    StageView view;
    ClockStatus status;
};

TEST_F(StagePicture, TheTimeFillsTheViewInsideItsMarginsOnTheClocksColour)
{
    const QImage image = picture();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(639, 359), QColor(Qt::yellow));
    const QRect ink = inkOf(image, Qt::yellow, image.rect());
    EXPECT_TRUE(QRect(24, 13, 592, 334).contains(ink)) << str(ink);
    EXPECT_GT(ink.width(), 640 * 0.8) << "as wide as the view allows";
    EXPECT_NEAR(ink.center().x(), 320, 640 * 0.02);
    // Black on yellow: between the two, blue never shows; white digits would bring it.
    int blue = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            blue += image.pixelColor(x, y).blue() > 50;
    EXPECT_EQ(blue, 0);
    EXPECT_EQ(view.DigitColour(), QColor(Qt::black));
    view.SetClockColour(QColor(0, 0, 128), ClockStatus::Cue::Normal);
    EXPECT_EQ(view.DigitColour(), QColor(Qt::white));
    EXPECT_TRUE(view.accessibleDescription().startsWith(QStringLiteral("4:38, counting down")));
}

TEST_F(StagePicture, AMessageIsDrawnUnderTheTimeAndABlankScreenIsBlackWhateverElseIsShown)
{
    // Under the time, the marker alone, then the message too.
    const auto inkUnderTheTime = [this] {
        const QImage image = picture();
        const int top = view.LineInk().toAlignedRect().bottom() + 2;
        return inkOf(image, Qt::yellow, QRect(0, top, image.width(), image.height() - top));
    };
    EXPECT_LT(inkUnderTheTime().width(), 40);
    // Paused: a black badge in the marker's place, and the time does not move.
    const QRectF before = view.LineInk();
    view.SetPaused(true);
    EXPECT_EQ(view.LineInk(), before);
    const QRect badge = inkUnderTheTime();
    EXPECT_GT(badge.width(), 40);
    EXPECT_EQ(picture().pixelColor(badge.left() + 1, badge.top() + 1), QColor(Qt::black));
    view.SetPaused(false);

    status.message = QStringLiteral("Wrap up");
    view.SetStatus(status);
    const QRect messageInk = inkUnderTheTime();
    EXPECT_GT(messageInk.width(), 100);
    view.SetMessageShown(false); // the dark half of its flash
    EXPECT_LT(inkUnderTheTime().width(), 40);
    view.SetMessageShown(true);
    EXPECT_TRUE(QRect(24, 13, 592, 334).contains(messageInk));
    EXPECT_TRUE(view.accessibleDescription().endsWith(QStringLiteral("Wrap up")));

    StageOptions options;
    options.progressBar = true;
    options.timeOfDay = true;
    view.SetOptions(options);
    view.SetTimeOfDay(QStringLiteral("14:05"));
    status.blank = true;
    view.SetStatus(status);
    const QImage blank = picture();
    EXPECT_TRUE(inkOf(blank, Qt::black, blank.rect()).isEmpty());
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("Blank screen"));
}

TEST_F(StagePicture, TimeOfDayOnlyShowsTheTimeOfDayAloneAsLargeAsItFits)
{
    StageOptions options;
    options.timeOfDayOnly = true;
    view.SetOptions(options);
    view.SetTimeOfDay(QStringLiteral("14:05"));
    EXPECT_EQ(view.LineText(), QStringLiteral("14:05"));
    const QImage image = picture();
    const QRect ink = inkOf(image, Qt::yellow, image.rect());
    EXPECT_GT(ink.width(), 640 * 0.85);
    EXPECT_TRUE(QRect(24, 13, 592, 334).contains(ink)) << str(ink);
    EXPECT_TRUE(view.LineInk().toAlignedRect().adjusted(-2, -2, 2, 2).contains(ink))
        << "nothing but the line, no marker: " << str(ink);
}

TEST_F(StagePicture, TheProgressBarShowsTheShareOfTheAllowanceUsed)
{
    StageOptions options;
    options.progressBar = true;
    view.SetOptions(options);
    status.remainingSeconds = 75; // a quarter left
    view.SetStatus(status);
    const QImage image = picture();
    const int y = 359;
    EXPECT_EQ(image.pixelColor(10, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(470, y), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(490, y), QColor(Qt::black)) << "three quarters used";
    EXPECT_NE(image.pixelColor(630, y), QColor(Qt::yellow)) << "the rest of the track is drawn faintly";
}

} // namespace
