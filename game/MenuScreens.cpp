#include "game/MenuScreens.h"

#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "game/IntroCredits.h"
#include "game/LevelPages.h"
#include "game/MainMenu.h"
#include "game/OptionsMenu.h"
#include "gameplay/Camera.h"
#include "screens/CreditsRoll.h"
#include "screens/FocusNavigation.h"
#include "screens/LevelButtons.h"
#include "shared/GameStates.h"

void RenderIntroScreen() {
    if (gameState == IntroPresents || gameState == IntroAuthor) DrawIntroScreen();
}

void UpdateIntroScreen() {
    // State 0 may hand over to state 1 within this call; state 1 then takes
    // its first step in the same tick.
    if (gameState == IntroPresents) StepIntroScreen();
    if (gameState == IntroAuthor) StepIntroScreen();
}

void RenderMainMenu() {
    if (gameState == MainMenu) DrawMainMenuScreen();
}

void UpdateMainMenu() {
    if (gameState == MainMenu) StepMainMenuScreen();
}

void RenderOptionsMenu() {
    if (gameState == OptionsMenu) DrawOptionsScreen();
}

void UpdateOptionsMenu() {
    if (gameState == OptionsMenu) StepOptionsScreen();
}

void RenderCreditsScreen() {
    if (gameState == Credits) DrawCreditsScreen();
}

void UpdateCreditsScreen() {
    if (gameState == Credits) StepCreditsScreen();
}

void RenderLevelPages() {
    const int page = LevelPageIndex(gameState);
    if (page >= 0) DrawLevelPage(page);
}

void UpdateLevelPages() {
    const int page = LevelPageIndex(gameState);
    if (page >= 0) StepLevelPage(page);
}

void OnArriveAtCredits() {
    creditsY = static_cast<float>(screenHeight - 200);
    cameraX = 0;
}

void ResetMenuState() {
    introTimer = -65;
    introAlpha1 = 0;
    introAlpha2 = 0;
    menuFocusIdle = 1;
    lastMouseX = mouseX;
    lastMouseY = mouseY;
    navKeyLatch = 0;
    focusPressBlocked = 0;
    ResetMenuFocus();
    resetArmed = 0;
    resetPressHeld = 0;
    creditsY = 0.0f;
    kindHintShown = 0;
}
