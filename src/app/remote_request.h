#pragma once
#include <QString>

namespace dorvane {

// What the command line asks of a clock that is already running.
struct RemoteRequest
{
    enum class Action {
        None,
        Start,
        Stop,
        Reset,
        SetAllowance,
        ShowClockView,
        HideClockView,
        Status,
        ShowMessage,
        ClearMessage,
        SetBlank,
        AddSeconds,
        Share,
    };
    Action action = Action::None;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;          // with SetAllowance; with AddSeconds, those to add (negative: take away)
    QString message;          // with ShowMessage
    bool blank = false;       // with SetBlank
    bool follow = false; // with Status: a line at every change, until interrupted
    // With Share: "on", "off" or "links".
    enum class Sharing { On, Off, Links };
    Sharing sharing = Sharing::Links;
};

} // namespace dorvane
