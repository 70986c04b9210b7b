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

// The turning discs and the six-layer landscape shared with the options and
// the credits. discX, discY: centre of the discs with the camera at 0; the
// discs move with the camera by discPanX / discPanY; spin scales their turn.
void DrawMenuDiscs(float discX, float discY, const float discPanX[4], const float discPanY[4],
                   float spin);
void DrawMenuLandscape();
// The three black trees and the black world circle standing on it.
void DrawMenuSilhouettes(float x1, float x2, float x3, float circleX);
