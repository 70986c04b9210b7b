#include "engine/SpriteTexture.h"

#include <cmath>
#include <cstdio>

#include "engine/Settings.h"

int screenYOffset = 0;
int cameraX = 0, cameraY = 0;

namespace {

// What LockPixels hands out for a record with no surface: a zero row wider
// than any level, read with pitch 0, so every (x, y) a level can ask for
// reads 0 (nothing solid, nothing deadly) instead of foreign memory.
constexpr int kEmptyRowPixels = 65536;
uint32_t emptyRow[kEmptyRowPixels];

// Float to whole number toward zero, then its low 8 bits. Values outside
// the 64-bit range (and NaN) give 0 rather than undefined behaviour.
uint32_t LowByteOf(float value) {
    if (!(value > -9.2e18f && value < 9.2e18f)) return 0;
    return static_cast<uint32_t>(static_cast<int64_t>(value)) & 0xFFu;
}

}  // namespace

void SpriteTexture::Load(const char* path, bool asSurface, int width, int height) {
    DecodedPicture picture;
    DecodePictureFile(path, asSurface ? SurfacePictureRequest() : TexturePictureRequest(), &picture);
    LoadDecoded(path, &picture, asSurface, width, height);
    FreeDecodedPicture(&picture);
}

void SpriteTexture::LoadDecoded(const char* path, DecodedPicture* picture, bool asSurface,
                                int width, int height) {
    isSurface = asSurface ? 1 : 0;
    if (!asSurface) {
        // The old texture goes as Release would let it go, but its place on
        // the graphics card may be refilled.
        PlatformTexture* old = texture;
        texture = nullptr;
        Release();
        texture = ReplaceTextureFromPicture(old, path, picture);
        return;
    }
    Release();
    bool fileLoaded = false;
    const bool made = CreateSurfaceFromPicture(path, picture, width, height, &surface, &fileLoaded);
    // A surface of empty pixels in place of the file is no success: the
    // level would play on without ground.
    std::fputs(made && fileLoaded ? "OK" : "FAIL", stdout);
    std::fflush(stdout);
}

PixelLock SpriteTexture::LockPixels() {
    if (surface.pixels != nullptr) {
        pitchPixels = surface.pitch;
        pixels = surface.pixels;
    } else {
        pitchPixels = 0;
        pixels = emptyRow;
    }
    return PixelLock{pitchPixels, pixels};
}

void SpriteTexture::Release() {
    if (texture != nullptr) {
        DestroyTexture(texture);
        texture = nullptr;
    }
    if (surface.pixels != nullptr) DestroySurface(&surface);
    // The pixels handed out before belong to the released surface.
    pitchPixels = 0;
    pixels = nullptr;
}

void SpriteTexture::SetSourceRect(int left, int top, int right, int bottom) {
    sourceRect = SourceRect{left, top, right, bottom};
    useSourceRect = 1;
}

void SpriteTexture::DrawSprite(float x, float y, float rotation, float scaleX, float scaleY,
                               float centreX, float centreY, uint32_t colour) {
    if (texture == nullptr) return;
    BatchRect rect;
    if (useSourceRect == 1) {
        // The drawn rectangle's top-left corner is the sprite-space origin.
        centreX -= static_cast<float>(sourceRect.left);
        centreY -= static_cast<float>(sourceRect.top);
        rect = BatchRect{sourceRect.left, sourceRect.top, sourceRect.right, sourceRect.bottom};
    }
    const AffineTransform transform =
        SpriteTransform(x, y, rotation, scaleX, scaleY, centreX, centreY);
    BatchDrawTexture(texture, transform, useSourceRect == 1 ? &rect : nullptr, colour);
}

void SpriteTexture::DrawSpriteShifted(float x, float y, float rotation, float scaleX, float scaleY,
                                      float centreX, float centreY, uint32_t colour) {
    DrawSprite(x, y + static_cast<float>(screenYOffset), rotation, scaleX, scaleY, centreX, centreY,
               colour);
}

void SpriteTexture::DrawWorldSprite(int worldX, int worldY, float parallax, float rotation,
                                    float scaleX, float scaleY, float centreX, float centreY,
                                    float red, float green, float blue, float alpha,
                                    float brightness) {
    DrawSprite(WorldToScreenX(worldX, parallax), WorldToScreenY(worldY), rotation, scaleX, scaleY,
               centreX, centreY, PackWorldColour(red, green, blue, alpha, brightness));
}

void SpriteTexture::DrawSceneryElement(int worldX, int worldY, float parallax, float rotation,
                                       float scaleX, float scaleY, float centreX, float centreY,
                                       float red, float green, float blue, float alpha,
                                       float brightness) {
    DrawSpriteShifted(WorldToScreenX(worldX, parallax), WorldToScreenY(worldY), rotation, scaleX,
                      scaleY, centreX, centreY, PackWorldColour(red, green, blue, alpha, brightness));
}

void BeginSprites() { BatchBegin(); }
void EndSprites() { BatchEnd(); }

float WorldToScreenX(int worldX, float parallax) {
    const int halfW = screenWidth / 2;
    return static_cast<float>(halfW) + parallax * static_cast<float>(worldX - cameraX - halfW);
}

float WorldToScreenY(int worldY) { return static_cast<float>(worldY - cameraY); }

uint32_t PackWorldColour(float red, float green, float blue, float alpha, float brightness) {
    return LowByteOf(alpha) << 24 | LowByteOf(red * brightness) << 16 |
           LowByteOf(green * brightness) << 8 | LowByteOf(blue * brightness);
}

AffineTransform SpriteTransform(float x, float y, float rotation, float scaleX, float scaleY,
                                float centreX, float centreY) {
    // Scaling is done in a frame turned by the rotation and the result is
    // turned once more: R(2r) S R(-r). With equal scales this is a plain
    // turn; with unequal ones the stretch follows the turned picture axes.
    const double c = std::cos(static_cast<double>(rotation));
    const double s = std::sin(static_cast<double>(rotation));
    const double c2 = std::cos(2.0 * rotation);
    const double s2 = std::sin(2.0 * rotation);
    const double sx = scaleX, sy = scaleY;
    const double m00 = c2 * sx * c + s2 * sy * s;
    const double m01 = c2 * sx * s - s2 * sy * c;
    const double m10 = s2 * sx * c - c2 * sy * s;
    const double m11 = s2 * sx * s + c2 * sy * c;
    const double tx = x - (m00 * centreX + m01 * centreY);
    const double ty = y - (m10 * centreX + m11 * centreY);
    return AffineTransform{static_cast<float>(m00), static_cast<float>(m01),
                           static_cast<float>(m10), static_cast<float>(m11),
                           static_cast<float>(tx),  static_cast<float>(ty)};
}
