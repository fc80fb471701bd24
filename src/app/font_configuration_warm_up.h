#pragma once
#include <thread>

namespace dorvane {

// Loads the system's font configuration on a thread of its own while the application object
// connects to the display. Loading it reads and parses every configuration file and cache
// (8 to 9 ms here); the toolkit would otherwise do it on the way to the first frame, when the
// main window measures its first text. Finish before the first window is built: the toolkit
// then finds the configuration loaded and never loads a second copy. Where the toolkit draws
// text without this configuration, the only cost is the other thread's work.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    // Finishes, if that was not done.
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

    // Waits until the configuration is loaded.
    void finish();

private:
    std::thread m_loader;
};

} // namespace dorvane
