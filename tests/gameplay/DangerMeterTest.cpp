// The danger meter rising and sinking per kind and difficulty, contact with
// enemies and machines, and the ways an attempt ends.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"
#include "gameplay/DangerMeter.h"

using namespace gameplay_test;

namespace {

class DangerMeterTest : public GameplayTest {
protected:
    Picture picture{2048, 1024};

    void SetUp() override
    {
        GameplayTest::SetUp();
        LoadFlat(picture, 500, 540);
    }
    // The danger update followed by the trail update, which clamps.
    void DangerTick()
    {
        UpdateDangerAndGoal();
        UpdateTrail();
    }
    LevelObject& PutObject(int slot, const LevelObject& o)
    {
        currentLevel.objects[slot] = o;
        if (currentLevel.objectCount <= slot) currentLevel.objectCount = slot + 1;
        return currentLevel.objects[slot];
    }
};

TEST_F(DangerMeterTest, AttackingRaisesRestingLowersPerKind)
{
    for (int kind = 1; kind <= 6; ++kind) {
        vopKind = kind;
        dangerMeter = 100.0f;
        actionAttack = 1;
        DangerTick();
        const float attacked = dangerMeter;
        actionAttack = 0;
        DangerTick();
        if (kind == 6) {
            EXPECT_FLOAT_EQ(attacked, 100.4f);
            EXPECT_FLOAT_EQ(dangerMeter, 100.4f);  // the elite meter never drains
        } else {
            EXPECT_FLOAT_EQ(attacked, 102.0f) << kind;
            EXPECT_FLOAT_EQ(dangerMeter, 101.0f) << kind;
        }
    }
}

TEST_F(DangerMeterTest, AttackHeatsTheTrailHeadAndRestingCoolsIt)
{
    trailHead = 10;
    actionAttack = 1;
    UpdateDangerAndGoal();
    EXPECT_EQ(trailHot[10], 1);
    UpdateTrail();
    actionAttack = 0;
    UpdateDangerAndGoal();
    EXPECT_EQ(trailHot[11], 0);
}

TEST_F(DangerMeterTest, AnIdleAngryVopRestsAt61WithABurningTrail)
{
    vopKind = 5;
    for (int t = 0; t < 10; ++t) DangerTick();
    EXPECT_FLOAT_EQ(dangerMeter, 61.0f);
    int hot = 0;
    for (uint8_t h : trailHot) hot += h;
    EXPECT_EQ(hot, 44);  // 45 marked, then the head written at rest is cooled
}

TEST_F(DangerMeterTest, AttackingInRecord7DoesNothing)
{
    currentLevel.recordId = 7;
    dangerMeter = 50.0f;
    actionAttack = 1;
    DangerTick();
    EXPECT_FLOAT_EQ(dangerMeter, 49.0f);
}

TEST_F(DangerMeterTest, TheMeterIsClampedOncePerTickByTheTrail)
{
    dangerMeter = 300.0f;
    UpdateTrail();
    EXPECT_FLOAT_EQ(dangerMeter, 255.0f);
    dangerMeter = -1.0f;
    UpdateTrail();
    EXPECT_FLOAT_EQ(dangerMeter, 0.0f);
}

TEST_F(DangerMeterTest, ContactDamagePerDifficultyAndKind)
{
    struct Case {
        int difficulty, kind, objKind;
        bool fired;
        float gain;
    };
    const Case cases[] = {
        {1, 1, KindWalker, false, 16},  {2, 1, KindWalker, false, 30},   {3, 1, KindWalker, false, 60},
        {3, 1, KindCeilingDropper, false, 120}, {1, 1, KindCannon, true, 26}, {1, 1, KindCannon, false, 16},
        {1, 6, KindWalker, false, 3.5f}, {2, 6, KindCeilingDropper, false, 10}, {3, 6, KindCannon, true, 14},
        {4, 1, KindWalker, false, 0},
    };
    for (const Case& c : cases) {
        difficulty = c.difficulty;
        vopKind = c.kind;
        LevelObject o = MakeWalkerObject(530, 500, 0, 4000, 2, 0);
        o.objKind = c.objKind;
        o.fired = c.fired;
        o.triggerX = 20099;
        LevelObject& placed = PutObject(0, o);
        dangerMeter = 100.0f;
        actionAttack = 1;  // +2 or +0.4, so the contact alone is measured below
        UpdateDangerAndGoal();
        const float attack = c.kind == 6 ? 0.4f : 2.0f;
        EXPECT_NEAR(dangerMeter, 100.0f + attack + c.gain, 1e-3) << c.difficulty << " " << c.kind << " " << c.objKind;
        if (c.kind == 6) {
            const float heat[3] = {38, 27, 20};
            EXPECT_FLOAT_EQ(placed.heat, heat[c.difficulty - 1]);
        }
    }
}

TEST_F(DangerMeterTest, ContactBoxIsStrict)
{
    PutObject(0, MakeWalkerObject(560, 500, 0, 4000, 2, 0));  // dx = -60: outside
    dangerMeter = 0.0f;
    UpdateDangerAndGoal();
    EXPECT_FLOAT_EQ(dangerMeter, -1.0f);
    currentLevel.objects[0].objX = 559;
    dangerMeter = 0.0f;
    UpdateDangerAndGoal();
    EXPECT_FLOAT_EQ(dangerMeter, 15.0f);
}

TEST_F(DangerMeterTest, ASpikeVopKillsHotEnemiesByTouch)
{
    vopKind = 2;
    LevelObject& w = PutObject(0, MakeWalkerObject(520, 500, 0, 4000, 2, 0));
    w.heat = 180.0f;
    dangerMeter = 0.0f;
    UpdateDangerAndGoal();
    EXPECT_FLOAT_EQ(dangerMeter, 15.0f);  // heat exactly 180: damage
    w.heat = 180.5f;
    dangerMeter = 0.0f;
    UpdateDangerAndGoal();
    EXPECT_FLOAT_EQ(w.heat, 255.0f);
    EXPECT_FLOAT_EQ(dangerMeter, -1.0f);
    // A cannon ball hurts whatever its heat.
    LevelObject ball = MakeCannonObject(520, 600, 0, 0, 5, 5, 1, 0, 0, 0);
    ball.objX = 520;
    ball.objY = 500;
    ball.heat = 250.0f;
    PutObject(0, ball);
    dangerMeter = 0.0f;
    UpdateDangerAndGoal();
    EXPECT_FLOAT_EQ(dangerMeter, 15.0f);
}

TEST_F(DangerMeterTest, TouchingADropperReleasesItUnlessMarkedNever)
{
    LevelObject& d = PutObject(0, MakeCeilingDropperObject(520, 475, 3000, 0));
    UpdateDangerAndGoal();
    EXPECT_EQ(d.triggerX, -1);
    EXPECT_EQ(d.triggerY, -1);
    d.triggerX = 20099;
    d.triggerY = 0;
    UpdateDangerAndGoal();
    EXPECT_EQ(d.triggerX, 20099);
}

TEST_F(DangerMeterTest, GearRingsWhateverTheirState)
{
    LevelObject& g = PutObject(0, MakeGearObject(0, 0, 0, 0, KindBigGearCw));
    g.objState = ObjInactive;
    const int distances[3] = {200, 250, 300};
    const float gains[3] = {235, 35, 0};
    for (int k = 0; k < 3; ++k) {
        g.objX = playerX + distances[k];
        g.objY = playerY;
        dangerMeter = 0.0f;
        actionAttack = 1;
        UpdateDangerAndGoal();
        EXPECT_FLOAT_EQ(dangerMeter, 2.0f + gains[k]) << distances[k];
        actionAttack = 0;
        if (endState != 0) LoadFlat(picture, 500, 540);
    }
}

TEST_F(DangerMeterTest, ExactlyTheMeterAbove254Kills)
{
    actionAttack = 1;
    dangerMeter = 252.0f;
    UpdateDangerAndGoal();
    EXPECT_EQ(endState, EndAlive);  // 254
    dangerMeter = 252.4f;
    UpdateDangerAndGoal();
    EXPECT_EQ(endState, EndExploded);
    EXPECT_FLOAT_EQ(dangerMeter, 255.0f);
}

TEST_F(DangerMeterTest, SprintAndBossLevelsExplodeWhenTimeRunsOutAndScoreNoKills)
{
    currentLevel.sprintLevel = 1;
    killScore = 30;
    timeBonus = 1;
    UpdateDangerAndGoal();
    EXPECT_EQ(killScore, 0);
    EXPECT_EQ(endState, EndAlive);
    timeBonus = 0;
    UpdateDangerAndGoal();
    EXPECT_EQ(endState, EndExploded);
}

TEST_F(DangerMeterTest, NavyUnderTheVopMakesItFallAndSink)
{
    Picture p(2048, 1024);
    p.Fill(0, 600, 2047, 1023, white);
    p.Fill(400, 600, 700, 1023, navy);
    Load(MakeTestRecord(2048, 1024, 500, 300), p);
    int ticks = 0;
    while (endState == EndAlive && ticks < 200) {
        SimulateLevelTick();
        ++ticks;
    }
    EXPECT_EQ(endState, EndFalling);
    EXPECT_FLOAT_EQ(dangerMeter, 255.0f);
    const int y = playerY;
    SimulateLevelTick();
    EXPECT_GT(playerY, y);  // sinks without a collision test
}

TEST_F(DangerMeterTest, ADeadlyPixelWinsOverAnExplosionInTheSameTick)
{
    picture.Set(500, 500, navy);
    dangerMeter = 300.0f;
    UpdateDangerAndGoal();
    EXPECT_EQ(endState, EndFalling);
}

TEST_F(DangerMeterTest, ExplosionRisesIn107TicksAndAsksForARestartAt50)
{
    PlayerDied(DiedExploded);
    int risenAt = -1, restartAt = -1;
    for (int t = 1; t <= 120; ++t) {
        UpdateEndSequence();
        if (endState == EndRisen && risenAt < 0) risenAt = t;
        if (fadeState == FadeRestartAfterDeath && restartAt < 0) restartAt = t;
    }
    EXPECT_EQ(risenAt, 107);
    EXPECT_EQ(restartAt, 50);
    EXPECT_FLOAT_EQ(playerAlpha, 0.0f);
}

TEST_F(DangerMeterTest, AnEarlierLeaveOrRestartRequestIsNotReplaced)
{
    for (int request : {FadeLeaveLevel, FadeRestartKey}) {
        LoadFlat(picture, 500, 540);
        fadeState = request;
        PlayerDied(DiedFalling);
        for (int t = 0; t < 60; ++t) UpdateEndSequence();
        EXPECT_EQ(fadeState, request);
    }
}

TEST_F(DangerMeterTest, ARockVopSinksSlowerInDeadlyGround)
{
    vopKind = 4;
    PlayerDied(DiedFalling);
    UpdateEndSequence();
    EXPECT_FLOAT_EQ(velY, -0.34f);
    vopKind = 3;
    velY = 0.0f;
    UpdateEndSequence();
    EXPECT_FLOAT_EQ(velY, -0.7f);
}

TEST_F(DangerMeterTest, DeathTurnsTheAmbientColourDarkRed)
{
    PlayerDied(DiedExploded);
    for (int t = 0; t < 60; ++t) UpdateColourCycle();
    EXPECT_FLOAT_EQ(ambientColour[0], 40.0f);
    EXPECT_FLOAT_EQ(ambientColour[1], 0.0f);
    EXPECT_FLOAT_EQ(ambientColour[2], 0.0f);
}

}  // namespace
