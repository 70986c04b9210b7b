#pragma once
// The ambient colour that tints the whole picture, drifting through a ring of
// key colours: each level brings five, the menus have their own, a death
// fades to dark red and the goal to green.
#include <cstdint>

extern float colourKeys[5][4];
extern int colourPrevKey, colourNextKey;
extern int colourKeyCount;      // 4 or 5
extern int colourFadeTicks;     // ticks of one fade
extern int colourHoldTicks;     // recomputed every update
extern int colourCycleTicks;    // ticks since the keys last advanced
extern uint8_t colourReached[4];
extern float ambientColour[4];  // RGBA 0..255
extern uint32_t tintColour;     // ambientColour packed as opaque ARGB

// ARGB of the ambient colour times a factor, each channel truncated to its
// low 8 bits.
uint32_t AmbientArgb(uint32_t alpha, float factor);

// Once per tick on the in-game screen, the menus, the level pages and the credits.
void UpdateColourCycle();
void SetMenuColourCycle();
// The death and goal presets: keys 0-3 one colour, key 4 the current ambient.
void SetFadeToColourCycle(float r, float g, float b, int fadeTicks);
