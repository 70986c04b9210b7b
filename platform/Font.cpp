#include "platform/Font.h"

#include <hb.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/FileAccess.h"
#include "platform/SfmlContext.h"
#include "platform/AffineTransform.h"

// Measuring reads advance widths straight from the font file (HarfBuzz's
// font tables, no rasteriser, no GPU), so it works without a display and
// gives the same boxes whichever backend draws. Drawing uses SFML's text.
struct PlatformFont {
    char* bytes;  // the whole font file, read through the guarded open
    size_t size;
    hb_blob_t* blob;
    hb_face_t* face;
    hb_font_t* font;
    sf::Font* sfmlFont;
    int32_t pixelHeight;    // one text line
    uint32_t characterSize; // em size that makes ascender - descender fill a line
    int32_t upem;
    float baselineShift;    // from SFML's baseline (at characterSize) to ours
    int32_t spaceAdvance;   // whole pixels
    char path[512];
};

namespace {

// Far larger than any font a game would ship.
constexpr size_t maxFontFileBytes = 64u << 20;

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
    FlushSpriteBatch();  // queued glyphs may still use this font's texture
    hb_font_destroy(font->font);
    hb_face_destroy(font->face);
    hb_blob_destroy(font->blob);
    delete font->sfmlFont;
    std::free(font->bytes);
    delete font;
}

// The file's bytes, or null with a few words for a message.
char* ReadFontFile(const char* path, size_t* length, const char** problem)
{
    GameFile file;
    const FileRead opened = OpenGameFile(path, maxFontFileBytes, &file);
    if (opened != FileRead::Ok) {
        *problem = DescribeFileRead(opened);
        return nullptr;
    }
    const size_t size = static_cast<size_t>(file.size);
    char* bytes = static_cast<char*>(std::malloc(size > 0 ? size : 1));
    const size_t got = bytes != nullptr ? ReadGameFileAt(file, 0, bytes, size) : 0;
    CloseGameFile(&file);
    if (bytes == nullptr || got != size || got == 0) {
        std::free(bytes);
        *problem = got == 0 && bytes != nullptr ? "is empty" : "cannot be read whole";
        return nullptr;
    }
    *length = got;
    return bytes;
}

PlatformFont* TryLoad(const char* path, int pixelHeight, const char** problem) {
    PlatformFont* font = new (std::nothrow) PlatformFont{};
    if (font == nullptr) return nullptr;
    CopyPathWithSlashes(font->path, sizeof font->path, path);
    // Both readers take the bytes from memory: SFML would otherwise keep the
    // file open and read it again glyph by glyph.
    font->bytes = ReadFontFile(font->path, &font->size, problem);
    if (font->bytes == nullptr) {
        FreeFont(font);
        return nullptr;
    }
    font->blob = hb_blob_create(font->bytes, static_cast<unsigned>(font->size), HB_MEMORY_MODE_READONLY, nullptr,
                                nullptr);
    font->face = hb_face_create(font->blob, 0);
    font->font = hb_font_create(font->face);
    font->upem = static_cast<int32_t>(hb_face_get_upem(font->face));
    *problem = "is not a font";
    if (hb_face_get_glyph_count(font->face) == 0 || font->upem <= 0) {
        FreeFont(font);
        return nullptr;
    }
    hb_font_set_scale(font->font, font->upem, font->upem);
    font->sfmlFont = new (std::nothrow) sf::Font;
    bool loaded = false;
    if (font->sfmlFont != nullptr) {
        QuietSfmlErrors quiet;
        loaded = font->sfmlFont->loadFromMemory(font->bytes, font->size);
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
    return font;
}

}  // namespace

PlatformFont* LoadPlatformFont(const char* path, int pixelHeight) {
    const char* problem = "cannot be read";
    if (path != nullptr) {
        if (PlatformFont* font = TryLoad(path, pixelHeight, &problem)) return font;
    }
    for (const char* fallback : kFallbackFonts) {
        const char* ignored = nullptr;
        if (PlatformFont* font = TryLoad(fallback, pixelHeight, &ignored)) {
            // Said once for each font file, however many sizes load it.
            static char lastComplaint[512];
            if (path != nullptr && std::strcmp(lastComplaint, path) != 0) {
                std::fprintf(stderr, "FlorpVops: the font \"%s\" %s; using %s\n", path, problem, fallback);
                std::snprintf(lastComplaint, sizeof lastComplaint, "%s", path);
            }
            return font;
        }
    }
    if (path != nullptr)
        std::fprintf(stderr, "FlorpVops: the font \"%s\" %s, and no other font could be loaded; texts will not show\n",
                     path, problem);
    else
        std::fprintf(stderr, "FlorpVops: no font could be loaded; texts will not show\n");
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

void DrawFontText(sf::RenderTarget* target, const PlatformFont* font, const char* text,
                  int boxWidth, const AffineTransform& transform, sf::Color colour) {
    // Glyphs are placed by the same whole-pixel advances the box was
    // measured with, so every line sits centred in its box; each glyph's
    // picture comes from SFML's glyph cache (one texture per size), with the
    // one-pixel border SFML keeps around it for smooth edges.
    sf::Font& sfmlFont = *font->sfmlFont;
    const unsigned size = font->characterSize;
    const sf::Texture* page = &sfmlFont.getTexture(size);
    const float ascender = static_cast<float>(size) + font->baselineShift;
    const float padding = 1.f;
    int lineIndex = 0;
    const char* line = text;
    for (;;) {
        const char* end = line;
        while (*end != '\0' && *end != '\n') ++end;
        const int lineWidth = MeasureLine(font, line, static_cast<int>(end - line));
        int pen = (boxWidth - lineWidth) / 2;
        const float baseline = static_cast<float>(lineIndex * font->pixelHeight) + ascender;
        const char* p = line;
        while (p < end) {
            const uint32_t codePoint = DecodeUtf8(p, end);
            if (codePoint == '\r') continue;
            if (codePoint == '\t') {
                pen += 4 * font->spaceAdvance;
                continue;
            }
            const sf::Glyph& glyph = sfmlFont.getGlyph(codePoint, size, false);
            if (glyph.bounds.width > 0 && glyph.bounds.height > 0) {
                QueueQuad(target, page, transform,
                          static_cast<float>(pen) + glyph.bounds.left - padding,
                          baseline + glyph.bounds.top - padding, glyph.bounds.width + 2 * padding,
                          glyph.bounds.height + 2 * padding,
                          static_cast<float>(glyph.textureRect.left) - padding,
                          static_cast<float>(glyph.textureRect.top) - padding, colour);
            }
            pen += GlyphAdvance(font, codePoint);
        }
        if (*end == '\0') break;
        line = end + 1;
        ++lineIndex;
    }
}
