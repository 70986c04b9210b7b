// Input through a real window: keys into the key state, pointer and click
// events, the About accelerator, and the release of held keys when the
// window loses the focus. Events are made with xdotool on the test display.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/Display.h"
#include "platform/DoubleClick.h"
#include "platform/Keyboard.h"
#include "platform/Window.h"

namespace {

bool Shell(const char* command) { return std::system(command) == 0; }

// Polls the window for up to a second; true when an event of `type` came.
bool WaitForEvent(WindowEventType type, WindowEvent* found = nullptr) {
    for (int i = 0; i < 100; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event)) {
            if (event.type == type) {
                if (found != nullptr) *found = event;
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void Settle() {
    WindowEvent event;
    for (int i = 0; i < 20; ++i) {
        while (PollWindowEvent(&event)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

class WindowInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
        if (!Shell("command -v xdotool >/dev/null 2>&1")) GTEST_SKIP() << "no xdotool";
        CloseGameWindow();  // a window left open by an earlier test has another title
        ASSERT_TRUE(OpenGameWindow(200, 150, true, "FlorpVops input test"));
        ASSERT_TRUE(Shell("timeout 10 xdotool search --sync --name 'FlorpVops input test' "
                          "windowfocus --sync >/dev/null 2>&1"));
        Settle();
        ReleaseAllKeys();
    }
    void TearDown() override {
        CloseGameWindow();
        ReleaseAllKeys();
    }
};

TEST_F(WindowInputTest, KeysAndPointerArrive) {
    ASSERT_TRUE(Shell("xdotool keydown space keydown Left"));
    Settle();
    uint8_t state[256];
    TakeKeyboardState(state);
    EXPECT_EQ(state[DIK_SPACE], kKeyDown);
    EXPECT_EQ(state[DIK_LEFT], kKeyDown);
    ASSERT_TRUE(Shell("xdotool keyup space"));
    Settle();
    TakeKeyboardState(state);
    EXPECT_EQ(state[DIK_SPACE], 0);
    EXPECT_EQ(state[DIK_LEFT], kKeyDown);
    Shell("xdotool keyup Left");

    // Caps Lock comes without a key number in the events; it is read apart.
    ASSERT_TRUE(Shell("xdotool keydown Caps_Lock"));
    Settle();
    TakeKeyboardState(state);
    EXPECT_EQ(state[DIK_CAPITAL], kKeyDown);
    ASSERT_TRUE(Shell("xdotool keyup Caps_Lock key Caps_Lock"));  // down, and the lock off again
    Settle();
    TakeKeyboardState(state);
    EXPECT_EQ(state[DIK_CAPITAL], 0);

    ASSERT_TRUE(Shell("timeout 10 xdotool search --name 'FlorpVops input test' mousemove --window %1 30 40"));
    WindowEvent moved{};
    ASSERT_TRUE(WaitForEvent(WindowEventType::MouseMoved, &moved));
    ASSERT_TRUE(Shell("xdotool click 1"));
    WindowEvent click{};
    ASSERT_TRUE(WaitForEvent(WindowEventType::LeftButtonDown, &click));
    EXPECT_EQ(click.x, 30);
    EXPECT_EQ(click.y, 40);
}

// Left presses that arrive within `ms`.
int CountClicks(int ms) {
    int clicks = 0;
    for (int i = 0; i < ms / 10; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event))
            if (event.type == WindowEventType::LeftButtonDown) ++clicks;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return clicks;
}

TEST_F(WindowInputTest, ADoubleClickIsOneClick) {
    ASSERT_TRUE(Shell("timeout 10 xdotool search --name 'FlorpVops input test' mousemove --window %1 60 50"));
    ASSERT_TRUE(WaitForEvent(WindowEventType::MouseMoved));
    Settle();
    ASSERT_TRUE(Shell("xdotool click --repeat 2 --delay 80 1"));
    EXPECT_EQ(CountClicks(300), 1) << "the second press of a double-click is not a click";

    // After the desktop's double-click time a press is a click again.
    std::this_thread::sleep_for(std::chrono::milliseconds(DesktopDoubleClickRule().timeMs + 100));
    ASSERT_TRUE(Shell("xdotool click 1"));
    EXPECT_EQ(CountClicks(300), 1);
}

TEST_F(WindowInputTest, AltSlashAsksForTheAboutBoxOnce) {
    ASSERT_TRUE(Shell("xdotool key alt+slash"));
    EXPECT_TRUE(WaitForEvent(WindowEventType::AboutRequested));
    // The key and its character are one press: no second request follows.
    EXPECT_FALSE(WaitForEvent(WindowEventType::AboutRequested));
    ASSERT_TRUE(Shell("xdotool key slash"));
    EXPECT_FALSE(WaitForEvent(WindowEventType::AboutRequested));
}

TEST_F(WindowInputTest, LosingFocusReleasesHeldKeys) {
    ASSERT_TRUE(Shell("xdotool keydown Right"));
    Settle();
    uint8_t state[256];
    TakeKeyboardState(state);
    ASSERT_EQ(state[DIK_RIGHT], kKeyDown);
    // Focus to the root window: the game window loses it while Right is down.
    Shell("xdotool windowfocus $(xdotool search --maxdepth 0 --name '' | head -1) >/dev/null 2>&1");
    const bool lost = WaitForEvent(WindowEventType::FocusLost);
    Shell("xdotool keyup Right");
    if (!lost) GTEST_SKIP() << "the display would not move the focus";
    TakeKeyboardState(state);
    EXPECT_EQ(state[DIK_RIGHT], 0);
}

}  // namespace
