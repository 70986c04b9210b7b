#include "game/MainMenu.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Maths.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/MenuKit.h"
#include "game/MenuLandscape.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
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
    const float rowY = MenuLowerRowY();
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
                          MenuLowerRowY(), 32.0f) &&
        mainMenuFocus != focusReset && transitionIdle == 1) {
        resetArmed = 0;
    }

    if (transitionIdle == 0 && CloseBarsStep()) ArriveFromMainMenu();
}

// ---------------------------------------------------------------------------
// Drawing

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

    const float rowY = MenuLowerRowY();
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
