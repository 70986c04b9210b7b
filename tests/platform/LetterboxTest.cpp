// The game's frame in a window of another size: scaled as large as fits,
// centred, and pointer positions mapped back into the frame so buttons are
// hit where they are drawn; over the bars the pointer lies outside it.
#include <gtest/gtest.h>

#include "platform/Letterbox.h"

namespace {

void ExpectViewport(const FrameViewport& v, int left, int top, int width, int height)
{
    EXPECT_EQ(v.left, left);
    EXPECT_EQ(v.top, top);
    EXPECT_EQ(v.width, width);
    EXPECT_EQ(v.height, height);
}

TEST(Letterbox, AWindowOfTheFramesSizeIsLeftAlone)
{
    const FrameViewport v = FitFrame(1024, 768, 1024, 768);
    ExpectViewport(v, 0, 0, 1024, 768);
    EXPECT_FALSE(IsLetterboxed(v, 1024, 768));
    int x = 0, y = 0;
    WindowToFrame(v, 1024, 768, 700, 500, &x, &y);
    EXPECT_EQ(x, 700);
    EXPECT_EQ(y, 500);
}

TEST(Letterbox, AFrameOfTheSameShapeFillsALargerScreen)
{
    const FrameViewport v = FitFrame(1920, 1080, 2560, 1440);
    ExpectViewport(v, 0, 0, 2560, 1440);
    EXPECT_TRUE(IsLetterboxed(v, 1920, 1080)) << "scaled, though without bars";
    int x = 0, y = 0;
    WindowToFrame(v, 1920, 1080, 1280, 720, &x, &y);
    EXPECT_EQ(x, 960);
    EXPECT_EQ(y, 540);
    WindowToFrame(v, 1920, 1080, 2559, 1439, &x, &y);
    EXPECT_EQ(x, 1919);
    EXPECT_EQ(y, 1079);
}

TEST(Letterbox, ANarrowerFrameGetsBarsLeftAndRight)
{
    const FrameViewport v = FitFrame(1024, 768, 1920, 1080);
    ExpectViewport(v, 240, 0, 1440, 1080);
    int x = 0, y = 0;
    WindowToFrame(v, 1024, 768, 240, 0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    WindowToFrame(v, 1024, 768, 1679, 1079, &x, &y);
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);
    // Over the bars: outside the frame on either side, never clamped onto
    // a button at its edge.
    WindowToFrame(v, 1024, 768, 239, 500, &x, &y);
    EXPECT_EQ(x, -1);
    WindowToFrame(v, 1024, 768, 0, 500, &x, &y);
    EXPECT_LT(x, -100);
    WindowToFrame(v, 1024, 768, 1680, 500, &x, &y);
    EXPECT_EQ(x, 1024);
}

TEST(Letterbox, AFrameLargerThanTheScreenIsScaledDown)
{
    // 1920 x 1080 on a 1280 x 1024 screen: bars above and below.
    const FrameViewport v = FitFrame(1920, 1080, 1280, 1024);
    ExpectViewport(v, 0, 152, 1280, 720);
    int x = 0, y = 0;
    WindowToFrame(v, 1920, 1080, 640, 152 + 360, &x, &y);
    EXPECT_EQ(x, 960);
    EXPECT_EQ(y, 540);
    WindowToFrame(v, 1920, 1080, 640, 151, &x, &y);
    EXPECT_EQ(y, -2);
}

TEST(Letterbox, OddAndEmptySizesStayUsable)
{
    // A frame one pixel off the screen's shape rounds to whole pixels.
    const FrameViewport v = FitFrame(1366, 768, 1920, 1080);
    EXPECT_EQ(v.width, 1920);
    EXPECT_EQ(v.height, 1079);  // 1079.4 rounded
    EXPECT_EQ(v.top, 0);

    const FrameViewport empty = FitFrame(0, 0, 0, 0);
    EXPECT_GE(empty.width, 1);
    EXPECT_GE(empty.height, 1);
    int x = 0, y = 0;
    WindowToFrame(empty, 0, 0, 5, 5, &x, &y);  // no division by zero
}

}  // namespace
