#pragma once
// The two timed intro screens (states 0 and 1) and the credits screen
// (state 4).
#include <cstdint>

extern int32_t introTimer;    // +2 per update; starts at -65 for each screen
extern int32_t introAlpha1;   // opacity of the first line, 0..255
extern int32_t introAlpha2;   // opacity of the second line

// The intro's "presents" and "a game by" in the game's language.
const char* IntroPresentsWord(int language);
const char* IntroGameByWords(int language);

// One update of the running intro screen; keys and clicks play no part.
void StepIntroScreen();
void DrawIntroScreen();

void StepCreditsScreen();
void DrawCreditsScreen();
