#pragma once
// Display tests that run one side in a child process (the test program
// started again with one test selected) and play the player from the parent.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace testfiles {

// Waits up to `seconds` for the child to end; true when it exited with 0.
// The pid is set to -1 once the child is reaped, so a tear-down that kills
// what is left never hits another process.
inline bool ChildEndedWell(pid_t* pid, double seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (*pid > 0) {
        if (waitpid(*pid, &status, WNOHANG) == *pid) {
            *pid = -1;
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace testfiles
