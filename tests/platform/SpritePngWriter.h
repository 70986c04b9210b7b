#pragma once
// Small RGBA PNG files for the picture tests (through the harness's writer),
// so tests make their own pictures.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/harness/PngFile.h"

namespace testpng {

// argb: width * height words, row after row from the top.
inline bool WritePng(const std::string& path, int width, int height,
                     const std::vector<uint32_t>& argb) {
    return WritePngFile(path.c_str(), argb.data(), width, height);
}

// A picture whose every pixel tells its own position: red = x, green = y,
// blue = 0x5A, opaque (for sides up to 256).
inline std::vector<uint32_t> PositionPicture(int width, int height) {
    std::vector<uint32_t> argb(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            argb[size_t(y) * width + x] = 0xFF000000u | uint32_t(x & 0xFF) << 16 |
                                          uint32_t(y & 0xFF) << 8 | 0x5Au;
    return argb;
}

inline std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir && dir[0] ? dir : "/tmp";
    return path + "/fv_test_" + std::to_string(long(getpid())) + "_" + name;
}

}  // namespace testpng
