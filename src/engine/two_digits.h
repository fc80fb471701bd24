#pragma once
#include <cstdint>
#include <string>

namespace dorvane {

// Pads text on the left with fill up to width characters; a longer text is never cut.
std::string LeftPad(const std::string &text, char fill, int width);

// The caption of one displayed field: signed decimal, at least two characters ("05", "-1",
// "100").
std::string TwoDigits(std::int32_t n);

} // namespace dorvane
