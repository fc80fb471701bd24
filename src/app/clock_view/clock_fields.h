#pragma once
#include "engine/colour.h"

class QWidget;

// The fields that show the clock, named alike in the main window and in the clock view.
namespace dorvane {

inline constexpr const char *kDigitFields[] = {"lblHrs", "lblMins", "lblSecs"};
inline constexpr const char *kArrowFields[] = {"lblDirectionL", "lblDirectionR"};

// The colour the digits and the arrows of `window` are drawn in.
ColourValue DigitColourOf(const QWidget *window);
void SetDigitColourOf(QWidget *window, ColourValue colour);

} // namespace dorvane
