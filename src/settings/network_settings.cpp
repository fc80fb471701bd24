#include "settings/network_settings.h"

#include "settings/settings_file.h"

namespace dorvane {
namespace {

constexpr const char *NetworkSection = "Network";
constexpr const char *ListenEverywhere = "All";
constexpr const char *ListenLocally = "Local";

} // namespace

bool NetworkSettings::operator==(const NetworkSettings &other) const
{
    return sharing == other.sharing && port == other.port && listen == other.listen
        && maxConnections == other.maxConnections && osc == other.osc && oscPort == other.oscPort
        && oscAllowed == other.oscAllowed;
}

NetworkSettings loadNetworkSettings(const SettingsFile &file)
{
    const NetworkSettings defaults;
    NetworkSettings s;
    s.sharing = file.readBoolean(NetworkSection, "Share", defaults.sharing);
    s.port = file.readInteger(NetworkSection, "Port", defaults.port);
    if (s.port < 1 || s.port > 65535)
        s.port = defaults.port;
    // Anything but the one word for "this computer only" is read as every address, as written.
    const std::string listen = file.readString(NetworkSection, "Listen");
    s.listen = listen == ListenLocally ? NetworkSettings::Listen::ThisComputer : NetworkSettings::Listen::EveryAddress;
    s.maxConnections = file.readInteger(NetworkSection, "MaxConnections", defaults.maxConnections);
    if (s.maxConnections < 1)
        s.maxConnections = defaults.maxConnections;
    s.osc = file.readBoolean(NetworkSection, "Osc", defaults.osc);
    s.oscPort = file.readInteger(NetworkSection, "OscPort", defaults.oscPort);
    if (s.oscPort < 1 || s.oscPort > 65535)
        s.oscPort = defaults.oscPort;
    s.oscAllowed = file.readString(NetworkSection, "OscAllowed");
    return s;
}

void saveNetworkSettings(SettingsFile &file, const NetworkSettings &s)
{
    file.writeBoolean(NetworkSection, "Share", s.sharing);
    file.writeInteger(NetworkSection, "Port", s.port);
    file.writeString(NetworkSection, "Listen",
                     s.listen == NetworkSettings::Listen::ThisComputer ? ListenLocally : ListenEverywhere);
    file.writeInteger(NetworkSection, "MaxConnections", s.maxConnections);
    file.writeBoolean(NetworkSection, "Osc", s.osc);
    file.writeInteger(NetworkSection, "OscPort", s.oscPort);
    file.writeString(NetworkSection, "OscAllowed", s.oscAllowed);
}

} // namespace dorvane
