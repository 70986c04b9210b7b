#pragma once
// Scenery drawn into the recording sprite batch: every scenery picture and
// decoration slot gets a picture of its own (so draws can be told apart), the
// live level and the camera start from a known state, and helpers read back
// where a picture's centre pixel landed.
#include <gtest/gtest.h>

#include "support/TestFiles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelLoading.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "scenery/LevelScenery.h"
#include "scenery/SceneryLayouts.h"
#include "shared/LevelRecord.h"

namespace scenerytest {

// A small grey 24-bit BMP; each Load of it makes a picture with its own id.
inline const char* TestPicturePath() {
    static const std::string path = testfiles::WriteGreyPicture("fv_scenerytest_", 8, 128);
    return path.c_str();
}

// The shared pictures with the source rectangles the resource loading gives
// them, and decoration slots 0 to 6 as a level with seven decorations has them.
inline void LoadSceneryPictures() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    batchBackend = BatchBackend::Recording;
    SpriteTexture* shared[] = {&sceneryTree1, &sceneryTree2, &sceneryTree3, &sceneryTree4,
                               &sceneryTree5, &sceneryTree8, &sceneryHill1, &sceneryHill2,
                               &sceneryHill3, &sceneryHill4, &sceneryWindmillWheel,
                               &sceneryWindmillTower};
    for (SpriteTexture* p : shared) p->Load(TestPicturePath());
    sceneryTree1.SetSourceRect(130, 0, 445, 511);
    sceneryTree2.SetSourceRect(125, 5, 425, 509);
    sceneryHill1.SetSourceRect(0, 240, 511, 511);
    sceneryHill2.SetSourceRect(0, 215, 511, 511);
    sceneryWindmillTower.SetSourceRect(132, 0, 365, 511);
    for (int i = 0; i < 7; ++i) levelDecor[i].Load(TestPicturePath());
}

inline void ResetSceneryState(int32_t recordId) {
    currentLevel = LevelRecord{};
    currentLevel.recordId = recordId;
    cameraX = cameraY = 0;
    screenWidth = 1024;
    screenHeight = 768;
    screenYOffset = 0;
    swayPhase = 0.0f;
    for (float& c : ambientColour) c = 255.0f;
    ResetBatchLog();
}

class SceneryTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadSceneryPictures();
        ResetSceneryState(1);
    }
};

struct Point {
    float x, y;
};

// Where a whole-picture pixel of a logged draw landed on screen.
inline Point Landing(const BatchRecord& r, float px, float py) {
    if (r.useSourceRect) {
        px -= static_cast<float>(r.sourceRect.left);
        py -= static_cast<float>(r.sourceRect.top);
    }
    const AffineTransform& t = r.transform;
    return {t.m00 * px + t.m01 * py + t.tx, t.m10 * px + t.m11 * py + t.ty};
}

// The rotation of a draw with equal scales (positive: clockwise on screen).
inline float RotationOf(const BatchRecord& r) {
    return std::atan2(r.transform.m10, r.transform.m00);
}

inline std::vector<BatchRecord> SpriteDraws() {
    std::vector<BatchRecord> out;
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Sprite) out.push_back(BatchLog()[i]);
    return out;
}

inline uint32_t IdOf(const SpriteTexture* picture) { return TextureId(picture->texture); }

// Draws one frame of the given record's scenery and returns the sprites.
inline std::vector<BatchRecord> DrawFrame(int32_t recordId) {
    currentLevel.recordId = recordId;
    ResetBatchLog();
    DrawLevelScenery();
    return SpriteDraws();
}

}  // namespace scenerytest
