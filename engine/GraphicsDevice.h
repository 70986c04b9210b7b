#pragma once
// The game's drawing device and its input devices: keyboard, mouse and the
// first game controller, polled once per update step into fixed buffers.
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
// 1 once a device rebuild began, until the next level load: picture loads
// then release what the record held first.
extern uint8_t deviceWasReset;

struct GraphicsContext {
    // Makes the drawing device for the main window: the sprite batch then
    // draws into the window; in windowed mode the window is placed at
    // (50, 50) with a client area of exactly screenWidth x screenHeight.
    // Without a window (tests, no display) the batch records instead.
    void CreateGraphicsDevice();
    // Creates (or re-creates) keyboard, mouse and controller input. Keys held
    // before are released, so a re-creation on focus change starts clean.
    void InitDirectInput();
    void ReleaseDirectInput();
    // Copies the current keyboard, mouse and (when found) controller states.
    void PollDirectInput();
};
extern GraphicsContext graphicsContext;

// Clears the frame to opaque black and shows it.
void PresentBlackFrame();

// Frame bracket of the render pass: clear to an ARGB colour, and show the
// finished frame.
void ClearFrame(uint32_t argb);
void PresentFrame();

// The device test at the start of every tick. The drawing device here is
// never lost, so the answer is always deviceStatusOk; the rebuild path
// (which reloads every picture, font and effect) still works when called.
enum DeviceStatus : int32_t { deviceStatusOk = 0, deviceStatusLost = 1, deviceStatusNotReset = 2 };
DeviceStatus TestCooperativeLevel();
