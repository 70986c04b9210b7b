#pragma once
// Files the tests make for themselves, so no test depends on the generated
// data folder: a fresh temporary folder, and a tiny grey 24-bit BMP that loads
// as a picture (each load gets a texture id of its own).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace testfiles {

// A new folder "/tmp/<prefix>XXXXXX"; empty when it cannot be made.
inline std::string MakeTempDir(const char* prefix)
{
    std::string pattern = std::string("/tmp/") + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return mkdtemp(buffer.data()) != nullptr ? std::string(buffer.data()) : std::string();
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

// A grey picture in a fresh temporary folder.
inline std::string WriteGreyPicture(const char* prefix, int size, unsigned char grey)
{
    const std::string dir = MakeTempDir(prefix);
    return dir.empty() ? dir : WriteGreyBmp(dir + "/picture.bmp", size, size, grey);
}

}  // namespace testfiles
