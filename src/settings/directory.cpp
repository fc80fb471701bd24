#include "settings/directory.h"

namespace dorvane {

char separatorOf(PathStyle style)
{
    return style == PathStyle::Windows ? '\\' : '/';
}

std::string DirectoryOf(const std::string &fullPath, PathStyle style)
{
    const std::string path = fullPath.substr(0, fullPath.find('\0'));
    const char separator = separatorOf(style);
    const char *delimiters = style == PathStyle::Windows ? "\\:" : "/";
    const std::size_t last = path.find_last_of(delimiters);
    if (last == std::string::npos)
        return {};
    if (last == 0)
        return path.substr(0, 1);
    if (path[last] == separator) {
        const bool driveRoot = style == PathStyle::Windows && path[last - 1] == ':';
        return path.substr(0, driveRoot ? last + 1 : last);
    }
    return path.substr(0, last + 1); // a drive's colon stays with it
}

std::string settingsFilePath(const std::string &executablePath, PathStyle style)
{
    return DirectoryOf(executablePath, style) + separatorOf(style) + "Dorvane.Ini";
}

} // namespace dorvane
