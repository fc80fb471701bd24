#pragma once
#include <functional>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace dorvane::test {

// File permissions only hold for a user without privileges: root ignores them.
struct UnprivilegedRun
{
    bool ran = false;       // false: privileges could not be dropped here
    int exitCode = -1;      // what `work` returned
};

// Runs `work` in a child process as a user without privileges: root drops to nobody and
// nogroup with no supplementary groups; anyone else already is such a user. The child must
// only report through its result: 0 for success, any other small number for a failure.
inline UnprivilegedRun runUnprivileged(const std::function<int()> &work)
{
    constexpr int CannotDrop = 125;
    constexpr int Threw = 124;
    const passwd *nobody = ::getpwnam("nobody");
    const group *nogroup = ::getgrnam("nogroup");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nogroup ? nogroup->gr_gid : 65534;

    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 || ::setresuid(uid, uid, uid) != 0))
            ::_exit(CannotDrop);
        if (::geteuid() == 0)
            ::_exit(CannotDrop);
        int result = Threw;
        try {
            result = work();
        } catch (...) {
        }
        ::_exit(result);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    if (!WIFEXITED(status))
        return {true, -1};
    if (WEXITSTATUS(status) == CannotDrop)
        return {};
    return {true, WEXITSTATUS(status)};
}

} // namespace dorvane::test
