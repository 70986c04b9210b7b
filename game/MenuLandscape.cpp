#include "game/MenuLandscape.h"

#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/MenuKit.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/ColourCycle.h"

namespace {

// The menu landscape, back to front, in six depth layers. The darker near
// layers stay low left of the world circle: the lower row's names and the
// options' headings and labels are black and must be read over light ground.
#define E(pic, x, rise, cx, cy, scale, lean, sway, spin, par, bright) \
    {&pic, x, rise, cx, cy, scale, lean, sway, spin, par, bright}
const LandscapeElement menuLandscape[] = {
    // far hills with trees and a windmill
    E(sceneryHill1, 520, 106, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree2, 380, 340, 255, 510, 0.4f, -0.4f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree1, 512, 350, 220, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree5, 650, 330, 240, 510, 0.4f, 0.3f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 1560, 60, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree8, 1150, 290, 240, 510, 0.4f, 0.2f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree1, 1330, 300, 220, 510, 0.4f, -0.3f, -1, 0, 0.6f, 0.6f),
    E(sceneryWindmillTower, 1041, 489, 279, 10, 0.45f, -0.3f, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillWheel, 1041, 489, 255, 255, 0.25f, 0, 0, -2.6f, 0.6f, 0.55f),
    // second row of hills
    E(sceneryHill1, -150, 96, 255, 510, 1.0f, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, -250, 275, 220, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree2, -60, 285, 255, 510, 0.45f, 0.4f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 880, 54, 255, 510, 1.0f, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree8, 740, 239, 255, 510, 0.45f, -0.35f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree5, 880, 259, 255, 510, 0.45f, 0, 1, 0, 0.68f, 0.5f),
    E(sceneryTree2, 1010, 245, 255, 510, 0.45f, 0.3f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 1700, 70, 255, 510, 1.0f, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, 1600, 240, 220, 510, 0.45f, -0.5f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree5, 1800, 255, 240, 510, 0.45f, 0.1f, 1, 0, 0.68f, 0.5f),
    E(sceneryWindmillTower, 1760, 400, 279, 10, 0.45f, 0.4f, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillWheel, 1760, 400, 255, 255, 0.35f, 0, 0, -2.0f, 0.68f, 0.45f),
    E(sceneryTree8, 1900, 240, 240, 510, 0.45f, 0.2f, 1, 0, 0.68f, 0.5f),
    // Low hills with half-buried gears. The four near layers are dark, and
    // black texts cannot be read over them: they keep to a low strip along
    // the lower edge, and rise tall only right of the credits' lines and the
    // options (seen on wide screens, under the world circle).
    E(sceneryHill1, 120, -128, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(bigGearCwSprites[0], 700, -90, 255, 255, 0.5f, 0, 0, 2.0f, 0.76f, 0.4f),
    E(sceneryHill1, 500, -128, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(bigGearCcwSprites[0], 1100, -50, 255, 255, 0.35f, 0.2f, 0, -2.0f, 0.76f, 0.4f),
    E(sceneryHill1, 880, -128, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill1, 1260, -128, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(bigGearCwSprites[0], 1750, 210, 255, 255, 0.45f, 0, 0, 2.0f, 0.76f, 0.4f),
    E(bigGearCcwSprites[0], 1800, 150, 255, 255, 0.3f, 0.1f, 0, -2.0f, 0.76f, 0.4f),
    E(sceneryHill1, 1900, -120, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    // near hills with trees and cannons
    E(sceneryHill2, -50, -136, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 400, -30, 58, 127, 0.6f, -0.5f, 3, 0, 0.84f, 0.3f),
    E(sceneryHill2, 330, -136, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryHill2, 710, -136, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 1000, -30, 58, 127, 0.6f, 0.4f, 3, 0, 0.84f, 0.3f),
    E(sceneryHill2, 1090, -136, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree1, 1560, 150, 220, 510, 0.45f, 0.1f, -1, 0, 0.84f, 0.3f),
    E(sceneryTree1, 1620, 175, 220, 510, 0.45f, -0.1f, -1, 0, 0.84f, 0.3f),
    E(sceneryTree2, 1700, 190, 255, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryTree5, 1760, 170, 270, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryHill2, 1470, -136, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryHill2, 1850, -120, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    // a row of low mounds
    E(sceneryHill1, 120, -180, 255, 510, 1.0f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 600, -180, 255, 510, 1.0f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 1080, -180, 255, 510, 1.0f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 1400, -180, 255, 510, 1.0f, 0, 0, 0, 0.92f, 0.22f),
    // the dark foreground: a ground under the total score, and a grove
    E(sceneryHill2, 0, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 240, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 480, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 720, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 960, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 1200, -208, 255, 510, 1.0f, 0, 0, 0, 1.0f, 0.15f),
    E(cannonSprites[0], 1330, -20, 58, 127, 0.7f, -0.4f, 3, 0, 1.0f, 0.15f),
    E(sceneryTree2, 1500, 120, 255, 510, 0.5f, 0, 1, 0, 1.0f, 0.15f),
    E(sceneryWindmillTower, 1560, 340, 279, 10, 0.5f, -0.1f, 0, 0, 1.0f, 0.15f),
    E(sceneryWindmillWheel, 1560, 340, 255, 255, 0.4f, 0, 0, -1.4f, 1.0f, 0.15f),
    E(sceneryTree1, 1640, 110, 220, 510, 0.5f, -0.2f, 1, 0, 1.0f, 0.15f),
    E(sceneryHill2, 1650, -100, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 1950, -100, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
};
#undef E
constexpr int menuLandscapeCount = sizeof(menuLandscape) / sizeof(menuLandscape[0]);
static_assert(menuLandscapeCount == 60, "the menu landscape has 60 pictures");

uint32_t DiscColour(float factor) {
    uint32_t argb = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        float v = factor * ambientColour[c];
        if (v > 255.0f) v = 255.0f;
        if (v < 0.0f) v = 0.0f;
        argb |= (static_cast<uint32_t>(v) & 255u) << (16 - 8 * c);
    }
    return argb;
}

}  // namespace

void DrawMenuDiscs(float discX, float discY, const float discPanX[4], const float discPanY[4],
                   float spin) {
    const float s = MenuWobble();
    SpriteTexture* pictures[4] = {&sunSprite, &sunSprite, &skySprite, &skySprite};
    const float turn[4] = {1.7f, 0.85f, 1.1f, 0.8f};
    const float scaleX[4] = {2.4f + s, 2.0f, 1.85f + s, 1.6f + s};
    const float scaleY[4] = {2.4f + s, 2.0f, 1.45f + s, 1.2f + s};
    const float brighten[4] = {1.15f, 1.5f, 1.25f, 0.9f};
    for (int i = 0; i < 4; ++i) {
        const float x = discX - discPanX[i] * static_cast<float>(cameraX);
        const float y = discY - discPanY[i] * static_cast<float>(cameraY);
        pictures[i]->DrawSprite(x, y, secondPhase * turn[i] * spin, scaleX[i], scaleY[i], 255.0f,
                                255.0f, DiscColour(brighten[i]));
    }
}

void DrawMenuLandscape() { DrawLandscape(menuLandscape, menuLandscapeCount); }

void DrawMenuSilhouettes(float x1, float x2, float x3, float circleX) {
    const float s = MenuWobble();
    const float half = static_cast<float>(screenHeight) / 2.0f;
    const float camX = static_cast<float>(cameraX);
    const float camY = static_cast<float>(cameraY);
    constexpr uint32_t black = 0xFF000000u;
    sceneryTree1.DrawSprite(x1 - camX, half - 3 - camY, s - 0.5f, 0.35f, 0.35f, 255, 511, black);
    sceneryTree1.DrawSprite(x2 - camX, half + 9 - camY, s + 0.4f, 0.35f, 0.35f, 255, 511, black);
    sceneryTree1.DrawSprite(x3 - camX, half - 29 - camY, s, 0.35f, 0.35f, 255, 511, black);
    worldCircleSprite.DrawSprite(circleX - camX, half + 100 - camY, 0, 1, 1, 255, 255, black);
}

