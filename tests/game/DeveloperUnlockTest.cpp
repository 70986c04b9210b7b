// The developer unlock chord (either Ctrl key with F and V) works in every
// build, the one players get included, on every screen; it saves what it
// opened and never takes a player's best score away.
#include <gtest/gtest.h>

#include <string>

#include "engine/Settings.h"
#include "game/UpdateStep.h"
#include "platform/Keyboard.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "support/TestFiles.h"

namespace {

class DeveloperUnlock : public ::testing::Test {
protected:
    void SetUp() override
    {
        HarnessConfig config;
        config.homeDir = home.path.c_str();
        ASSERT_TRUE(HarnessInit(config));
        unlockedLevels = 3;
        levelTable[0].thresholdPoints = 40;
        levelTable[0].bestScore = 95;
        levelTable[2].thresholdPoints = 60;
        levelTable[2].bestScore = 10;
    }
    void TearDown() override { HarnessReleaseAllKeys(); }
    testfiles::TempFolder home{"fv-unlock-"};
};

TEST_F(DeveloperUnlock, OpensEveryLevelAndSavesWithoutLoweringABestScore)
{
    HarnessStartLevel(1);
    HarnessKeyDown(DIK_LCONTROL);
    HarnessKeyDown(DIK_F);
    HarnessTick();
    EXPECT_EQ(unlockedLevels, 3) << "Ctrl+F alone is not the chord";
    HarnessKeyDown(DIK_V);
    HarnessTick();
    HarnessReleaseAllKeys();

    EXPECT_EQ(unlockedLevels, 50);
    EXPECT_EQ(levelTable[2].bestScore, 60) << "a low score is lifted to the pass mark";
    EXPECT_EQ(levelTable[0].bestScore, 95) << "a better stored score is never lowered";

    levelTable[0].bestScore = 0;
    levelTable[2].bestScore = 0;
    LoadProgress();
    EXPECT_EQ(levelTable[0].bestScore, 95) << "the progress file kept the better score";
    EXPECT_EQ(levelTable[2].bestScore, 60) << "the progress file holds the lifted score";
}

TEST_F(DeveloperUnlock, TheRightCtrlWorksOnTheMenusToo)
{
    HarnessStartAtState(MainMenu);
    HarnessKeyDown(DIK_F);
    HarnessKeyDown(DIK_V);
    HarnessTick();
    EXPECT_EQ(unlockedLevels, 3) << "F and V without Ctrl are not the chord";
    HarnessKeyDown(DIK_RCONTROL);
    HarnessTick();
    EXPECT_EQ(unlockedLevels, 50);
}

}  // namespace
