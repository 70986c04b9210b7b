#pragma once
#include <cstdint>

// Single-precision power and sine, computed in double and rounded once, so
// that every caller sees the same bits whatever the compiler does with floats.
float PowF(float x, float y);
float SinF(float x);

// Volume factor of an object's sound heard at the listener: 1 within range,
// then a hyperbolic falloff that halves at range + range / falloff.
float DistanceVolume(int32_t listenerX, int32_t listenerY, int32_t sourceX, int32_t sourceY,
                     float range, float falloff);

// Cosine ease from `from` (percent 0) to `to` (percent 100), not clamped.
float EaseBetween(float from, float to, float percent);
// Distance between the points at most r.
bool IsWithinDistance(float ax, float ay, float bx, float by, float r);
