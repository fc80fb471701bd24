#include "settings/profile_file.h"

#include "settings/profile_document.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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
    std::string text;
};

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, reporting the error that a deferred write may only show here.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

LoadResult loadText(const std::string &path)
{
    // Non-blocking, so that a FIFO in the file's place cannot hang the program.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return {errno == ENOENT ? LoadStatus::Missing : LoadStatus::Unreadable, {}};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {LoadStatus::Unreadable, {}};

    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {LoadStatus::Unreadable, {}};
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return {LoadStatus::Loaded, std::move(text)};
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writing through a symbolic link must update the file it points to, not replace the link.
std::string resolvedTarget(const std::string &path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

bool replaceAtomically(const std::string &path, std::string_view contents)
{
    const std::string target = resolvedTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        // 0666 lets the umask decide for a new file, as any newly created file would.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    FileDescriptor file(fd);
    if (!file.valid())
        return false;

    bool ok = true;
    if (exists) {
        ok = ::fchmod(file.get(), existing.st_mode & 07777) == 0;
        // Only a privileged process may hand the file back to its owner; failing is harmless.
        if (ok) {
            const int ignored = ::fchown(file.get(), existing.st_uid, existing.st_gid);
            (void)ignored;
        }
    }
    ok = ok && writeAll(file.get(), contents) && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

} // namespace

std::string ProfileFile::readString(std::string_view section, std::string_view key) const
{
    const LoadResult loaded = loadText(m_path);
    if (loaded.status != LoadStatus::Loaded)
        return {};
    return ProfileDocument(loaded.text).value(section, key).value_or(std::string());
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    LoadResult loaded = loadText(m_path);
    if (loaded.status == LoadStatus::Unreadable)
        return false;
    ProfileDocument document(std::move(loaded.text));
    if (!document.setValue(section, key, value))
        return false;
    return replaceAtomically(m_path, document.text());
}

} // namespace dorvane
