#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// Parses a stored integer: leading spaces, one sign, then decimal digits or a hexadecimal
// number marked by "$", "x", "X", "0x" or "0X" (a 32-bit two's-complement value), running to
// the end of the text. A decimal beyond the signed 32-bit range, or anything else, is nullopt.
std::optional<std::int32_t> parseStoredInteger(std::string_view text);

// The reading of a stored setting: "0x"/"0X" before a longer text becomes "$", then the text
// is parsed; what does not parse (including empty text) gives the default.
std::int32_t decodeInteger(std::string_view text, std::int32_t defaultValue);
bool decodeBoolean(std::string_view text, bool defaultValue);

std::string encodeInteger(std::int32_t value);
std::string encodeBoolean(bool value);

} // namespace dorvane
