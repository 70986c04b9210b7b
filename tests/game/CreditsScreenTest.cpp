// The credits screen: entered from the main menu (and after the last boss),
// the roll rising from the lower part of the screen, left by any press.
#include "MenuTestFixture.h"

#include "screens/CreditsRoll.h"
#include "shared/AuthorLine.h"

using namespace menutest;

namespace {

constexpr int W = 1024, H = 768;

class CreditsTest : public MenuTest {
protected:
    // The credits with the bars still opening.
    void OpenOnCredits() {
        HarnessStartAtState(Credits);
        HarnessTicks(3);
    }
};

}  // namespace

TEST_F(CreditsTest, TheCreditsButtonStartsTheRollInTheLowerPartOfTheScreen) {
    OpenScreen(MainMenu);
    ClickAt(280, H - 86);
    EXPECT_EQ(static_cast<float>(H - 200), creditsY);
    for (int i = 0; i < 300 && gameState != Credits; ++i) HarnessTick();
    ASSERT_EQ(Credits, gameState);
    EXPECT_EQ(static_cast<float>(H - 202), creditsY);  // its first step
    HarnessTick();
    EXPECT_TRUE(TextShown("FlorpVops"));
    EXPECT_TRUE(TextShown(gameAuthorLine));
}

TEST_F(CreditsTest, AClickAnywhereLeavesButOnlyOnceTheBarsAreOpen) {
    OpenOnCredits();
    ASSERT_FALSE(barsOpen);
    ClickAt(500, 400);
    EXPECT_EQ(1, transitionIdle);
    ASSERT_TRUE(ArriveAt(Credits));
    ClickAt(500, 400);
    EXPECT_TRUE(ArriveAt(MainMenu));
}

TEST_F(CreditsTest, EscapeOrEnterLeavesToo) {
    OpenScreen(Credits);
    PressKey(DIK_ESCAPE);
    EXPECT_TRUE(ArriveAt(MainMenu));
    OpenScreen(Credits);
    PressKey(DIK_RETURN);
    EXPECT_TRUE(ArriveAt(MainMenu));
}

TEST_F(CreditsTest, ArrivingFromTheGameStartsTheRollAfresh) {
    cameraX = 90;
    creditsY = -1234.0f;
    OnArriveAtCredits();
    EXPECT_EQ(static_cast<float>(H - 200), creditsY);
    EXPECT_EQ(0, cameraX);
}

TEST_F(CreditsTest, TheViewPansUpToItsLimitAndDriftsBackButNeverBelow) {
    OpenScreen(Credits);
    HarnessSetPointer(W / 2, H / 2);
    HarnessKeyDown(DIK_NUMPAD8);
    HarnessTicks(60);
    EXPECT_GE(cameraY, -130);
    EXPECT_LE(cameraY, -120);
    HarnessKeyUp(DIK_NUMPAD8);
    for (int i = 0; i < 200; ++i) {
        HarnessTick();
        ASSERT_LE(cameraY, 0);
    }
    EXPECT_EQ(0, cameraY);
    // The pad's right stick pushed down does not pan below the landscape.
    XInputGamepad pad{};
    pad.sThumbRY = -30000;
    HarnessSetPad(pad);
    HarnessTicks(30);
    EXPECT_EQ(0, cameraY);
}
