#pragma once
// Which part of the level the screen shows: follows the Vop, with a vertical
// dead zone and a look-around offset that springs back. It moves cameraX and
// cameraY, which live with the sprite drawing that reads them.
#include "engine/SpriteTexture.h"

// Follow position before the look offset; cameraBaseY carries the dead zone.
extern int cameraBaseX, cameraBaseY;
// Look-around offset and its limit in each direction.
extern float lookX, lookY;
extern const int lookMax;
// Look speed of this tick (pixels per tick); the menu screens pan with it too.
extern float menuScrollX, menuScrollY;

// Once per in-game tick, after the Vop physics.
void UpdateCamera();
