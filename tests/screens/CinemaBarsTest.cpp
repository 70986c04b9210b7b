// The overlays over every screen: the black bars of a screen change, the
// total score on the menus and the title of a level being started.
#include "InGameRenderFixture.h"

#include <cstring>

#include "engine/LanguageTables.h"
#include "screens/CinemaBars.h"

using namespace drawtest;

namespace {

class CinemaBarsTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        std::strcpy(mainMenuTexts[10], "Total: %i");
        unlockedLevels = 5;
        totalScore = 4321;
        gameState = MainMenu;
    }
    int ScoreAlpha(int curtain)
    {
        transitionCurtain = curtain;
        ResetBatchLog();
        DrawTotalScore();
        return static_cast<int>(Texts().at(0)->colour >> 24);
    }
};

TEST_F(CinemaBarsTest, BarsCoverTheEdgesByTheCurtain)
{
    DrawCinemaBars(100);
    ASSERT_EQ(BatchLogCount(), 6);
    for (int i = 0; i < 3; ++i) {
        const BatchRecord& upper = BatchLog()[i];
        const BatchRecord& lower = BatchLog()[3 + i];
        EXPECT_EQ(upper.textureId, IdOf(blackSprite));
        EXPECT_LANDS(upper, 0, 255, 512.0f * i, 100 - 255);
        EXPECT_LANDS(lower, 0, 255, 512.0f * i, 768 - 100 + 255);
        ExpectShape(upper, 0, 1, 1.13f);
        EXPECT_EQ(upper.colour, 0xFF000000u);
    }
    // Closing moves the upper bar down and the lower one up, a pixel per unit.
    ResetBatchLog();
    DrawCinemaBars(384);
    EXPECT_LANDS(BatchLog()[0], 0, 255, 0, 384 - 255);
    EXPECT_LANDS(BatchLog()[3], 0, 255, 0, 768 - 384 + 255);
}

TEST_F(CinemaBarsTest, WideScreensNeedAFourthPiece)
{
    screenWidth = 1300;
    DrawCinemaBars(20);
    EXPECT_EQ(BatchLogCount(), 6);
    screenWidth = 1301;
    ResetBatchLog();
    DrawCinemaBars(20);
    EXPECT_EQ(BatchLogCount(), 8);
    EXPECT_LANDS(BatchLog()[3], 0, 255, 1536, 20 - 255);
}

TEST_F(CinemaBarsTest, TotalScoreFadesAsTheBarsClose)
{
    EXPECT_EQ(ScoreAlpha(20), 255);
    EXPECT_EQ(ScoreAlpha(100), 250);
    EXPECT_EQ(ScoreAlpha(266), 1);
    EXPECT_EQ(ScoreAlpha(267), 0);
    EXPECT_EQ(ScoreAlpha(384), 0);
}

TEST_F(CinemaBarsTest, TotalScorePlacementAndColour)
{
    ambientColour[0] = 100;
    ambientColour[1] = 200;
    ambientColour[2] = 10.9f;
    transitionCurtain = 20;
    DrawTotalScore();
    ASSERT_EQ(Texts().size(), 1u);
    const BatchRecord& t = *Texts()[0];
    EXPECT_STREQ(t.text, "Total: 4321");
    // Top-left anchor; the box is stretched about its centre.
    const Point c = TextCentre(t);
    EXPECT_NEAR(c.x, 1024 - 430 + t.boxWidth / 2, 1e-3);
    EXPECT_NEAR(c.y, 768 - 40 + t.boxHeight / 2, 1e-3);
    EXPECT_EQ(t.colour, PackTextColour(70 / 255.0f, 140 / 255.0f, 7 / 255.0f, 1.0f));
    gameState = LevelPage3;
    ResetBatchLog();
    DrawTotalScore();
    EXPECT_NEAR(TextCentre(*Texts().at(0)).x, 20 + Texts()[0]->boxWidth / 2, 1e-3);
    unlockedLevels = 2;
    ResetBatchLog();
    DrawTotalScore();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(CinemaBarsTest, LevelTitleIsBrightestWhileTheBarsAreClosed)
{
    std::strcpy(levelTitle, "Green Hills");
    DrawLevelTitle();
    EXPECT_EQ(BatchLogCount(), 0);  // not visible
    levelTitleVisible = 1;
    transitionCurtain = 384;
    DrawLevelTitle();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_STREQ(Texts()[0]->text, "Green Hills");
    EXPECT_LANDS(*Texts()[0], Texts()[0]->boxWidth / 2, Texts()[0]->boxHeight / 2, 512, 384);
    EXPECT_EQ(Texts()[0]->colour, 0xFFFFFFFFu);
    // With the bloom it is halved and capped at 110.
    shaderEnabled = 1;
    ResetBatchLog();
    DrawLevelTitle();
    EXPECT_EQ(Texts().at(0)->colour >> 24, 110u);
    transitionCurtain = 100;
    ResetBatchLog();
    DrawLevelTitle();
    EXPECT_EQ(Texts().at(0)->colour >> 24, 50u);
}

TEST_F(CinemaBarsTest, UnterminatedTitleIsNotRead)
{
    levelTitleVisible = 1;
    transitionCurtain = 384;
    std::memset(levelTitle, 'A', levelTitleSize);
    DrawLevelTitle();
    EXPECT_EQ(BatchLogCount(), 0);
    levelTitle[0] = '\0';
}

}  // namespace
