#pragma once
// The Vop's glowing trail: a ring of 75 entries, one written per tick at the
// Vop's position. Entries written while attacking are hot and burn walkers
// and bouncers.
#include <cstdint>

constexpr int trailEntries = 75;

extern int trailLength;  // 75
extern float trailX[trailEntries], trailY[trailEntries];
extern float trailAlpha[trailEntries];
extern float trailScale[trailEntries];
extern uint8_t trailHot[trailEntries];
extern int trailHead;  // the entry written next
extern int trailNext;  // the entry after the one just written

// Once per in-game tick, after the danger update; also clamps the danger
// meter to 0..255 (its only clamp).
void UpdateTrail();
// The menus' trail, following the pointer in playerX, playerY.
void UpdateMenuTrail();
