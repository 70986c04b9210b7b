#pragma once
// Synthetic levels for the gameplay tests: a collision picture in memory,
// painted with rectangles, and a level record that plays on it headless.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/LevelObjectUpdate.h"
#include "gameplay/LevelTick.h"
#include "gameplay/SimRandom.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "support/TestFiles.h"

namespace gameplay_test {

constexpr uint32_t empty = 0x00000000u;
constexpr uint32_t white = solidColour;
constexpr uint32_t silver = platformColour;
constexpr uint32_t navy = deadlyColour;

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, empty) {}
    // Fills x0..x1, y0..y1 (both ends included), clipped to the picture.
    void Fill(int x0, int y0, int x1, int y1, uint32_t colour)
    {
        for (int y = y0 < 0 ? 0 : y0; y <= y1 && y < height; ++y)
            for (int x = x0 < 0 ? 0 : x0; x <= x1 && x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = colour;
    }
    void Set(int x, int y, uint32_t colour) { Fill(x, y, x, y, colour); }
};

// A record of the given size with the Vop at (startX, startY), the goal far
// away, no objects and a plain white colour cycle.
inline LevelRecord MakeTestRecord(int width, int height, int startX, int startY)
{
    LevelRecord r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    for (LevelObject& o : r.objects) o = LevelObject{};
    r.width = width;
    r.height = height;
    r.tileCols = width / 1024;
    r.tileRows = height / 1024;
    r.startX = startX;
    r.startY = startY;
    r.goalX = -100000;
    r.goalY = -100000;
    r.colourFadeTicks = 100;
    r.colourHoldTicks = 10;
    for (auto& key : r.colourKeys)
        for (float& c : key) c = 255.0f;
    for (float& c : r.startColour) c = 255.0f;
    r.recordId = 40;
    r.timeBonusBase = 100;
    r.thresholdPoints = 50;
    std::strcpy(r.collFile, "no//such//coll.png");
    return r;
}

inline void ClearActions()
{
    RestoreActionFlags(ActionFlags{});
}

// Every test starts from the same options and an idle input; sound is
// silent, pictures are not loaded, progress goes to a scratch folder.
class GameplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSilentAudio(true);
        levelPicturesEnabled = 0;
        musicEnabled = 0;
        soundEnabled = 0;
        screenWidth = 1024;
        screenHeight = 768;
        difficulty = 1;
        vopKind = 1;
        checkpointsEnabled = 1;
        shaderEnabled = 0;
        unlockedLevels = 1;
        fadeState = 0;
        jumpBuffer = 0;
        jumpLatch = 0;
        trailHead = 0;
        for (uint8_t& h : trailHot) h = 0;
        SeedSimRandom(1);
        ClearActions();
        UseScratchProgressFolder();
    }
    void TearDown() override { ProvideCollisionPicture(nullptr, 0, 0, 0); }

    // Loads a record on the picture (kept alive by the fixture).
    void Load(const LevelRecord& record, Picture& picture)
    {
        ProvideCollisionPicture(picture.pixels.data(), picture.width, picture.width, picture.height);
        LoadLevel(record);
    }

    // A level of 2048 x 1024 with a white floor whose top row is floorY and
    // the Vop standing on it at x.
    void LoadFlat(Picture& picture, int x, int floorY)
    {
        picture.Fill(0, floorY, picture.width - 1, picture.height - 1, white);
        LevelRecord r = MakeTestRecord(picture.width, picture.height, x, floorY - 40);
        Load(r, picture);
    }

    void Physics(int ticks, bool controls = true)
    {
        for (int t = 0; t < ticks; ++t) UpdateVopPhysicsOfKind(vopKind, controls);
    }

    static void UseScratchProgressFolder()
    {
        static std::string folder;
        if (folder.empty()) {
            folder = testfiles::MakeTempDir("fv-gameplay-");
            ASSERT_FALSE(folder.empty());
            testfiles::RemoveAtExit(folder);
            setenv("HOME", folder.c_str(), 1);
            unsetenv("XDG_CONFIG_HOME");
            BuildSettingsPaths();
        }
    }
};

}  // namespace gameplay_test
