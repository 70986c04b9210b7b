#pragma once
// Picture records and the four ways of drawing them: screen coordinates,
// screen coordinates lowered by screenYOffset, world coordinates through the
// camera with parallax, and world coordinates lowered by screenYOffset (the
// level scenery). Every draw goes through the one sprite batch.
#include <cstdint>

#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

// Added to every screen y of the shifted draw forms: 0, or 22 on screens
// taller than 1050 pixels (set by the main loop before it starts).
extern int screenYOffset;

// World position shown at the screen's top left corner; the camera moves it
// once per in-game tick, the world draw forms subtract it.
extern int cameraX, cameraY;

struct SourceRect {
    int32_t left, top, right, bottom;
};

struct PixelLock {
    int pitch;          // in pixels
    uint32_t* pixels;   // ARGB words, row after row
};

struct SpriteTexture {
    PlatformTexture* texture = nullptr;  // absent until loaded as a texture
    PixelSurface surface = {};           // pixels null until loaded as a surface
    int32_t pitchPixels = 0;
    uint32_t* pixels = nullptr;
    uint8_t isSurface = 0;
    SourceRect sourceRect = {};
    uint8_t useSourceRect = 0;

    SpriteTexture() = default;
    ~SpriteTexture() { Release(); }
    SpriteTexture(const SpriteTexture&) = delete;
    SpriteTexture& operator=(const SpriteTexture&) = delete;

    // Loads a picture, replacing what the record held. As a texture, width
    // and height are not used (the file's size rounded up to powers of two).
    // As a surface, the file is scaled into width x height plain pixels and
    // "OK" or "FAIL" goes to standard output (no line end).
    // "OK" means the surface holds the file's pixels; a surface that cannot
    // be made, or a file that is missing, refused or damaged, gives "FAIL".
    void Load(const char* path, bool asSurface = false, int width = 0, int height = 0);
    // The second half of Load, for a picture already decoded (possibly on a
    // worker thread) with TexturePictureRequest() or SurfacePictureRequest():
    // releases what the record held and makes the texture or surface. A
    // surface of the picture's own size takes its pixels over.
    void LoadDecoded(const char* path, DecodedPicture* picture, bool asSurface = false,
                     int width = 0, int height = 0);
    // The surface's pitch and pixels. A record whose file was missing holds
    // zero pixels (nothing solid) of the requested size. A record with no
    // surface at all (never loaded as one, or a size that could not be
    // held) returns pitch 0 and a row of 65536 zero words: every
    // pixels[y * 0 + x] with 0 <= x < 65536 reads 0, so a level whose
    // collision picture is missing plays on empty ground instead of
    // reading foreign memory.
    PixelLock LockPixels();
    void Release();
    // From now on only this part of the picture is drawn (never cleared).
    void SetSourceRect(int left, int top, int right, int bottom);

    void DrawSprite(float x, float y, float rotation, float scaleX, float scaleY, float centreX,
                    float centreY, uint32_t colour);
    void DrawSpriteShifted(float x, float y, float rotation, float scaleX, float scaleY,
                           float centreX, float centreY, uint32_t colour);
    void DrawWorldSprite(int worldX, int worldY, float parallax, float rotation, float scaleX,
                         float scaleY, float centreX, float centreY, float red, float green,
                         float blue, float alpha, float brightness);
    void DrawSceneryElement(int worldX, int worldY, float parallax, float rotation, float scaleX,
                            float scaleY, float centreX, float centreY, float red, float green,
                            float blue, float alpha, float brightness);
};

// Frame bracket of the sprite batch (once per frame, around all draws).
void BeginSprites();
void EndSprites();

// The arithmetic of the draw forms, exposed for the callers that need the
// same numbers (and for tests).
// Screen x of a world x: halfW + parallax * (worldX - cameraX - halfW),
// halfW = screenWidth / 2 in whole numbers; not rounded.
float WorldToScreenX(int worldX, float parallax);
float WorldToScreenY(int worldY);
// ARGB of float channels on 0..255: alpha as given, red, green and blue
// times brightness; each truncated toward zero and cut to its low 8 bits
// without clamping (256 -> 0, -1 -> 255).
uint32_t PackWorldColour(float red, float green, float blue, float alpha, float brightness);
// The sprite-to-screen transform of DrawSprite: sprite point q lands at
// position + R(2 rotation) S R(-rotation) (q - centre), R(a) turning (1, 0)
// to (cos a, sin a). Sprite points are picture pixels, counted from the
// source rectangle's top-left corner when one is set (DrawSprite moves the
// centre by that corner before calling this).
AffineTransform SpriteTransform(float x, float y, float rotation, float scaleX, float scaleY,
                                float centreX, float centreY);
