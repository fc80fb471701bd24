#include "engine/colour_cues.h"

namespace dorvane {

ColourCues DueColourCues(const ClockState &s)
{
    ColourCues cues;
    if (s.CountingDown || s.AllowanceSeconds > 0)
        cues.seconds = s.AllowanceSeconds - s.ElapsedCount == s.ColourChangeSeconds;
    else
        cues.seconds = s.ElapsedCount == s.ColourChangeSeconds;
    cues.expired = s.AllowanceReached();
    return cues;
}

} // namespace dorvane
