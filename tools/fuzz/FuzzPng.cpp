// Any bytes as a PNG file, through the game's own reader and the libpng road
// behind it: a picture is either refused with a reason and no pixels, or
// decoded to exactly its declared size, every pixel readable.
#include <cstdint>
#include <cstring>

#include "platform/PictureDecode.h"
#include "platform/PngDecode.h"

#include <libdeflate.h>

namespace {

void Check(const uint8_t* data, size_t size, PixelOrder order, bool sizeOnly)
{
    PictureRequest request;
    request.order = order;
    request.sizeOnly = sizeOnly;
    DecodedPicture picture;
    DecodePng(data, size, request, &picture);
    if (picture.status == PictureStatus::Failed) {
        if (picture.pixels != nullptr || picture.problem[0] == '\0') __builtin_trap();
        return;
    }
    if (picture.status != PictureStatus::Decoded) __builtin_trap();
    if (picture.width <= 0 || picture.height <= 0 || picture.width > maxPictureSide ||
        picture.height > maxPictureSide ||
        int64_t(picture.width) * picture.height > maxPicturePixels)
        __builtin_trap();
    if (sizeOnly) {
        if (picture.pixels != nullptr) __builtin_trap();
        return;
    }
    if (picture.pixels == nullptr || picture.order != order) __builtin_trap();
    // Reads every byte, so the sanitizer sees a buffer shorter than its size.
    const size_t bytes = size_t(picture.width) * size_t(picture.height) * 4;
    uint8_t sum = 0;
    for (size_t i = 0; i < bytes; ++i) sum ^= picture.pixels[i];
    volatile uint8_t keep = sum;
    (void)keep;
    FreeDecodedPicture(&picture);
}

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// A mutated chunk almost never keeps a fitting checksum, and the reader
// stops at the first that does not fit: give every whole chunk a fitting
// one, so the mutations reach the inflater, the row filters and libpng.
void FitChecksums(uint8_t* file, size_t size)
{
    size_t pos = pngSignatureSize;
    while (pos + 12 <= size) {
        const uint32_t length = BigEndian32(file + pos);
        if (length > size - pos - 12) return;
        const uint32_t crc = libdeflate_crc32(0, file + pos + 4, size_t(length) + 4);
        uint8_t* at = file + pos + 8 + length;
        at[0] = uint8_t(crc >> 24);
        at[1] = uint8_t(crc >> 16);
        at[2] = uint8_t(crc >> 8);
        at[3] = uint8_t(crc);
        pos += size_t(length) + 12;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The signature is the one part a mutation rarely keeps: put it first,
    // so the fuzzer spends its time in the chunks. The copy holds exactly
    // the file's bytes, so a read past its end is caught.
    static const uint8_t signature[pngSignatureSize] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const size_t prefix = HasPngSignature(data, size) ? 0 : pngSignatureSize;
    uint8_t* file = new uint8_t[prefix + size];
    std::memcpy(file, signature, prefix);
    if (size > 0) std::memcpy(file + prefix, data, size);
    Check(file, prefix + size, PixelOrder::Rgba, false);
    Check(file, prefix + size, PixelOrder::Argb, false);
    Check(file, prefix + size, PixelOrder::Rgba, true);
    FitChecksums(file, prefix + size);
    Check(file, prefix + size, PixelOrder::Rgba, false);
    Check(file, prefix + size, PixelOrder::Argb, false);
    delete[] file;
    return 0;
}
