#include "settings/share_tokens.h"

#include "engine/file_descriptor.h"
#include "engine/regular_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvane {

namespace {

constexpr std::size_t kTokenBytes = 16; // 128 bits
constexpr std::size_t kMaxFileBytes = 4096;
constexpr const char *ViewKey = "view=";
constexpr const char *ControlKey = "control=";

std::optional<std::string> randomToken()
{
    unsigned char bytes[kTokenBytes];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        got += static_cast<std::size_t>(n);
    }
    static const char digits[] = "0123456789abcdef";
    std::string token;
    for (const unsigned char byte : bytes) {
        token += digits[byte >> 4];
        token += digits[byte & 0xf];
    }
    return token;
}

bool isToken(const std::string &text)
{
    if (text.size() != kTokenBytes * 2)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

bool writeAll(int fd, const std::string &text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::optional<ShareTokens> newShareTokens()
{
    std::optional<std::string> view = randomToken();
    std::optional<std::string> control = randomToken();
    if (!view || !control)
        return std::nullopt;
    return ShareTokens{*view, *control};
}

std::optional<ShareTokens> readShareTokens(const std::string &path, std::string &refusal)
{
    refusal.clear();
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
        return std::nullopt;
    const FileContents contents = readRegularFile(path, kMaxFileBytes);
    if (!contents.read()) {
        refusal = contents.refusal;
        return std::nullopt;
    }
    ShareTokens tokens;
    std::size_t start = 0;
    while (start < contents.bytes.size()) {
        std::size_t end = contents.bytes.find('\n', start);
        if (end == std::string::npos)
            end = contents.bytes.size();
        std::string line = contents.bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind(ViewKey, 0) == 0)
            tokens.view = line.substr(std::strlen(ViewKey));
        else if (line.rfind(ControlKey, 0) == 0)
            tokens.control = line.substr(std::strlen(ControlKey));
        start = end + 1;
    }
    if (!isToken(tokens.view) || !isToken(tokens.control) || tokens.view == tokens.control) {
        refusal = "it does not hold two tokens";
        return std::nullopt;
    }
    // A file someone opened to others is closed again; the tokens in it stay valid, as the user
    // may have handed out their links already.
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        ::chmod(path.c_str(), S_IRUSR | S_IWUSR);
    return tokens;
}

bool writeShareTokens(const std::string &path, const ShareTokens &tokens)
{
    if (!isToken(tokens.view) || !isToken(tokens.control))
        return false;
    const std::string temporary = path + ".~" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!file.valid())
        return false;
    // The mode given at creation is narrowed by the umask, never widened; this makes sure the
    // owner can still read it back, and no one else.
    const std::string text = std::string(ViewKey) + tokens.view + "\n" + ControlKey + tokens.control + "\n";
    const bool written = ::fchmod(file.get(), S_IRUSR | S_IWUSR) == 0 && writeAll(file.get(), text)
        && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<ShareTokens> loadOrCreateShareTokens(const std::string &path, std::string &error)
{
    std::string refusal;
    if (std::optional<ShareTokens> kept = readShareTokens(path, refusal))
        return kept;
    std::optional<ShareTokens> fresh = newShareTokens();
    if (!fresh) {
        error = "no random numbers for the links' keys";
        return std::nullopt;
    }
    if (!writeShareTokens(path, *fresh)) {
        error = "cannot write the links' keys to " + path + (refusal.empty() ? "" : " (" + refusal + ")");
        return std::nullopt;
    }
    return fresh;
}

} // namespace dorvane
