// The main menu: each open world's page reached by keyboard, pad and mouse
// and left again; locked worlds; exit; the two-press progress reset.
#include <cstring>

#include "MenuTestFixture.h"

#include "engine/LanguageTables.h"
#include "game/MainMenu.h"
#include "platform/GamePad.h"
#include "shared/LevelRecord.h"

using namespace menutest;

namespace {

constexpr int W = 1024, H = 768;

float WorldButtonX(int world) {
    const int fromRight[5] = {235, 315, 155, 335, 135};
    return static_cast<float>(W - fromRight[world] - cameraX);
}
float WorldButtonY(int world) {
    const int below[5] = {5, 45, 45, 125, 125};
    return H / 2.0f + static_cast<float>(below[world] - cameraY);
}
constexpr float lowerRowY = H - 86;

class MainMenuTest : public MenuTest {
protected:
    // Wakes keyboard mode (focus on world 1) and walks the row of buttons
    // to the given world.
    void FocusWorldByKeys(int world) {
        PressKey(DIK_RIGHT);  // wakes keyboard mode without moving
        ASSERT_EQ(0, menuFocusIdle);
        ASSERT_EQ(7, mainMenuFocus);
        const char* moves[5] = {"", "L", "R", "LL", "RR"};
        for (const char* m = moves[world]; *m; ++m) PressKey(*m == 'L' ? DIK_LEFT : DIK_RIGHT);
    }
};

}  // namespace

TEST_F(MainMenuTest, KeyboardOpensEveryOpenWorldPageAndEscapeComesBack) {
    unlockedLevels = 45;
    const int pages[5] = {LevelPage1, LevelPage2, LevelPage3, LevelPage4, LevelPage5};
    for (int world = 0; world < 5; ++world) {
        OpenScreen(MainMenu);
        ResetMenuState();
        FocusWorldByKeys(world);
        EXPECT_EQ(7 + world, mainMenuFocus);
        PressKey(DIK_RETURN);
        ASSERT_TRUE(ArriveAt(pages[world])) << "world " << world + 1;
        EXPECT_EQ(pages[world], returnPage);
        EXPECT_EQ(-51, cameraX);
        EXPECT_EQ(18, levelPageFocus[world]);  // a page entered by keys starts on its first level
        PressKey(DIK_ESCAPE);
        ASSERT_TRUE(ArriveAt(MainMenu));
        EXPECT_EQ(0, cameraX);
    }
}

TEST_F(MainMenuTest, PadOpensAPageWithAAndLeavesItWithB) {
    unlockedLevels = 10;
    OpenScreen(MainMenu);
    PressPad(XINPUT_GAMEPAD_DPAD_RIGHT);  // wakes keyboard mode
    PressPad(XINPUT_GAMEPAD_DPAD_LEFT);   // world 2 stands left of world 1
    EXPECT_EQ(8, mainMenuFocus);
    PressPad(XINPUT_GAMEPAD_A);
    ASSERT_TRUE(ArriveAt(LevelPage2));
    PressPad(XINPUT_GAMEPAD_B);
    ASSERT_TRUE(ArriveAt(MainMenu));
}

TEST_F(MainMenuTest, MouseOpensAPageAndItsBackButtonReturns) {
    OpenScreen(MainMenu);
    ClickAt(WorldButtonX(0), WorldButtonY(0));
    ASSERT_TRUE(ArriveAt(LevelPage1));
    EXPECT_EQ(1, menuFocusIdle);
    ClickAt(W - 140, lowerRowY);
    ASSERT_TRUE(ArriveAt(MainMenu));
}

TEST_F(MainMenuTest, APressIsIgnoredWhileTheBarsAreStillOpening) {
    HarnessStartAtState(MainMenu);
    HarnessTicks(5);
    ASSERT_FALSE(barsOpen);
    ClickAt(WorldButtonX(0), WorldButtonY(0));
    HarnessTicks(100);
    EXPECT_EQ(MainMenu, gameState);
}

TEST_F(MainMenuTest, ALockedWorldIsDrawnGreyAndSmallAndIgnoresClicks) {
    unlockedLevels = 9;
    OpenScreen(MainMenu);
    ClickAt(WorldButtonX(1), WorldButtonY(1));
    HarnessTicks(100);
    EXPECT_EQ(MainMenu, gameState);
    int grey = 0;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        if (r.kind == BatchDrawKind::Sprite &&
            (r.textureId == IdOf(stanButton[0]) || r.textureId == IdOf(stanButton[1])) &&
            r.colour == 0xFF646464u)
            ++grey;
    }
    EXPECT_EQ(4, grey);  // worlds 2 to 5

    unlockedLevels = 10;
    ClickAt(WorldButtonX(1), WorldButtonY(1));
    EXPECT_TRUE(ArriveAt(LevelPage2));
}

TEST_F(MainMenuTest, EnterOnTheExitButtonEndsTheProgram) {
    OpenScreen(MainMenu);
    FocusWorldByKeys(0);
    for (int i = 0; i < 8; ++i) PressKey(DIK_LEFT);  // to the left end of the row
    EXPECT_EQ(focusExit, mainMenuFocus);
    EXPECT_EQ(0, quitPosted);
    PressKey(DIK_RETURN);
    EXPECT_EQ(1, quitPosted);
}

TEST_F(MainMenuTest, MouseMovementLeavesKeyboardModeAndClearsTheFocus) {
    OpenScreen(MainMenu);
    FocusWorldByKeys(2);
    EXPECT_EQ(9, mainMenuFocus);
    HarnessSetPointer(500, 300);
    HarnessTick();
    EXPECT_EQ(1, menuFocusIdle);
    EXPECT_EQ(0, mainMenuFocus);
    // Confirm does not press anything in mouse mode.
    PressKey(DIK_RETURN);
    HarnessTicks(60);
    EXPECT_EQ(MainMenu, gameState);
}

// ---------------------------------------------------------------------------
// The progress reset asks twice.

class ResetTest : public MainMenuTest {
protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        std::strcpy(mainMenuTexts[6], "Reset progress");
        std::strcpy(mainMenuTexts[12], "Really reset?");
        unlockedLevels = 20;
        levelTable[7].bestScore = 120;
        OpenScreen(MainMenu);
    }
    static constexpr float resetX = 210;
};

TEST_F(ResetTest, FirstClickOnlyAsksSecondClickResetsAtTheSwitch) {
    ClickAt(resetX, lowerRowY);
    HarnessTick();
    EXPECT_EQ(1, resetArmed);
    EXPECT_TRUE(TextShown("Really reset?"));
    EXPECT_FALSE(TextShown("Reset progress"));
    EXPECT_EQ(20, unlockedLevels);

    HarnessClick();
    HarnessTick();
    EXPECT_EQ(0, transitionIdle);  // the bars close over the reset
    EXPECT_EQ(20, unlockedLevels);
    ASSERT_TRUE(ArriveAt(MainMenu));
    EXPECT_EQ(1, unlockedLevels);
    EXPECT_EQ(0, levelTable[7].bestScore);
    EXPECT_EQ(0, resetArmed);
    EXPECT_NE(std::string::npos, ReadGameXml().find("m=\"1\""));
}

TEST_F(ResetTest, MovingThePointerAwayTakesTheQuestionBack) {
    ClickAt(resetX, lowerRowY);
    EXPECT_EQ(1, resetArmed);
    HarnessSetPointer(600, 200);
    HarnessTick();
    EXPECT_EQ(0, resetArmed);
    ClickAt(resetX, lowerRowY);  // asks again instead of resetting
    HarnessTicks(80);
    EXPECT_EQ(20, unlockedLevels);
}

TEST_F(ResetTest, AHeldConfirmKeyAsksOnceAndNeverResets) {
    PressKey(DIK_RIGHT);
    for (int i = 0; i < 3; ++i) PressKey(DIK_LEFT);  // world 1 -> 8 -> 10 -> 4
    PressKey(DIK_LEFT);                              // -> reset
    ASSERT_EQ(5, mainMenuFocus);
    HarnessKeyDown(DIK_RETURN);
    HarnessTicks(120);
    EXPECT_EQ(1, resetArmed);
    EXPECT_EQ(1, transitionIdle);
    EXPECT_EQ(20, unlockedLevels);
    HarnessKeyUp(DIK_RETURN);
    HarnessTick();
    PressKey(DIK_RETURN);
    ASSERT_TRUE(ArriveAt(MainMenu));
    EXPECT_EQ(1, unlockedLevels);
}

TEST_F(MainMenuTest, TheKeyThatWakesKeyboardModeDoesNotPressTheDefaultButton) {
    OpenScreen(MainMenu);
    // Return both confirms and wakes keyboard mode; world 1 gets the focus
    // but is not pressed until Return is pressed again.
    PressKey(DIK_RETURN);
    HarnessTicks(60);
    EXPECT_EQ(0, menuFocusIdle);
    EXPECT_EQ(7, mainMenuFocus);
    EXPECT_EQ(MainMenu, gameState);
    PressKey(DIK_RETURN);
    EXPECT_TRUE(ArriveAt(LevelPage1));
}

TEST_F(ResetTest, AtThirtyFramesOneClickIsNotTakenAsBothPresses) {
    limitTo30Fps = 1;  // the update step runs twice per tick with the same click
    ClickAt(resetX, lowerRowY);
    EXPECT_EQ(1, resetArmed);
    EXPECT_EQ(1, transitionIdle);
    HarnessTicks(30);
    EXPECT_EQ(20, unlockedLevels);
    HarnessClick();
    HarnessTick();
    EXPECT_EQ(0, transitionIdle);
    ASSERT_TRUE(ArriveAt(MainMenu));
    EXPECT_EQ(1, unlockedLevels);
}

TEST_F(MainMenuTest, ThePointerAtTheLeftEdgePansToTheLimitAndTheViewDriftsBack) {
    OpenScreen(MainMenu);
    HarnessSetPointer(10, H / 2);
    HarnessTicks(10);
    EXPECT_EQ(-60, cameraX);  // 6 px per tick
    HarnessTicks(40);
    EXPECT_EQ(-130, cameraX);
    HarnessSetPointer(W / 2, H / 2);
    HarnessTicks(10);
    EXPECT_EQ(-110, cameraX);  // 2 px per tick back
    HarnessTicks(100);
    EXPECT_EQ(0, cameraX);
}

TEST_F(MainMenuTest, TheMenuShowsLogoWorldCircleFiveWorldsAndFourCornerButtons) {
    OpenScreen(MainMenu);
    HarnessTick();
    EXPECT_EQ(1, DrawCount(logoSprite));
    EXPECT_EQ(1, DrawCount(worldCircleSprite));
    EXPECT_EQ(5, DrawCount(stanButton[0]) + DrawCount(stanButton[1]));
    EXPECT_EQ(1, DrawCount(exitButton[0]));
    EXPECT_EQ(1, DrawCount(optionsButton[0]));
    EXPECT_EQ(1, DrawCount(resetButton[0]));
    EXPECT_EQ(1, DrawCount(creditsButton[0]));
    EXPECT_EQ(2, DrawCount(sunSprite));
    EXPECT_GT(DrawCount(sceneryHill1), 0);
    // Without decorations only the black silhouettes stand before the sky.
    decorationsEnabled = 0;
    HarnessTick();
    EXPECT_EQ(0, DrawCount(sunSprite));
    EXPECT_EQ(0, DrawCount(sceneryHill1));
    EXPECT_EQ(3, DrawCount(sceneryTree1));
    decorationsEnabled = 1;
}
