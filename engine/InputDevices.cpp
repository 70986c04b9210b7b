#include "engine/InputDevices.h"

#include <cstring>

uint8_t keyboardState[256];
MouseState mouseState;
JoystickState joystickState;
uint8_t joystickFound = 0;
uint8_t inputCreated = 0;

void InitDirectInput() {
    std::memset(keyboardState, 0, sizeof keyboardState);
    mouseState = MouseState{};
    MouseState discard;
    TakeMouseState(&discard);  // movement before now is not this device's
    InitGamePad();
    // The first attached controller is taken now; one plugged in later is
    // found at the next re-creation.
    JoystickState probe;
    joystickFound = PollJoystick(&probe) ? 1 : 0;
    if (joystickFound) joystickState = probe;
    inputCreated = 1;
}

void ReleaseDirectInput() { inputCreated = 0; }

void PollDirectInput() {
    // Without devices the states keep their last values, as a failed read
    // would leave them.
    if (inputCreated == 0) return;
    TakeKeyboardState(keyboardState);
    TakeMouseState(&mouseState);
    if (joystickFound) PollJoystick(&joystickState);
}
