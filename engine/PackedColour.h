#pragma once
// Packing float colour channels into the 32-bit ARGB words the sprite batch
// takes.
#include <cstdint>

// Truncates toward zero; a value no int can hold (never produced by the
// game) gives 0 instead of undefined behaviour.
inline int32_t Trunc(float value)
{
    if (!(value > -2147483648.0f && value < 2147483648.0f)) return 0;
    return static_cast<int32_t>(value);
}

// A channel: truncated, then its low 8 bits (so 256 wraps to 0).
inline uint32_t Channel(float value) { return static_cast<uint32_t>(Trunc(value)) & 255u; }

inline uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b)
{
    return (a & 255u) << 24 | (r & 255u) << 16 | (g & 255u) << 8 | (b & 255u);
}
