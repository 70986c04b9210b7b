#pragma once
// Keyboard, DirectInput-style controller and pad turned into the per-tick
// action flags the rest of the game reads, plus the pad's rumble motors.
#include <cstdint>

#include "platform/GamePad.h"

// Pad 0 as the last poll saw it (sticks after the dead zone).
extern XInputState padState;
extern uint8_t padConnected;     // 1 when the pad answered the last poll
extern uint16_t padButtons;      // 0 while no pad is connected
extern XInputVibration padVibration;
extern uint8_t rumbleSent;       // 0 after PollGamepad, 1 after UpdateRumble
extern int32_t rumbleStrength;   // 0..255; a kill sets 255, decays 12 per tick

// The thirteen action flags, 1 while held in this tick, rewritten completely
// by every MapInputActions.
extern uint8_t actionJump;
extern uint8_t actionConfirm;
extern uint8_t actionAttack;
extern uint8_t actionLeft;
extern uint8_t actionRight;
extern uint8_t actionUp;
extern uint8_t actionDown;
extern uint8_t actionBack;
extern uint8_t actionRestart;
extern uint8_t actionLookUp;
extern uint8_t actionLookDown;
extern uint8_t actionLookLeft;
extern uint8_t actionLookRight;

// One tick's flags as a record, so a replay can store and restore them.
struct ActionFlags {
    uint8_t actionJump, actionConfirm, actionAttack, actionLeft, actionRight, actionUp,
        actionDown, actionBack, actionRestart, actionLookUp, actionLookDown, actionLookLeft,
        actionLookRight;
};
ActionFlags CaptureActionFlags();
void RestoreActionFlags(const ActionFlags& flags);

// Once per update tick, right after the keyboard/controller poll.
void PollGamepad();
// What PollGamepad does with a reading of the pad (a new packet number when
// anything changed, the dead zone, the buttons) and with no answer; the test
// harness feeds its scripted pad through the same two.
void TakePadReading(const XInputGamepad& pad);
void TakeNoPadReading();
// Square dead zone per stick; only while the pad is connected.
void ApplyStickDeadZone(int pad);
// Once per update tick, after both polls, before the screen logic.
void MapInputActions();
// Once per update tick, at its end: the Vop's danger meter (0..255) drives
// the fast motor, a kill's rumbleStrength the slow one.
void UpdateRumble(float dangerMeter);
