#pragma once
#include "settings/profile_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvane {

// The settings file: typed reads and writes of one private-profile file. Reads fall back to
// the caller's default for anything absent or unparsable; a refused write raises
// Error("Unable to write to <path>").
class SettingsFile
{
public:
    explicit SettingsFile(std::string path) : m_file(std::move(path)) {}

    const std::string &path() const { return m_file.path(); }

    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool readBoolean(std::string_view section, std::string_view key, bool defaultValue) const;
    // The stored text as it stands; empty when absent.
    std::string readString(std::string_view section, std::string_view key) const;

    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBoolean(std::string_view section, std::string_view key, bool value);
    void writeString(std::string_view section, std::string_view key, const std::string &value);

    // Flushes the file once every value is written. Each write already reaches the disk whole,
    // so there is nothing left to flush; the step stays so that callers mark the end of a save.
    void release() { m_released = true; }
    bool isReleased() const { return m_released; }

private:
    ProfileFile m_file;
    bool m_released = false;
};

} // namespace dorvane
