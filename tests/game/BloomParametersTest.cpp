// The bloom's strength from the bars, the kill flash and the Vop's death,
// and the size of its reduced targets.
#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "game/Bloom.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/LevelAttempt.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

class BloomDrive : public ::testing::Test {
protected:
    void SetUp() override
    {
        screenWidth = 1024;
        screenHeight = 768;
        transitionCurtain = 0;
        bloomFlashInput = 0.0f;
        endState = EndAlive;
        fadeState = FadeNone;
        gameState = MainMenu;
        currentLevel.levelColour[0] = 100.0f;
        currentLevel.mrVariant = 0;
    }
    void TearDown() override
    {
        endState = EndAlive;
        gameState = IntroPresents;
    }
};

TEST_F(BloomDrive, OpenBarsGiveTheBaseValues)
{
    const BloomParameters p = ComputeBloomParameters();
    EXPECT_DOUBLE_EQ(p.drive, 100.0);
    EXPECT_NEAR(p.k, 0.872, 0.001);
    EXPECT_NEAR(p.threshold, 0.428, 0.001);
    EXPECT_NEAR(p.intensity, 1.818, 0.001);
}

TEST_F(BloomDrive, ClosedBarsBloomThePictureOut)
{
    transitionCurtain = 384;
    const BloomParameters p = ComputeBloomParameters();
    EXPECT_NEAR(p.drive, 757.5, 0.1);
    EXPECT_NEAR(p.k, 3.98, 0.01);
    EXPECT_EQ(p.threshold, 0.0f) << "never below 0";
    EXPECT_NEAR(p.intensity, 2.60, 0.01);
}

TEST_F(BloomDrive, AKillFlashAddsToTheDrive)
{
    bloomFlashInput = 800.0f;
    EXPECT_DOUBLE_EQ(ComputeBloomParameters().drive, 900.0);
}

TEST_F(BloomDrive, ADeadVopDimsItUnlessTheLevelIsBeingLeftOrRestarted)
{
    endState = EndExploded;
    BloomParameters p = ComputeBloomParameters();
    EXPECT_DOUBLE_EQ(p.drive, 10.0);
    EXPECT_NEAR(p.k, 0.155, 0.001);
    EXPECT_NEAR(p.threshold, 0.53, 0.005);
    EXPECT_NEAR(p.intensity, 1.64, 0.005);

    fadeState = FadeRestartKey;
    transitionCurtain = 200;
    EXPECT_GT(ComputeBloomParameters().drive, 100.0) << "the curtain drives it again";
}

TEST_F(BloomDrive, SnowOptionsAndIntroDampTheIntensity)
{
    gameState = InGame;
    currentLevel.levelColour[0] = 225.0f;
    const float k = ComputeBloomParameters().k;
    EXPECT_NEAR(ComputeBloomParameters().intensity, 1.85f * 0.68f + (k - 1.0f) / 4.0f, 1e-5);
    currentLevel.mrVariant = 1;
    EXPECT_NEAR(ComputeBloomParameters().intensity, 1.85f + (k - 1.0f) / 4.0f, 1e-5)
        << "not on the dark picture variant";

    gameState = OptionsMenu;
    EXPECT_NEAR(ComputeBloomParameters().intensity, 1.85f * 0.8f + (k - 1.0f) / 4.0f, 1e-5);
    gameState = IntroAuthor;
    EXPECT_LT(ComputeBloomParameters().intensity, 0.0f) << "(k - 1) / 4 alone, k below 1";
}

TEST_F(BloomDrive, ReducedTargetsAreTheScreenOverTwoAndAHalf)
{
    EXPECT_EQ(BloomTargetWidth(), 409);
    EXPECT_EQ(BloomTargetHeight(), 307);
    screenWidth = 1366;
    EXPECT_EQ(BloomTargetWidth(), 546);
}

TEST(BloomSetUp, AFailedSetUpFallsBackToPlainFrames)
{
    // Targets of no size cannot be made (nor can anything without a
    // display). Nothing half-made may stay behind, and the frame must not
    // try the passes.
    const int savedWidth = screenWidth;
    screenWidth = 0;
    EXPECT_FALSE(SetUpBloom());
    screenWidth = savedWidth;
    EXPECT_FALSE(BloomReady());
    EXPECT_EQ(sceneTexture, nullptr);
    EXPECT_EQ(bloomExtractEffect, nullptr);
    ApplyBloom();  // a no-op, not a crash
}

}  // namespace
