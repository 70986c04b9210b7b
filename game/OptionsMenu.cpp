#include "game/OptionsMenu.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "game/MenuKit.h"
#include "game/MenuLandscape.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "platform/Audio.h"
#include "screens/FocusNavigation.h"
#include "screens/TrailParticles.h"

const OptionButton optionButtons[optionButtonCount] = {
    {580, -200, 0.8f, 28, 1, -1, 6},
    {680, -200, 0.8f, 27, -1, 1, 5},
    {620, -50, 0.7f, 30, -1, 1, 3},
    {720, -50, 0.7f, 29, 1, -1, 4},
    {570, 100, 0.6f, 31, 1, -1, 7},
    {660, 100, 0.6f, 32, -1, 1, 8},
    {750, 100, 0.6f, 33, 1, 1, 9},
};

float OptionButtonX(const OptionButton& button) {
    return static_cast<float>(button.x) - button.pan * static_cast<float>(cameraX);
}

float OptionButtonY(const OptionButton& button) {
    return static_cast<float>(screenHeight / 2 + button.fromMiddle) -
           button.pan * static_cast<float>(cameraY);
}

namespace {

enum OptionIndex { RumbleOn, RumbleOff, CheckpointsOn, CheckpointsOff, Diff1, Diff2, Diff3 };

void ApplyOption(int index) {
    switch (index) {
    case RumbleOn: rumbleEnabled = 1; break;
    case RumbleOff: rumbleEnabled = 0; break;
    case CheckpointsOn: checkpointsEnabled = 1; break;
    case CheckpointsOff: checkpointsEnabled = 0; break;
    case Diff1: difficulty = 1; break;
    case Diff2: difficulty = 2; break;
    case Diff3: difficulty = 3; break;
    }
}

bool OptionIsCurrent(int index) {
    switch (index) {
    case RumbleOn: return rumbleEnabled != 0;
    case RumbleOff: return rumbleEnabled == 0;
    case CheckpointsOn: return checkpointsEnabled != 0;
    case CheckpointsOff: return checkpointsEnabled == 0;
    case Diff1: return difficulty == 1;
    case Diff2: return difficulty == 2;
    case Diff3: return difficulty == 3;
    }
    return false;
}


const float optionsDiscPan[4] = {0.6f, 0.75f, 0.84f, 0.935f};

}  // namespace

void StepOptionsScreen() {
    NavigateSubMenuFocus();
    UpdateMenuPointer();
    UpdateColourCycle();
    AdvanceAnimationPhases();
    UpdateMenuPanSpeed(true);
    UpdateMenuCamera(false);

    // The toggles work also while the bars move.
    for (int i = 0; i < optionButtonCount; ++i) {
        const OptionButton& b = optionButtons[i];
        if (!MenuButtonPressed(OptionButtonX(b), OptionButtonY(b), b.focusId, subMenuFocus))
            continue;
        ApplyOption(i);
        PlayMenuClick();
    }

    OpenBarsStep(menuBarsOpenTarget);
    if (ButtonsLive()) {
        if (MenuButtonPressed(MenuExitX(), MenuLowerRowY(), focusExit, subMenuFocus)) {
            WriteOptionsXml();
            DestroyMainWindow();
        }
        if (actionBack || MenuButtonPressed(MenuBackX(), MenuLowerRowY(), focusBack, subMenuFocus)) {
            StartTransition(MainMenu);
            WriteOptionsXml();
            PlayMenuClick();
        }
    }
    if (transitionIdle == 0 && CloseBarsStep()) gameState = nextState;
}

void DrawOptionsScreen() {
    const float s = MenuWobble();
    const float camX = static_cast<float>(cameraX);
    const float camY = static_cast<float>(cameraY);
    const float half = static_cast<float>(screenHeight / 2);
    if (decorationsEnabled) {
        DrawMenuDiscs(200, half + 110, optionsDiscPan, optionsDiscPan, 1.0f);
        DrawMenuLandscape();
    }
    DrawMenuSilhouettes(123, 310, 213, 200);

    fontSmall.DrawTextCentred(optionsMenuTexts[1], 450 - 0.6f * camX, half - 200 - 0.8f * camY,
                              1 - s, 1 - s, -s, 0, 0, 0, 1);
    FormatText(optionsMenuTexts[0], {"\n"});
    fontSmall.DrawTextCentred(textBuffer, 500 - 0.55f * camX, half - 50 - 0.7f * camY, 1 - s,
                              1 - s, s, 0, 0, 0, 1);
    fontSmall.DrawTextCentred(optionsMenuTexts[2], 450 - 0.5f * camX, half + 100 - 0.6f * camY,
                              0.8f + s, 1 + s, -s, 0, 0, 0, 1);

    for (int i = 0; i < optionButtonCount; ++i) {
        const OptionButton& b = optionButtons[i];
        const float x = OptionButtonX(b);
        const float y = OptionButtonY(b);
        const float turn = b.turn * s;
        const float size = 1 + b.grow * s;
        const bool lit = MenuButtonHighlighted(x, y, b.focusId, subMenuFocus);
        stanButton[lit ? 1 : 0].DrawSprite(x, y, turn, size, size, 32, 32, 0xFFFFFFFFu);
        if (OptionIsCurrent(i))
            checkMarkSprite.DrawSprite(x, y, turn, size, size, 32, 32, 0xFFFFFFFFu);
        if (lit)
            fontSmall.DrawTextCentred(optionsMenuTexts[b.label], x, y + 50, size, size, turn, 0, 0,
                                      0, 1);
    }

    DrawExitAndBackButtons(s, subMenuFocus);
    DrawMenuCursor();
}
