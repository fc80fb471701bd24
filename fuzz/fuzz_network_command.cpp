// Commands from the network: a name on the first line, a JSON body after it. Whatever comes, the
// clock's fields are only ever typed values they take, and a command that is unknown or whose
// arguments are refused never touches the clock.
#include "app/share/command_table.h"
#include "checking_controls.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const int newline = input.indexOf('\n');
    const QString name = QString::fromUtf8(newline < 0 ? input : input.left(newline));
    const QByteArray body = newline < 0 ? QByteArray() : input.mid(newline + 1);
    fuzzing::CheckingControls controls;
    dorvane::ClockCommands commands(controls);
    const dorvane::NetworkCommandAnswer answer =
        dorvane::runNetworkCommand(commands, name, QJsonDocument::fromJson(body).object());
    const bool ran = answer.kind == dorvane::NetworkCommandAnswer::Kind::Ran;
    if (!ran && controls.touched != 0)
        std::abort();
    if (ran && answer.result.outcome == dorvane::CommandResult::Outcome::OutOfRange && controls.touched != 0)
        std::abort();
    if (ran != dorvane::isNetworkCommand(name) && answer.kind != dorvane::NetworkCommandAnswer::Kind::BadArguments)
        std::abort();
    return 0;
}
