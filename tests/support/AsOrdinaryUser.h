// Runs a check as a user without root's right to write anywhere, so that tests of permission
// failures hold when the tests run as root (as they do in CI).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kirvo::testing {

// Runs `check` in a child process, as user "nobody" when this process is root; true when it
// returned true. Folders the child must write in have to be open to everybody.
inline bool AsOrdinaryUser(const std::function<bool()>& check)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kirvo::testing
