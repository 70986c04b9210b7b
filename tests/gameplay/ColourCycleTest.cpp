// The ambient colour drifting through its keys, holding, and the goal's green.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"

using namespace gameplay_test;

namespace {

class ColourCycleTest : public GameplayTest {
protected:
    void SetKeys(const float keys[5][3], int fade, int hold)
    {
        for (int k = 0; k < 5; ++k) {
            for (int c = 0; c < 3; ++c) colourKeys[k][c] = keys[k][c];
            colourKeys[k][3] = 255.0f;
        }
        colourPrevKey = 4;
        colourNextKey = 0;
        colourKeyCount = 5;
        colourFadeTicks = fade;
        currentLevel.colourHoldTicks = hold;
        currentLevel.followAmbient = 0;
        currentLevel.objectCount = 0;
        for (int c = 0; c < 4; ++c) colourReached[c] = 0;
        for (int c = 0; c < 3; ++c) ambientColour[c] = keys[4][c];
        ambientColour[3] = 255.0f;
        colourCycleTicks = 0;
    }
};

TEST_F(ColourCycleTest, TintPacksTruncatedChannelsWithOpaqueAlpha)
{
    const float keys[5][3] = {{230.9f, 144.2f, 5.5f}, {230.9f, 144.2f, 5.5f}, {230.9f, 144.2f, 5.5f},
                              {230.9f, 144.2f, 5.5f}, {230.9f, 144.2f, 5.5f}};
    SetKeys(keys, 100, 0);
    ambientColour[3] = 17.0f;
    UpdateColourCycle();
    EXPECT_EQ(tintColour, 0xFFE69005u);
}

TEST_F(ColourCycleTest, AFadeTakesItsTicksThenHoldsBeforeTheKeysAdvance)
{
    const float keys[5][3] = {{0, 0, 0}, {10, 10, 10}, {20, 20, 20}, {30, 30, 30}, {230, 230, 230}};
    SetKeys(keys, 200, 50);
    int reachedAt = -1, advancedAt = -1;
    for (int t = 1; t <= 400; ++t) {
        UpdateColourCycle();
        if (reachedAt < 0 && ambientColour[0] == 0.0f) reachedAt = t;
        if (advancedAt < 0 && colourNextKey == 1) advancedAt = t;
    }
    EXPECT_GE(reachedAt, 200);  // 1.15 per tick; float steps may need one more to snap
    EXPECT_LE(reachedAt, 201);
    EXPECT_EQ(advancedAt, 250);
}

TEST_F(ColourCycleTest, AWhiteKeyIsNotHeldWithTheShaderOn)
{
    const float keys[5][3] = {{255, 255, 255}, {10, 10, 10}, {20, 20, 20}, {30, 30, 30}, {255, 255, 255}};
    for (int shader : {0, 1}) {
        shaderEnabled = shader;
        SetKeys(keys, 10, 100);
        int advancedAt = -1;
        for (int t = 1; t <= 300 && advancedAt < 0; ++t) {
            UpdateColourCycle();
            if (colourNextKey == 1) advancedAt = t;
        }
        EXPECT_EQ(advancedAt, shader ? 10 : 110) << shader;
    }
    shaderEnabled = 0;
}

TEST_F(ColourCycleTest, TheGoalFadesToGreenAndObjectsFollowWhenAsked)
{
    const float keys[5][3] = {{255, 0, 0}, {255, 0, 0}, {255, 0, 0}, {255, 0, 0}, {255, 0, 0}};
    SetKeys(keys, 100, 0);
    currentLevel.followAmbient = 1;
    currentLevel.objectCount = 1;
    SetFadeToColourCycle(40, 250, 122, 20);
    for (int t = 0; t < 40; ++t) UpdateColourCycle();
    EXPECT_FLOAT_EQ(ambientColour[1], 250.0f);
    EXPECT_FLOAT_EQ(currentLevel.objects[0].objColour[1], 250.0f);
    EXPECT_FLOAT_EQ(currentLevel.levelColour[2], 122.0f);
    currentLevel.followAmbient = 0;
    currentLevel.objectCount = 0;
}

TEST_F(ColourCycleTest, TheMenuPresetStartsOrange)
{
    SetMenuColourCycle();
    EXPECT_EQ(colourPrevKey, 0);
    EXPECT_EQ(colourNextKey, 1);
    EXPECT_EQ(colourFadeTicks, 200);
    EXPECT_FLOAT_EQ(ambientColour[0], 230.0f);
}

// Entries written while the Vop is dead or the level is done never burn,
// whatever the previous pass of the ring left in them; a dead Vop's trail
// fades faster (f 0.9 for every kind).
TEST_F(ColourCycleTest, TheTrailCoolsAndFadesFasterAfterADeathOrTheGoal)
{
    const struct {
        int kind, end;
        uint8_t done;
        uint8_t hot;
        float alphaAfter;  // of a 255 entry after one more update
    } cases[] = {
        {1, EndAlive, 0, 1, 252.0f},          {3, EndAlive, 0, 1, 255 - 3 / 0.99f},
        {6, EndAlive, 0, 1, 255 - 3 / 0.98f}, {1, EndExploded, 0, 0, 255 - 3 / 0.9f},
        {4, EndFalling, 0, 0, 255 - 3 / 0.9f}, {5, EndRisen, 0, 0, 255 - 3 / 0.9f}, {2, EndAlive, 1, 0, 252.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " end " << c.end << " done " << int(c.done));
        vopKind = c.kind;
        endState = c.end;
        levelDone = c.done;
        playerAlpha = 255.0f;
        for (uint8_t& h : trailHot) h = 1;  // as the last pass of the ring left them
        trailHead = 20;
        UpdateTrail();
        EXPECT_EQ(trailHot[20], c.hot);
        EXPECT_EQ(trailHot[21], 1);  // entries not written keep theirs
        UpdateTrail();
        EXPECT_FLOAT_EQ(trailAlpha[20], c.alphaAfter);
    }
    endState = EndAlive;
    levelDone = 0;
}

TEST_F(ColourCycleTest, TrailAgesAndWrapsAndPhasesAdvance)
{
    trailHead = 74;
    playerAlpha = 255.0f;
    UpdateTrail();
    EXPECT_EQ(trailHead, 0);
    EXPECT_EQ(trailNext, 0);
    EXPECT_FLOAT_EQ(trailAlpha[74], 255.0f);
    UpdateTrail();
    EXPECT_FLOAT_EQ(trailAlpha[74], 252.0f);  // the beginner loses 3 per tick

    vopPhaseA = vopPhaseB = 0.0f;
    dangerMeter = 255.0f;
    levelDone = 0;
    AdvanceAnimationPhases();
    EXPECT_NEAR(vopPhaseA, 0.7842f, 1e-4);
    EXPECT_NEAR(vopPhaseB, 0.8483f, 1e-4);
    bloomFlashInput = 800.0f;
    int updates = 0;
    while (bloomFlashInput > 0.0f) {
        DecayFlashes();
        ++updates;
    }
    EXPECT_EQ(updates, 39);
}

}  // namespace
