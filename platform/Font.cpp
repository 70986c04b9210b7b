#include "platform/Font.h"

#include <hb.h>

#include <cmath>
#include <new>

#include "platform/SfmlContext.h"

// Measuring reads advance widths straight from the font file (HarfBuzz's
// font tables, no rasteriser, no GPU), so it works without a display and
// gives the same boxes whichever backend draws. Drawing uses SFML's text.
struct PlatformFont {
    hb_blob_t* blob;
    hb_face_t* face;
    hb_font_t* font;
    sf::Font* sfmlFont;
    sf::Text* lineText;     // reused for every line drawn with this font
    int32_t pixelHeight;    // one text line
    uint32_t characterSize; // em size that makes ascender - descender fill a line
    int32_t upem;
    float baselineShift;    // from SFML's baseline (at characterSize) to ours
    int32_t spaceAdvance;   // whole pixels
    char path[512];
};

namespace {

const char* const kFallbackFonts[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
    "/usr/share/fonts/truetype/droid/DroidSans.ttf",
    "/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf",
    "/usr/share/fonts/truetype/freefont/FreeSans.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
};

// Next code point of UTF-8 text; malformed bytes read as U+FFFD.
uint32_t DecodeUtf8(const char*& p, const char* end) {
    const unsigned char c = static_cast<unsigned char>(*p++);
    if (c < 0x80) return c;
    int extra;
    uint32_t value;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        value = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        value = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        value = c & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (p >= end || (static_cast<unsigned char>(*p) & 0xC0) != 0x80) return 0xFFFD;
        value = value << 6 | (static_cast<unsigned char>(*p++) & 0x3F);
    }
    return value;
}

int GlyphAdvance(const PlatformFont* font, uint32_t codePoint) {
    hb_codepoint_t glyph = 0;
    hb_font_get_nominal_glyph(font->font, codePoint, &glyph);  // missing: glyph 0 (its box)
    const double units = hb_font_get_glyph_h_advance(font->font, glyph);
    return static_cast<int>(std::lround(units * font->characterSize / font->upem));
}

void FreeFont(PlatformFont* font) {
    if (font == nullptr) return;
    hb_font_destroy(font->font);
    hb_face_destroy(font->face);
    hb_blob_destroy(font->blob);
    delete font->lineText;
    delete font->sfmlFont;
    delete font;
}

PlatformFont* TryLoad(const char* path, int pixelHeight) {
    PlatformFont* font = new (std::nothrow) PlatformFont{};
    if (font == nullptr) return nullptr;
    CopyPathWithSlashes(font->path, sizeof font->path, path);
    font->blob = hb_blob_create_from_file(font->path);
    font->face = hb_face_create(font->blob, 0);
    font->font = hb_font_create(font->face);
    font->upem = static_cast<int32_t>(hb_face_get_upem(font->face));
    if (hb_face_get_glyph_count(font->face) == 0 || font->upem <= 0) {
        FreeFont(font);
        return nullptr;
    }
    hb_font_set_scale(font->font, font->upem, font->upem);
    font->sfmlFont = new (std::nothrow) sf::Font;
    bool loaded = false;
    if (font->sfmlFont != nullptr) {
        QuietSfmlErrors quiet;
        loaded = font->sfmlFont->loadFromFile(font->path);
    }
    if (!loaded) {
        FreeFont(font);
        return nullptr;
    }

    font->pixelHeight = pixelHeight > 0 ? pixelHeight : 1;
    hb_font_extents_t extents = {};
    hb_font_get_h_extents(font->font, &extents);
    const double lineUnits = static_cast<double>(extents.ascender) - extents.descender;
    const double scale = lineUnits > 0 ? font->pixelHeight / lineUnits : 1.0 / font->upem;
    long size = std::lround(scale * font->upem);
    font->characterSize = static_cast<uint32_t>(size > 0 ? size : 1);
    const double ascenderPixels = lineUnits > 0 ? extents.ascender * scale : font->pixelHeight;
    font->baselineShift = static_cast<float>(ascenderPixels - font->characterSize);
    font->spaceAdvance = GlyphAdvance(font, ' ');
    font->lineText = new (std::nothrow) sf::Text;
    if (font->lineText == nullptr) {
        FreeFont(font);
        return nullptr;
    }
    font->lineText->setFont(*font->sfmlFont);
    font->lineText->setCharacterSize(font->characterSize);
    return font;
}

}  // namespace

PlatformFont* LoadPlatformFont(const char* path, int pixelHeight) {
    if (path != nullptr) {
        if (PlatformFont* font = TryLoad(path, pixelHeight)) return font;
    }
    for (const char* fallback : kFallbackFonts) {
        if (PlatformFont* font = TryLoad(fallback, pixelHeight)) return font;
    }
    return nullptr;
}

void ReleasePlatformFont(PlatformFont* font) { FreeFont(font); }

int MeasureLine(const PlatformFont* font, const char* text, int length) {
    if (font == nullptr || text == nullptr) return 0;
    const char* p = text;
    const char* end = text + length;
    int width = 0;
    while (p < end && *p != '\0' && *p != '\n') {
        const uint32_t codePoint = DecodeUtf8(p, end);
        if (codePoint == '\r') continue;
        if (codePoint == '\t') {
            width += 4 * font->spaceAdvance;
        } else {
            width += GlyphAdvance(font, codePoint);
        }
    }
    return width;
}

void MeasureText(const PlatformFont* font, const char* text, int* width, int* height) {
    *width = 0;
    *height = 0;
    if (font == nullptr || text == nullptr) return;
    int lines = 0;
    const char* line = text;
    for (;;) {
        const char* end = line;
        while (*end != '\0' && *end != '\n') ++end;
        const int lineWidth = MeasureLine(font, line, static_cast<int>(end - line));
        if (lineWidth > *width) *width = lineWidth;
        ++lines;
        if (*end == '\0') break;
        line = end + 1;
    }
    // An empty text has no box.
    if (text[0] == '\0') lines = 0;
    *height = lines * font->pixelHeight;
}

int FontPixelHeight(const PlatformFont* font) { return font ? font->pixelHeight : 0; }
const char* FontFilePath(const PlatformFont* font) { return font ? font->path : ""; }

void DrawFontText(sf::RenderTarget& target, const PlatformFont* font, const char* text,
                  int boxWidth, const sf::Transform& transform, sf::Color colour) {
    // The font's own text object is reused for every line, so drawing keeps
    // its buffers.
    sf::Text* lineText = font->lineText;
    lineText->setFillColor(colour);
    int lineIndex = 0;
    const char* line = text;
    for (;;) {
        const char* end = line;
        while (*end != '\0' && *end != '\n') ++end;
        const int lineWidth = MeasureLine(font, line, static_cast<int>(end - line));
        lineText->setString(sf::String::fromUtf8(line, end));
        sf::Transform place = transform;
        place.translate(static_cast<float>((boxWidth - lineWidth) / 2),
                        static_cast<float>(lineIndex * font->pixelHeight) + font->baselineShift);
        target.draw(*lineText, sf::RenderStates(sf::BlendAlpha, place, nullptr, nullptr));
        if (*end == '\0') break;
        line = end + 1;
        ++lineIndex;
    }
}
