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
    int allowanceSeconds = 0; // the allowance the count runs against; 0 when there is none

    // Which of the clock's colours its digits stand on.
    enum class Cue { Normal, Seconds, Expired };
    Cue cue = Cue::Normal;

    // For the room, not the clock: the message to the speaker (empty when there is none) and
    // whether the stage view shows a black screen.
    QString message;
    bool blank = false;

    bool operator==(const ClockStatus &other) const
    {
        return running == other.running && countingDown == other.countingDown && display == other.display &&
               remainingSeconds == other.remainingSeconds && expired == other.expired &&
               allowanceSeconds == other.allowanceSeconds && cue == other.cue && message == other.message &&
               blank == other.blank;
    }
    bool operator!=(const ClockStatus &other) const { return !(*this == other); }
};

} // namespace dorvane
