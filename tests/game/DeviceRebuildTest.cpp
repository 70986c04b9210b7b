// The device test and rebuild: a rebuild in game reloads the live level's
// pictures and keeps the play state; level data cannot push it past its
// picture tables.
#include <gtest/gtest.h>

#include <vector>

#include "engine/GraphicsDevice.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/DeviceReset.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"

namespace {

class DeviceRebuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        HarnessConfig config;
        ASSERT_TRUE(HarnessInit(config));
        pixels.assign(2000 * 1000, solidColour);
        ProvideCollisionPicture(pixels.data(), 2000, 2000, 1000);
        HarnessInstallLevel(48, HarnessPlainLevel(2000, 1000, 400, 300, 1900, 300));
    }
    void TearDown() override { ProvideCollisionPicture(nullptr, 0, 0, 0); }
    std::vector<uint32_t> pixels;
};

TEST_F(DeviceRebuild, TheDeviceHereIsNeverLost)
{
    EXPECT_EQ(TestDeviceForTick(), 1);
}

TEST_F(DeviceRebuild, InGameItKeepsThePlayStateAndTheLevelPictures)
{
    ASSERT_TRUE(HarnessStartLevel(48));
    HarnessTicks(10);
    const int x = playerX, y = playerY, tick = levelTickCounter;
    ResetDevice();
    EXPECT_EQ(deviceWasReset, 1);
    EXPECT_EQ(playerX, x);
    EXPECT_EQ(playerY, y);
    EXPECT_EQ(levelTickCounter, tick);
    EXPECT_EQ(gameState, InGame);
    EXPECT_NE(collPixels, nullptr);
    EXPECT_EQ(levelWidth, 2000);
    HarnessTick();
    EXPECT_EQ(levelTickCounter, tick + 1) << "the game goes on";
}

TEST_F(DeviceRebuild, DamagedPictureCountsStayWithinTheTables)
{
    ASSERT_TRUE(HarnessStartLevel(48));
    currentLevel.tileRows = 1000;
    currentLevel.tileCols = 1000;
    currentLevel.decorCount = 1000;
    ReloadLevelPictures();  // under the sanitizers an overrun would stop here
    currentLevel.tileRows = -3;
    currentLevel.decorCount = -1;
    ReloadLevelPictures();
    SUCCEED();
}

}  // namespace
