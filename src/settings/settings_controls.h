#pragma once
#include "engine/colour.h"
#include "engine/variant.h"

#include <cstdint>

namespace dorvane {

// The controls that show the ten settings, as the settings code sees them. The main window
// implements it; the values are read at the moment they are saved, never cached.
class SettingsControls
{
public:
    virtual ~SettingsControls() = default;

    // Allowance spin edits: they clamp what they are given to their own range.
    virtual void setAllowanceHours(std::int32_t value) = 0;
    virtual std::int32_t allowanceHours() const = 0;
    virtual void setAllowanceMinutes(std::int32_t value) = 0;
    virtual std::int32_t allowanceMinutes() const = 0;
    virtual void setAllowanceSeconds(std::int32_t value) = 0;
    virtual std::int32_t allowanceSeconds() const = 0;

    // Option groups: item 0 is "Yes" (direction: "Down"), item 1 "No" ("Up").
    virtual void setVoiceItemIndex(int index) = 0;
    virtual int voiceItemIndex() const = 0;

    virtual void setBackgroundColour(ColourValue colour) = 0;
    virtual ColourValue backgroundColour() const = 0;
    // Paints the clock with the colour the background picker now holds.
    virtual void paintClockColourFromBackground() = 0;

    virtual void setColourChangeItemIndex(int index) = 0;
    virtual int colourChangeItemIndex() const = 0;
    virtual void setSecondsColour(ColourValue colour) = 0;
    virtual ColourValue secondsColour() const = 0;
    virtual void setExpiredColour(ColourValue colour) = 0;
    virtual ColourValue expiredColour() const = 0;

    // The numeric spin edit's value; reading it may raise "Invalid numeric value" while the
    // field holds text that is not a number.
    virtual void setColourChangeSeconds(std::int32_t value) = 0;
    virtual Variant colourChangeSeconds() const = 0;

    virtual void setDirectionItemIndex(int index) = 0;
    virtual int directionItemIndex() const = 0;
};

} // namespace dorvane
