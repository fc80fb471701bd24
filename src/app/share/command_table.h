#pragma once
#include "app/commands/clock_commands.h"

#include <QJsonObject>
#include <QString>

namespace dorvane {

// A command from the network in the words of the bus's vocabulary: its name and its arguments
// as a JSON object.
struct NetworkCommandAnswer
{
    enum class Kind {
        Ran,          // the clock's command ran: `result` says how it went
        Unknown,      // no command of that name
        BadArguments, // the arguments are not what the command takes: `text` says why
    };
    Kind kind = Kind::Ran;
    CommandResult result;
    QString text;
};

// Runs the named command on the clock with `arguments`.
NetworkCommandAnswer runNetworkCommand(ClockCommands &commands, const QString &name, const QJsonObject &arguments);

// Whether a command of that name exists.
bool isNetworkCommand(const QString &name);

} // namespace dorvane
