#include "game/LevelPages.h"

#include <cstring>

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Maths.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "game/MenuKit.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "platform/Keyboard.h"
#include "screens/FocusNavigation.h"
#include "screens/LevelButtons.h"
#include "screens/TrailParticles.h"
#include "screens/VopKindChoice.h"
#include "shared/LevelRecord.h"

namespace {

// Landscapes, back to front: picture, world x, height above the lower edge,
// picture centre, scale, lean, sway, spin, parallax, brightness.
#define E(pic, x, rise, cx, cy, scale, lean, sway, spin, par, bright) \
    {&pic, x, rise, cx, cy, scale, lean, sway, spin, par, bright}

const LandscapeElement page1Landscape[] = {
    E(sceneryHill1, 524, 106, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree2, 380, 340, 255, 510, 0.4f, -0.4f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree1, 512, 350, 220, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree2, 643, 340, 255, 510, 0.4f, 0.4f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 1235, 55, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillTower, 1020, 429, 279, 10, 0.45f, -0.4f, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillWheel, 1020, 429, 255, 255, 0.25f, 0, 0, -2.6f, 0.6f, 0.55f),
    E(sceneryTree5, 1200, 320, 240, 510, 0.4f, 0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree8, 1353, 310, 240, 510, 0.4f, 0.5f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 152, 96, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, 50, 275, 220, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree1, 145, 295, 220, 510, 0.45f, -0.1f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree2, 240, 285, 255, 510, 0.45f, 0.4f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 874, 54, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree8, 730, 239, 255, 510, 0.45f, -0.35f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree5, 875, 259, 255, 510, 0.45f, 0, 1, 0, 0.68f, 0.5f),
    E(sceneryWindmillTower, 1130, 398, 279, 10, 0.45f, 0.4f, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillWheel, 1130, 398, 255, 255, 0.35f, 0, 0, -2, 0.68f, 0.45f),
    E(sceneryHill1, 1584, 44, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, 1470, 210, 220, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree1, 1565, 230, 220, 510, 0.45f, -0.1f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree2, 1660, 220, 255, 510, 0.45f, 0.4f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 283, 70, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill1, 601, 70, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill4, 956, 39, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill4, 1281, 60, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill3, 1652, 38, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill2, 78, 43, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree1, 86, 197, 220, 510, 0.45f, -0.1f, -1, 0, 0.84f, 0.3f),
    E(sceneryHill2, 462, 45, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree2, 461, 200, 255, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryHill2, 813, 11, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree5, 823, 177, 270, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryHill3, 1348, 17, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree4, 1299, 155, 255, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryHill1, 31, -49, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 497, -57, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 903, -61, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill4, 1460, -15, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill2, 260, 7, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryTree2, 255, 142, 255, 510, 0.5f, 0, 1, 0, 1, 0.15f),
    E(sceneryHill2, 661, -26, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryTree8, 660, 120, 270, 510, 0.5f, 0, 1, 0, 1, 0.15f),
    E(sceneryHill2, 1130, -23, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryWindmillTower, 1075, 340, 279, 10, 0.5f, -0.1f, 0, 0, 1, 0.15f),
    E(sceneryWindmillWheel, 1075, 340, 255, 255, 0.4f, 0, 0, -1.4f, 1, 0.15f),
    E(sceneryHill2, 1715, 4, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
};

// Page 2: gear country.
const LandscapeElement page2Landscape[] = {
    // parallax 0.5
    E(sceneryHill1, 179, 4, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryTree1, 607, 320, 220, 510, 0.38f, -0.4f, -1, 0, 0.5f, 0.6f),
    E(sceneryHill2, 938, 85, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryTree8, 858, 313, 240, 510, 0.38f, 0, -1, 0, 0.5f, 0.6f),
    E(sceneryHill2, 1586, 61, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryWindmillTower, 1598, 491, 279, 10, 0.45f, -0.4f, 0, 0, 0.5f, 0.6f),
    E(sceneryWindmillWheel, 1598, 491, 255, 255, 0.25f, 0, 0, -2, 0.5f, 0.55f),
    // parallax 0.58
    E(bigGearCwSprites[0], 277, 239, 255, 255, 0.3f, 0, 0, 2, 0.58f, 0.5f),
    E(sceneryHill2, 188, -6, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    E(sceneryHill2, 902, 102, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    E(sceneryWindmillTower, 862, 490, 279, 10, 0.5f, 0.3f, 0, 0, 0.58f, 0.5f),
    E(sceneryWindmillWheel, 862, 490, 255, 255, 0.35f, 0, 0, -1.4f, 0.58f, 0.45f),
    E(sceneryTree1, 939, 329, 220, 510, 0.4f, 0.5f, 1, 0, 0.58f, 0.5f),
    E(bigGearCwSprites[0], 1504, 252, 255, 255, 0.3f, 0, 0, 2, 0.58f, 0.5f),
    E(sceneryHill2, 1610, 62, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    // parallax 0.66
    E(sceneryHill1, 187, 13, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree4, 598, 215, 255, 510, 0.42f, -0.35f, -1, 0, 0.66f, 0.4f),
    E(sceneryTree1, 636, 228, 220, 510, 0.42f, -0.4f, -1, 0, 0.66f, 0.4f),
    E(bigGearCcwSprites[0], 942, 122, 255, 255, 0.35f, 0.8f, 0, -2, 0.66f, 0.4f),
    E(sceneryHill4, 876, -18, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree2, 901, 161, 255, 510, 0.42f, -0.4f, -1, 0, 0.66f, 0.4f),
    E(sceneryHill2, 1592, -12, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree4, 1531, 175, 255, 510, 0.42f, 0.5f, -1, 0, 0.66f, 0.4f),
    // parallax 0.74
    E(sceneryHill2, 225, 61, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree2, 516, 214, 255, 510, 0.45f, 0.1f, 1, 0, 0.74f, 0.3f),
    E(sceneryTree8, 590, 244, 240, 510, 0.45f, 0.1f, 1, 0, 0.74f, 0.3f),
    E(bigGearCwSprites[0], 996, 133, 255, 255, 0.5f, 0, 0, 2, 0.74f, 0.3f),
    E(sceneryHill3, 918, 0, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree2, 905, 179, 255, 510, 0.45f, -0.4f, 1, 0, 0.74f, 0.3f),
    E(bigGearCcwSprites[0], 1579, 145, 255, 255, 0.5f, 0, 0, -2, 0.74f, 0.3f),
    E(sceneryHill3, 1639, 27, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree2, 1701, 195, 255, 510, 0.45f, 0.5f, 1, 0, 0.74f, 0.3f),
    // parallax 0.82
    E(sceneryHill4, 213, 28, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryTree2, 561, 186, 255, 510, 0.45f, 0.5f, -1, 0, 0.82f, 0.22f),
    E(bigGearCcwSprites[0], 805, 120, 255, 255, 0.5f, 0, 0, -2, 0.82f, 0.22f),
    E(sceneryHill4, 893, -26, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryHill3, 1583, 44, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryWindmillTower, 1647, 370, 279, 10, 0.45f, 0.1f, 0, 0, 0.82f, 0.22f),
    E(sceneryWindmillWheel, 1647, 370, 255, 255, 0.25f, 0, 0, -2.7f, 0.82f, 0.2f),
    E(sceneryTree1, 1599, 193, 220, 510, 0.45f, 0.1f, -1, 0, 0.82f, 0.22f),
    // parallax 0.88
    E(sceneryHill3, -6, 4, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill4, 263, 10, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill3, 535, 7, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill3, 793, -57, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill1, 997, -57, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill1, 1265, -90, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill4, 1580, -65, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill4, 1840, 12, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    // parallax 0.92
    E(sceneryHill1, 210, -25, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryTree8, 78, 95, 240, 510, 0.5f, 0, -1, 0, 0.92f, 0.15f),
    E(bigGearCwSprites[0], 754, 163, 255, 255, 0.3f, 0, 0, 2, 0.92f, 0.15f),
    E(sceneryHill2, 864, 59, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryHill4, 1630, 33, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryWindmillTower, 1652, 320, 279, 10, 0.45f, 0.4f, 0, 0, 0.92f, 0.15f),
    E(sceneryWindmillWheel, 1652, 320, 255, 255, 0.35f, 0, 0, -2.7f, 0.92f, 0.15f),
    E(sceneryTree5, 1766, 189, 240, 510, 0.5f, -0.6f, -1, 0, 0.92f, 0.15f),
};

// Page 3: cannon hills.
const LandscapeElement page3Landscape[] = {
    // parallax 0.6
    E(sceneryHill1, 218, 21, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree4, 518, 341, 255, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree4, 470, 317, 255, 510, 0.4f, 0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 876, 96, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillTower, 820, 494, 279, 10, 0.5f, -0.1f, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillWheel, 820, 494, 255, 255, 0.3f, 0, 0, -1.4f, 0.6f, 0.55f),
    E(sceneryTree4, 977, 316, 255, 510, 0.4f, 0, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 1625, 61, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree4, 1549, 309, 255, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree8, 1641, 296, 240, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    // parallax 0.68
    E(sceneryHill2, 140, 44, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, 577, 282, 220, 510, 0.45f, 0.1f, 1, 0, 0.68f, 0.5f),
    E(bigGearCwSprites[0], 768, 248, 255, 255, 0.5f, 0, 0, 2, 0.68f, 0.5f),
    E(sceneryHill1, 648, 76, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree2, 632, 266, 255, 510, 0.45f, -0.35f, 1, 0, 0.68f, 0.5f),
    E(bigGearCwSprites[0], 1177, 202, 255, 255, 0.35f, 0, 0, 2, 0.68f, 0.5f),
    E(sceneryHill1, 1166, 70, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree2, 1293, 270, 255, 510, 0.45f, -0.1f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill2, 1696, 103, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillTower, 1681, 476, 279, 10, 0.45f, 0.4f, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillWheel, 1681, 476, 255, 255, 0.25f, 0, 0, -1.7f, 0.68f, 0.45f),
    E(sceneryTree1, 1618, 284, 220, 510, 0.45f, 0.1f, 1, 0, 0.68f, 0.5f),
    // parallax 0.76
    E(bigGearCwSprites[0], 120, 207, 255, 255, 0.4f, 0, 0, 2, 0.76f, 0.4f),
    E(sceneryHill3, 173, 58, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryTree5, 438, 205, 240, 510, 0.45f, 0.5f, -1, 0, 0.76f, 0.4f),
    E(sceneryTree5, 562, 219, 240, 510, 0.45f, -0.1f, -1, 0, 0.76f, 0.4f),
    E(sceneryHill4, 922, 26, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryTree8, 982, 192, 240, 510, 0.45f, -0.4f, -1, 0, 0.76f, 0.4f),
    E(sceneryTree2, 918, 178, 255, 510, 0.45f, -0.4f, -1, 0, 0.76f, 0.4f),
    E(sceneryHill3, 1574, 47, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(cannonSprites[0], 1490, 178, 58, 127, 0.7f, -0.6f, 3, 0, 0.76f, 0.4f),
    E(sceneryTree8, 1555, 217, 240, 510, 0.45f, 0.5f, -1, 0, 0.76f, 0.4f),
    // parallax 0.84
    E(bigGearCcwSprites[0], 188, 144, 255, 255, 0.35f, 0.8f, 0, -2, 0.84f, 0.3f),
    E(sceneryHill3, 95, 21, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree2, 39, 149, 255, 510, 0.45f, -0.35f, 1, 0, 0.84f, 0.3f),
    E(bigGearCcwSprites[0], 566, 86, 255, 255, 0.35f, 0.3f, 0, -2, 0.84f, 0.3f),
    E(sceneryHill2, 636, -20, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree2, 515, 127, 255, 510, 0.45f, 0.4f, 1, 0, 0.84f, 0.3f),
    E(sceneryHill1, 1139, -3, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree5, 1196, 157, 240, 510, 0.45f, 0, 1, 0, 0.84f, 0.3f),
    E(sceneryHill4, 1657, 3, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 1631, 137, 58, 127, 0.6f, -0.3f, 3, 0, 0.84f, 0.3f),
    E(sceneryTree8, 1547, 168, 240, 510, 0.45f, 0.1f, 1, 0, 0.84f, 0.3f),
    // parallax 0.92
    E(sceneryHill1, 59, -45, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill4, 349, -60, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 700, -32, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill2, 1112, -35, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill3, 1439, -35, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill4, 1805, -55, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    // parallax 1
    E(bigGearCcwSprites[0], 145, 81, 255, 255, 0.3f, 0.8f, 0, -2, 1, 0.15f),
    E(sceneryHill3, 144, -14, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryTree2, 93, 119, 255, 510, 0.5f, -0.4f, 1, 0, 1, 0.15f),
    E(sceneryHill1, 633, -17, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(cannonSprites[0], 619, 110, 58, 127, 0.7f, -0.3f, 3, 0, 1, 0.15f),
    E(sceneryHill4, 1131, 8, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryWindmillTower, 1090, 315, 279, 10, 0.45f, 0.4f, 0, 0, 1, 0.15f),
    E(sceneryWindmillWheel, 1090, 315, 255, 255, 0.35f, 0, 0, -1.4f, 1, 0.15f),
    E(sceneryTree1, 1145, 124, 220, 510, 0.5f, 0.1f, 1, 0, 1, 0.15f),
    E(bigGearCcwSprites[0], 1551, 143, 255, 255, 0.35f, 0.3f, 0, -2, 1, 0.15f),
    E(sceneryHill1, 1651, -40, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
};

// Page 4: windmill valleys.
const LandscapeElement page4Landscape[] = {
    // parallax 0.5
    E(sceneryHill2, 211, -39, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryTree1, 605, 343, 220, 510, 0.38f, -0.6f, -1, 0, 0.5f, 0.6f),
    E(sceneryHill2, 893, 97, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryWindmillTower, 827, 504, 279, 10, 0.45f, -0.1f, 0, 0, 0.5f, 0.6f),
    E(sceneryWindmillWheel, 827, 504, 255, 255, 0.3f, 0, 0, -1.4f, 0.5f, 0.55f),
    E(sceneryTree8, 901, 325, 240, 510, 0.38f, 0.1f, -1, 0, 0.5f, 0.6f),
    E(sceneryHill1, 1627, 64, 255, 510, 1.25f, 0, 0, 0, 0.5f, 0.6f),
    E(sceneryTree4, 1620, 309, 255, 510, 0.38f, 0.1f, -1, 0, 0.5f, 0.6f),
    // parallax 0.58
    E(bigGearCcwSprites[0], 445, 275, 255, 255, 0.35f, 0.3f, 0, -2, 0.58f, 0.5f),
    E(sceneryHill2, 196, 6, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    E(sceneryHill1, 926, 86, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    E(sceneryWindmillTower, 977, 497, 279, 10, 0.45f, -0.4f, 0, 0, 0.58f, 0.5f),
    E(sceneryWindmillWheel, 977, 497, 255, 255, 0.4f, 0, 0, -2.7f, 0.58f, 0.45f),
    E(sceneryTree4, 1061, 302, 255, 510, 0.4f, -0.1f, 1, 0, 0.58f, 0.5f),
    E(bigGearCwSprites[0], 1714, 300, 255, 255, 0.3f, 0, 0, 2, 0.58f, 0.5f),
    E(sceneryHill1, 1623, 83, 255, 510, 1.1f, 0, 0, 0, 0.58f, 0.5f),
    E(sceneryTree4, 1589, 308, 255, 510, 0.4f, -0.1f, 1, 0, 0.58f, 0.5f),
    // parallax 0.66
    E(sceneryHill2, 168, -8, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree1, 583, 204, 220, 510, 0.42f, -0.6f, -1, 0, 0.66f, 0.4f),
    E(sceneryTree2, 507, 177, 255, 510, 0.42f, 0.4f, -1, 0, 0.66f, 0.4f),
    E(sceneryHill3, 919, 36, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree2, 800, 220, 255, 510, 0.42f, -0.35f, -1, 0, 0.66f, 0.4f),
    E(sceneryTree8, 1009, 242, 240, 510, 0.42f, 0.4f, -1, 0, 0.66f, 0.4f),
    E(bigGearCwSprites[0], 1750, 148, 255, 255, 0.5f, 0, 0, 2, 0.66f, 0.4f),
    E(sceneryHill4, 1571, -7, 255, 510, 1, 0, 0, 0, 0.66f, 0.4f),
    E(sceneryTree1, 1705, 189, 220, 510, 0.42f, -0.4f, -1, 0, 0.66f, 0.4f),
    // parallax 0.74
    E(sceneryHill3, 239, -3, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree5, 465, 158, 240, 510, 0.45f, 0.1f, 1, 0, 0.74f, 0.3f),
    E(sceneryTree2, 583, 168, 255, 510, 0.45f, -0.6f, 1, 0, 0.74f, 0.3f),
    E(bigGearCcwSprites[0], 948, 181, 255, 255, 0.4f, 0, 0, -2, 0.74f, 0.3f),
    E(sceneryHill4, 930, 26, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree2, 876, 178, 255, 510, 0.45f, 0.1f, 1, 0, 0.74f, 0.3f),
    E(bigGearCcwSprites[0], 1711, 166, 255, 255, 0.3f, 0, 0, -2, 0.74f, 0.3f),
    E(sceneryHill4, 1610, 19, 255, 510, 0.85f, 0, 0, 0, 0.74f, 0.3f),
    E(sceneryTree1, 1699, 203, 220, 510, 0.45f, 0, 1, 0, 0.74f, 0.3f),
    E(sceneryTree2, 1576, 164, 255, 510, 0.45f, 0.1f, 1, 0, 0.74f, 0.3f),
    // parallax 0.82
    E(sceneryHill2, 205, 27, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryWindmillTower, 579, 372, 279, 10, 0.45f, 0.1f, 0, 0, 0.82f, 0.22f),
    E(sceneryWindmillWheel, 579, 372, 255, 255, 0.3f, 0, 0, -2.6f, 0.82f, 0.2f),
    E(sceneryTree4, 595, 187, 255, 510, 0.45f, -0.1f, -1, 0, 0.82f, 0.22f),
    E(bigGearCwSprites[0], 1003, 157, 255, 255, 0.3f, 0, 0, 2, 0.82f, 0.22f),
    E(sceneryHill2, 926, 13, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryTree8, 881, 165, 240, 510, 0.45f, 0.5f, -1, 0, 0.82f, 0.22f),
    E(sceneryHill1, 1605, 37, 255, 510, 0.8f, 0, 0, 0, 0.82f, 0.22f),
    E(sceneryTree4, 1632, 178, 255, 510, 0.45f, -0.6f, -1, 0, 0.82f, 0.22f),
    // parallax 0.88
    E(sceneryHill2, -73, 9, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill2, 183, -43, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill3, 441, 15, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill1, 675, -32, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill1, 881, -42, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill3, 1134, -50, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill2, 1391, -40, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill2, 1621, -47, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    E(sceneryHill2, 1801, -70, 255, 510, 0.75f, 0, 0, 0, 0.88f, 0.19f),
    // parallax 0.92
    E(sceneryHill3, 166, 65, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryWindmillTower, 556, 397, 279, 10, 0.5f, -0.1f, 0, 0, 0.92f, 0.15f),
    E(sceneryWindmillWheel, 556, 397, 255, 255, 0.3f, 0, 0, -2.6f, 0.92f, 0.15f),
    E(sceneryTree5, 47, 198, 240, 510, 0.5f, -0.6f, -1, 0, 0.92f, 0.15f),
    E(bigGearCwSprites[0], 902, 153, 255, 255, 0.3f, 0, 0, 2, 0.92f, 0.15f),
    E(sceneryHill2, 938, 23, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryTree4, 960, 173, 255, 510, 0.5f, 0.1f, -1, 0, 0.92f, 0.15f),
    E(sceneryHill3, 1613, 20, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.15f),
    E(sceneryTree8, 1473, 155, 240, 510, 0.5f, 0.5f, -1, 0, 0.92f, 0.15f),
    E(sceneryTree4, 1590, 141, 255, 510, 0.5f, 0, -1, 0, 0.92f, 0.15f),
};

// Page 5: the last hills.
const LandscapeElement page5Landscape[] = {
    // parallax 0.6
    E(sceneryHill1, 146, -12, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree2, 559, 287, 255, 510, 0.4f, 0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill2, 613, 31, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillTower, 669, 497, 279, 10, 0.45f, -0.2f, 0, 0, 0.6f, 0.6f),
    E(sceneryWindmillWheel, 669, 497, 255, 255, 0.35f, 0, 0, -2.6f, 0.6f, 0.55f),
    E(sceneryTree2, 601, 316, 255, 510, 0.4f, 0, -1, 0, 0.6f, 0.6f),
    E(sceneryHill1, 1171, 91, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree1, 1165, 345, 220, 510, 0.4f, -0.6f, -1, 0, 0.6f, 0.6f),
    E(sceneryTree1, 1105, 309, 220, 510, 0.4f, -0.1f, -1, 0, 0.6f, 0.6f),
    E(sceneryHill2, 1716, 87, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
    E(sceneryTree5, 1802, 326, 240, 510, 0.4f, 0.1f, -1, 0, 0.6f, 0.6f),
    // parallax 0.68
    E(bigGearCcwSprites[0], 478, 271, 255, 255, 0.4f, 0.8f, 0, -2, 0.68f, 0.5f),
    E(sceneryHill2, 139, 27, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree4, 564, 289, 255, 510, 0.45f, 0.1f, 1, 0, 0.68f, 0.5f),
    E(bigGearCcwSprites[0], 617, 265, 255, 255, 0.3f, 0, 0, -2, 0.68f, 0.5f),
    E(sceneryHill1, 622, 107, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree8, 649, 284, 240, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 1127, 66, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillTower, 1102, 445, 279, 10, 0.45f, -0.1f, 0, 0, 0.68f, 0.5f),
    E(sceneryWindmillWheel, 1102, 445, 255, 255, 0.4f, 0, 0, -2.7f, 0.68f, 0.45f),
    E(sceneryTree5, 1014, 242, 240, 510, 0.45f, 0.4f, 1, 0, 0.68f, 0.5f),
    E(sceneryHill1, 1659, 75, 255, 510, 1, 0, 0, 0, 0.68f, 0.5f),
    E(sceneryTree1, 1572, 256, 220, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    E(sceneryTree4, 1572, 262, 255, 510, 0.45f, -0.6f, 1, 0, 0.68f, 0.5f),
    // parallax 0.76
    E(sceneryHill4, 116, 46, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryTree2, 583, 184, 255, 510, 0.45f, -0.4f, -1, 0, 0.76f, 0.4f),
    E(sceneryHill3, 613, 34, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryTree5, 714, 195, 240, 510, 0.45f, -0.35f, -1, 0, 0.76f, 0.4f),
    E(sceneryTree8, 583, 186, 240, 510, 0.45f, -0.6f, -1, 0, 0.76f, 0.4f),
    E(bigGearCwSprites[0], 1261, 156, 255, 255, 0.5f, 0, 0, 2, 0.76f, 0.4f),
    E(sceneryHill3, 1157, 40, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryTree4, 1242, 209, 255, 510, 0.45f, 0.5f, -1, 0, 0.76f, 0.4f),
    E(sceneryHill2, 1652, 13, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(cannonSprites[0], 1695, 150, 58, 127, 0.5f, 0.2f, 3, 0, 0.76f, 0.4f),
    E(sceneryTree1, 1624, 149, 220, 510, 0.45f, 0.5f, -1, 0, 0.76f, 0.4f),
    // parallax 0.84
    E(bigGearCcwSprites[0], 177, 191, 255, 255, 0.3f, 0.8f, 0, -2, 0.84f, 0.3f),
    E(sceneryHill2, 139, 65, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree1, 418, 228, 220, 510, 0.45f, 0.4f, 1, 0, 0.84f, 0.3f),
    E(sceneryTree8, 5, 210, 240, 510, 0.45f, 0, 1, 0, 0.84f, 0.3f),
    E(bigGearCwSprites[0], 674, 214, 255, 255, 0.35f, 0, 0, 2, 0.84f, 0.3f),
    E(sceneryHill4, 608, 64, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree8, 551, 191, 240, 510, 0.45f, 0.4f, 1, 0, 0.84f, 0.3f),
    E(sceneryHill3, 1151, -10, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree2, 1012, 220, 255, 510, 0.45f, -0.35f, 1, 0, 0.84f, 0.3f),
    E(sceneryTree5, 1211, 220, 240, 510, 0.45f, -0.35f, 1, 0, 0.84f, 0.3f),
    E(sceneryHill4, 1689, 52, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 1627, 195, 58, 127, 0.6f, 0.5f, 3, 0, 0.84f, 0.3f),
    E(sceneryTree2, 1649, 209, 255, 510, 0.45f, 0.5f, 1, 0, 0.84f, 0.3f),
    // parallax 0.92
    E(sceneryHill1, 34, -51, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill3, 402, -36, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill2, 711, -45, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 1095, 4, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill4, 1456, 3, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill3, 1747, 0, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    // parallax 1
    E(sceneryHill3, 82, 4, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(cannonSprites[0], 98, 110, 58, 127, 0.7f, 0.2f, 3, 0, 1, 0.15f),
    E(sceneryTree2, 86, 129, 255, 510, 0.5f, 0.1f, 1, 0, 1, 0.15f),
    E(bigGearCcwSprites[0], 552, 105, 255, 255, 0.3f, 0, 0, -2, 1, 0.15f),
    E(sceneryHill2, 661, -16, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryTree2, 683, 135, 255, 510, 0.5f, 0.5f, 1, 0, 1, 0.15f),
    E(bigGearCwSprites[0], 1132, 99, 255, 255, 0.4f, 0, 0, 2, 1, 0.15f),
    E(sceneryHill2, 1166, -8, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryTree4, 1030, 146, 255, 510, 0.5f, 0.1f, 1, 0, 1, 0.15f),
    E(sceneryHill1, 1700, -70, 255, 510, 0.7f, 0, 0, 0, 1, 0.15f),
    E(sceneryWindmillTower, 1590, 289, 279, 10, 0.5f, -0.2f, 0, 0, 1, 0.15f),
    E(sceneryWindmillWheel, 1590, 289, 255, 255, 0.3f, 0, 0, -1.4f, 1, 0.15f),
    E(sceneryTree5, 1564, 107, 240, 510, 0.5f, -0.35f, 1, 0, 1, 0.15f),
};
#undef E

template <int N>
constexpr int CountOf(const LandscapeElement (&)[N]) {
    return N;
}
static_assert(CountOf(page1Landscape) == 47, "page 1 has 47 landscape pictures");
static_assert(CountOf(page2Landscape) == 56, "page 2 has 56 landscape pictures");
static_assert(CountOf(page3Landscape) == 60, "page 3 has 60 landscape pictures");
static_assert(CountOf(page4Landscape) == 64, "page 4 has 64 landscape pictures");
static_assert(CountOf(page5Landscape) == 67, "page 5 has 67 landscape pictures");

}  // namespace

// The buttons of every page, left to right: record, height, parallax.
const LevelPageData levelPages[levelPageCount] = {
    {page1Landscape, CountOf(page1Landscape),
     {7, 8, 0, 2, 6, 4, 3, 5, 24},
     {220, 226, 171, 196, 199, 227, 250, 239, 257},
     {0.95f, 0.98f, 0.93f, 0.96f, 0.92f, 0.97f, 0.94f, 0.90f, 0.96f}},
    {page2Landscape, CountOf(page2Landscape),
     {19, 40, 11, 9, 29, 16, 20, 34, 26},
     {221, 268, 227, 197, 237, 168, 220, 190, 200},
     {0.90f, 0.97f, 0.91f, 0.99f, 0.95f, 0.90f, 0.98f, 0.92f, 0.96f}},
    {page3Landscape, CountOf(page3Landscape),
     {31, 18, 12, 44, 39, 32, 35, 33, 27},
     {180, 280, 240, 220, 160, 250, 240, 260, 220},
     {0.90f, 0.97f, 0.91f, 0.99f, 0.95f, 0.90f, 0.98f, 0.92f, 0.96f}},
    {page4Landscape, CountOf(page4Landscape),
     {17, 10, 22, 45, 14, 23, 30, 13, 25},
     {200, 220, 250, 230, 180, 220, 190, 240, 230},
     {0.90f, 0.97f, 0.91f, 0.99f, 0.95f, 0.90f, 0.98f, 0.92f, 0.96f}},
    {page5Landscape, CountOf(page5Landscape),
     {21, 37, 36, 41, 42, 15, 43, 38, 28},
     {200, 260, 220, 180, 160, 190, 250, 220, 230},
     {0.90f, 0.97f, 0.91f, 0.99f, 0.95f, 0.90f, 0.98f, 0.92f, 0.96f}},
};

int LevelPageIndex(int state) {
    switch (state) {
    case LevelPage1: return 0;
    case LevelPage2: return 1;
    case LevelPage3: return 2;
    case LevelPage4: return 3;
    case LevelPage5: return 4;
    default: return -1;
    }
}

int32_t LevelButtonWorldXOf(int slot) { return 100 + 200 * slot; }

int32_t LevelButtonNumber(int page, int slot) { return levelButtonsPerPage * page + slot + 1; }

namespace {

constexpr int32_t firstLevelFocus = 18;
constexpr int32_t bossSlot = levelButtonsPerPage - 1;

void (*const navigatePage[levelPageCount])() = {
    NavigateLevelPage1Focus, NavigateLevelPage2Focus, NavigateLevelPage3Focus,
    NavigateLevelPage4Focus, NavigateLevelPage5Focus,
};

int32_t AddScroll(int32_t camera, float speed) {
    return static_cast<int32_t>(static_cast<float>(camera) + speed);
}

// Sideways scrolling by the pointer at the edges, the look keys and the
// stick. Each step tests the limit first, so the camera may pass it by one step.
void ScrollPage() {
    const int32_t halfW = screenWidth / 2;
    auto leftOpen = [&] { return halfW + cameraX > halfW - 200; };
    auto rightOpen = [&] { return halfW + cameraX < 2060 - halfW; };
    if (leftOpen() && playerX < 30) cameraX -= 6;
    if (leftOpen()) {
        if (KeyDown(DIK_NUMPAD4)) cameraX -= 6;
        else if (menuScrollX < 0) cameraX = AddScroll(cameraX, menuScrollX);
    }
    if (rightOpen() && playerX > screenWidth - 30) cameraX += 6;
    if (rightOpen()) {
        if (KeyDown(DIK_NUMPAD6)) cameraX += 6;
        else if (menuScrollX > 0) cameraX = AddScroll(cameraX, menuScrollX);
    }
}


void TestLevelButtons(int page) {
    const LevelPageData& data = levelPages[page];
    const int32_t focus = PressableFocus(levelPageFocus[page]);
    for (int slot = 0; slot < levelButtonsPerPage; ++slot) {
        if (unlockedLevels < LevelButtonNumber(page, slot)) continue;
        const int32_t x = LevelButtonWorldXOf(slot);
        const float sx = LevelButtonScreenX(x, data.parallax[slot]);
        const int32_t sy = LevelButtonScreenY(data.heights[slot]);
        const float reach = slot == bossSlot ? 60.0f : 32.0f;
        const bool clicked = mouseClicked && PointerOnLevelButton(sx, sy, reach);
        if (!clicked && !(focus == firstLevelFocus + slot && actionConfirm)) continue;
        chosenLevel = data.records[slot];
        levelStartPending = 1;
        transitionIdle = 0;
        pageCameraTarget = x;
        // A level for another Vop kind is refused: only the click is heard.
        if (!CanPlayWithVopKind(chosenLevel)) {
            levelStartPending = 0;
            transitionIdle = 1;
        }
        PlayMenuClick();
    }
}

void TestPageButtons(int page) {
    TestLevelButtons(page);
    const int32_t focus = levelPageFocus[page];
    SelectVopKind(PressableFocus(focus));
    if (MenuButtonPressed(MenuExitX(), MenuLowerRowY(), focusExit, focus)) DestroyMainWindow();
    if (actionBack || MenuButtonPressed(MenuBackX(), MenuLowerRowY(), focusBack, focus)) {
        transitionIdle = 0;
        nextState = MainMenu;
        PlayMenuClick();
    }
}

void SetLevelTitle() {
    if (chosenLevel >= 24 && chosenLevel <= 28) {
        std::strcpy(levelTitle, "Boss!");
    } else {
        FormatText(levelNameTexts[chosenLevel], {"\n"});
        std::strncpy(levelTitle, textBuffer, levelTitleSize - 1);
        levelTitle[levelTitleSize - 1] = '\0';
    }
    levelTitleVisible = 1;
}

void CloseForNextScreen() {
    if (levelStartPending) SetLevelTitle();
    if (CloseBarsStep()) {
        if (levelStartPending) {
            musicVolume = levelMusicVolume;
            gameState = InGame;
            LoadLevel(levelTable[chosenLevel]);
            levelStartPending = 0;
        } else {
            gameState = nextState;
            cameraX = 0;
        }
    } else if (levelStartPending) {
        // The music fades out while the bars close over a level start.
        musicVolume -= 2;
        if (musicVolume < 0) musicVolume = 0;
    }
}

}  // namespace

void StepLevelPage(int page) {
    cameraY = 0;
    navigatePage[page]();
    UpdateMenuPointer();
    UpdateColourCycle();
    AdvanceAnimationPhases();
    if (page == 0) menuScrollY = 0.0f;
    UpdateMenuPanSpeed(false);
    ScrollPage();
    OpenBarsStep(menuBarsOpenTarget);
    if (ButtonsLive()) TestPageButtons(page);
    if (transitionIdle == 0) CloseForNextScreen();
}

void DrawLevelPage(int page) {
    const LevelPageData& data = levelPages[page];
    const float w = MenuWobble();
    const int32_t focus = levelPageFocus[page];
    DrawLandscape(data.landscape, data.landscapeCount);

    // The first-start hint of the level buttons is read over the title.
    const uint32_t titleAlpha = (page == 0 && kindHintShown) ? 100u : 255u;
    chapterTitles[page].DrawSprite(365.0f - 0.24f * static_cast<float>(cameraX), 415.0f,
                                   w / 2 + 0.2f, 1, 1, 255, 511, AmbientArgb(titleAlpha, 0.37f));

    if (page == 0 && unlockedLevels == 1) {
        fontMedium.DrawTextCentred(
            levelSelectionTexts[27], LevelButtonScreenX(LevelButtonWorldXOf(0), data.parallax[0]),
            static_cast<float>(screenHeight - 360), 0.9f - w / 4, 0.9f - w / 4, w, 0, 0, 0, 1);
    }
    for (int slot = 0; slot < levelButtonsPerPage; ++slot) {
        DrawLevelButton(LevelButtonWorldXOf(slot), data.heights[slot], data.parallax[slot],
                        LevelButtonNumber(page, slot), w, data.records[slot], focus,
                        firstLevelFocus + slot);
    }
    DrawVopKindButtons(w, focus);

    DrawExitAndBackButtons(w, focus);
    DrawMenuCursor();
}
