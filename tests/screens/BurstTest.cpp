// Killed enemies and the exploded Vop burst into rings of particles that
// spread and fade; a kill by the trail shows its score rising out of it.
#include "InGameRenderFixture.h"

#include <cstring>

#include "engine/LanguageTables.h"
#include "screens/ParticleBursts.h"

using namespace drawtest;

namespace {

class BurstTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        std::strcpy(ingameTexts[8], "+%i");
        std::strcpy(ingameTexts[9], "Checkpoint!");
    }
    LevelObject& Pop(float rise)
    {
        LevelObject& o = currentLevel.objects[currentLevel.objectCount++];
        o.objKind = KindWalker;
        o.objState = ObjPopping;
        o.objX = 400;
        o.objY = 300;
        o.rise = rise;
        o.heat = 255;
        o.killPoints = 150;
        o.objColour[0] = 200;
        o.objColour[1] = 100;
        o.objColour[2] = 50;
        return o;
    }
    // Mean distance of one picture's particles from a screen point.
    static float MeanSpread(const SpriteTexture& picture, float cx, float cy)
    {
        const auto draws = DrawsOf(picture);
        float sum = 0;
        for (const BatchRecord* r : draws) {
            const Point p = Landing(*r, 8, 8);
            sum += std::hypot(p.x - cx, p.y - cy);
        }
        return draws.empty() ? 0 : sum / static_cast<float>(draws.size());
    }
};

TEST(BurstAlpha, FullAtFirstThenFadingToNothing)
{
    EXPECT_EQ(BurstAlpha(10), 255);
    EXPECT_EQ(BurstAlpha(21.25f), 255);
    EXPECT_EQ(BurstAlpha(30), 185);
    EXPECT_EQ(BurstAlpha(53.125f), 0);
    EXPECT_EQ(BurstAlpha(60), 0);
}

TEST_F(BurstTest, PoppingObjectBurstsIntoThreeRings)
{
    Pop(10);
    DrawObjectBursts();
    const auto ring1 = DrawsOf(trailParticleSprites[1]);
    ASSERT_EQ(ring1.size(), 32u);
    EXPECT_EQ(DrawsOf(trailParticleSprites[2]).size(), 16u);
    EXPECT_EQ(DrawsOf(trailParticleSprites[0]).size(), 42u);
    // Ring 1 spreads 7 pixels per unit of rise, plus -13..12 of jitter.
    for (const BatchRecord* r : ring1) {
        const Point p = Landing(*r, 8, 8);
        const float d = std::hypot(p.x - 400, p.y - 300);
        EXPECT_GT(d, 70 - 19);
        EXPECT_LT(d, 70 + 19);
        EXPECT_NEAR(ScaleOf(*r), 10.0f / 15, 1e-5);
        EXPECT_EQ(r->colour, Argb(255, 200, 100, 50));
    }
    // The first particle is straight below the centre (angle 0).
    const Point first = Landing(*ring1[0], 8, 8);
    EXPECT_NEAR(first.x, 400, 13.01);
    EXPECT_NEAR(first.y, 370, 13.01);
}

TEST_F(BurstTest, BurstSpreadsAndFadesOverTicks)
{
    LevelObject& o = Pop(5);
    float lastSpread = 0;
    for (float rise : {5.0f, 15.0f, 25.0f, 35.0f, 45.0f}) {
        o.rise = rise;
        ResetBatchLog();
        DrawObjectBursts();
        const float spread = MeanSpread(trailParticleSprites[1], 400, 300);
        EXPECT_GT(spread, lastSpread) << rise;
        lastSpread = spread;
        EXPECT_EQ(DrawsOf(trailParticleSprites[1])[0]->colour >> 24,
                  static_cast<uint32_t>(BurstAlpha(rise)));
    }
    EXPECT_EQ(BurstAlpha(45), 65);
}

TEST_F(BurstTest, OnlyObjectsWithin500PixelsOfTheViewBurst)
{
    cameraX = 1000;
    Pop(10).objX = 501;  // 499 left of the view's left edge
    Pop(10).objX = 500;  // exactly 500 left
    Pop(10).objX = 2523; // 499 right of the right edge
    Pop(10).objX = 2524;
    currentLevel.objects[1].killPoints = currentLevel.objects[3].killPoints = 7;
    DrawObjectBursts();
    EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), 64u);
    for (const BatchRecord* t : Texts()) EXPECT_STREQ(t->text, "+150");
}

TEST_F(BurstTest, KillScoreRisesAlongTheObjectsPath)
{
    LevelObject& o = Pop(30);
    o.objVelX = 4;
    DrawObjectBursts();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_STREQ(texts[0]->text, "+150");
    // Top-left anchor at (x + r * velX / 4, y - 4 r), scale r / 30 about the box centre.
    const float w = static_cast<float>(texts[0]->boxWidth / 2);
    const float h = static_cast<float>(texts[0]->boxHeight / 2);
    const Point c = TextCentre(*texts[0]);
    EXPECT_NEAR(c.x, 400 + 30 + w, 1e-3);
    EXPECT_NEAR(c.y, 300 - 120 + h, 1e-3);
    // Burst alpha 185, text twice as opaque (capped), in the object's colour.
    EXPECT_EQ(texts[0]->colour, PackTextColour(200 / 255.0f, 100 / 255.0f, 50 / 255.0f, 1.0f));
    currentLevel.followAmbient = 1;
    ResetBatchLog();
    DrawObjectBursts();
    EXPECT_EQ(Texts().at(0)->colour, PackTextColour(0, 0, 0, 1.0f));
}

TEST_F(BurstTest, CheckpointNoticeReplacesTheScoreEvenInSprintLevels)
{
    Pop(30).checkpointObject = 1;
    currentLevel.sprintLevel = 1;
    DrawObjectBursts();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_STREQ(Texts()[0]->text, "Checkpoint!");
    EXPECT_LANDS(*Texts()[0], Texts()[0]->boxWidth / 2, Texts()[0]->boxHeight / 2, 400, 210);
    // A plain enemy on a sprint level shows no score.
    currentLevel.objects[0].checkpointObject = 0;
    ResetBatchLog();
    DrawObjectBursts();
    EXPECT_EQ(Texts().size(), 0u);
}

TEST_F(BurstTest, NoTextForDroppersBallsBossesAndKillsNotByTheTrail)
{
    Pop(20).objKind = KindCeilingDropper;
    Pop(20).objKind = KindCannon;
    Pop(20).heat = 254.9f;
    DrawObjectBursts();
    EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), 96u);
    EXPECT_EQ(Texts().size(), 0u);
    currentLevel.objects[2].heat = 255;
    currentLevel.bossLevel = 1;
    ResetBatchLog();
    DrawObjectBursts();
    EXPECT_EQ(Texts().size(), 0u);
}

TEST_F(BurstTest, ScoreTextWithStrayConversionsIsDrawnSafely)
{
    // A translator's slip must not read or write memory it has no argument for.
    std::strcpy(ingameTexts[8], "%n%x +%i %%");
    Pop(10);
    DrawObjectBursts();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_STREQ(Texts()[0]->text, "%n%x +150 %");
}

TEST_F(BurstTest, MrLevelsDrawDarkerRings)
{
    Pop(10).mrVariant = 1;
    DrawObjectBursts();
    EXPECT_EQ(DrawsOf(trailParticleSprites[1])[0]->colour, Argb(255, 80, 40, 20));
    EXPECT_EQ(DrawsOf(trailParticleSprites[2])[0]->colour, Argb(255, 152, 76, 38));
    EXPECT_EQ(DrawsOf(trailParticleSprites[0])[0]->colour, Argb(255, 0, 0, 0));
}

TEST_F(BurstTest, ExplodedVopBurstsIntoSixRings)
{
    playerX = 700;
    playerY = 500;
    cameraX = 200;
    currentLevel.levelColour[0] = 30;
    currentLevel.levelColour[1] = 60;
    currentLevel.levelColour[2] = 90;
    endRise = 5;
    DrawDeathBurst();
    EXPECT_EQ(BatchLogCount(), 0);  // alive: nothing

    endState = EndExploded;
    DrawDeathBurst();
    EXPECT_EQ(BatchLogCount(), 180);
    EXPECT_EQ(DrawsOf(trailParticleSprites[1]).size(), 64u);
    EXPECT_NEAR(MeanSpread(trailParticleSprites[1], 500, 500), 5 * 8.5f, 8);
    currentLevel.mrVariant = 1;
    ResetBatchLog();
    DrawDeathBurst();
    EXPECT_EQ(BatchLog()[0].colour, Argb(255, 0, 0, 0));     // ring 1: black
    EXPECT_EQ(BatchLog()[32].colour, Argb(255, 30, 60, 90)); // ring 2: the level colour
    endState = EndRisen;
    ResetBatchLog();
    DrawDeathBurst();
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
