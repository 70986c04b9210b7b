#pragma once
// Where the build put the programs a test runs: every test program lives in
// <build>/tests/, the game in <build>/, the tools under <build>/tools/.
#include <unistd.h>

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

}  // namespace testfiles
