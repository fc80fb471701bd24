#include "settings/profile_file.h"

#include "engine/file_descriptor.h"
#include "settings/file_replacement.h"
#include "settings/profile_document.h"
#include "settings/profile_encoding.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvane {
namespace {

enum class LoadStatus { Loaded, Missing, Unreadable };

struct LoadResult
{
    LoadStatus status;
    std::string bytes;
};

LoadResult loadBytes(const std::string &path)
{
    // Non-blocking, so that a FIFO in the file's place cannot hang the program.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return {errno == ENOENT ? LoadStatus::Missing : LoadStatus::Unreadable, {}};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {LoadStatus::Unreadable, {}};

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {LoadStatus::Unreadable, {}};
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {LoadStatus::Loaded, std::move(bytes)};
}

} // namespace

std::string ProfileFile::readString(std::string_view section, std::string_view key) const
{
    LoadResult loaded = loadBytes(m_path);
    if (loaded.status != LoadStatus::Loaded)
        return {};
    const ProfileDocument document(decodeProfileText(std::move(loaded.bytes)).text);
    return document.value(section, key).value_or(std::string());
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    LoadResult loaded = loadBytes(m_path);
    if (loaded.status == LoadStatus::Unreadable)
        return false;
    ProfileText text = decodeProfileText(std::move(loaded.bytes));
    ProfileDocument document(std::move(text.text));
    if (!document.setValue(section, key, value))
        return false;
    text.text = document.takeText();
    const std::optional<std::string> bytes = encodeProfileText(text);
    return bytes && replaceFileContents(m_path, *bytes);
}

} // namespace dorvane
