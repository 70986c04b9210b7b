// What lies behind and in front of the play in a few levels: the tutorial
// lines that fade in as the Vop approaches, background trees and tunnel
// backs, and the tunnels the Vop passes behind.
#include "InGameRenderFixture.h"

#include <cstring>

#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "screens/LevelDecorations.h"
#include "screens/LevelHints.h"

using namespace drawtest;

namespace {

class HintsTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        padConnected = 0;
        for (int i = 0; i < 8; ++i) std::snprintf(thirdLevelTexts[i], kTextEntrySize, "third %d%%s", i);
        std::strcpy(thirdLevelTexts[0], "first%ssecond%sthird");
        for (int i = 0; i < 7; ++i) std::snprintf(rockVopLevelTexts[i], kTextEntrySize, "rock %d%%s", i);
    }
    const BatchRecord* TextStarting(const char* prefix)
    {
        for (const BatchRecord* t : Texts())
            if (std::strncmp(t->text, prefix, std::strlen(prefix)) == 0) return t;
        return nullptr;
    }
};

TEST_F(HintsTest, HintFadesInAsTheVopApproaches)
{
    const struct {
        int player, alpha;
    } cases[] = {{0, 0}, {640, 0}, {641, 2}, {767, 254}, {768, 255}, {5000, 255}};
    for (const auto& c : cases) {
        playerX = c.player;
        EXPECT_EQ(HintAlpha(1000), c.alpha) << c.player;
    }
}

TEST_F(HintsTest, HintLinesScrollWithASlightParallax)
{
    DrawLevelHints();  // record 0: the third level's lines
    ASSERT_EQ(Texts().size(), 5u);
    const BatchRecord* first = TextStarting("first");
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->text, "first\nsecond\nthird");
    const Point c = TextCentre(*first);
    EXPECT_NEAR(c.x, 402.2f, 1e-3);
    EXPECT_NEAR(c.y, 420, 1e-3);
    EXPECT_EQ(first->colour, 0xFF000000u);  // opaque from the start
    cameraX = 1000;
    cameraY = 100;
    ResetBatchLog();
    DrawLevelHints();
    const Point moved = TextCentre(*TextStarting("first"));
    EXPECT_NEAR(moved.x, -497.8f, 1e-3);
    EXPECT_NEAR(moved.y, 320, 1e-3);
}

TEST_F(HintsTest, HintLinesRockWithTheSway)
{
    swayPhase = 1.0f;
    DrawLevelHints();
    const float w = std::sin(1.0f) / 8;
    EXPECT_NEAR(RotationOf(*TextStarting("first")), w / 2, 1e-5);
    EXPECT_NEAR(RotationOf(*TextStarting("third 1")), -w / 2, 1e-5);
    EXPECT_NEAR(ScaleOf(*TextStarting("first")), 0.7f, 1e-5);
}

TEST_F(HintsTest, ControlHintsNameThePadWhenOneIsConnected)
{
    DrawLevelHints();
    EXPECT_NE(TextStarting("third 3"), nullptr);
    EXPECT_EQ(TextStarting("third 4"), nullptr);
    padConnected = 1;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_EQ(TextStarting("third 3"), nullptr);
    ASSERT_NE(TextStarting("third 4"), nullptr);
    EXPECT_NEAR(TextCentre(*TextStarting("third 4")).x, 512 + 0.95f * (2000 - 512), 1e-2);
}

TEST_F(HintsTest, RockLevelLinesFadeInEarlierThanTheirPlace)
{
    currentLevel.recordId = 40;
    playerX = 580 - 360 + 50;  // line 1 stands at 680 but fades from 580
    DrawLevelHints();
    ASSERT_NE(TextStarting("rock 1"), nullptr);
    EXPECT_EQ(TextStarting("rock 1")->colour >> 24, 100u);
    EXPECT_EQ(TextStarting("rock 0")->colour >> 24, 255u);  // stored text, opaque
    EXPECT_STREQ(TextStarting("rock 0")->text, "rock 0%s");
}

TEST_F(HintsTest, BackgroundTreesSwayAboutTheirCentres)
{
    currentLevel.recordId = 2;
    cameraX = 100;
    cameraY = 50;
    swayPhase = 1.0f;
    DrawLevelHints();
    EXPECT_EQ(Texts().size(), 0u);
    const auto trees = DrawsOf(levelDecor[3]);
    ASSERT_EQ(trees.size(), 3u);
    const BatchRecord& first = *DrawsOf(levelDecor[0]).at(0);
    EXPECT_LANDS(first, 360, 490, 333 - 100 + 421.2f, 109 - 50 + 596.7f);
    EXPECT_NEAR(RotationOf(first), -std::sin(1.0f) / 8, 1e-5);
    EXPECT_NEAR(ScaleOf(first), 1.17f, 1e-5);
    // Upright, the others' scaled top-left corners sit on their world points.
    swayPhase = 0.0f;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_LANDS(*DrawsOf(levelDecor[1]).at(0), 0, 0, 1695 - 100, 95 - 50);
    currentLevel.recordId = 3;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_EQ(DrawsOf(levelDecor[1]).at(0)->colour, Argb(255, 190, 190, 190));
}

TEST_F(HintsTest, TunnelBacksAndLevelsWithoutHints)
{
    currentLevel.recordId = 36;
    DrawLevelHints();
    EXPECT_EQ(DrawsOf(levelDecor[0]).size(), 2u);
    EXPECT_EQ(DrawsOf(levelDecor[1]).size(), 3u);
    EXPECT_LANDS(*DrawsOf(levelDecor[0])[1], 0, 0, 1967, 1758);
    currentLevel.recordId = 1;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(HintsTest, TunnelsAreDrawnInFrontAsBlackShapes)
{
    currentLevel.recordId = 9;
    screenYOffset = 22;
    DrawLevelDecorations();
    ASSERT_EQ(BatchLogCount(), 1);
    EXPECT_EQ(BatchLog()[0].textureId, IdOf(levelDecor[4]));
    EXPECT_LANDS(BatchLog()[0], 0, 0, 6841, 286 + 22);
    EXPECT_EQ(BatchLog()[0].colour, 0xFF000000u);

    currentLevel.recordId = 16;
    ResetBatchLog();
    DrawLevelDecorations();
    const auto patches = DrawsOf(blackSprite);
    ASSERT_EQ(patches.size(), 2u);
    ExpectShape(*patches[0], 0, 1.21f, 1);
    ExpectShape(*patches[1], 0, 1, 1);
    EXPECT_EQ(BatchLogCount(), 6);

    currentLevel.recordId = 38;
    ResetBatchLog();
    DrawLevelDecorations();
    EXPECT_EQ(BatchLog()[0].colour, 0xC8FFFFFFu);
    currentLevel.recordId = 0;
    ResetBatchLog();
    DrawLevelDecorations();
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
