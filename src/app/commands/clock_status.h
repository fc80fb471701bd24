#pragma once
#include <QString>

namespace dorvane {

// What the clock shows and whether it runs, as whoever is not at the screen is told it.
struct ClockStatus
{
    bool running = false;
    bool countingDown = false;
    QString display;          // the three digit fields as shown, "00 04 38"
    int remainingSeconds = 0; // for a count-up, the seconds counted
    bool expired = false;     // the count has reached a non-zero allowance

    bool operator==(const ClockStatus &other) const
    {
        return running == other.running && countingDown == other.countingDown && display == other.display &&
               remainingSeconds == other.remainingSeconds && expired == other.expired;
    }
    bool operator!=(const ClockStatus &other) const { return !(*this == other); }
};

} // namespace dorvane
