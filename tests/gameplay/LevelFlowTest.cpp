// An attempt from load to goal: time bonus, death and restart, checkpoints,
// scoring, best scores and unlocking.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "GameplayTestSupport.h"
#include "game/LevelTable.h"
#include "screens/VopKindChoice.h"

using namespace gameplay_test;

namespace {

class LevelFlowTest : public GameplayTest {
protected:
    Picture picture{4096, 1024};
    LevelRecord record;

    void SetUp() override
    {
        GameplayTest::SetUp();
        picture.Fill(0, 600, 4095, 1023, white);
        record = MakeTestRecord(4096, 1024, 300, 560);
        record.goalX = 3000;
        record.goalY = 600;
        record.playOrder = 10;
        record.objectCount = 3;
        record.objects[0] = MakeWalkerObject(1500, 560, 1400, 1600, 2, 0);
        record.objects[1] = MakeBouncerObject(2000, 600, 0, 0, 10, 1);
        record.objects[1].checkpointObject = 1;
        record.objects[1].heat = 254.0f;
        record.objects[2] = MakeWalkerObject(2500, 560, 2400, 2600, 2, 0);
        record.checkpointX = 2000;
        record.checkpointY = 300;
        levelTable[40] = record;
        Load(record, picture);
    }
    void TearDown() override
    {
        levelTable[40] = LevelRecord{};
        GameplayTest::TearDown();
    }
    // Puts the Vop at the object with a hot trail over it until it dies.
    void BurnObject(int slot)
    {
        LevelObject& o = currentLevel.objects[slot];
        for (int e = 0; e < trailEntries; ++e) {
            trailX[e] = static_cast<float>(o.objX);
            trailY[e] = static_cast<float>(o.objY);
            trailHot[e] = 1;
        }
        for (int t = 0; t < 400 && o.objState == ObjAlive; ++t) UpdateLevelObjects();
        for (uint8_t& h : trailHot) h = 0;
    }
    void ReachGoal()
    {
        playerX = currentLevel.goalX;
        playerY = currentLevel.goalY - 40;
        UpdateDangerAndGoal();
    }
};

TEST_F(LevelFlowTest, TimeBonusPerKindSprintAndBoss)
{
    LevelRecord r = record;
    r.timeBonusBase = 100;
    const int expected[7] = {0, 100, 114, 150, 120, 139, 160};
    for (int kind = 1; kind <= 6; ++kind) {
        vopKind = kind;
        EXPECT_EQ(StartingTimeBonus(r), expected[kind]) << kind;
    }
    r.timeBonusBase = 30;
    r.sprintLevel = 1;
    difficulty = 2;
    EXPECT_EQ(StartingTimeBonus(r), 34);
    r.sprintLevel = 0;
    r.bossLevel = 1;
    difficulty = 3;
    EXPECT_EQ(StartingTimeBonus(r), 30);
    difficulty = 1;
    EXPECT_EQ(StartingTimeBonus(r), 37);
}

TEST_F(LevelFlowTest, LoadingSetsTheAttemptAndKillPointsFromTheSimulationSequence)
{
    EXPECT_EQ(playerX, 300);
    EXPECT_EQ(timeBonus, 100);
    EXPECT_EQ(killScore, 0);
    EXPECT_EQ(endState, 0);
    for (int j = 0; j < 3; ++j) {
        EXPECT_GE(currentLevel.objects[j].killPoints, 8);
        EXPECT_LE(currentLevel.objects[j].killPoints, 12);
    }
    EXPECT_EQ(levelTable[40].objects[0].killPoints, 0);
    // The same seed gives the same points.
    const int first = currentLevel.objects[0].killPoints;
    SeedSimRandom(1);
    Load(record, picture);
    EXPECT_EQ(currentLevel.objects[0].killPoints, first);
}

TEST_F(LevelFlowTest, ABurnedEnemyScoresItsKillPointsAndPops)
{
    const int points = currentLevel.objects[0].killPoints;
    BurnObject(0);
    EXPECT_EQ(currentLevel.objects[0].objState, ObjPopping);
    EXPECT_EQ(killScore, points);
    EXPECT_FLOAT_EQ(bloomFlashInput, 800.0f);
    for (int t = 0; t < 200; ++t) UpdateLevelObjects();
    EXPECT_EQ(currentLevel.objects[0].objState, ObjInactive);
    EXPECT_LT(currentLevel.objects[0].objX, -11900);  // parked far outside the level
}

TEST_F(LevelFlowTest, ADeathLeadsToAFreshRestartWithEveryObjectBack)
{
    BurnObject(0);
    PlayerDied(DiedExploded);
    for (int t = 0; t < 50; ++t) SimulateLevelTick();
    ASSERT_EQ(fadeState, FadeRestartAfterDeath);
    fadeState = 0;
    RestartLevel();
    EXPECT_EQ(endState, EndAlive);
    EXPECT_EQ(playerX, 300);
    EXPECT_EQ(playerY, 560);
    EXPECT_EQ(killScore, 0);
    EXPECT_FLOAT_EQ(dangerMeter, 0.0f);
    EXPECT_EQ(currentLevel.objects[0].objState, ObjAlive);
    EXPECT_EQ(currentLevel.objects[0].objX, 1500);
}

TEST_F(LevelFlowTest, ACheckpointKillRestoresPositionScoreAndTime)
{
    BurnObject(0);
    const int scoreAtCheckpoint = killScore + currentLevel.objects[1].killPoints;
    timeBonus = 77;
    BurnObject(1);
    ASSERT_EQ(checkpointReached, 1);
    EXPECT_EQ(checkpointSnapshot.objects[1].objState, ObjInactive);
    BurnObject(2);
    timeBonus = 50;
    PlayerDied(DiedExploded);
    RestartLevel();
    EXPECT_EQ(playerX, 2000);
    EXPECT_EQ(playerY, 300);
    EXPECT_EQ(cameraBaseX, 2000 - 512);
    EXPECT_EQ(killScore, scoreAtCheckpoint);
    EXPECT_EQ(timeBonus, 77);
    EXPECT_EQ(currentLevel.objects[0].objState, ObjPopping);  // killed before the checkpoint
    EXPECT_EQ(currentLevel.objects[1].objState, ObjInactive);  // the checkpoint object stays away
    EXPECT_EQ(currentLevel.objects[2].objState, ObjAlive);     // killed after it: back
    // Every later death resumes there too.
    RestartLevel();
    EXPECT_EQ(playerX, 2000);
}

TEST_F(LevelFlowTest, OnlyTheEliteKindGetsItsDangerBackAtACheckpoint)
{
    for (int kind : {1, 6}) {
        vopKind = kind;
        Load(record, picture);
        dangerMeter = 120.0f;
        BurnObject(1);
        dangerMeter = 200.0f;
        RestartLevel();
        EXPECT_FLOAT_EQ(dangerMeter, kind == 6 ? 120.0f : 0.0f) << kind;
    }
}

TEST_F(LevelFlowTest, CheckpointsOffOrAlreadyReachedSaveNothing)
{
    checkpointsEnabled = 0;
    BurnObject(1);
    EXPECT_EQ(checkpointReached, 0);
    checkpointsEnabled = 1;
    RestartLevel();
    EXPECT_EQ(playerX, 300);
}

TEST_F(LevelFlowTest, GoalScoresKillsPlusTimeAndRaisesTheBest)
{
    BurnObject(0);
    const int kills = killScore;
    timeBonus = 60;
    unlockedLevels = 10;
    ReachGoal();
    EXPECT_EQ(levelDone, 1);
    EXPECT_EQ(levelTable[40].bestScore, kills + 60);
    EXPECT_EQ(currentLevel.bestScore, kills + 60);
    EXPECT_EQ(restartLevel.bestScore, kills + 60);
    EXPECT_EQ(unlockedLevels, 11);
    EXPECT_EQ(newLevelUnlocked, 1);
    EXPECT_EQ(newKindUnlocked, 1);  // play order 10 opens the next kind
    EXPECT_EQ(levelNotPassed, 0);
    EXPECT_FLOAT_EQ(dangerMeter, 150.0f);
    EXPECT_FLOAT_EQ(velX, 0.0f);
}

// The level of this fixture needs 50 points and stands at play order 10.
// An equal score counts as a new best and is saved; a boss level saves
// without keeping a best; only the newest level opens the next one.
TEST_F(LevelFlowTest, TheBestScorePassingAndUnlockingFollowTheScore)
{
    const struct {
        const char* what;
        uint8_t sprint, boss;
        int best, kills, time, unlocked;
        int expectBest;
        bool saved, passed, notPassed;
    } cases[] = {
        {"equal to the best", 0, 0, 97, 37, 60, 10, 97, true, true, false},
        {"one below the best", 0, 0, 98, 37, 60, 10, 98, false, true, false},
        {"one above the best", 0, 0, 96, 37, 60, 10, 97, true, true, false},
        {"sprint equal to the best", 1, 0, 60, 0, 60, 10, 60, true, true, false},
        {"sprint one below the best", 1, 0, 61, 0, 60, 10, 61, false, true, false},
        {"boss at the best", 0, 1, 0, 0, 40, 10, 0, true, true, false},
        {"boss below the best", 0, 1, 41, 0, 40, 10, 41, false, true, false},
        {"exactly at the threshold", 0, 0, 0, 20, 30, 10, 50, true, true, false},
        {"one below the threshold", 0, 0, 0, 19, 30, 10, 49, true, false, true},
        {"an older level failed", 0, 0, 0, 19, 30, 20, 49, true, false, false},
        {"an older level passed", 0, 0, 0, 20, 30, 20, 50, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        record.sprintLevel = c.sprint;
        record.bossLevel = c.boss;
        record.bestScore = c.best;
        levelTable[40] = record;
        Load(record, picture);
        if (c.boss) {
            for (int j = 0; j < 3; ++j) currentLevel.objects[j].objState = ObjInactive;
            CheckBossBeaten();
        }
        unlockedLevels = c.unlocked;
        killScore = c.kills;
        timeBonus = c.time;
        std::remove(gamepXmlPath);
        ReachGoal();
        ASSERT_EQ(levelDone, 1);
        EXPECT_EQ(levelTable[40].bestScore, c.expectBest);
        EXPECT_EQ(access(gamepXmlPath, F_OK) == 0, c.saved);
        const bool opens = c.passed && c.unlocked == 10;
        EXPECT_EQ(unlockedLevels, c.unlocked + (opens ? 1 : 0));
        EXPECT_EQ(newLevelUnlocked, opens ? 1 : 0);
        EXPECT_EQ(levelNotPassed, c.notPassed ? 1 : 0);
    }
}

// Passing the newest level announces a new kind exactly where the kind
// choice opens one.
TEST_F(LevelFlowTest, ANewKindIsAnnouncedExactlyWhereTheKindChoiceOpensOne)
{
    record.thresholdPoints = 0;
    levelTable[40] = record;
    for (int order = 1; order <= 45; ++order) {
        record.playOrder = order;
        Load(record, picture);
        unlockedLevels = order;
        int openBefore = 0, openAfter = 0;
        for (const VopKindButton& b : vopKindButtons) openBefore += IsVopKindOpen(b);
        ReachGoal();
        for (const VopKindButton& b : vopKindButtons) openAfter += IsVopKindOpen(b);
        EXPECT_EQ(unlockedLevels, order + 1);
        EXPECT_EQ(newKindUnlocked, openAfter - openBefore) << "play order " << order;
        const bool announced = order == 4 || order == 10 || order == 20 || order == 29 || order == 36;
        EXPECT_EQ(newKindUnlocked, announced ? 1 : 0) << "play order " << order;
    }
}

TEST_F(LevelFlowTest, ABossLevelOpensOnlyOnceBeatenAndKeepsNoBest)
{
    record.bossLevel = 1;
    levelTable[40] = record;
    Load(record, picture);
    ReachGoal();
    EXPECT_EQ(levelDone, 0);
    for (int j = 0; j < 3; ++j) currentLevel.objects[j].objState = ObjInactive;
    CheckBossBeaten();
    ReachGoal();
    EXPECT_EQ(levelDone, 1);
    EXPECT_EQ(levelTable[40].bestScore, 0);
}

// At the goal (x 3000 on a 1024 screen) enemies strictly within a screen
// and 200 pixels of the Vop pop; the others are removed; gears stay.
TEST_F(LevelFlowTest, TheGoalClearsEnemiesNearAndFar)
{
    const struct {
        int x, kind, state;
    } cases[] = {{1777, KindWalker, ObjPopping},  {1776, KindBouncer, ObjInactive},
                 {4223, KindBouncer, ObjPopping}, {4224, KindWalker, ObjInactive},
                 {100000, KindCannon, ObjInactive}, {100000, KindSmallGearCw, ObjAlive}};
    record.objectCount = 6;
    for (int j = 0; j < 6; ++j) {
        record.objects[j] = MakeWalkerObject(cases[j].x, 560, 0, 200000, 0, 0);
        record.objects[j].objKind = cases[j].kind;
    }
    levelTable[40] = record;
    Load(record, picture);
    ReachGoal();
    ASSERT_EQ(playerX, 3000);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(currentLevel.objects[j].objState, cases[j].state) << cases[j].x;
    EXPECT_EQ(killScore, 0);
}

TEST_F(LevelFlowTest, TheScoreCountsUpOnePointPerTick)
{
    killScore = 37;
    timeBonus = 60;
    ReachGoal();
    int ticks = 0;
    while (shownScore < 97 && ticks < 200) {
        UpdateScoreCounter();
        ++ticks;
    }
    EXPECT_EQ(ticks, 97);
    UpdateScoreCounter();
    EXPECT_EQ(shownScore, 97);
    EXPECT_EQ(scoreEndLatch, 1);
    // Sprint and boss levels and the first level show no count.
    for (int kind = 0; kind < 3; ++kind) {
        LevelRecord other = record;
        other.sprintLevel = kind == 0;
        other.bossLevel = kind == 1;
        other.recordId = kind == 2 ? 7 : 40;
        Load(other, picture);
        killScore = 37;
        timeBonus = 60;
        UpdateScoreCounter();
        EXPECT_EQ(shownScore, 0) << "case " << kind;
    }
}

TEST_F(LevelFlowTest, TheEndScreenAsksToLeaveAfter205Ticks)
{
    killScore = 0;
    timeBonus = 10;
    ReachGoal();
    int ticks = 0;
    while (fadeState == FadeNone && ticks < 400) {
        SimulateLevelTick();
        UpdateEndScreen();
        AdvanceLevelTime();
        ++ticks;
    }
    EXPECT_EQ(ticks, 205);
    EXPECT_EQ(fadeState, FadeLeaveLevel);
}

TEST_F(LevelFlowTest, TimeBonusFallsOnePointPer80TicksUntilTheGoal)
{
    const int start = timeBonus;
    for (int t = 0; t < 160; ++t) AdvanceLevelTime();
    EXPECT_EQ(timeBonus, start - 2);
    timeBonus = 0;
    for (int t = 0; t < 160; ++t) AdvanceLevelTime();
    EXPECT_EQ(timeBonus, 0);
}

TEST_F(LevelFlowTest, DamagedLevelDataStaysInsideTheTables)
{
    LevelRecord bad = record;
    bad.objectCount = 99;
    bad.recordId = 77;
    bad.tileRows = 9;
    bad.tileCols = 40;
    bad.decorCount = 12;
    bad.colourFadeTicks = 0;
    bad.objects[0].objKind = 55;
    vopKind = 9;
    difficulty = 7;
    Load(bad, picture);
    EXPECT_EQ(timeBonus, 0);  // no kind: no time factor
    actionAttack = 1;
    for (int t = 0; t < 300; ++t) SimulateLevelTick();
    ReachGoal();
    EXPECT_EQ(levelDone, 1);  // scored nothing, wrote nothing outside the table
    RestartLevel();
    SaveCheckpoint(-3);
    SaveCheckpoint(50);
    EXPECT_EQ(currentLevel.recordId, 77);
}

TEST_F(LevelFlowTest, ARestartAfterTheLevelTableIsFilledComesBackAsDefined)
{
    InitLevelTable();
    SeedSimRandom(5);
    MusicChoice();
    const LevelRecord before = levelTable[0];
    Load(levelTable[0], picture);
    for (int t = 0; t < 200; ++t) SimulateLevelTick();
    RestartLevel();
    for (int j = 0; j < before.objectCount; ++j) {
        EXPECT_EQ(currentLevel.objects[j].objX, before.objects[j].objX);
        EXPECT_EQ(currentLevel.objects[j].objState, before.objects[j].objState);
    }
    EXPECT_EQ(levelTable[0].objects[0].objX, before.objects[0].objX);
}

}  // namespace
