#pragma once
#include "engine/colour.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvane {

class SettingsFile;

// Outer bounds of a window on the desktop, frame included.
struct WindowBounds
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const WindowBounds &other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

// How the clock is shown to a room: the clock view's window, which windows stay on top, the
// digit colour and the flash at time up. Kept in the settings file's "View" section.
struct ViewSettings
{
    bool clockViewShown = false;
    std::string clockScreen;                 // the screen's name; empty when none is remembered
    std::optional<WindowBounds> clockBounds; // none until the view has had a place of its own
    bool clockFullScreen = false;
    bool clockOnTop = false;
    bool mainOnTop = false;
    ColourValue digitColour = colours::WindowText;
    bool flashAtTimeUp = false;
    // The messages to the speaker last shown, the latest first, at most kRecentMessages.
    std::vector<std::string> recentMessages;

    bool operator==(const ViewSettings &other) const;
};

inline constexpr std::size_t kRecentMessages = 5;

// Reads the "View" section; a file without it, or a key that does not parse, gives the
// defaults above, which leave the program as it is without the section.
ViewSettings loadViewSettings(const SettingsFile &file);
// Writes the "View" section key by key; a refused write raises its error there.
void saveViewSettings(SettingsFile &file, const ViewSettings &settings);


} // namespace dorvane
