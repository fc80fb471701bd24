#pragma once
#include "engine/colour.h"
#include "engine/variant.h"

#include <cstdint>
#include <string>

namespace dorvane {

// The window operations the clock engine uses. The main window realises them; the engine
// never reaches a control any other way, so it can be driven without a window.
class WindowPort
{
public:
    virtual ~WindowPort() = default;

    // Allowance inputs; the engine always reads hours, then minutes, then seconds.
    virtual std::int32_t readAllowanceHours() = 0;
    virtual std::int32_t readAllowanceMinutes() = 0;
    virtual std::int32_t readAllowanceSeconds() = 0;

    // Item indexes of the option groups: 0 is "Down" / "Yes", 1 is "Up" / "No".
    virtual std::int32_t readDirectionChoice() = 0;
    virtual std::int32_t readVoiceChoice() = 0;
    virtual std::int32_t readColourChangeChoice() = 0;

    // The 64-bit spin edit's value; the engine narrows it with toInt32.
    virtual Variant readColourChangeSeconds() = 0;

    // Colours as the pickers hold them at the moment of the call.
    virtual ColourValue readNormalColour() = 0;
    virtual ColourValue readSecondsColour() = 0;
    virtual ColourValue readExpiredColour() = 0;

    // Sets lblHrs, lblMins and lblSecs, in that order.
    virtual void showDigits(const std::string &hours, const std::string &minutes,
                            const std::string &seconds) = 0;
    // One-character captions of lblDirectionL and lblDirectionR.
    virtual void showLeftArrow(unsigned char code) = 0;
    virtual void showRightArrow(unsigned char code) = 0;
    // Colours the three digit fields and the two arrow labels, then repaints at once.
    virtual void paintClockColour(ColourValue colour) = 0;
    // Setting the state the timer already has changes nothing, so a running timer keeps
    // its phase.
    virtual void setTicking(bool on) = 0;
    virtual void repaintNow() = 0;
    // The modal "Error" message box.
    virtual void showError(const std::string &message) = 0;
    // Starts the named voice clip.
    virtual void playClip(const std::string &name) = 0;
};

} // namespace dorvane
