#pragma once
// Where the build put the programs a test runs: every test program lives in
// <build>/tests/, the game in <build>/, the tools under <build>/tools/.
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace testfiles {

// "<build>/" + relative, or "" when the test cannot tell where it runs from.
inline std::string InBuildFolder(const std::string& relative)
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return std::string();
    std::string dir(self, static_cast<size_t>(n));
    dir = dir.substr(0, dir.rfind('/'));  // <build>/tests
    dir = dir.substr(0, dir.rfind('/'));  // <build>
    return dir + "/" + relative;
}

// The game executable the display tests start.
inline std::string GamePath() { return InBuildFolder("florpvops"); }

// Why a test that starts the game must skip here, or "" when it can run.
inline std::string WhyTheGameCannotStart()
{
    if (access(GamePath().c_str(), X_OK) != 0) return "the game is not built at " + GamePath();
    if (!std::getenv("DISPLAY")) return "needs a display (run under xvfb-run)";
    return std::string();
}

}  // namespace testfiles
