// Each kind of level object: its factory, its motion and its contact with the
// trail, the ground and the other objects.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"

using namespace gameplay_test;

namespace {

class LevelObjectsTest : public GameplayTest {
protected:
    Picture picture{4096, 1024};

    void SetUp() override
    {
        GameplayTest::SetUp();
        LoadFlat(picture, 300, 600);
        cameraX = 0;
        cameraY = 0;
    }
    LevelObject& Put(int slot, const LevelObject& o)
    {
        currentLevel.objects[slot] = o;
        if (currentLevel.objectCount <= slot) currentLevel.objectCount = slot + 1;
        return currentLevel.objects[slot];
    }
};

TEST_F(LevelObjectsTest, FactoryDefaults)
{
    const LevelObject fresh;
    EXPECT_EQ(fresh.objState, ObjInactive);
    EXPECT_EQ(fresh.objAlpha, 255.0f);
    EXPECT_EQ(fresh.squash, 1.0f);
    EXPECT_EQ(fresh.objColour[3], 255.0f);
    EXPECT_EQ(fresh.sweepToggle, 1);
    EXPECT_EQ(fresh.sweepPercent, 99.0f);

    const LevelObject b = MakeBouncerObject(1000, 600, 1, 2, 10, 1);
    EXPECT_EQ(b.leftBound, 950);
    EXPECT_EQ(b.rightBound, 1050);
    EXPECT_EQ(b.objY, 570);
    EXPECT_EQ(b.bounceSpeed, -10.0f);
    const LevelObject d = MakeDroppedBouncerObject(1000, 600, 50, 1.9f, 2.7f, 10, 0);
    EXPECT_EQ(d.objY, 520);
    EXPECT_EQ(d.objVelY, 0.0f);
    EXPECT_EQ(d.leftBound, 1);
    EXPECT_EQ(d.rightBound, 2);

    EXPECT_EQ(MakeGearObjectFlipped(0, 0, 0, 0, 50).objY, 1146);
    EXPECT_EQ(MakeGearObject(0, 0, 0, 0, 50).objY, 122);
    EXPECT_EQ(MakeGearObject(0, 0, 0, 0, 30).objX, 249);

    const LevelObject c = MakeCannonObject(1000, 500, 0, 90, 12, 9, 1, 0, 0, 0);
    EXPECT_EQ(c.objX, 996);
    EXPECT_EQ(c.objY, 400);
    EXPECT_EQ(c.objVelX, 0.0f);
    EXPECT_EQ(c.objVelY, -12.0f);
    EXPECT_EQ(c.heat, 50.0f);
    EXPECT_FLOAT_EQ(c.angleTo, 90.0f * 0.0174555555f);
    EXPECT_FLOAT_EQ(MakeCannonObject(1000, 500, 0, 90, 12, 9, 1, 1, 0, 0).angleTo, 90.0f * 0.0174555555f - 6.283f);
}

TEST_F(LevelObjectsTest, KillPointsDrawNothingForAnEmptyLevel)
{
    currentLevel.objectCount = 0;
    SeedSimRandom(9);
    RandomiseKillScores();
    EXPECT_EQ(SimRandomState(), 9u);
}

TEST_F(LevelObjectsTest, AWalkerPatrolsAndSlowsNearItsBounds)
{
    LevelObject& w = Put(0, MakeWalkerObject(1000, 560, 900, 1100, 3, 0));
    UpdateLevelObjects();
    EXPECT_EQ(w.objX, 1004);  // two 2-px steps
    EXPECT_EQ(w.objY, 560);   // rose 2 and settled back on the ground
    for (int t = 0; t < 200; ++t) {
        UpdateLevelObjects();
        EXPECT_GE(w.objX, 898);
        EXPECT_LE(w.objX, 1102);
    }
}

TEST_F(LevelObjectsTest, AWalkerFollowsASlopeAndOnlyMovesNearTheScreen)
{
    // A ramp rising 1 px per px to the right of x 1200.
    for (int x = 1200; x < 1400; ++x) picture.Fill(x, 600 - (x - 1200), x, 600, white);
    LevelObject& w = Put(0, MakeWalkerObject(1150, 560, 1100, 1350, 2, 0));
    cameraX = 800;
    for (int t = 0; t < 60; ++t) UpdateLevelObjects();
    EXPECT_GT(w.objX, 1250);
    EXPECT_LT(w.objY, 560 - 40);                    // it has climbed
    EXPECT_TRUE(IsSolidRow(w.objX, w.objY, 2, 40));  // with its feet on the ramp
    cameraX = 3000;
    const int x = w.objX;
    UpdateLevelObjects();
    EXPECT_EQ(w.objX, x);
}

TEST_F(LevelObjectsTest, ABouncerBouncesAboutItsRestPosition)
{
    LevelObject& b = Put(0, MakeBouncerObject(1000, 600, 0, 0, 10, 1));
    for (int t = 0; t < 150; ++t) UpdateLevelObjects();  // past the first bounce from the rest position
    int lowest = b.objY, highest = b.objY;
    for (int t = 0; t < 300; ++t) {
        UpdateLevelObjects();
        if (b.objY > lowest) lowest = b.objY;
        if (b.objY < highest) highest = b.objY;
    }
    EXPECT_EQ(lowest, b.homeY + 12);
    EXPECT_EQ(lowest - highest, 220);
}

// The bouncer's squash as its rule reads, loop by loop.
void ReferenceBouncerStep(LevelObject& o)
{
    if (o.objVelY > 0.0f) {
        o.objY += static_cast<int>(o.objVelY);
        for (int t = 0; t < 50; ++t)
            if (o.objY > o.homeY - 17 + t) o.squash = static_cast<float>(70 - t) / 70.0f;
    }
    if (o.objY >= o.homeY + 13) {
        o.objY = o.homeY + 12;
        o.objVelY = o.bounceSpeed;
    }
    if (o.objVelY < 0.0f) {
        for (int k = 0; static_cast<float>(k) > o.objVelY; --k) o.objY -= 1;
        for (int t = 0; t < 300; ++t)
            if (static_cast<float>(o.homeY + 13) + 15.0f * o.bounceSpeed + static_cast<float>(t) <
                static_cast<float>(o.objY))
                o.squash = static_cast<float>(350 - t) / 350.0f;
    }
    o.objVelY += 0.25f;
}

TEST_F(LevelObjectsTest, BouncerSquashFollowsItsRuleEveryTick)
{
    for (float bounce : {7.5f, 10.0f, 11.0f, 12.3f, 16.0f, 25.0f}) {
        LevelObject& b = Put(0, MakeBouncerObject(1000, 600, 0, 0, 10, 1));
        b.bounceSpeed = -bounce;
        b.objVelY = -bounce;
        LevelObject reference = b;
        for (int t = 0; t < 400; ++t) {
            UpdateLevelObjects();
            ReferenceBouncerStep(reference);
            ASSERT_EQ(b.objY, reference.objY) << bounce << " tick " << t;
            ASSERT_EQ(b.squash, reference.squash) << bounce << " tick " << t;
        }
    }
}

TEST_F(LevelObjectsTest, TrailHeatKillsAtExactly255)
{
    LevelObject& w = Put(0, MakeWalkerObject(1000, 560, 900, 1100, 2, 0));
    cameraX = 3000;  // keep it still
    for (int e = 0; e < 8; ++e) {
        trailX[e] = 1000.0f;
        trailY[e] = 560.0f;
        trailHot[e] = 1;
    }
    trailX[8] = 1040.0f;  // exactly radius away: no heat
    trailY[8] = 560.0f;
    trailHot[8] = 1;
    UpdateLevelObjects();
    EXPECT_NEAR(w.heat, 3.2f, 1e-4);
    w.heat = 254.9f - 3.2f;
    UpdateLevelObjects();
    EXPECT_EQ(w.objState, ObjAlive);
    UpdateLevelObjects();
    EXPECT_EQ(w.objState, ObjPopping);
    EXPECT_FLOAT_EQ(w.heat, 255.0f);
    LevelObject& b = Put(1, MakeBouncerObject(1000, 600, 0, 0, 10, 1));
    b.objY = 560;
    b.objVelY = 0.0f;
    UpdateLevelObjects();
    EXPECT_NEAR(b.heat, 8.8f, 1e-4);
}

TEST_F(LevelObjectsTest, ADropperFallsWhenTheVopPassesUnderAndBurstsOnLanding)
{
    LevelObject& d = Put(0, MakeCeilingDropperObject(1000, 100, 950, 0));
    LevelObject& w = Put(1, MakeWalkerObject(1030, 560, 1029, 1031, 1, 0));
    cameraX = 3000;  // the walker stands still
    UpdateLevelObjects();
    EXPECT_EQ(d.objY, 125);  // hangs until the Vop comes
    playerX = 1000;
    int ticks = 0;
    while (d.objState == ObjAlive && ticks < 200) {
        UpdateLevelObjects();
        ++ticks;
    }
    EXPECT_EQ(d.objState, ObjPopping);
    // It lands on the floor row and the rest of that tick's steps go on.
    EXPECT_GE(d.objY, 560);
    EXPECT_LE(d.objY, 560 + static_cast<int>(d.objVelY));
    EXPECT_FLOAT_EQ(w.heat, 255.0f);
    const int before = killScore;
    UpdateLevelObjects();
    EXPECT_EQ(w.objState, ObjPopping);
    EXPECT_EQ(killScore, before + w.killPoints);
}

TEST_F(LevelObjectsTest, ADropperIsNotReleasedByAPositionWhileTheVopIsDead)
{
    LevelObject& d = Put(0, MakeCeilingDropperObject(1000, 100, 950, 0));
    playerX = 1000;
    endState = EndExploded;
    UpdateLevelObjects();
    EXPECT_EQ(d.triggerX, 950);
    endState = EndAlive;
}

TEST_F(LevelObjectsTest, GearsTurnBothWaysWhateverTheirState)
{
    LevelObject& a = Put(0, MakeGearObject(0, 0, 1.0f, 0.5f, 30));
    LevelObject& b = Put(1, MakeGearObject(0, 0, 1.0f, 0.5f, 60));
    b.objState = ObjInactive;
    UpdateLevelObjects();
    EXPECT_FLOAT_EQ(a.angle, 1.5f);
    EXPECT_FLOAT_EQ(b.angle, 0.5f);
}

TEST_F(LevelObjectsTest, ACannonSweepsFiresAndReloads)
{
    LevelObject& c = Put(0, MakeCannonObject(2000, 300, -45, 45, 10, 10, 5, 0, 0, 0));
    bool fired = false, burst = false, reloaded = false;
    for (int t = 0; t < 400; ++t) {
        UpdateLevelObjects();
        if (c.fired && c.objState == ObjAlive) fired = true;
        if (fired && c.objState == ObjPopping) burst = true;
        if (burst && c.objState == ObjAlive && !c.fired) reloaded = true;
    }
    EXPECT_TRUE(fired);
    EXPECT_TRUE(burst);
    EXPECT_TRUE(reloaded);
}

TEST_F(LevelObjectsTest, ACannonBallKillsAnEnemyItHitsExceptInRecord28)
{
    for (int rec : {40, 28}) {
        LoadFlat(picture, 300, 600);
        currentLevel.recordId = rec;
        LevelObject& c = Put(0, MakeCannonObject(1000, 400, 0, 0, 0, 0, 0, 0, 0, 0));
        c.fired = 1;
        c.objVelY = -0.35f;
        LevelObject& w = Put(1, MakeWalkerObject(c.objX + 20, c.objY, 0, 4000, 1, 0));
        UpdateLevelObjects();
        EXPECT_EQ(c.objState, ObjPopping);
        EXPECT_FLOAT_EQ(w.heat, rec == 28 ? 20.0f : 255.0f);
    }
}

TEST_F(LevelObjectsTest, EyesBlinkFromTheSimulationSequence)
{
    vopBlinkState = 0;
    SeedSimRandom(3);
    UpdateEyeBlink();
    EXPECT_EQ(vopBlinkState, 1);
    vopBlinkTimer = 1;
    UpdateEyeBlink();
    EXPECT_EQ(vopBlinkState, 2);
    EXPECT_EQ(vopBlinkLid, 4);
}

}  // namespace
