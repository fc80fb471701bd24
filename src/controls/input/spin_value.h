#pragma once
#include <QString>
#include <optional>

namespace dorvane {

// Reads the text of an integer spin edit: optional leading blanks, an optional sign, then
// decimal digits or hexadecimal digits marked by "$", "x", "X", "0x" or "0X", running to the
// end of the text. Nothing when the text is no such number or does not fit 32 bits.
std::optional<int> parseSpinInteger(const QString &text);

// Equal limits mean no limits at all.
int clampToSpinLimits(int value, int minValue, int maxValue);

} // namespace dorvane
