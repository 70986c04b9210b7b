#include "platform/PictureDecode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/FileAccess.h"
#include "platform/PngDecode.h"
#include "platform/SfmlContext.h"

namespace {

// No picture the game may show is stored in a file this large.
constexpr int64_t maxPictureFileBytes = int64_t(512) << 20;
// Enough of the file for either header.
constexpr size_t headerBytes = 64;

const char* const cutShort = "is cut short or damaged";

uint32_t LittleEndian32(const uint8_t* p)
{
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

uint32_t LittleEndian16(const uint8_t* p) { return uint32_t(p[1]) << 8 | p[0]; }

// Opens and reads a regular file (all of it, or its first bytes) through the
// guarded open. A missing file fails without a problem, as a missing picture
// is an ordinary case; a folder, a pipe or a device is refused without
// waiting on it.
uint8_t* ReadPictureBytes(const char* path, bool headerOnly, size_t* got, int64_t* fileSize,
                          DecodedPicture* picture)
{
    GameFile file;
    const FileRead opened = OpenGameFile(path, maxPictureFileBytes, &file);
    if (opened != FileRead::Ok) {
        if (opened == FileRead::TooLarge)
            SetPictureProblem(picture, "is too large a file for a picture");
        else if (opened != FileRead::Missing)
            SetPictureProblem(picture, DescribeFileRead(opened));
        return nullptr;
    }
    *fileSize = static_cast<int64_t>(file.size);
    size_t want = static_cast<size_t>(file.size);
    if (headerOnly && want > headerBytes) want = headerBytes;
    uint8_t* bytes = static_cast<uint8_t*>(std::malloc(want > 0 ? want : 1));
    if (bytes == nullptr) {
        CloseGameFile(&file);
        SetPictureProblem(picture, "cannot be read: out of memory");
        return nullptr;
    }
    *got = ReadGameFileAt(file, 0, bytes, want);
    CloseGameFile(&file);
    return bytes;
}

// The size of a BMP picture from its header; the window library decodes
// the pixels later on the game thread. An uncompressed BMP shorter than its
// rows is refused here, since that decoder would read it as far as it goes.
void ReadBmpHeader(const uint8_t* b, size_t got, int64_t fileSize, DecodedPicture* picture)
{
    if (got < 26) {
        SetPictureProblem(picture, cutShort);
        return;
    }
    const uint32_t pixelOffset = LittleEndian32(b + 10);
    const uint32_t infoSize = LittleEndian32(b + 14);
    int64_t width = 0, height = 0;
    uint32_t bitsPerPixel = 0, compression = 0;
    if (infoSize == 12) {
        width = LittleEndian16(b + 18);
        height = LittleEndian16(b + 20);
        bitsPerPixel = LittleEndian16(b + 24);
    } else if (infoSize >= 40 && got >= 34) {
        width = static_cast<int32_t>(LittleEndian32(b + 18));
        height = static_cast<int32_t>(LittleEndian32(b + 22));
        bitsPerPixel = LittleEndian16(b + 28);
        compression = LittleEndian32(b + 30);
    } else {
        SetPictureProblem(picture, "is not a valid BMP picture");
        return;
    }
    if (height < 0) height = -height;  // rows stored from the top
    if (width <= 0 || height <= 0) {
        SetPictureProblem(picture, "is not a valid BMP picture");
        return;
    }
    if (!PictureSizeAllowed(width, height, picture)) return;
    if (compression == 0 || compression == 3) {
        const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        if (fileSize < int64_t(pixelOffset) + rowBytes * height) {
            SetPictureProblem(picture, cutShort);
            return;
        }
    }
    picture->fileWidth = picture->width = static_cast<int32_t>(width);
    picture->fileHeight = picture->height = static_cast<int32_t>(height);
    picture->status = PictureStatus::OnGameThread;
}

// Scales the held pixels up to powers of two when asked and needed.
void MakePowerOfTwo(const PictureRequest& request, DecodedPicture* picture)
{
    if (!request.powerOfTwo) return;
    const int width = NextPowerOfTwo(picture->fileWidth);
    const int height = NextPowerOfTwo(picture->fileHeight);
    if (width == picture->width && height == picture->height) return;
    if (picture->pixels != nullptr) {
        uint8_t* stretched = static_cast<uint8_t*>(std::malloc(size_t(width) * size_t(height) * 4));
        if (stretched == nullptr) {
            FreeDecodedPicture(picture);
            SetPictureProblem(picture, "cannot be decoded: out of memory");
            return;
        }
        StretchRgba(picture->pixels, picture->width, picture->height, stretched, width, height);
        std::free(picture->pixels);
        picture->pixels = stretched;
    }
    picture->width = width;
    picture->height = height;
}

}  // namespace

void CopyPathWithSlashes(char* out, int capacity, const char* path)
{
    int i = 0;
    if (path != nullptr) {
        for (; path[i] != '\0' && i < capacity - 1; ++i) out[i] = path[i] == '\\' ? '/' : path[i];
    }
    out[i] = '\0';
}

int NextPowerOfTwo(int n)
{
    int p = 1;
    while (p < n && p < (1 << 30)) p <<= 1;
    return p;
}

void DecodePictureFile(const char* path, const PictureRequest& request, DecodedPicture* picture)
{
    *picture = DecodedPicture{};
    char fixedPath[512];
    CopyPathWithSlashes(fixedPath, sizeof fixedPath, path);
    size_t got = 0;
    int64_t fileSize = 0;
    uint8_t* bytes = ReadPictureBytes(fixedPath, request.sizeOnly, &got, &fileSize, picture);
    if (bytes == nullptr) return;
    if (HasPngSignature(bytes, got)) {
        DecodePng(bytes, got, request, picture);
    } else if (got >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        ReadBmpHeader(bytes, got, fileSize, picture);
        if (request.sizeOnly && picture->status == PictureStatus::OnGameThread)
            picture->status = PictureStatus::Decoded;
    } else {
        SetPictureProblem(picture, got == 0 ? "is empty" : "is neither a PNG nor a BMP picture");
    }
    std::free(bytes);
    if (picture->status == PictureStatus::Decoded) MakePowerOfTwo(request, picture);
}

void CompletePictureDecode(const char* path, const PictureRequest& request,
                           DecodedPicture* picture)
{
    if (picture->status != PictureStatus::OnGameThread) return;
    char fixedPath[512];
    CopyPathWithSlashes(fixedPath, sizeof fixedPath, path);
    // Read again through the guarded open, and decoded from memory: the
    // path may name something else by now.
    size_t got = 0;
    int64_t fileSize = 0;
    uint8_t* bytes = ReadPictureBytes(fixedPath, false, &got, &fileSize, picture);
    if (bytes == nullptr) {
        if (picture->status == PictureStatus::OnGameThread) SetPictureProblem(picture, cutShort);
        return;
    }
    sf::Image image;
    bool loaded;
    {
        QuietSfmlErrors quiet;
        loaded = got > 0 && image.loadFromMemory(bytes, got);
    }
    std::free(bytes);
    const sf::Vector2u size = image.getSize();
    if (!loaded || size.x != unsigned(picture->fileWidth) || size.y != unsigned(picture->fileHeight)) {
        SetPictureProblem(picture, cutShort);
        return;
    }
    const size_t count = size_t(size.x) * size_t(size.y);
    uint8_t* pixels = static_cast<uint8_t*>(std::malloc(count * 4));
    if (pixels == nullptr) {
        SetPictureProblem(picture, "cannot be decoded: out of memory");
        return;
    }
    const uint8_t* source = image.getPixelsPtr();
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* s = source + i * 4;
        uint8_t* d = pixels + i * 4;
        if (request.order == PixelOrder::Argb) {
            const uint32_t word = uint32_t(s[3]) << 24 | uint32_t(s[0]) << 16 | uint32_t(s[1]) << 8 | s[2];
            std::memcpy(d, &word, 4);
        } else {
            std::memcpy(d, s, 4);
        }
    }
    picture->pixels = pixels;
    picture->order = request.order;
    picture->status = PictureStatus::Decoded;
    MakePowerOfTwo(request, picture);
}

void FreeDecodedPicture(DecodedPicture* picture)
{
    std::free(picture->pixels);
    *picture = DecodedPicture{};
}

namespace {

// Where target cell i of n falls among the source's sn cells: the two cells
// it blends and the weight of the second.
struct Tap {
    int first, second;
    double weight;
};
Tap SampleTap(int i, int n, int sn)
{
    double f = (i + 0.5) * sn / n - 0.5;
    if (f < 0) f = 0;
    int first = static_cast<int>(f);
    if (first > sn - 1) first = sn - 1;
    return {first, first + 1 < sn ? first + 1 : first, f - first};
}

}  // namespace

void StretchRgba(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* target,
                 int width, int height)
{
    const int sw = sourceWidth, sh = sourceHeight;
    for (int y = 0; y < height; ++y) {
        const Tap ty = SampleTap(y, height, sh);
        const int y0 = ty.first, y1 = ty.second;
        const double wy = ty.weight;
        for (int x = 0; x < width; ++x) {
            const Tap tx = SampleTap(x, width, sw);
            const int x0 = tx.first, x1 = tx.second;
            const double wx = tx.weight;
            uint8_t* out = target + (size_t(y) * size_t(width) + size_t(x)) * 4;
            for (int channel = 0; channel < 4; ++channel) {
                const double a = source[(size_t(y0) * sw + x0) * 4 + channel];
                const double b = source[(size_t(y0) * sw + x1) * 4 + channel];
                const double c = source[(size_t(y1) * sw + x0) * 4 + channel];
                const double d = source[(size_t(y1) * sw + x1) * 4 + channel];
                const double top = a + (b - a) * wx;
                const double bottom = c + (d - c) * wx;
                out[channel] = static_cast<uint8_t>(top + (bottom - top) * wy + 0.5);
            }
        }
    }
}
