// The Vop against synthetic collision pictures: standing, platforms, walls,
// steps, jumps, speeds and gaps of every kind.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"

using namespace gameplay_test;

namespace {

class VopPhysicsTest : public GameplayTest {};

TEST_F(VopPhysicsTest, StandsOnWhiteAndOnSilver)
{
    for (uint32_t ground : {white, silver}) {
        Picture p(2048, 1024);
        p.Fill(0, 600, 2047, 1023, ground);
        Load(MakeTestRecord(2048, 1024, 500, 560), p);
        Physics(60);
        EXPECT_EQ(playerY, 560);
        EXPECT_EQ(velY, 0.0f);
        EXPECT_EQ(inAir, 0);
    }
}

TEST_F(VopPhysicsTest, FallsOntoTheGroundAndRestsWithItsCentre40Above)
{
    Picture p(2048, 1024);
    p.Fill(0, 600, 2047, 1023, white);
    Load(MakeTestRecord(2048, 1024, 500, 200), p);
    Physics(120);
    EXPECT_EQ(playerY, 560);
    EXPECT_EQ(velY, 0.0f);
}

TEST_F(VopPhysicsTest, JumpsUpThroughSilverAndLandsOnIt)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    p.Fill(400, 500, 600, 503, silver);
    actionJump = 1;
    Physics(1);
    actionJump = 0;
    Physics(120);
    EXPECT_EQ(playerY, 460);  // feet on the silver line's top row
}

TEST_F(VopPhysicsTest, SilverDoesNotStopTheHeadOrTheSides)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    p.Fill(700, 0, 720, 599, silver);  // a silver wall in front
    actionRight = 1;
    Physics(60);
    EXPECT_GT(playerX, 800);
}

TEST_F(VopPhysicsTest, AWhiteWallStopsTheVopAt12PixelsAndZeroesItsSpeed)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    p.Fill(700, 0, 720, 599, white);
    actionRight = 1;
    Physics(60);
    EXPECT_EQ(playerX, 688);  // the right column at x + 12 touches the wall
    EXPECT_EQ(velX, 0.0f);
    actionRight = 0;
    actionLeft = 1;
    Physics(5);
    EXPECT_LT(playerX, 688);
}

TEST_F(VopPhysicsTest, AWhiteCeilingStopsTheRise)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    p.Fill(0, 420, 2047, 510, white);
    actionJump = 1;
    Physics(1);
    EXPECT_EQ(playerY, 550);  // the head row met the ceiling's lowest row
    EXPECT_EQ(velY, 0.0f);
}

struct StepCase {
    int kind;
    int height;
    bool right;
    bool climbs;
};

TEST_F(VopPhysicsTest, StepsUpByKindAndDirection)
{
    const StepCase cases[] = {
        {1, 3, true, true},  {1, 5, true, true},  {1, 6, true, true},  {1, 7, true, true},   {1, 8, true, false},
        {2, 6, true, true},  {2, 7, true, false}, {5, 7, true, false}, {4, 7, true, true},   {3, 7, true, true},
        {1, 5, false, true}, {1, 6, false, false}, {2, 5, false, true}, {1, 8, false, false},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " step " << c.height << (c.right ? " right" : " left"));
        Picture p(2048, 1024);
        p.Fill(0, 600, 2047, 1023, white);
        if (c.right)
            p.Fill(1000, 600 - c.height, 2047, 600, white);
        else
            p.Fill(0, 600 - c.height, 999, 600, white);
        vopKind = c.kind;
        Load(MakeTestRecord(2048, 1024, c.right ? 800 : 1200, 560), p);
        ClearActions();
        (c.right ? actionRight : actionLeft) = 1;
        Physics(60);
        const bool passed = c.right ? playerX > 1100 : playerX < 900;
        EXPECT_EQ(passed, c.climbs);
        if (passed && c.height <= 3) {
            EXPECT_EQ(playerY, 560);  // steps of 1-3 px are not seen
        }
        if (passed && c.height > 3) {
            EXPECT_LE(playerY, 560 - c.height + 3);
        }
    }
}

TEST_F(VopPhysicsTest, ABeginnerJumpRises15PixelsInItsFirstTick)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    actionJump = 1;
    Physics(1);
    EXPECT_EQ(playerY, 545);
    EXPECT_FLOAT_EQ(velY, 14.2f);
}

int ApexRise(int kind)
{
    vopKind = kind;
    actionJump = 1;
    UpdateVopPhysicsOfKind(kind, true);
    actionJump = 0;
    int top = playerY;
    for (int t = 0; t < 200; ++t) {
        UpdateVopPhysicsOfKind(kind, true);
        if (playerY < top) top = playerY;
    }
    return 560 - top;
}

TEST_F(VopPhysicsTest, ApexHeightPerKind)
{
    const int expected[7] = {0, 163, 158, 198, 158, 158, 163};
    for (int kind = 1; kind <= 6; ++kind) {
        Picture p(2048, 1024);
        LoadFlat(p, 500, 600);
        jumpLatch = 0;
        jumpBuffer = 0;
        EXPECT_EQ(ApexRise(kind), expected[kind]) << "kind " << kind;
    }
}

// Ticks from the release until the Vop first stands (inAir 0) again.
int TicksUntilGround()
{
    for (int t = 1; t < 300; ++t) {
        UpdateVopPhysicsOfKind(vopKind, true);
        if (inAir == 0) return t;
    }
    return -1;
}

TEST_F(VopPhysicsTest, AJumpPressIsHonouredUpTo17TicksBeforeLanding)
{
    Picture p(2048, 1024);
    p.Fill(0, 900, 2047, 1023, white);
    Load(MakeTestRecord(2048, 1024, 500, 100), p);
    const int landing = TicksUntilGround();
    ASSERT_GT(landing, 20);

    for (int early : {17, 18}) {
        Load(MakeTestRecord(2048, 1024, 500, 100), p);
        jumpBuffer = 0;
        jumpLatch = 0;
        bool jumped = false;
        for (int t = 1; t <= landing + 2; ++t) {
            actionJump = t == landing - early ? 1 : 0;
            UpdateVopPhysicsOfKind(1, true);
            if (velY > 14.0f) jumped = true;
        }
        EXPECT_EQ(jumped, early == 17) << early << " ticks early";
    }
}

TEST_F(VopPhysicsTest, HoldingJumpJumpsOnce)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    actionJump = 1;
    int jumps = 0;
    for (int t = 0; t < 300; ++t) {
        const float before = velY;
        Physics(1);
        if (velY > 14.0f && before < 14.0f) ++jumps;
    }
    EXPECT_EQ(jumps, 1);
    actionJump = 0;
    Physics(1);
    actionJump = 1;
    Physics(1);
    EXPECT_FLOAT_EQ(velY, 14.2f);
}

TEST_F(VopPhysicsTest, ACoastingBeginnerShufflesInPlaceForever)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    velX = 1.0f;
    Physics(1);
    EXPECT_EQ(playerX, 501);
    Physics(1);
    EXPECT_EQ(playerX, 502);
    EXPECT_NEAR(velX, -0.2f, 1e-5);
    for (int t = 0; t < 50; ++t) {
        Physics(1);
        EXPECT_TRUE(playerX == 501 || playerX == 502);
    }
    EXPECT_NE(velX, 0.0f);
}

// Pixels per tick once at full speed, holding right on flat ground.
int SteadyRunSpeed(int kind)
{
    vopKind = kind;
    actionRight = 1;
    for (int t = 0; t < 60; ++t) UpdateVopPhysicsOfKind(kind, true);
    const int x0 = playerX;
    for (int t = 0; t < 20; ++t) UpdateVopPhysicsOfKind(kind, true);
    actionRight = 0;
    return (playerX - x0) / 20;
}

TEST_F(VopPhysicsTest, RunSpeedPerKind)
{
    const int expected[7] = {0, 8, 8, 8, 12, 8, 8};
    for (int kind = 1; kind <= 6; ++kind) {
        Picture p(4096, 1024);
        LoadFlat(p, 200, 600);
        EXPECT_EQ(SteadyRunSpeed(kind), expected[kind]) << "kind " << kind;
    }
}

TEST_F(VopPhysicsTest, TheRockVopPassesElevenByLessThanOneStep)
{
    Picture p(8192, 1024);
    LoadFlat(p, 200, 600);
    vopKind = 4;
    actionRight = 1;
    float fastest = 0.0f;
    for (int t = 0; t < 100; ++t) {
        Physics(1);
        if (velX > fastest) fastest = velX;
    }
    EXPECT_GE(fastest, 11.0f - 0.1f - 1e-4f);
    EXPECT_LT(fastest, 11.5f);
}

TEST_F(VopPhysicsTest, SpikeAndAirKindsBounceOnLandingTheOthersStop)
{
    for (int kind = 1; kind <= 6; ++kind) {
        Picture p(2048, 1024);
        p.Fill(0, 900, 2047, 1023, white);
        vopKind = kind;
        Load(MakeTestRecord(2048, 1024, 500, 300), p);
        bool bounced = false;
        for (int t = 0; t < 200 && !bounced; ++t) {
            const float before = velY;
            Physics(1);
            if (before < -3.0f && velY > 0.0f) bounced = true;
        }
        const bool bounces = kind == 2 || kind == 3 || kind == 5;
        EXPECT_EQ(bounced, bounces) << "kind " << kind;
    }
}

TEST_F(VopPhysicsTest, AfterTheGoalTheBeginnerBouncesWithTwoThirds)
{
    Picture p(2048, 1024);
    p.Fill(0, 900, 2047, 1023, white);
    Load(MakeTestRecord(2048, 1024, 500, 300), p);
    levelDone = 1;
    float before = 0.0f;
    for (int t = 0; t < 200; ++t) {
        before = velY;
        Physics(1, false);
        if (velY > 0.0f && before < 0.0f) break;
    }
    EXPECT_FLOAT_EQ(velY, -before / 1.5f);
    levelDone = 0;
}

TEST_F(VopPhysicsTest, WithoutControlsTheArrowsDoNothing)
{
    Picture p(2048, 1024);
    LoadFlat(p, 500, 600);
    actionRight = 1;
    Physics(30, false);
    EXPECT_EQ(playerX, 500);
}

// The widest level gap (empty columns between two ledges at the same
// height) crossed with a full-speed run-up and the best take-off tick.
const int gapEdge = 1700;

// Runs right over a gap of `gap` columns after the edge, pressing jump in
// tick jumpTick; true when the Vop stands on the far ledge. edgeTick gets
// the tick its centre passed the edge.
bool RunOverGap(int kind, int gap, int jumpTick, int startX, int* edgeTick = nullptr)
{
    static Picture picture(4096, 1024);
    static bool drawn = false;
    if (!drawn) {
        picture.Fill(0, 800, 4095, 1023, white);
        drawn = true;
    }
    // Only the columns after the edge change from run to run.
    picture.Fill(gapEdge + 1, 800, gapEdge + 1000, 1023, white);
    picture.Fill(gapEdge + 1, 800, gapEdge + gap, 1023, empty);
    levelWidth = 4096;
    levelHeight = 1024;
    UseCollisionPixels(picture.pixels.data(), 4096, 4096, 1024);
    vopKind = kind;
    playerX = startX;
    playerY = 760;
    velX = velY = 0.0f;
    levelDone = 0;
    jumpBuffer = 0;
    jumpLatch = 0;
    ClearActions();
    actionRight = 1;
    for (int t = 0; t < 700; ++t) {
        actionJump = t == jumpTick ? 1 : 0;
        UpdateVopPhysicsOfKind(kind, true);
        if (edgeTick != nullptr && *edgeTick < 0 && playerX > gapEdge) *edgeTick = t;
        if (playerY > 800) return false;
        if (playerX > gapEdge + gap + 60 && inAir == 0) return playerY <= 760;
    }
    return false;
}

// The best over every take-off tick near the edge and every phase of the
// run-up (the start position modulo the pixels per tick).
int MaxLevelGap(int kind)
{
    int edgeTicks[12];
    for (int phase = 0; phase < 12; ++phase) {
        edgeTicks[phase] = -1;
        RunOverGap(kind, 0, -1, 200 + phase, &edgeTicks[phase]);
    }
    auto crossable = [&](int gap) {
        for (int phase = 0; phase < 12; ++phase)
            for (int t = edgeTicks[phase] - 8; t <= edgeTicks[phase] + 2; ++t)
                if (RunOverGap(kind, gap, t, 200 + phase)) return true;
        return false;
    };
    int lo = 100, hi = 800;  // lo crossable, hi not
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (crossable(mid) ? lo : hi) = mid;
    }
    return lo;
}

TEST_F(VopPhysicsTest, WidestLevelGapWithARunUpPerKind)
{
    // Figures for level design: beginner/elite 353, spike/angry 345, air 545, rock 509.
    const int expected[7] = {0, 353, 345, 545, 509, 345, 353};
    for (int kind = 1; kind <= 6; ++kind) {
        const int gap = MaxLevelGap(kind);
        std::printf("kind %d: widest level gap %d\n", kind, gap);
        EXPECT_EQ(gap, expected[kind]) << "kind " << kind;
    }
}

}  // namespace
