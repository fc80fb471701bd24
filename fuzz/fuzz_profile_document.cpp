// Reads and edits arbitrary file texts. Besides the sanitizers' checks: a written value reads
// back, every other key keeps its value, and writing the same value again changes nothing.
#include "settings/profile_document.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

const char *const Sections[] = {"Time", "Voice", "Display", "time", "X"};
const char *const Keys[] = {"Hours", "Yes", "BackGround", "Background", "k"};
constexpr int Names = 5;

bool sameName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return true;
}

struct Snapshot
{
    std::optional<std::string> values[Names][Names];

    explicit Snapshot(const dorvane::ProfileDocument &document)
    {
        for (int s = 0; s < Names; ++s)
            for (int k = 0; k < Names; ++k)
                values[s][k] = document.value(Sections[s], Keys[k]);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using dorvane::ProfileDocument;
    if (size < 1)
        return 0;
    const unsigned choice = data[0];
    const int section = static_cast<int>(choice % Names);
    const int key = static_cast<int>((choice / Names) % Names);
    ProfileDocument document(std::string(reinterpret_cast<const char *>(data) + 1, size - 1));

    const Snapshot before(document);
    for (const auto &row : before.values)
        for (const auto &value : row)
            if (value && value->size() > ProfileDocument::MaxValueLength)
                std::abort();

    const std::string newValue = std::to_string(static_cast<int>(choice) - 128);
    if (!document.setValue(Sections[section], Keys[key], newValue, (choice & 1) ? "\r\n" : "\n"))
        std::abort(); // these names are always storable
    const Snapshot after(document);
    for (int s = 0; s < Names; ++s)
        for (int k = 0; k < Names; ++k) {
            const bool written = sameName(Sections[s], Sections[section]) && sameName(Keys[k], Keys[key]);
            if (written ? after.values[s][k] != newValue : after.values[s][k] != before.values[s][k])
                std::abort();
        }

    const std::string once = document.text();
    if (!document.setValue(Sections[section], Keys[key], newValue) || document.text() != once)
        std::abort();
    return 0;
}
