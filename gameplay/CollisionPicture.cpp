#include "gameplay/CollisionPicture.h"

#include <cmath>
#include <cstdio>
#include <vector>

const uint32_t* collPixels = nullptr;
int collPitch = 0;
int levelWidth = 0;
int levelHeight = 0;

namespace {
// One row of empty pixels read with a pitch of 0: every row of the level maps
// onto it, so an empty picture of any level size costs one row of memory.
std::vector<uint32_t> emptyRow;
}

void UseEmptyCollisionPicture(int width, int height)
{
    levelWidth = width;
    levelHeight = height;
    size_t need = width > 0 ? static_cast<size_t>(width) : 1u;
    if (emptyRow.size() < need) emptyRow.assign(need, 0u);
    collPixels = emptyRow.data();
    collPitch = 0;
}

bool UseCollisionPixels(const uint32_t* pixels, int pitch, int width, int height)
{
    if (pixels == nullptr || width != levelWidth || height != levelHeight || pitch < width) {
        if (pixels == nullptr)
            std::fprintf(stderr, "Collision picture missing: playing against an empty picture of %d x %d\n",
                         levelWidth, levelHeight);
        else
            std::fprintf(stderr,
                         "Collision picture is %d x %d (pitch %d), the level is %d x %d: "
                         "playing against an empty picture\n",
                         width, height, pitch, levelWidth, levelHeight);
        UseEmptyCollisionPicture(levelWidth, levelHeight);
        return false;
    }
    collPixels = pixels;
    collPitch = pitch;
    return true;
}

bool IsSolidRow(int x, int y, int halfWidth, int dy)
{
    const int py = y + dy;
    for (int i = 0; i < 2 * halfWidth; i += 2) {
        const int px = x - halfWidth + i;
        if (IsBorderPoint(px, py)) return true;
        const uint32_t c = collPixels[py * collPitch + px];
        if (c == solidColour || c == platformColour) return true;
    }
    return false;
}

bool IsSolidForHead(int px, int py)
{
    if (IsBorderPoint(px, py)) return true;
    return collPixels[py * collPitch + px] == solidColour;
}

namespace {
bool IsDeadlyAt(int px, int py, int pitch, const uint32_t* pixels)
{
    // No border rule here; a point outside the picture is not deadly rather
    // than a read of a neighbouring row or of memory beyond the picture.
    if (px < 0 || py < 0 || px >= levelWidth || py >= levelHeight) return false;
    return pixels[py * pitch + px] == deadlyColour;
}
}

bool TouchesDeadlyPixel(int x, int y, int r, int pitch, const uint32_t* pixels)
{
    if (pixels == nullptr) return false;
    const int points[11][2] = {
        {x - r, y - r}, {x, y - r},     {x + r, y - r},
        {x - r, y},     {x, y},         {x + r, y},
        {x - r, y + r}, {x, y + r},
        {x, y + r + 2}, {x, y + r + 4}, {x, y + r + 5},
    };
    for (const auto& p : points)
        if (IsDeadlyAt(p[0], p[1], pitch, pixels)) return true;
    return false;
}

