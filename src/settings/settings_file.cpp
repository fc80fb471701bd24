#include "settings/settings_file.h"

#include "engine/error.h"
#include "settings/integer_codec.h"

namespace dorvane {

std::int32_t SettingsFile::readInteger(std::string_view section, std::string_view key,
                                       std::int32_t defaultValue) const
{
    return decodeInteger(m_file.readString(section, key), defaultValue);
}

bool SettingsFile::readBoolean(std::string_view section, std::string_view key, bool defaultValue) const
{
    return decodeBoolean(m_file.readString(section, key), defaultValue);
}

std::string SettingsFile::readString(std::string_view section, std::string_view key) const
{
    return m_file.readString(section, key);
}

void SettingsFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    writeString(section, key, encodeInteger(value));
}

void SettingsFile::writeBoolean(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, encodeBoolean(value));
}

void SettingsFile::writeString(std::string_view section, std::string_view key, const std::string &value)
{
    if (!m_file.writeString(section, key, value))
        throw Error("Unable to write to " + path());
}

} // namespace dorvane
