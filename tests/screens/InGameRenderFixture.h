#pragma once
// Shared set-up for the in-game drawing tests: pictures and fonts loaded into
// the recording sprite batch (no window), a clean live level, and helpers to
// read back where a picture point or a text box landed on screen.
#include <gtest/gtest.h>

#include "engine/PackedColour.h"
#include "gameplay/LevelAttempt.h"
#include "support/TestFiles.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/GameFont.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "screens/TrailParticles.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace drawtest {

struct Point {
    float x, y;
};

// A tiny 24-bit BMP: enough for a picture record with its own texture id.
inline std::string WriteTestPicture()
{
    static const std::string path = testfiles::WriteGreyPicture("fv_drawtest_", 16, 200);
    return path;
}

inline void LoadTestPicture(SpriteTexture& picture) { picture.Load(WriteTestPicture().c_str()); }

// Loads every picture and font the in-game drawing uses, once per process,
// with the source rectangles the resource catalogue gives them.
inline void LoadDrawingResources()
{
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    batchBackend = BatchBackend::Recording;
    LoadTestPicture(enemyEyeSprite);
    enemyEyeSprite.SetSourceRect(0, 0, 80, 50);
    SpriteTexture* pairs[] = {enemyBodySprites, bigGearCwSprites, bigGearCcwSprites,
                              smallGearCwSprites, smallGearCcwSprites, cannonSprites,
                              spikeVopSprites, airVopSprites, rockVopSprites,
                              beginnerVopSprites, angryVopSprites, eliteVopSprites};
    for (SpriteTexture* pair : pairs) {
        LoadTestPicture(pair[0]);
        LoadTestPicture(pair[1]);
    }
    for (int i = 0; i < 2; ++i) enemyBodySprites[i].SetSourceRect(0, 0, 80, 80);
    SpriteTexture* vops[] = {spikeVopSprites, airVopSprites, rockVopSprites,
                             beginnerVopSprites, angryVopSprites, eliteVopSprites};
    for (SpriteTexture* pair : vops) {
        pair[0].SetSourceRect(23, 23, 105, 105);
        pair[1].SetSourceRect(23, 23, 105, 105);
    }
    for (auto& row : vopFaceSprites) {
        LoadTestPicture(row[0]);
        LoadTestPicture(row[1]);
    }
    for (SpriteTexture& p : trailParticleSprites) LoadTestPicture(p);
    for (SpriteTexture& p : goalShield) LoadTestPicture(p);
    LoadTestPicture(blackSprite);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) LoadTestPicture(levelTiles[r][c]);
    for (int i = 0; i < 5; ++i) LoadTestPicture(levelDecor[i]);
    fontSmall.Load("data//FVf.ttf", "Snap ITC", 28);
    fontMedium.Load("data//FVf.ttf", "Snap ITC", 50);
    fontLarge.Load("data//FVf.ttf", "Snap ITC", 100);
}

// A quiet level at the world's origin: no objects, camera at (0, 0), a
// 1024 x 768 screen, the Vop alive and calm.
inline void ResetDrawingState()
{
    currentLevel = LevelRecord{};
    cameraX = cameraY = 0;
    screenWidth = 1024;
    screenHeight = 768;
    screenYOffset = 0;
    shaderEnabled = 0;
    checkpointsEnabled = 1;
    decorationsEnabled = 1;
    vopKind = 1;
    playerX = playerY = 0;
    playerAlpha = 255.0f;
    dangerMeter = 0.0f;
    endState = EndAlive;
    endRise = 0.0f;
    levelDone = 0;
    bossBeaten = 0;
    vopBlinkLid = 0;
    vopPhaseA = vopPhaseB = swayPhase = 0.0f;
    for (int i = 0; i < trailEntries; ++i) {
        trailX[i] = trailY[i] = 0.0f;
        trailAlpha[i] = 0.0f;
        trailScale[i] = 1.0f;
        trailHot[i] = 0;
    }
    trailNext = 0;
    killScore = timeBonus = thresholdPoints = shownScore = goalScoreFade = 0;
    newLevelUnlocked = levelNotPassed = newKindUnlocked = 0;
    gameState = InGame;
    transitionCurtain = 5;
    levelTitleVisible = 0;
    levelTitle[0] = '\0';
    for (float& c : ambientColour) c = 255.0f;
    SeedCosmeticRandom(12345);
    ResetBatchLog();
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDrawingResources();
        ResetDrawingState();
    }
};

inline uint32_t IdOf(const SpriteTexture& picture) { return TextureId(picture.texture); }

// The logged draws of one picture, in draw order.
inline std::vector<const BatchRecord*> DrawsOf(const SpriteTexture& picture)
{
    std::vector<const BatchRecord*> out;
    const uint32_t id = IdOf(picture);
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        if (r.kind == BatchDrawKind::Sprite && r.textureId == id) out.push_back(&r);
    }
    return out;
}

inline std::vector<const BatchRecord*> Texts()
{
    std::vector<const BatchRecord*> out;
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Text) out.push_back(&BatchLog()[i]);
    return out;
}

// Index in the log of the first / last draw of a picture (-1 when none).
inline int FirstDrawOf(const SpriteTexture& picture)
{
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Sprite && BatchLog()[i].textureId == IdOf(picture))
            return i;
    return -1;
}
inline int LastDrawOf(const SpriteTexture& picture)
{
    int last = -1;
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Sprite && BatchLog()[i].textureId == IdOf(picture))
            last = i;
    return last;
}

// Where a point of the picture (texture pixels) landed on screen.
inline Point Landing(const BatchRecord& r, float px, float py)
{
    if (r.useSourceRect) {
        px -= static_cast<float>(r.sourceRect.left);
        py -= static_cast<float>(r.sourceRect.top);
    }
    const AffineTransform& t = r.transform;
    return {t.m00 * px + t.m01 * py + t.tx, t.m10 * px + t.m11 * py + t.ty};
}

// Where the centre of a text box landed.
inline Point TextCentre(const BatchRecord& r)
{
    return Landing(r, static_cast<float>(r.boxWidth / 2), static_cast<float>(r.boxHeight / 2));
}

// The picture's turn and size, for draws with equal x and y scales.
inline float RotationOf(const BatchRecord& r) { return std::atan2(r.transform.m10, r.transform.m00); }
inline float ScaleOf(const BatchRecord& r) { return std::hypot(r.transform.m00, r.transform.m10); }

// The turn-and-stretch part of a draw equals the one of these arguments.
inline void ExpectShape(const BatchRecord& r, float rotation, float scaleX, float scaleY)
{
    const AffineTransform e = SpriteTransform(0, 0, rotation, scaleX, scaleY, 0, 0);
    EXPECT_NEAR(r.transform.m00, e.m00, 1e-4);
    EXPECT_NEAR(r.transform.m01, e.m01, 1e-4);
    EXPECT_NEAR(r.transform.m10, e.m10, 1e-4);
    EXPECT_NEAR(r.transform.m11, e.m11, 1e-4);
}

}  // namespace drawtest

#define EXPECT_LANDS(record, px, py, sx, sy)              \
    do {                                                  \
        const drawtest::Point p_ = drawtest::Landing((record), (px), (py)); \
        EXPECT_NEAR(p_.x, (sx), 1e-3);                    \
        EXPECT_NEAR(p_.y, (sy), 1e-3);                    \
    } while (0)
