#include "platform/Texture.h"

#include <cstdio>
#include <cstdlib>
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

// Textures live on the graphics card only when the SFML batch draws to a
// display; the recording batch keeps sizes alone.
bool GpuTexturesWanted() { return batchBackend == BatchBackend::Sfml && DisplayAvailable(); }

}  // namespace

PictureRequest TexturePictureRequest() {
    PictureRequest request = WindowTexturePictureRequest();
    // Recording needs only the size; the header has it, and tests load many
    // large level pictures.
    request.sizeOnly = !GpuTexturesWanted();
    return request;
}

PictureRequest WindowTexturePictureRequest() {
    PictureRequest request;
    request.order = PixelOrder::Rgba;
    request.powerOfTwo = true;
    request.sizeOnly = !DisplayAvailable();
    return request;
}

PlatformTexture* CreateTextureFromPicture(const char* path, DecodedPicture* picture) {
    CompletePictureDecode(path, TexturePictureRequest(), picture);
    if (picture->status != PictureStatus::Decoded) {
        if (picture->problem[0] != '\0')
            std::fprintf(stderr, "Picture \"%s\" %s: it is not drawn\n", path, picture->problem);
        return nullptr;
    }
    if (!GpuTexturesWanted()) return NewTextureRecord(nullptr, picture->width, picture->height, path);
    if (picture->pixels == nullptr || picture->order != PixelOrder::Rgba) return nullptr;

    HoldGraphicsConnection();
    sf::Texture* gpu = new (std::nothrow) sf::Texture;
    if (gpu == nullptr) return nullptr;
    if (!gpu->create(static_cast<unsigned>(picture->width), static_cast<unsigned>(picture->height))) {
        delete gpu;  // too large for the graphics card, or no context
        return nullptr;
    }
    gpu->update(picture->pixels);
    gpu->setSmooth(true);
    return NewTextureRecord(gpu, picture->width, picture->height, path);
}

PlatformTexture* ReplaceTextureFromPicture(PlatformTexture* old, const char* path,
                                           DecodedPicture* picture) {
    CompletePictureDecode(path, TexturePictureRequest(), picture);
    const bool refill = old != nullptr && old->gpu != nullptr &&
                        picture->status == PictureStatus::Decoded && picture->pixels != nullptr &&
                        picture->order == PixelOrder::Rgba && picture->width == old->width &&
                        picture->height == old->height && GpuTexturesWanted();
    if (!refill) {
        DestroyTexture(old);
        return CreateTextureFromPicture(path, picture);
    }
    FlushSpriteBatch();  // nothing queued may show the new pixels
    old->gpu->update(picture->pixels);
    old->id = nextTextureId++;
    CopyPathWithSlashes(old->path, sizeof old->path, path);
    return old;
}

PlatformTexture* CreateTextureFromFile(const char* path) {
    DecodedPicture picture;
    DecodePictureFile(path, TexturePictureRequest(), &picture);
    PlatformTexture* texture = CreateTextureFromPicture(path, &picture);
    FreeDecodedPicture(&picture);
    return texture;
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

PictureRequest SurfacePictureRequest() {
    PictureRequest request;
    request.order = PixelOrder::Argb;
    return request;
}

bool CreateSurfaceFromPicture(const char* path, DecodedPicture* picture, int width, int height,
                              PixelSurface* surface, bool* fileLoaded) {
    *surface = PixelSurface{};
    if (fileLoaded != nullptr) *fileLoaded = false;
    if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        int64_t(width) * height > kMaxSurfacePixels) {
        return false;
    }
    CompletePictureDecode(path, SurfacePictureRequest(), picture);
    const bool decoded = picture->status == PictureStatus::Decoded && picture->pixels != nullptr &&
                         picture->order == PixelOrder::Argb;
    if (!decoded && picture->problem[0] != '\0')
        std::fprintf(stderr, "Picture \"%s\" %s: it is read as an empty picture\n", path,
                     picture->problem);

    uint32_t* pixels;
    if (decoded && picture->width == width && picture->height == height) {
        pixels = reinterpret_cast<uint32_t*>(picture->pixels);
        picture->pixels = nullptr;  // the surface owns them now
    } else {
        // Zero pages come from the system untouched, so a large empty
        // surface costs next to nothing.
        pixels = static_cast<uint32_t*>(std::calloc(size_t(width) * size_t(height), sizeof(uint32_t)));
        if (pixels == nullptr) return false;
        if (decoded) {
            const int sw = picture->width, sh = picture->height;
            const uint32_t* src = reinterpret_cast<const uint32_t*>(picture->pixels);
            for (int y = 0; y < height; ++y) {
                const int sy = static_cast<int>(int64_t(y) * sh / height);
                uint32_t* row = pixels + size_t(y) * size_t(width);
                for (int x = 0; x < width; ++x) {
                    const int sx = static_cast<int>(int64_t(x) * sw / width);
                    row[x] = src[size_t(sy) * size_t(sw) + size_t(sx)];
                }
            }
        }
    }
    surface->width = width;
    surface->height = height;
    surface->pitch = width;
    surface->pixels = pixels;
    if (fileLoaded != nullptr) *fileLoaded = decoded;
    return true;
}

bool CreateSurfaceFromFile(const char* path, int width, int height, PixelSurface* surface,
                           bool* fileLoaded) {
    DecodedPicture picture;
    DecodePictureFile(path, SurfacePictureRequest(), &picture);
    const bool made = CreateSurfaceFromPicture(path, &picture, width, height, surface, fileLoaded);
    FreeDecodedPicture(&picture);
    return made;
}

void DestroySurface(PixelSurface* surface) {
    std::free(surface->pixels);
    *surface = PixelSurface{};
}
