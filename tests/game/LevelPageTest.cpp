// The level pages: starting a level by mouse, keyboard and pad, locked and
// refused levels, the Vop-kind choice, scrolling, and the way back.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "MenuTestFixture.h"

#include "engine/LanguageTables.h"
#include "game/LevelPages.h"
#include "gameplay/LevelLoading.h"
#include "screens/LevelButtons.h"
#include "screens/VopKindChoice.h"
#include "shared/LevelRecord.h"

using namespace menutest;

namespace {

constexpr int W = 1024, H = 768;

class LevelPageTest : public MenuTest {
protected:
    // A page as the main menu opens it: camera at -51, bars opening.
    void OpenPage(int state, int unlocked) {
        unlockedLevels = unlocked;
        OpenScreen(state);
        cameraX = -51;
    }
    float ButtonX(int page, int slot) const {
        return LevelButtonScreenX(LevelButtonWorldXOf(slot), levelPages[page].parallax[slot]);
    }
    float ButtonY(int page, int slot) const {
        return static_cast<float>(LevelButtonScreenY(levelPages[page].heights[slot]));
    }
    void ClickButton(int page, int slot) { ClickAt(ButtonX(page, slot), ButtonY(page, slot)); }
    void ClickKind(int kind) {
        for (const VopKindButton& b : vopKindButtons)
            if (b.kind == kind) ClickAt(static_cast<float>(VopKindButtonX(b)), static_cast<float>(b.y));
    }
    bool LevelStarted() const { return gameState == InGame; }
};

}  // namespace

TEST_F(LevelPageTest, ClickingTheFirstLevelClosesTheBarsFadesTheMusicAndStartsIt) {
    std::strcpy(levelNameTexts[7], "First%sSteps");
    OpenPage(LevelPage1, 1);
    ClickButton(0, 0);
    EXPECT_EQ(0, transitionIdle);
    EXPECT_EQ(7, chosenLevel);
    EXPECT_EQ(100, pageCameraTarget);
    EXPECT_STREQ("First\nSteps", levelTitle);
    EXPECT_EQ(1, levelTitleVisible);
    int lowest = musicVolume;
    for (int i = 0; i < 100 && !LevelStarted(); ++i) {
        HarnessTick();
        if (!LevelStarted() && musicVolume < lowest) lowest = musicVolume;
    }
    ASSERT_TRUE(LevelStarted());
    EXPECT_LT(lowest, 50);  // faded while the bars closed
    EXPECT_EQ(levelMusicVolume, musicVolume);
    EXPECT_EQ(7, currentLevel.recordId);
    EXPECT_EQ(0, levelStartPending);
}

TEST_F(LevelPageTest, EnterStartsTheFocusedLevelAndThePadStartsTheNextOne) {
    OpenPage(LevelPage1, 2);
    PressKey(DIK_RIGHT);  // wakes keyboard mode on the first level
    EXPECT_EQ(18, levelPageFocus[0]);
    PressKey(DIK_RETURN);
    EXPECT_EQ(7, chosenLevel);
    HarnessTicks(60);
    EXPECT_TRUE(LevelStarted());

    OpenPage(LevelPage1, 2);
    PressPad(XINPUT_GAMEPAD_DPAD_RIGHT);
    PressPad(XINPUT_GAMEPAD_A);
    EXPECT_EQ(8, chosenLevel);
    HarnessTicks(60);
    EXPECT_TRUE(LevelStarted());
    EXPECT_EQ(8, currentLevel.recordId);
}

// A level's name shows exactly where a click starts it, also along the
// button's edge, where a screen x with a fraction once let the name show
// for a pointer the click then missed.
TEST_F(LevelPageTest, TheNameShowsExactlyWhereAClickStartsTheLevel) {
    int edgesTried = 0;
    for (int slot = 0; slot < 8; ++slot) {
        OpenPage(LevelPage1, 9);
        const float sx = ButtonX(0, slot), sy = ButtonY(0, slot);
        // Away from the screen's edges, where the pointer scrolls the page.
        if (sx == std::floor(sx) || sx < 100 || sx > W - 100) continue;
        ++edgesTried;
        const int record = levelPages[0].records[slot];
        std::strcpy(levelNameTexts[record], "Edge%sLevel");
        for (int x = static_cast<int>(sx) - 34; x <= static_cast<int>(sx) - 30; ++x) {
            OpenPage(LevelPage1, 9);
            chosenLevel = -1;
            ResetBatchLog();
            ClickAt(static_cast<float>(x), sy);
            const std::vector<std::string> texts = TextsDrawn();
            const bool nameShown = std::find(texts.begin(), texts.end(), "Edge\nLevel") != texts.end();
            EXPECT_EQ(nameShown, chosenLevel == record)
                << "slot " << slot << ", pointer x " << x << ", button x " << sx;
        }
    }
    EXPECT_GT(edgesTried, 0);
}

TEST_F(LevelPageTest, ALockedLevelIgnoresClicks) {
    OpenPage(LevelPage1, 1);
    ClickButton(0, 1);
    HarnessTicks(60);
    EXPECT_EQ(LevelPage1, gameState);
    EXPECT_EQ(1, transitionIdle);
}

TEST_F(LevelPageTest, TheBossButtonReactsFartherOutAndTitlesTheLevelBoss) {
    OpenPage(LevelPage1, 9);
    cameraX = 1000;  // the boss stands at the right end of the page
    ClickAt(ButtonX(0, 8) + 50, ButtonY(0, 8));
    EXPECT_EQ(24, chosenLevel);
    EXPECT_STREQ("Boss!", levelTitle);
}

TEST_F(LevelPageTest, AKindOpensOnlyOnceTheLevelBeforeItIsPassed) {
    OpenPage(LevelPage1, 4);
    ClickKind(2);
    EXPECT_EQ(1, vopKind);  // spike locked until level 4 is passed
    unlockedLevels = 5;
    ClickKind(2);
    EXPECT_EQ(2, vopKind);
    ClickKind(1);
    EXPECT_EQ(1, vopKind);
}

TEST_F(LevelPageTest, ALevelForAnotherKindIsRefusedUntilThatKindIsChosen) {
    ASSERT_EQ(2, levelTable[6].requiredKind);  // the fifth level needs the spike Vop
    OpenPage(LevelPage1, 5);
    ClickButton(0, 4);
    HarnessTicks(30);
    EXPECT_EQ(LevelPage1, gameState);
    EXPECT_EQ(1, transitionIdle);
    EXPECT_EQ(0, levelStartPending);
    ClickKind(2);
    ClickButton(0, 4);
    HarnessTicks(60);
    EXPECT_TRUE(LevelStarted());
    EXPECT_EQ(6, currentLevel.recordId);
}

TEST_F(LevelPageTest, BackAndEscapeReturnToTheMainMenuWithTheCameraReset) {
    OpenPage(LevelPage3, 30);
    ClickAt(W - 140, H - 86);
    ASSERT_TRUE(ArriveAt(MainMenu));
    EXPECT_EQ(0, cameraX);
    OpenPage(LevelPage3, 30);
    HarnessSetPointer(W / 2, H / 2);
    HarnessTick();
    PressKey(DIK_ESCAPE);  // leaves even in mouse mode
    EXPECT_TRUE(ArriveAt(MainMenu));
}

TEST_F(LevelPageTest, ThePointerAtTheLeftEdgeScrollsUpToTheLimit) {
    OpenPage(LevelPage1, 1);
    HarnessSetPointer(5, H / 2);
    HarnessTicks(100);
    EXPECT_EQ(-201, cameraX);  // the limit is tested before each 6-pixel step
}

TEST_F(LevelPageTest, AFocusedButtonNearTheEdgeScrollsIntoView) {
    OpenPage(LevelPage1, 45);
    PressKey(DIK_RIGHT);
    for (int i = 0; i < 8; ++i) PressKey(DIK_RIGHT);
    EXPECT_EQ(26, levelPageFocus[0]);
    HarnessTicks(300);
    const float x = ButtonX(0, 8);
    EXPECT_GT(x, 0.0f);
    EXPECT_LT(x, static_cast<float>(W));
    EXPECT_GE(cameraX, 1700 + 150 - W);  // 150 px inside, reached in 5-pixel steps
    EXPECT_LT(cameraX, 1700 + 150 - W + 5);
}

TEST_F(LevelPageTest, EveryPageShowsNineLevelsAndSixKinds) {
    for (int page = 0; page < levelPageCount; ++page) {
        const int states[5] = {LevelPage1, LevelPage2, LevelPage3, LevelPage4, LevelPage5};
        OpenPage(states[page], 46);  // the whole game passed
        HarnessTick();
        int buttons = DrawCount(levelButton[0]) + DrawCount(levelButton[1]) +
                      DrawCount(bossButton[0]) + DrawCount(bossButton[1]);
        int kinds = 0;
        for (int k = 0; k < 6; ++k)
            kinds += DrawCount(kindButtonBlack[k]) + DrawCount(kindButtonWhite[k]);
        // Levels for one kind carry that kind's picture instead.
        EXPECT_EQ(9, buttons + kinds - 6) << "page " << page + 1;
        EXPECT_EQ(1, DrawCount(bossButton[0]) + DrawCount(bossButton[1]));
        EXPECT_EQ(9, DrawCount(checkMarkSprite));  // all passed
        EXPECT_EQ(1, DrawCount(chapterTitles[page]));
    }
}

TEST_F(LevelPageTest, LeavingALevelReturnsToThePageItWasChosenFrom) {
    unlockedLevels = 12;
    vopKind = 2;  // the first level of page 2 needs the spike Vop
    OpenScreen(MainMenu);
    ClickAt(W - 315, H / 2.0f + 45);
    ASSERT_TRUE(ArriveAt(LevelPage2));
    ClickButton(1, 0);
    for (int i = 0; i < 100 && !LevelStarted(); ++i) HarnessTick();
    ASSERT_TRUE(LevelStarted());
    EXPECT_EQ(19, currentLevel.recordId);
    HarnessTicks(60);
    PressKey(DIK_ESCAPE);
    EXPECT_TRUE(ArriveAt(LevelPage2, 400));
}
