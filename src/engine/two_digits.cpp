#include "engine/two_digits.h"

namespace dorvane {

std::string LeftPad(const std::string &text, char fill, int width)
{
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    return std::string(static_cast<std::size_t>(width) - text.size(), fill) + text;
}

std::string TwoDigits(std::int32_t n)
{
    return LeftPad(std::to_string(n), '0', 2);
}

} // namespace dorvane
