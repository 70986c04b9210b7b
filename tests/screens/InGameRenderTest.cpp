// One in-game frame as the player sees it: the layers back to front, the
// goal sign, the end-of-level messages and the status line over the bars.
#include "InGameRenderFixture.h"

#include <cstring>

#include "engine/LanguageTables.h"
#include "game/InGameRender.h"
#include "game/RenderPass.h"

using namespace drawtest;

namespace {

class InGameRenderTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        currentLevel.recordId = 3;
        currentLevel.tileRows = 2;
        currentLevel.tileCols = 3;
        currentLevel.goalX = 2500;
        currentLevel.goalY = 700;
        currentLevel.startX = 300;
        currentLevel.levelColour[0] = 100;
        currentLevel.levelColour[1] = 150;
        currentLevel.levelColour[2] = 200;
        currentLevel.thresholdPoints = 500;
        playerX = 300;
        playerY = 600;
        cameraX = 100;
        cameraY = 200;
        for (int i = 0; i < trailEntries; ++i) {
            trailX[i] = 300;
            trailY[i] = 600;
            trailAlpha[i] = 255;
        }
        LevelObject& walker = currentLevel.objects[0];
        walker.objKind = KindWalker;
        walker.objState = ObjAlive;
        walker.objX = walker.homeX = 800;
        walker.objY = walker.homeY = 600;
        LevelObject& gear = currentLevel.objects[1];
        gear.objKind = KindBigGearCw;
        gear.objState = ObjAlive;
        LevelObject& popping = currentLevel.objects[2];
        popping.objKind = KindBouncer;
        popping.objState = ObjPopping;
        popping.objX = 900;
        popping.objY = 500;
        popping.rise = 10;
        currentLevel.objectCount = 3;
        for (int i = 0; i < 11; ++i) std::snprintf(ingameTexts[i], kTextEntrySize, "entry %d%%s", i);
        std::strcpy(ingameTexts[0], "Kills %i of %i%s");
        std::strcpy(ingameTexts[1], "%i + %i = %i of %i%s");
        std::strcpy(ingameTexts[2], "Time %i%s");
        std::strcpy(ingameTexts[10], "entry 10%s%s");
    }
    static int FirstText(const char* prefix)
    {
        for (int i = 0; i < BatchLogCount(); ++i) {
            const BatchRecord& r = BatchLog()[i];
            if (r.kind == BatchDrawKind::Text && std::strncmp(r.text, prefix, std::strlen(prefix)) == 0)
                return i;
        }
        return -1;
    }
    // The game's chain of one frame: the in-game block, the bars and the
    // level title common to all screens, then the status line over them.
    static void DrawFrame() { DrawScreenChain(); }
};

TEST_F(InGameRenderTest, LayersAreDrawnBackToFront)
{
    levelDone = 1;
    goalScoreFade = 30;
    killScore = 600;
    levelTitleVisible = 1;
    std::strcpy(levelTitle, "Title");
    endState = EndExploded;
    endRise = 10;
    DrawFrame();
    const int board = FirstDrawOf(goalShield[goalBoardIndex]);
    const int post = FirstDrawOf(goalShield[goalPostIndex]);
    const int firstTile = FirstDrawOf(levelTiles[0][0]);
    const int lastTile = LastDrawOf(levelTiles[1][2]);
    const int trail = FirstDrawOf(trailParticleSprites[1]);
    const int vop = FirstDrawOf(beginnerVopSprites[0]);
    const int walker = FirstDrawOf(enemyBodySprites[0]);
    const int gear = FirstDrawOf(bigGearCwSprites[0]);
    const int burst = LastDrawOf(trailParticleSprites[0]);  // the Vop's explosion
    const int passed = FirstText("entry 3");
    const int bars = FirstDrawOf(blackSprite);
    const int title = FirstText("Title");
    const int status = FirstText("Kills");
    ASSERT_GE(board, 0);
    EXPECT_LT(board, post);
    EXPECT_LT(post, firstTile);
    EXPECT_LT(lastTile, trail);
    EXPECT_LT(trail, vop);
    EXPECT_LT(vop, walker);
    EXPECT_LT(walker, gear);
    EXPECT_LT(gear, burst);
    EXPECT_LT(burst, passed);
    EXPECT_LT(passed, bars);
    EXPECT_LT(bars, title);
    EXPECT_LT(title, status);
    EXPECT_EQ(status, BatchLogCount() - 1);
}

TEST_F(InGameRenderTest, LevelsCanPutTheVopAndEnemiesBehindTheWorld)
{
    currentLevel.objectsBehindWorld = 1;
    RenderInGameScreen();
    const int firstTile = FirstDrawOf(levelTiles[0][0]);
    EXPECT_LT(FirstDrawOf(trailParticleSprites[2]), firstTile);
    EXPECT_LT(FirstDrawOf(beginnerVopSprites[0]), firstTile);
    EXPECT_LT(FirstDrawOf(enemyBodySprites[0]), firstTile);
    // Gears and bursts stay in front.
    EXPECT_GT(FirstDrawOf(bigGearCwSprites[0]), LastDrawOf(levelTiles[1][2]));
}

TEST_F(InGameRenderTest, TilesCoverTheLevelUntinted)
{
    RenderInGameScreen();
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            const auto draws = DrawsOf(levelTiles[r][c]);
            ASSERT_EQ(draws.size(), 1u);
            EXPECT_LANDS(*draws[0], 0, 0, c * 1024 - 100, r * 1024 - 200);
            EXPECT_EQ(draws[0]->colour, 0xFFFFFFFFu);
        }
    }
    // A damaged tile count never reaches past the tile slots.
    currentLevel.tileRows = 40;
    currentLevel.tileCols = 400;
    ResetBatchLog();
    DrawLevelTiles();
    EXPECT_EQ(DrawsOf(levelTiles[1][2]).size(), 1u);
}

TEST_F(InGameRenderTest, GoalSignSwaysAtTheGoalInTheLevelColour)
{
    swayPhase = 1.0f;
    DrawGoalSign();
    const float s = std::sin(1.0f) / 14;
    const BatchRecord& board = *DrawsOf(goalShield[goalBoardIndex]).at(0);
    const BatchRecord& post = *DrawsOf(goalShield[goalPostIndex]).at(0);
    EXPECT_LANDS(board, 137, 123, 2400 + 73, 500 - 105);
    ExpectShape(board, 1.2f * s, 0.8f - 0.8f * s, 0.8f - 0.8f * s);
    EXPECT_EQ(board.colour, Argb(255, 80, 120, 160));
    EXPECT_LANDS(post, 43, 255, 2400, 500);
    ExpectShape(post, s, 0.8f, 0.8f);
    EXPECT_EQ(post.colour, Argb(255, 60, 90, 120));
    // Snow levels show it in the level colour itself; MR levels their own pictures.
    currentLevel.levelColour[0] = 225;
    currentLevel.mrVariant = 1;
    ResetBatchLog();
    DrawGoalSign();
    EXPECT_EQ(DrawsOf(goalShield[goalBoardIndex + 1]).at(0)->colour, Argb(255, 225, 150, 200));
    EXPECT_EQ(DrawsOf(goalShield[goalPostIndex + 1]).at(0)->colour, Argb(255, 225, 150, 200));
}

TEST_F(InGameRenderTest, BossGoalAppearsOnlyOnceTheBossIsBeaten)
{
    currentLevel.bossLevel = 1;
    RenderInGameScreen();
    EXPECT_EQ(DrawsOf(goalShield[goalPostIndex]).size(), 0u);
    bossBeaten = 1;
    ResetBatchLog();
    RenderInGameScreen();
    EXPECT_EQ(DrawsOf(goalShield[goalPostIndex]).size(), 1u);
}

TEST_F(InGameRenderTest, ScoreOnTheSignOnlyForOrdinaryLevelsAtTheGoal)
{
    shownScore = 420;
    thresholdPoints = 500;
    goalScoreFade = 5;
    DrawGoalSign();
    EXPECT_EQ(Texts().size(), 0u);  // not at the goal yet
    levelDone = 1;
    ResetBatchLog();
    DrawGoalSign();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_STREQ(Texts()[0]->text, "420/500");
    EXPECT_LANDS(*Texts()[0], Texts()[0]->boxWidth / 2, Texts()[0]->boxHeight / 2, 2473, 395);
    EXPECT_EQ(Texts()[0]->colour, PackTextColour(0, 0, 0, 50 / 255.0f));
    // A dark level writes it white, or grey under the bloom.
    currentLevel.levelColour[0] = currentLevel.levelColour[1] = currentLevel.levelColour[2] = 50;
    ResetBatchLog();
    DrawGoalSign();
    EXPECT_EQ(Texts().at(0)->colour, PackTextColour(1, 1, 1, 50 / 255.0f));
    shaderEnabled = 1;
    ResetBatchLog();
    DrawGoalSign();
    EXPECT_EQ(Texts().at(0)->colour, PackTextColour(210 / 255.0f, 210 / 255.0f, 210 / 255.0f, 50 / 255.0f));
    for (int which = 0; which < 3; ++which) {
        currentLevel.sprintLevel = which == 0;
        currentLevel.bossLevel = which == 1;
        currentLevel.recordId = which == 2 ? 7 : 3;
        ResetBatchLog();
        DrawGoalSign();
        EXPECT_EQ(Texts().size(), 0u) << which;
    }
}

TEST_F(InGameRenderTest, EndMessagesStandAtTheLevelsOffsets)
{
    currentLevel.goalTextOffsets[0][0] = -300;
    currentLevel.goalTextOffsets[0][1] = -400;
    currentLevel.goalTextOffsets[1][0] = -250;
    currentLevel.goalTextOffsets[1][1] = -300;
    levelDone = 1;
    killScore = 400;
    timeBonus = 100;
    thresholdPoints = 500;
    newLevelUnlocked = 1;
    goalScoreFade = 100;
    DrawEndMessages();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_STREQ(texts[0]->text, "entry 3\n");
    EXPECT_STREQ(texts[1]->text, "entry 4\n");
    EXPECT_EQ(texts[0]->colour, 0xFF000000u);
    const Point c0 = TextCentre(*texts[0]);
    EXPECT_NEAR(c0.x, 2400 - 300 + texts[0]->boxWidth / 2, 1e-3);
    EXPECT_NEAR(c0.y, 500 - 400 + texts[0]->boxHeight / 2, 1e-3);
    const Point c1 = TextCentre(*texts[1]);
    EXPECT_NEAR(c1.x, 2400 - 250 + texts[1]->boxWidth / 2, 1e-3);
    // A failed level shows its message where the new-level one would stand.
    newLevelUnlocked = 0;
    levelNotPassed = 1;
    killScore = 0;
    ResetBatchLog();
    DrawEndMessages();
    texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_STREQ(texts[0]->text, "entry 5\n");
    EXPECT_NEAR(TextCentre(*texts[0]).x, 2400 - 250 + texts[0]->boxWidth / 2, 1e-3);
}

TEST_F(InGameRenderTest, StatusLineFadesInAsTheBarsOpen)
{
    killScore = 120;
    thresholdPoints = 500;
    transitionCurtain = 384;
    RenderInGameStatusLine();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_STREQ(Texts()[0]->text, "Kills 120 of 500\n");
    EXPECT_EQ(Texts()[0]->colour >> 24, 0u);
    transitionCurtain = 16;
    ResetBatchLog();
    RenderInGameStatusLine();
    EXPECT_EQ(Texts().at(0)->colour >> 24, 255u);
    EXPECT_NEAR(TextCentre(*Texts()[0]).x, 20 + Texts()[0]->boxWidth / 2, 1e-3);
    EXPECT_NEAR(TextCentre(*Texts()[0]).y, 768 - 30 + Texts()[0]->boxHeight / 2, 1e-3);
    // With a time bonus the line adds it up; sprint levels show the time only.
    currentLevel.timeBonusBase = 900;
    timeBonus = 80;
    ResetBatchLog();
    RenderInGameStatusLine();
    EXPECT_STREQ(Texts().at(0)->text, "120 + 80 = 200 of 500\n");
    currentLevel.sprintLevel = 1;
    ResetBatchLog();
    RenderInGameStatusLine();
    EXPECT_STREQ(Texts().at(0)->text, "Time 80\n");
    // No threshold, no sprint, no boss: no line.
    currentLevel.sprintLevel = 0;
    currentLevel.thresholdPoints = 0;
    ResetBatchLog();
    RenderInGameStatusLine();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(InGameRenderTest, SnowLevelsLiftTheStatusLineColour)
{
    currentLevel.snowLevel = 1;
    currentLevel.statusColourGain = 3;
    ambientColour[0] = 100;
    ambientColour[1] = 50;
    ambientColour[2] = 20.5f;
    transitionCurtain = 5;
    RenderInGameStatusLine();
    EXPECT_EQ(Texts().at(0)->colour, PackTextColour(1, 150 / 255.0f, 61 / 255.0f, 1));
}

TEST_F(InGameRenderTest, NothingOutsideTheGame)
{
    gameState = MainMenu;
    RenderInGameScreen();
    RenderInGameStatusLine();
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
