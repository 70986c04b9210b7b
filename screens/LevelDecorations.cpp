#include "screens/LevelDecorations.h"

#include <cstdint>

#include "engine/ResourceCatalogue.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLoading.h"
#include "shared/LevelRecord.h"

namespace {

// Colours: black turns a picture into a black shape of its own outline,
// white shows it as it is, veiled shows it at alpha 200.
constexpr uint32_t black = 0xFF000000u;
constexpr uint32_t white = 0xFFFFFFFFu;
constexpr uint32_t veiled = 0xC8FFFFFFu;

constexpr int blackPicture = -1;  // the menu's black patch instead of a decoration slot

struct DecorationPlacement {
    int recordId;
    int decorSlot;  // levelDecor index, or blackPicture
    int worldX, worldY;  // the picture's top-left corner
    float scaleX;
    uint32_t colour;
};

// In drawing order per level; the slots hold the files the level table names
// (tunnel pictures of worlds 10, 17, 21, 30, 31, 34 and 37).
const DecorationPlacement placements[] = {
    {9, 4, 6841, 286, 1.0f, black},
    {16, 0, 2950, 571, 1.0f, black},
    {16, 1, 3572, 545, 1.0f, black},
    {16, 2, 791, 366, 1.0f, black},
    {16, 3, 1393, 725, 1.0f, black},
    {16, blackPicture, 776, 510, 1.21f, black},
    {16, blackPicture, 3136, 500, 1.0f, black},
    {20, 0, 2384, 491, 1.0f, black},
    {20, 1, 3634, 507, 1.0f, black},
    {20, 2, 4625, 527, 1.0f, black},
    {20, 3, 5711, 454, 1.0f, black},
    {34, 0, 3803, 384, 1.0f, white},
    {35, 0, 2269, 930, 1.0f, white},
    {35, 1, 1668, 1346, 1.0f, white},
    {38, 0, 3028, 424, 1.0f, veiled},
    {41, 0, 648, 768, 1.0f, veiled},
    {41, 1, 4651, 443, 1.0f, veiled},
};

}  // namespace

void DrawLevelDecorations()
{
    const int id = currentLevel.recordId;
    for (const DecorationPlacement& p : placements) {
        if (p.recordId != id) continue;
        SpriteTexture& picture =
            p.decorSlot == blackPicture ? blackSprite : levelDecor[p.decorSlot];
        picture.DrawSpriteShifted(static_cast<float>(p.worldX - cameraX),
                                  static_cast<float>(p.worldY - cameraY), 0.0f, p.scaleX, 1.0f,
                                  0.0f, 0.0f, p.colour);
    }
}

bool LevelDecorationPosition(int recordId, int decorSlot, int* worldX, int* worldY)
{
    for (const DecorationPlacement& p : placements)
        if (p.recordId == recordId && p.decorSlot == decorSlot) {
            *worldX = p.worldX;
            *worldY = p.worldY;
            return true;
        }
    return false;
}
