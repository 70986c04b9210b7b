// The developer unlock chord (Ctrl+F+V) is a debugging aid: release builds
// ignore it, and where it exists it never takes a player's best score away.
#include <gtest/gtest.h>

#include <string>

#include "engine/Settings.h"
#include "game/UpdateStep.h"
#include "platform/Keyboard.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"

TEST(DeveloperUnlock, OnlyDebugBuildsUnlockAndNoBestScoreIsLowered)
{
    char pattern[] = "/tmp/fv-unlock-XXXXXX";
    const std::string home = mkdtemp(pattern);
    HarnessConfig config;
    config.homeDir = home.c_str();
    ASSERT_TRUE(HarnessInit(config));

    unlockedLevels = 3;
    levelTable[0].thresholdPoints = 40;
    levelTable[0].bestScore = 95;
    levelTable[2].thresholdPoints = 60;
    levelTable[2].bestScore = 10;

    HarnessKeyDown(DIK_LCONTROL);
    HarnessKeyDown(DIK_F);
    HarnessTick();
    EXPECT_EQ(unlockedLevels, 3) << "Ctrl+F alone is not the chord";
    HarnessKeyDown(DIK_V);
    HarnessTick();
    HarnessReleaseAllKeys();

#ifdef NDEBUG
    EXPECT_EQ(unlockedLevels, 3);
    EXPECT_EQ(levelTable[2].bestScore, 10);
#else
    EXPECT_EQ(unlockedLevels, 50);
    EXPECT_EQ(levelTable[2].bestScore, 60) << "a low score is lifted to the pass mark";
#endif
    EXPECT_EQ(levelTable[0].bestScore, 95) << "a better stored score is never lowered";
}
