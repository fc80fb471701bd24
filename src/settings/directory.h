#pragma once
#include <string>

namespace dorvane {

// Windows paths separate with "\" and may carry a drive ("C:"); POSIX paths use "/" only,
// where ":" is an ordinary file-name character.
enum class PathStyle { Posix, Windows };

#ifdef _WIN32
constexpr PathStyle NativePathStyle = PathStyle::Windows;
#else
constexpr PathStyle NativePathStyle = PathStyle::Posix;
#endif

char separatorOf(PathStyle style);

// The directory part of a file path: everything before the last separator, except that a
// root keeps its separator ("/", "C:\") and a bare drive keeps its colon ("C:").
// The path is taken as a C string, so it ends at its first NUL.
std::string DirectoryOf(const std::string &path, PathStyle style = NativePathStyle);

// The settings file beside the executable: its directory, a separator and "Dorvane.Ini",
// appended unchanged (a root directory therefore gives two separators in a row, which the
// file functions read as one).
std::string settingsFilePath(const std::string &executablePath, PathStyle style = NativePathStyle);

} // namespace dorvane
