#include "game/IntroCredits.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "game/MenuKit.h"
#include "game/MenuLandscape.h"
#include "game/ScreenTransition.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/ColourCycle.h"
#include "screens/CreditsRoll.h"
#include "screens/FocusNavigation.h"
#include "screens/TrailParticles.h"
#include "shared/AuthorLine.h"

int32_t introTimer = -65;
int32_t introAlpha1 = 0;
int32_t introAlpha2 = 0;

namespace {

struct IntroWords {
    const char* presents;
    const char* gameBy;
};
// By language id: 1 German, 2 English, 3 French, 4 Italian, 5 Spanish.
const IntroWords introWords[6] = {
    {"presents", "a game by"},
    {"präsentiert", "ein Spiel von"},
    {"presents", "a game by"},
    {"présente", "un jeu de"},
    {"presenta", "un gioco di"},
    {"presenta", "un juego de"},
};

const IntroWords& WordsOf(int language) {
    return introWords[(language >= 1 && language <= 5) ? language : 2];
}

constexpr int32_t introEnd = 420;

}  // namespace

const char* IntroPresentsWord(int language) { return WordsOf(language).presents; }
const char* IntroGameByWords(int language) { return WordsOf(language).gameBy; }

void StepIntroScreen() {
    introTimer += 2;
    if (introTimer > 10 && introTimer < 200) {
        introAlpha1 += 8;
        if (introAlpha1 > 255) introAlpha1 = 255;
    }
    if (introTimer > 110 && introTimer < 200) {
        introAlpha2 += 10;
        if (introAlpha2 > 255) introAlpha2 = 255;
    }
    if (introTimer > 290) {
        introAlpha1 -= 6;
        if (introAlpha1 < 0) introAlpha1 = 0;
        introAlpha2 -= 6;
        if (introAlpha2 < 0) introAlpha2 = 0;
    }
    if (introTimer > introEnd) {
        if (gameState == IntroPresents) {
            gameState = IntroAuthor;
            introAlpha1 = 0;
            introAlpha2 = 0;
            introTimer = -65;
        } else {
            // The main menu opens the still closed bars.
            gameState = MainMenu;
        }
    }
}

void DrawIntroScreen() {
    const float x = static_cast<float>(screenWidth / 2);
    const float upper = static_cast<float>(screenHeight / 2 - 50);
    const float lower = static_cast<float>(screenHeight / 2 + 50);
    const float a1 = static_cast<float>(introAlpha1);
    const float a2 = static_cast<float>(introAlpha2);
    const bool first = gameState == IntroPresents;
    // The studio and the author are the same in every language.
    const char* line1 = first ? creditsPublisherLine : IntroGameByWords(languageId);
    const char* line2 = first ? IntroPresentsWord(languageId) : gameAuthorLine;
    const float scale1 = a1 / 2000.0f + (first ? 0.55f : 0.3f);
    const float scale2 = a2 / 2000.0f + (first ? 0.3f : 0.5f);
    fontLarge.DrawTextCentred(line1, x, upper, scale1, scale1, 0, 1, 1, 1, a1 / 255.0f);
    fontLarge.DrawTextCentred(line2, x, lower, scale2, scale2, 0, 1, 1, 1, a2 / 255.0f);
}

void StepCreditsScreen() {
    ArmMenuFocus();  // the mouse and keys switch modes here too; there is no focus
    UpdateMenuPointer();
    UpdateColourCycle();
    AdvanceAnimationPhases();
    ScrollCredits();
    UpdateMenuPanSpeed(true);
    UpdateMenuCamera(true);

    OpenBarsStep(menuBarsOpenTarget);
    if (ButtonsLive() && (actionBack || mouseClicked || actionConfirm)) StartTransition(MainMenu);
    if (transitionIdle == 0 && CloseBarsStep()) gameState = nextState;
}

void DrawCreditsScreen() {
    if (decorationsEnabled) {
        const float panX[4] = {0.3f, 0.4f, 0.5f, 0.6f};
        const float panY[4] = {0.6f, 0.75f, 0.84f, 0.935f};
        DrawMenuDiscs(300, static_cast<float>(screenHeight - 300), panX, panY, 1.0f);
        DrawMenuLandscape();
    }
    DrawCredits();
    DrawMenuCursor();
}
