#include "settings/profile_encoding.h"

#include <cstdint>

namespace dorvane {
namespace {

constexpr std::string_view LittleEndianMark = "\xFF\xFE";
constexpr std::string_view BigEndianMark = "\xFE\xFF";

bool isHighSurrogate(std::uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string &out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void appendUnit(std::string &out, std::uint32_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// Reads one UTF-8 sequence at `i`, surrogates included; nothing for anything malformed.
std::optional<std::uint32_t> nextCodePoint(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    // The sequence's length, the payload bits of its lead byte, and the least code it may carry.
    struct Form
    {
        std::uint8_t mask, pattern;
        std::size_t length;
        std::uint32_t minimum;
    };
    constexpr Form Forms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    const Form *form = nullptr;
    for (const Form &candidate : Forms)
        if ((lead & candidate.mask) == candidate.pattern)
            form = &candidate;
    if (!form)
        return std::nullopt;
    const std::size_t length = form->length;
    std::uint32_t code = lead & static_cast<std::uint8_t>(~form->mask);
    if (text.size() - i < length)
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < form->minimum || code > 0x10FFFF)
        return std::nullopt;
    i += length;
    return code;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string text;
    text.reserve(bytes.size());
    const auto unitAt = [&](std::size_t at) {
        const auto first = static_cast<std::uint8_t>(bytes[at]);
        const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
        return bigEndian ? std::uint32_t(first << 8 | second) : std::uint32_t(second << 8 | first);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

std::optional<std::string> encodeUtf16(std::string_view text, bool bigEndian)
{
    std::string bytes;
    bytes.reserve(2 * text.size() + 2);
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<std::uint32_t> code = nextCodePoint(text, i);
        if (!code)
            return std::nullopt;
        if (*code >= 0x10000) {
            appendUnit(bytes, 0xD800 + ((*code - 0x10000) >> 10), bigEndian);
            appendUnit(bytes, 0xDC00 + ((*code - 0x10000) & 0x3FF), bigEndian);
        } else {
            appendUnit(bytes, *code, bigEndian);
        }
    }
    return bytes;
}

} // namespace

ProfileText decodeProfileText(std::string bytes)
{
    ProfileText decoded;
    const std::string_view mark = std::string_view(bytes).substr(0, 2);
    if (mark != LittleEndianMark && mark != BigEndianMark) {
        decoded.text = std::move(bytes);
        return decoded;
    }
    const bool bigEndian = mark == BigEndianMark;
    decoded.encoding = bigEndian ? ProfileEncoding::Utf16BigEndian : ProfileEncoding::Utf16LittleEndian;
    std::string_view units = std::string_view(bytes).substr(2);
    if (units.size() % 2 != 0) {
        decoded.strayByte = std::string(units.substr(units.size() - 1));
        units.remove_suffix(1);
    }
    decoded.text = decodeUtf16(units, bigEndian);
    return decoded;
}

std::optional<std::string> encodeProfileText(const ProfileText &text)
{
    if (text.encoding == ProfileEncoding::Bytes)
        return text.text;
    const bool bigEndian = text.encoding == ProfileEncoding::Utf16BigEndian;
    std::optional<std::string> units = encodeUtf16(text.text, bigEndian);
    if (!units)
        return std::nullopt;
    return std::string(bigEndian ? BigEndianMark : LittleEndianMark) + *units + text.strayByte;
}

} // namespace dorvane
