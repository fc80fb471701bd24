#include "settings/file_replacement.h"

#include "engine/file_descriptor.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvane {
namespace {

constexpr std::string_view TemporaryMark = ".~";

std::string temporaryFileName(const std::string &target, long processId, int attempt)
{
    return target + std::string(TemporaryMark) + std::to_string(processId) + "-" + std::to_string(attempt);
}

bool writeAllAt(int fd, std::string_view data, off_t offset)
{
    while (!data.empty()) {
        const ssize_t n = ::pwrite(fd, data.data(), data.size(), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
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

enum class Outcome { Written, Failed, NoTemporaryFile };

Outcome replaceThroughTemporaryFile(const std::string &target, std::string_view contents,
                                    const struct stat *existing)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryFileName(target, ::getpid(), attempt);
        // 0666 lets the umask decide for a new file, as any newly created file would.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Outcome::NoTemporaryFile;
    }
    FileDescriptor file(fd);
    if (!file.valid())
        return Outcome::Failed;

    bool ok = true;
    if (existing) {
        ok = ::fchmod(file.get(), existing->st_mode & 07777) == 0;
        // Only a privileged process may hand the file back to its owner; failing is harmless.
        if (ok) {
            const int ignored = ::fchown(file.get(), existing->st_uid, existing->st_gid);
            (void)ignored;
        }
    }
    ok = ok && writeAllAt(file.get(), contents, 0) && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok ? Outcome::Written : Outcome::Failed;
}

// Room for longer contents is claimed first, by writing their tail past the old end, so that a
// full disk leaves the old contents as they were.
bool rewriteInPlace(const std::string &target, std::string_view contents)
{
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const auto oldSize = static_cast<std::size_t>(info.st_size);
    if (contents.size() > oldSize &&
        !writeAllAt(file.get(), contents.substr(oldSize), static_cast<off_t>(oldSize))) {
        const int ignored = ::ftruncate(file.get(), info.st_size);
        (void)ignored;
        return false;
    }
    return writeAllAt(file.get(), contents.substr(0, oldSize), 0) &&
           ::ftruncate(file.get(), static_cast<off_t>(contents.size())) == 0 && ::fsync(file.get()) == 0 &&
           file.close();
}

// The process id in a temporary file's name after "<target>.~", or nothing when the rest of
// the name is not "<digits>-<digits>".
std::optional<long> writerOf(std::string_view suffix)
{
    const std::size_t dash = suffix.find('-');
    const std::string_view id = suffix.substr(0, dash);
    const std::string_view attempt = dash == std::string_view::npos ? std::string_view() : suffix.substr(dash + 1);
    const auto allDigits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!allDigits(id) || id.size() > 9 || !allDigits(attempt) || attempt.size() > 3)
        return std::nullopt;
    const long pid = std::strtol(std::string(id).c_str(), nullptr, 10);
    // Zero would name a process group in the liveness check below.
    return pid > 0 ? std::optional<long>(pid) : std::nullopt;
}

bool processIsRunning(long pid)
{
    return pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

void removeLeftoverTemporaryFiles(const std::string &target, std::chrono::seconds minimumAge)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + std::string(TemporaryMark);

    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const std::optional<long> writer = writerOf(name.substr(prefix.size()));
        if (!writer || processIsRunning(*writer))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
            now - info.st_mtime < minimumAge.count())
            continue;
        ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

bool replaceFileContents(const std::string &path, std::string_view contents)
{
    const std::string target = resolvedTarget(path);
    removeLeftoverTemporaryFiles(target);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // Renaming over a file needs only the folder's permission; the file's own must hold too.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return false;

    switch (replaceThroughTemporaryFile(target, contents, exists ? &existing : nullptr)) {
    case Outcome::Written:
        return true;
    case Outcome::NoTemporaryFile:
        return exists && rewriteInPlace(target, contents);
    case Outcome::Failed:
        break;
    }
    return false;
}

} // namespace dorvane
