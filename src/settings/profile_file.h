#pragma once
#include <string>
#include <string_view>

namespace dorvane {

// A private-profile file on disk (see ProfileDocument for the format, ProfileText for the
// encodings). Every read loads the file afresh; a missing or unreadable file reads as empty.
// Every write goes through replaceFileContents: atomic where the folder allows it, and never
// over a file the user may not write.
class ProfileFile
{
public:
    explicit ProfileFile(std::string path) : m_path(std::move(path)) {}

    const std::string &path() const { return m_path; }

    // The stored value, or empty text when the file, section or key is absent.
    std::string readString(std::string_view section, std::string_view key) const;

    // Creates the file, section and key as needed. False when the write cannot be made; the
    // file is then left as it was. An existing file that cannot be read is never overwritten,
    // since that would throw away every other line in it.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string m_path;
};

} // namespace dorvane
