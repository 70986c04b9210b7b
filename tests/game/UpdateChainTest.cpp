// The update step around the screens: music ducking, the developer chord,
// and where leaving a level leads (boss pages, the credits).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AudioWrappers.h"
#include "engine/Settings.h"
#include "game/InGameUpdate.h"
#include "game/Resources.h"
#include "game/UpdateStep.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "platform/Audio.h"
#include "platform/Keyboard.h"
#include "screens/FocusNavigation.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "support/TestFiles.h"

namespace {

class UpdateChain : public ::testing::Test {
protected:
    void SetUp() override
    {
        HarnessConfig config;
        config.homeDir = home.path.c_str();
        ASSERT_TRUE(HarnessInit(config));
        pixels.assign(3000 * 1000, 0u);
        ProvideCollisionPicture(pixels.data(), 3000, 3000, 1000);
    }
    void TearDown() override
    {
        ProvideCollisionPicture(nullptr, 0, 0, 0);
        HarnessReleaseAllKeys();
    }
    // Plays record `record` as if won and leaves it.
    void WinAndLeave(int record)
    {
        ASSERT_TRUE(HarnessStartLevel(record));
        levelDone = 1;
        LeaveLevel();
    }
    testfiles::TempFolder home{"fv-chain-"};
    std::vector<uint32_t> pixels;
};

TEST_F(UpdateChain, TheLevelPassJingleDucksTheMusic)
{
    HarnessStartAtState(MainMenu);
    levelPassSound.SetBuffer(levelPassSoundBuffer);
    levelPassSound.Play();
    HarnessTicks(15);
    if (levelPassSound.GetStatus() == SoundStatus::Playing) {
        EXPECT_EQ(musicDuck, -20) << "down by 2 a step, not below -20";
    }
    levelPassSound.Stop();
    HarnessTicks(5);
    EXPECT_LE(musicDuck, 0);
    HarnessTicks(20);
    EXPECT_EQ(musicDuck, 0) << "back up by 1 a step";
}

TEST_F(UpdateChain, WinningABossOpensTheNextPage)
{
    WinAndLeave(26);
    EXPECT_EQ(gameState, LevelPage3);
    EXPECT_EQ(returnPage, LevelPage3);
    EXPECT_EQ(mainMenuFocus, 9);
    EXPECT_EQ(cameraX, -51) << "centred on the first button, raised to -51";
}

TEST_F(UpdateChain, WinningTheFinalBossRollsTheCredits)
{
    WinAndLeave(28);
    EXPECT_EQ(gameState, Credits);
    EXPECT_EQ(cameraX, 0);
}

TEST_F(UpdateChain, LeavingCentresThePageCameraOnTheChosenButton)
{
    ASSERT_TRUE(HarnessStartLevel(3));
    pageCameraTarget = 1700;
    returnPage = LevelPage4;
    LeaveLevel();
    EXPECT_EQ(gameState, LevelPage4);
    EXPECT_EQ(cameraX, 976) << "1700 - 512, lowered to 2000 - 1024";
    EXPECT_EQ(fadeState, FadeNone);
}

TEST_F(UpdateChain, ADamagedReturnPageStillLeadsToAPage)
{
    ASSERT_TRUE(HarnessStartLevel(3));
    returnPage = 7;
    LeaveLevel();
    EXPECT_EQ(gameState, LevelPage1);
}

}  // namespace
