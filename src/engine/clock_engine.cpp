#include "engine/clock_engine.h"

#include "engine/clip_schedule.h"
#include "engine/colour_cues.h"
#include "engine/two_digits.h"

#include <algorithm>

namespace dorvane {

void ClockEngine::ResetClock()
{
    ClockState &s = m_state;
    if (m_port.readDirectionChoice() != 0) {
        s.CountingDown = false;
        s.ShownHours = 0;
        s.ShownMinutes = 0;
        s.ShownSeconds = 0;
        const std::int32_t h = m_port.readAllowanceHours();
        const std::int32_t m = m_port.readAllowanceMinutes();
        const std::int32_t sec = m_port.readAllowanceSeconds();
        s.AllowanceSeconds = h * 3600 + m * 60 + sec;
    } else {
        // Shown as entered: 60 minutes stays "60" until the first tick normalises it.
        s.CountingDown = true;
        s.ShownHours = m_port.readAllowanceHours();
        s.ShownMinutes = m_port.readAllowanceMinutes();
        s.ShownSeconds = m_port.readAllowanceSeconds();
        s.AllowanceSeconds = s.ShownHours * 3600 + s.ShownMinutes * 60 + s.ShownSeconds;
    }
    showShownDigits();
    s.ElapsedCount = 0;
    SetClockColour(m_port.readNormalColour());
    ShowDirection();
}

void ClockEngine::StartClock()
{
    ClockState &s = m_state;
    if (s.CountingDown && s.ShownHours == 0 && s.ShownMinutes == 0 && s.ShownSeconds == 0) {
        m_port.showError(kAllowanceNotSetMessage);
        return;
    }
    m_port.setTicking(true);
    s.VoiceOn = m_port.readVoiceChoice() == 0;
    s.ColourChangeOn = m_port.readColourChangeChoice() == 0;
    // Assigned only once the conversion succeeded: a failure keeps the previous latch.
    s.ColourChangeSeconds = toInt32(m_port.readColourChangeSeconds());
}

void ClockEngine::StopClock()
{
    m_port.setTicking(false);
}

void ClockEngine::AdvanceClock()
{
    ClockState &s = m_state;
    // A reset to a zero count-down while the clock runs leaves nothing to count: stop rather
    // than run into negative times and announce time up on every tick.
    if (s.CountingDown && s.AllowanceSeconds <= 0) {
        m_port.setTicking(false);
        return;
    }
    ++s.ElapsedCount;
    s.ShowCount();
    showShownDigits();
    if (s.ColourChangeOn)
        runColourCues();
    if (AnnouncementDue(s))
        runAnnouncement();
    if (s.AllowanceReached()) {
        m_port.setTicking(false);
        m_port.repaintNow();
    }
}

void ClockEngine::ChangeTimeLeft(std::int64_t seconds)
{
    ClockState &s = m_state;
    if (!s.CountingDown) {
        m_port.showError(kTimeLeftCountingUpMessage);
        return;
    }
    if (s.AllowanceReached()) {
        m_port.showError(kTimeLeftTimeUpMessage);
        return;
    }
    if (s.AllowanceSeconds <= 0) {
        m_port.showError(kAllowanceNotSetMessage);
        return;
    }
    const std::int32_t before = s.CountSeconds();
    const std::int32_t after = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(before + seconds, kShortestTimeLeft, kLongestTimeLeft));
    // The count goes on against a longer or shorter allowance, so the share of it used, the
    // announcements and the end all follow the new time.
    s.AllowanceSeconds = s.ElapsedCount + after;
    s.ShowCount();
    showShownDigits();
    if (s.ColourChangeOn)
        followColourCue(before, after);
}

void ClockEngine::followColourCue(std::int32_t before, std::int32_t after)
{
    const std::int32_t cue = m_state.ColourChangeSeconds;
    // The tick that reaches the point paints the "seconds" colour again.
    if (after > cue && before <= cue)
        SetClockColour(m_port.readNormalColour());
    // Passed over, the point would never be reached by a tick.
    else if (after <= cue && before > cue)
        SetClockColour(m_port.readSecondsColour());
}

void ClockEngine::ShowDirection()
{
    const unsigned char code = m_state.CountingDown ? kArrowDown : kArrowUp;
    m_port.showLeftArrow(code);
    m_port.showRightArrow(code);
}

void ClockEngine::SetClockColour(ColourValue colour)
{
    paintCue(ClockCue::Normal, colour);
}

void ClockEngine::paintCue(ClockCue cue, ColourValue colour)
{
    // Known before the window paints, so that whatever it paints can ask which colour it is.
    m_state.Cue = cue;
    m_port.paintClockColour(colour);
}

void ClockEngine::showShownDigits()
{
    m_port.showDigits(TwoDigits(m_state.ShownHours), TwoDigits(m_state.ShownMinutes),
                      TwoDigits(m_state.ShownSeconds));
}

void ClockEngine::runColourCues()
{
    const ColourCues cues = DueColourCues(m_state);
    if (cues.seconds)
        paintCue(ClockCue::Seconds, m_port.readSecondsColour());
    if (cues.expired)
        paintCue(ClockCue::Expired, m_port.readExpiredColour());
}

void ClockEngine::runAnnouncement()
{
    // The digits of this tick reach the screen before the clip starts.
    m_port.repaintNow();
    if (const auto clip = AnnouncementClip(m_state))
        m_port.playClip(std::string(*clip));
}

} // namespace dorvane
