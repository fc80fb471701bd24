#include "address_launcher.h"

#include <QDesktopServices>
#include <QProcess>

#include <utility>

namespace dorvane {

namespace {

QString defaultLauncher()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return QStringLiteral("xdg-open");
#else
    return {};
#endif
}

QString &launcherProgram()
{
    static QString program = defaultLauncher();
    return program;
}

int g_running = 0;

} // namespace

QString setAddressLauncher(const QString &program)
{
    return std::exchange(launcherProgram(), program);
}

int runningAddressLaunchers()
{
    return g_running;
}

void openAddress(const QUrl &address, std::function<void()> failed)
{
    const QString program = launcherProgram();
    if (program.isEmpty()) {
        if (!QDesktopServices::openUrl(address))
            failed();
        return;
    }
    // Owned by no one until it ends: neither closing the window nor quitting may kill a
    // launcher that is still handing the address over to the browser.
    auto *launcher = new QProcess;
    launcher->setProgram(program);
    launcher->setArguments({address.toString(QUrl::FullyEncoded)});
    launcher->setStandardInputFile(QProcess::nullDevice());
    launcher->setStandardOutputFile(QProcess::nullDevice());
    launcher->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ++g_running;
    auto ended = [launcher, failed](bool ok) {
        --g_running;
        if (!ok)
            failed();
        launcher->deleteLater();
    };
    QObject::connect(launcher, &QProcess::errorOccurred, launcher, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false); // no finished signal follows
    });
    QObject::connect(launcher, &QProcess::finished, launcher, [ended](int code, QProcess::ExitStatus status) {
        ended(status == QProcess::NormalExit && code == 0);
    });
    launcher->start();
}

} // namespace dorvane
