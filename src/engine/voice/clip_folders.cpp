#include "engine/voice/clip_folders.h"

#include "engine/ascii_case.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace dorvane {

std::vector<std::string> ClipFolders::filesFor(const std::string &storedName) const
{
    namespace fs = std::filesystem;
    const std::string wanted = storedName + ".wav";
    std::vector<std::string> files;
    for (const std::string &folder : m_folders) {
        if (folder.empty())
            continue;
        std::error_code error;
        std::vector<fs::path> matches;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
            // Whatever is there by that name counts, a directory too: it is then reported, not
            // passed over in silence.
            if (sameIgnoringAsciiCase(entry->path().filename().string(), wanted))
                matches.push_back(entry->path());
        }
        if (!matches.empty())
            files.push_back(std::min_element(matches.begin(), matches.end())->string());
    }
    return files;
}

} // namespace dorvane
