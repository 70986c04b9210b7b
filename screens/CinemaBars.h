#pragma once
// Overlays drawn over every screen: the black cinema bars of the screen
// transition, the player's total score, and the title of the level being
// started.

// offset: the transition curtain, 0 = open .. screenHeight / 2 = closed.
void DrawCinemaBars(int offset);
// Only on the main menu and the level pages (the caller tests the state).
void DrawTotalScore();
// While a level is being started, brightest while the bars are closed.
void DrawLevelTitle();
