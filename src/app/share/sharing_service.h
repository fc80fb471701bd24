#pragma once
#include "settings/network_settings.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace dorvane {

class ClockCommands;

// Sharing on the network as the rest of the program sees it. What listens, its pages and its
// dialog live in a module of their own (`dorvane-share`), loaded the first time they are wanted,
// so that a clock that is not shared never loads the network libraries.
class SharingService
{
public:
    virtual ~SharingService() = default;

    // Shares with the choices kept in the settings file; nothing when sharing was left off. When
    // the clock cannot be shared, false, with `error` saying why, and the clock goes on unshared.
    // When it is shared but OSC cannot listen, true, with `error` saying why.
    virtual bool resume(QString &error) = 0;
    // What "--share on|off|links" asks of the running clock: the lines to print, or an error.
    virtual bool runSwitch(const QString &mode, QStringList &lines, QString &error) = 0;
    // Shows "Share on the network" over `parent`: made the first time, brought to the front after.
    virtual void openDialog(QWidget *parent) = 0;
};

// What the module is given: the clock it shares, the choices kept at start and how to keep new
// ones (false when they could not be written), and the file of the links' keys.
struct SharingModuleInput
{
    ClockCommands &commands;
    NetworkSettings settings;
    std::function<bool(const NetworkSettings &)> save;
    QString tokensPath;
};

// The module's one entry point, looked up by this name; the name changes with the interface, so
// that a program never calls a module built against another.
using MakeSharingService = SharingService *(*)(const SharingModuleInput &input);
inline constexpr char kMakeSharingServiceName[] = "dorvaneMakeSharingService_v1";

// Answers the program and the module both give.
inline QString notSharedText() { return QStringLiteral("The clock is not shared; --share on shares it."); }
inline QString settingsNotKeptText()
{
    return QStringLiteral("The sharing settings could not be kept in the settings file.");
}
inline QString unknownShareModeText(const QString &mode)
{
    return QStringLiteral("'%1' is not on, off or links.").arg(mode);
}

} // namespace dorvane
