// Commands from stage gear: the bytes of one UDP packet, read as an OSC message. Whatever comes,
// only a whole, well-formed message of ours with its exact type signature gives a command, always
// one the command table knows; what it refuses never touches the clock, and the clock's fields
// are only ever typed values they take.
#include "app/share/command_table.h"
#include "app/share/osc_commands.h"
#include "checking_controls.h"

#include <lo/lo.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The packet is exactly what the library writes for the message it reads from it: nothing
// trails it and nothing in it is out of form.
bool isCanonicalMessage(const QByteArray &packet)
{
    QByteArray bytes = packet;
    lo_message message = lo_message_deserialise(bytes.data(), std::size_t(bytes.size()), nullptr);
    if (!message)
        return false;
    std::size_t size = 0;
    void *written = lo_message_serialise(message, bytes.constData(), nullptr, &size);
    const bool same = written && size == std::size_t(packet.size()) && std::memcmp(written, packet.constData(), size) == 0;
    std::free(written);
    lo_message_free(message);
    return same;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray packet(reinterpret_cast<const char *>(data), int(size));
    const std::optional<dorvane::OscCommand> command = dorvane::readOscCommand(packet);
    if (!command)
        return 0;
    if (!packet.startsWith("/dorvane/") || !isCanonicalMessage(packet))
        std::abort();
    fuzzing::CheckingControls controls;
    dorvane::ClockCommands commands(controls);
    const dorvane::NetworkCommandAnswer answer = dorvane::runNetworkCommand(commands, command->name, command->arguments);
    if (answer.kind == dorvane::NetworkCommandAnswer::Kind::Unknown)
        std::abort();
    // The table refuses what it cannot take (the lowest 32-bit number is beyond its whole numbers)
    // before the clock is touched.
    if (answer.kind == dorvane::NetworkCommandAnswer::Kind::BadArguments && controls.touched != 0)
        std::abort();
    if (answer.result.outcome == dorvane::CommandResult::Outcome::OutOfRange && controls.touched != 0)
        std::abort();
    return 0;
}
