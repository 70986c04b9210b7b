// Text boxes: measuring without a display, anchoring of the four forms,
// scaling and turning about the box centre, and colour conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/GameFont.h"
#include "engine/SpriteTexture.h"

namespace {

struct Point {
    float x, y;
};

Point Apply(const AffineTransform& t, float x, float y) {
    return Point{t.m00 * x + t.m01 * y + t.tx, t.m10 * x + t.m11 * y + t.ty};
}

class TextDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        batchBackend = BatchBackend::Recording;
        ResetBatchLog();
        screenYOffset = 0;
        // The game's font file may not exist here; the fallback face stands in.
        font.Load("data//FVf.ttf", "Snap ITC", 28);
        ASSERT_NE(font.font, nullptr);
    }
    void TearDown() override {
        font.Release();
        screenYOffset = 0;
    }
    const BatchRecord& Last() { return BatchLog()[BatchLogCount() - 1]; }
    GameFont font = {};
};

TEST(TextArithmeticTest, CentredBoxUsesIntegerHalves) {
    // A 101 x 51 box centred at (500, 300) has its top-left at (450, 275).
    const AffineTransform t = TextTransform(500.0f - 101 / 2, 300.0f - 51 / 2, 101, 51, 1, 1, 0);
    const Point topLeft = Apply(t, 0, 0);
    EXPECT_FLOAT_EQ(topLeft.x, 450);
    EXPECT_FLOAT_EQ(topLeft.y, 275);
}

TEST(TextArithmeticTest, ScaleAndTurnAboutTheBoxCentre) {
    // Doubling keeps the centre (50, 25 in the box) in place.
    AffineTransform t = TextTransform(100, 200, 101, 51, 2, 2, 0);
    Point centre = Apply(t, 50, 25);
    EXPECT_FLOAT_EQ(centre.x, 150);
    EXPECT_FLOAT_EQ(centre.y, 225);
    EXPECT_FLOAT_EQ(Apply(t, 0, 0).x, 100 - 50);  // reaches w/2 left of x
    // A quarter turn: box x runs down the screen; scale x applies before it.
    t = TextTransform(0, 0, 100, 50, 3, 1, 1.5707963f);
    centre = Apply(t, 50, 25);
    const Point right = Apply(t, 51, 25);
    EXPECT_NEAR(centre.x, 50, 1e-4);
    EXPECT_NEAR(centre.y, 25, 1e-4);
    EXPECT_NEAR(right.x, 50, 1e-4);
    EXPECT_NEAR(right.y, 28, 1e-4);
}

TEST(TextArithmeticTest, ColourChannelsClampAndRound) {
    EXPECT_EQ(PackTextColour(1.2f, -0.1f, 0.5f, 1.0f), 0xFFFF0080u);
    EXPECT_EQ(PackTextColour(0.0f, 1.0f, 0.2f, 0.0f), 0x0000FF33u);  // 51.5 -> 51
    EXPECT_EQ(PackTextColour(0.999f, 0.001f, 0.003f, 0.5f), 0x80FF0001u);
    EXPECT_EQ(PackTextColour(std::nanf(""), 1, 1, 1), 0xFF00FFFFu);
}

TEST_F(TextDrawTest, MeasuresWithoutADisplay) {
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    MeasureText(font.font, "ABCD", &w1, &h1);
    EXPECT_GT(w1, 0);
    EXPECT_EQ(h1, 28);
    // Box width is the widest line; height counts the lines.
    MeasureText(font.font, "AB\nABCD\nA", &w2, &h2);
    EXPECT_EQ(w2, w1);
    EXPECT_EQ(h2, 3 * 28);
    int wLong = 0, hLong = 0;
    MeasureText(font.font, "ABCDABCD", &wLong, &hLong);
    EXPECT_EQ(wLong, 2 * w1);
    // UTF-8 letters are one glyph each.
    int wUmlaut = 0, hUmlaut = 0;
    MeasureText(font.font, "\xc3\xa4", &wUmlaut, &hUmlaut);
    EXPECT_GT(wUmlaut, 0);
    EXPECT_LT(wUmlaut, w1);
}

TEST_F(TextDrawTest, MissingFontFileFallsBackToASystemFace) {
    GameFont fallback = {};
    testing::internal::CaptureStderr();
    fallback.Load("data//no_such_font.ttf", "Snap ITC", 50);
    const std::string message = testing::internal::GetCapturedStderr();
    ASSERT_NE(fallback.font, nullptr);
    EXPECT_EQ(fallback.height, 50);
    EXPECT_EQ(FontPixelHeight(fallback.font), 50);
    EXPECT_STRNE(FontFilePath(fallback.font), "data/no_such_font.ttf");
    EXPECT_NE(message.find("no_such_font"), std::string::npos) << message;
    int w = 0, h = 0;
    MeasureText(fallback.font, "Ab", &w, &h);
    EXPECT_GT(w, 0);
    EXPECT_EQ(h, 50);
    GameFont none = {};
    none.DrawTextCentred("nothing", 10, 10, 1, 1, 0, 1, 1, 1, 1);  // never loaded
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(TextDrawTest, CentredFormPutsTheBoxCentreOnThePoint) {
    font.DrawTextCentred("Level 12\nfertig", 500, 300, 1, 1, 0, 1, 0.5f, 0, 1);
    ASSERT_EQ(BatchLogCount(), 1);
    const BatchRecord& r = Last();
    EXPECT_EQ(r.kind, BatchDrawKind::Text);
    EXPECT_STREQ(r.text, "Level 12\nfertig");
    EXPECT_EQ(r.fontHeight, 28);
    EXPECT_EQ(r.boxHeight, 56);
    EXPECT_EQ(r.colour, 0xFFFF8000u);
    const Point topLeft = Apply(r.transform, 0, 0);
    EXPECT_FLOAT_EQ(topLeft.x, 500.0f - r.boxWidth / 2);
    EXPECT_FLOAT_EQ(topLeft.y, 300.0f - r.boxHeight / 2);
}

TEST_F(TextDrawTest, PlainFormScalesAboutTheBoxCentre) {
    font.DrawText("Punkte", 100, 50, 2, 2, 0, 1, 1, 1, 1);
    const BatchRecord& r = Last();
    const Point centre = Apply(r.transform, r.boxWidth / 2, r.boxHeight / 2);
    EXPECT_FLOAT_EQ(centre.x, 100.0f + r.boxWidth / 2);
    EXPECT_FLOAT_EQ(centre.y, 50.0f + r.boxHeight / 2);
    EXPECT_FLOAT_EQ(Apply(r.transform, 0, 0).x, 100.0f - r.boxWidth / 2);
}

TEST_F(TextDrawTest, ShiftedFormsDrawTwentyTwoPixelsLower) {
    screenYOffset = 22;
    font.DrawText("a", 10, 20, 1, 1, 0.3f, 1, 1, 1, 1);
    font.DrawTextShifted("a", 10, 20, 1, 1, 0.3f, 1, 1, 1, 1);
    font.DrawTextCentred("a", 10, 20, 1, 1, 0.3f, 1, 1, 1, 1);
    font.DrawTextCentredShifted("a", 10, 20, 1, 1, 0.3f, 1, 1, 1, 1);
    ASSERT_EQ(BatchLogCount(), 4);
    const BatchRecord* log = BatchLog();
    for (int pair = 0; pair < 4; pair += 2) {
        EXPECT_FLOAT_EQ(log[pair + 1].transform.tx, log[pair].transform.tx);
        EXPECT_FLOAT_EQ(log[pair + 1].transform.ty, log[pair].transform.ty + 22);
    }
}

}  // namespace
