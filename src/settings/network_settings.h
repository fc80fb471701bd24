#pragma once
#include <cstdint>
#include <string>

namespace dorvane {

class SettingsFile;

// The port the clock's pages and API answer on unless the user picks another.
inline constexpr std::int32_t kDefaultSharePort = 4747;
inline constexpr std::int32_t kDefaultMaxConnections = 256;
// The UDP port stage gear sends its OSC commands to, next to the pages' port.
inline constexpr std::int32_t kDefaultOscPort = 4748;

// Sharing the clock on the local network, kept in the settings file's "Network" section. Off
// unless the user turns it on; the links' secrets live in a file of their own, never here.
struct NetworkSettings
{
    enum class Listen { EveryAddress, ThisComputer };

    bool sharing = false;
    std::int32_t port = kDefaultSharePort;
    Listen listen = Listen::EveryAddress;
    std::int32_t maxConnections = kDefaultMaxConnections;
    bool osc = false; // OSC commands over UDP, taken only while the clock is shared
    std::int32_t oscPort = kDefaultOscPort;
    std::string oscAllowed; // the addresses stage gear may send from, separated by spaces or commas

    bool operator==(const NetworkSettings &other) const;
};

// Reads the "Network" section; anything absent or out of range gives its default, so a file
// without the section shares nothing.
NetworkSettings loadNetworkSettings(const SettingsFile &file);
// Writes the "Network" section key by key; a refused write raises its error there.
void saveNetworkSettings(SettingsFile &file, const NetworkSettings &settings);

} // namespace dorvane
