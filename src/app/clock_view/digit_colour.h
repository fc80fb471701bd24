#pragma once
#include "app/commands/clock_status.h"
#include "settings/view_settings.h"

#include <QColor>

class QPalette;

namespace dorvane {

// Relative luminance of a colour, 0 for black to 1 for white, as the accessibility guidelines
// for the web measure it.
double RelativeLuminance(const QColor &colour);
// Their contrast ratio, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
// Black or white, whichever contrasts more with `background`.
QColor ContrastingInk(const QColor &background);

// The colour chosen for digits on the clock's colour for `cue`, automatic or not.
ColourValue ChosenDigitColour(const DigitColours &choice, ClockStatus::Cue cue);

// The colour of digits chosen as `choice`, standing on `background`, which is the clock's colour
// for `cue`. System colours are read from `palette`.
QColor DigitColourOn(const DigitColours &choice, ClockStatus::Cue cue, const QColor &background,
                     const QPalette &palette);

} // namespace dorvane
