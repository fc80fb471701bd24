// Dorvane: a count-down and count-up clock for the front of a room.
#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/display_opening.h"
#include "app/error_report.h"
#include "app/font_configuration_warm_up.h"
#include "app/main_window/tmainform.h"
#include "app/main_window/view_menu.h"
#include "app/remote/remote_client.h"
#include "app/remote/remote_control.h"
#include "app/settings_location.h"
#include "app/share/sharing_on_demand.h"
#include "engine/error.h"
#include "settings/network_settings.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDir>
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

void printLine(std::FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
    // A status bar reads the lines as they come.
    std::fflush(stream);
}

// Asks the clock that is already running; needs no display.
int askRunningClock(int argc, char **argv, const dorvane::RemoteRequest &request, const QString &programName)
{
    QCoreApplication app(argc, argv);
    dorvane::RemoteClient client(QDBusConnection::sessionBus(), request, programName);
    QObject::connect(&client, &dorvane::RemoteClient::standardOutput, &client,
                     [](const QString &line) { printLine(stdout, line); });
    QObject::connect(&client, &dorvane::RemoteClient::standardError, &client,
                     [](const QString &line) { printLine(stderr, line); });
    QObject::connect(&client, &dorvane::RemoteClient::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    client.run();
    return app.exec();
}

// Sharing on the network as the settings file left it: off, unless the user turned it on. Its
// choices go in the settings file's "Network" section, its keys in a file of their own. Its module
// is loaded only when sharing is wanted.
std::unique_ptr<dorvane::SharingOnDemand> makeSharing(dorvane::ClockCommands &commands)
{
    const dorvane::SettingsLocation location =
        dorvane::SettingsLocation::choose(QCoreApplication::applicationFilePath(), dorvane::SettingsLocation::userDirectory());
    const dorvane::NetworkSettings stored =
        dorvane::loadNetworkSettings(dorvane::SettingsFile(location.readPath().toStdString()));
    const QString userDirectory = dorvane::SettingsLocation::userDirectory();
    auto save = [location](const dorvane::NetworkSettings &settings) {
        try {
            location.prepareForWrite();
            dorvane::SettingsFile file(location.writePath().toStdString());
            dorvane::saveNetworkSettings(file, settings);
            return true;
        } catch (const dorvane::Error &) {
            return false;
        }
    };
    const QString tokensPath =
        userDirectory.isEmpty() ? QString() : QDir(userDirectory).filePath(QStringLiteral("sharing.keys"));
    return std::make_unique<dorvane::SharingOnDemand>(
        dorvane::SharingModuleInput{commands, stored, save, tokensPath},
        dorvane::SharingOnDemand::modulePathFor(QCoreApplication::applicationDirPath()));
}
} // namespace

int main(int argc, char **argv)
{
    // At exit the toolkit takes its registry of types down in the reverse order of creation. Made
    // before the first bus connection, the registry outlives the bus thread, which still handles
    // the connection's last messages then and would otherwise complain on stderr.
    qRegisterMetaType<QDBusMessage>();
    dorvane::nameTheApplication();
    const dorvane::CommandLineOutcome outcome = dorvane::CommandLine().parse(argumentsOf(argc, argv));
    const QString &programName = outcome.programName;
    if (outcome.remote.action != dorvane::RemoteRequest::Action::None)
        return askRunningClock(argc, argv, outcome.remote, programName);
    if (!outcome.startClock) {
        std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
        return outcome.exitCode;
    }

    // The font configuration loads on the side while the display opens.
    dorvane::FontConfigurationWarmUp fonts;
    std::optional<dorvane::DisplayOpening> opening(std::in_place, programName);
    dorvane::DorvaneApplication app(argc, argv);
    opening.reset();
    fonts.finish();
    dorvane::tieToDesktopEntry();
    QApplication::setWindowIcon(dorvane::applicationIcon());

    TMainForm mainForm;
    mainForm.show();
    const std::unique_ptr<dorvane::SharingOnDemand> sharing = makeSharing(mainForm.commands());
    QString shareError;
    if (!sharing->resume(shareError))
        printLine(stderr, QStringLiteral("%1: the clock is not shared on the network: %2").arg(programName, shareError));
    else if (!shareError.isEmpty())
        printLine(stderr, QStringLiteral("%1: the clock is shared on the network, without OSC: %2").arg(programName, shareError));
    // Over the main window, whichever window the menu was opened on.
    mainForm.viewMenu().AddEntry(QStringLiteral("actShare"), QStringLiteral("Share on the network\u2026"),
                                 [&](QWidget *) { sharing->openDialog(&mainForm); });
    dorvane::RemoteControl remote(mainForm.commands());
    remote.setSharing(sharing.get());
    if (remote.offerOn(QDBusConnection::sessionBus()) == dorvane::RemoteControl::Offer::NameTaken)
        printLine(stderr, QStringLiteral("%1: another clock already answers other programs as %2 on the session bus; "
                                         "this one runs without remote control.")
                              .arg(programName, dorvane::applicationId()));
    return app.exec();
}
