#include "platform/PngDecode.h"

#include <libdeflate.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The game's own pictures are 8-bit RGB or RGBA: those are decoded here with
// a whole-buffer inflater, which copies the long runs of a collision picture
// many times faster than a streaming one. Every other kind goes to libpng.

namespace {

const char* const cutShort = "is cut short or damaged";
const char* const notPng = "is not a valid PNG picture";

// What an unfiltered first row is read against.
const uint8_t zeroRow[maxPictureSide * 4] = {};

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

bool ChunkIs(const uint8_t* type, const char* name) { return std::memcmp(type, name, 4) == 0; }
// Bit 5 of the first letter clear: a reader may not skip the chunk.
bool IsCritical(const uint8_t* type) { return (type[0] & 0x20) == 0; }

struct PngHeader {
    uint32_t width, height;
    uint8_t depth, colourType, compression, filter, interlace;
};

bool ValidDepth(uint8_t colourType, uint8_t depth)
{
    switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
    }
}

// The header chunk, which must come first; the size is checked before
// anything else is read.
bool ReadHeader(const uint8_t* file, size_t size, PngHeader* header, DecodedPicture* picture)
{
    if (size < pngSignatureSize + 8 + 13) {
        SetPictureProblem(picture, cutShort);
        return false;
    }
    const uint8_t* chunk = file + pngSignatureSize;
    if (BigEndian32(chunk) != 13 || !ChunkIs(chunk + 4, "IHDR")) {
        SetPictureProblem(picture, notPng);
        return false;
    }
    const uint8_t* data = chunk + 8;
    header->width = BigEndian32(data);
    header->height = BigEndian32(data + 4);
    header->depth = data[8];
    header->colourType = data[9];
    header->compression = data[10];
    header->filter = data[11];
    header->interlace = data[12];
    if (header->width == 0 || header->height == 0 || header->width > 0x7FFFFFFFu ||
        header->height > 0x7FFFFFFFu) {
        SetPictureProblem(picture, notPng);
        return false;
    }
    if (!PictureSizeAllowed(header->width, header->height, picture)) return false;
    if (!ValidDepth(header->colourType, header->depth) || header->compression != 0 ||
        header->filter != 0 || header->interlace > 1) {
        SetPictureProblem(picture, notPng);
        return false;
    }
    return true;
}

// Where the compressed picture lies, once every chunk has been checked.
struct ChunkWalk {
    const uint8_t* firstData = nullptr;  // the only IDAT chunk's data
    size_t dataSize = 0;                 // all IDAT data together
    int dataChunks = 0;
    bool colourKey = false;              // a tRNS chunk
};

bool WalkChunks(const uint8_t* file, size_t size, ChunkWalk* walk, DecodedPicture* picture)
{
    size_t pos = pngSignatureSize;
    bool ended = false;
    while (pos + 12 <= size) {
        const uint32_t length = BigEndian32(file + pos);
        if (length > 0x7FFFFFFFu || length > size - pos - 12) break;
        const uint8_t* type = file + pos + 4;
        const uint8_t* data = type + 4;
        const bool crcGood = libdeflate_crc32(0, type, size_t(length) + 4) == BigEndian32(data + length);
        if (IsCritical(type)) {
            if (!crcGood) {
                SetPictureProblem(picture, cutShort);
                return false;
            }
            if (ChunkIs(type, "IDAT")) {
                if (walk->dataChunks++ == 0) walk->firstData = data;
                walk->dataSize += length;
            } else if (ChunkIs(type, "IEND")) {
                ended = true;
                break;
            } else if (ChunkIs(type, "IHDR")) {
                if (pos != pngSignatureSize) {
                    SetPictureProblem(picture, notPng);
                    return false;
                }
            } else if (!ChunkIs(type, "PLTE")) {
                // A critical chunk this reader does not know: it may not guess.
                SetPictureProblem(picture, notPng);
                return false;
            }
        } else if (crcGood && ChunkIs(type, "tRNS")) {
            walk->colourKey = true;
        }
        pos += size_t(length) + 12;
    }
    // No end chunk: the file stops somewhere in the middle.
    if (!ended || walk->dataChunks == 0) {
        SetPictureProblem(picture, cutShort);
        return false;
    }
    return true;
}

// All IDAT data in one piece: the chunk itself when there is one, else a copy.
uint8_t* GatherData(const uint8_t* file, size_t size, const ChunkWalk& walk)
{
    uint8_t* gathered = static_cast<uint8_t*>(std::malloc(walk.dataSize ? walk.dataSize : 1));
    if (gathered == nullptr) return nullptr;
    size_t pos = pngSignatureSize, filled = 0;
    while (pos + 12 <= size && filled < walk.dataSize) {
        const uint32_t length = BigEndian32(file + pos);
        if (ChunkIs(file + pos + 4, "IDAT")) {
            std::memcpy(gathered + filled, file + pos + 8, length);
            filled += length;
        }
        pos += size_t(length) + 12;
    }
    return gathered;
}

// Rows are unfiltered a pixel at a time in 32-bit words of the output's
// order. The filters act on each byte apart, and the lanes of a word never
// carry into each other, so swapping the channels before the arithmetic
// gives the same pixels as swapping them after.

// Four byte-wise sums at once, without carries between the bytes.
uint32_t AddBytes(uint32_t a, uint32_t b)
{
    return ((a & 0x7F7F7F7Fu) + (b & 0x7F7F7F7Fu)) ^ ((a ^ b) & 0x80808080u);
}

// Four byte-wise floor((a + b) / 2) at once.
uint32_t AverageBytes(uint32_t a, uint32_t b)
{
    return (a & b) + (((a ^ b) & 0xFEFEFEFEu) >> 1);
}

// The Paeth predictor of each of the first `lanes` bytes, in a form
// equivalent to the format's (checked over every a, b, c) that needs no
// absolute values and compiles to conditional moves.
template <int lanes>
uint32_t PaethBytes(uint32_t a, uint32_t b, uint32_t c)
{
    uint32_t out = 0;
    for (int lane = 0; lane < lanes; ++lane) {
        const int shift = lane * 8;
        const int la = (a >> shift) & 0xFF, lb = (b >> shift) & 0xFF, lc = (c >> shift) & 0xFF;
        const int threshold = lc * 3 - (la + lb);
        const int low = la < lb ? la : lb, high = la < lb ? lb : la;
        const int nearer = high <= threshold ? low : lc;
        out |= uint32_t(threshold <= low ? high : nearer) << shift;
    }
    return out;
}

// An RGB pixel's alpha lane carries nothing, so its Paeth work is skipped
// where that lane is the top one: always in an ARGB word, and in an RGBA
// one on a little-endian machine.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool rgbaAlphaOnTop = true;
#else
constexpr bool rgbaAlphaOnTop = false;
#endif

template <size_t bpp, PixelOrder order>
uint32_t PaethPixel(uint32_t a, uint32_t b, uint32_t c)
{
    constexpr bool skipAlpha = bpp == 3 && (order == PixelOrder::Argb || rgbaAlphaOnTop);
    return PaethBytes<skipAlpha ? 3 : 4>(a, b, c);
}

// A file pixel (RGB or RGBA bytes) as a word of the output's order; the
// alpha of an RGB pixel is left 0 here and set at the store.
template <size_t bpp, PixelOrder order>
uint32_t LoadPixel(const uint8_t* p)
{
    const uint8_t alpha = bpp == 4 ? p[3] : 0;
    if (order == PixelOrder::Argb)
        return uint32_t(alpha) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    const uint8_t bytes[4] = {p[0], p[1], p[2], alpha};
    uint32_t word;
    std::memcpy(&word, bytes, 4);
    return word;
}

uint32_t ReadWord(const uint8_t* p)
{
    uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

void WriteWord(uint8_t* p, uint32_t word) { std::memcpy(p, &word, 4); }

uint32_t AlphaLane(PixelOrder order)
{
    if (order == PixelOrder::Argb) return 0xFF000000u;
    const uint8_t bytes[4] = {0, 0, 0, 0xFF};
    return ReadWord(bytes);
}

// Unfilters one row from `filtered` (its filter byte first) into `out`,
// reading the row above from `prior` (already in the output's order).
// `out` may lie below `filtered` in the same buffer: each pixel is read
// before anything at or after it is written. False for a filter the format
// lacks. One loop per filter, so the pixel loop holds no decisions.
template <size_t bpp, PixelOrder order>
bool UnfilterRow(const uint8_t* filtered, const uint8_t* prior, uint8_t* out, int width,
                 uint32_t forcedAlpha)
{
    const uint8_t* in = filtered + 1;
    uint32_t left = 0, upLeft = 0;
    switch (filtered[0]) {
    case 0:
        for (int x = 0; x < width; ++x)
            WriteWord(out + size_t(x) * 4, LoadPixel<bpp, order>(in + size_t(x) * bpp) | forcedAlpha);
        return true;
    case 1:
        for (int x = 0; x < width; ++x) {
            left = AddBytes(LoadPixel<bpp, order>(in + size_t(x) * bpp), left);
            WriteWord(out + size_t(x) * 4, left | forcedAlpha);
        }
        return true;
    case 2:
        for (int x = 0; x < width; ++x) {
            const uint32_t up = ReadWord(prior + size_t(x) * 4);
            WriteWord(out + size_t(x) * 4,
                      AddBytes(LoadPixel<bpp, order>(in + size_t(x) * bpp), up) | forcedAlpha);
        }
        return true;
    case 3:
        for (int x = 0; x < width; ++x) {
            const uint32_t up = ReadWord(prior + size_t(x) * 4);
            left = AddBytes(LoadPixel<bpp, order>(in + size_t(x) * bpp), AverageBytes(left, up));
            WriteWord(out + size_t(x) * 4, left | forcedAlpha);
        }
        return true;
    case 4:
        for (int x = 0; x < width; ++x) {
            const uint32_t up = ReadWord(prior + size_t(x) * 4);
            left = AddBytes(LoadPixel<bpp, order>(in + size_t(x) * bpp), PaethPixel<bpp, order>(left, up, upLeft));
            upLeft = up;
            WriteWord(out + size_t(x) * 4, left | forcedAlpha);
        }
        return true;
    default:
        return false;
    }
}

using RowFunction = bool (*)(const uint8_t*, const uint8_t*, uint8_t*, int, uint32_t);

RowFunction RowFunctionFor(size_t bpp, PixelOrder order)
{
    if (bpp == 4)
        return order == PixelOrder::Argb ? UnfilterRow<4, PixelOrder::Argb> : UnfilterRow<4, PixelOrder::Rgba>;
    return order == PixelOrder::Argb ? UnfilterRow<3, PixelOrder::Argb> : UnfilterRow<3, PixelOrder::Rgba>;
}

// 8-bit RGB or RGBA, not interlaced. An RGBA picture is unfiltered from its
// inflated rows into place in the same buffer (each filtered row is one byte
// longer than a pixel row), so a large collision picture needs no second
// buffer; an RGB picture widens into a second one.
bool DecodeFast(const PngHeader& header, const uint8_t* data, size_t dataSize, PixelOrder order,
                DecodedPicture* picture)
{
    const int width = static_cast<int>(header.width), height = static_cast<int>(header.height);
    const size_t bpp = header.colourType == 6 ? 4 : 3;
    const size_t stride = size_t(width) * bpp + 1;
    const size_t pixelRow = size_t(width) * 4;
    uint8_t* filtered = static_cast<uint8_t*>(std::malloc(stride * size_t(height)));
    uint8_t* out = bpp == 4 ? filtered : static_cast<uint8_t*>(std::malloc(pixelRow * size_t(height)));
    libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
    if (filtered == nullptr || out == nullptr || inflater == nullptr) {
        if (out != filtered) std::free(out);
        std::free(filtered);
        if (inflater != nullptr) libdeflate_free_decompressor(inflater);
        SetPictureProblem(picture, "cannot be decoded: out of memory");
        return false;
    }
    // Without a size out, anything but exactly the picture's bytes fails.
    const libdeflate_result inflated = libdeflate_zlib_decompress(
        inflater, data, dataSize, filtered, stride * size_t(height), nullptr);
    libdeflate_free_decompressor(inflater);

    bool good = inflated == LIBDEFLATE_SUCCESS;
    const uint32_t forcedAlpha = bpp == 4 ? 0 : AlphaLane(order);
    const RowFunction unfilterRow = RowFunctionFor(bpp, order);
    const uint8_t* prior = zeroRow;
    for (int y = 0; good && y < height; ++y) {
        uint8_t* row = out + size_t(y) * pixelRow;
        good = unfilterRow(filtered + size_t(y) * stride, prior, row, width, forcedAlpha);
        prior = row;
    }
    if (out != filtered) std::free(filtered);
    if (!good) {
        std::free(out);
        SetPictureProblem(picture, cutShort);
        return false;
    }
    picture->pixels = out;
    return true;
}

void RgbaRowToArgb(uint8_t* row, int width)
{
    for (int x = 0; x < width; ++x) {
        uint8_t* p = row + size_t(x) * 4;
        const uint32_t word = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        std::memcpy(p, &word, 4);
    }
}

struct MemoryReader {
    const uint8_t* data;
    size_t size, pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    MemoryReader* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->pos) png_error(png, "cut short");
    std::memcpy(out, reader->data + reader->pos, length);
    reader->pos += length;
}

[[noreturn]] void OnPngError(png_structp png, png_const_charp) { std::longjmp(png_jmpbuf(png), 1); }
void OnPngWarning(png_structp, png_const_charp) {}

}  // namespace

bool HasPngSignature(const uint8_t* bytes, size_t size)
{
    static const uint8_t signature[pngSignatureSize] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= pngSignatureSize && std::memcmp(bytes, signature, pngSignatureSize) == 0;
}

void SetPictureProblem(DecodedPicture* picture, const char* problem)
{
    picture->status = PictureStatus::Failed;
    std::snprintf(picture->problem, sizeof picture->problem, "%s", problem);
}

bool PictureSizeAllowed(int64_t width, int64_t height, DecodedPicture* picture)
{
    if (width <= maxPictureSide && height <= maxPictureSide && width * height <= maxPicturePixels)
        return true;
    picture->status = PictureStatus::Failed;
    std::snprintf(picture->problem, sizeof picture->problem,
                  "declares %lld x %lld pixels, more than a picture may have",
                  static_cast<long long>(width), static_cast<long long>(height));
    return false;
}

// Everything that could change after setjmp is made before it, so nothing
// needs to be volatile; libpng reports every fault (a cut-short stream, a
// bad checksum) through the error callback.
bool DecodePngWithLibpng(const uint8_t* file, size_t size, int width, int height,
                         DecodedPicture* picture)
{
    MemoryReader reader = {file, size, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    uint8_t* pixels = static_cast<uint8_t*>(std::malloc(size_t(width) * size_t(height) * 4));
    png_bytep* rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * size_t(height)));
    if (png == nullptr || info == nullptr || pixels == nullptr || rows == nullptr) {
        if (png != nullptr) png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
        std::free(pixels);
        std::free(rows);
        SetPictureProblem(picture, "cannot be decoded: out of memory");
        return false;
    }
    for (int y = 0; y < height; ++y) rows[y] = pixels + size_t(y) * size_t(width) * 4;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::free(pixels);
        std::free(rows);
        SetPictureProblem(picture, cutShort);
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_set_user_limits(png, maxPictureSide, maxPictureSide);
    png_read_info(png, info);
    if (png_get_image_width(png, info) != png_uint_32(width) ||
        png_get_image_height(png, info) != png_uint_32(height))
        png_error(png, "size");
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "row size");
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(rows);
    picture->pixels = pixels;
    return true;
}

void DecodePng(const uint8_t* file, size_t size, const PictureRequest& request,
               DecodedPicture* picture)
{
    PngHeader header;
    if (!ReadHeader(file, size, &header, picture)) return;
    const int width = static_cast<int>(header.width), height = static_cast<int>(header.height);
    picture->fileWidth = picture->width = width;
    picture->fileHeight = picture->height = height;
    if (request.sizeOnly) {
        picture->status = PictureStatus::Decoded;
        return;
    }
    ChunkWalk walk;
    if (!WalkChunks(file, size, &walk, picture)) return;

    const bool fast = header.depth == 8 && (header.colourType == 2 || header.colourType == 6) &&
                      header.interlace == 0 && !walk.colourKey;
    if (fast) {
        uint8_t* gathered = walk.dataChunks > 1 ? GatherData(file, size, walk) : nullptr;
        if (walk.dataChunks > 1 && gathered == nullptr) {
            SetPictureProblem(picture, "cannot be decoded: out of memory");
            return;
        }
        const bool decoded = DecodeFast(header, gathered != nullptr ? gathered : walk.firstData,
                                        walk.dataSize, request.order, picture);
        std::free(gathered);
        if (!decoded) return;
    } else {
        if (!DecodePngWithLibpng(file, size, width, height, picture)) return;
        if (request.order == PixelOrder::Argb)
            for (int y = 0; y < height; ++y)
                RgbaRowToArgb(picture->pixels + size_t(y) * size_t(width) * 4, width);
    }
    picture->order = request.order;
    picture->status = PictureStatus::Decoded;
}
