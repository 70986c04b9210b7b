// The chapter title of a level page and the Vop-kind texts share the upper
// left of the page: the title, swaying and scrolling with the landscape,
// must leave the rows where a hovered kind button writes its lines clear in
// every language. Both are placed by the game's own drawing into the
// recording sprite batch: the title's drawn pixels (its picture loaded at
// the texture size the game's loader gives it) against the kind texts' boxes
// (measured from the font's height and the texts' widths).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/LevelPages.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/VopPhysics.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "screens/FocusNavigation.h"
#include "screens/VopKindChoice.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

struct Language {
    const char* file;
    const char* titleSuffix;  // chapter title files: "ch1" suffix ".png"
};

const Language languages[] = {
    {"data//language//de.ini", ""}, {"data//language//en.ini", "e"}, {"data//language//fr.ini", "fr"},
    {"data//language//it.ini", "it"}, {"data//language//es.ini", "es"},
};

// A title's seen pixels (texture coordinates of pixel centres), sampled
// every other pixel.
std::vector<std::pair<float, float>> SeenPixels(const SpriteTexture& title)
{
    std::vector<std::pair<float, float>> seen;
    PixelSurface s = {};
    bool loaded = false;
    CreateSurfaceFromFile(TexturePath(title.texture), TextureWidth(title.texture), TextureHeight(title.texture), &s,
                          &loaded);
    EXPECT_TRUE(loaded) << TexturePath(title.texture);
    for (int y = 0; y < s.height; y += 2)
        for (int x = 0; x < s.width; x += 2)
            if ((s.pixels[static_cast<size_t>(y) * s.pitch + x] >> 24) >= 32) seen.emplace_back(x + 0.5f, y + 0.5f);
    DestroySurface(&s);
    return seen;
}

bool Inverse(const AffineTransform& m, AffineTransform& out)
{
    const float det = m.m00 * m.m11 - m.m01 * m.m10;
    if (std::fabs(det) < 1e-9f) return false;
    out.m00 = m.m11 / det;
    out.m01 = -m.m01 / det;
    out.m10 = -m.m10 / det;
    out.m11 = m.m00 / det;
    out.tx = -(out.m00 * m.tx + out.m01 * m.ty);
    out.ty = -(out.m10 * m.tx + out.m11 * m.ty);
    return true;
}

// The transform of the last sprite drawn with `picture`.
bool DrawnTransform(const SpriteTexture& picture, AffineTransform& out)
{
    bool found = false;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& b = BatchLog()[i];
        if (b.kind == BatchDrawKind::Sprite && b.textureId == TextureId(picture.texture)) {
            out = b.transform;
            found = true;
        }
    }
    return found;
}

// Draws one frame of a level page with a kind button hovered and counts
// the title's seen pixels inside each kind text's box; the first text the
// title runs through goes to `what`.
int TitlePixelsUnderKindTexts(int page, const std::vector<std::pair<float, float>>& seen, int kind,
                              int* texts, std::string* what)
{
    menuFocusIdle = 1;
    levelPageFocus[page] = 0;
    playerX = VopKindButtonX(vopKindButtons[kind]);
    playerY = vopKindButtons[kind].y;
    ResetBatchLog();
    BeginSprites();
    DrawLevelPage(page);
    EndSprites();
    AffineTransform title = {};
    EXPECT_TRUE(DrawnTransform(chapterTitles[page], title));
    ResetBatchLog();
    BeginSprites();
    DrawVopKindButtons(std::sin(swayPhase) / 5, 0);
    EndSprites();
    int through = 0;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& b = BatchLog()[i];
        AffineTransform toBox = {};
        if (b.kind != BatchDrawKind::Text || !Inverse(b.transform, toBox)) continue;
        ++*texts;
        int inBox = 0;
        for (const auto& p : seen) {
            const float sx = title.m00 * p.first + title.m01 * p.second + title.tx;
            const float sy = title.m10 * p.first + title.m11 * p.second + title.ty;
            const float u = toBox.m00 * sx + toBox.m01 * sy + toBox.tx;
            const float v = toBox.m10 * sx + toBox.m11 * sy + toBox.ty;
            inBox += u >= 0 && v >= 0 && u < b.boxWidth && v < b.boxHeight;
        }
        if (inBox > 0 && through == 0) *what = b.text;
        through += inBox;
    }
    return through;
}

TEST(ChapterTitleLayout, KindTextsNeverRunThroughTheChapterTitle)
{
    HarnessConfig config;
    config.loadResources = true;
    config.render = false;
    ASSERT_TRUE(HarnessInit(config));
    const int pageStates[5] = {LevelPage1, LevelPage2, LevelPage3, LevelPage4, LevelPage5};
    int texts = 0;
    for (const Language& language : languages) {
        LoadLanguageTexts(language.file);
        for (int page = 0; page < 5; ++page) {
            const std::string file = std::string("data//menusprite//buttons//schrift//ch") +
                                     std::to_string(page + 1) + language.titleSuffix + ".png";
            chapterTitles[page].Load(file.c_str());
            ASSERT_NE(chapterTitles[page].texture, nullptr) << file;
            const std::vector<std::pair<float, float>> seen = SeenPixels(chapterTitles[page]);
            ASSERT_FALSE(seen.empty()) << file;
            int through = 0;
            std::string first, where;
            // Every screen width, the page scrolled from one end to the
            // other, the sway at both extremes and upright, kinds open and
            // locked (their texts differ), each kind hovered.
            for (int width : {800, 1024, 1920})
                for (int camera : {-206, -51, 300, 2066 - width})
                    for (float phase : {-1.5708f, 0.0f, 1.5708f})
                        for (int unlocked : {1, 45})
                            for (int kind = 0; kind < vopKindButtonCount; ++kind) {
                                HarnessStartAtState(pageStates[page]);
                                screenWidth = width;
                                unlockedLevels = unlocked;
                                cameraX = camera;
                                swayPhase = phase;
                                std::string what;
                                const int n = TitlePixelsUnderKindTexts(page, seen, kind, &texts, &what);
                                if (n > 0 && through == 0) {
                                    first = what;
                                    where = "screen width " + std::to_string(width) + ", camera " +
                                            std::to_string(camera) + ", sway phase " + std::to_string(phase);
                                }
                                through += n;
                            }
            EXPECT_EQ(through, 0) << file << ": the kind texts run through the title (" << through
                                  << " samples), first \"" << first << "\" at " << where;
        }
    }
    EXPECT_GT(texts, 5000);
}

}  // namespace
