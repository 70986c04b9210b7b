// The road from the first intro screen into a level and back, through the
// real chains with keyboard input only.
#include <gtest/gtest.h>

#include <string>

#include "engine/Settings.h"
#include "game/ScreenTransition.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLoading.h"
#include "platform/Keyboard.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "support/TestFiles.h"

namespace {

bool AtMainMenu() { return gameState == MainMenu; }
bool OnAPage() { return IsLevelPage(gameState); }
bool Playing() { return gameState == InGame; }
bool Live() { return ButtonsLive(); }

void Press(uint8_t key)
{
    HarnessKeyDown(key);
    HarnessTick();
    HarnessKeyUp(key);
    HarnessTick();
}

TEST(GameRoad, FromTheIntroIntoTheFirstLevelAndBack)
{
    const testfiles::TempFolder home("fv-road-");
    HarnessConfig config;
    config.homeDir = home.path.c_str();
    ASSERT_TRUE(HarnessInit(config));
    HarnessStartAtState(IntroPresents);

    // Two intro screens of 243 updates each; keys do not shorten them.
    HarnessKeyDown(DIK_ESCAPE);
    HarnessTicks(242);
    EXPECT_EQ(gameState, IntroPresents);
    HarnessReleaseAllKeys();
    const int toMenu = HarnessRunUntil(AtMainMenu, 400);
    EXPECT_EQ(toMenu, 243) << "state 1 takes its first step in the tick state 0 ends";
    EXPECT_EQ(transitionCurtain, 384) << "the intro never moves the bars";

    ASSERT_GE(HarnessRunUntil(Live, 100), 0);
    EXPECT_EQ(transitionCurtain, 16);

    // A click on world 1.
    HarnessSetPointer(screenWidth - 235 - cameraX, screenHeight / 2 + 5 - cameraY);
    HarnessClick();
    ASSERT_GE(HarnessRunUntil(OnAPage, 200), 0);
    EXPECT_EQ(gameState, LevelPage1);
    ASSERT_GE(HarnessRunUntil(Live, 100), 0);

    // The first level button of the page has the keyboard focus.
    Press(DIK_RIGHT);
    Press(DIK_LEFT);
    HarnessKeyDown(DIK_RETURN);
    HarnessTick();
    HarnessReleaseAllKeys();
    ASSERT_GE(HarnessRunUntil(Playing, 200), 0) << "the level starts behind closed bars";
    EXPECT_EQ(levelTitleVisible, 1);
    EXPECT_EQ(currentLevel.playOrder, 1);

    ASSERT_GE(HarnessRunUntil(Live, 100), 0);
    HarnessTick();
    EXPECT_EQ(levelTitleVisible, 0);
    HarnessKeyDown(DIK_ESCAPE);
    ASSERT_GE(HarnessRunUntil(OnAPage, 200), 0);
    EXPECT_EQ(gameState, LevelPage1);
}

}  // namespace
