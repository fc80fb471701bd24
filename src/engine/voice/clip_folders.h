#pragma once
#include <string>
#include <vector>

namespace dorvane {

// The folders of the user's own voice clips. A file named after a clip ("FIFTEENSOUND.wav",
// in any mix of cases) is played instead of the built-in clip. The folders are searched in
// the order given and looked at again at each play, so a clip dropped in takes effect at once.
class ClipFolders
{
public:
    ClipFolders() = default;
    explicit ClipFolders(std::vector<std::string> folders) : m_folders(std::move(folders)) {}

    // The files for a clip's stored name, in search order: at most one a folder (the first by
    // name, should a folder hold several spellings), whatever kind of file it is. Missing or
    // unreadable folders give none.
    std::vector<std::string> filesFor(const std::string &storedName) const;

    const std::vector<std::string> &folders() const { return m_folders; }

private:
    std::vector<std::string> m_folders;
};

} // namespace dorvane
