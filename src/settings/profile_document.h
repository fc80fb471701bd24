#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// The text of a private-profile file ("[Section]" headers followed by "key=value" lines),
// read and edited the way the platform's profile functions do it:
// - a line ends at LF, CRLF or a lone CR;
// - blanks are space, tab, vertical tab, form feed, Ctrl-Z and the line-end characters;
// - a header is a line whose first non-blank character is "[" and that holds a "]"; its name
//   lies between that "[" and the last "]", blanks trimmed;
// - any other line that is neither blank nor a ";" comment is a key: the text before its first
//   "=" names it, the rest is its value; a line without "=" is its whole text as a key with an
//   empty value;
// - section and key names match without regard to ASCII case, and the first of duplicate
//   sections or keys wins;
// - blanks around values are ignored, and one pair of matching double or single quotes
//   around a value is removed; there are no inline comments;
// - a NUL ends a name or a value (after the blanks around the whole were trimmed), so
//   "Mins=7<NUL>junk" reads 7 and "Mi<NUL>ns=5" is the key "Mi";
// - an edit changes only the line it must, keeping every other byte, line ends included.
class ProfileDocument
{
public:
    // The reader's 2048-byte buffer holds 2047 characters and the terminator.
    static constexpr std::size_t MaxValueLength = 2047;

    explicit ProfileDocument(std::string text = {}) : m_text(std::move(text)) {}

    const std::string &text() const { return m_text; }
    std::string takeText() { return std::move(m_text); }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or adds the key after the last key of
    // its section, or appends the section at the end. New lines end as the document's first
    // line does (LF when it has none). Returns false, changing nothing, when the names or the
    // value cannot be stored as one line of this format.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

private:
    // Inserts lines at a position; each "\n" in `lines` stands for a new line's end.
    void insertLines(std::size_t at, std::string_view lines);

    std::string m_text;
};

} // namespace dorvane
