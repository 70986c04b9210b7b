// The level buttons of the level pages: open, locked and passed looks, the
// texts under the pointer, the kind notice and the first-start hint.
#include "LevelButtonFixture.h"

#include "screens/LevelButtons.h"

using namespace buttontest;

namespace {

constexpr int kRecord = 40;  // a free record the tests shape as they need

class LevelButtonTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        saved = levelTable[kRecord];
        LevelRecord& r = levelTable[kRecord];
        r.bossLevel = 0;
        r.sprintLevel = 0;
        r.requiredKind = 0;
        r.thresholdPoints = 60;
        r.timeBonusBase = 30;
        r.bestScore = 75;
        std::strcpy(levelNameTexts[kRecord], "Long%sRoad");
        kindHintShown = 0;
    }
    void TearDown() override { levelTable[kRecord] = saved; }

    // The button stands at world x 300, 200 px above the lower edge, as the
    // 5th level of the play order.
    void Draw(int focusValue = 0) {
        ResetBatchLog();
        DrawLevelButton(300, 200, 1.0f, 5, 0.0f, kRecord, focusValue, 19);
    }
    void Hover() {
        playerX = 300;
        playerY = 568;
    }
    LevelRecord saved;
};

}  // namespace

TEST_F(LevelButtonTest, ALevelJustReachedIsOpenAndOnePastItIsTicked) {
    unlockedLevels = 5;
    Draw();
    ASSERT_EQ(1u, DrawsOf(levelButton[0]).size());
    EXPECT_EQ(0xDCB4B4B4u, DrawsOf(levelButton[0])[0]->colour);
    EXPECT_TRUE(DrawsOf(checkMarkSprite).empty());
    unlockedLevels = 6;
    Draw();
    EXPECT_EQ(1u, DrawsOf(checkMarkSprite).size());
}

TEST_F(LevelButtonTest, ALockedLevelIsSmallAndFaintAndShowsNoText) {
    unlockedLevels = 4;
    Hover();
    Draw();
    ASSERT_EQ(1u, DrawsOf(levelButton[1]).size());  // still lights up under the pointer
    EXPECT_EQ(0x46A0A0A0u, DrawsOf(levelButton[1])[0]->colour);
    EXPECT_FLOAT_EQ(0.55f, DrawsOf(levelButton[1])[0]->transform.m00);
    EXPECT_TRUE(TextsDrawn().empty());
    EXPECT_TRUE(DrawsOf(checkMarkSprite).empty());
}

TEST_F(LevelButtonTest, UnderThePointerItShowsBestScoreAgainstThresholdAndItsName) {
    std::strcpy(levelSelectionTexts[0], "%i of %i");
    unlockedLevels = 9;
    Hover();
    Draw();
    EXPECT_EQ((std::vector<std::string>{"75 of 60", "Long\nRoad"}), TextsDrawn());
    // The focus highlights it as well.
    playerX = 512;
    playerY = 768;
    Draw(19);
    EXPECT_EQ(2u, TextsDrawn().size());
    EXPECT_EQ(1u, DrawsOf(levelButton[1]).size());
}

TEST_F(LevelButtonTest, ASprintLevelShowsItsTargetTimeUntilPassedThenItsBest) {
    std::strcpy(levelSelectionTexts[1], "beat %i");
    std::strcpy(levelSelectionTexts[2], "best %i");
    levelTable[kRecord].sprintLevel = 1;
    unlockedLevels = 5;
    Hover();
    const int bonus[4] = {0, 8, 4, 0};
    for (difficulty = 1; difficulty <= 3; ++difficulty) {
        Draw();
        EXPECT_EQ("beat " + std::to_string(30 + bonus[difficulty]), TextsDrawn()[0]);
    }
    unlockedLevels = 6;
    Draw();
    EXPECT_EQ("best 75", TextsDrawn()[0]);
}

TEST_F(LevelButtonTest, ALevelForAnotherKindSaysWhichKindItNeeds) {
    std::strcpy(levelSelectionTexts[5], "needs the%sair Vop");  // entries 3..8: kinds 1..6
    levelTable[kRecord].requiredKind = 3;
    unlockedLevels = 9;
    Hover();
    Draw();
    EXPECT_FALSE(CanPlayWithVopKind(kRecord));
    EXPECT_EQ((std::vector<std::string>{"needs the\nair Vop", "Long\nRoad"}), TextsDrawn());
    EXPECT_EQ(1u, DrawsOf(kindButtonWhite[2]).size());  // the air kind's picture
    vopKind = 3;
    EXPECT_TRUE(CanPlayWithVopKind(kRecord));
}

TEST_F(LevelButtonTest, ABossButtonReactsWithin60PxOnlyWhenOpenAndNeverShowsText) {
    levelTable[kRecord].bossLevel = 1;
    playerX = 300 + 50;
    playerY = 568;
    unlockedLevels = 4;
    Draw();
    EXPECT_EQ(1u, DrawsOf(bossButton[0]).size());
    unlockedLevels = 5;
    Draw();
    EXPECT_EQ(1u, DrawsOf(bossButton[1]).size());
    EXPECT_TRUE(TextsDrawn().empty());
    unlockedLevels = 6;
    Draw();
    ASSERT_EQ(1u, DrawsOf(checkMarkSprite).size());
    // The tick sits 16 px lower on a boss button.
    const BatchRecord* tick = DrawsOf(checkMarkSprite)[0];
    EXPECT_FLOAT_EQ(568.0f + 16.0f, tick->transform.m10 * 32 + tick->transform.m11 * 32 + tick->transform.ty);
}

TEST_F(LevelButtonTest, TheFirstStartHintPointsToTheKindsOnlyForANewBeginner) {
    std::strcpy(levelSelectionTexts[28], "choose%sa Vop");
    unlockedLevels = 7;
    playerX = 300;
    playerY = 568;
    ResetBatchLog();
    DrawLevelButton(300, 200, 1.0f, 7, 0.0f, 3, 0, 19);
    EXPECT_EQ(1u, DrawsOf(arrowSprite).size());
    EXPECT_EQ(1, kindHintShown);
    // A later locked button leaves it; a later open one with another record
    // clears it.
    DrawLevelButton(500, 200, 1.0f, 8, 0.0f, 5, 0, 20);
    EXPECT_EQ(1, kindHintShown);
    DrawLevelButton(700, 200, 1.0f, 2, 0.0f, 8, 0, 21);
    EXPECT_EQ(0, kindHintShown);

    vopKind = 2;
    ResetBatchLog();
    DrawLevelButton(300, 200, 1.0f, 7, 0.0f, 3, 0, 19);
    EXPECT_TRUE(DrawsOf(arrowSprite).empty());
    vopKind = 1;
    unlockedLevels = 8;
    ResetBatchLog();
    DrawLevelButton(300, 200, 1.0f, 7, 0.0f, 3, 0, 19);
    EXPECT_TRUE(DrawsOf(arrowSprite).empty());
}

TEST_F(LevelButtonTest, TheButtonStandsWhereThePageParallaxPutsIt) {
    cameraX = 100;
    // halfW + (x - cameraX - halfW) x parallax
    EXPECT_FLOAT_EQ(512.0f + (700 - 100 - 512) * 0.9f, LevelButtonScreenX(700, 0.9f));
    EXPECT_EQ(768 - 220, LevelButtonScreenY(220));
    screenWidth = 1025;  // odd widths halve to 512
    EXPECT_FLOAT_EQ(512.0f, LevelButtonScreenX(612, 0.5f));
}
