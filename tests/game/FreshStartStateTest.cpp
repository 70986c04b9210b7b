// The replay tools prove a level from the random state of a fresh game
// start. That is only worth something if the game really reaches its first
// level in that state: start-up fills the level table (the music pass draws
// a phase per object), and then nothing on the intro, the menus or the level
// pages may draw from the simulation's sequence before the level loads.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Settings.h"
#include "game/LevelPages.h"
#include "game/ScreenTransition.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/SimRandom.h"
#include "screens/LevelButtons.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "tools/replaysearch/ReplaySeeds.h"
#include "support/TestFiles.h"

namespace {

bool AtMainMenu() { return gameState == MainMenu; }
bool OnAPage() { return IsLevelPage(gameState); }
bool Live() { return ButtonsLive(); }

// The road from the first intro screen to a level, one tick at a time,
// with the random state checked after every tick that has not yet started
// the level. Returns false (with a failure) when the state moved.
uint32_t expectedState = 0;
bool StateKept()
{
    if (gameState == InGame) return true;
    EXPECT_EQ(SimRandomState(), expectedState) << "drawn on screen " << gameState << " at tick " << HarnessTickCount();
    return SimRandomState() == expectedState;
}

bool RunKeepingState(bool (*done)(), int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (done()) return true;
        HarnessTick();
        if (!StateKept()) return false;
    }
    return done();
}

TEST(FreshStart, TheFirstLevelLoadsFromTheStateTheReplayToolsStartFrom)
{
    // What fv_replay, the replay test and the replay search start from.
    const uint32_t toolState = FreshStartRandomState();

    const testfiles::TempFolder home("fv-fresh-");
    HarnessConfig config;
    config.homeDir = home.path.c_str();
    config.loadResources = true;
    config.unlockedLevels = 9;  // so a level with objects can be chosen from page 1
    // A fresh process: nothing has drawn from the sequence yet.
    SeedSimRandom(simRandFirstState);
    ASSERT_TRUE(HarnessInit(config));
    EXPECT_EQ(SimRandomState(), toolState) << "start-up leaves another state than the tools use";
    expectedState = toolState;

    HarnessStartAtState(IntroPresents);
    ASSERT_TRUE(RunKeepingState(AtMainMenu, 800));
    ASSERT_TRUE(RunKeepingState(Live, 200));

    // World 1, then the page's third button (play order 3, a level with
    // walkers, a bouncer and droppers).
    HarnessSetPointer(screenWidth - 235 - cameraX, screenHeight / 2 + 5 - cameraY);
    HarnessClick();
    ASSERT_TRUE(RunKeepingState(OnAPage, 300));
    ASSERT_TRUE(RunKeepingState(Live, 200));
    const LevelPageData& page = levelPages[0];
    const int slot = 2;
    const int record = page.records[slot];
    ASSERT_GT(LiveObjectCount(levelTable[record]), 0);
    HarnessSetPointer(static_cast<int>(LevelButtonScreenX(LevelButtonWorldXOf(slot), page.parallax[slot])),
                      LevelButtonScreenY(page.heights[slot]));
    HarnessClick();
    ASSERT_TRUE(RunKeepingState([] { return gameState == InGame; }, 300));
    ASSERT_EQ(currentLevel.recordId, record);

    // The level's kill points are those the tools draw from their state.
    LevelRecord kept = currentLevel;
    const uint32_t after = SimRandomState();
    SeedSimRandom(toolState);
    currentLevel = levelTable[record];
    RandomiseKillScores();
    for (int j = 0; j < LiveObjectCount(kept); ++j)
        EXPECT_EQ(kept.objects[j].killPoints, currentLevel.objects[j].killPoints) << "slot " << j;
    currentLevel = kept;
    SeedSimRandom(after);
}

// The game's code never seeds the sequence, so every run starts from its
// first state; a seed anywhere in it would make the fresh start a lie.
TEST(FreshStart, NoGameCodeSeedsTheSimulationsSequence)
{
    for (const char* folder : {"platform", "shared", "engine", "gameplay", "screens", "scenery", "game"}) {
        DIR* dir = opendir(folder);
        ASSERT_NE(dir, nullptr) << folder << " (run from the project root)";
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            const auto endsWith = [&name](const std::string& end) {
                return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
            };
            if (!endsWith(".cpp") && !endsWith(".h")) continue;
            if (std::string(folder) == "gameplay" && name.rfind("SimRandom.", 0) == 0) continue;
            std::ifstream in(std::string(folder) + "/" + name);
            std::stringstream text;
            text << in.rdbuf();
            EXPECT_EQ(text.str().find("SeedSimRandom("), std::string::npos) << folder << "/" << name;
            EXPECT_EQ(text.str().find("srand("), std::string::npos) << folder << "/" << name;
        }
        closedir(dir);
    }
}

}  // namespace
