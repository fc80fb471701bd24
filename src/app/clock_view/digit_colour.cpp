#include "digit_colour.h"

#include "controls/base/platform.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace dorvane {

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double RelativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ContrastingInk(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

ColourValue ChosenDigitColour(const DigitColours &choice, ClockStatus::Cue cue)
{
    switch (cue) {
    case ClockStatus::Cue::Seconds: return choice.seconds;
    case ClockStatus::Cue::Expired: return choice.expired;
    case ClockStatus::Cue::Normal: break;
    }
    return choice.normal;
}

QColor DigitColourOn(const DigitColours &choice, ClockStatus::Cue cue, const QColor &background,
                     const QPalette &palette)
{
    if (choice.automatic)
        return ContrastingInk(background);
    return toQColor(ChosenDigitColour(choice, cue), palette);
}

} // namespace dorvane
