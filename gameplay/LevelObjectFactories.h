#pragma once
// The factories with which the level definitions build most objects. Each
// returns a fresh alive object with the constructor's defaults and the fields
// of its kind; float arguments that become whole-number fields are truncated.
#include <cstdint>

#include "shared/LevelRecord.h"

LevelObject MakeWalkerObject(int32_t x, int32_t y, float left, float right, int32_t speed, uint8_t startLeft);
LevelObject MakeBouncerObject(int32_t x, int32_t y, float left, float right, int32_t bounce, uint8_t autoRange);
LevelObject MakeDroppedBouncerObject(int32_t x, int32_t y, int32_t dy, float left, float right, int32_t bounce,
                                     uint8_t autoRange);
LevelObject MakeCeilingDropperObject(int32_t x, int32_t y, float trigX, float trigY);
// (x, y) is the gear picture's top left; the object sits at its centre.
LevelObject MakeGearObject(int32_t x, int32_t y, float angle, float turn, int32_t kind);
// As MakeGearObject, with y measured upward from world y 1024.
LevelObject MakeGearObjectFlipped(int32_t x, int32_t y, float angle, float turn, int32_t kind);
LevelObject MakeCannonObject(float pivotX, float pivotY, float fromDeg, float toDeg, float shotSpeed,
                             float shotSpeed2, float sweepSpeed, uint8_t wrap, int32_t extra1, int32_t extra2);

// Gives every slot of the live level fresh kill points, 8 to 12, one draw of
// the simulation's random sequence per slot in slot order.
void RandomiseKillScores();
