#pragma once
// The main menu (state 2): the five world buttons that open the level pages,
// options, credits, the two-press progress reset and the exit, in front of a
// slowly panning landscape.
#include <cstdint>

extern uint8_t resetArmed;      // reset pressed once, waiting for the confirming press
extern uint8_t resetPressHeld;  // confirm or a click was active in the previous tick

// The play-order place from which each world's page opens.
extern const int32_t worldOpensAt[5];
// The level page (game state) of world 1..5, by index 0..4.
extern const int32_t worldPageState[5];

void StepMainMenuScreen();
void DrawMainMenuScreen();
