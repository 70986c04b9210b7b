#include "platform/Keyboard.h"

#include <SFML/Window/Keyboard.hpp>

#include <cstring>

uint8_t liveKeyState[256];

namespace {

struct KeyPair {
    sf::Keyboard::Key key;
    uint8_t code;
};

// Every key the window system names, with its scan-code key number.
constexpr KeyPair kKeyPairs[] = {
    {sf::Keyboard::A, DIK_A}, {sf::Keyboard::B, DIK_B}, {sf::Keyboard::C, DIK_C},
    {sf::Keyboard::D, DIK_D}, {sf::Keyboard::E, DIK_E}, {sf::Keyboard::F, DIK_F},
    {sf::Keyboard::G, DIK_G}, {sf::Keyboard::H, DIK_H}, {sf::Keyboard::I, DIK_I},
    {sf::Keyboard::J, DIK_J}, {sf::Keyboard::K, DIK_K}, {sf::Keyboard::L, DIK_L},
    {sf::Keyboard::M, DIK_M}, {sf::Keyboard::N, DIK_N}, {sf::Keyboard::O, DIK_O},
    {sf::Keyboard::P, DIK_P}, {sf::Keyboard::Q, DIK_Q}, {sf::Keyboard::R, DIK_R},
    {sf::Keyboard::S, DIK_S}, {sf::Keyboard::T, DIK_T}, {sf::Keyboard::U, DIK_U},
    {sf::Keyboard::V, DIK_V}, {sf::Keyboard::W, DIK_W}, {sf::Keyboard::X, DIK_X},
    {sf::Keyboard::Y, DIK_Y}, {sf::Keyboard::Z, DIK_Z},
    {sf::Keyboard::Num0, DIK_0}, {sf::Keyboard::Num1, DIK_1}, {sf::Keyboard::Num2, DIK_2},
    {sf::Keyboard::Num3, DIK_3}, {sf::Keyboard::Num4, DIK_4}, {sf::Keyboard::Num5, DIK_5},
    {sf::Keyboard::Num6, DIK_6}, {sf::Keyboard::Num7, DIK_7}, {sf::Keyboard::Num8, DIK_8},
    {sf::Keyboard::Num9, DIK_9},
    {sf::Keyboard::Escape, DIK_ESCAPE},
    {sf::Keyboard::LControl, DIK_LCONTROL}, {sf::Keyboard::RControl, DIK_RCONTROL},
    {sf::Keyboard::LShift, DIK_LSHIFT}, {sf::Keyboard::RShift, DIK_RSHIFT},
    {sf::Keyboard::LAlt, DIK_LMENU}, {sf::Keyboard::RAlt, DIK_RMENU},
    {sf::Keyboard::LSystem, DIK_LWIN}, {sf::Keyboard::RSystem, DIK_RWIN},
    {sf::Keyboard::Menu, DIK_APPS},
    {sf::Keyboard::LBracket, DIK_LBRACKET}, {sf::Keyboard::RBracket, DIK_RBRACKET},
    {sf::Keyboard::Semicolon, DIK_SEMICOLON}, {sf::Keyboard::Comma, DIK_COMMA},
    {sf::Keyboard::Period, DIK_PERIOD}, {sf::Keyboard::Quote, DIK_APOSTROPHE},
    {sf::Keyboard::Slash, DIK_SLASH}, {sf::Keyboard::Backslash, DIK_BACKSLASH},
    {sf::Keyboard::Tilde, DIK_GRAVE}, {sf::Keyboard::Equal, DIK_EQUALS},
    {sf::Keyboard::Hyphen, DIK_MINUS},
    {sf::Keyboard::Space, DIK_SPACE}, {sf::Keyboard::Enter, DIK_RETURN},
    {sf::Keyboard::Backspace, DIK_BACK}, {sf::Keyboard::Tab, DIK_TAB},
    {sf::Keyboard::PageUp, DIK_PRIOR}, {sf::Keyboard::PageDown, DIK_NEXT},
    {sf::Keyboard::End, DIK_END}, {sf::Keyboard::Home, DIK_HOME},
    {sf::Keyboard::Insert, DIK_INSERT}, {sf::Keyboard::Delete, DIK_DELETE},
    {sf::Keyboard::Add, DIK_ADD}, {sf::Keyboard::Subtract, DIK_SUBTRACT},
    {sf::Keyboard::Multiply, DIK_MULTIPLY}, {sf::Keyboard::Divide, DIK_DIVIDE},
    {sf::Keyboard::Left, DIK_LEFT}, {sf::Keyboard::Right, DIK_RIGHT},
    {sf::Keyboard::Up, DIK_UP}, {sf::Keyboard::Down, DIK_DOWN},
    {sf::Keyboard::Numpad0, DIK_NUMPAD0}, {sf::Keyboard::Numpad1, DIK_NUMPAD1},
    {sf::Keyboard::Numpad2, DIK_NUMPAD2}, {sf::Keyboard::Numpad3, DIK_NUMPAD3},
    {sf::Keyboard::Numpad4, DIK_NUMPAD4}, {sf::Keyboard::Numpad5, DIK_NUMPAD5},
    {sf::Keyboard::Numpad6, DIK_NUMPAD6}, {sf::Keyboard::Numpad7, DIK_NUMPAD7},
    {sf::Keyboard::Numpad8, DIK_NUMPAD8}, {sf::Keyboard::Numpad9, DIK_NUMPAD9},
    {sf::Keyboard::F1, DIK_F1}, {sf::Keyboard::F2, DIK_F2}, {sf::Keyboard::F3, DIK_F3},
    {sf::Keyboard::F4, DIK_F4}, {sf::Keyboard::F5, DIK_F5}, {sf::Keyboard::F6, DIK_F6},
    {sf::Keyboard::F7, DIK_F7}, {sf::Keyboard::F8, DIK_F8}, {sf::Keyboard::F9, DIK_F9},
    {sf::Keyboard::F10, DIK_F10}, {sf::Keyboard::F11, DIK_F11}, {sf::Keyboard::F12, DIK_F12},
    {sf::Keyboard::F13, DIK_F13}, {sf::Keyboard::F14, DIK_F14}, {sf::Keyboard::F15, DIK_F15},
    {sf::Keyboard::Pause, DIK_PAUSE},
};

// Indexed by the window system's key number, built once from kKeyPairs.
struct KeyTable {
    uint8_t codes[sf::Keyboard::KeyCount];
    KeyTable() : codes() {
        for (const KeyPair& pair : kKeyPairs) codes[pair.key] = pair.code;
    }
};

const KeyTable keyTable;

}  // namespace

uint8_t KeyCodeOf(int platformKey) {
    if (platformKey < 0 || platformKey >= sf::Keyboard::KeyCount) return 0;
    return keyTable.codes[platformKey];
}

void KeyboardKeyEvent(int platformKey, bool down) {
    const uint8_t code = KeyCodeOf(platformKey);
    if (code == 0) return;
    liveKeyState[code] = down ? kKeyDown : 0;
}

void ReleaseAllKeys() { std::memset(liveKeyState, 0, sizeof liveKeyState); }

void TakeKeyboardState(uint8_t state[256]) { std::memcpy(state, liveKeyState, sizeof liveKeyState); }
