#include "platform/Keyboard.h"

#include <SFML/Window/Keyboard.hpp>

#include <cstring>

uint8_t liveKeyState[256];

namespace {

struct KeyPair {
    sf::Keyboard::Key key;
    const char* name;  // the window system's own name of the key, for tests
    uint8_t code;
};

// The name is spelled from the key itself, so it cannot disagree with it.
#define KEY(sfKey, code) {sf::Keyboard::sfKey, #sfKey, code}

// Every key the window system names, with its scan-code key number.
constexpr KeyPair kKeyPairs[] = {
    KEY(A, DIK_A), KEY(B, DIK_B), KEY(C, DIK_C),
    KEY(D, DIK_D), KEY(E, DIK_E), KEY(F, DIK_F),
    KEY(G, DIK_G), KEY(H, DIK_H), KEY(I, DIK_I),
    KEY(J, DIK_J), KEY(K, DIK_K), KEY(L, DIK_L),
    KEY(M, DIK_M), KEY(N, DIK_N), KEY(O, DIK_O),
    KEY(P, DIK_P), KEY(Q, DIK_Q), KEY(R, DIK_R),
    KEY(S, DIK_S), KEY(T, DIK_T), KEY(U, DIK_U),
    KEY(V, DIK_V), KEY(W, DIK_W), KEY(X, DIK_X),
    KEY(Y, DIK_Y), KEY(Z, DIK_Z),
    KEY(Num0, DIK_0), KEY(Num1, DIK_1), KEY(Num2, DIK_2),
    KEY(Num3, DIK_3), KEY(Num4, DIK_4), KEY(Num5, DIK_5),
    KEY(Num6, DIK_6), KEY(Num7, DIK_7), KEY(Num8, DIK_8),
    KEY(Num9, DIK_9),
    KEY(Escape, DIK_ESCAPE),
    KEY(LControl, DIK_LCONTROL), KEY(RControl, DIK_RCONTROL),
    KEY(LShift, DIK_LSHIFT), KEY(RShift, DIK_RSHIFT),
    KEY(LAlt, DIK_LMENU), KEY(RAlt, DIK_RMENU),
    KEY(LSystem, DIK_LWIN), KEY(RSystem, DIK_RWIN),
    KEY(Menu, DIK_APPS),
    KEY(LBracket, DIK_LBRACKET), KEY(RBracket, DIK_RBRACKET),
    KEY(Semicolon, DIK_SEMICOLON), KEY(Comma, DIK_COMMA),
    KEY(Period, DIK_PERIOD), KEY(Quote, DIK_APOSTROPHE),
    KEY(Slash, DIK_SLASH), KEY(Backslash, DIK_BACKSLASH),
    KEY(Tilde, DIK_GRAVE), KEY(Equal, DIK_EQUALS),
    KEY(Hyphen, DIK_MINUS),
    KEY(Space, DIK_SPACE), KEY(Enter, DIK_RETURN),
    KEY(Backspace, DIK_BACK), KEY(Tab, DIK_TAB),
    KEY(PageUp, DIK_PRIOR), KEY(PageDown, DIK_NEXT),
    KEY(End, DIK_END), KEY(Home, DIK_HOME),
    KEY(Insert, DIK_INSERT), KEY(Delete, DIK_DELETE),
    KEY(Add, DIK_ADD), KEY(Subtract, DIK_SUBTRACT),
    KEY(Multiply, DIK_MULTIPLY), KEY(Divide, DIK_DIVIDE),
    KEY(Left, DIK_LEFT), KEY(Right, DIK_RIGHT),
    KEY(Up, DIK_UP), KEY(Down, DIK_DOWN),
    KEY(Numpad0, DIK_NUMPAD0), KEY(Numpad1, DIK_NUMPAD1),
    KEY(Numpad2, DIK_NUMPAD2), KEY(Numpad3, DIK_NUMPAD3),
    KEY(Numpad4, DIK_NUMPAD4), KEY(Numpad5, DIK_NUMPAD5),
    KEY(Numpad6, DIK_NUMPAD6), KEY(Numpad7, DIK_NUMPAD7),
    KEY(Numpad8, DIK_NUMPAD8), KEY(Numpad9, DIK_NUMPAD9),
    KEY(F1, DIK_F1), KEY(F2, DIK_F2), KEY(F3, DIK_F3),
    KEY(F4, DIK_F4), KEY(F5, DIK_F5), KEY(F6, DIK_F6),
    KEY(F7, DIK_F7), KEY(F8, DIK_F8), KEY(F9, DIK_F9),
    KEY(F10, DIK_F10), KEY(F11, DIK_F11), KEY(F12, DIK_F12),
    KEY(F13, DIK_F13), KEY(F14, DIK_F14), KEY(F15, DIK_F15),
    KEY(Pause, DIK_PAUSE),
};

#undef KEY

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

int PlatformKeyOfName(const char* name) {
    if (!name) return sf::Keyboard::Unknown;
    for (const KeyPair& pair : kKeyPairs)
        if (std::strcmp(pair.name, name) == 0) return pair.key;
    return sf::Keyboard::Unknown;
}

int PlatformKeyCount() { return sf::Keyboard::KeyCount; }

void KeyboardKeyEvent(int platformKey, bool down) {
    const uint8_t code = KeyCodeOf(platformKey);
    if (code == 0) return;
    liveKeyState[code] = down ? kKeyDown : 0;
}

void ReleaseAllKeys() { std::memset(liveKeyState, 0, sizeof liveKeyState); }

void TakeKeyboardState(uint8_t state[256]) { std::memcpy(state, liveKeyState, sizeof liveKeyState); }
