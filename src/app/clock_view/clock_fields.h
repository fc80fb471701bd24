#pragma once

// The fields that show the clock, named alike in the main window and in the clock view.
namespace dorvane {

inline constexpr const char *kDigitFields[] = {"lblHrs", "lblMins", "lblSecs"};
inline constexpr const char *kArrowFields[] = {"lblDirectionL", "lblDirectionR"};

} // namespace dorvane
