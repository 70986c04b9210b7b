#pragma once
// The options (state 3): pad rumble, checkpoints and difficulty, each taking
// effect the moment it is chosen; the file is written on the way out.
#include <cstdint>

struct OptionButton {
    int32_t x;           // centre with the camera at 0
    int32_t fromMiddle;  // centre y relative to the integer half screen height
    float pan;           // how much the button moves with the camera
    int32_t focusId;
    float turn;          // rotation is turn x wobble
    float grow;          // scale is 1 + grow x wobble
    int32_t label;       // optionsmenu entry
};
constexpr int optionButtonCount = 7;
// Rumble on, off; checkpoints on, off; difficulty 1, 2, 3.
extern const OptionButton optionButtons[optionButtonCount];

float OptionButtonX(const OptionButton& button);
float OptionButtonY(const OptionButton& button);

void StepOptionsScreen();
void DrawOptionsScreen();
