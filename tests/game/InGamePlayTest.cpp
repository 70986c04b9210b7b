// Whole in-game sequences through the real update and render chains, with
// scripted keys: a level loads, the Vop rolls and jumps, dies and restarts,
// resumes at a checkpoint, reaches the goal, saves and leaves through the
// bars.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/Keyboard.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "support/TestFiles.h"

namespace {

constexpr int worldWidth = 3000;
constexpr int worldHeight = 1000;
constexpr int floorY = 800;
constexpr int pitLeft = 2000;
constexpr int pitRight = 2300;

// Test levels go into free table slots; the scoring test takes record 1 so
// that its best score is one the progress file keeps.
constexpr int goalSlot = 1;
constexpr int pitSlot = 47;

std::vector<uint32_t> ground;

// White floor along the whole level, with a navy (deadly) pool in it.
void ProvideGround()
{
    ground.assign(static_cast<size_t>(worldWidth) * worldHeight, 0u);
    for (int y = floorY; y < worldHeight; ++y)
        for (int x = 0; x < worldWidth; ++x) {
            const bool pit = x >= pitLeft && x < pitRight && y < floorY + 60;
            ground[static_cast<size_t>(y) * worldWidth + x] = pit ? deadlyColour : solidColour;
        }
    ProvideCollisionPicture(ground.data(), worldWidth, worldWidth, worldHeight);
}

std::string ReadFile(const std::string& path)
{
    std::string text;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

bool OutOfGame() { return gameState != GameState::InGame; }
bool Dead() { return endState != EndAlive; }
bool Done() { return levelDone != 0; }
bool BarsOpen() { return barsOpen == 1; }

class InGamePlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        HarnessConfig config;
        config.homeDir = home.path.c_str();
        ASSERT_TRUE(HarnessInit(config));
        ProvideGround();

        LevelRecord goalLevel = HarnessPlainLevel(worldWidth, worldHeight, 300, 700, 900, 770);
        goalLevel.timeBonusBase = 20;
        goalLevel.thresholdPoints = 10;
        goalLevel.playOrder = 1;
        HarnessInstallLevel(goalSlot, goalLevel);

        LevelRecord pitLevel = HarnessPlainLevel(worldWidth, worldHeight, 1700, 700, 2900, 770);
        pitLevel.checkpointX = 1850;
        pitLevel.checkpointY = 700;
        pitLevel.objectCount = 1;
        pitLevel.objects[0].objKind = KindWalker;
        pitLevel.objects[0].objState = ObjAlive;
        pitLevel.objects[0].objX = 100;
        pitLevel.objects[0].objY = 100;
        pitLevel.objects[0].leftBound = 50;
        pitLevel.objects[0].rightBound = 150;
        pitLevel.objects[0].checkpointObject = 1;
        HarnessInstallLevel(pitSlot, pitLevel);
    }

    void TearDown() override
    {
        ProvideCollisionPicture(nullptr, 0, 0, 0);
        HarnessReleaseAllKeys();
    }

    testfiles::TempFolder home{"fv-ingame-"};
};

TEST_F(InGamePlay, LevelStartLogsItsStepsAndOpensTheBars)
{
    testing::internal::CaptureStdout();
    ASSERT_TRUE(HarnessStartLevel(goalSlot));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Level wird geladen:\n"), std::string::npos);
    EXPECT_NE(log.find("Level geladen!\n"), std::string::npos);
    EXPECT_LT(log.find("Level wird geladen:"), log.find("Level geladen!"));

    EXPECT_EQ(gameState, InGame);
    EXPECT_EQ(transitionCurtain, 384);
    EXPECT_EQ(playerX, 300);
    // The bars open by 8 per tick to 5 (384 -> 0 would pass it): 48 steps.
    EXPECT_EQ(HarnessRunUntil(BarsOpen, 200), 48 + 1);
    EXPECT_EQ(transitionCurtain, 0);
    EXPECT_EQ(levelTitleVisible, 0);
}

TEST_F(InGamePlay, VopRollsRightAndJumpsUnderScriptedKeys)
{
    ASSERT_TRUE(HarnessStartLevel(goalSlot));
    HarnessTicks(60);  // settles on the floor
    const int restY = playerY;
    EXPECT_LT(restY, floorY);
    EXPECT_EQ(playerX, 300);

    HarnessKeyDown(DIK_RIGHT);
    HarnessTicks(30);
    EXPECT_GT(playerX, 300);
    EXPECT_GT(velX, 0.0f);
    HarnessKeyUp(DIK_RIGHT);

    HarnessKeyDown(DIK_SPACE);
    HarnessTicks(8);
    HarnessKeyUp(DIK_SPACE);
    EXPECT_LT(playerY, restY - 20) << "the jump lifts the Vop";
    HarnessTicks(120);
    EXPECT_EQ(playerY, restY) << "and it lands on the floor again";
}

TEST_F(InGamePlay, ThePadSteersTheVopToo)
{
    ASSERT_TRUE(HarnessStartLevel(goalSlot));
    HarnessTicks(60);
    XInputGamepad pad = {};
    pad.sThumbLX = 30000;
    HarnessSetPad(pad);
    HarnessTicks(30);
    EXPECT_GT(playerX, 300);
    const int x = playerX;
    pad.sThumbLX = 0;
    pad.wButtons = XINPUT_GAMEPAD_DPAD_LEFT;
    HarnessSetPad(pad);
    HarnessTicks(60);
    EXPECT_LT(playerX, x);
    HarnessDisconnectPad();
}

TEST_F(InGamePlay, FallingIntoDeadlyGroundRestartsTheLevelFromItsStart)
{
    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    HarnessKeyDown(DIK_RIGHT);
    ASSERT_GE(HarnessRunUntil(Dead, 600), 0) << "the Vop reaches the pool";
    HarnessReleaseAllKeys();
    EXPECT_EQ(endState, EndFalling);
    EXPECT_GE(playerX, pitLeft - 60);

    // The end sequence asks for the restart; the bars close, the level
    // restarts behind them and they open again, all in game.
    ASSERT_GE(HarnessRunUntil([] { return fadeState == FadeRestartAfterDeath; }, 200), 0);
    ASSERT_GE(HarnessRunUntil([] { return endState == EndAlive; }, 200), 0);
    EXPECT_EQ(gameState, InGame);
    EXPECT_EQ(fadeState, FadeNone);
    EXPECT_EQ(playerX, 1700);
    EXPECT_EQ(playerY, 700);
    EXPECT_GE(HarnessRunUntil(BarsOpen, 100), 0);
}

TEST_F(InGamePlay, ACheckpointLevelRestartsAtItsCheckpoint)
{
    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    HarnessTicks(5);
    // The checkpoint object falls to the trail, as the object update does it.
    SaveCheckpoint(0);
    ASSERT_EQ(checkpointReached, 1);

    HarnessKeyDown(DIK_RIGHT);
    ASSERT_GE(HarnessRunUntil(Dead, 600), 0);
    HarnessReleaseAllKeys();
    ASSERT_GE(HarnessRunUntil([] { return endState == EndAlive; }, 400), 0);
    EXPECT_EQ(playerX, 1850);
    EXPECT_EQ(playerY, 700);
    EXPECT_EQ(currentLevel.objects[0].objState, ObjInactive) << "the killed object stays dead";
}

TEST_F(InGamePlay, TheRestartKeyAlwaysStartsFromTheBeginning)
{
    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    ASSERT_GE(HarnessRunUntil(BarsOpen, 100), 0);
    SaveCheckpoint(0);
    HarnessKeyDown(DIK_RIGHT);
    HarnessTicks(20);
    HarnessReleaseAllKeys();
    HarnessKeyDown(DIK_RETURN);
    HarnessTick();
    HarnessKeyUp(DIK_RETURN);
    EXPECT_EQ(fadeState, FadeRestartKey);
    EXPECT_EQ(checkpointReached, 0);
    ASSERT_GE(HarnessRunUntil([] { return fadeState == FadeNone; }, 200), 0);
    EXPECT_EQ(gameState, InGame);
    EXPECT_EQ(playerX, 1700);
}

TEST_F(InGamePlay, ReachingTheGoalScoresSavesAndLeavesToThePage)
{
    ASSERT_TRUE(HarnessStartLevel(goalSlot));
    HarnessKeyDown(DIK_RIGHT);
    testing::internal::CaptureStdout();
    const int ticks = HarnessRunUntil(Done, 600);
    const std::string log = testing::internal::GetCapturedStdout();
    ASSERT_GE(ticks, 0) << "the Vop reaches the goal";
    HarnessReleaseAllKeys();
    EXPECT_NE(log.find("Level geschafft!\n"), std::string::npos);

    EXPECT_EQ(newLevelUnlocked, 1);
    EXPECT_EQ(unlockedLevels, 2);
    const int score = killScore + timeBonus;
    EXPECT_EQ(levelTable[goalSlot].bestScore, score);

    // Progress went to the XML files in the documents folder (HOME here).
    const std::string game = ReadFile(home.path + "/FlorpVops/Game.xml");
    EXPECT_NE(game.find("m=\"2\""), std::string::npos) << game;
    levelTable[goalSlot].bestScore = 0;
    LoadProgress();
    EXPECT_EQ(levelTable[goalSlot].bestScore, score);

    // The end screen lasts 205 ticks, the bars close, and the page shows.
    const int toLeave = HarnessRunUntil(OutOfGame, 1000);
    ASSERT_GE(toLeave, 205);
    EXPECT_EQ(gameState, LevelPage1);
    EXPECT_EQ(levelDone, 0) << "the level state was restarted on the way out";
    EXPECT_EQ(barsOpen, 0);
}

TEST_F(InGamePlay, BackLeavesTheLevelButNotWhileTheVopIsDead)
{
    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    returnPage = LevelPage2;
    ASSERT_GE(HarnessRunUntil(BarsOpen, 100), 0);
    HarnessKeyDown(DIK_ESCAPE);
    HarnessTick();
    HarnessKeyUp(DIK_ESCAPE);
    EXPECT_EQ(fadeState, FadeLeaveLevel);
    ASSERT_GE(HarnessRunUntil(OutOfGame, 200), 0);
    EXPECT_EQ(gameState, LevelPage2);

    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    HarnessKeyDown(DIK_RIGHT);
    ASSERT_GE(HarnessRunUntil(Dead, 600), 0);
    HarnessKeyDown(DIK_ESCAPE);
    HarnessTick();
    EXPECT_NE(fadeState, FadeLeaveLevel);
}

TEST_F(InGamePlay, ThirtyFramesRunTwoUpdatesPerTick)
{
    HarnessConfig config = HarnessCurrentConfig();
    config.limitTo30Fps = 1;
    ASSERT_TRUE(HarnessInit(config));
    ProvideGround();
    HarnessInstallLevel(pitSlot, HarnessPlainLevel(worldWidth, worldHeight, 1700, 700, 2900, 770));
    ASSERT_TRUE(HarnessStartLevel(pitSlot));
    HarnessTicks(10);
    EXPECT_EQ(levelTickCounter, 20);
    // The bars move two steps a tick, so a level opens in half the ticks.
    EXPECT_EQ(transitionCurtain, 384 - 20 * 8);
}

}  // namespace
