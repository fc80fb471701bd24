#include "settings/sound_settings.h"

#include "settings/settings_file.h"

#include <algorithm>

namespace dorvane {

namespace {
constexpr const char *SoundSection = "Sound";
constexpr const char *VolumeKey = "Volume";
} // namespace

std::int32_t loadVolume(const SettingsFile &file)
{
    return std::clamp(file.readInteger(SoundSection, VolumeKey, kDefaultVolume), 0, 100);
}

void saveVolume(SettingsFile &file, std::int32_t volume)
{
    file.writeInteger(SoundSection, VolumeKey, volume);
}

} // namespace dorvane
