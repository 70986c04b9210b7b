// Start-up's own decisions: the shift of tall screens, and the test seams
// of the executable, which must refuse what they cannot start.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/StartUp.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

TEST(StartUp, OnlyScreensTallerThan1050ShiftTheirDrawings)
{
    EXPECT_EQ(ScreenYOffsetFor(768), 0);
    EXPECT_EQ(ScreenYOffsetFor(1050), 0);
    EXPECT_EQ(ScreenYOffsetFor(1080), 22);
}

TEST(StartUp, TestSeamsReadWholeNumbersOnly)
{
    setenv("FLORPVOPS_TEST_LEVEL", "12", 1);
    setenv("FLORPVOPS_TEST_TICKS", "300", 1);
    TestOptions options = ReadTestOptions();
    EXPECT_EQ(options.startLevel, 12);
    EXPECT_EQ(options.quitAfterTicks, 300);

    setenv("FLORPVOPS_TEST_LEVEL", "3x", 1);
    setenv("FLORPVOPS_TEST_TICKS", "-5", 1);
    options = ReadTestOptions();
    EXPECT_EQ(options.startLevel, -1);
    EXPECT_EQ(options.quitAfterTicks, 0);

    unsetenv("FLORPVOPS_TEST_LEVEL");
    unsetenv("FLORPVOPS_TEST_TICKS");
    options = ReadTestOptions();
    EXPECT_EQ(options.startLevel, -1);
    EXPECT_EQ(options.quitAfterTicks, 0);
}

TEST(StartUp, ADirectLevelStartTakesOnlyFilledRecords)
{
    HarnessConfig config;
    ASSERT_TRUE(HarnessInit(config));
    EXPECT_FALSE(StartLevelDirectly(-1));
    EXPECT_FALSE(StartLevelDirectly(46));
    EXPECT_FALSE(StartLevelDirectly(1 << 30));
    EXPECT_EQ(gameState, IntroPresents);
    EXPECT_TRUE(StartLevelDirectly(7));
    EXPECT_EQ(gameState, InGame);
    EXPECT_EQ(chosenLevel, 7);
}

}  // namespace
