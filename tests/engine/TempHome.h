#pragma once
// A fresh temporary HOME for one test, removed afterwards (kept when the test
// failed), so no test ever touches the real documents folder.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TestFiles.h"

class TempHome {
public:
    TempHome()
    {
        const char* old = std::getenv("HOME");
        hadHome = old != nullptr;
        if (old) oldHome = old;
        setenv("HOME", folder.path.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    ~TempHome()
    {
        if (hadHome)
            setenv("HOME", oldHome.c_str(), 1);
        else
            unsetenv("HOME");
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

private:
    testfiles::TempFolder folder{"fv-engine-test."};

public:
    const std::string& path = folder.path;

private:
    bool hadHome = false;
    std::string oldHome;
};

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
