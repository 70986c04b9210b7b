// The physics figures level design builds on, measured with the game's own
// code: coasting and braking, airtime, tunnels, bounces, drops and paces.
#include <gtest/gtest.h>

#include <vector>

#include "GameplayTestSupport.h"

using namespace gameplay_test;

namespace {

class LevelEnvelopeTest : public GameplayTest {
protected:
    Picture picture{8192, 1024};
    void Flat(int kind, int x = 300)
    {
        vopKind = kind;
        picture.Fill(0, 0, 8191, 1023, empty);
        picture.Fill(0, 800, 8191, 1023, white);
        Load(MakeTestRecord(8192, 1024, x, 760), picture);
        ClearActions();
    }
    void RunToFullSpeed(int kind)
    {
        actionRight = 1;
        for (int t = 0; t < 80; ++t) UpdateVopPhysicsOfKind(kind, true);
        actionRight = 0;
    }
};

TEST_F(LevelEnvelopeTest, CoastingAndBrakingFromFullSpeed)
{
    struct Case {
        int kind, coast, brake, brakeTicks;
    };
    for (const Case& c : {Case{1, 52, 16, 5}, Case{4, 660, 105, 19}}) {
        Flat(c.kind);
        RunToFullSpeed(c.kind);
        int x0 = playerX;
        for (int t = 0; t < 400; ++t) UpdateVopPhysicsOfKind(c.kind, true);
        const int coast = playerX - x0;
        Flat(c.kind);
        RunToFullSpeed(c.kind);
        x0 = playerX;
        actionLeft = 1;
        int ticks = 0;
        while (velX > 0.0f && ticks < 100) {
            UpdateVopPhysicsOfKind(c.kind, true);
            ++ticks;
        }
        std::printf("kind %d: coasts %d px, brakes in %d px over %d ticks\n", c.kind, coast, playerX - x0, ticks);
        EXPECT_NEAR(coast, c.coast, 2) << c.kind;
        EXPECT_NEAR(playerX - x0, c.brake, 1) << c.kind;  // the phase of the speed decides the last pixel
        EXPECT_EQ(ticks, c.brakeTicks) << c.kind;
    }
}

TEST_F(LevelEnvelopeTest, AirtimeOnFlatGround)
{
    const int expected[7] = {0, 42, 42, 66, 42, 42, 42};
    for (int kind : {1, 2, 3, 4}) {
        Flat(kind);
        actionJump = 1;
        UpdateVopPhysicsOfKind(kind, true);
        actionJump = 0;
        // Until the tick of the landing (a bouncing kind rises again in it).
        int ticks = 1;
        for (float before = velY; ticks < 200; ++ticks) {
            before = velY;
            UpdateVopPhysicsOfKind(kind, true);
            if (before < 0.0f && velY >= 0.0f) break;
        }
        ++ticks;
        EXPECT_EQ(ticks, expected[kind]) << kind;
    }
}

TEST_F(LevelEnvelopeTest, TunnelsOf79RowsLetTheVopThrough)
{
    for (int rows : {79, 78}) {
        Flat(1);
        picture.Fill(1000, 0, 1400, 800 - rows - 1, white);  // the ceiling's lowest row 800 - rows - 1
        actionRight = 1;
        for (int t = 0; t < 200; ++t) UpdateVopPhysicsOfKind(1, true);
        EXPECT_EQ(playerX > 1500, rows == 79) << rows;
    }
}

TEST_F(LevelEnvelopeTest, SuccessiveBounceApexes)
{
    struct Case {
        int kind;
        int apex[4];
    };
    for (const Case& c : {Case{2, {158, 35, 8, 3}}, Case{3, {198, 92, 45, 22}}}) {
        Flat(c.kind);
        actionJump = 1;
        std::vector<int> apexes;
        int top = 760;
        for (int t = 0; t < 600 && apexes.size() < 4; ++t) {
            const float before = velY;
            UpdateVopPhysicsOfKind(c.kind, true);
            actionJump = 0;
            if (before < 0.0f && velY >= 0.0f) {  // a landing ends one arc
                apexes.push_back(760 - top);
                top = playerY;
            } else if (playerY < top) {
                top = playerY;
            }
        }
        ASSERT_EQ(apexes.size(), 4u);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(apexes[k], c.apex[k]) << "kind " << c.kind << " arc " << k;
    }
}

TEST_F(LevelEnvelopeTest, DropperFallTimes)
{
    Flat(1);
    cameraX = 0;
    for (int drop : {100, 200, 400, 600}) {
        currentLevel.objectCount = 1;
        currentLevel.objects[0] = MakeCeilingDropperObject(3000, 800 - 40 - drop - 25, 10, 0);
        currentLevel.objects[0].triggerX = -1;
        int ticks = 0;
        while (currentLevel.objects[0].objState == ObjAlive && ticks < 200) {
            UpdateLevelObjects();
            ++ticks;
        }
        const int expected = drop == 100 ? 25 : drop == 200 ? 36 : drop == 400 ? 50 : 61;
        EXPECT_EQ(ticks, expected) << drop;
    }
}

TEST_F(LevelEnvelopeTest, WalkerPacePerSpeed)
{
    Flat(1);
    cameraX = 0;
    const int pace[11] = {0, 2, 2, 4, 4, 6, 6, 8, 8, 10, 10};
    for (int speed = 1; speed <= 10; ++speed) {
        currentLevel.objectCount = 1;
        currentLevel.objects[0] = MakeWalkerObject(500, 760, 0, 1000, speed, 0);
        UpdateLevelObjects();
        EXPECT_EQ(currentLevel.objects[0].objX - 500, pace[speed]) << speed;
    }
}

}  // namespace
