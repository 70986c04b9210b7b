#include "engine/InputActions.h"

#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "shared/GameStates.h"

XInputState padState;
uint8_t padConnected = 0;
uint16_t padButtons = 0;
XInputVibration padVibration;
uint8_t rumbleSent = 0;
int32_t rumbleStrength = 0;

uint8_t actionJump = 0;
uint8_t actionConfirm = 0;
uint8_t actionAttack = 0;
uint8_t actionLeft = 0;
uint8_t actionRight = 0;
uint8_t actionUp = 0;
uint8_t actionDown = 0;
uint8_t actionBack = 0;
uint8_t actionRestart = 0;
uint8_t actionLookUp = 0;
uint8_t actionLookDown = 0;
uint8_t actionLookLeft = 0;
uint8_t actionLookRight = 0;

namespace {

// The stick's dead zone as XInput documents it (0.24 of full deflection).
constexpr double kDeadZone = 7864.07958984375;

// Every key that attacks: all letters, the number row with minus, both
// Ctrl and Shift keys and a few punctuation keys.
const uint8_t kAttackKeys[] = {
    DIK_A, DIK_B, DIK_C, DIK_D, DIK_E, DIK_F, DIK_G, DIK_H, DIK_I, DIK_J, DIK_K, DIK_L, DIK_M,
    DIK_N, DIK_O, DIK_P, DIK_Q, DIK_R, DIK_S, DIK_T, DIK_U, DIK_V, DIK_W, DIK_X, DIK_Y, DIK_Z,
    DIK_1, DIK_2, DIK_3, DIK_4, DIK_5, DIK_6, DIK_7, DIK_8, DIK_9, DIK_0, DIK_MINUS,
    DIK_LCONTROL, DIK_RCONTROL, DIK_LSHIFT, DIK_RSHIFT, DIK_TAB, DIK_COMMA, DIK_PERIOD,
    DIK_CAPITAL, DIK_APOSTROPHE, DIK_LBRACKET, DIK_SEMICOLON,
};

bool Key(uint8_t code) { return (keyboardState[code] & 0x80) != 0; }
bool JoyButton(int index) { return (joystickState.rgbButtons[index] & 0x80) != 0; }
bool PadButton(uint16_t mask) { return (padButtons & mask) != 0; }

void DeadZone(int16_t* x, int16_t* y)
{
    if (-kDeadZone < *x && *x < kDeadZone && -kDeadZone < *y && *y < kDeadZone) {
        *x = 0;
        *y = 0;
    }
}

uint8_t Flag(bool held) { return held ? 1 : 0; }

}  // namespace

ActionFlags CaptureActionFlags()
{
    return ActionFlags{actionJump,    actionConfirm,  actionAttack,   actionLeft,    actionRight,
                       actionUp,      actionDown,     actionBack,     actionRestart, actionLookUp,
                       actionLookDown, actionLookLeft, actionLookRight};
}

void RestoreActionFlags(const ActionFlags& f)
{
    actionJump = f.actionJump;
    actionConfirm = f.actionConfirm;
    actionAttack = f.actionAttack;
    actionLeft = f.actionLeft;
    actionRight = f.actionRight;
    actionUp = f.actionUp;
    actionDown = f.actionDown;
    actionBack = f.actionBack;
    actionRestart = f.actionRestart;
    actionLookUp = f.actionLookUp;
    actionLookDown = f.actionLookDown;
    actionLookLeft = f.actionLookLeft;
    actionLookRight = f.actionLookRight;
}

void TakePadReading(const XInputGamepad& pad)
{
    const XInputGamepad& old = padState.Gamepad;
    if (pad.wButtons != old.wButtons || pad.bLeftTrigger != old.bLeftTrigger ||
        pad.bRightTrigger != old.bRightTrigger || pad.sThumbLX != old.sThumbLX ||
        pad.sThumbLY != old.sThumbLY || pad.sThumbRX != old.sThumbRX || pad.sThumbRY != old.sThumbRY)
        ++padState.dwPacketNumber;
    padState.Gamepad = pad;
    padConnected = 1;
    ApplyStickDeadZone(0);
    padButtons = padState.Gamepad.wButtons;
}

void TakeNoPadReading()
{
    // The last stick values stay as they were; nothing reads them without a
    // connected pad.
    padConnected = 0;
    padButtons = 0;
}

void PollGamepad()
{
    XInputGamepad pad = padState.Gamepad;
    if (PollPad(&pad))
        TakePadReading(pad);
    else
        TakeNoPadReading();
    padVibration.wLeftMotorSpeed = 0;
    padVibration.wRightMotorSpeed = 0;
    rumbleSent = 0;
}

void ApplyStickDeadZone(int pad)
{
    (void)pad;  // only pad 0 exists
    if (!padConnected) return;
    // Square, per stick: one axis outside keeps both axes' raw values.
    DeadZone(&padState.Gamepad.sThumbLX, &padState.Gamepad.sThumbLY);
    DeadZone(&padState.Gamepad.sThumbRX, &padState.Gamepad.sThumbRY);
}

void MapInputActions()
{
    const bool inGame = gameState == InGame;
    const bool joy = padConnected == 0 && joystickFound == 1;
    const bool pad = padConnected == 1;
    const JoystickState& js = joystickState;
    const XInputGamepad& gp = padState.Gamepad;
    const uint32_t pov = js.rgdwPOV[0];

    bool attack = false;
    for (uint8_t key : kAttackKeys) attack = attack || Key(key);
    attack = attack ||
             (joy && (JoyButton(0) || JoyButton(2) || JoyButton(4) || JoyButton(5) || JoyButton(6) ||
                      JoyButton(7))) ||
             (pad && (PadButton(XINPUT_GAMEPAD_B) || PadButton(XINPUT_GAMEPAD_X) ||
                      PadButton(XINPUT_GAMEPAD_LEFT_SHOULDER) || PadButton(XINPUT_GAMEPAD_RIGHT_SHOULDER) ||
                      gp.bLeftTrigger > 0 || gp.bRightTrigger > 0));
    actionAttack = Flag(attack);

    actionJump = Flag(Key(DIK_SPACE) || (joy && (JoyButton(1) || JoyButton(3))) ||
                      (pad && (PadButton(XINPUT_GAMEPAD_A) || PadButton(XINPUT_GAMEPAD_Y))));

    actionConfirm = Flag(Key(DIK_SPACE) || Key(DIK_RETURN) || (joy && (JoyButton(1) || JoyButton(3))) ||
                         (pad && PadButton(XINPUT_GAMEPAD_A)));

    // In game any stick deflection past the dead zone steers; in menus the
    // stick must be pushed further so it does not wander between buttons.
    const int stickNeed = inGame ? 0 : 10000;
    actionLeft = Flag(Key(DIK_LEFT) || (joy && (js.lX < 30000 || pov == 27000)) ||
                      (pad && (PadButton(XINPUT_GAMEPAD_DPAD_LEFT) || gp.sThumbLX < -stickNeed)));
    actionRight = Flag(Key(DIK_RIGHT) || (joy && (js.lX > 34000 || pov == 9000)) ||
                       (pad && (PadButton(XINPUT_GAMEPAD_DPAD_RIGHT) || gp.sThumbLX > stickNeed)));

    // In game the stick gives no up; only the key and the d-pad do.
    if (inGame)
        actionUp = Flag(Key(DIK_UP) || (pad && PadButton(XINPUT_GAMEPAD_DPAD_UP)));
    else
        actionUp = Flag(Key(DIK_UP) || (joy && (js.lY < 30000 || pov == 0)) ||
                        (pad && (PadButton(XINPUT_GAMEPAD_DPAD_UP) || gp.sThumbLY > 10000)));
    actionDown = Flag(Key(DIK_DOWN) || (joy && (js.lY > 34000 || pov == 18000)) ||
                      (pad && (PadButton(XINPUT_GAMEPAD_DPAD_DOWN) || gp.sThumbLY < -10000)));

    if (inGame)
        actionBack = Flag(Key(DIK_ESCAPE) || (joy && (JoyButton(8) || JoyButton(11) || JoyButton(12))) ||
                          (pad && PadButton(XINPUT_GAMEPAD_BACK)));
    else
        actionBack = Flag(Key(DIK_ESCAPE) || Key(DIK_BACK) ||
                          (joy && (JoyButton(8) || JoyButton(11) || JoyButton(12) || JoyButton(2))) ||
                          (pad && (PadButton(XINPUT_GAMEPAD_BACK) || PadButton(XINPUT_GAMEPAD_B))));

    actionRestart = Flag(Key(DIK_RETURN) || (joy && JoyButton(9)) || (pad && PadButton(XINPUT_GAMEPAD_START)));

    actionLookUp = Flag(Key(DIK_NUMPAD8) || (joy && js.lZ < 30000) || (pad && gp.sThumbRY > 0));
    actionLookDown = Flag(Key(DIK_NUMPAD2) || (joy && js.lZ > 34000) || (pad && gp.sThumbRY < 0));
    actionLookLeft = Flag(Key(DIK_NUMPAD4) || (joy && js.lRz < 30000) || (pad && gp.sThumbRX < 0));
    actionLookRight = Flag(Key(DIK_NUMPAD6) || (joy && js.lRz > 34000) || (pad && gp.sThumbRX > 0));
}

void UpdateRumble(float dangerMeter)
{
    if (padConnected) {
        // The heat of the Vop drives the fast motor, a kill the slow one.
        float heat = dangerMeter * 255.0f;
        if (!(heat > 0.0f)) heat = 0.0f;  // also catches NaN
        if (heat > 65535.0f) heat = 65535.0f;
        padVibration.wRightMotorSpeed = static_cast<uint16_t>(heat);
        int32_t kick = rumbleStrength;
        if (kick < 0) kick = 0;
        if (kick > 255) kick = 255;
        padVibration.wLeftMotorSpeed = static_cast<uint16_t>(kick * 255);
    }
    if (rumbleEnabled) SetPadRumble(padVibration.wLeftMotorSpeed, padVibration.wRightMotorSpeed);
    rumbleSent = 1;
    rumbleStrength -= 12;
    if (rumbleStrength < 0) rumbleStrength = 0;
}
