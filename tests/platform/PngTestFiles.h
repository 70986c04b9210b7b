#pragma once
// PNG files of every kind for the decoder tests: 8-bit RGB and RGBA with all
// five row filters, the compressed stream split over several chunks (made
// here, independently of the decoder), and the other kinds written through
// libpng (palette, grey, 16-bit, interlaced, colour key).
#include <libdeflate.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/SpritePngWriter.h"

namespace pngtest {

// Bytes that vary in every channel and along both axes, so a wrong filter
// or a swapped channel shows.
inline std::vector<uint8_t> Pattern(int width, int height, int channels)
{
    std::vector<uint8_t> bytes(size_t(width) * height * channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                bytes[(size_t(y) * width + x) * channels + c] =
                    uint8_t(x * 37 + y * 11 + c * 71 + (x * y) % 13);
    return bytes;
}

inline int PaethOf(int a, int b, int c)
{
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// An 8-bit PNG of colour type 2 (RGB) or 6 (RGBA); row y uses filter y % 5,
// the compressed data is split over `chunks` IDAT chunks.
inline std::vector<uint8_t> FilteredPng(int width, int height, int colourType,
                                        const std::vector<uint8_t>& pixels, int chunks)
{
    const int bpp = colourType == 6 ? 4 : 3;
    const size_t rowBytes = size_t(width) * bpp;
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        const int filter = y % 5;
        raw.push_back(uint8_t(filter));
        const uint8_t* cur = &pixels[y * rowBytes];
        const uint8_t* up = y > 0 ? &pixels[(y - 1) * rowBytes] : nullptr;
        for (size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= size_t(bpp) ? cur[i - bpp] : 0;
            const int b = up ? up[i] : 0;
            const int c = up && i >= size_t(bpp) ? up[i - bpp] : 0;
            const int predictor = filter == 1   ? a
                                  : filter == 2 ? b
                                  : filter == 3 ? (a + b) / 2
                                  : filter == 4 ? PaethOf(a, b, c)
                                                : 0;
            raw.push_back(uint8_t(cur[i] - predictor));
        }
    }
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(6);
    std::vector<uint8_t> z(libdeflate_zlib_compress_bound(compressor, raw.size()));
    z.resize(libdeflate_zlib_compress(compressor, raw.data(), raw.size(), z.data(), z.size()));
    libdeflate_free_compressor(compressor);

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutPngWord(header, uint32_t(width));
    PutPngWord(header, uint32_t(height));
    header.insert(header.end(), {8, uint8_t(colourType), 0, 0, 0});
    PutPngChunk(file, "IHDR", header);
    const size_t part = (z.size() + chunks - 1) / chunks;
    for (size_t pos = 0; pos < z.size(); pos += part) {
        const size_t end = pos + part < z.size() ? pos + part : z.size();
        PutPngChunk(file, "IDAT", std::vector<uint8_t>(z.begin() + long(pos), z.begin() + long(end)));
    }
    PutPngChunk(file, "IEND", {});
    return file;
}

// Just a header and an end, declaring any size: a few dozen bytes that a
// careless decoder would answer with gigabytes.
inline std::vector<uint8_t> HeaderOnlyPng(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutPngWord(header, width);
    PutPngWord(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    PutPngChunk(file, "IHDR", header);
    PutPngChunk(file, "IDAT", {0x78, 0x9C, 0x03, 0x00});
    PutPngChunk(file, "IEND", {});
    return file;
}

struct LibpngKind {
    int colourType = PNG_COLOR_TYPE_PALETTE;
    int depth = 8;
    bool interlaced = false;
    bool colourKey = false;  // tRNS: palette entry 0 / RGB (0, 0, 0) transparent
};

inline void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

inline void NoFlush(png_structp) {}

// A PNG written by libpng, with the RGBA pixels it must decode to in
// `expected`. Sample values are small so each kind can hold them.
inline std::vector<uint8_t> LibpngFile(const LibpngKind& kind, int width, int height,
                                       std::vector<uint8_t>& expected)
{
    std::vector<uint8_t> file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &file, AppendToVector, NoFlush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), kind.depth, kind.colourType,
                 kind.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[4] = {{0, 0, 0}, {200, 10, 10}, {10, 200, 10}, {10, 10, 200}};
    if (kind.colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette, 4);
    png_byte paletteAlpha[1] = {0};
    png_color_16 key = {};
    if (kind.colourKey) png_set_tRNS(png, info, paletteAlpha, 1, &key);
    png_write_info(png, info);

    const int bytesPerSample = kind.depth == 16 ? 2 : 1;
    const int channels = kind.colourType == PNG_COLOR_TYPE_RGB ? 3 : 1;
    std::vector<std::vector<uint8_t>> rows(size_t(height),
                                           std::vector<uint8_t>(size_t(width) * channels * bytesPerSample + 8));
    expected.assign(size_t(width) * height * 4, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = (x + 2 * y) % 4;  // palette index, grey level step or colour step
            uint8_t* e = &expected[(size_t(y) * width + x) * 4];
            std::vector<uint8_t>& row = rows[size_t(y)];
            if (kind.colourType == PNG_COLOR_TYPE_PALETTE) {
                row[size_t(x)] = uint8_t(v);  // depth 8
                e[0] = palette[v].red;
                e[1] = palette[v].green;
                e[2] = palette[v].blue;
                e[3] = kind.colourKey && v == 0 ? 0 : 255;
            } else if (kind.colourType == PNG_COLOR_TYPE_GRAY) {
                const int level = v * 85;
                if (bytesPerSample == 2) {
                    row[size_t(x) * 2] = uint8_t(level);
                    row[size_t(x) * 2 + 1] = uint8_t(level);
                } else {
                    row[size_t(x)] = uint8_t(level);
                }
                e[0] = e[1] = e[2] = uint8_t(level);
                e[3] = 255;
            } else {  // RGB, depth 8
                for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] = uint8_t(v * 60 * (c == 1));
                e[0] = 0;
                e[1] = uint8_t(v * 60);
                e[2] = 0;
                e[3] = kind.colourKey && v == 0 ? 0 : 255;
            }
        }
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return file;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace pngtest
