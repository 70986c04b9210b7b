// The Vop-kind choice: kinds open along the play order, a press chooses an
// open kind, and the buttons show which kind is chosen and what each does.
#include "LevelButtonFixture.h"

#include "screens/VopKindChoice.h"

using namespace buttontest;

namespace {

const VopKindButton& ButtonOf(int kind) {
    for (const VopKindButton& b : vopKindButtons)
        if (b.kind == kind) return b;
    return vopKindButtons[0];
}

void PointAt(int kind) {
    playerX = VopKindButtonX(ButtonOf(kind));
    playerY = ButtonOf(kind).y;
}

class KindChoiceTest : public ButtonTest {};

}  // namespace

TEST_F(KindChoiceTest, EachKindOpensOnceThePlayerIsPastItsPlace) {
    const int kinds[6] = {1, 2, 4, 3, 5, 6};
    const int lastLocked[6] = {0, 4, 10, 20, 29, 36};
    for (int i = 0; i < 6; ++i) {
        unlockedLevels = lastLocked[i];
        EXPECT_FALSE(i > 0 && IsVopKindOpen(ButtonOf(kinds[i]))) << "kind " << kinds[i];
        unlockedLevels = lastLocked[i] + 1;
        EXPECT_TRUE(IsVopKindOpen(ButtonOf(kinds[i]))) << "kind " << kinds[i];
    }
}

TEST_F(KindChoiceTest, AClickChoosesAnOpenKindButNotALockedOne) {
    unlockedLevels = 5;
    PointAt(4);
    mouseClicked = 1;
    SelectVopKind(0);
    EXPECT_EQ(1, vopKind);  // rock is still locked
    PointAt(2);
    SelectVopKind(0);
    EXPECT_EQ(2, vopKind);
    mouseClicked = 0;
    PointAt(1);
    SelectVopKind(0);
    EXPECT_EQ(2, vopKind);  // no click, no choice
}

TEST_F(KindChoiceTest, ConfirmChoosesTheFocusedKind) {
    unlockedLevels = 40;
    actionConfirm = 1;
    SelectVopKind(17);  // the lowest button of the right column
    EXPECT_EQ(6, vopKind);
    SelectVopKind(15);
    EXPECT_EQ(3, vopKind);
    actionConfirm = 0;
    SelectVopKind(12);
    EXPECT_EQ(3, vopKind);
}

TEST_F(KindChoiceTest, TheChosenKindIsWhiteAndTheRightColumnStandsAtTheRightEdge) {
    unlockedLevels = 40;
    vopKind = 4;
    DrawVopKindButtons(0.0f, 0);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(k == 4 ? 1u : 0u, DrawsOf(kindButtonWhite[k - 1]).size()) << "kind " << k;
        EXPECT_EQ(k == 4 ? 0u : 1u, DrawsOf(kindButtonBlack[k - 1]).size()) << "kind " << k;
    }
    // Open buttons: alpha 220, 0.9 of the ambient colour (200 -> 180).
    EXPECT_EQ(0xDCB4B4B4u, DrawsOf(kindButtonWhite[3])[0]->colour);
    EXPECT_TRUE(TextsDrawn().empty());  // nothing hovered
    screenWidth = 1280;
    ResetBatchLog();
    DrawVopKindButtons(0.0f, 0);
    const BatchRecord* elite = DrawsOf(kindButtonBlack[5])[0];
    // The picture centre (32, 32) lands at (W - 50, 235).
    EXPECT_FLOAT_EQ(1230.0f, elite->transform.m00 * 32 + elite->transform.m01 * 32 + elite->transform.tx);
    EXPECT_FLOAT_EQ(235.0f, elite->transform.m10 * 32 + elite->transform.m11 * 32 + elite->transform.ty);
}

TEST_F(KindChoiceTest, ALockedKindIsFaintAndWhiteOnlyWhenHovered) {
    unlockedLevels = 1;
    vopKind = 1;
    DrawVopKindButtons(0.0f, 0);
    ASSERT_EQ(1u, DrawsOf(kindButtonBlack[1]).size());
    EXPECT_EQ(0x64A0A0A0u, DrawsOf(kindButtonBlack[1])[0]->colour);  // alpha 100, 0.8
    ResetBatchLog();
    PointAt(2);
    DrawVopKindButtons(0.0f, 0);
    EXPECT_EQ(1u, DrawsOf(kindButtonWhite[1]).size());
}

TEST_F(KindChoiceTest, AHoveredKindExplainsItselfInThreeLines) {
    unlockedLevels = 40;
    PointAt(5);
    DrawVopKindButtons(0.0f, 0);
    EXPECT_EQ((std::vector<std::string>{"ls21", "ls22", "ls23"}), TextsDrawn());
    unlockedLevels = 1;
    ResetBatchLog();
    DrawVopKindButtons(0.0f, 0);
    EXPECT_EQ((std::vector<std::string>{"ls21", "ls29", "ls30"}), TextsDrawn());
}

TEST_F(KindChoiceTest, TheEliteLinesMayBreakWhereTheTextSaysSo) {
    std::strcpy(levelSelectionTexts[25], "never%scalms down");
    unlockedLevels = 40;
    DrawVopKindButtons(0.0f, 17);
    EXPECT_EQ((std::vector<std::string>{"ls24", "never\ncalms down", "ls26"}), TextsDrawn());
}
