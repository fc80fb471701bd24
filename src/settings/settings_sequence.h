#pragma once

namespace dorvane {

class SettingsControls;
class SettingsFile;

// Reads the ten settings into their controls, in the file's table order; anything absent or
// unparsable takes its default.
void loadSettings(const SettingsFile &file, SettingsControls &controls);

// Writes the ten settings from their controls in the same order. The first failure (a refused
// write, or a value that cannot be read or converted) raises its Error there: later settings
// are not written.
void writeSettings(SettingsFile &file, const SettingsControls &controls);

// The ten settings as writeSettings does, then releases the file; after a failure the file is
// not released.
void saveSettings(SettingsFile &file, const SettingsControls &controls);

} // namespace dorvane
