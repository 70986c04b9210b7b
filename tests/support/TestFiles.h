#pragma once
// Files the tests make for themselves, so no test depends on the generated
// data folder: fresh temporary folders that go again when their test ends,
// and a tiny grey 24-bit BMP that loads as a picture (each load gets a
// texture id of its own).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace testfiles {

// A new folder "$TMPDIR/<prefix>XXXXXX" (/tmp without TMPDIR); empty when
// it cannot be made.
inline std::string MakeTempDir(const char* prefix)
{
    const char* root = std::getenv("TMPDIR");
    std::string pattern = std::string(root != nullptr && root[0] == '/' ? root : "/tmp") + "/" + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return mkdtemp(buffer.data()) != nullptr ? std::string(buffer.data()) : std::string();
}

// A temporary folder of one test, removed with everything in it when the
// holder goes; a test that failed keeps it on purpose and says where, so
// what the game wrote there can be looked at.
class TempFolder {
public:
    explicit TempFolder(const char* prefix) : path(MakeTempDir(prefix))
    {
        if (path.empty()) ADD_FAILURE() << "no temporary folder could be made for " << prefix;
    }
    ~TempFolder()
    {
        if (path.empty()) return;
        if (::testing::Test::HasFailure()) {
            std::fprintf(stderr, "kept for a look after the failure: %s\n", path.c_str());
            return;
        }
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string path;
};

// Removes the folder when the test program ends (inputs several tests of one
// program share). Only the process that made it removes it: a child forked
// by a test and ended with exit() leaves its parent's folders alone.
inline void RemoveAtExit(const std::string& folder)
{
    struct Folders {
        pid_t owner = getpid();
        std::vector<std::string> list;
        ~Folders()
        {
            if (getpid() != owner) return;
            std::error_code ignored;
            for (const std::string& f : list) std::filesystem::remove_all(f, ignored);
        }
    };
    static Folders folders;
    if (!folder.empty()) folders.list.push_back(folder);
}

// Writes a w x h BMP of one grey level; returns the path, or "" on failure.
inline std::string WriteGreyBmp(const std::string& path, int w, int h, unsigned char grey)
{
    const int row = w * 3, size = 54 + row * h;
    unsigned char header[54] = {'B', 'M'};
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    header[26] = 1;
    header[28] = 24;
    put32(34, row * h);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return std::string();
    std::fwrite(header, 1, sizeof header, f);
    std::vector<unsigned char> pixels(static_cast<size_t>(row * h), grey);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
    return path;
}

// A grey picture in a fresh temporary folder, removed when the test
// program ends.
inline std::string WriteGreyPicture(const char* prefix, int size, unsigned char grey)
{
    const std::string dir = MakeTempDir(prefix);
    RemoveAtExit(dir);
    return dir.empty() ? dir : WriteGreyBmp(dir + "/picture.bmp", size, size, grey);
}

}  // namespace testfiles
