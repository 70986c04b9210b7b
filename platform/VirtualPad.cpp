#include "platform/VirtualPad.h"

#include <SDL.h>
#include <cstdio>

#include "platform/GamePad.h"

namespace {

// One attached virtual device: SDL identifies it by instance id (device
// indices shift as devices come and go) and sets its inputs through an open
// handle.
struct VirtualDevice {
    SDL_JoystickID id = -1;
    SDL_Joystick* handle = nullptr;
};

VirtualDevice controller;
VirtualDevice joystick;
VirtualRumble rumble = {};
char lastError[256] = "";

bool Fail(const char* what, const char* why)
{
    std::snprintf(lastError, sizeof lastError, "%s: %s", what, why);
    return false;
}

bool FailSdl(const char* what) { return Fail(what, SDL_GetError()); }

int SDLCALL RecordRumble(void*, Uint16 low, Uint16 high)
{
    rumble.low = low;
    rumble.high = high;
    ++rumble.requests;
    return 0;
}

// The device's open handle; null (and the record forgotten) when none is
// attached or SDL's joystick subsystem was shut down under it, which closed
// every handle.
SDL_Joystick* Handle(VirtualDevice* device)
{
    if (device->handle && SDL_WasInit(SDL_INIT_JOYSTICK) != 0 &&
        SDL_JoystickFromInstanceID(device->id) == device->handle)
        return device->handle;
    *device = VirtualDevice{};
    return nullptr;
}

bool Attach(VirtualDevice* device, const SDL_VirtualJoystickDesc& desc, const char* what)
{
    if (Handle(device)) return Fail(what, "already attached");
    if (!InitGamePad()) return FailSdl(what);
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return FailSdl(what);
    SDL_Joystick* handle = SDL_JoystickOpen(index);
    if (!handle) {
        Fail(what, SDL_GetError());
        SDL_JoystickDetachVirtual(index);
        return false;
    }
    device->handle = handle;
    device->id = SDL_JoystickInstanceID(handle);
    return true;
}

void Detach(VirtualDevice* device)
{
    if (!Handle(device)) return;
    SDL_JoystickClose(device->handle);
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == device->id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    *device = VirtualDevice{};
}

struct PadButton {
    uint16_t mask;
    SDL_GameControllerButton button;
};

// A virtual controller's joystick button i is the controller button i.
const PadButton kPadButtons[] = {
    {XINPUT_GAMEPAD_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_UP},
    {XINPUT_GAMEPAD_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {XINPUT_GAMEPAD_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {XINPUT_GAMEPAD_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    {XINPUT_GAMEPAD_START, SDL_CONTROLLER_BUTTON_START},
    {XINPUT_GAMEPAD_BACK, SDL_CONTROLLER_BUTTON_BACK},
    {XINPUT_GAMEPAD_LEFT_THUMB, SDL_CONTROLLER_BUTTON_LEFTSTICK},
    {XINPUT_GAMEPAD_RIGHT_THUMB, SDL_CONTROLLER_BUTTON_RIGHTSTICK},
    {XINPUT_GAMEPAD_LEFT_SHOULDER, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {XINPUT_GAMEPAD_RIGHT_SHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {XINPUT_GAMEPAD_A, SDL_CONTROLLER_BUTTON_A},
    {XINPUT_GAMEPAD_B, SDL_CONTROLLER_BUTTON_B},
    {XINPUT_GAMEPAD_X, SDL_CONTROLLER_BUTTON_X},
    {XINPUT_GAMEPAD_Y, SDL_CONTROLLER_BUTTON_Y},
};

// Indexed by VirtualPadAxis.
const SDL_GameControllerAxis kPadAxes[] = {
    SDL_CONTROLLER_AXIS_LEFTX,  SDL_CONTROLLER_AXIS_LEFTY,       SDL_CONTROLLER_AXIS_RIGHTX,
    SDL_CONTROLLER_AXIS_RIGHTY, SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
};

// Indexed by VirtualHat.
const Uint8 kHats[] = {
    SDL_HAT_CENTERED, SDL_HAT_UP,       SDL_HAT_RIGHTUP, SDL_HAT_RIGHT,  SDL_HAT_RIGHTDOWN,
    SDL_HAT_DOWN,     SDL_HAT_LEFTDOWN, SDL_HAT_LEFT,    SDL_HAT_LEFTUP,
};

}  // namespace

bool AttachVirtualController()
{
    SDL_VirtualJoystickDesc desc = {};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;  // A .. DPAD_RIGHT
    desc.button_mask = (1u << desc.nbuttons) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.name = "Virtual Test Pad";
    desc.Rumble = RecordRumble;
    if (!Attach(&controller, desc, "virtual controller")) return false;
    rumble = VirtualRumble{};
    return true;
}

bool AttachVirtualJoystick(int axes, int buttons, int hats)
{
    SDL_VirtualJoystickDesc desc = {};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_FLIGHT_STICK;
    desc.naxes = static_cast<Uint16>(axes);
    desc.nbuttons = static_cast<Uint16>(buttons);
    desc.nhats = static_cast<Uint16>(hats);
    desc.name = "Virtual Test Stick";
    return Attach(&joystick, desc, "virtual joystick");
}

void DetachVirtualController() { Detach(&controller); }

void DetachVirtualJoystick() { Detach(&joystick); }

bool SetVirtualPadButton(uint16_t xinputButton, bool down)
{
    const char* what = "virtual controller button";
    if (!Handle(&controller)) return Fail(what, "no virtual controller attached");
    for (const PadButton& b : kPadButtons) {
        if (b.mask != xinputButton) continue;
        if (SDL_JoystickSetVirtualButton(controller.handle, b.button, down ? 1 : 0) < 0) return FailSdl(what);
        return true;
    }
    return Fail(what, "not a single XINPUT_GAMEPAD_ button");
}

bool SetVirtualPadAxis(VirtualPadAxis axis, int16_t value)
{
    const char* what = "virtual controller axis";
    if (!Handle(&controller)) return Fail(what, "no virtual controller attached");
    const int index = static_cast<int>(axis);
    if (index < 0 || index >= static_cast<int>(sizeof kPadAxes / sizeof kPadAxes[0]))
        return Fail(what, "no such axis");
    if (SDL_JoystickSetVirtualAxis(controller.handle, kPadAxes[index], value) < 0) return FailSdl(what);
    return true;
}

bool SetVirtualJoystickAxis(int axis, int16_t value)
{
    const char* what = "virtual joystick axis";
    if (!Handle(&joystick)) return Fail(what, "no virtual joystick attached");
    if (SDL_JoystickSetVirtualAxis(joystick.handle, axis, value) < 0) return FailSdl(what);
    return true;
}

bool SetVirtualJoystickButton(int button, bool down)
{
    const char* what = "virtual joystick button";
    if (!Handle(&joystick)) return Fail(what, "no virtual joystick attached");
    if (SDL_JoystickSetVirtualButton(joystick.handle, button, down ? 1 : 0) < 0) return FailSdl(what);
    return true;
}

bool SetVirtualJoystickHat(int hat, VirtualHat direction)
{
    const char* what = "virtual joystick hat";
    if (!Handle(&joystick)) return Fail(what, "no virtual joystick attached");
    const int index = static_cast<int>(direction);
    if (index < 0 || index >= static_cast<int>(sizeof kHats)) return Fail(what, "no such direction");
    if (SDL_JoystickSetVirtualHat(joystick.handle, hat, kHats[index]) < 0) return FailSdl(what);
    return true;
}

VirtualRumble VirtualPadRumble() { return rumble; }

void ClearVirtualPadRumble() { rumble = VirtualRumble{}; }

const char* VirtualPadError() { return lastError; }
