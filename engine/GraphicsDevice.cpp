#include "engine/GraphicsDevice.h"

#include <cstring>

#include "engine/Settings.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"

uint8_t keyboardState[256];
MouseState mouseState;
JoystickState joystickState;
uint8_t joystickFound = 0;
uint8_t inputCreated = 0;
uint8_t deviceWasReset = 0;
GraphicsContext graphicsContext;

void GraphicsContext::CreateGraphicsDevice() {
    if (!GameWindowOpen()) {
        batchBackend = BatchBackend::Recording;
        return;
    }
    batchBackend = BatchBackend::Sfml;
    SetBatchTarget(nullptr);
    if (windowed == 1) PlaceGameWindow(50, 50, screenWidth, screenHeight);
}

void GraphicsContext::InitDirectInput() {
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

void GraphicsContext::ReleaseDirectInput() { inputCreated = 0; }

void GraphicsContext::PollDirectInput() {
    // Without devices the states keep their last values, as a failed read
    // would leave them.
    if (inputCreated == 0) return;
    TakeKeyboardState(keyboardState);
    TakeMouseState(&mouseState);
    if (joystickFound) PollJoystick(&joystickState);
}

void ClearFrame(uint32_t argb) { BatchClear(argb); }

void PresentFrame() { BatchPresent(); }

void PresentBlackFrame() {
    BatchClear(0xFF000000u);
    BatchBegin();
    BatchEnd();
    BatchPresent();
}

DeviceStatus TestCooperativeLevel() { return deviceStatusOk; }
