#pragma once
#include "engine/clock_state.h"

namespace dorvane {

// Which colours this tick paints, in order: the "seconds" colour first, then the expired one.
struct ColourCues
{
    bool seconds = false;
    bool expired = false;
};

// The colour-cue decision after a tick has raised the count. With an allowance the
// "seconds" cue counts back from it; counting up without one it counts from the start.
ColourCues DueColourCues(const ClockState &state);

} // namespace dorvane
