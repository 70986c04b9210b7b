#pragma once
// The game's font at one height, with four ways to place a text box.
#include <cstdint>

#include "platform/Font.h"
#include "platform/SpriteBatch.h"

struct GameFont {
    int32_t height;
    PlatformFont* font;  // absent until Load (or when no font could be loaded)

    // Loads the font file at a pixel height, replacing a font held before.
    // The face name is the face inside the file (kept for the record; the
    // file decides). A missing file falls back to a system font.
    void Load(const char* fontFile, const char* faceName, int height);
    void Release();
    ~GameFont() { Release(); }

    // Box top-left at (x, y).
    void DrawText(const char* text, float x, float y, float scaleX, float scaleY, float rotation,
                  float red, float green, float blue, float alpha);
    // Box centre at (x, y).
    void DrawTextCentred(const char* text, float x, float y, float scaleX, float scaleY,
                         float rotation, float red, float green, float blue, float alpha);
    // Box top-left at (x, y + screenYOffset).
    void DrawTextShifted(const char* text, float x, float y, float scaleX, float scaleY,
                         float rotation, float red, float green, float blue, float alpha);
    // Box centre at (x, y + screenYOffset).
    void DrawTextCentredShifted(const char* text, float x, float y, float scaleX, float scaleY,
                                float rotation, float red, float green, float blue, float alpha);
};

// fontSmall 28, fontMedium 50, fontLarge 100 pixels high (loaded with the
// other resources).
extern GameFont fontSmall, fontMedium, fontLarge;

// ARGB of text colour channels on 0..1: 255 at or above 1, 0 at or below 0,
// else trunc(c * 255 + 0.5).
uint32_t PackTextColour(float red, float green, float blue, float alpha);
// The text box transform: the box (boxWidth x boxHeight, halves in whole
// numbers) is scaled and turned about its centre and its top-left corner
// before scaling is put at (left, top).
AffineTransform TextTransform(float left, float top, int boxWidth, int boxHeight, float scaleX,
                              float scaleY, float rotation);
