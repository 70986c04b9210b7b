#include "engine/InputActions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "gameplay/LevelAttempt.h"
#include "shared/GameStates.h"

namespace {

class InputMapping : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(keyboardState, 0, sizeof keyboardState);
        std::memset(&joystickState, 0, sizeof joystickState);
        joystickState.lX = joystickState.lY = joystickState.lZ = joystickState.lRz = 32767;
        joystickState.rgdwPOV[0] = 0xFFFFFFFFu;
        joystickFound = 0;
        std::memset(&padState, 0, sizeof padState);
        padConnected = 0;
        padButtons = 0;
        gameState = 2;
    }
    void Pad(uint16_t buttons, int16_t lx = 0, int16_t ly = 0, int16_t rx = 0, int16_t ry = 0)
    {
        padConnected = 1;
        padState.Gamepad.wButtons = buttons;
        padState.Gamepad.sThumbLX = lx;
        padState.Gamepad.sThumbLY = ly;
        padState.Gamepad.sThumbRX = rx;
        padState.Gamepad.sThumbRY = ry;
        ApplyStickDeadZone(0);
        padButtons = buttons;
    }
    static int Held()
    {
        const ActionFlags f = CaptureActionFlags();
        return f.actionJump + f.actionConfirm + f.actionAttack + f.actionLeft + f.actionRight + f.actionUp +
               f.actionDown + f.actionBack + f.actionRestart + f.actionLookUp + f.actionLookDown +
               f.actionLookLeft + f.actionLookRight;
    }
};

TEST_F(InputMapping, KeysFeedTheirFlagsAndSharedKeysFeedSeveral)
{
    keyboardState[DIK_SPACE] = 0x80;
    MapInputActions();
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(Held(), 2);

    keyboardState[DIK_SPACE] = 0x7F;  // only bit 0x80 means down
    keyboardState[DIK_RETURN] = 0x80;
    MapInputActions();
    EXPECT_EQ(actionJump, 0);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(actionRestart, 1);
    EXPECT_EQ(Held(), 2);
}

TEST_F(InputMapping, EveryAttackKeyAttacksAndNoOtherKeyDoes)
{
    const uint8_t attackKeys[] = {DIK_A, DIK_M, DIK_Z, DIK_Q, DIK_P, DIK_1, DIK_0, DIK_MINUS,
                                  DIK_LCONTROL, DIK_RCONTROL, DIK_LSHIFT, DIK_RSHIFT, DIK_TAB,
                                  DIK_COMMA, DIK_PERIOD, DIK_CAPITAL, DIK_APOSTROPHE, DIK_LBRACKET,
                                  DIK_SEMICOLON};
    for (uint8_t key : attackKeys) {
        keyboardState[key] = 0x80;
        MapInputActions();
        EXPECT_EQ(actionAttack, 1) << int(key);
        keyboardState[key] = 0;
    }
    int attackingKeys = 0;
    for (int key = 0; key < 256; ++key) {
        keyboardState[key] = 0x80;
        MapInputActions();
        attackingKeys += actionAttack;
        keyboardState[key] = 0;
    }
    EXPECT_EQ(attackingKeys, 26 + 11 + 11);
}

TEST_F(InputMapping, BackAndUpDependOnBeingInGame)
{
    keyboardState[DIK_BACK] = 0x80;
    MapInputActions();
    EXPECT_EQ(actionBack, 1);
    gameState = 15;
    MapInputActions();
    EXPECT_EQ(actionBack, 0);
    keyboardState[DIK_BACK] = 0;

    Pad(XINPUT_GAMEPAD_B, 0, 20000);
    MapInputActions();
    EXPECT_EQ(actionBack, 0);
    EXPECT_EQ(actionAttack, 1);
    EXPECT_EQ(actionUp, 0);  // no stick-up in game
    gameState = 5;
    MapInputActions();
    EXPECT_EQ(actionBack, 1);
    EXPECT_EQ(actionAttack, 1);
    EXPECT_EQ(actionUp, 1);
}

TEST_F(InputMapping, StickDeadZoneIsSquarePerStick)
{
    Pad(0, -7000, 20000, 7000, 7000);
    EXPECT_EQ(padState.Gamepad.sThumbLX, -7000);  // LY outside keeps both
    EXPECT_EQ(padState.Gamepad.sThumbLY, 20000);
    EXPECT_EQ(padState.Gamepad.sThumbRX, 0);
    EXPECT_EQ(padState.Gamepad.sThumbRY, 0);
    Pad(0, 7864, -7864, -7865, 0);
    EXPECT_EQ(padState.Gamepad.sThumbLX, 0);
    EXPECT_EQ(padState.Gamepad.sThumbLY, 0);
    EXPECT_EQ(padState.Gamepad.sThumbRX, -7865);

    // Only while a pad is connected.
    padConnected = 0;
    padState.Gamepad.sThumbLX = 100;
    ApplyStickDeadZone(0);
    EXPECT_EQ(padState.Gamepad.sThumbLX, 100);
}

TEST_F(InputMapping, PadStickSteersAtAnyDeflectionInGameButNeedsMoreInMenus)
{
    gameState = 15;
    Pad(0, -8000, 0);
    MapInputActions();
    EXPECT_EQ(actionLeft, 1);
    Pad(0, -7000, 20000);
    MapInputActions();
    EXPECT_EQ(actionLeft, 1);
    gameState = 2;
    Pad(0, -8000, 0);
    MapInputActions();
    EXPECT_EQ(actionLeft, 0);
    Pad(0, -10000, 0);
    MapInputActions();
    EXPECT_EQ(actionLeft, 0);  // strictly beyond
    Pad(0, 10001, -10001);
    MapInputActions();
    EXPECT_EQ(actionRight, 1);
    EXPECT_EQ(actionDown, 1);
    Pad(0, 0, 0, 7000, 7000);
    MapInputActions();
    EXPECT_EQ(Held(), 0);
    Pad(0, 0, 0, -9000, 9000);
    MapInputActions();
    EXPECT_EQ(actionLookLeft, 1);
    EXPECT_EQ(actionLookUp, 1);
    EXPECT_EQ(Held(), 2);
}

TEST_F(InputMapping, PadButtonsAndTriggers)
{
    Pad(XINPUT_GAMEPAD_A);
    MapInputActions();
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(Held(), 2);
    Pad(XINPUT_GAMEPAD_Y | XINPUT_GAMEPAD_START);
    MapInputActions();
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 0);
    EXPECT_EQ(actionRestart, 1);
    Pad(0);
    padState.Gamepad.bRightTrigger = 1;
    MapInputActions();
    EXPECT_EQ(actionAttack, 1);
    Pad(XINPUT_GAMEPAD_DPAD_UP | XINPUT_GAMEPAD_DPAD_LEFT);
    gameState = 15;
    MapInputActions();
    EXPECT_EQ(actionUp, 1);
    EXPECT_EQ(actionLeft, 1);
}

TEST_F(InputMapping, JoystickCountsOnlyWhenFoundAndNoPadIsConnected)
{
    joystickState.rgbButtons[1] = 0x80;
    joystickState.lX = 29999;
    joystickState.lZ = 34001;
    MapInputActions();
    EXPECT_EQ(Held(), 0);  // not found
    joystickFound = 1;
    MapInputActions();
    EXPECT_EQ(actionJump, 1);
    EXPECT_EQ(actionConfirm, 1);
    EXPECT_EQ(actionLeft, 1);
    EXPECT_EQ(actionLookDown, 1);
    EXPECT_EQ(Held(), 4);
    Pad(0);
    MapInputActions();
    EXPECT_EQ(Held(), 0);  // the pad takes over entirely
    keyboardState[DIK_LEFT] = 0x80;
    MapInputActions();
    EXPECT_EQ(actionLeft, 1);  // keys always count
}

TEST_F(InputMapping, JoystickAxesAreStrictAndThePovCountsOnlyAtItsExactAngles)
{
    joystickFound = 1;
    joystickState.lX = 30000;
    joystickState.lY = 34000;
    joystickState.lRz = 30000;
    MapInputActions();
    EXPECT_EQ(Held(), 0);
    joystickState.lX = 32767;
    joystickState.lY = 32767;
    joystickState.rgdwPOV[0] = 27000;
    MapInputActions();
    EXPECT_EQ(actionLeft, 1);
    joystickState.rgdwPOV[0] = 31500;  // a diagonal is neither
    MapInputActions();
    EXPECT_EQ(Held(), 0);
    joystickState.rgdwPOV[0] = 0;
    MapInputActions();
    EXPECT_EQ(actionUp, 1);
    gameState = 15;
    MapInputActions();
    EXPECT_EQ(actionUp, 0);
    joystickState.rgdwPOV[0] = 0xFFFFFFFFu;
    joystickState.rgbButtons[2] = 0x80;
    MapInputActions();
    EXPECT_EQ(actionAttack, 1);
    EXPECT_EQ(actionBack, 0);
    gameState = 2;
    MapInputActions();
    EXPECT_EQ(actionBack, 1);
}

TEST(Rumble, MotorsFollowDangerAndKillsAndTheKickDecays)
{
    padConnected = 1;
    rumbleEnabled = 0;  // nothing to send to
    padVibration = XInputVibration{0, 0};
    dangerMeter = 254.9f;
    rumbleStrength = 5;
    UpdateRumble(dangerMeter);
    EXPECT_EQ(padVibration.wRightMotorSpeed, 64999);
    EXPECT_EQ(padVibration.wLeftMotorSpeed, 1275);
    EXPECT_EQ(rumbleStrength, 0);
    EXPECT_EQ(rumbleSent, 1);

    rumbleStrength = 255;
    dangerMeter = 0.0f;
    UpdateRumble(dangerMeter);
    EXPECT_EQ(padVibration.wLeftMotorSpeed, 65025);
    EXPECT_EQ(padVibration.wRightMotorSpeed, 0);
    EXPECT_EQ(rumbleStrength, 243);
    int ticks = 1;
    while (rumbleStrength > 0) {
        UpdateRumble(dangerMeter);
        ++ticks;
    }
    EXPECT_EQ(ticks, 22);

    // Without a pad the motors keep what the poll left.
    padConnected = 0;
    padVibration = XInputVibration{0, 0};
    rumbleStrength = 100;
    dangerMeter = 100.0f;
    UpdateRumble(dangerMeter);
    EXPECT_EQ(padVibration.wLeftMotorSpeed, 0);
    EXPECT_EQ(padVibration.wRightMotorSpeed, 0);
    EXPECT_EQ(rumbleStrength, 88);
    rumbleEnabled = 1;
}

}  // namespace
