// Reads and edits arbitrary settings files. Besides the sanitizers' checks, every read and
// write is held against a small model of the format written apart from the real reader:
// - every value read agrees with the model, before and after the write;
// - the written value reads back, every other key keeps its value, and writing the same value
//   again changes nothing;
// - no line is lost or changed: the old lines, each with its own line end, are all still there
//   in order, apart from the one key line that was replaced, and the only new lines are the
//   key, its section header and a blank line before it, ending as the first line does (or in
//   CRLF where that would swallow a neighbouring line end);
// - a file's encoding survives the edit, and an untouched file encodes back byte for byte.
#include "settings/profile_document.h"
#include "settings/profile_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using dorvane::ProfileDocument;
using dorvane::ProfileText;

// --- The model -------------------------------------------------------------------------

struct ModelLine
{
    std::string content;
    std::string ending;
    bool operator==(const ModelLine &o) const { return content == o.content && ending == o.ending; }
};

std::vector<ModelLine> modelLines(std::string text)
{
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    std::vector<ModelLine> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", at);
        ModelLine line;
        line.content = text.substr(at, stop == std::string::npos ? std::string::npos : stop - at);
        if (stop == std::string::npos) {
            at = text.size();
        } else {
            line.ending = text.compare(stop, 2, "\r\n") == 0 ? "\r\n" : text.substr(stop, 1);
            at = stop + line.ending.size();
        }
        lines.push_back(line);
    }
    return lines;
}

bool modelBlank(char c)
{
    return c != '\0' && std::strchr(" \t\v\f\r\n\x1A", c) != nullptr;
}

std::string modelTrim(const std::string &s)
{
    std::size_t first = 0, last = s.size();
    while (first < last && modelBlank(s[first]))
        ++first;
    while (last > first && modelBlank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

bool modelSame(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'a' && a[i] <= 'z') ? char(a[i] - 32) : a[i];
        const char y = (b[i] >= 'a' && b[i] <= 'z') ? char(b[i] - 32) : b[i];
        if (x != y)
            return false;
    }
    return true;
}

// What a line says: a header, a key, or nothing (a blank or comment line).
struct ModelEntry
{
    enum Kind { Nothing, Header, Key } kind = Nothing;
    std::string name;
    std::optional<std::string> value; // a key without "=" has none: it reads as empty
};

// Names and values are NUL-terminated strings to the platform: a NUL ends them.
std::string modelBeforeNul(const std::string &s)
{
    return s.substr(0, s.find('\0'));
}

ModelEntry modelEntry(const ModelLine &line)
{
    ModelEntry entry;
    const std::string t = modelTrim(line.content);
    if (!t.empty() && t[0] == '[' && t.find(']') != std::string::npos) {
        entry.kind = ModelEntry::Header;
        entry.name = modelBeforeNul(modelTrim(t.substr(1, t.rfind(']') - 1)));
    } else if (!t.empty() && t[0] != ';') {
        entry.kind = ModelEntry::Key;
        const std::size_t equals = t.find('=');
        entry.name = modelBeforeNul(equals == std::string::npos ? t : modelTrim(t.substr(0, equals)));
        if (equals != std::string::npos) {
            std::string value = modelBeforeNul(modelTrim(t.substr(equals + 1)));
            if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
                value = value.substr(1, value.size() - 2);
            entry.value = value.substr(0, ProfileDocument::MaxValueLength);
        }
    }
    return entry;
}

std::vector<ModelEntry> modelEntries(const std::string &text)
{
    std::vector<ModelEntry> entries;
    for (const ModelLine &line : modelLines(text))
        entries.push_back(modelEntry(line));
    return entries;
}

// The first key of that name in the first section of that name.
std::optional<std::string> modelValue(const std::vector<ModelEntry> &entries, const std::string &section,
                                      const std::string &key)
{
    bool inside = false, seen = false;
    for (const ModelEntry &entry : entries) {
        if (entry.kind == ModelEntry::Header) {
            if (seen)
                return std::nullopt;
            inside = seen = modelSame(entry.name, section);
        } else if (inside && entry.kind == ModelEntry::Key && modelSame(entry.name, key)) {
            return entry.value.value_or(std::string());
        }
    }
    return std::nullopt;
}

// --- The checks ------------------------------------------------------------------------

#define check(condition)                                                                                       \
    do {                                                                                                       \
        if (!(condition)) {                                                                                    \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition);                       \
            std::abort();                                                                                      \
        }                                                                                                      \
    } while (false)

const char *const WrittenSections[] = {"Time", "Voice", "Display", "time", "X"};
const char *const WrittenKeys[] = {"Hours", "Yes", "BackGround", "Background", "k"};
// Read only: names that only odd lines could give.
const char *const ReadSections[] = {"Time", "Voice", "Display", "time", "X", "Time]", ""};
const char *const ReadKeys[] = {"Hours", "Yes", "BackGround", "Background", "k", "[x", ";c", ""};

constexpr int ReadSectionCount = sizeof ReadSections / sizeof *ReadSections;
constexpr int ReadKeyCount = sizeof ReadKeys / sizeof *ReadKeys;

// What the model reads for every pair of names.
struct ModelReads
{
    std::optional<std::string> values[ReadSectionCount][ReadKeyCount];

    explicit ModelReads(const std::string &text)
    {
        const std::vector<ModelEntry> entries = modelEntries(text);
        for (int s = 0; s < ReadSectionCount; ++s)
            for (int k = 0; k < ReadKeyCount; ++k)
                values[s][k] = modelValue(entries, ReadSections[s], ReadKeys[k]);
    }
};

void checkReadsAgainstModel(const ProfileDocument &document, const ModelReads &model)
{
    for (int s = 0; s < ReadSectionCount; ++s)
        for (int k = 0; k < ReadKeyCount; ++k)
            check(document.value(ReadSections[s], ReadKeys[k]) == model.values[s][k]);
}

// The old lines are all in the new text, in order; the new ones are only those a write adds.
void checkLinesKept(const std::string &before, const std::string &after, const std::string &section,
                    const std::string &key, const std::string &value, bool keyExisted)
{
    const std::vector<ModelLine> oldLines = modelLines(before), newLines = modelLines(after);
    check((before.compare(0, 3, "\xEF\xBB\xBF") == 0) == (after.compare(0, 3, "\xEF\xBB\xBF") == 0));
    const std::string firstEnd = oldLines.empty() || oldLines[0].ending.empty() ? "\n" : oldLines[0].ending;
    const auto newEnding = [&](const std::string &ending) { return ending == firstEnd || ending == "\r\n"; };

    if (keyExisted) {
        check(newLines.size() == oldLines.size());
        int changed = 0;
        for (std::size_t i = 0; i < oldLines.size(); ++i)
            if (!(oldLines[i] == newLines[i])) {
                ++changed;
                check(newLines[i].ending == oldLines[i].ending);
            }
        check(changed <= 1);
        return;
    }

    std::size_t matched = 0;
    int keyLines = 0, headers = 0, blanks = 0;
    for (const ModelLine &line : newLines) {
        if (matched < oldLines.size()) {
            const ModelLine &old = oldLines[matched];
            const bool lastGainedEnd = matched + 1 == oldLines.size() && old.ending.empty() &&
                                       line.content == old.content && newEnding(line.ending);
            if (line == old || lastGainedEnd) {
                ++matched;
                continue;
            }
        }
        // A key added after a last line without a line end stays the last line without one.
        const bool staysUnterminated = line.ending.empty() && &line == &newLines.back() &&
                                       !oldLines.empty() && oldLines.back().ending.empty();
        check(newEnding(line.ending) || staysUnterminated);
        if (line.content == key + "=" + value)
            ++keyLines;
        else if (line.content == "[" + section + "]")
            ++headers;
        else if (line.content.empty())
            ++blanks;
        else
            check(false);
    }
    check(matched == oldLines.size());
    check(keyLines == 1 && headers <= 1 && blanks <= headers);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const unsigned choice = data[0];
    const std::string section = WrittenSections[choice % 5];
    const std::string key = WrittenKeys[(choice / 5) % 5];
    const std::string value = std::to_string(static_cast<int>(choice) - 128);
    const std::string bytes(reinterpret_cast<const char *>(data) + 1, size - 1);

    ProfileText text = dorvane::decodeProfileText(bytes);
    check(dorvane::encodeProfileText(text) == bytes);

    ProfileDocument document(text.text);
    const ModelReads before(text.text);
    checkReadsAgainstModel(document, before);
    const bool keyExisted = modelValue(modelEntries(text.text), section, key).has_value();

    check(document.setValue(section, key, value)); // these names are always storable
    const ModelReads after(document.text());
    checkReadsAgainstModel(document, after);
    check(modelValue(modelEntries(document.text()), section, key) == value);
    for (int s = 0; s < ReadSectionCount; ++s)
        for (int k = 0; k < ReadKeyCount; ++k)
            if (!(modelSame(ReadSections[s], section) && modelSame(ReadKeys[k], key)))
                check(after.values[s][k] == before.values[s][k]);
    checkLinesKept(text.text, document.text(), section, key, value, keyExisted);

    const std::string once = document.text();
    check(document.setValue(section, key, value) && document.text() == once);

    ProfileText edited = text;
    edited.text = once;
    const std::optional<std::string> written = dorvane::encodeProfileText(edited);
    check(written.has_value());
    const ProfileText reread = dorvane::decodeProfileText(*written);
    check(reread.encoding == text.encoding && reread.text == once);
    return 0;
}
