#include "variant.h"

#include "error.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace dorvane {

namespace {
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t checkedNarrow(std::int64_t v)
{
    if (v < kMin || v > kMax)
        throw Error("Range check error");
    return static_cast<std::int32_t>(v);
}
} // namespace

std::int32_t toInt32(const Variant &v)
{
    if (v.isEmpty())
        return 0;
    if (v.isNull())
        throw Error("Invalid variant type conversion");
    if (v.isInteger())
        return checkedNarrow(v.integer());
    if (v.isDouble()) {
        const double d = v.real();
        if (!std::isfinite(d))
            throw Error("Invalid variant type conversion");
        const double rounded = std::nearbyint(d); // default mode: halves to even
        if (rounded < static_cast<double>(kMin) || rounded > static_cast<double>(kMax))
            throw Error("Range check error");
        return static_cast<std::int32_t>(rounded);
    }
    const std::string &s = v.string();
    errno = 0;
    char *end = nullptr;
    const long long n = std::strtoll(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0')
        throw Error("Invalid variant type conversion");
    if (errno == ERANGE)
        throw Error("Range check error");
    return checkedNarrow(n);
}

} // namespace dorvane
