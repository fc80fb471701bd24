#include "osc_commands.h"

#include <lo/lo.h>
#include <cstdint>
#include <cstring>
#include <memory>

namespace dorvane {

namespace {

struct OscAddress
{
    const char *path;
    const char *types; // the one type signature taken
    const char *command;
    QJsonObject (*arguments)(lo_arg **argv);
};

// An argument lies where the packet put it, four-byte aligned: it is copied out, never read in
// place as the library's union, which wants more.
std::int32_t int32(const lo_arg *argument)
{
    std::int32_t value;
    std::memcpy(&value, argument, sizeof value);
    return value;
}

QJsonObject none(lo_arg **) { return {}; }

QJsonObject hoursMinutesSeconds(lo_arg **argv)
{
    return {{QStringLiteral("hours"), int32(argv[0])}, {QStringLiteral("minutes"), int32(argv[1])},
            {QStringLiteral("seconds"), int32(argv[2])}};
}

QJsonObject seconds(lo_arg **argv) { return {{QStringLiteral("seconds"), int32(argv[0])}}; }

QJsonObject text(lo_arg **argv) { return {{QStringLiteral("text"), QString::fromUtf8(reinterpret_cast<const char *>(argv[0]))}}; }

// Stage gear sends 1 and 0 for on and off.
QJsonObject onOff(lo_arg **argv) { return {{QStringLiteral("on"), int32(argv[0]) != 0}}; }

const OscAddress kAddresses[] = {
    {"/dorvane/start", "", "start", none},
    {"/dorvane/stop", "", "stop", none},
    {"/dorvane/toggle", "", "toggle", none},
    {"/dorvane/reset", "", "reset", none},
    {"/dorvane/set", "iii", "set", hoursMinutesSeconds},
    {"/dorvane/add", "i", "add", seconds},
    {"/dorvane/message", "s", "message", text},
    {"/dorvane/clear-message", "", "clear-message", none},
    {"/dorvane/blank", "i", "blank", onOff},
};

struct MessageFree
{
    void operator()(lo_message message) const { lo_message_free(message); }
};

} // namespace

std::optional<OscCommand> readOscCommand(const QByteArray &packet)
{
    // The library reads from a buffer of its own; ours stays as it came.
    QByteArray bytes = packet;
    int result = 0;
    const std::unique_ptr<std::remove_pointer_t<lo_message>, MessageFree> message(
        lo_message_deserialise(bytes.data(), std::size_t(bytes.size()), &result));
    if (!message)
        return std::nullopt; // malformed, or a bundle
    // Read whole and valid by now: the address is a terminated string at the packet's start.
    const char *path = lo_get_path(bytes.data(), bytes.size());
    const char *types = lo_message_get_types(message.get());
    if (!path || !types)
        return std::nullopt;
    for (const OscAddress &address : kAddresses) {
        if (std::strcmp(path, address.path) != 0)
            continue;
        if (std::strcmp(types, address.types) != 0)
            return std::nullopt;
        return OscCommand{QLatin1String(address.command), address.arguments(lo_message_get_argv(message.get()))};
    }
    return std::nullopt;
}

} // namespace dorvane
