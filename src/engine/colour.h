#pragma once
#include <cstdint>

namespace dorvane {

// 0x00BBGGRR is a plain colour (red in the low byte); 0xFF0000nn names system colour nn.
// Signed, and every reader and writer handles the full range.
using ColourValue = std::int32_t;

namespace colours {
constexpr ColourValue Cream = 0xF0FBFF;  // 15793151
constexpr ColourValue Yellow = 0x00FFFF; // 65535
constexpr ColourValue Red = 0x0000FF;    // 255
constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Black = 0x000000;
constexpr ColourValue BtnFace = static_cast<ColourValue>(0xFF00000Fu);    // -16777201
constexpr ColourValue WindowText = static_cast<ColourValue>(0xFF000008u);
constexpr ColourValue Window = static_cast<ColourValue>(0xFF000005u);
constexpr ColourValue None = 0x1FFFFFFF;
constexpr ColourValue Default = 0x20000000;
} // namespace colours

constexpr bool isSystemColour(ColourValue c)
{
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

} // namespace dorvane
