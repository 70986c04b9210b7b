#pragma once
// Game controllers through SDL2 (no SDL window, no SDL video).
//
// Two views of the attached devices, as the game expects them:
// - the pad: the first device SDL recognises as a game controller (it has a
//   mapping: Xbox, PlayStation, Switch pads...), read as an XInput-style pad
//   with rumble;
// - the joystick: the first attached joystick that is NOT a game controller
//   (a flight stick, an unmapped pad), read as a DirectInput DIJOYSTATE2.
// A device is never both, so a pad's buttons are not seen twice. Devices are
// re-detected on every poll, so plugging in and out works while playing.
#include <cstdint>

struct JoystickState {
    int32_t lX, lY, lZ;     // 0..65535, centre 32767
    int32_t lRx, lRy, lRz;  // 0..65535, centre 32767
    int32_t rglSlider[2];
    uint32_t rgdwPOV[4];    // hundredths of a degree clockwise from up; 0xFFFFFFFF centred
    uint8_t rgbButtons[128];  // bit 0x80 = down
    int32_t lVX, lVY, lVZ, lVRx, lVRy, lVRz;
    int32_t rglVSlider[2];
    int32_t lAX, lAY, lAZ, lARx, lARy, lARz;
    int32_t rglASlider[2];
    int32_t lFX, lFY, lFZ, lFRx, lFRy, lFRz;
    int32_t rglFSlider[2];
};

struct XInputGamepad {
    uint16_t wButtons;
    uint8_t bLeftTrigger;   // 0..255
    uint8_t bRightTrigger;  // 0..255
    int16_t sThumbLX;       // -32768..32767, y up
    int16_t sThumbLY;
    int16_t sThumbRX;
    int16_t sThumbRY;
};

struct XInputState {
    uint32_t dwPacketNumber;  // changes whenever the pad's state changes
    XInputGamepad Gamepad;
};

struct XInputVibration {
    uint16_t wLeftMotorSpeed;   // low-frequency motor
    uint16_t wRightMotorSpeed;  // high-frequency motor
};

constexpr uint16_t XINPUT_GAMEPAD_DPAD_UP = 0x0001;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_DOWN = 0x0002;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_LEFT = 0x0004;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_RIGHT = 0x0008;
constexpr uint16_t XINPUT_GAMEPAD_START = 0x0010;
constexpr uint16_t XINPUT_GAMEPAD_BACK = 0x0020;
constexpr uint16_t XINPUT_GAMEPAD_LEFT_THUMB = 0x0040;
constexpr uint16_t XINPUT_GAMEPAD_RIGHT_THUMB = 0x0080;
constexpr uint16_t XINPUT_GAMEPAD_LEFT_SHOULDER = 0x0100;
constexpr uint16_t XINPUT_GAMEPAD_RIGHT_SHOULDER = 0x0200;
constexpr uint16_t XINPUT_GAMEPAD_A = 0x1000;
constexpr uint16_t XINPUT_GAMEPAD_B = 0x2000;
constexpr uint16_t XINPUT_GAMEPAD_X = 0x4000;
constexpr uint16_t XINPUT_GAMEPAD_Y = 0x8000;

// Starts SDL's joystick and game-controller subsystems (once; later calls
// return the first answer). False when SDL cannot start them: then every
// poll reports no device.
bool InitGamePad();
void ShutdownGamePad();
// Fills the state of the first non-controller joystick; false (state zeroed
// to centred axes, no buttons) when there is none.
bool PollJoystick(JoystickState* state);
// Fills the state of the first game controller; false (state untouched)
// when there is none.
bool PollPad(XInputGamepad* pad);
// Sets both rumble motors of the pad (0 = off); ignored without a pad.
void SetPadRumble(uint16_t left, uint16_t right);
