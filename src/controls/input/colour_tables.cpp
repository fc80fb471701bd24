#include "colour_tables.h"

namespace dorvane {

const std::vector<NamedColour> &standardColourTable()
{
    static const std::vector<NamedColour> table = {
        {"clBlack", 0x00000000},
        {"clMaroon", 0x00000080},
        {"clGreen", 0x00008000},
        {"clOlive", 0x00008080},
        {"clNavy", 0x00800000},
        {"clPurple", 0x00800080},
        {"clTeal", 0x00808000},
        {"clGray", 0x00808080},
        {"clSilver", 0x00C0C0C0},
        {"clRed", 0x000000FF},
        {"clLime", 0x0000FF00},
        {"clYellow", 0x0000FFFF},
        {"clBlue", 0x00FF0000},
        {"clFuchsia", 0x00FF00FF},
        {"clAqua", 0x00FFFF00},
        {"clWhite", 0x00FFFFFF},
        {"clMoneyGreen", 0x00C0DCC0},
        {"clSkyBlue", 0x00F0CAA6},
        {"clCream", 0x00F0FBFF},
        {"clMedGray", 0x00A4A0A0},
        {"clActiveBorder", static_cast<int>(0xFF00000Au)},
        {"clActiveCaption", static_cast<int>(0xFF000002u)},
        {"clAppWorkSpace", static_cast<int>(0xFF00000Cu)},
        {"clBackground", static_cast<int>(0xFF000001u)},
        {"clBtnFace", static_cast<int>(0xFF00000Fu)},
        {"clBtnHighlight", static_cast<int>(0xFF000014u)},
        {"clBtnShadow", static_cast<int>(0xFF000010u)},
        {"clBtnText", static_cast<int>(0xFF000012u)},
        {"clCaptionText", static_cast<int>(0xFF000009u)},
        {"clDefault", 0x20000000},
        {"clGradientActiveCaption", static_cast<int>(0xFF00001Bu)},
        {"clGradientInactiveCaption", static_cast<int>(0xFF00001Cu)},
        {"clGrayText", static_cast<int>(0xFF000011u)},
        {"clHighlight", static_cast<int>(0xFF00000Du)},
        {"clHighlightText", static_cast<int>(0xFF00000Eu)},
        {"clHotLight", static_cast<int>(0xFF00001Au)},
        {"clInactiveBorder", static_cast<int>(0xFF00000Bu)},
        {"clInactiveCaption", static_cast<int>(0xFF000003u)},
        {"clInactiveCaptionText", static_cast<int>(0xFF000013u)},
        {"clInfoBk", static_cast<int>(0xFF000018u)},
        {"clInfoText", static_cast<int>(0xFF000017u)},
        {"clMenu", static_cast<int>(0xFF000004u)},
        {"clMenuBar", static_cast<int>(0xFF00001Eu)},
        {"clMenuHighlight", static_cast<int>(0xFF00001Du)},
        {"clMenuText", static_cast<int>(0xFF000007u)},
        {"clNone", 0x1FFFFFFF},
        {"clScrollBar", static_cast<int>(0xFF000000u)},
        {"cl3DDkShadow", static_cast<int>(0xFF000015u)},
        {"cl3DLight", static_cast<int>(0xFF000016u)},
        {"clWindow", static_cast<int>(0xFF000005u)},
        {"clWindowFrame", static_cast<int>(0xFF000006u)},
        {"clWindowText", static_cast<int>(0xFF000008u)},
    };
    return table;
}

const std::vector<NamedColour> &html4ColourTable()
{
    static const std::vector<NamedColour> table = {
        {"Black", 0x000000},  {"Silver", 0xC0C0C0}, {"Gray", 0x808080},   {"White", 0xFFFFFF},
        {"Maroon", 0x000080}, {"Red", 0x0000FF},    {"Purple", 0x800080}, {"Fuchsia", 0xFF00FF},
        {"Green", 0x008000},  {"Lime", 0x00FF00},   {"Olive", 0x008080},  {"Yellow", 0x00FFFF},
        {"Navy", 0x800000},   {"Blue", 0xFF0000},   {"Teal", 0x808000},   {"Aqua", 0xFFFF00},
    };
    return table;
}

QString colourNameIn(const std::vector<NamedColour> &table, int value)
{
    for (const NamedColour &c : table)
        if (c.value == value)
            return QString::fromLatin1(c.name);
    return {};
}

std::optional<int> colourFromIdentifier(QStringView identifier)
{
    for (const NamedColour &c : standardColourTable())
        if (identifier.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    return std::nullopt;
}

std::optional<int> colourFromText(const QString &text)
{
    if (auto named = colourFromIdentifier(text))
        return named;
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (ok)
        return number;
    return std::nullopt;
}

} // namespace dorvane
