// Sprite drawing arithmetic through the recording batch: where a picture
// point lands on screen, the world-to-screen mapping with parallax, colour
// packing, source rectangles and the shifted forms.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "platform/SpritePngWriter.h"

namespace {

struct Point {
    float x, y;
};

Point Apply(const AffineTransform& t, float x, float y) {
    return Point{t.m00 * x + t.m01 * y + t.tx, t.m10 * x + t.m11 * y + t.ty};
}

class SpriteDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        batchBackend = BatchBackend::Recording;
        ResetBatchLog();
        screenWidth = 1024;
        screenHeight = 768;
        cameraX = 0;
        cameraY = 0;
        screenYOffset = 0;
        path = testpng::TempPath("sprite100x60.png");
        ASSERT_TRUE(testpng::WritePng(path, 100, 60, testpng::PositionPicture(100, 60)));
        picture.Load(path.c_str());
        ASSERT_NE(picture.texture, nullptr);
    }
    void TearDown() override {
        picture.Release();
        std::remove(path.c_str());
        screenYOffset = 0;
    }
    const BatchRecord& Last() { return BatchLog()[BatchLogCount() - 1]; }

    std::string path;
    SpriteTexture picture;
};

TEST_F(SpriteDrawTest, PictureSidesRoundUpToPowersOfTwo) {
    EXPECT_EQ(TextureWidth(picture.texture), 128);
    EXPECT_EQ(TextureHeight(picture.texture), 64);
    EXPECT_EQ(NextPowerOfTwo(1), 1);
    EXPECT_EQ(NextPowerOfTwo(64), 64);
    EXPECT_EQ(NextPowerOfTwo(65), 128);
    EXPECT_EQ(NextPowerOfTwo(1000), 1024);
}

TEST_F(SpriteDrawTest, DrawLogsPictureColourAndNoSourceRect) {
    picture.DrawSprite(300, 200, 0, 1, 1, 64, 32, 0x80FF2010u);
    ASSERT_EQ(BatchLogCount(), 1);
    const BatchRecord& r = Last();
    EXPECT_EQ(r.kind, BatchDrawKind::Sprite);
    EXPECT_EQ(r.textureId, TextureId(picture.texture));
    EXPECT_STREQ(r.path, path.c_str());
    EXPECT_EQ(r.colour, 0x80FF2010u);
    EXPECT_EQ(r.useSourceRect, 0);
    // Scale 1: the texture's size, centred on the position.
    const Point topLeft = Apply(r.transform, 0, 0);
    const Point bottomRight = Apply(r.transform, 128, 64);
    EXPECT_FLOAT_EQ(topLeft.x, 236);
    EXPECT_FLOAT_EQ(topLeft.y, 168);
    EXPECT_FLOAT_EQ(bottomRight.x, 364);
    EXPECT_FLOAT_EQ(bottomRight.y, 232);
}

TEST_F(SpriteDrawTest, TransformMatchesTurnedScaleClosedForm) {
    // position + R(2r) S R(-r) (p - centre), checked against the matrices
    // multiplied out step by step for a spread of arguments.
    const float rotations[] = {0.0f, 0.3f, -1.2f, 2.5f, 3.14159265f};
    const float scales[][2] = {{1, 1}, {2, 1}, {0.5f, 3}, {-1, 2}};
    for (float r : rotations) {
        for (const auto& s : scales) {
            const AffineTransform t = SpriteTransform(400, 250, r, s[0], s[1], 30, 12);
            const float px = 47, py = -5;  // a picture point
            double dx = px - 30, dy = py - 12;
            // R(-r)
            double x1 = std::cos(-r) * dx - std::sin(-r) * dy;
            double y1 = std::sin(-r) * dx + std::cos(-r) * dy;
            // S
            x1 *= s[0];
            y1 *= s[1];
            // R(2r)
            const double x2 = std::cos(2.0 * r) * x1 - std::sin(2.0 * r) * y1;
            const double y2 = std::sin(2.0 * r) * x1 + std::cos(2.0 * r) * y1;
            const Point p = Apply(t, px, py);
            EXPECT_NEAR(p.x, 400 + x2, 1e-3) << "r=" << r << " s=" << s[0] << "," << s[1];
            EXPECT_NEAR(p.y, 250 + y2, 1e-3) << "r=" << r << " s=" << s[0] << "," << s[1];
            const Point centre = Apply(t, 30, 12);
            EXPECT_NEAR(centre.x, 400, 1e-3);
            EXPECT_NEAR(centre.y, 250, 1e-3);
        }
    }
}

TEST_F(SpriteDrawTest, EqualScalesTurnClockwiseAboutTheCentre) {
    const float r = 0.7f;
    const AffineTransform t = SpriteTransform(100, 100, r, 3, 3, 10, 10);
    const Point p = Apply(t, 11, 10);  // one pixel right of the centre
    EXPECT_NEAR(p.x, 100 + 3 * std::cos(r), 1e-4);
    EXPECT_NEAR(p.y, 100 + 3 * std::sin(r), 1e-4);  // y grows downward: clockwise
}

TEST_F(SpriteDrawTest, QuarterTurnStretchesAlongScreenX) {
    // Rotation pi/2 with scale (2, 1): the stretch lies along screen x, that
    // is along the picture's own y axis.
    picture.DrawSprite(500, 300, 1.5707963f, 2, 1, 64, 32, 0xFFFFFFFFu);
    const AffineTransform& t = Last().transform;
    const Point alongX = Apply(t, 65, 32);
    const Point alongY = Apply(t, 64, 33);
    EXPECT_NEAR(alongX.x, 500, 1e-4);
    EXPECT_NEAR(alongX.y, 301, 1e-4);  // picture x -> screen y, length 1
    EXPECT_NEAR(alongY.x, 498, 1e-4);  // picture y -> screen -x, length 2
    EXPECT_NEAR(alongY.y, 300, 1e-4);
    // Rotation 0 with the same scale stretches the picture's x instead.
    picture.DrawSprite(500, 300, 0, 2, 1, 64, 32, 0xFFFFFFFFu);
    const Point plain = Apply(Last().transform, 65, 32);
    EXPECT_NEAR(plain.x, 502, 1e-4);
    EXPECT_NEAR(plain.y, 300, 1e-4);
}

TEST_F(SpriteDrawTest, SourceRectKeepsCentreInPicturePixelsAndStays) {
    picture.SetSourceRect(20, 10, 60, 50);
    picture.DrawSprite(200, 150, 0, 1, 1, 40, 30, 0xFFFFFFFFu);
    const BatchRecord& r = Last();
    ASSERT_EQ(r.useSourceRect, 1);
    EXPECT_EQ(r.sourceRect.left, 20);
    EXPECT_EQ(r.sourceRect.top, 10);
    EXPECT_EQ(r.sourceRect.right, 60);
    EXPECT_EQ(r.sourceRect.bottom, 50);
    // Sprite space starts at the rectangle's corner: picture point (40, 30)
    // is sprite point (20, 20) and lands on the position.
    const Point centre = Apply(r.transform, 20, 20);
    EXPECT_FLOAT_EQ(centre.x, 200);
    EXPECT_FLOAT_EQ(centre.y, 150);
    // Nothing clears the rectangle: the next draw still uses it.
    picture.DrawSprite(10, 10, 0, 1, 1, 0, 0, 0xFFFFFFFFu);
    EXPECT_EQ(Last().useSourceRect, 1);
}

TEST_F(SpriteDrawTest, WorldToScreenWithParallax) {
    EXPECT_FLOAT_EQ(WorldToScreenX(712, 1.0f), 712);
    EXPECT_FLOAT_EQ(WorldToScreenX(5000, 0.0f), 512);
    cameraX = 100;
    EXPECT_FLOAT_EQ(WorldToScreenX(712, 0.5f), 562);
    EXPECT_FLOAT_EQ(WorldToScreenX(712, 1.0f), 612);
    cameraY = 50;
    EXPECT_FLOAT_EQ(WorldToScreenY(300), 250);
    // Not rounded: half pixels stay.
    cameraX = 0;
    EXPECT_FLOAT_EQ(WorldToScreenX(513, 0.5f), 512.5f);
    // Odd width: halfW is 512, not 512.5.
    screenWidth = 1025;
    EXPECT_FLOAT_EQ(WorldToScreenX(77, 0.0f), 512);
    EXPECT_FLOAT_EQ(WorldToScreenX(612, 0.5f), 562);
}

TEST_F(SpriteDrawTest, WorldColourTruncatesAndWrapsWithoutClamping) {
    EXPECT_EQ(PackWorldColour(255.9f, 0, 0, 255, 1), 0xFFFF0000u);
    EXPECT_EQ(PackWorldColour(256, 0, 0, 255, 1), 0xFF000000u);
    EXPECT_EQ(PackWorldColour(-1, 0, 0, 255, 1), 0xFFFF0000u);
    EXPECT_EQ(PackWorldColour(300, 0, 0, 255, 1), 0xFF2C0000u);
    EXPECT_EQ(PackWorldColour(0, 0, -0.9f, 255, 1), 0xFF000000u);  // toward zero
    // Brightness scales red, green and blue, never alpha.
    EXPECT_EQ(PackWorldColour(128, 64, 10, 128, 2), 0x80008014u);
    EXPECT_EQ(PackWorldColour(200, 100, 50, 255, 0.5f), 0xFF643219u);
}

TEST_F(SpriteDrawTest, WorldSpriteDrawsAtTheScreenPointWithPackedColour) {
    cameraX = 100;
    cameraY = 40;
    picture.DrawWorldSprite(712, 340, 0.5f, 0, 1, 1, 64, 32, 10, 20, 30, 255, 2);
    const BatchRecord& r = Last();
    const Point centre = Apply(r.transform, 64, 32);
    EXPECT_FLOAT_EQ(centre.x, 562);
    EXPECT_FLOAT_EQ(centre.y, 300);
    EXPECT_EQ(r.colour, 0xFF14283Cu);
}

TEST_F(SpriteDrawTest, ShiftedFormsDrawTwentyTwoPixelsLower) {
    screenYOffset = 22;
    picture.DrawSprite(100, 100, 0.4f, 1.5f, 0.5f, 64, 32, 0xFFFFFFFFu);
    picture.DrawSpriteShifted(100, 100, 0.4f, 1.5f, 0.5f, 64, 32, 0xFFFFFFFFu);
    picture.DrawWorldSprite(900, 500, 0.7f, 0.4f, 1.5f, 0.5f, 64, 32, 1, 2, 3, 4, 1);
    picture.DrawSceneryElement(900, 500, 0.7f, 0.4f, 1.5f, 0.5f, 64, 32, 1, 2, 3, 4, 1);
    ASSERT_EQ(BatchLogCount(), 4);
    const BatchRecord* log = BatchLog();
    for (int pair = 0; pair < 4; pair += 2) {
        EXPECT_FLOAT_EQ(log[pair + 1].transform.tx, log[pair].transform.tx);
        EXPECT_FLOAT_EQ(log[pair + 1].transform.ty, log[pair].transform.ty + 22);
        EXPECT_EQ(log[pair + 1].colour, log[pair].colour);
    }
}

TEST_F(SpriteDrawTest, MissingPictureDrawsNothing) {
    SpriteTexture missing;
    missing.Load("data//sprite//no_such_picture.png");
    EXPECT_EQ(missing.texture, nullptr);
    missing.DrawSprite(1, 2, 0, 1, 1, 0, 0, 0xFFFFFFFFu);
    missing.DrawWorldSprite(1, 2, 1, 0, 1, 1, 0, 0, 255, 255, 255, 255, 1);
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(SpriteDrawTest, LoadingAgainReplacesThePicture) {
    const uint32_t firstId = TextureId(picture.texture);
    picture.Load(path.c_str());
    ASSERT_NE(picture.texture, nullptr);
    EXPECT_NE(TextureId(picture.texture), firstId);
    // As a surface the texture goes and the pixels come.
    testing::internal::CaptureStdout();
    picture.Load(path.c_str(), true, 100, 60);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "OK");
    EXPECT_EQ(picture.texture, nullptr);
    EXPECT_EQ(picture.isSurface, 1);
    EXPECT_NE(picture.surface.pixels, nullptr);
    picture.DrawSprite(1, 2, 0, 1, 1, 0, 0, 0xFFFFFFFFu);  // a surface is not drawn
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
