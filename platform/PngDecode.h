#pragma once
// Private to platform/: the PNG half of PictureDecode.
#include <cstddef>
#include <cstdint>

#include "platform/DecodedPicture.h"

constexpr size_t pngSignatureSize = 8;
bool HasPngSignature(const uint8_t* bytes, size_t size);

// Decodes a whole PNG file held in memory into `picture` (pixels in the
// request's order at the file's size; no stretching). With request.sizeOnly
// only the header is read, and `size` may be just its first bytes. Sets
// status Decoded or Failed with the problem.
void DecodePng(const uint8_t* file, size_t size, const PictureRequest& request,
               DecodedPicture* picture);

// The libpng road for the PNG kinds the fast decoder leaves alone (palette,
// grey, 16-bit, interlaced, a transparent colour key): RGBA bytes of the
// declared size, or false with the problem set.
bool DecodePngWithLibpng(const uint8_t* file, size_t size, int width, int height,
                         DecodedPicture* picture);

// False, with the problem set, for a size no picture may have.
bool PictureSizeAllowed(int64_t width, int64_t height, DecodedPicture* picture);
void SetPictureProblem(DecodedPicture* picture, const char* problem);
