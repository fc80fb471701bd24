#pragma once
#include <cstdint>

namespace dorvane {

class SettingsFile;

// The voice's volume in percent, kept in the settings file's "Sound" section beside the ten
// settings of the clock.
inline constexpr std::int32_t kDefaultVolume = 100;

// The stored volume brought into 0 to 100; absent or unparsable, the default.
std::int32_t loadVolume(const SettingsFile &file);
// Raises the file's Error when the write is refused.
void saveVolume(SettingsFile &file, std::int32_t volume);

} // namespace dorvane
