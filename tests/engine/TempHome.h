#pragma once
// A fresh temporary HOME for one test, removed afterwards, so no test ever
// touches the real documents folder.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempHome {
public:
    TempHome()
    {
        char pattern[] = "/tmp/fv-engine-test.XXXXXX";
        const char* dir = mkdtemp(pattern);
        path = dir ? dir : "/tmp";
        const char* old = std::getenv("HOME");
        hadHome = old != nullptr;
        if (old) oldHome = old;
        setenv("HOME", path.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    ~TempHome()
    {
        if (hadHome)
            setenv("HOME", oldHome.c_str(), 1);
        else
            unsetenv("HOME");
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    std::string path;

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
