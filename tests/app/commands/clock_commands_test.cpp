// The clock's commands on a recording stand-in for the main window: what each runs, and what
// comes back instead of a box.
#include "app/commands/clock_commands.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

using namespace dorvane;

namespace {

// Records what the commands do to the window; a click can be made to refuse or to fail.
class RecordingControls final : public ClockControls
{
public:
    void ClickStart() override { click(QStringLiteral("Start")); }
    void ClickStop() override { click(QStringLiteral("Stop")); }
    void ClickReset() override { click(QStringLiteral("Reset")); }
    Field AllowanceField(AllowancePart part) const override
    {
        const char *captions[] = {"Hours", "Minutes", "Seconds"};
        return {QLatin1String(captions[static_cast<int>(part)]), 0, part == AllowancePart::Hours ? 99 : 60};
    }
    bool AllowanceTakes(AllowancePart part, int value) const override
    {
        const Field field = AllowanceField(part);
        return value >= field.minValue && value <= field.maxValue;
    }
    void TypeAllowance(AllowancePart part, int value) override
    {
        done << QStringLiteral("type %1 %2").arg(static_cast<int>(part)).arg(value);
    }
    bool ClockViewShown() const override { return viewShown; }
    bool ClockViewOnScreen() const override { return viewShown; }
    void ShowClockView(bool shown) override { viewShown = shown; }
    void BringToFront() override { done << QStringLiteral("front"); }
    void ChangeTimeLeft(int seconds) override { click(QStringLiteral("time left %1").arg(seconds)); }
    ClockStatus Status() const override { return status; }

    ClockCommands *commands = nullptr;
    QStringList done;
    QString refusal;     // the next click refuses with this text, as the engine's box would
    const char *failure = nullptr; // the next click throws this
    ClockStatus status;
    bool viewShown = false;
    bool refusalTaken = false;

private:
    void click(const QString &button)
    {
        done << button;
        if (!refusal.isEmpty())
            refusalTaken = commands->TakeRefusal(std::exchange(refusal, QString()));
        if (failure)
            throw std::runtime_error(std::exchange(failure, nullptr));
    }
};

class ClockCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { controls.commands = &commands; }

    RecordingControls controls;
    ClockCommands commands{controls};
};

TEST_F(ClockCommandsTest, ARefusalOrAFailureIsTheCommandsAnswerAndOpensNoBox)
{
    controls.refusal = QStringLiteral("Time Allowance must be set if counting down.");
    const CommandResult refused = commands.Start();
    EXPECT_EQ(refused.outcome, CommandResult::Outcome::Refused);
    EXPECT_EQ(refused.text, QStringLiteral("Time Allowance must be set if counting down."));
    EXPECT_TRUE(controls.refusalTaken);

    controls.failure = "Range check error";
    const CommandResult failed = commands.Start();
    EXPECT_EQ(failed.outcome, CommandResult::Outcome::Failed);
    EXPECT_EQ(failed.text, QStringLiteral("Range check error"));

    EXPECT_TRUE(commands.Stop().done());
    // A button pressed at the screen, with no command running: the refusal is the window's box.
    EXPECT_FALSE(commands.TakeRefusal(QStringLiteral("Time Allowance must be set if counting down.")));
    EXPECT_EQ(controls.done, (QStringList{"Start", "Start", "Stop"}));
}

TEST_F(ClockCommandsTest, AnAllowanceIsTypedThenResetAndOneOutOfRangeChangesNothing)
{
    EXPECT_TRUE(commands.SetAllowance(1, 2, 3).done());
    EXPECT_EQ(controls.done, (QStringList{"type 0 1", "type 1 2", "type 2 3", "Reset"}));

    controls.done.clear();
    const struct
    {
        int hours, minutes, seconds;
        const char *text;
    } rows[] = {{100, 0, 0, "Hours must be from 0 to 99, not 100."},
                {0, 61, 0, "Minutes must be from 0 to 60, not 61."},
                {0, 0, -1, "Seconds must be from 0 to 60, not -1."}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const CommandResult result = commands.SetAllowance(row.hours, row.minutes, row.seconds);
        EXPECT_EQ(result.outcome, CommandResult::Outcome::OutOfRange);
        EXPECT_EQ(result.text, QLatin1String(row.text));
    }
    EXPECT_TRUE(controls.done.isEmpty());
}

TEST_F(ClockCommandsTest, StartOrStopFollowsWhetherTheClockRuns)
{
    commands.StartOrStop();
    controls.status.running = true;
    commands.StartOrStop();
    EXPECT_EQ(controls.done, (QStringList{"Start", "Stop"}));
}

TEST_F(ClockCommandsTest, TheStatusIsToldOnlyWhenItChanges)
{
    QList<std::pair<ClockStatus, ClockStatus>> told;
    QObject::connect(&commands, &ClockCommands::StatusChanged, &commands,
                     [&](const ClockStatus &now, const ClockStatus &before) { told.append({now, before}); });
    controls.status.display = QStringLiteral("00 00 05");
    commands.ClockMoved();
    commands.ClockMoved(); // a handler that changed nothing
    controls.status.running = true;
    commands.ClockMoved();
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0].second, ClockStatus());
    EXPECT_EQ(told[1].second.display, QStringLiteral("00 00 05"));
    EXPECT_FALSE(told[1].second.running);
    EXPECT_TRUE(told[1].first.running);
    EXPECT_EQ(commands.Status(), controls.status);
}

TEST_F(ClockCommandsTest, MoreTimeGoesToTheClockAndItsRefusalIsTheAnswer)
{
    EXPECT_TRUE(commands.AddSeconds(60).done());
    controls.refusal = QStringLiteral("Time can be added or taken away only while counting down.");
    const CommandResult refused = commands.AddSeconds(-60);
    EXPECT_EQ(refused.outcome, CommandResult::Outcome::Refused);
    EXPECT_EQ(refused.text, QStringLiteral("Time can be added or taken away only while counting down."));
    EXPECT_EQ(controls.done, (QStringList{"time left 60", "time left -60"}));
}

TEST_F(ClockCommandsTest, AMessageIsOneBoundedLineAndEachChangeIsToldOnce)
{
    int told = 0;
    QObject::connect(&commands, &ClockCommands::StatusChanged, &commands, [&] { ++told; });

    EXPECT_TRUE(commands.ShowMessage(QStringLiteral("  Wrap\r\nup\tnow\x1b[31m\x07 ")).done());
    EXPECT_EQ(commands.Status().message, QStringLiteral("Wrap up now[31m"));
    EXPECT_EQ(told, 1);
    commands.ShowMessage(QStringLiteral("Wrap up now[31m"));
    EXPECT_EQ(told, 1) << "the same message again changes nothing";

    // 200 characters, one of them beyond the basic plane, are taken; 201 are not.
    const QString longest = QString(199, QLatin1Char('x')) + QString::fromUcs4(U"\U0001F600");
    EXPECT_TRUE(commands.ShowMessage(longest).done());
    const CommandResult tooLong = commands.ShowMessage(longest + QLatin1Char('x'));
    EXPECT_EQ(tooLong.outcome, CommandResult::Outcome::OutOfRange);
    EXPECT_EQ(tooLong.text, QStringLiteral("A message must be at most 200 characters, not 201."));
    EXPECT_EQ(commands.Status().message, longest);

    EXPECT_TRUE(commands.ShowMessage(QStringLiteral(" \n\t ")).done());
    EXPECT_TRUE(commands.Status().message.isEmpty()) << "a blank message clears it";
    commands.ShowMessage(QStringLiteral("Questions"));
    EXPECT_TRUE(commands.ClearMessage().done());
    EXPECT_TRUE(commands.Status().message.isEmpty());
    EXPECT_EQ(told, 5);
}

TEST_F(ClockCommandsTest, TheBlankScreenIsSetOrToggledAndToldOnce)
{
    QList<bool> told;
    QObject::connect(&commands, &ClockCommands::StatusChanged, &commands,
                     [&](const ClockStatus &now) { told << now.blank; });
    EXPECT_TRUE(commands.ToggleBlank().done());
    EXPECT_TRUE(commands.SetBlank(true).done());
    EXPECT_TRUE(commands.ToggleBlank().done());
    EXPECT_EQ(told, (QList<bool>{true, false}));
    EXPECT_FALSE(commands.Status().blank);
    EXPECT_TRUE(controls.done.isEmpty());
}

} // namespace
