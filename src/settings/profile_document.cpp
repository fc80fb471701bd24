#include "settings/profile_document.h"

#include "engine/ascii_case.h"

namespace dorvane {
namespace {

// Ctrl-Z is the DOS end-of-file mark that old editors leave after the last line.
bool isBlank(char c)
{
    switch (c) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case '\x1A':
        return true;
    default:
        return false;
    }
}

std::size_t firstNonBlank(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return i;
}

std::string_view trimmed(std::string_view s)
{
    s.remove_prefix(firstNonBlank(s));
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the text: [begin, contentEnd) is its content, [contentEnd, end) its line end.
struct Line
{
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;

    bool isTerminated() const { return end != contentEnd; }
};

// Walks the lines of a text; a line ends at LF, CRLF or a lone CR.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text)
    {
        // A UTF-8 byte-order mark, as some editors save one, is not part of the first line.
        constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
        if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            m_next = ByteOrderMark.size();
    }

    bool next(Line &line)
    {
        const std::size_t size = m_text.size();
        if (m_next >= size)
            return false;
        const char *const data = m_text.data();
        std::size_t i = m_next;
        while (i < size && data[i] != '\n' && data[i] != '\r')
            ++i;
        line.begin = m_next;
        line.contentEnd = i;
        if (i < size)
            i += (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
        line.end = i;
        m_next = i;
        return true;
    }

    std::string_view content(const Line &line) const
    {
        return m_text.substr(line.begin, line.contentEnd - line.begin);
    }

private:
    std::string_view m_text;
    std::size_t m_next = 0;
};

// The name of a header line, or nothing when the line is no header.
std::optional<std::string_view> headerName(std::string_view content)
{
    const std::size_t open = firstNonBlank(content);
    if (open == content.size() || content[open] != '[')
        return std::nullopt;
    const std::size_t close = content.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(content.substr(open + 1, close - open - 1));
}

// A key line. Offsets are into the whole text.
struct KeyEntry
{
    std::string_view name;       // trimmed
    std::size_t nameEnd = 0;     // just after the trimmed name
    bool hasEquals = false;
    std::size_t valueBegin = 0;  // with "=": the first non-blank after it
};

// Reads a line that is not a header as a key, or nothing for a blank or comment line.
std::optional<KeyEntry> keyEntry(std::string_view content, std::size_t contentBegin)
{
    const std::string_view stripped = trimmed(content);
    if (stripped.empty() || stripped.front() == ';')
        return std::nullopt;
    KeyEntry entry;
    const std::size_t equals = content.find('=');
    entry.hasEquals = equals != std::string_view::npos;
    entry.name = entry.hasEquals ? trimmed(content.substr(0, equals)) : stripped;
    entry.nameEnd = contentBegin + static_cast<std::size_t>(entry.name.data() - content.data()) + entry.name.size();
    if (entry.hasEquals)
        entry.valueBegin = contentBegin + equals + 1 + firstNonBlank(content.substr(equals + 1));
    return entry;
}

// The platform's profile functions keep names and values as NUL-terminated strings: a NUL in the
// file ends the name or the value it is in, once the blanks around the whole have gone.
std::string_view beforeNul(std::string_view s)
{
    return s.substr(0, s.find('\0'));
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view firstLineEnd(std::string_view text)
{
    LineReader lines(text);
    Line first;
    if (!lines.next(first) || !first.isTerminated())
        return "\n";
    return text.substr(first.contentEnd, first.end - first.contentEnd);
}

bool hasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Where a section starts and the lines that matter for one key inside it.
struct KeyLocation
{
    std::optional<Line> section;
    std::optional<Line> key;
    KeyEntry keyEntry;
    std::optional<Line> lastKeyInSection;
    std::optional<Line> lastLine; // of the whole text, when the section is missing
};

KeyLocation locate(std::string_view text, std::string_view section, std::string_view key)
{
    KeyLocation found;
    LineReader lines(text);
    Line line;
    bool inSection = false;
    while (lines.next(line)) {
        found.lastLine = line;
        const std::string_view content = lines.content(line);
        if (const std::optional<std::string_view> name = headerName(content)) {
            if (found.section)
                break; // later sections of the same name are never consulted
            inSection = sameIgnoringAsciiCase(beforeNul(*name), section);
            if (inSection)
                found.section = line;
            continue;
        }
        if (!inSection)
            continue;
        if (const std::optional<KeyEntry> entry = keyEntry(content, line.begin)) {
            found.lastKeyInSection = line;
            if (sameIgnoringAsciiCase(beforeNul(entry->name), key)) {
                found.key = line;
                found.keyEntry = *entry;
                break;
            }
        }
    }
    return found;
}

} // namespace

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const
{
    const KeyLocation found = locate(m_text, section, key);
    if (!found.key)
        return std::nullopt;
    if (!found.keyEntry.hasEquals)
        return std::string();
    const std::size_t valueBegin = found.keyEntry.valueBegin;
    const std::string_view raw = std::string_view(m_text).substr(valueBegin, found.key->contentEnd - valueBegin);
    return std::string(unquoted(beforeNul(trimmed(raw))).substr(0, MaxValueLength));
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sectionName = trimmed(section);
    const std::string_view keyName = trimmed(key);
    if (sectionName.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos)
        return false;
    if (keyName.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
        keyName.front() == '[' || keyName.front() == ';')
        return false;
    if (hasLineBreak(value))
        return false;

    const KeyLocation found = locate(m_text, sectionName, keyName);
    if (found.key) {
        const KeyEntry &entry = found.keyEntry;
        const std::size_t contentEnd = found.key->contentEnd;
        if (entry.hasEquals)
            m_text.replace(entry.valueBegin, contentEnd - entry.valueBegin, value);
        else
            m_text.replace(entry.nameEnd, contentEnd - entry.nameEnd, "=" + std::string(value));
        return true;
    }

    const std::string keyLine = std::string(keyName) + '=' + std::string(value);
    if (found.section) {
        const Line &after = found.lastKeyInSection ? *found.lastKeyInSection : *found.section;
        // A last line without a line end stays the last line without one.
        insertLines(after.end, after.isTerminated() ? keyLine + '\n' : '\n' + keyLine);
        return true;
    }

    std::string lines;
    if (const std::optional<Line> &last = found.lastLine) {
        if (!last->isTerminated())
            lines += '\n';
        const std::string_view lastContent = std::string_view(m_text).substr(last->begin, last->contentEnd - last->begin);
        if (!trimmed(lastContent).empty())
            lines += '\n'; // a blank line before the new section
    }
    lines += '[' + std::string(sectionName) + "]\n" + keyLine + '\n';
    insertLines(m_text.size(), lines);
    return true;
}

void ProfileDocument::insertLines(std::size_t at, std::string_view lines)
{
    const std::string_view lineEnd = firstLineEnd(m_text);
    std::string insertion;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != '\n') {
            insertion += lines[i];
            continue;
        }
        const char before = !insertion.empty() ? insertion.back() : at > 0 ? m_text[at - 1] : '\0';
        const char after = i + 1 < lines.size() ? (lines[i + 1] == '\n' ? lineEnd.front() : lines[i + 1])
                           : at < m_text.size() ? m_text[at]
                                                : '\0';
        // A CR before an LF would make the two one line end, swallowing a line; a CRLF never
        // joins with its neighbours.
        const bool wouldJoin = (lineEnd == "\r" && after == '\n') || (lineEnd == "\n" && before == '\r');
        insertion += wouldJoin ? std::string_view("\r\n") : lineEnd;
    }
    m_text.insert(at, insertion);
}

} // namespace dorvane
