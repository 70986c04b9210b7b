// The pad and joystick paths end to end, through SDL's virtual joystick
// driver: what a device reports arrives in the action flags and rumble
// reaches the device.
#include "platform/GamePad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "engine/GraphicsDevice.h"
#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/GameStates.h"
#include "gameplay/DangerMeter.h"

namespace {

Uint16 rumbleLow = 0;
Uint16 rumbleHigh = 0;
int rumbleCalls = 0;

int SDLCALL RecordRumble(void*, Uint16 low, Uint16 high)
{
    rumbleLow = low;
    rumbleHigh = high;
    ++rumbleCalls;
    return 0;
}

class VirtualDevices : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!InitGamePad()) GTEST_SKIP() << "SDL joystick support unavailable";
        std::memset(keyboardState, 0, sizeof keyboardState);
        joystickFound = 0;
        gameState = 15;
        rumbleLow = rumbleHigh = 0;
        rumbleCalls = 0;
    }
    void TearDown() override
    {
        if (handle) SDL_JoystickClose(handle);
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        ShutdownGamePad();
    }

    int AttachController()
    {
        SDL_VirtualJoystickDesc desc;
        std::memset(&desc, 0, sizeof desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = 15;
        desc.button_mask = (1u << 15) - 1;  // A .. DPAD_RIGHT
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Virtual Test Pad";
        desc.Rumble = RecordRumble;
        return Attach(desc);
    }
    int AttachJoystick()
    {
        SDL_VirtualJoystickDesc desc;
        std::memset(&desc, 0, sizeof desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_FLIGHT_STICK;
        desc.naxes = 4;
        desc.nbuttons = 12;
        desc.nhats = 1;
        desc.name = "Virtual Test Stick";
        return Attach(desc);
    }
    int Attach(const SDL_VirtualJoystickDesc& desc)
    {
        device = SDL_JoystickAttachVirtualEx(&desc);
        if (device >= 0) handle = SDL_JoystickOpen(device);
        return device;
    }
    void Detach()
    {
        SDL_JoystickClose(handle);
        handle = nullptr;
        SDL_JoystickDetachVirtual(device);
        device = -1;
    }
    void Axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(handle, axis, value); }
    void Button(int button, bool down) { SDL_JoystickSetVirtualButton(handle, button, down ? 1 : 0); }
    void Tick()
    {
        PollGamepad();
        MapInputActions();
    }

    int device = -1;
    SDL_Joystick* handle = nullptr;
};

TEST_F(VirtualDevices, AGameControllerIsThePadWithButtonsSticksTriggersAndRumble)
{
    Tick();
    EXPECT_EQ(padConnected, 0);
    ASSERT_GE(AttachController(), 0) << SDL_GetError();
    ASSERT_NE(handle, nullptr);

    Button(SDL_CONTROLLER_BUTTON_A, true);
    Button(SDL_CONTROLLER_BUTTON_START, true);
    Tick();
    ASSERT_EQ(padConnected, 1);
    EXPECT_EQ(padButtons, XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_START);
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(actionRestart, 1);
    EXPECT_EQ(actionLeft, 0);

    Button(SDL_CONTROLLER_BUTTON_A, false);
    Button(SDL_CONTROLLER_BUTTON_START, false);
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    Button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    Tick();
    EXPECT_EQ(padButtons, XINPUT_GAMEPAD_DPAD_LEFT | XINPUT_GAMEPAD_LEFT_SHOULDER);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionAttack, 1);
    EXPECT_EQ(actionJump, 0);
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    Button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);

    // Sticks: y is turned to point up; the dead zone zeroes a small stick.
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -8000);
    Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
    Axis(SDL_CONTROLLER_AXIS_RIGHTX, 5000);
    Axis(SDL_CONTROLLER_AXIS_RIGHTY, -5000);
    Tick();
    EXPECT_EQ(padState.Gamepad.sThumbLX, -8000);
    EXPECT_EQ(padState.Gamepad.sThumbLY, 32767);
    EXPECT_EQ(padState.Gamepad.sThumbRX, 0);
    EXPECT_EQ(padState.Gamepad.sThumbRY, 0);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionLookUp, 0);
    Axis(SDL_CONTROLLER_AXIS_RIGHTY, 20000);
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    Tick();
    EXPECT_EQ(padState.Gamepad.sThumbRY, -20000);
    EXPECT_EQ(padState.Gamepad.bRightTrigger, 255);
    EXPECT_EQ(actionLookDown, 1);
    EXPECT_EQ(actionAttack, 1);

    dangerMeter = 100.0f;
    rumbleStrength = 255;
    rumbleEnabled = 0;  // rumble off: the pad hears nothing
    UpdateRumble();
    EXPECT_EQ(rumbleCalls, 0);
    rumbleEnabled = 1;
    rumbleStrength = 255;
    UpdateRumble();
    EXPECT_EQ(rumbleCalls, 1);
    EXPECT_EQ(rumbleLow, 65025);
    EXPECT_EQ(rumbleHigh, 25500);

    // Unplugged: the next poll sees no pad and no buttons.
    Detach();
    Tick();
    EXPECT_EQ(padConnected, 0);
    EXPECT_EQ(padButtons, 0);
    EXPECT_EQ(actionAttack, 0);
    dangerMeter = 0.0f;
    rumbleStrength = 0;
}

TEST_F(VirtualDevices, APlainJoystickIsReadAsADirectInputController)
{
    JoystickState state;
    EXPECT_FALSE(PollJoystick(&state));
    EXPECT_EQ(state.lX, 32767);
    EXPECT_EQ(state.rgdwPOV[0], 0xFFFFFFFFu);
    ASSERT_GE(AttachJoystick(), 0) << SDL_GetError();

    Axis(0, -32768);
    Axis(1, 32767);
    Axis(3, 0);
    Button(1, true);
    SDL_JoystickSetVirtualHat(handle, 0, SDL_HAT_LEFT);
    ASSERT_TRUE(PollJoystick(&state));
    XInputGamepad pad;
    EXPECT_FALSE(PollPad(&pad));  // a joystick without a mapping is not a pad
    EXPECT_EQ(state.lX, 0);
    EXPECT_EQ(state.lY, 65535);
    EXPECT_EQ(state.lRz, 32767);  // the fourth axis of a twin-stick pad
    EXPECT_EQ(state.rgdwPOV[0], 27000u);
    EXPECT_EQ(state.rgbButtons[1], 0x80);
    EXPECT_EQ(state.rgbButtons[0], 0);

    joystickState = state;
    joystickFound = 1;
    gameState = 2;
    Tick();
    EXPECT_EQ(padConnected, 0);
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionDown, 1);

    Detach();
    EXPECT_FALSE(PollJoystick(&state));
    joystickFound = 0;
}

}  // namespace
