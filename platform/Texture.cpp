#include "platform/Texture.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/Display.h"
#include "platform/SfmlContext.h"
#include "platform/SpriteBatch.h"

namespace {

uint32_t nextTextureId = 1;

// Largest surface we agree to hold: 2^28 pixels (1 GiB), 65536 a side.
constexpr int64_t kMaxSurfacePixels = int64_t(1) << 28;
constexpr int kMaxSurfaceSide = 65536;

bool LoadImageFile(const char* path, sf::Image* image) {
    char fixedPath[512];
    CopyPathWithSlashes(fixedPath, sizeof fixedPath, path);
    QuietSfmlErrors quiet;
    return image->loadFromFile(fixedPath);
}

// Bilinear stretch of an RGBA image to a new size (the power-of-two rule
// scales pictures up, never crops them).
void StretchImage(const sf::Image& source, sf::Image* target, int width, int height) {
    const sf::Vector2u size = source.getSize();
    const int sw = static_cast<int>(size.x), sh = static_cast<int>(size.y);
    const sf::Uint8* src = source.getPixelsPtr();
    target->create(static_cast<unsigned>(width), static_cast<unsigned>(height));
    for (int y = 0; y < height; ++y) {
        double fy = (y + 0.5) * sh / height - 0.5;
        if (fy < 0) fy = 0;
        int y0 = static_cast<int>(fy);
        if (y0 > sh - 1) y0 = sh - 1;
        const int y1 = y0 + 1 < sh ? y0 + 1 : y0;
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x) {
            double fx = (x + 0.5) * sw / width - 0.5;
            if (fx < 0) fx = 0;
            int x0 = static_cast<int>(fx);
            if (x0 > sw - 1) x0 = sw - 1;
            const int x1 = x0 + 1 < sw ? x0 + 1 : x0;
            const double wx = fx - x0;
            sf::Uint8 out[4];
            for (int channel = 0; channel < 4; ++channel) {
                const double a = src[(y0 * sw + x0) * 4 + channel];
                const double b = src[(y0 * sw + x1) * 4 + channel];
                const double c = src[(y1 * sw + x0) * 4 + channel];
                const double d = src[(y1 * sw + x1) * 4 + channel];
                const double top = a + (b - a) * wx;
                const double bottom = c + (d - c) * wx;
                out[channel] = static_cast<sf::Uint8>(top + (bottom - top) * wy + 0.5);
            }
            target->setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                             sf::Color(out[0], out[1], out[2], out[3]));
        }
    }
}

// Width and height from a PNG file's header, without decoding the picture.
bool ReadPngSize(const char* path, int* width, int* height) {
    char fixedPath[512];
    CopyPathWithSlashes(fixedPath, sizeof fixedPath, path);
    FILE* file = std::fopen(fixedPath, "rb");
    if (file == nullptr) return false;
    unsigned char header[24];
    const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fclose(file);
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!read || std::memcmp(header, signature, 8) != 0 || std::memcmp(header + 12, "IHDR", 4) != 0) {
        return false;
    }
    const uint32_t w = uint32_t(header[16]) << 24 | uint32_t(header[17]) << 16 |
                       uint32_t(header[18]) << 8 | header[19];
    const uint32_t h = uint32_t(header[20]) << 24 | uint32_t(header[21]) << 16 |
                       uint32_t(header[22]) << 8 | header[23];
    if (w == 0 || h == 0 || w > 65536 || h > 65536) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

PlatformTexture* NewTextureRecord(sf::Texture* gpu, int width, int height, const char* path) {
    PlatformTexture* texture = new (std::nothrow) PlatformTexture;
    if (texture == nullptr) {
        delete gpu;
        return nullptr;
    }
    texture->gpu = gpu;
    texture->width = width;
    texture->height = height;
    texture->id = nextTextureId++;
    CopyPathWithSlashes(texture->path, sizeof texture->path, path);
    return texture;
}

}  // namespace

void CopyPathWithSlashes(char* out, int capacity, const char* path) {
    int i = 0;
    if (path != nullptr) {
        for (; path[i] != '\0' && i < capacity - 1; ++i) out[i] = path[i] == '\\' ? '/' : path[i];
    }
    out[i] = '\0';
}

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n && p < (1 << 30)) p <<= 1;
    return p;
}

PlatformTexture* CreateTextureFromFile(const char* path) {
    const bool gpuWanted = batchBackend == BatchBackend::Sfml && DisplayAvailable();
    int pngWidth = 0, pngHeight = 0;
    if (!gpuWanted && ReadPngSize(path, &pngWidth, &pngHeight)) {
        // Recording needs only the size; the header has it, and tests load
        // many large level pictures.
        return NewTextureRecord(nullptr, NextPowerOfTwo(pngWidth), NextPowerOfTwo(pngHeight), path);
    }
    sf::Image image;
    if (!LoadImageFile(path, &image)) return nullptr;
    const sf::Vector2u size = image.getSize();
    if (size.x == 0 || size.y == 0) return nullptr;
    const int width = NextPowerOfTwo(static_cast<int>(size.x));
    const int height = NextPowerOfTwo(static_cast<int>(size.y));

    sf::Texture* gpu = nullptr;
    if (gpuWanted) {
        HoldGraphicsConnection();
        gpu = new (std::nothrow) sf::Texture;
        if (gpu == nullptr) return nullptr;
        bool loaded;
        if (width == static_cast<int>(size.x) && height == static_cast<int>(size.y)) {
            loaded = gpu->loadFromImage(image);
        } else {
            sf::Image stretched;
            StretchImage(image, &stretched, width, height);
            loaded = gpu->loadFromImage(stretched);
        }
        if (!loaded) {  // too large for the graphics card, or no context
            delete gpu;
            return nullptr;
        }
        gpu->setSmooth(true);
    }

    return NewTextureRecord(gpu, width, height, path);
}

void DestroyTexture(PlatformTexture* texture) {
    FlushSpriteBatch();
    if (texture == nullptr) return;
    delete texture->gpu;
    delete texture;
}

int TextureWidth(const PlatformTexture* texture) { return texture ? texture->width : 0; }
int TextureHeight(const PlatformTexture* texture) { return texture ? texture->height : 0; }
uint32_t TextureId(const PlatformTexture* texture) { return texture ? texture->id : 0; }
const char* TexturePath(const PlatformTexture* texture) { return texture ? texture->path : ""; }

bool CreateSurfaceFromFile(const char* path, int width, int height, PixelSurface* surface,
                           bool* fileLoaded) {
    *surface = PixelSurface{};
    if (fileLoaded != nullptr) *fileLoaded = false;
    if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        int64_t(width) * height > kMaxSurfacePixels) {
        return false;
    }
    uint32_t* pixels = new (std::nothrow) uint32_t[size_t(width) * size_t(height)]();
    if (pixels == nullptr) return false;
    surface->width = width;
    surface->height = height;
    surface->pitch = width;
    surface->pixels = pixels;

    sf::Image image;
    if (!LoadImageFile(path, &image)) return true;
    const sf::Vector2u size = image.getSize();
    if (size.x == 0 || size.y == 0) return true;
    const int sw = static_cast<int>(size.x), sh = static_cast<int>(size.y);
    const sf::Uint8* src = image.getPixelsPtr();
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(int64_t(y) * sh / height);
        uint32_t* row = pixels + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(int64_t(x) * sw / width);
            const sf::Uint8* p = src + (size_t(sy) * size_t(sw) + size_t(sx)) * 4;
            row[x] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        }
    }
    if (fileLoaded != nullptr) *fileLoaded = true;
    return true;
}

void DestroySurface(PixelSurface* surface) {
    delete[] surface->pixels;
    *surface = PixelSurface{};
}
