#include "platform/GamePad.h"

#include <SDL.h>
#include <cstdio>
#include <cstring>

namespace {

bool initTried = false;
bool initOk = false;
SDL_GameController* pad = nullptr;
SDL_Joystick* joystick = nullptr;

// How long one rumble command lasts. The game repeats it every tick, so the
// motors follow the game; should the ticks stop (a modal dialog, a hang),
// the pad falls quiet on its own instead of shaking forever.
constexpr Uint32 kRumbleMilliseconds = 300;

// Re-detects devices: drops unplugged ones and opens the first controller
// and the first non-controller joystick that are not open yet.
void RefreshDevices()
{
    SDL_GameControllerUpdate();  // also runs the joystick drivers' detection
    if (pad && !SDL_GameControllerGetAttached(pad)) {
        SDL_GameControllerClose(pad);
        pad = nullptr;
    }
    if (joystick && !SDL_JoystickGetAttached(joystick)) {
        SDL_JoystickClose(joystick);
        joystick = nullptr;
    }
    if (pad && joystick) return;
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count && (!pad || !joystick); ++i) {
        if (SDL_IsGameController(i)) {
            if (!pad) pad = SDL_GameControllerOpen(i);
        } else if (!joystick) {
            joystick = SDL_JoystickOpen(i);
        }
    }
}

// SDL axis -32768..32767 to DirectInput's 0..65535 with the centre at 32767.
int32_t DirectInputAxis(Sint16 value)
{
    if (value >= 0) return 32767 + (static_cast<int32_t>(value) * 32768) / 32767;
    return 32767 + (static_cast<int32_t>(value) * 32767) / 32768;
}

uint32_t DirectInputPov(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return 0xFFFFFFFFu;
    }
}

// Stick y grows downward in SDL and upward in the game: negate, and keep
// -32768 (whose negation does not fit) at the top of the range.
int16_t UpAxis(Sint16 value) { return value == -32768 ? 32767 : static_cast<int16_t>(-value); }

uint8_t TriggerValue(Sint16 value)
{
    if (value <= 0) return 0;
    return static_cast<uint8_t>((static_cast<int32_t>(value) * 255) / 32767);
}

struct ButtonMask {
    SDL_GameControllerButton button;
    uint16_t mask;
};

const ButtonMask kPadButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, XINPUT_GAMEPAD_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, XINPUT_GAMEPAD_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, XINPUT_GAMEPAD_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, XINPUT_GAMEPAD_DPAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_START, XINPUT_GAMEPAD_START},
    {SDL_CONTROLLER_BUTTON_BACK, XINPUT_GAMEPAD_BACK},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, XINPUT_GAMEPAD_LEFT_THUMB},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, XINPUT_GAMEPAD_RIGHT_THUMB},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, XINPUT_GAMEPAD_LEFT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, XINPUT_GAMEPAD_RIGHT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_A, XINPUT_GAMEPAD_A},
    {SDL_CONTROLLER_BUTTON_B, XINPUT_GAMEPAD_B},
    {SDL_CONTROLLER_BUTTON_X, XINPUT_GAMEPAD_X},
    {SDL_CONTROLLER_BUTTON_Y, XINPUT_GAMEPAD_Y},
};

}  // namespace

bool InitGamePad()
{
    if (initTried) return initOk;
    initTried = true;
    // Nobody reads SDL's event queue (the window is SFML's): SDL must not
    // turn Ctrl+C into a queued quit event, and the pad must be read while
    // the SFML window has the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    initOk = SDL_Init(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK) == 0;
    if (!initOk) {
        std::fprintf(stderr, "FlorpVops: game controllers unavailable: %s\n", SDL_GetError());
        return false;
    }
    // State is read by polling; events would only pile up unread.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
    return true;
}

void ShutdownGamePad()
{
    if (!initOk) return;
    if (pad) SDL_GameControllerClose(pad);
    if (joystick) SDL_JoystickClose(joystick);
    pad = nullptr;
    joystick = nullptr;
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
    initTried = false;
    initOk = false;
}

bool PollJoystick(JoystickState* state)
{
    std::memset(state, 0, sizeof *state);
    state->lX = state->lY = state->lZ = 32767;
    state->lRx = state->lRy = state->lRz = 32767;
    state->rglSlider[0] = state->rglSlider[1] = 32767;
    for (uint32_t& pov : state->rgdwPOV) pov = 0xFFFFFFFFu;
    if (!InitGamePad()) return false;
    RefreshDevices();
    if (!joystick) return false;

    // A four-axis joystick is almost always a twin-stick pad whose right
    // stick DirectInput reports as Z and Rz (the evdev order X, Y, Z, RZ);
    // otherwise the axes follow DirectInput's order.
    const int axes = SDL_JoystickNumAxes(joystick);
    int32_t* const fourAxes[] = {&state->lX, &state->lY, &state->lZ, &state->lRz};
    int32_t* const manyAxes[] = {&state->lX,  &state->lY,  &state->lZ,           &state->lRx,
                                 &state->lRy, &state->lRz, &state->rglSlider[0], &state->rglSlider[1]};
    for (int a = 0; a < axes && a < 8; ++a) {
        const int32_t value = DirectInputAxis(SDL_JoystickGetAxis(joystick, a));
        if (axes == 4)
            *fourAxes[a] = value;
        else
            *manyAxes[a] = value;
    }
    const int hats = SDL_JoystickNumHats(joystick);
    for (int h = 0; h < hats && h < 4; ++h) state->rgdwPOV[h] = DirectInputPov(SDL_JoystickGetHat(joystick, h));
    const int buttons = SDL_JoystickNumButtons(joystick);
    for (int b = 0; b < buttons && b < 128; ++b)
        state->rgbButtons[b] = SDL_JoystickGetButton(joystick, b) ? 0x80 : 0;
    return true;
}

bool PollPad(XInputGamepad* state)
{
    if (!InitGamePad()) return false;
    RefreshDevices();
    if (!pad) return false;
    uint16_t buttons = 0;
    for (const ButtonMask& b : kPadButtons)
        if (SDL_GameControllerGetButton(pad, b.button)) buttons |= b.mask;
    state->wButtons = buttons;
    state->bLeftTrigger = TriggerValue(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    state->bRightTrigger = TriggerValue(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    state->sThumbLX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    state->sThumbLY = UpAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    state->sThumbRX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
    state->sThumbRY = UpAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY));
    return true;
}

void SetPadRumble(uint16_t left, uint16_t right)
{
    if (!initOk || !pad) return;
    SDL_GameControllerRumble(pad, left, right, kRumbleMilliseconds);
}
