#pragma once
// The game's drawing device: the sprite batch drawing into the main window,
// the frame bracket and the device test. The input devices are in
// engine/InputDevices.h.
#include <cstdint>

// 1 once a device rebuild began, until the next level load: picture loads
// then release what the record held first.
extern uint8_t deviceWasReset;

struct GraphicsContext {
    // Makes the drawing device for the main window: the sprite batch then
    // draws into the window; in windowed mode the window is placed at
    // (50, 50) with a client area of exactly screenWidth x screenHeight.
    // Without a window (tests, no display) the batch records instead.
    void CreateGraphicsDevice();
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
