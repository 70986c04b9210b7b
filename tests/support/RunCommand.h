#pragma once
// Runs a shell command to its end and keeps what it printed, for tests that
// start the game or a tool as a separate program.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace testfiles {

struct CommandResult {
    int exitCode;        // -1 when it did not exit by itself (killed, or never started)
    std::string output;  // its standard output (add 2>&1 to the command for both)
};

inline CommandResult RunCommand(const std::string& command)
{
    CommandResult result{-1, {}};
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace testfiles
