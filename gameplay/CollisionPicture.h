#pragma once
// The level's terrain is a picture: white is solid, silver is a platform the
// feet stand on, navy kills. Every probe of the Vop and of the objects reads
// single pixels of it.
#include <cstdint>

constexpr uint32_t solidColour = 0xFFFFFFFFu;
constexpr uint32_t platformColour = 0xFFC0C0C0u;
constexpr uint32_t deadlyColour = 0xFF000080u;

// The collision picture, exactly levelWidth x levelHeight pixels (A8R8G8B8,
// row after row); pixel (x, y) is collPixels[y * collPitch + x]. Set by level
// loading; never null once a level is loaded.
extern const uint32_t* collPixels;
extern int collPitch;
extern int levelWidth;
extern int levelHeight;

// The border rule: points on or beyond the left and top edges and within
// five pixels of the right and lower edges count as solid without reading.
inline bool IsBorderPoint(int px, int py)
{
    return px <= 0 || py <= 0 || px + 5 >= levelWidth || py + 5 >= levelHeight;
}

// Solid ground (white or silver, or the border) anywhere in row y + dy under
// x - halfWidth .. x + halfWidth - 2, sampled every second pixel.
bool IsSolidRow(int x, int y, int halfWidth, int dy);
// Head and side probes: white or the border; silver lets the Vop through.
bool IsSolidForHead(int px, int py);
// Any of the eleven sample points around (x, y) navy. Points outside the
// picture are not deadly.
bool TouchesDeadlyPixel(int x, int y, int r, int pitch, const uint32_t* pixels);

// Points the probes at a picture in memory of exactly width x height pixels
// (pitch >= width). Returns false, and plays against an empty picture of the
// level's size, when the picture is missing or its size is not the level's.
bool UseCollisionPixels(const uint32_t* pixels, int pitch, int width, int height);
// Sets the level size and an empty (all non-solid) picture of that size.
void UseEmptyCollisionPicture(int width, int height);
