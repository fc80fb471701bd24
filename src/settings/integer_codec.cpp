#include "settings/integer_codec.h"

namespace dorvane {
namespace {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> parseHexMagnitude(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Magnitudes up to 2^31, so that the most negative value can be written.
std::optional<std::uint32_t> parseDecimalMagnitude(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0x80000000ull)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

bool startsWithHexPrefix(std::string_view text)
{
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::optional<std::int32_t> parseStoredInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);

    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        rest.remove_prefix(1);
    } else if (startsWithHexPrefix(rest)) {
        rest.remove_prefix(2);
    } else {
        const auto magnitude = parseDecimalMagnitude(rest);
        if (!magnitude || (!negative && *magnitude > 0x7FFFFFFFu))
            return std::nullopt;
        const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
        return static_cast<std::int32_t>(bits);
    }
    const auto magnitude = parseHexMagnitude(rest);
    if (!magnitude)
        return std::nullopt;
    // Hexadecimal is a bit pattern: it wraps rather than failing, so "-$80000000" stays minimal.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

std::int32_t decodeInteger(std::string_view text, std::int32_t defaultValue)
{
    std::string normalised(text);
    if (normalised.size() > 2 && startsWithHexPrefix(normalised))
        normalised.replace(0, 2, "$");
    return parseStoredInteger(normalised).value_or(defaultValue);
}

bool decodeBoolean(std::string_view text, bool defaultValue)
{
    return decodeInteger(text, defaultValue ? 1 : 0) != 0;
}

std::string encodeInteger(std::int32_t value)
{
    return std::to_string(value);
}

std::string encodeBoolean(bool value)
{
    return value ? "1" : "0";
}

} // namespace dorvane
