#pragma once
#include <cstddef>
#include <string_view>

namespace dorvane {

// Whether two names are the same with ASCII letters compared without regard to case; every
// other byte must match exactly.
inline bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

} // namespace dorvane
