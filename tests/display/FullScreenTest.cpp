// Full screen at a size the display cannot switch to (a virtual display has
// one mode): the window takes the screen's size, the game's frame is scaled
// to fit and centred on black, one line on standard error says so, and the
// pointer is mapped back into the frame. A windowed game resized by the
// player gets the same scaled frame and bars.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/Display.h"
#include "platform/Letterbox.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"

namespace {

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

bool WaitForEvent(WindowEventType type, WindowEvent* found) {
    for (int i = 0; i < 100; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event)) {
            if (event.type == type) {
                *found = event;
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// The screen as 8-bit RGB, width x height.
std::vector<unsigned char> CaptureScreen(int width, int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    std::FILE* pipe = popen("import -window root -depth 8 rgb:- 2>/dev/null", "r");
    if (pipe == nullptr) return {};
    const size_t n = std::fread(rgb.data(), 1, rgb.size(), pipe);
    pclose(pipe);
    if (n != rgb.size()) return {};
    return rgb;
}

uint32_t PixelAt(const std::vector<unsigned char>& rgb, int width, int x, int y) {
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}

// Red inside the viewport of a window at (wx, wy), black on the bars beside it.
void ExpectRedFrameOnBlack(const std::vector<unsigned char>& screen, int width, int height, int wx, int wy,
                           const FrameViewport& v) {
    (void)height;
    EXPECT_EQ(PixelAt(screen, width, wx + v.left + v.width / 2, wy + v.top + v.height / 2), 0xFF0000u);
    EXPECT_EQ(PixelAt(screen, width, wx + v.left + 2, wy + v.top + 2), 0xFF0000u);
    if (v.left > 0) {
        EXPECT_EQ(PixelAt(screen, width, wx + v.left / 2, wy + v.top + v.height / 2), 0u) << "the left bar is black";
        EXPECT_EQ(PixelAt(screen, width, wx + 2 * v.left + v.width - 1 - v.left / 2, wy + v.height / 2), 0u);
    }
    if (v.top > 0) {
        EXPECT_EQ(PixelAt(screen, width, wx + v.width / 2, wy + v.top / 2), 0u) << "the top bar is black";
        EXPECT_EQ(PixelAt(screen, width, wx + v.width / 2, wy + 2 * v.top + v.height - 1 - v.top / 2), 0u);
    }
}

// A few frames of red, with the window's events handled between them.
void PresentRedFrames() {
    batchBackend = BatchBackend::Sfml;
    SetBatchTarget(nullptr);
    for (int i = 0; i < 3; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event)) {
        }
        BatchClear(0xFFFF0000u);
        BatchBegin();
        BatchEnd();
        BatchPresent();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

class FullScreen : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
        if (!Shell("command -v xdotool >/dev/null 2>&1 && command -v import >/dev/null 2>&1"))
            GTEST_SKIP() << "needs xdotool and ImageMagick's import";
        CloseGameWindow();
    }
    void TearDown() override {
        CloseGameWindow();
        batchBackend = BatchBackend::Recording;
    }
};

TEST_F(FullScreen, AFrameTheDisplayCannotShowIsLetterboxedAndThePointerMapped) {
    testing::internal::CaptureStderr();
    const bool opened = OpenGameWindow(1024, 768, false, "FlorpVops full screen test");
    const std::string message = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(opened);
    int width = 0, height = 0;
    GameWindowClientSize(&width, &height);
    if (width == 1024 && height == 768) GTEST_SKIP() << "the display switched to 1024 x 768";

    const FrameViewport expected = FitFrame(1024, 768, width, height);
    const FrameViewport v = GameWindowFrameViewport();
    EXPECT_EQ(v.left, expected.left);
    EXPECT_EQ(v.top, expected.top);
    EXPECT_EQ(v.width, expected.width);
    EXPECT_EQ(v.height, expected.height);
    EXPECT_NE(message.find("instead of 1024 x 768"), std::string::npos) << message;
    EXPECT_EQ(message.find("instead of"), message.rfind("instead of")) << "said once: " << message;

    // A red frame: red inside the viewport, black beside it.
    PresentRedFrames();
    const std::vector<unsigned char> screen = CaptureScreen(width, height);
    ASSERT_FALSE(screen.empty()) << "no screen capture";
    ExpectRedFrameOnBlack(screen, width, height, 0, 0, v);

    // The frame's centre on the screen is the frame's centre for the game.
    ASSERT_TRUE(Shell("xdotool mousemove " + std::to_string(v.left + v.width / 2) + " " +
                      std::to_string(v.top + v.height / 2)));
    WindowEvent moved{};
    ASSERT_TRUE(WaitForEvent(WindowEventType::MouseMoved, &moved));
    EXPECT_EQ(moved.x, 512);
    EXPECT_EQ(moved.y, 384);
    if (v.left > 0) {
        // A click on the bar lies outside the frame, where no button is.
        ASSERT_TRUE(Shell("xdotool mousemove " + std::to_string(v.left / 2) + " 300 click 1"));
        WindowEvent click{};
        ASSERT_TRUE(WaitForEvent(WindowEventType::LeftButtonDown, &click));
        EXPECT_LT(click.x, 0);
    }
}

TEST_F(FullScreen, AResizedWindowShowsTheFrameScaledBetweenTheSameBars) {
    ASSERT_TRUE(OpenGameWindow(320, 240, true, "FlorpVops resize test"));
    // A window the player may resize and maximise: no fixed maximum size.
    if (Shell("command -v xprop >/dev/null 2>&1")) {
        EXPECT_FALSE(Shell("xprop -name 'FlorpVops resize test' WM_NORMAL_HINTS | grep -q 'maximum size'"));
    }
    ASSERT_TRUE(Shell("xdotool search --name '^FlorpVops resize test$' windowsize %@ 640 360"));
    int width = 0, height = 0;
    for (int i = 0; i < 200 && (width != 640 || height != 360); ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event)) {
        }
        GameWindowClientSize(&width, &height);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(width, 640);
    ASSERT_EQ(height, 360);
    const FrameViewport v = GameWindowFrameViewport();
    EXPECT_EQ(v.left, 80);
    EXPECT_EQ(v.top, 0);
    EXPECT_EQ(v.width, 480);
    EXPECT_EQ(v.height, 360);

    PresentRedFrames();
    int x = 0, y = 0;
    GameWindowPosition(&x, &y);
    const std::vector<unsigned char> screen = CaptureScreen(1920, 1080);
    ASSERT_FALSE(screen.empty()) << "no screen capture (the suite's screen is 1920 x 1080)";
    ExpectRedFrameOnBlack(screen, 1920, 1080, x, y, v);

    ASSERT_TRUE(Shell("xdotool mousemove " + std::to_string(x + 320) + " " + std::to_string(y + 180)));
    WindowEvent moved{};
    ASSERT_TRUE(WaitForEvent(WindowEventType::MouseMoved, &moved));
    EXPECT_EQ(moved.x, 160);
    EXPECT_EQ(moved.y, 120);
}

}  // namespace
