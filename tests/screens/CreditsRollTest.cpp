// The credits roll: 29 lines rising 2 px per tick, starting again from below
// once the last line has nearly left the screen.
#include <gtest/gtest.h>

#include <string>

#include "engine/GameFont.h"
#include "engine/Settings.h"
#include "platform/SpriteBatch.h"
#include "screens/CreditsRoll.h"
#include "shared/AuthorLine.h"

namespace {

class CreditsRollTest : public ::testing::Test {
protected:
    void SetUp() override {
        batchBackend = BatchBackend::Recording;
        fontLarge.Load("data//FVf.ttf", "Snap ITC", 100);
        screenWidth = 1024;
        screenHeight = 768;
        ResetBatchLog();
    }
};

}  // namespace

TEST_F(CreditsRollTest, EveryTickTheRollRisesTwoPixels) {
    creditsY = 568.0f;
    ScrollCredits();
    EXPECT_FLOAT_EQ(566.0f, creditsY);
}

TEST_F(CreditsRollTest, TheRollStartsAgainFromBelowOnlyPastMinus3100) {
    creditsY = -3098.0f;
    ScrollCredits();
    EXPECT_FLOAT_EQ(-3100.0f, creditsY);
    ScrollCredits();
    EXPECT_FLOAT_EQ(868.0f, creditsY);  // screenHeight + 100
}

TEST_F(CreditsRollTest, AllLinesAreDrawnInBlackFromTheTitleDown) {
    creditsY = 568.7f;
    DrawCredits();
    ASSERT_EQ(creditsLineCount, BatchLogCount());
    const BatchRecord& title = BatchLog()[0];
    EXPECT_STREQ("FlorpVops", title.text);
    EXPECT_EQ(0xFF000000u, title.colour);
    // The title box is centred at (W/2, whole part of creditsY), scale 1.2.
    const float cx = title.boxWidth / 2, cy = title.boxHeight / 2;
    EXPECT_NEAR(512.0f, title.transform.m00 * cx + title.transform.m01 * cy + title.transform.tx, 0.01);
    EXPECT_NEAR(568.0f, title.transform.m10 * cx + title.transform.m11 * cy + title.transform.ty, 0.01);
    EXPECT_FLOAT_EQ(1.2f, title.transform.m00);
    EXPECT_STREQ(gameAuthorLine, BatchLog()[2].text);
    EXPECT_STREQ(creditsPublisherLine, BatchLog()[4].text);
    EXPECT_STREQ("you, for playing", BatchLog()[20].text);
}

TEST(CreditsLines, HeadingsNamesAndOffsetsKeepTheirLayout) {
    int previous = -1;
    for (const CreditsLine& line : creditsLines) {
        EXPECT_GT(line.offset, previous);
        previous = line.offset;
        EXPECT_TRUE(line.scale == 1.2f || line.scale == 0.8f || line.scale == 0.6f ||
                    line.scale == 0.5f);
    }
    EXPECT_EQ(3130, creditsLines[creditsLineCount - 1].offset);
}
