#include "engine/GameFont.h"

#include <cmath>

#include "engine/SpriteTexture.h"

GameFont fontSmall, fontMedium, fontLarge;

namespace {

uint32_t TextChannel(float c) {
    if (c >= 1.0f) return 255;
    if (!(c > 0.0f)) return 0;  // also a NaN channel, which has no whole value
    return static_cast<uint32_t>(c * 255.0f + 0.5f);
}

// Shared by the four forms: measure, anchor, transform, draw.
void DrawTextBox(const GameFont& gameFont, const char* text, float x, float y, bool centred,
                 float scaleX, float scaleY, float rotation, uint32_t colour) {
    if (gameFont.font == nullptr || text == nullptr) return;
    int w = 0, h = 0;
    MeasureText(gameFont.font, text, &w, &h);
    float left = x, top = y;
    if (centred) {
        left = x - static_cast<float>(w / 2);
        top = y - static_cast<float>(h / 2);
    }
    const AffineTransform transform = TextTransform(left, top, w, h, scaleX, scaleY, rotation);
    BatchDrawText(gameFont.font, text, w, h, transform, colour);
}

}  // namespace

void GameFont::Load(const char* fontFile, const char* faceName, int newHeight) {
    (void)faceName;  // the file carries its one face
    Release();
    height = newHeight;
    font = LoadPlatformFont(fontFile, newHeight);
}

void GameFont::Release() {
    if (font != nullptr) ReleasePlatformFont(font);
    font = nullptr;
}

void GameFont::DrawText(const char* text, float x, float y, float scaleX, float scaleY,
                        float rotation, float red, float green, float blue, float alpha) {
    DrawTextBox(*this, text, x, y, false, scaleX, scaleY, rotation,
                PackTextColour(red, green, blue, alpha));
}

void GameFont::DrawTextCentred(const char* text, float x, float y, float scaleX, float scaleY,
                               float rotation, float red, float green, float blue, float alpha) {
    DrawTextBox(*this, text, x, y, true, scaleX, scaleY, rotation,
                PackTextColour(red, green, blue, alpha));
}

void GameFont::DrawTextShifted(const char* text, float x, float y, float scaleX, float scaleY,
                               float rotation, float red, float green, float blue, float alpha) {
    DrawTextBox(*this, text, x, y + static_cast<float>(screenYOffset), false, scaleX, scaleY,
                rotation, PackTextColour(red, green, blue, alpha));
}

void GameFont::DrawTextCentredShifted(const char* text, float x, float y, float scaleX,
                                      float scaleY, float rotation, float red, float green,
                                      float blue, float alpha) {
    DrawTextBox(*this, text, x, y + static_cast<float>(screenYOffset), true, scaleX, scaleY,
                rotation, PackTextColour(red, green, blue, alpha));
}

uint32_t PackTextColour(float red, float green, float blue, float alpha) {
    return TextChannel(alpha) << 24 | TextChannel(red) << 16 | TextChannel(green) << 8 |
           TextChannel(blue);
}

AffineTransform TextTransform(float left, float top, int boxWidth, int boxHeight, float scaleX,
                              float scaleY, float rotation) {
    // Scaled, then turned, both about the box centre (integer halves).
    const double cx = boxWidth / 2, cy = boxHeight / 2;
    const double c = std::cos(static_cast<double>(rotation));
    const double s = std::sin(static_cast<double>(rotation));
    const double m00 = c * scaleX, m01 = -s * scaleY;
    const double m10 = s * scaleX, m11 = c * scaleY;
    const double tx = left + cx - (m00 * cx + m01 * cy);
    const double ty = top + cy - (m10 * cx + m11 * cy);
    return AffineTransform{static_cast<float>(m00), static_cast<float>(m01),
                           static_cast<float>(m10), static_cast<float>(m11),
                           static_cast<float>(tx),  static_cast<float>(ty)};
}
