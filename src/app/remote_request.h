#pragma once

namespace dorvane {

// What the command line asks of a clock that is already running.
struct RemoteRequest
{
    enum class Action { None, Start, Stop, Reset, SetAllowance, ShowClockView, HideClockView, Status, Share };
    Action action = Action::None;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    bool follow = false; // with Status: a line at every change, until interrupted
    // With Share: "on", "off" or "links".
    enum class Sharing { On, Off, Links };
    Sharing sharing = Sharing::Links;
};

} // namespace dorvane
