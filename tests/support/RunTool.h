// Running one of the build's command-line tools from a test.
#pragma once

#include <spawn.h>
#include <sys/wait.h>

#include <string>

namespace kirvo::testing {

// Runs the tool with one argument and waits for it; whether it exited with 0.
inline bool RunTool(std::string tool, std::string argument)
{
    char* arguments[] = {tool.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, tool.c_str(), nullptr, nullptr, arguments, nullptr) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kirvo::testing
