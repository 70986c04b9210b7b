#pragma once
// Pictures: drawable textures and CPU-readable pixel surfaces.
#include <cstdint>

#include "platform/PictureDecode.h"

// A drawable picture. Textures are power-of-two sized: a file whose sides are
// not powers of two is scaled up (bilinear) to the next powers of two, and
// every texture coordinate refers to that size (a 100 x 60 file becomes a
// 128 x 64 texture). Opaque: only platform/ sees inside.
struct PlatformTexture;

// Loads a picture file ('\\' in the path is taken as '/'). Null when the file
// is missing, refused or cannot be decoded in full; every case but a missing
// file says why on standard error. With the Recording batch backend no GPU
// texture is made (no display needed): the record carries its size, id and
// path only, and the size is taken from the file's header.
PlatformTexture* CreateTextureFromFile(const char* path);

// The same in two steps: decode with TexturePictureRequest() (asked on the
// game thread; the decoding may run on any thread), then make the texture on
// the game thread, which owns the graphics context. The picture's pixels
// stay with it; free it afterwards.
PictureRequest TexturePictureRequest();
// What TexturePictureRequest will ask once the game window draws (pixels
// whenever there is a display), for pictures decoded before it opens.
PictureRequest WindowTexturePictureRequest();
PlatformTexture* CreateTextureFromPicture(const char* path, DecodedPicture* picture);
// As CreateTextureFromPicture, in place of `old` (which is destroyed): a
// graphics-card texture of the same size is refilled rather than made anew,
// which is most of the cost of a level's tiles after the first level. The
// result is a new picture all the same (a new id and path).
PlatformTexture* ReplaceTextureFromPicture(PlatformTexture* old, const char* path,
                                           DecodedPicture* picture);
void DestroyTexture(PlatformTexture* texture);
int TextureWidth(const PlatformTexture* texture);   // power-of-two size
int TextureHeight(const PlatformTexture* texture);
uint32_t TextureId(const PlatformTexture* texture);  // unique per load, never 0
const char* TexturePath(const PlatformTexture* texture);

// Plain pixel memory for pictures the game samples (the collision picture).
// Pixels are A8R8G8B8 words (alpha in the top byte), row after row; pixel
// (x, y) is pixels[y * pitch + x]. Needs no display.
struct PixelSurface {
    int32_t width, height;
    int32_t pitch;       // in pixels
    uint32_t* pixels;    // null when there is no surface
};

// Makes a width x height surface of zero pixels and fills it from the file,
// scaled to the surface size when the file's size differs (nearest pixel, so
// the exact colours the game compares against survive). Returns false when
// the surface cannot be made (size not positive or too large): then nothing
// is held. A missing, refused or damaged file still returns true and leaves
// the zero (transparent black, nothing solid) pixels; *fileLoaded tells
// which, and every case but a missing file says why on standard error.
bool CreateSurfaceFromFile(const char* path, int width, int height, PixelSurface* surface,
                           bool* fileLoaded);

// The same in two steps, as for textures. A picture decoded at exactly the
// surface's size hands its pixels over to the surface (no copy).
PictureRequest SurfacePictureRequest();
bool CreateSurfaceFromPicture(const char* path, DecodedPicture* picture, int width, int height,
                              PixelSurface* surface, bool* fileLoaded);
void DestroySurface(PixelSurface* surface);
