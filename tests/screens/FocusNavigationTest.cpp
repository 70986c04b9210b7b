// Menu focus: mouse mode and keyboard mode, one move per press, the moves of
// the main menu, the options and the level pages, and the scroll that keeps
// a focused level button on screen.
#include <gtest/gtest.h>

#include "engine/InputActions.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "gameplay/Camera.h"
#include "platform/Audio.h"
#include "screens/FocusNavigation.h"

namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSilentAudio(true);
        RestoreActionFlags(ActionFlags{});
        screenWidth = 1024;
        cameraX = 0;
        mouseX = lastMouseX = 300;
        mouseY = lastMouseY = 200;
        menuFocusIdle = 1;
        navKeyLatch = 0;
        focusPressBlocked = 0;
        mainMenuFocus = 7;
        subMenuFocus = 2;
        for (int32_t& f : levelPageFocus) f = 18;
        levelFocusReturn = 0;
        subMenuReturnFocus = 33;
    }
    // One tick with the action held, then one with nothing held.
    template <typename Navigate>
    void Press(uint8_t& action, Navigate navigate) {
        action = 1;
        navigate();
        action = 0;
        navigate();
    }
    // Wakes keyboard mode with a direction press (which moves nothing).
    template <typename Navigate>
    void Wake(Navigate navigate) {
        Press(actionDown, navigate);
        ASSERT_EQ(0, menuFocusIdle);
    }
};

}  // namespace

TEST_F(FocusTest, MovingTheMouseEntersMouseModeAndClearsEveryFocus) {
    menuFocusIdle = 0;
    mouseX = 301;
    ArmMenuFocus();
    EXPECT_EQ(1, menuFocusIdle);
    EXPECT_EQ(0, mainMenuFocus);
    EXPECT_EQ(0, subMenuFocus);
    for (int32_t f : levelPageFocus) EXPECT_EQ(0, f);
}

TEST_F(FocusTest, ConfirmAndBackDoNotWakeKeyboardMode) {
    mainMenuFocus = 0;
    actionConfirm = 1;
    actionBack = 1;
    NavigateMainMenuFocus();
    EXPECT_EQ(1, menuFocusIdle);
    EXPECT_EQ(0, mainMenuFocus);
}

TEST_F(FocusTest, TheWakingKeySetsTheDefaultsButNeitherMovesNorPresses) {
    mainMenuFocus = subMenuFocus = 0;
    actionRight = 1;
    NavigateMainMenuFocus();
    EXPECT_EQ(0, menuFocusIdle);
    EXPECT_EQ(7, mainMenuFocus);  // not moved on to 9
    EXPECT_EQ(2, subMenuFocus);
    EXPECT_EQ(0, PressableFocus(mainMenuFocus));
    NavigateMainMenuFocus();  // still held
    EXPECT_EQ(7, mainMenuFocus);
    actionRight = 0;
    NavigateMainMenuFocus();
    EXPECT_EQ(7, PressableFocus(mainMenuFocus));
}

TEST_F(FocusTest, HoldingADirectionMovesOnlyOncePerPress) {
    Wake(NavigateMainMenuFocus);
    actionRight = 1;
    for (int i = 0; i < 30; ++i) NavigateMainMenuFocus();
    EXPECT_EQ(9, mainMenuFocus);
    actionRight = 0;
    NavigateMainMenuFocus();
    Press(actionRight, NavigateMainMenuFocus);
    EXPECT_EQ(11, mainMenuFocus);
}

TEST_F(FocusTest, TheMainMenuIsOneRowWithoutWrap) {
    Wake(NavigateMainMenuFocus);
    const int32_t leftwards[] = {8, 10, 4, 5, 3, 1, 1};
    for (int32_t expected : leftwards) {
        Press(actionLeft, NavigateMainMenuFocus);
        EXPECT_EQ(expected, mainMenuFocus);
    }
    const int32_t rightwards[] = {3, 5, 4, 10, 8, 7, 9, 11, 11};
    for (int32_t expected : rightwards) {
        Press(actionRight, NavigateMainMenuFocus);
        EXPECT_EQ(expected, mainMenuFocus);
    }
}

TEST_F(FocusTest, OptionsBackRemembersTheItemItWasReachedFrom) {
    Wake(NavigateSubMenuFocus);
    EXPECT_EQ(focusBack, subMenuFocus);
    Press(actionUp, NavigateSubMenuFocus);
    EXPECT_EQ(33, subMenuFocus);
    Press(actionLeft, NavigateSubMenuFocus);
    Press(actionLeft, NavigateSubMenuFocus);
    EXPECT_EQ(31, subMenuFocus);
    Press(actionDown, NavigateSubMenuFocus);
    EXPECT_EQ(focusBack, subMenuFocus);
    Press(actionRight, NavigateSubMenuFocus);
    EXPECT_EQ(focusExit, subMenuFocus);
    Press(actionLeft, NavigateSubMenuFocus);
    Press(actionLeft, NavigateSubMenuFocus);
    EXPECT_EQ(31, subMenuFocus);
    Press(actionUp, NavigateSubMenuFocus);
    Press(actionUp, NavigateSubMenuFocus);
    EXPECT_EQ(28, subMenuFocus);
    Press(actionRight, NavigateSubMenuFocus);
    Press(actionDown, NavigateSubMenuFocus);
    Press(actionDown, NavigateSubMenuFocus);
    EXPECT_EQ(33, subMenuFocus);
}

TEST_F(FocusTest, OnALevelPageDownGoesToBackAndLeftComesBackToTheSameLevel) {
    Wake(NavigateLevelPage2Focus);
    for (int i = 0; i < 3; ++i) Press(actionRight, NavigateLevelPage2Focus);
    EXPECT_EQ(21, levelPageFocus[1]);
    Press(actionDown, NavigateLevelPage2Focus);
    EXPECT_EQ(focusBack, levelPageFocus[1]);
    Press(actionRight, NavigateLevelPage2Focus);
    EXPECT_EQ(focusExit, levelPageFocus[1]);
    Press(actionUp, NavigateLevelPage2Focus);
    EXPECT_EQ(21, levelPageFocus[1]);
    EXPECT_EQ(18, levelPageFocus[0]);  // other pages keep their own focus
}

TEST_F(FocusTest, UpFromALevelGoesToTheKindColumnOnItsSideOfTheScreen) {
    Wake(NavigateLevelPage1Focus);
    Press(actionRight, NavigateLevelPage1Focus);
    Press(actionRight, NavigateLevelPage1Focus);
    Press(actionUp, NavigateLevelPage1Focus);  // third button: x 500 <= 512
    EXPECT_EQ(14, levelPageFocus[0]);
    Press(actionUp, NavigateLevelPage1Focus);
    Press(actionUp, NavigateLevelPage1Focus);
    EXPECT_EQ(12, levelPageFocus[0]);
    Press(actionRight, NavigateLevelPage1Focus);
    EXPECT_EQ(15, levelPageFocus[0]);
    Press(actionDown, NavigateLevelPage1Focus);
    Press(actionDown, NavigateLevelPage1Focus);
    Press(actionDown, NavigateLevelPage1Focus);
    EXPECT_EQ(20, levelPageFocus[0]);  // back to the level left with up

    Press(actionRight, NavigateLevelPage1Focus);  // fourth button: x 700 > 512
    Press(actionUp, NavigateLevelPage1Focus);
    EXPECT_EQ(17, levelPageFocus[0]);
}

TEST_F(FocusTest, AFocusedLevelNearTheEdgeScrollsThePageFivePixelsATick) {
    Wake(NavigateLevelPage1Focus);
    cameraX = 0;
    levelPageFocus[0] = 26;  // x 1700: off a 1024-pixel screen at camera 0
    NavigateLevelPage1Focus();
    EXPECT_EQ(5, cameraX);
    for (int i = 0; i < 200; ++i) NavigateLevelPage1Focus();
    EXPECT_EQ(830, cameraX);  // 150 px inside the right edge, in 5-pixel steps
    // A held look action pans freely.
    cameraX = 0;
    actionLookLeft = 1;
    NavigateLevelPage1Focus();
    EXPECT_EQ(0, cameraX);
    actionLookLeft = 0;
    levelPageFocus[0] = 18;
    cameraX = 100;  // the first button at x 100 is 150 px inside only from -50
    NavigateLevelPage1Focus();
    EXPECT_EQ(95, cameraX);
}

TEST_F(FocusTest, ResetLevelPageFocusPutsEveryPageOnItsFirstLevel) {
    for (int32_t& f : levelPageFocus) f = 14;
    levelFocusReturn = 22;
    ResetLevelPageFocus();
    for (int32_t f : levelPageFocus) EXPECT_EQ(18, f);
    EXPECT_EQ(0, levelFocusReturn);
}
