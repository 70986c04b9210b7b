// Key codes from the window system's keys, the key state the game polls, and
// the release of held keys when the window loses the focus.
#include <gtest/gtest.h>

#include <SFML/Window/Keyboard.hpp>

#include "engine/GraphicsDevice.h"
#include "engine/MainWindow.h"
#include "platform/Keyboard.h"

namespace {

TEST(KeyboardMappingTest, GameKeysHaveTheirCodes) {
    const struct {
        sf::Keyboard::Key key;
        uint8_t code;
    } expected[] = {
        {sf::Keyboard::A, DIK_A},           {sf::Keyboard::Q, DIK_Q},
        {sf::Keyboard::Z, DIK_Z},           {sf::Keyboard::Y, DIK_Y},
        {sf::Keyboard::Num1, DIK_1},        {sf::Keyboard::Num0, DIK_0},
        {sf::Keyboard::Hyphen, DIK_MINUS},  {sf::Keyboard::LControl, DIK_LCONTROL},
        {sf::Keyboard::RControl, DIK_RCONTROL}, {sf::Keyboard::LShift, DIK_LSHIFT},
        {sf::Keyboard::RShift, DIK_RSHIFT}, {sf::Keyboard::Tab, DIK_TAB},
        {sf::Keyboard::Comma, DIK_COMMA},   {sf::Keyboard::Period, DIK_PERIOD},
        {sf::Keyboard::Quote, DIK_APOSTROPHE}, {sf::Keyboard::LBracket, DIK_LBRACKET},
        {sf::Keyboard::Semicolon, DIK_SEMICOLON}, {sf::Keyboard::Space, DIK_SPACE},
        {sf::Keyboard::Enter, DIK_RETURN},  {sf::Keyboard::Escape, DIK_ESCAPE},
        {sf::Keyboard::Backspace, DIK_BACK}, {sf::Keyboard::Left, DIK_LEFT},
        {sf::Keyboard::Right, DIK_RIGHT},   {sf::Keyboard::Up, DIK_UP},
        {sf::Keyboard::Down, DIK_DOWN},     {sf::Keyboard::Numpad2, DIK_NUMPAD2},
        {sf::Keyboard::Numpad4, DIK_NUMPAD4}, {sf::Keyboard::Numpad6, DIK_NUMPAD6},
        {sf::Keyboard::Numpad8, DIK_NUMPAD8}, {sf::Keyboard::LAlt, DIK_LMENU},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(KeyCodeOf(e.key), e.code) << "key " << e.key;
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
    for (int key = 0; key < sf::Keyboard::KeyCount; ++key) {
        const uint8_t code = KeyCodeOf(key);
        if (code == 0) continue;
        EXPECT_FALSE(used[code]) << "code " << int(code) << " twice";
        used[code] = true;
        ++mapped;
    }
    EXPECT_GE(mapped, 95);
    EXPECT_EQ(KeyCodeOf(sf::Keyboard::Unknown), 0);
    EXPECT_EQ(KeyCodeOf(sf::Keyboard::KeyCount), 0);
}

TEST(KeyboardMappingTest, KeyEventsReachThePolledState) {
    ReleaseAllKeys();
    graphicsContext.InitDirectInput();
    KeyboardKeyEvent(sf::Keyboard::Space, true);
    KeyboardKeyEvent(sf::Keyboard::Left, true);
    KeyboardKeyEvent(sf::Keyboard::Unknown, true);  // ignored
    graphicsContext.PollDirectInput();
    EXPECT_EQ(keyboardState[DIK_SPACE], kKeyDown);
    EXPECT_EQ(keyboardState[DIK_LEFT], kKeyDown);
    EXPECT_EQ(keyboardState[DIK_RIGHT], 0);
    KeyboardKeyEvent(sf::Keyboard::Space, false);
    graphicsContext.PollDirectInput();
    EXPECT_EQ(keyboardState[DIK_SPACE], 0);
    EXPECT_EQ(keyboardState[DIK_LEFT], kKeyDown);
    ReleaseAllKeys();
}

TEST(KeyboardMappingTest, FocusLossReleasesHeldKeys) {
    graphicsContext.InitDirectInput();
    KeyboardKeyEvent(sf::Keyboard::Right, true);
    KeyboardKeyEvent(sf::Keyboard::LControl, true);
    ReleaseAllKeys();  // what the window does when it loses the focus
    graphicsContext.PollDirectInput();
    for (int code = 0; code < 256; ++code) EXPECT_EQ(keyboardState[code], 0) << code;
}

TEST(KeyboardMappingTest, NoInputDevicesLeaveTheStateAlone) {
    graphicsContext.InitDirectInput();
    KeyboardKeyEvent(sf::Keyboard::Up, true);
    graphicsContext.PollDirectInput();
    graphicsContext.ReleaseDirectInput();
    KeyboardKeyEvent(sf::Keyboard::Up, false);
    graphicsContext.PollDirectInput();  // no devices: nothing is read
    EXPECT_EQ(keyboardState[DIK_UP], kKeyDown);
    graphicsContext.InitDirectInput();  // re-creation starts from rest
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
