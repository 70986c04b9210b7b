#pragma once
// The keyboard as a 256-byte state indexed by the classic scan-code key
// numbers (the DIK_ codes below); bit 0x80 set = key down. The window layer
// feeds it from key events; the game copies it once per update.
#include <cstdint>

constexpr uint8_t DIK_ESCAPE = 0x01;
constexpr uint8_t DIK_1 = 0x02;
constexpr uint8_t DIK_2 = 0x03;
constexpr uint8_t DIK_3 = 0x04;
constexpr uint8_t DIK_4 = 0x05;
constexpr uint8_t DIK_5 = 0x06;
constexpr uint8_t DIK_6 = 0x07;
constexpr uint8_t DIK_7 = 0x08;
constexpr uint8_t DIK_8 = 0x09;
constexpr uint8_t DIK_9 = 0x0A;
constexpr uint8_t DIK_0 = 0x0B;
constexpr uint8_t DIK_MINUS = 0x0C;
constexpr uint8_t DIK_EQUALS = 0x0D;
constexpr uint8_t DIK_BACK = 0x0E;  // Backspace
constexpr uint8_t DIK_TAB = 0x0F;
constexpr uint8_t DIK_Q = 0x10;
constexpr uint8_t DIK_W = 0x11;
constexpr uint8_t DIK_E = 0x12;
constexpr uint8_t DIK_R = 0x13;
constexpr uint8_t DIK_T = 0x14;
constexpr uint8_t DIK_Y = 0x15;
constexpr uint8_t DIK_U = 0x16;
constexpr uint8_t DIK_I = 0x17;
constexpr uint8_t DIK_O = 0x18;
constexpr uint8_t DIK_P = 0x19;
constexpr uint8_t DIK_LBRACKET = 0x1A;
constexpr uint8_t DIK_RBRACKET = 0x1B;
constexpr uint8_t DIK_RETURN = 0x1C;
constexpr uint8_t DIK_LCONTROL = 0x1D;
constexpr uint8_t DIK_A = 0x1E;
constexpr uint8_t DIK_S = 0x1F;
constexpr uint8_t DIK_D = 0x20;
constexpr uint8_t DIK_F = 0x21;
constexpr uint8_t DIK_G = 0x22;
constexpr uint8_t DIK_H = 0x23;
constexpr uint8_t DIK_J = 0x24;
constexpr uint8_t DIK_K = 0x25;
constexpr uint8_t DIK_L = 0x26;
constexpr uint8_t DIK_SEMICOLON = 0x27;
constexpr uint8_t DIK_APOSTROPHE = 0x28;
constexpr uint8_t DIK_GRAVE = 0x29;
constexpr uint8_t DIK_LSHIFT = 0x2A;
constexpr uint8_t DIK_BACKSLASH = 0x2B;
constexpr uint8_t DIK_Z = 0x2C;
constexpr uint8_t DIK_X = 0x2D;
constexpr uint8_t DIK_C = 0x2E;
constexpr uint8_t DIK_V = 0x2F;
constexpr uint8_t DIK_B = 0x30;
constexpr uint8_t DIK_N = 0x31;
constexpr uint8_t DIK_M = 0x32;
constexpr uint8_t DIK_COMMA = 0x33;
constexpr uint8_t DIK_PERIOD = 0x34;
constexpr uint8_t DIK_SLASH = 0x35;
constexpr uint8_t DIK_RSHIFT = 0x36;
constexpr uint8_t DIK_MULTIPLY = 0x37;  // numpad *
constexpr uint8_t DIK_LMENU = 0x38;     // left Alt
constexpr uint8_t DIK_SPACE = 0x39;
constexpr uint8_t DIK_CAPITAL = 0x3A;   // Caps Lock
constexpr uint8_t DIK_F1 = 0x3B;
constexpr uint8_t DIK_F2 = 0x3C;
constexpr uint8_t DIK_F3 = 0x3D;
constexpr uint8_t DIK_F4 = 0x3E;
constexpr uint8_t DIK_F5 = 0x3F;
constexpr uint8_t DIK_F6 = 0x40;
constexpr uint8_t DIK_F7 = 0x41;
constexpr uint8_t DIK_F8 = 0x42;
constexpr uint8_t DIK_F9 = 0x43;
constexpr uint8_t DIK_F10 = 0x44;
constexpr uint8_t DIK_NUMPAD7 = 0x47;
constexpr uint8_t DIK_NUMPAD8 = 0x48;
constexpr uint8_t DIK_NUMPAD9 = 0x49;
constexpr uint8_t DIK_SUBTRACT = 0x4A;  // numpad -
constexpr uint8_t DIK_NUMPAD4 = 0x4B;
constexpr uint8_t DIK_NUMPAD5 = 0x4C;
constexpr uint8_t DIK_NUMPAD6 = 0x4D;
constexpr uint8_t DIK_ADD = 0x4E;       // numpad +
constexpr uint8_t DIK_NUMPAD1 = 0x4F;
constexpr uint8_t DIK_NUMPAD2 = 0x50;
constexpr uint8_t DIK_NUMPAD3 = 0x51;
constexpr uint8_t DIK_NUMPAD0 = 0x52;
constexpr uint8_t DIK_F11 = 0x57;
constexpr uint8_t DIK_F12 = 0x58;
constexpr uint8_t DIK_F13 = 0x64;
constexpr uint8_t DIK_F14 = 0x65;
constexpr uint8_t DIK_F15 = 0x66;
constexpr uint8_t DIK_RCONTROL = 0x9D;
constexpr uint8_t DIK_DIVIDE = 0xB5;    // numpad /
constexpr uint8_t DIK_RMENU = 0xB8;     // right Alt
constexpr uint8_t DIK_PAUSE = 0xC5;
constexpr uint8_t DIK_HOME = 0xC7;
constexpr uint8_t DIK_UP = 0xC8;
constexpr uint8_t DIK_PRIOR = 0xC9;     // Page Up
constexpr uint8_t DIK_LEFT = 0xCB;
constexpr uint8_t DIK_RIGHT = 0xCD;
constexpr uint8_t DIK_END = 0xCF;
constexpr uint8_t DIK_DOWN = 0xD0;
constexpr uint8_t DIK_NEXT = 0xD1;      // Page Down
constexpr uint8_t DIK_INSERT = 0xD2;
constexpr uint8_t DIK_DELETE = 0xD3;
constexpr uint8_t DIK_LWIN = 0xDB;
constexpr uint8_t DIK_RWIN = 0xDC;
constexpr uint8_t DIK_APPS = 0xDD;

constexpr uint8_t kKeyDown = 0x80;

// The live key state the window events keep up to date.
extern uint8_t liveKeyState[256];

// Key code of a window-system key (the platform's own key number); 0 when
// the key has no code.
uint8_t KeyCodeOf(int platformKey);
// Feeds one key event (platform key number) into liveKeyState.
void KeyboardKeyEvent(int platformKey, bool down);
// Testing aid, so tests can name keys without the window system's types
// (the game gets its key numbers from window events): the platform key
// number of the key the window system calls `name` ("A", "Num1", "Hyphen",
// "LControl", "Numpad8"...), or the unknown key (-1, which has no code) for
// "Unknown" and any name without a key code.
int PlatformKeyOfName(const char* name);
// Platform key numbers run from 0 to PlatformKeyCount() - 1.
int PlatformKeyCount();
// Lifts every key: called when the window loses focus, so no key stays
// "held" while the game cannot see its release.
void ReleaseAllKeys();
// Copies liveKeyState (256 bytes).
void TakeKeyboardState(uint8_t state[256]);
