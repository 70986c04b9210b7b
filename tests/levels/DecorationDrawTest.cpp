// Level decorations as the game draws them: each picture is loaded by the
// game's loader (a texture of power-of-two sides, the file scaled up to fill
// it), placed by the game's own draw functions into the recording sprite
// batch, and its drawn pixels are laid over the level's collision picture.
// A picture must stay inside the box it was designed for; what is drawn in
// front of the Vop must leave its road open; a tunnel back must not show
// under open sky; no replay takes the Vop's centre into a black patch the
// game draws in front of it, where the player would lose sight of it.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/LevelTable.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "screens/LevelDecorations.h"
#include "screens/LevelHints.h"
#include "shared/LevelRecord.h"
#include "tools/levelgen/CollisionRaster.h"
#include "tools/levelgen/LevelSource.h"
#include "tools/replaysearch/ReplayRun.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

// Alpha from which a drawn pixel counts as seen.
constexpr uint32_t seenAlpha = 8;
// The Vop's height: open pixels this close above ground are its road.
constexpr int vopHeight = 80;

std::string Normalised(const char* name)
{
    std::string s;
    for (const char* p = name; *p; ++p)
        if (!(*p == '/' && !s.empty() && s.back() == '/')) s += *p;
    return s;
}

// The level's collision picture as the game samples it, with the road mask:
// open (not solid, not deadly) pixels at most a Vop's height above a floor.
struct Terrain {
    PixelSurface surface = {};
    std::vector<int> firstSolid;  // top solid row per column
    std::vector<uint8_t> road;
    ~Terrain() { DestroySurface(&surface); }
    uint32_t At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= surface.width || y >= surface.height) return collEmpty;
        return surface.pixels[static_cast<size_t>(y) * surface.pitch + x];
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < surface.width && y < surface.height; }
    bool OpenSky(int x, int y) const { return Inside(x, y) && At(x, y) != collSolid && firstSolid[x] > y; }
    bool Road(int x, int y) const { return Inside(x, y) && road[static_cast<size_t>(y) * surface.width + x]; }
    bool Load(const LevelRecord& r)
    {
        bool loaded = false;
        if (!CreateSurfaceFromFile(Normalised(r.collFile).c_str(), r.width, r.height, &surface, &loaded) ||
            !loaded)
            return false;
        const int w = surface.width, h = surface.height;
        firstSolid.assign(static_cast<size_t>(w), h);
        road.assign(static_cast<size_t>(w) * h, 0);
        for (int x = 0; x < w; ++x) {
            int aboveFloor = vopHeight + 1;
            for (int y = h - 1; y >= 0; --y) {
                const uint32_t c = At(x, y);
                if (c == collSolid) firstSolid[x] = y;
                if (c == collSolid || c == collPlatform) aboveFloor = 0;
                else if (aboveFloor <= vopHeight) ++aboveFloor;
                if (c != collSolid && c != collDeadly && aboveFloor >= 1 && aboveFloor <= vopHeight)
                    road[static_cast<size_t>(y) * w + x] = 1;
            }
        }
        return true;
    }
};

// One picture the game drew: which one, where, and its texture pixels.
struct DrawnPicture {
    int decorSlot;  // -1: the menu's black patch
    bool inFront;   // drawn by the decorations pass, in front of the Vop
    AffineTransform transform;
    PixelSurface pixels = {};
};

class DecorationDraw : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FreshStartRandomState();  // the table as start-up fills it, music and kinds too
        std::string error;
        if (!ReadAllLevelDesigns("levels", designs, error)) ADD_FAILURE() << error;
        blackSprite.Load("data//menusprite//black.png");
    }
    static void TearDownTestSuite()
    {
        for (SpriteTexture& t : levelDecor) t.Release();
        blackSprite.Release();
    }

    // Loads the record's decoration pictures with the game's loader and draws
    // one frame of its hints (the backs and trees behind the tiles) and its
    // decorations (in front) with the camera at the world's origin and the
    // trees upright.
    static std::vector<DrawnPicture> DrawRecord(const LevelRecord& r)
    {
        for (SpriteTexture& t : levelDecor) t.Release();
        for (int i = 0; i < r.decorCount; ++i)
            if (r.decorFiles[i][0] != 0) levelDecor[i].Load(r.decorFiles[i]);
        currentLevel.recordId = r.recordId;
        cameraX = cameraY = 0;
        screenYOffset = 0;
        swayPhase = 0;
        ResetBatchLog();
        BeginSprites();
        DrawLevelHints();
        const int behind = BatchLogCount();
        DrawLevelDecorations();
        EndSprites();
        std::vector<DrawnPicture> drawn;
        for (int i = 0; i < BatchLogCount(); ++i) {
            const BatchRecord& b = BatchLog()[i];
            if (b.kind != BatchDrawKind::Sprite || b.textureId == 0) continue;
            const SpriteTexture* picture = nullptr;
            int slot = -1;
            for (int s = 0; s < maxDecorFiles; ++s)
                if (TextureId(levelDecor[s].texture) == b.textureId) {
                    picture = &levelDecor[s];
                    slot = s;
                }
            if (TextureId(blackSprite.texture) == b.textureId) picture = &blackSprite;
            if (picture == nullptr) continue;
            DrawnPicture d{slot, i >= behind, b.transform, {}};
            // The texture's pixels: the file scaled to the size the game's
            // texture loader gave it.
            bool loaded = false;
            CreateSurfaceFromFile(TexturePath(picture->texture), TextureWidth(picture->texture),
                                  TextureHeight(picture->texture), &d.pixels, &loaded);
            EXPECT_TRUE(loaded) << TexturePath(picture->texture);
            drawn.push_back(d);
        }
        return drawn;
    }

    static const DecorPicture* DesignOf(const LevelDesign& d, int slot)
    {
        for (const DecorPicture& dec : d.decor)
            if (dec.slot == slot) return &dec;
        return nullptr;
    }

    // Every seen pixel of a drawn picture, as its texture point and the
    // world pixel it lands on.
    template <typename Visit>
    static void ForEachSeenPixel(const DrawnPicture& p, Visit visit)
    {
        const AffineTransform& m = p.transform;
        for (int ty = 0; ty < p.pixels.height; ++ty)
            for (int tx = 0; tx < p.pixels.width; ++tx) {
                if ((p.pixels.pixels[static_cast<size_t>(ty) * p.pixels.pitch + tx] >> 24) < seenAlpha) continue;
                const float x = tx + 0.5f, y = ty + 0.5f;
                const int wx = static_cast<int>(std::floor(m.m00 * x + m.m01 * y + m.tx));
                const int wy = static_cast<int>(std::floor(m.m10 * x + m.m11 * y + m.ty));
                visit(tx, ty, wx, wy);
            }
    }

    static std::vector<LevelDesign> designs;
};

// Counts the pixels a rule finds and keeps the first one for the message.
struct Finding {
    int count = 0, firstX = 0, firstY = 0;
    void Add(int x, int y)
    {
        if (count++ == 0) {
            firstX = x;
            firstY = y;
        }
    }
};

std::vector<LevelDesign> DecorationDraw::designs;

TEST_F(DecorationDraw, EveryDrawnPictureStaysInsideItsDesignBox)
{
    int checked = 0;
    for (const LevelDesign& d : designs) {
        if (d.draft) continue;
        const LevelRecord& r = levelTable[d.record];
        std::vector<DrawnPicture> drawn = DrawRecord(r);
        for (DrawnPicture& p : drawn) {
            const DecorPicture* dec = p.decorSlot >= 0 ? DesignOf(d, p.decorSlot) : nullptr;
            if (dec != nullptr) {
                // The box is the design's w x h in picture pixels from the
                // picture's corner, wherever and however large it is drawn.
                Finding over;
                ForEachSeenPixel(p, [&](int tx, int ty, int wx, int wy) {
                    if (tx >= dec->w || ty >= dec->h) over.Add(wx, wy);
                });
                EXPECT_EQ(over.count, 0) << d.path << ": " << dec->file << " (" << dec->w << " x " << dec->h
                                         << ", a texture of " << p.pixels.width << " x " << p.pixels.height
                                         << ") draws " << over.count << " pixels outside its box, first at "
                                         << over.firstX << "," << over.firstY;
                ++checked;
            }
            DestroySurface(&p.pixels);
        }
    }
    EXPECT_GT(checked, 30);
}

TEST_F(DecorationDraw, WhatIsDrawnInFrontOfTheVopLeavesItsRoadOpen)
{
    for (const LevelDesign& d : designs) {
        if (d.draft) continue;
        const LevelRecord& r = levelTable[d.record];
        std::vector<DrawnPicture> drawn = DrawRecord(r);
        Terrain terrain;
        bool any = false;
        for (const DrawnPicture& p : drawn) any = any || (p.inFront && p.decorSlot >= 0);
        if (any) {
            ASSERT_TRUE(terrain.Load(r)) << r.collFile;
        }
        for (DrawnPicture& p : drawn) {
            // The menu's black patches are the game's own shading of record
            // 16's two chasms, drawn at fixed places (the road keeps above
            // them, see below); the level's own pictures are what is painted
            // for a place and must leave the road in view.
            if (p.inFront && p.decorSlot >= 0) {
                Finding onRoad;
                ForEachSeenPixel(p, [&](int, int, int wx, int wy) {
                    if (terrain.Road(wx, wy)) onRoad.Add(wx, wy);
                });
                EXPECT_EQ(onRoad.count, 0) << d.path << ": " << r.decorFiles[p.decorSlot] << " covers "
                                           << onRoad.count << " pixels of the Vop's road, first at "
                                           << onRoad.firstX << "," << onRoad.firstY;
            }
            DestroySurface(&p.pixels);
        }
    }
}

TEST_F(DecorationDraw, TunnelBacksShowOnlyInsidePassages)
{
    for (const LevelDesign& d : designs) {
        if (d.draft) continue;
        int slot = 0, x = 0, y = 0;
        if (!LevelBackPicture(d.record, 0, &slot, &x, &y)) continue;
        const LevelRecord& r = levelTable[d.record];
        Terrain terrain;
        ASSERT_TRUE(terrain.Load(r)) << r.collFile;
        std::vector<DrawnPicture> drawn = DrawRecord(r);
        for (DrawnPicture& p : drawn) {
            const DecorPicture* dec = p.decorSlot >= 0 ? DesignOf(d, p.decorSlot) : nullptr;
            if (!p.inFront && dec != nullptr && dec->style != "tree") {
                EXPECT_EQ(dec->style, "back") << d.path << ": slot " << p.decorSlot << " is drawn behind the tiles";
                Finding inSky;
                ForEachSeenPixel(p, [&](int, int, int wx, int wy) {
                    if (terrain.OpenSky(wx, wy)) inSky.Add(wx, wy);
                });
                EXPECT_EQ(inSky.count, 0) << d.path << ": " << dec->file << " shows " << inSky.count
                                          << " pixels under open sky, first at " << inSky.firstX << ","
                                          << inSky.firstY;
            }
            DestroySurface(&p.pixels);
        }
    }
}

// The world box a black patch covers, from its seen pixels.
struct Patch {
    int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
    bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Every replay of a level (default and hard), by the file names of its play
// order and record.
std::vector<std::pair<std::string, ReplayScript>> ReplaysOf(const LevelRecord& r)
{
    std::vector<std::pair<std::string, ReplayScript>> scripts;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "order%02d-rec%02d", r.playOrder, r.recordId);
    for (const char* folder : {"replays/", "replays/hard/"}) {
        std::vector<std::string> names;
        if (DIR* dir = opendir(folder)) {
            while (dirent* e = readdir(dir))
                if (std::strncmp(e->d_name, prefix, std::strlen(prefix)) == 0) names.push_back(e->d_name);
            closedir(dir);
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            ReplayScript script;
            std::string error;
            if (ReadReplayScript(folder + name, script, error)) scripts.emplace_back(folder + name, script);
        }
    }
    return scripts;
}

struct HiddenWatch {
    const std::vector<Patch>* patches;
    int ticks = 0, firstTick = -1, firstX = 0, firstY = 0;
};

bool WatchHidden(void* context, int tick)
{
    HiddenWatch& w = *static_cast<HiddenWatch*>(context);
    for (const Patch& p : *w.patches)
        if (p.Holds(playerX, playerY)) {
            if (w.ticks++ == 0) {
                w.firstTick = tick;
                w.firstX = playerX;
                w.firstY = playerY;
            }
            break;
        }
    return true;
}

TEST_F(DecorationDraw, NoReplayTakesTheVopIntoABlackPatch)
{
    int watched = 0;
    for (const LevelDesign& d : designs) {
        if (d.draft) continue;
        const LevelRecord& r = levelTable[d.record];
        std::vector<Patch> patches;
        std::vector<DrawnPicture> drawn = DrawRecord(r);
        for (DrawnPicture& p : drawn) {
            if (p.inFront && p.decorSlot < 0) {
                Patch box;
                ForEachSeenPixel(p, [&](int, int, int wx, int wy) {
                    box.left = std::min(box.left, wx);
                    box.right = std::max(box.right, wx);
                    box.top = std::min(box.top, wy);
                    box.bottom = std::max(box.bottom, wy);
                });
                patches.push_back(box);
            }
            DestroySurface(&p.pixels);
        }
        if (patches.empty() || r.playOrder == 0) continue;
        PrepareReplayWorld();
        for (const auto& replay : ReplaysOf(r))
            for (const ScreenSize& screen : replay.second.screens) {
                HiddenWatch w;
                w.patches = &patches;
                PlayReplay(replay.second, 0, WatchHidden, &w, FreshStartSeed(), screen);
                EXPECT_EQ(w.ticks, 0) << replay.first << " at " << ScreenName(screen) << " hides the Vop in a black patch for "
                                      << w.ticks << " ticks, first at tick " << w.firstTick << " at " << w.firstX << ","
                                      << w.firstY;
                ++watched;
            }
    }
    EXPECT_GT(watched, 0);
}

}  // namespace
