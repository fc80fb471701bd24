#include "settings/directory.h"

#include <gtest/gtest.h>

using dorvane::DirectoryOf;
using dorvane::PathStyle;
using dorvane::settingsFilePath;

namespace {

struct DirectoryCase
{
    PathStyle style;
    std::string path;
    std::string directory;
};

TEST(DirectoryOf, FollowsTheSeparatorRulesOfEachPathStyle)
{
    const DirectoryCase cases[] = {
        {PathStyle::Windows, R"(C:\Program Files\Dorvane\Dorvane.exe)", R"(C:\Program Files\Dorvane)"},
        {PathStyle::Windows, R"(C:\Dorvane.exe)", R"(C:\)"},
        {PathStyle::Windows, R"(C:Dorvane.exe)", "C:"},
        {PathStyle::Windows, R"(\Dorvane.exe)", R"(\)"},
        {PathStyle::Windows, R"(\\server\share\Dorvane.exe)", R"(\\server\share)"},
        {PathStyle::Windows, "Dorvane.exe", ""},
        {PathStyle::Windows, "", ""},
        {PathStyle::Posix, "/usr/lib/dorvane/dorvane", "/usr/lib/dorvane"},
        {PathStyle::Posix, "/dorvane", "/"},
        {PathStyle::Posix, "dorvane", ""},
        {PathStyle::Posix, "/opt/a:b/dorvane", "/opt/a:b"},
        {PathStyle::Posix, "/opt/x/a:b", "/opt/x"},
        {PathStyle::Posix, std::string("/opt/x\0/y", 9), "/opt"},
    };
    for (const DirectoryCase &c : cases)
        EXPECT_EQ(DirectoryOf(c.path, c.style), c.directory) << "path: " << c.path;
}

TEST(SettingsFilePath, JoinsTheExecutableDirectoryWithTheFileName)
{
    EXPECT_EQ(settingsFilePath("/usr/lib/dorvane/dorvane", PathStyle::Posix), "/usr/lib/dorvane/Dorvane.Ini");
    EXPECT_EQ(settingsFilePath(R"(D:\Tools\Dorvane.exe)", PathStyle::Windows), R"(D:\Tools\Dorvane.Ini)");
    // A root directory keeps its separator, so the name follows a doubled one.
    EXPECT_EQ(settingsFilePath("/dorvane", PathStyle::Posix), "//Dorvane.Ini");
    EXPECT_EQ(settingsFilePath(R"(C:\Dorvane.exe)", PathStyle::Windows), R"(C:\\Dorvane.Ini)");
}

} // namespace
