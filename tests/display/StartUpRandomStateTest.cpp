// The game's own start-up, in this process and on the virtual display, up to
// its first level (the executable's direct level start): the level loads from
// the random state the replay tools call a fresh game start. The road
// through the intro, menus and level pages is checked tick by tick in
// tests/game (FreshStart).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/MainLoop.h"
#include "game/StartUp.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/SimRandom.h"
#include "platform/Display.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/ReplaySeeds.h"
#include "support/TestFiles.h"

namespace {

TEST(StartUpRandomState, TheRealStartUpLoadsItsLevelFromTheFreshStartState)
{
    if (!DisplayAvailable()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    // The level with the most kills among the replays, record 44.
    const int record = 44;
    const uint32_t toolState = FreshStartRandomState();
    LevelRecord expected = levelTable[record];
    SeedSimRandom(toolState);
    currentLevel = expected;
    RandomiseKillScores();
    expected = currentLevel;
    const uint32_t expectedAfterLoad = SimRandomState();

    const testfiles::TempFolder folder("fv-startup-");
    const std::string& home = folder.path;
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("FLORPVOPS_TEST_LEVEL", std::to_string(record).c_str(), 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    // A fresh process: nothing has drawn from the sequence yet.
    SeedSimRandom(simRandFirstState);
    const int started = StartUp();
    unsetenv("FLORPVOPS_TEST_LEVEL");
    ASSERT_EQ(started, startUpContinue);

    EXPECT_EQ(currentLevel.recordId, record);
    EXPECT_EQ(SimRandomState(), expectedAfterLoad);
    for (int j = 0; j < LiveObjectCount(expected); ++j)
        EXPECT_EQ(currentLevel.objects[j].killPoints, expected.objects[j].killPoints) << "slot " << j;
    ShutDown();
}

}  // namespace
