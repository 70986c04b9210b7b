// Key codes from the window system's keys, the key state the game polls, and
// the release of held keys when the window loses the focus.
#include <gtest/gtest.h>

#include "engine/InputDevices.h"
#include "engine/MainWindow.h"
#include "platform/Keyboard.h"

namespace {

// A key event as the window delivers it, for the key the window system
// calls `name`.
void Key(const char* name, bool down) { KeyboardKeyEvent(PlatformKeyOfName(name), down); }

TEST(KeyboardMappingTest, GameKeysHaveTheirCodes) {
    const struct {
        const char* name;
        uint8_t code;
    } expected[] = {
        {"A", DIK_A}, {"Q", DIK_Q}, {"Z", DIK_Z},
        {"Y", DIK_Y}, {"Num1", DIK_1}, {"Num0", DIK_0},
        {"Hyphen", DIK_MINUS}, {"LControl", DIK_LCONTROL}, {"RControl", DIK_RCONTROL},
        {"LShift", DIK_LSHIFT}, {"RShift", DIK_RSHIFT}, {"Tab", DIK_TAB},
        {"Comma", DIK_COMMA}, {"Period", DIK_PERIOD}, {"Quote", DIK_APOSTROPHE},
        {"LBracket", DIK_LBRACKET}, {"Semicolon", DIK_SEMICOLON}, {"Space", DIK_SPACE},
        {"Enter", DIK_RETURN}, {"Escape", DIK_ESCAPE}, {"Backspace", DIK_BACK},
        {"Left", DIK_LEFT}, {"Right", DIK_RIGHT}, {"Up", DIK_UP},
        {"Down", DIK_DOWN}, {"Numpad2", DIK_NUMPAD2}, {"Numpad4", DIK_NUMPAD4},
        {"Numpad6", DIK_NUMPAD6}, {"Numpad8", DIK_NUMPAD8}, {"LAlt", DIK_LMENU},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(KeyCodeOf(PlatformKeyOfName(e.name)), e.code) << "key " << e.name;
    }
    // The scan-code numbers the input mapping relies on.
    EXPECT_EQ(DIK_1, 2);
    EXPECT_EQ(DIK_MINUS, 12);
    EXPECT_EQ(DIK_SPACE, 0x39);
    EXPECT_EQ(DIK_LEFT, 0xCB);
}

TEST(KeyboardMappingTest, EveryNamedKeyHasADistinctCode) {
    bool used[256] = {};
    int mapped = 0;
    for (int key = 0; key < PlatformKeyCount(); ++key) {
        const uint8_t code = KeyCodeOf(key);
        if (code == 0) continue;
        EXPECT_FALSE(used[code]) << "code " << int(code) << " twice";
        used[code] = true;
        ++mapped;
    }
    EXPECT_GE(mapped, 95);
    EXPECT_EQ(PlatformKeyOfName("Unknown"), -1);
    EXPECT_EQ(PlatformKeyOfName("NoSuchKey"), -1);
    EXPECT_EQ(KeyCodeOf(-1), 0);
    EXPECT_EQ(KeyCodeOf(PlatformKeyCount()), 0);
}

TEST(KeyboardMappingTest, KeyEventsReachThePolledState) {
    ReleaseAllKeys();
    InitDirectInput();
    Key("Space", true);
    Key("Left", true);
    Key("Unknown", true);  // ignored
    PollDirectInput();
    EXPECT_EQ(keyboardState[DIK_SPACE], kKeyDown);
    EXPECT_EQ(keyboardState[DIK_LEFT], kKeyDown);
    EXPECT_EQ(keyboardState[DIK_RIGHT], 0);
    Key("Space", false);
    PollDirectInput();
    EXPECT_EQ(keyboardState[DIK_SPACE], 0);
    EXPECT_EQ(keyboardState[DIK_LEFT], kKeyDown);
    ReleaseAllKeys();
}

TEST(KeyboardMappingTest, FocusLossReleasesHeldKeys) {
    InitDirectInput();
    Key("Right", true);
    Key("LControl", true);
    ReleaseAllKeys();  // what the window does when it loses the focus
    PollDirectInput();
    for (int code = 0; code < 256; ++code) EXPECT_EQ(keyboardState[code], 0) << code;
}

TEST(KeyboardMappingTest, NoInputDevicesLeaveTheStateAlone) {
    InitDirectInput();
    Key("Up", true);
    PollDirectInput();
    ReleaseDirectInput();
    Key("Up", false);
    PollDirectInput();  // no devices: nothing is read
    EXPECT_EQ(keyboardState[DIK_UP], kKeyDown);
    InitDirectInput();  // re-creation starts from rest
    EXPECT_EQ(keyboardState[DIK_UP], 0);
    ReleaseAllKeys();
}

TEST(KeyboardMappingTest, NoWindowMeansNoEventsAndNoQuit) {
    quitPosted = 0;
    EXPECT_TRUE(ProcessWindowMessages());
    WindowEvent event;
    EXPECT_FALSE(PollWindowEvent(&event));
}

}  // namespace
