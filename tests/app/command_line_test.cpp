#include "app/app_identity.h"
#include "app/command_line.h"

#include <gtest/gtest.h>

using dorvane::CommandLine;
using dorvane::CommandLineOutcome;

namespace {
CommandLineOutcome run(QStringList arguments)
{
    arguments.prepend(QStringLiteral("/usr/bin/dorvane"));
    return CommandLine().parse(arguments);
}
} // namespace

TEST(CommandLine, NoArgumentsAndTheToolkitsOwnOptionsStartTheClock)
{
    for (const QStringList &arguments :
         {QStringList{}, QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")},
          QStringList{QStringLiteral("--style=Fusion"), QStringLiteral("-reverse")}}) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLineOutcome outcome = run(arguments);
        EXPECT_TRUE(outcome.startClock);
        EXPECT_TRUE(outcome.standardOutput.isEmpty());
        EXPECT_TRUE(outcome.standardError.isEmpty());
    }
}

TEST(CommandLine, HelpPrintsTheUsageWithTheProgramsNameAndEndsWell)
{
    for (const char *option : {"--help", "-h"}) {
        const CommandLineOutcome outcome = run({QLatin1String(option)});
        EXPECT_FALSE(outcome.startClock) << option;
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_TRUE(outcome.standardOutput.startsWith(QStringLiteral("Usage: dorvane [options]\n")));
        EXPECT_TRUE(outcome.standardOutput.contains(QStringLiteral("--version")));
        EXPECT_FALSE(outcome.standardOutput.contains(QStringLiteral("platform"))) << "the toolkit's options stay hidden";
        EXPECT_TRUE(outcome.standardError.isEmpty());
    }
}

TEST(CommandLine, VersionPrintsTheNameAndVersion)
{
    const CommandLineOutcome outcome = run({QStringLiteral("--version")});
    EXPECT_FALSE(outcome.startClock);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.standardOutput, QStringLiteral("Dorvane %1\n").arg(dorvane::applicationVersion()));
}

TEST(CommandLine, AnUnknownOptionOrAStrayArgumentIsOneLineAndTheUsageOnStandardError)
{
    const struct
    {
        QString argument;
        QString error;
    } rows[] = {{QStringLiteral("--bogus"), QStringLiteral("dorvane: Unknown option 'bogus'.")},
                {QStringLiteral("later"), QStringLiteral("dorvane: Unexpected argument 'later'.")},
                {QStringLiteral("--platform"), QStringLiteral("dorvane: Missing value after '--platform'.")}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.argument.toStdString());
        const CommandLineOutcome outcome = run({row.argument});
        EXPECT_FALSE(outcome.startClock);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_TRUE(outcome.standardOutput.isEmpty());
        const QStringList lines = outcome.standardError.split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], row.error);
        EXPECT_EQ(lines[1], QStringLiteral("Usage: dorvane [options]"));
    }
}

TEST(CommandLine, RemoteOptionsAskTheRunningClockAndAreCheckedBeforeAsking)
{
    const CommandLineOutcome minutesAndSeconds = run({QStringLiteral("--set=4:30")});
    EXPECT_FALSE(minutesAndSeconds.startClock);
    EXPECT_EQ(minutesAndSeconds.remote.action, dorvane::RemoteRequest::Action::SetAllowance);
    EXPECT_EQ((QList<int>{minutesAndSeconds.remote.hours, minutesAndSeconds.remote.minutes,
                          minutesAndSeconds.remote.seconds}),
              (QList<int>{0, 4, 30}));
    const CommandLineOutcome shareOff = run({QStringLiteral("--share"), QStringLiteral("off")});
    EXPECT_FALSE(shareOff.startClock);
    EXPECT_EQ(shareOff.remote.action, dorvane::RemoteRequest::Action::Share);
    EXPECT_EQ(shareOff.remote.sharing, dorvane::RemoteRequest::Sharing::Off);
    EXPECT_EQ(run({QStringLiteral("--share=on")}).remote.sharing, dorvane::RemoteRequest::Sharing::On);
    EXPECT_EQ(run({QStringLiteral("--start"), QStringLiteral("--help")}).remote.action,
              dorvane::RemoteRequest::Action::None)
        << "help answers first";

    const QString notATime = QStringLiteral("is not a time: give H:M:S or M:S.");
    const struct
    {
        QStringList arguments;
        QString error;
    } refused[] = {{{QStringLiteral("--set"), QStringLiteral("5")}, notATime},
                   {{QStringLiteral("--set"), QStringLiteral("1:2:3:4")}, notATime},
                   {{QStringLiteral("--set"), QStringLiteral("1:-2")}, notATime},
                   {{QStringLiteral("--set"), QStringLiteral("1::2")}, notATime},
                   {{QStringLiteral("--set"), QStringLiteral("0:99999999999")}, notATime},
                   {{QStringLiteral("--start"), QStringLiteral("--stop")}, QStringLiteral("Give only one of")},
                   {{QStringLiteral("--follow")}, QStringLiteral("--follow goes with --status.")},
                   {{QStringLiteral("--blank"), QStringLiteral("yes")}, QStringLiteral("'yes' is not on or off")},
                   {{QStringLiteral("--add"), QStringLiteral("1:00")}, QStringLiteral("is not a number of seconds")},
                   {{QStringLiteral("--add"), QStringLiteral("+-5")}, QStringLiteral("is not a number of seconds")},
                   {{QStringLiteral("--add"), QStringLiteral("99999999999")}, QStringLiteral("is not a number of seconds")},
                   {{QStringLiteral("--message"), QStringLiteral("x"), QStringLiteral("--blank"), QStringLiteral("on")},
                    QStringLiteral("Give only one of")},
                   {{QStringLiteral("--share"), QStringLiteral("yes")}, QStringLiteral("--share takes on, off or links, not 'yes'.")},
                   {{QStringLiteral("--share=on"), QStringLiteral("--stop")}, QStringLiteral("Give only one of")}};
    for (const auto &row : refused) {
        SCOPED_TRACE(row.arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLineOutcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.remote.action, dorvane::RemoteRequest::Action::None);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_TRUE(outcome.standardError.section(QLatin1Char('\n'), 0, 0).contains(row.error))
            << outcome.standardError.toStdString();
    }
}

TEST(CommandLine, TheRoomsOptionsCarryTheirValues)
{
    using Action = dorvane::RemoteRequest::Action;
    const CommandLineOutcome message = run({QStringLiteral("--message"), QStringLiteral("Wrap up")});
    EXPECT_EQ(message.remote.action, Action::ShowMessage);
    EXPECT_EQ(message.remote.message, QStringLiteral("Wrap up"));
    EXPECT_EQ(run({QStringLiteral("--clear-message")}).remote.action, Action::ClearMessage);
    const CommandLineOutcome blank = run({QStringLiteral("--blank"), QStringLiteral("on")});
    EXPECT_EQ(blank.remote.action, Action::SetBlank);
    EXPECT_TRUE(blank.remote.blank);
    EXPECT_FALSE(run({QStringLiteral("--blank=off")}).remote.blank);
    // A sign of either kind, and a minus right after the option is its value, not an option.
    const struct
    {
        QStringList arguments;
        int seconds;
    } adds[] = {{{QStringLiteral("--add"), QStringLiteral("-60")}, -60},
                {{QStringLiteral("--add"), QStringLiteral("+90")}, 90},
                {{QStringLiteral("--add=30")}, 30}};
    for (const auto &row : adds) {
        const CommandLineOutcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.remote.action, Action::AddSeconds) << outcome.standardError.toStdString();
        EXPECT_EQ(outcome.remote.seconds, row.seconds);
        EXPECT_FALSE(outcome.startClock);
    }
}
