#pragma once
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace dorvane {

// Colour values the picker treats specially (0xFF0000nn are system colour numbers).
namespace colours {
constexpr int clNone = 0x1FFFFFFF;
constexpr int clDefault = 0x20000000;
constexpr int clWindow = static_cast<int>(0xFF000005u);
constexpr int clWindowText = static_cast<int>(0xFF000008u);
constexpr int clBtnFace = static_cast<int>(0xFF00000Fu);
constexpr int clBtnShadow = static_cast<int>(0xFF000010u);
constexpr int clWhite = 0x00FFFFFF;

inline bool isSystemColour(int value)
{
    return (static_cast<unsigned>(value) & 0xFF000000u) == 0xFF000000u;
}
} // namespace colours

struct NamedColour
{
    const char *name;
    int value;
};

// The 52 named colours in the order the prepared list adds them; also the colour identifiers.
const std::vector<NamedColour> &standardColourTable();
// The sixteen HTML 4.01 colour keywords with their RGB values.
const std::vector<NamedColour> &html4ColourTable();

// Name of the first entry of `table` with this value, or an empty string.
QString colourNameIn(const std::vector<NamedColour> &table, int value);
// A colour identifier such as "clRed" (letters compared without regard to case).
std::optional<int> colourFromIdentifier(QStringView identifier);
// The text of an edit value as a colour: an identifier, else a whole signed decimal number.
std::optional<int> colourFromText(const QString &text);

} // namespace dorvane
