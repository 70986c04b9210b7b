// The pad and joystick paths end to end, through SDL's virtual joystick
// driver: what a device reports arrives in the action flags and rumble
// reaches the device.
#include "gameplay/LevelAttempt.h"
#include "platform/GamePad.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "platform/VirtualPad.h"
#include "shared/GameStates.h"

namespace {

class VirtualDevices : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!InitGamePad()) GTEST_SKIP() << "SDL joystick support unavailable";
        std::memset(keyboardState, 0, sizeof keyboardState);
        joystickFound = 0;
        gameState = 15;
    }
    void TearDown() override
    {
        DetachVirtualController();
        DetachVirtualJoystick();
        ShutdownGamePad();
    }

    void Button(uint16_t xinputButton, bool down)
    {
        EXPECT_TRUE(SetVirtualPadButton(xinputButton, down)) << VirtualPadError();
    }
    void Axis(VirtualPadAxis axis, int16_t value)
    {
        EXPECT_TRUE(SetVirtualPadAxis(axis, value)) << VirtualPadError();
    }
    void StickAxis(int axis, int16_t value)
    {
        EXPECT_TRUE(SetVirtualJoystickAxis(axis, value)) << VirtualPadError();
    }
    void Tick()
    {
        PollGamepad();
        MapInputActions();
    }
};

TEST_F(VirtualDevices, AGameControllerIsThePadWithButtonsSticksTriggersAndRumble)
{
    Tick();
    EXPECT_EQ(padConnected, 0);
    ASSERT_TRUE(AttachVirtualController()) << VirtualPadError();

    Button(XINPUT_GAMEPAD_A, true);
    Button(XINPUT_GAMEPAD_START, true);
    Tick();
    ASSERT_EQ(padConnected, 1);
    EXPECT_EQ(padButtons, XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_START);
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(actionRestart, 1);
    EXPECT_EQ(actionLeft, 0);

    Button(XINPUT_GAMEPAD_A, false);
    Button(XINPUT_GAMEPAD_START, false);
    Button(XINPUT_GAMEPAD_DPAD_LEFT, true);
    Button(XINPUT_GAMEPAD_LEFT_SHOULDER, true);
    Tick();
    EXPECT_EQ(padButtons, XINPUT_GAMEPAD_DPAD_LEFT | XINPUT_GAMEPAD_LEFT_SHOULDER);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionAttack, 1);
    EXPECT_EQ(actionJump, 0);
    Button(XINPUT_GAMEPAD_DPAD_LEFT, false);
    Button(XINPUT_GAMEPAD_LEFT_SHOULDER, false);

    // Sticks: y is turned to point up; the dead zone zeroes a small stick.
    Axis(VirtualPadAxis::LeftX, -8000);
    Axis(VirtualPadAxis::LeftY, -32768);
    Axis(VirtualPadAxis::RightX, 5000);
    Axis(VirtualPadAxis::RightY, -5000);
    Tick();
    EXPECT_EQ(padState.Gamepad.sThumbLX, -8000);
    EXPECT_EQ(padState.Gamepad.sThumbLY, 32767);
    EXPECT_EQ(padState.Gamepad.sThumbRX, 0);
    EXPECT_EQ(padState.Gamepad.sThumbRY, 0);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionLookUp, 0);
    Axis(VirtualPadAxis::RightY, 20000);
    Axis(VirtualPadAxis::RightTrigger, 32767);
    Tick();
    EXPECT_EQ(padState.Gamepad.sThumbRY, -20000);
    EXPECT_EQ(padState.Gamepad.bRightTrigger, 255);
    EXPECT_EQ(actionLookDown, 1);
    EXPECT_EQ(actionAttack, 1);

    dangerMeter = 100.0f;
    rumbleStrength = 255;
    rumbleEnabled = 0;  // rumble off: the pad hears nothing
    UpdateRumble(dangerMeter);
    EXPECT_EQ(VirtualPadRumble().requests, 0);
    rumbleEnabled = 1;
    rumbleStrength = 255;
    UpdateRumble(dangerMeter);
    const VirtualRumble rumble = VirtualPadRumble();
    EXPECT_EQ(rumble.requests, 1);
    EXPECT_EQ(rumble.low, 65025);
    EXPECT_EQ(rumble.high, 25500);

    // Unplugged: the next poll sees no pad and no buttons.
    DetachVirtualController();
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
    ASSERT_TRUE(AttachVirtualJoystick(4, 12, 1)) << VirtualPadError();

    StickAxis(0, -32768);
    StickAxis(1, 32767);
    StickAxis(3, 0);
    EXPECT_TRUE(SetVirtualJoystickButton(1, true)) << VirtualPadError();
    EXPECT_TRUE(SetVirtualJoystickHat(0, VirtualHat::Left)) << VirtualPadError();
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

    DetachVirtualJoystick();
    EXPECT_FALSE(PollJoystick(&state));
    joystickFound = 0;
}

// The test aid must say so when an input cannot reach a device, or a pad
// test could pass on inputs that were never sent.
TEST_F(VirtualDevices, VirtualInputsWithoutADeviceAreRefusedWithAReason)
{
    EXPECT_FALSE(SetVirtualPadButton(XINPUT_GAMEPAD_A, true));
    EXPECT_NE(std::strstr(VirtualPadError(), "no virtual controller"), nullptr) << VirtualPadError();
    EXPECT_FALSE(SetVirtualJoystickHat(0, VirtualHat::Up));
    EXPECT_NE(std::strstr(VirtualPadError(), "no virtual joystick"), nullptr) << VirtualPadError();

    ASSERT_TRUE(AttachVirtualController()) << VirtualPadError();
    EXPECT_FALSE(AttachVirtualController());
    EXPECT_FALSE(SetVirtualPadButton(XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_B, true));
    EXPECT_FALSE(SetVirtualPadButton(0, true));
    ASSERT_TRUE(AttachVirtualJoystick(2, 2, 0)) << VirtualPadError();
    EXPECT_FALSE(SetVirtualJoystickAxis(2, 0));  // it has two axes
    EXPECT_FALSE(SetVirtualJoystickHat(0, VirtualHat::Up));
    EXPECT_STRNE(VirtualPadError(), "");

    // A shut-down joystick system took the devices with it: attaching again
    // starts afresh instead of reporting them still attached.
    ShutdownGamePad();
    EXPECT_FALSE(SetVirtualPadButton(XINPUT_GAMEPAD_A, true));
    ASSERT_TRUE(AttachVirtualController()) << VirtualPadError();
    EXPECT_TRUE(SetVirtualPadButton(XINPUT_GAMEPAD_A, true)) << VirtualPadError();
}

}  // namespace
