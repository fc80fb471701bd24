// Dorvane: a count-down and count-up clock for the front of a room.
#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/display_opening.h"
#include "app/error_report.h"
#include "app/tmainform.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {
QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char **argv)
{
    dorvane::nameTheApplication();
    const dorvane::CommandLineOutcome outcome = dorvane::CommandLine().parse(argumentsOf(argc, argv));
    if (!outcome.startClock) {
        std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
        return outcome.exitCode;
    }

    std::optional<dorvane::DisplayOpening> opening(std::in_place, QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    dorvane::DorvaneApplication app(argc, argv);
    opening.reset();
    dorvane::tieToDesktopEntry();
    QApplication::setWindowIcon(dorvane::applicationIcon());

    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
