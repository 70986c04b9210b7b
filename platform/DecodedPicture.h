#pragma once
// A picture file decoded into plain memory, and what was asked of the
// decoding (platform/PictureDecode.h reads the files).
#include <cstdint>

// Largest picture accepted: 8192 x 8192 pixels in all, up to 16384 on a side
// (a collision picture may run 15 tiles of 1024 across).
constexpr int maxPictureSide = 16384;
constexpr int64_t maxPicturePixels = int64_t(8192) * 8192;

enum class PixelOrder : uint8_t {
    Rgba,  // bytes R, G, B, A (what the graphics card takes)
    Argb,  // 32-bit words, alpha in the top byte (what the game samples)
};

struct PictureRequest {
    PixelOrder order = PixelOrder::Rgba;
    // Scale the pixels up to the next powers of two on each side (bilinear),
    // as textures are.
    bool powerOfTwo = false;
    // Only the size is wanted (the recording sprite batch draws nothing).
    bool sizeOnly = false;
};

enum class PictureStatus : uint8_t {
    Decoded,       // the size, and the pixels unless only the size was asked for
    Failed,        // nothing usable; `problem` says why (empty for a missing file)
    OnGameThread,  // a format left to the window library: finish on the game thread
};

struct DecodedPicture {
    PictureStatus status = PictureStatus::Failed;
    int32_t fileWidth = 0, fileHeight = 0;  // as the file declares
    int32_t width = 0, height = 0;          // of `pixels` (powers of two when asked)
    uint8_t* pixels = nullptr;              // width * height * 4 bytes, or null
    PixelOrder order = PixelOrder::Rgba;    // of `pixels`
    char problem[96] = {};                  // e.g. "is cut short or damaged"
};
