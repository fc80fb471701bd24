#include "engine/regular_file.h"

#include "engine/file_descriptor.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvane {

namespace {

const char *kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a directory";
    if (S_ISFIFO(mode))
        return "it is a FIFO";
    if (S_ISSOCK(mode))
        return "it is a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device";
    return "it is not a regular file";
}

std::string tooLarge(std::size_t maxBytes)
{
    const std::size_t mib = std::size_t(1) << 20;
    return "it is larger than the "
        + (maxBytes % mib == 0 ? std::to_string(maxBytes / mib) + " MB" : std::to_string(maxBytes) + " bytes")
        + " it may have";
}

FileContents refused(std::string why)
{
    FileContents contents;
    contents.refusal = std::move(why);
    return contents;
}

} // namespace

FileContents readRegularFile(const std::string &path, std::size_t maxBytes)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return refused(std::strerror(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return refused(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return refused(kindOf(info.st_mode));
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return refused(tooLarge(maxBytes));

    // A file that grows while it is read is read as far as the cap allows, and one byte beyond
    // it tells that it went over.
    FileContents contents;
    contents.bytes.resize(maxBytes < std::size_t(info.st_size) + 65536 ? maxBytes + 1
                                                                       : std::size_t(info.st_size) + 65536);
    std::size_t got = 0;
    while (got < contents.bytes.size()) {
        const ssize_t n = ::read(file.get(), contents.bytes.data() + got, contents.bytes.size() - got);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return refused(std::strerror(errno));
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes)
        return refused(tooLarge(maxBytes));
    contents.bytes.resize(got);
    return contents;
}

} // namespace dorvane
