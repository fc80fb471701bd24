// Checks the stored-integer reader against a plain reading of the same rules.
#include "settings/integer_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isDecimal(const std::string &s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool isHex(const std::string &s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

// nullopt-like: returns false when the text is not an integer.
bool reference(const std::string &text, std::int64_t &out)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    std::string rest = text.substr(i);
    std::string hex;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X'))
        hex = rest.substr(1);
    else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        hex = rest.substr(2);
    else {
        if (!isDecimal(rest))
            return false;
        const std::size_t firstSignificant = rest.find_first_not_of('0');
        if (firstSignificant != std::string::npos && rest.size() - firstSignificant > 10)
            return false;
        const long long magnitude = std::strtoll(rest.c_str(), nullptr, 10);
        out = negative ? -magnitude : magnitude;
        return out >= INT32_MIN && out <= INT32_MAX;
    }
    if (!isHex(hex))
        return false;
    const std::size_t firstSignificant = hex.find_first_not_of('0');
    if (firstSignificant != std::string::npos && hex.size() - firstSignificant > 8)
        return false;
    std::uint32_t bits = static_cast<std::uint32_t>(std::strtoull(hex.c_str(), nullptr, 16));
    if (negative)
        bits = 0u - bits;
    out = static_cast<std::int32_t>(bits);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const auto parsed = dorvane::parseStoredInteger(text);
    std::int64_t expected = 0;
    const bool accepted = reference(text, expected);
    if (parsed.has_value() != accepted || (accepted && *parsed != expected))
        std::abort();

    if (parsed) {
        const std::string written = dorvane::encodeInteger(*parsed);
        if (dorvane::decodeInteger(written, 0) != *parsed)
            std::abort();
    }
    // The "0x" rewrite before parsing never changes what a text means.
    if (dorvane::decodeInteger(text, 12345) != parsed.value_or(12345))
        std::abort();
    return 0;
}
