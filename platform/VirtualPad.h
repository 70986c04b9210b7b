#pragma once
// Testing aid: virtual input devices through SDL's virtual joystick driver,
// so tests drive the real pad and joystick paths (GamePad.h) end to end
// without a device and without SDL types. The game itself never calls this.
//
// At most one virtual controller and one virtual joystick at a time. Every
// function returns false on failure; VirtualPadError() then says why.
#include <cstdint>

// The controller's analogue inputs, as the device reports them: sticks
// -32768..32767 with y growing DOWNWARD (the game's y-up view is PollPad's
// job), triggers 0..32767.
enum class VirtualPadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };

// A hat's direction (the eight ways and the centre).
enum class VirtualHat { Centred, Up, RightUp, Right, RightDown, Down, LeftDown, Left, LeftUp };

// A game controller with the XInput-style buttons, two sticks and two
// triggers, whose rumble requests are recorded (see VirtualPadRumble).
bool AttachVirtualController();
// A plain joystick (no controller mapping) with this many axes, buttons and hats.
bool AttachVirtualJoystick(int axes, int buttons, int hats);
// Unplugs the device; nothing happens when none is attached.
void DetachVirtualController();
void DetachVirtualJoystick();

// One controller button, named by its XINPUT_GAMEPAD_* mask (exactly one bit).
bool SetVirtualPadButton(uint16_t xinputButton, bool down);
bool SetVirtualPadAxis(VirtualPadAxis axis, int16_t value);

// Joystick inputs by index (0-based), raw values -32768..32767 for axes.
bool SetVirtualJoystickAxis(int axis, int16_t value);
bool SetVirtualJoystickButton(int button, bool down);
bool SetVirtualJoystickHat(int hat, VirtualHat direction);

// What the controller's motors were last asked for, and how many requests
// arrived since the controller was attached or the record was cleared.
struct VirtualRumble {
    uint16_t low;   // low-frequency (left) motor
    uint16_t high;  // high-frequency (right) motor
    int requests;
};
VirtualRumble VirtualPadRumble();
void ClearVirtualPadRumble();

// Text of the last failure of the functions above ("" when none yet).
const char* VirtualPadError();
