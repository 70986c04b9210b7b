#pragma once
// The game's input devices: keyboard, mouse and the first game controller,
// polled once per update step into fixed buffers. The names are those of
// the input library the game was first written against (DirectInput): the
// key codes are its DIK_ codes, the mouse and controller states its
// records (platform/Keyboard.h, platform/GamePad.h, platform/Window.h).
#include <cstdint>

#include "platform/GamePad.h"
#include "platform/Keyboard.h"
#include "platform/Window.h"

// 256 bytes by key code (DIK_ codes of platform/Keyboard.h), bit 0x80 = down.
extern uint8_t keyboardState[256];
extern MouseState mouseState;
extern JoystickState joystickState;
// 1 when the last InitDirectInput found a game controller.
extern uint8_t joystickFound;
// 1 while input devices exist (between InitDirectInput and
// ReleaseDirectInput); polling without them leaves the states at rest.
extern uint8_t inputCreated;

// Creates (or re-creates) keyboard, mouse and controller input. Keys held
// before are released, so a re-creation on focus change starts clean.
void InitDirectInput();
void ReleaseDirectInput();
// Copies the current keyboard, mouse and (when found) controller states.
void PollDirectInput();

// Whether the key (a DIK_ code) was down at the last poll.
inline bool KeyDown(uint8_t code) { return (keyboardState[code] & 0x80) != 0; }
