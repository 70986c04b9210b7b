#include "game/MainMenu.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/MenuScreens.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "screens/CreditsRoll.h"
#include "screens/FocusNavigation.h"
#include "screens/TrailParticles.h"

uint8_t resetArmed = 0;
uint8_t resetPressHeld = 0;

const int32_t worldOpensAt[5] = {1, 10, 19, 28, 37};
const int32_t worldPageState[5] = {LevelPage1, LevelPage2, LevelPage3, LevelPage4, LevelPage5};

namespace {

constexpr int32_t focusOptions = 3;
constexpr int32_t focusCredits = 4;
constexpr int32_t focusReset = 5;
constexpr int32_t focusWorld1 = 7;

// World buttons around the world circle: offsets from the right screen edge
// and below the middle, the wobble's sign on their size, their label size.
struct WorldButton {
    int32_t fromRight;
    int32_t below;
    float grow;
    float labelScale;
};
const WorldButton worldButtons[5] = {
    {235, 5, -1.0f, 1.2f},
    {315, 45, 1.0f, 1.0f},
    {155, 45, 1.0f, 0.75f},
    {335, 125, -1.0f, 0.9f},
    {135, 125, -1.0f, 1.3f},
};

float WorldButtonX(int i) {
    return static_cast<float>(screenWidth - worldButtons[i].fromRight - cameraX);
}
float WorldButtonY(int i) {
    return static_cast<float>(screenHeight) / 2.0f + static_cast<float>(worldButtons[i].below) -
           static_cast<float>(cameraY);
}

float LowerRowY() { return static_cast<float>(screenHeight - 86); }

constexpr float exitX = 70.0f, optionsX = 140.0f, resetX = 210.0f, creditsX = 280.0f;

const float mainMenuDiscPan[4] = {0.6f, 0.75f, 0.84f, 0.935f};

void PressResetButton() {
    if (resetArmed && !resetPressHeld) {
        StartTransition(MainMenu);
        menuClickSound.Play();
    } else {
        resetArmed = 1;
        PlayMenuClick();
    }
}

void TestMainMenuButtons() {
    const float rowY = LowerRowY();
    if (MenuButtonPressed(exitX, rowY, focusExit, mainMenuFocus)) DestroyMainWindow();
    if (MenuButtonPressed(creditsX, rowY, focusCredits, mainMenuFocus)) {
        StartTransition(Credits);
        creditsY = static_cast<float>(screenHeight - 200);
        PlayMenuClick();
    }
    if (MenuButtonPressed(optionsX, rowY, focusOptions, mainMenuFocus)) {
        StartTransition(OptionsMenu);
        PlayMenuClick();
    }
    if (MenuButtonPressed(resetX, rowY, focusReset, mainMenuFocus)) PressResetButton();
    for (int i = 0; i < 5; ++i) {
        if (unlockedLevels < worldOpensAt[i]) continue;  // a locked world ignores presses
        if (!MenuButtonPressed(WorldButtonX(i), WorldButtonY(i), focusWorld1 + i, mainMenuFocus))
            continue;
        StartTransition(worldPageState[i]);
        returnPage = worldPageState[i];
        PlayMenuClick();
    }
}

void ArriveFromMainMenu() {
    gameState = nextState;
    if (gameState == MainMenu) {
        // The confirmed reset: everything back to the first level.
        ResetProgress();
        WriteGameXml();
        resetArmed = 0;
    } else if (IsLevelPage(gameState)) {
        cameraX = -51;
        cameraY = 0;
        if (menuFocusIdle == 0) ResetLevelPageFocus();
    }
}

}  // namespace

void StepMainMenuScreen() {
    NavigateMainMenuFocus();
    UpdateMenuPointer();
    UpdateColourCycle();
    AdvanceAnimationPhases();
    UpdateMenuPanSpeed(true);
    UpdateMenuCamera(false);

    OpenBarsStep(menuBarsOpenTarget);
    if (ButtonsLive()) TestMainMenuButtons();

    // A confirming press must be a new one: a held key or a click in the
    // previous tick does not count.
    resetPressHeld = (actionConfirm || mouseClicked) ? 1 : 0;
    if (!IsWithinDistance(static_cast<float>(playerX), static_cast<float>(playerY), resetX,
                          LowerRowY(), 32.0f) &&
        mainMenuFocus != focusReset && transitionIdle == 1) {
        resetArmed = 0;
    }

    if (transitionIdle == 0 && CloseBarsStep()) ArriveFromMainMenu();
}

// ---------------------------------------------------------------------------
// Drawing

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
    E(sceneryHill1, 1240, 60, 255, 510, 1.2f, 0, 0, 0, 0.6f, 0.6f),
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
    // low hills with half-buried gears
    E(bigGearCwSprites[0], 1000, 200, 255, 255, 0.5f, 0, 0, 2.0f, 0.76f, 0.4f),
    E(bigGearCcwSprites[0], 1180, 150, 255, 255, 0.35f, 0.2f, 0, -2.0f, 0.76f, 0.4f),
    E(sceneryHill1, 280, -80, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill1, 600, -80, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill1, 1000, 40, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(bigGearCwSprites[0], 1500, 210, 255, 255, 0.45f, 0, 0, 2.0f, 0.76f, 0.4f),
    E(bigGearCcwSprites[0], 1660, 160, 255, 255, 0.3f, 0.1f, 0, -2.0f, 0.76f, 0.4f),
    E(sceneryHill1, 1400, 60, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    E(sceneryHill1, 1800, 40, 255, 510, 0.8f, 0, 0, 0, 0.76f, 0.4f),
    // near hills with trees and cannons
    E(sceneryHill2, -100, -120, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree1, 1550, 175, 220, 510, 0.45f, -0.1f, -1, 0, 0.84f, 0.3f),
    E(sceneryHill2, 460, -120, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree2, 1100, 150, 255, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(sceneryHill2, 820, -120, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree5, 1950, 170, 270, 510, 0.45f, 0, -1, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 1300, 120, 58, 127, 0.6f, -0.5f, 3, 0, 0.84f, 0.3f),
    E(sceneryHill2, 1350, 17, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(cannonSprites[0], 1900, 150, 58, 127, 0.6f, 0.4f, 3, 0, 0.84f, 0.3f),
    E(sceneryHill2, 1750, 30, 255, 510, 0.75f, 0, 0, 0, 0.84f, 0.3f),
    E(sceneryTree1, 1760, 185, 220, 510, 0.45f, 0.1f, -1, 0, 0.84f, 0.3f),
    E(sceneryTree2, 2150, 190, 255, 510, 0.45f, -0.2f, -1, 0, 0.84f, 0.3f),
    // a row of low mounds
    E(sceneryHill1, 30, -100, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 500, -100, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 900, -61, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    E(sceneryHill1, 1460, -15, 255, 510, 0.7f, 0, 0, 0, 0.92f, 0.22f),
    // the dark foreground
    E(cannonSprites[0], -150, 60, 58, 127, 0.7f, 0.3f, 3, 0, 1.0f, 0.15f),
    E(sceneryHill2, -300, 0, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 260, -110, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryTree2, 1290, 120, 255, 510, 0.5f, 0, 1, 0, 1.0f, 0.15f),
    E(sceneryHill2, 660, -110, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryTree1, 1850, 110, 220, 510, 0.5f, 0.1f, 1, 0, 1.0f, 0.15f),
    E(sceneryWindmillTower, 1075, 340, 279, 10, 0.5f, -0.1f, 0, 0, 1.0f, 0.15f),
    E(sceneryWindmillWheel, 1075, 340, 255, 255, 0.4f, 0, 0, -1.4f, 1.0f, 0.15f),
    E(sceneryHill2, 1130, -23, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryHill2, 1715, 4, 255, 510, 0.7f, 0, 0, 0, 1.0f, 0.15f),
    E(sceneryTree1, 1700, 140, 220, 510, 0.5f, -0.2f, 1, 0, 1.0f, 0.15f),
    E(cannonSprites[0], 2100, 70, 58, 127, 0.7f, -0.4f, 3, 0, 1.0f, 0.15f),
    E(sceneryTree2, 2050, 150, 255, 510, 0.5f, 0.2f, 1, 0, 1.0f, 0.15f),
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

void DrawMainMenuScreen() {
    const float s = MenuWobble();
    const float W = static_cast<float>(screenWidth);
    const float H = static_cast<float>(screenHeight);
    if (decorationsEnabled) {
        DrawMenuDiscs(W - 240, static_cast<float>(screenHeight / 2 + 110), mainMenuDiscPan,
                      mainMenuDiscPan, 0.6f);
        DrawMenuLandscape();
    }
    DrawMenuSilhouettes(W - 317, W - 130, W - 227, W - 240);
    const float logoScale = (1 + s / 2) * W / 1000.0f;
    logoSprite.DrawSprite(W * 300.0f / 1000.0f - 0.5f * static_cast<float>(cameraX),
                          H / 2 - 0.5f * static_cast<float>(cameraY), 0, logoScale, logoScale,
                          255, 255, 0xFF000000u);

    const float rowY = LowerRowY();
    DrawCornerButton(exitButton, exitX, rowY,
                     MenuButtonHighlighted(exitX, rowY, focusExit, mainMenuFocus), s, 1 - s / 2,
                     mainMenuTexts[5], 1 + s / 4);
    DrawCornerButton(creditsButton, creditsX, rowY,
                     MenuButtonHighlighted(creditsX, rowY, focusCredits, mainMenuFocus), s,
                     1 - s / 2, mainMenuTexts[8], 1 + s / 2);
    DrawCornerButton(optionsButton, optionsX, rowY,
                     MenuButtonHighlighted(optionsX, rowY, focusOptions, mainMenuFocus), s,
                     1 + s / 2, mainMenuTexts[7], 1 + s / 2);
    DrawCornerButton(resetButton, resetX, rowY,
                     MenuButtonHighlighted(resetX, rowY, focusReset, mainMenuFocus), s, 1 - s / 2,
                     mainMenuTexts[resetArmed ? 12 : 6], 1 - s / 2);

    for (int i = 0; i < 5; ++i) {
        const WorldButton& b = worldButtons[i];
        const float x = WorldButtonX(i);
        const float y = WorldButtonY(i);
        const bool open = unlockedLevels >= worldOpensAt[i];
        const bool lit = MenuButtonHighlighted(x, y, focusWorld1 + i, mainMenuFocus);
        const float size = (open ? 1.0f : 0.5f) + b.grow * s;
        stanButton[lit ? 1 : 0].DrawSprite(x, y, -s, size, size, 32, 32,
                                           open ? 0xFFFFFFFFu : 0xFF646464u);
        const float grey = open ? 153.0f / 255.0f : 100.0f / 255.0f;
        const float labelSize = size * b.labelScale;
        fontMedium.DrawTextCentred(mainMenuTexts[i], x, y, labelSize, labelSize, -s, grey, grey,
                                   grey, 1.0f);
    }
    DrawMenuCursor();
}
