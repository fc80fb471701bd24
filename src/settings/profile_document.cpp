#include "settings/profile_document.h"

#include <vector>

namespace dorvane {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

// One line of the text: [begin, contentEnd) is its content, [contentEnd, end) its line end.
struct Line
{
    enum class Kind { Other, Section, Key };

    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    Kind kind = Kind::Other;
    std::string_view name;        // section or key name, trimmed
    std::size_t valueBegin = 0;   // Key lines: first non-blank after "="
};

Line classify(std::string_view text, std::size_t begin, std::size_t contentEnd, std::size_t end)
{
    Line line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.end = end;
    const std::string_view content = text.substr(begin, contentEnd - begin);
    const std::string_view stripped = trimmed(content);
    if (stripped.empty() || stripped.front() == ';')
        return line;
    if (stripped.front() == '[') {
        std::string_view name = stripped.substr(1);
        name = name.substr(0, name.find(']'));
        line.kind = Line::Kind::Section;
        line.name = trimmed(name);
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.kind = Line::Kind::Key;
    line.name = trimmed(content.substr(0, equals));
    std::size_t valueBegin = begin + equals + 1;
    while (valueBegin < contentEnd && isBlank(text[valueBegin]))
        ++valueBegin;
    line.valueBegin = valueBegin;
    return line;
}

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    // A UTF-8 byte-order mark, as some editors save one, is not part of the first line.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    std::size_t begin = text.substr(0, ByteOrderMark.size()) == ByteOrderMark ? ByteOrderMark.size() : 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        std::size_t contentEnd = newline == std::string_view::npos ? text.size() : newline;
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        if (newline != std::string_view::npos && contentEnd > begin && text[contentEnd - 1] == '\r')
            --contentEnd;
        lines.push_back(classify(text, begin, contentEnd, end));
        begin = end;
    }
    return lines;
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view lineEndOf(std::string_view text, std::string_view fallback)
{
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos)
        return fallback;
    return (newline > 0 && text[newline - 1] == '\r') ? "\r\n" : "\n";
}

bool hasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Where a section starts and the lines that matter for one key inside it.
struct KeyLocation
{
    const Line *section = nullptr;
    const Line *key = nullptr;
    const Line *lastKeyInSection = nullptr;
};

KeyLocation locate(const std::vector<Line> &lines, std::string_view section, std::string_view key)
{
    KeyLocation found;
    for (const Line &line : lines) {
        if (line.kind == Line::Kind::Section) {
            if (found.section)
                break; // later sections of the same name are never consulted
            if (sameName(line.name, section))
                found.section = &line;
        } else if (found.section && line.kind == Line::Kind::Key) {
            found.lastKeyInSection = &line;
            if (!found.key && sameName(line.name, key))
                found.key = &line;
        }
    }
    return found;
}

} // namespace

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const
{
    const std::vector<Line> lines = splitLines(m_text);
    const KeyLocation found = locate(lines, section, key);
    if (!found.key)
        return std::nullopt;
    const Line &line = *found.key;
    const std::string_view raw = std::string_view(m_text).substr(line.valueBegin, line.contentEnd - line.valueBegin);
    const std::string_view value = unquoted(trimmed(raw));
    return std::string(value.substr(0, MaxValueLength));
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view newDocumentLineEnd)
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

    const std::string_view lineEnd = lineEndOf(m_text, newDocumentLineEnd);
    const std::vector<Line> lines = splitLines(m_text);
    const KeyLocation found = locate(lines, sectionName, keyName);

    if (found.key) {
        m_text.replace(found.key->valueBegin, found.key->contentEnd - found.key->valueBegin, value);
        return true;
    }

    std::string keyLine = std::string(keyName) + '=' + std::string(value);
    if (found.section) {
        const Line &after = found.lastKeyInSection ? *found.lastKeyInSection : *found.section;
        const bool afterIsUnterminated = after.end == after.contentEnd;
        // A last line without a line end stays the last line without one.
        const std::string insertion = afterIsUnterminated ? std::string(lineEnd) + keyLine
                                                          : keyLine + std::string(lineEnd);
        m_text.insert(after.end, insertion);
        return true;
    }

    if (!m_text.empty()) {
        if (m_text.back() != '\n')
            m_text += lineEnd;
        const std::size_t lastLineBegin = m_text.find_last_of('\n', m_text.size() - 2) + 1;
        if (!trimmed(std::string_view(m_text).substr(lastLineBegin)).empty())
            m_text += lineEnd;
    }
    m_text += '[' + std::string(sectionName) + ']' + std::string(lineEnd) + keyLine + std::string(lineEnd);
    return true;
}

} // namespace dorvane
