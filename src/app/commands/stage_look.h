#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

namespace dorvane {

// What the clock view draws besides the clock's status, resolved as it draws it: its colours for
// the cue of the moment, what its options add and the time past the end. The view tells it, so
// that whoever shows the view elsewhere (a page on the network) draws the same.
struct StageLook
{
    quint32 background = 0xFFFBF0; // 0xRRGGBB: the clock's colour behind the digits
    quint32 digits = 0x000000;     // the digits' colour on it, black or white when automatic
    bool alwaysShowHours = false;
    bool directionMarker = true;
    bool progressBar = false;
    bool paused = false;                // the "Paused" badge in the marker's place
    std::optional<int> overtimeSeconds; // "+0:42" past the end, when the view shows it
    QString timeOfDay;                  // the time of day in a corner; empty when not shown
    bool timeOfDayOnly = false;         // the time of day alone instead of the clock

    bool operator==(const StageLook &other) const
    {
        return background == other.background && digits == other.digits && alwaysShowHours == other.alwaysShowHours
            && directionMarker == other.directionMarker && progressBar == other.progressBar
            && paused == other.paused && overtimeSeconds == other.overtimeSeconds && timeOfDay == other.timeOfDay
            && timeOfDayOnly == other.timeOfDayOnly;
    }
    bool operator!=(const StageLook &other) const { return !(*this == other); }
};

} // namespace dorvane
