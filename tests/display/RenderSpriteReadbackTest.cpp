// Pictures and text drawn by the SFML backend into an offscreen target, read
// back pixel by pixel: the transform, source rectangle and colour of a draw
// show up where the arithmetic says.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/GameFont.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "platform/Display.h"
#include "platform/RenderTarget.h"
#include "platform/SpritePngWriter.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu,
                   kWhite = 0xFFFFFFFFu, kClear = 0xFF202020u;

// 16 x 16: red, green / blue, white quadrants.
std::vector<uint32_t> Quadrants() {
    std::vector<uint32_t> argb(256);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            argb[y * 16 + x] = y < 8 ? (x < 8 ? kRed : kGreen) : (x < 8 ? kBlue : kWhite);
    return argb;
}

class RenderSpriteReadbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
        batchBackend = BatchBackend::Sfml;
        target = CreateRenderTarget(64, 64);
        ASSERT_NE(target, nullptr);
        SetBatchTarget(target);
        screenWidth = 64;
        cameraX = 0;
        cameraY = 0;
        screenYOffset = 0;
        path = testpng::TempPath("quadrants.png");
        ASSERT_TRUE(testpng::WritePng(path, 16, 16, Quadrants()));
        picture.Load(path.c_str());
        ASSERT_NE(picture.texture, nullptr);
        BatchClear(kClear);
        BeginSprites();
    }
    void TearDown() override {
        picture.Release();
        std::remove(path.c_str());
        SetBatchTarget(nullptr);
        ReleaseRenderTarget(target);
        batchBackend = BatchBackend::Recording;
    }
    uint32_t Pixel(int x, int y) {
        if (pixels.empty()) {
            EndSprites();
            pixels.resize(64 * 64);
            EXPECT_TRUE(ReadRenderTargetPixels(target, pixels.data(), 64 * 64));
        }
        return pixels[y * 64 + x];
    }
    RenderTarget* target = nullptr;
    std::string path;
    SpriteTexture picture;
    std::vector<uint32_t> pixels;
};

TEST_F(RenderSpriteReadbackTest, ScaledPictureCoversItsBox) {
    picture.DrawSprite(32, 32, 0, 2, 2, 8, 8, kWhite);  // covers 16..48
    EXPECT_EQ(Pixel(20, 20), kRed);
    EXPECT_EQ(Pixel(44, 20), kGreen);
    EXPECT_EQ(Pixel(20, 44), kBlue);
    EXPECT_EQ(Pixel(44, 44), kWhite);
    EXPECT_EQ(Pixel(8, 8), kClear);
    EXPECT_EQ(Pixel(56, 32), kClear);
}

TEST_F(RenderSpriteReadbackTest, QuarterTurnIsClockwise) {
    picture.DrawSprite(32, 32, 1.5707963f, 2, 2, 8, 8, kWhite);
    // Turned clockwise: the top-left red quadrant comes to the top right.
    EXPECT_EQ(Pixel(44, 20), kRed);
    EXPECT_EQ(Pixel(44, 44), kGreen);
    EXPECT_EQ(Pixel(20, 20), kBlue);
}

TEST_F(RenderSpriteReadbackTest, SourceRectAndColourModulation) {
    picture.SetSourceRect(8, 8, 16, 16);  // the white quadrant
    picture.DrawSprite(32, 32, 0, 4, 4, 12, 12, 0xFF00FF00u);
    EXPECT_EQ(Pixel(18, 18), kGreen);
    EXPECT_EQ(Pixel(46, 46), kGreen);
    EXPECT_EQ(Pixel(12, 12), kClear);
}

TEST_F(RenderSpriteReadbackTest, HalfAlphaBlendsOverTheFrame) {
    picture.SetSourceRect(8, 8, 16, 16);
    picture.DrawSprite(32, 32, 0, 4, 4, 12, 12, 0x80FFFFFFu);
    const uint32_t p = Pixel(32, 32);
    const int red = (p >> 16) & 0xFF;
    EXPECT_NEAR(red, 0x20 + (0xFF - 0x20) * 128 / 255, 2);
}

TEST_F(RenderSpriteReadbackTest, WorldSpriteFollowsTheCamera) {
    cameraX = 100;
    cameraY = 50;
    picture.SetSourceRect(0, 0, 8, 8);  // red
    picture.DrawWorldSprite(110, 60, 1, 0, 1, 1, 0, 0, 255, 255, 255, 255, 1);  // at (10, 10)
    EXPECT_EQ(Pixel(13, 13), kRed);
    EXPECT_EQ(Pixel(22, 13), kClear);
}

TEST_F(RenderSpriteReadbackTest, PictureIsStretchedToItsPowerOfTwoTexture) {
    // 6 x 2 (red | blue) becomes an 8 x 2 texture filled edge to edge.
    const std::string oddPath = testpng::TempPath("odd6x2.png");
    std::vector<uint32_t> argb(12);
    for (int i = 0; i < 12; ++i) argb[i] = i % 6 < 3 ? kRed : kBlue;
    ASSERT_TRUE(testpng::WritePng(oddPath, 6, 2, argb));
    SpriteTexture odd;
    odd.Load(oddPath.c_str());
    std::remove(oddPath.c_str());
    ASSERT_NE(odd.texture, nullptr);
    EXPECT_EQ(TextureWidth(odd.texture), 8);
    odd.DrawSprite(0, 0, 0, 4, 4, 0, 0, kWhite);  // 32 x 8 on screen
    EXPECT_EQ(Pixel(4, 4), kRed);
    EXPECT_EQ(Pixel(29, 4), kBlue);
    EXPECT_EQ(Pixel(36, 4), kClear);
}

TEST_F(RenderSpriteReadbackTest, ReloadingOverAPictureOfTheSameSizeShowsOnlyTheNewOne) {
    // The graphics card's texture is refilled in place: draws queued before
    // must keep the old pixels, draws after show only the new ones.
    picture.DrawSprite(0, 0, 0, 2, 2, 0, 0, kWhite);  // quadrants over 0..32
    const uint32_t oldId = TextureId(picture.texture);
    const std::string bluePath = testpng::TempPath("blue16.png");
    ASSERT_TRUE(testpng::WritePng(bluePath, 16, 16, std::vector<uint32_t>(256, kBlue)));
    picture.Load(bluePath.c_str());
    std::remove(bluePath.c_str());
    ASSERT_NE(picture.texture, nullptr);
    EXPECT_NE(TextureId(picture.texture), oldId);
    picture.DrawSprite(32, 32, 0, 2, 2, 0, 0, kWhite);  // blue over 32..64
    EXPECT_EQ(Pixel(4, 4), kRed);
    EXPECT_EQ(Pixel(28, 28), kWhite);
    EXPECT_EQ(Pixel(36, 36), kBlue);
    EXPECT_EQ(Pixel(60, 60), kBlue);
}

TEST_F(RenderSpriteReadbackTest, LaterDrawsCoverEarlierOnesAcrossPictures) {
    // Draws of one picture are gathered; a draw of another picture between
    // them must still land in call order.
    const std::string otherPath = testpng::TempPath("white.png");
    ASSERT_TRUE(testpng::WritePng(otherPath, 2, 2, {kWhite, kWhite, kWhite, kWhite}));
    SpriteTexture other;
    other.Load(otherPath.c_str());
    std::remove(otherPath.c_str());
    picture.SetSourceRect(0, 0, 8, 8);                             // red
    picture.DrawSprite(0, 0, 0, 8, 8, 0, 0, kWhite);                // 64 x 64 red
    other.DrawSprite(16, 16, 0, 16, 16, 0, 0, 0xFF0000FFu);         // blue over 16..48
    picture.DrawSprite(24, 24, 0, 2, 2, 0, 0, kWhite);              // red over 24..40
    EXPECT_EQ(Pixel(4, 4), kRed);
    EXPECT_EQ(Pixel(18, 18), kBlue);
    EXPECT_EQ(Pixel(32, 32), kRed);
    EXPECT_EQ(Pixel(44, 44), kBlue);
}

// A centred text inks only its box, and each line is centred in the box on
// its own: a short line over a long one has its ink about the same middle.
TEST_F(RenderSpriteReadbackTest, CentredTextInksOnlyItsBoxLineByLineCentred) {
    GameFont font = {};
    font.Load("data//FVf.ttf", "Snap ITC", 16);
    ASSERT_NE(font.font, nullptr);
    int w = 0, h = 0;
    MeasureText(font.font, "H\nHHHH", &w, &h);
    ASSERT_LT(w, 60);
    font.DrawTextCentred("H\nHHHH", 32, 32, 1, 1, 0, 1, 1, 1, 1);
    int outside = 0, left[2] = {64, 64}, right[2] = {-1, -1};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (Pixel(x, y) == kClear) continue;
            if (x < 32 - w / 2 - 1 || x > 32 + (w + 1) / 2 + 1 || y < 32 - h / 2 - 1 ||
                y > 32 + (h + 1) / 2 + 1)
                ++outside;
            const int line = y < 32 ? 0 : 1;
            left[line] = std::min(left[line], x);
            right[line] = std::max(right[line], x);
        }
    }
    EXPECT_EQ(outside, 0);
    for (int line = 0; line < 2; ++line) {
        ASSERT_GE(right[line], left[line]) << "line " << line << " inked nothing";
        EXPECT_NEAR((left[line] + right[line]) / 2.0, 32.0, 2.0) << "line " << line;
    }
}

}  // namespace
