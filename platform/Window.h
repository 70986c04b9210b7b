#pragma once
// The game's one window (SFML). The window procedure's work is split: this
// layer turns the window system's events into a few WindowEvents, routes
// keys to the keyboard state (platform/Keyboard.h) and the mouse state, and
// keeps the pointer hidden over the client area; the engine decides what an
// event means for the game.
#include <cstdint>

#include "platform/Letterbox.h"

// Opens the window: windowed at (50, 50) with a client area of exactly
// width x height, or full screen at that size; both wait for the display's
// refresh when presenting. The game always draws a width x height frame:
// when the window gets another size (a display that cannot switch to it),
// the frame is scaled to fit, centred on black, pointer positions are
// mapped back into it, and one line on standard error says so. False when
// it cannot be made (call ProbeDisplay first: without an X display the
// window system aborts the process). While the window is open, further
// calls change nothing and return true.
bool OpenGameWindow(int width, int height, bool windowed, const char* title);
void CloseGameWindow();
bool GameWindowOpen();
// The window's real client size (which may differ from the frame's).
void GameWindowClientSize(int* width, int* height);
// Where the frame lies in the window, in window pixels.
FrameViewport GameWindowFrameViewport();
void GameWindowPosition(int* x, int* y);
// Moves the window so its top-left corner is at (x, y) and resizes its
// client area (windowed only).
void PlaceGameWindow(int x, int y, int width, int height);

enum class WindowEventType : uint8_t {
    Closed,          // the user closed the window
    FocusGained,
    FocusLost,       // held keys have already been released
    MouseMoved,      // x, y in frame pixels
    LeftButtonDown,  // x, y in frame pixels; not for a double-click's second press
    AboutRequested,  // Alt+"?" or Alt+"/"
};

struct WindowEvent {
    WindowEventType type;
    int32_t x, y;
};

// Takes the next event of interest; false when none is pending. Never blocks.
bool PollWindowEvent(WindowEvent* event);

// Pointer device state in the layout the input code expects: movement since
// the last TakeMouseState (wheel in lZ, 120 per notch), buttons bit 0x80 =
// down (0 left, 1 right, 2 middle, 3 and 4 the side buttons).
struct MouseState {
    int32_t lX, lY, lZ;
    uint8_t rgbButtons[8];
};
// Copies the mouse state and starts the next movement count.
void TakeMouseState(MouseState* state);
