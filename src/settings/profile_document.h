#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// The text of a private-profile file ("[Section]" headers followed by "key=value" lines),
// read and edited the way the platform's profile functions do it:
// - section and key names match without regard to ASCII case, and the first of duplicate
//   sections or keys wins;
// - blanks around names and values are ignored, and one pair of matching double or single
//   quotes around a value is removed; there are no inline comments;
// - a line that is not a header and has no "=" (a ";" comment, a blank line) is no key;
// - an edit changes only the line it must, keeping every other byte, line ends included.
class ProfileDocument
{
public:
    // The reader's 2048-byte buffer holds 2047 characters and the terminator.
    static constexpr std::size_t MaxValueLength = 2047;

    explicit ProfileDocument(std::string text = {}) : m_text(std::move(text)) {}

    const std::string &text() const { return m_text; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or adds the key after the last key of
    // its section, or appends the section at the end. New lines take the document's line end,
    // or newDocumentLineEnd when it has none yet. Returns false, changing nothing, when the
    // names or the value cannot be stored as one line of this format.
    bool setValue(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view newDocumentLineEnd = "\n");

private:
    std::string m_text;
};

} // namespace dorvane
