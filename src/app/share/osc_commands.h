#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace dorvane {

// An OSC message read as a command of the network's one vocabulary: the command table's name and
// its arguments by name, as a JSON body would give them.
struct OscCommand
{
    QString name;
    QJsonObject arguments;
};

// The command one OSC packet asks for: a single message (not a bundle) whose address is one of
// ours and whose type signature is exactly the one that address takes. None for anything else.
std::optional<OscCommand> readOscCommand(const QByteArray &packet);

} // namespace dorvane
