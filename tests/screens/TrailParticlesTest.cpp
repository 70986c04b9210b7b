// The Vop's trail as the player sees it: one dense shimmering stream with
// sparse accents (or the rock and air Vops' patterns), hot entries glowing
// red, and the menu cursor that follows the mouse.
#include "InGameRenderFixture.h"

#include <cstdlib>

#include "screens/FocusNavigation.h"

using namespace drawtest;

namespace {

class TrailParticlesTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        cameraX = 1000;
        cameraY = 500;
        currentLevel.trailBrightness = 225;
        for (int i = 0; i < trailEntries; ++i) {
            trailX[i] = 1200.0f + 10.0f * static_cast<float>(i);
            trailY[i] = 800.0f;
            trailAlpha[i] = 200.5f;
            trailScale[i] = 0.5f;
        }
        trailNext = 10;
    }
};

TEST_F(TrailParticlesTest, BeginnerTrailIsADenseStreamWithSparseAccents)
{
    DrawTrailParticles();
    EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), 75u);  // every entry
    EXPECT_EQ(DrawsOf(trailParticleSprites[0]).size(), 15u);  // every 5th
    EXPECT_EQ(DrawsOf(trailParticleSprites[2]).size(), 11u);  // every 7th
    const auto dense = DrawsOf(trailParticleSprites[1]);
    for (int i = 0; i < 75; ++i) {
        const Point p = Landing(*dense[i], 8, 8);
        const float x = 200.0f + 10.0f * static_cast<float>(i) - 2.0f;
        const float y = 300.0f + 1.0f - 2.0f;
        // Jittered by -8..7 on each axis, fresh for every particle.
        EXPECT_GE(p.x, x - 8.0f);
        EXPECT_LE(p.x, x + 7.0f);
        EXPECT_GE(p.y, y - 8.0f);
        EXPECT_LE(p.y, y + 7.0f);
        EXPECT_EQ(dense[i]->colour, Argb(200, 225, 225, 225));
        ExpectShape(*dense[i], 1.0f, 0.5f, 0.5f);
    }
}

TEST_F(TrailParticlesTest, TrailShimmersFromFrameToFrame)
{
    DrawTrailParticles();
    std::vector<Point> first;
    for (const BatchRecord* r : DrawsOf(trailParticleSprites[1])) first.push_back(Landing(*r, 8, 8));
    ResetBatchLog();
    DrawTrailParticles();
    int moved = 0;
    const auto second = DrawsOf(trailParticleSprites[1]);
    for (size_t i = 0; i < first.size(); ++i) {
        const Point p = Landing(*second[i], 8, 8);
        if (p.x != first[i].x || p.y != first[i].y) ++moved;
    }
    EXPECT_GT(moved, 50);
}

TEST_F(TrailParticlesTest, HotEntriesGlowRedButTheOldestIsDrawnCalm)
{
    for (int i = 0; i < trailEntries; ++i) trailHot[i] = 1;
    DrawTrailParticles();
    const auto dense = DrawsOf(trailParticleSprites[1]);
    EXPECT_EQ(dense[9]->colour, Argb(200, 140, 0, 0));
    // Entry 10 is the ring's oldest: cool colour, no jitter.
    EXPECT_EQ(dense[10]->colour, Argb(200, 225, 225, 225));
    EXPECT_LANDS(*dense[10], 8, 8, 200.0f + 100.0f - 2.0f, 301.0f - 2.0f);
    // In the sparse pass every 5th entry it is red again.
    EXPECT_EQ(DrawsOf(trailParticleSprites[0])[2]->colour, Argb(200, 140, 0, 0));
}

TEST_F(TrailParticlesTest, RockTrailHasTwoSmallerSideStreams)
{
    vopKind = 4;
    DrawTrailParticles();
    const auto small = DrawsOf(trailParticleSprites[0]);
    ASSERT_EQ(small.size(), 150u);
    EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), 75u);
    for (int i = 0; i < 75; ++i) {
        const float x = 200.0f + 10.0f * static_cast<float>(i);
        const Point below = Landing(*small[i], 8, 8);       // first stream, below left
        const Point above = Landing(*small[75 + i], 8, 8);  // last stream, above right
        EXPECT_GE(below.x, x - 14);
        EXPECT_LE(below.x, x - 1);
        EXPECT_GE(below.y, 300 + 4);
        EXPECT_LE(below.y, 300 + 17);
        EXPECT_GE(above.x, x + 3);
        EXPECT_LE(above.x, x + 16);
        EXPECT_GE(above.y, 300 - 16);
        EXPECT_LE(above.y, 300 - 3);
        EXPECT_NEAR(ScaleOf(*small[i]), 0.45f, 1e-5);
    }
}

TEST_F(TrailParticlesTest, OtherKindsDrawTheirPatternAndUnknownKindsNothing)
{
    const struct {
        int kind;
        size_t p1, p2, p3;
    } kinds[] = {{2, 15, 75, 11}, {3, 150, 0, 0}, {5, 15, 0, 86}, {6, 0, 90, 11}};
    for (const auto& k : kinds) {
        vopKind = k.kind;
        ResetBatchLog();
        DrawTrailParticles();
        EXPECT_EQ(DrawsOf(trailParticleSprites[0]).size(), k.p1) << k.kind;
        EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), k.p2) << k.kind;
        EXPECT_EQ(DrawsOf(trailParticleSprites[2]).size(), k.p3) << k.kind;
    }
    vopKind = 0;
    ResetBatchLog();
    DrawTrailParticles();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(TrailParticlesTest, JitterLeavesTheSimulationsRandomSequenceAlone)
{
    std::srand(77);
    const int expected = std::rand();
    std::srand(77);
    DrawTrailParticles();
    EXPECT_EQ(std::rand(), expected);
}

TEST_F(TrailParticlesTest, MenuCursorFollowsThePointerOnlyInMouseMode)
{
    menuFocusIdle = 0;
    DrawMenuCursor();
    EXPECT_EQ(BatchLogCount(), 0);

    menuFocusIdle = 1;
    playerX = 640;
    playerY = 360;
    screenYOffset = 22;  // the menus draw in plain screen coordinates
    DrawMenuCursor();
    ASSERT_EQ(BatchLogCount(), 77);
    const BatchRecord& first = BatchLog()[0];
    EXPECT_EQ(first.textureId, IdOf(trailParticleSprites[0]));
    EXPECT_LANDS(first, 8, 8, trailX[1], trailY[1]);  // no camera, no jitter
    EXPECT_EQ(first.colour, Argb(200, 0, 0, 0));
    const BatchRecord& glow = BatchLog()[75];
    const BatchRecord& dot = BatchLog()[76];
    EXPECT_LANDS(glow, 8, 8, 640, 360);
    EXPECT_NEAR(ScaleOf(glow), 0.9f, 1e-5);
    EXPECT_EQ(glow.colour, 0xFF000000u);
    EXPECT_NEAR(ScaleOf(dot), 0.6f, 1e-5);
    EXPECT_EQ(dot.colour, 0xFFFFFFFFu);
}

}  // namespace
