#include "screens/FocusNavigation.h"

#include "engine/InputActions.h"
#include "engine/MainWindow.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "gameplay/Camera.h"
#include "platform/Audio.h"

uint8_t menuFocusIdle = 1;
int32_t lastMouseX = 0;
int32_t lastMouseY = 0;
uint8_t navKeyLatch = 0;
int32_t mainMenuFocus = 7;
int32_t subMenuFocus = 2;
int32_t levelPageFocus[5] = {18, 18, 18, 18, 18};
int32_t levelFocusReturn = 0;
int32_t subMenuReturnFocus = 33;
uint8_t focusPressBlocked = 0;

namespace {

enum NavAction { Left, Right, Up, Down };

bool Held(NavAction action) {
    switch (action) {
    case Left: return actionLeft != 0;
    case Right: return actionRight != 0;
    case Up: return actionUp != 0;
    case Down: return actionDown != 0;
    }
    return false;
}

// One move rule: applies only once per press (the latch) and only from its
// own focus id, so at most one rule fires per tick.
bool Move(int32_t& focus, int32_t from, NavAction action, int32_t to) {
    if (focus != from || navKeyLatch != 0 || !Held(action)) return false;
    focus = to;
    navKeyLatch = 1;
    menuSelectSound.Play();
    return true;
}

struct MoveRule {
    int32_t from;
    NavAction action;
    int32_t to;
};

// The main menu's buttons form one row: 1 3 5 4 10 8 7 9 11, no wrap.
const MoveRule mainMenuRules[] = {
    {7, Right, 9}, {7, Left, 8}, {8, Right, 7}, {8, Left, 10}, {9, Right, 11}, {9, Left, 7},
    {10, Right, 8}, {11, Left, 9}, {10, Left, 4}, {4, Left, 5}, {4, Right, 10}, {5, Left, 3},
    {5, Right, 4}, {3, Left, 1}, {3, Right, 5}, {1, Right, 3},
};

// Options: the two rows of toggles, then the difficulty row.
const MoveRule optionsRules[] = {
    {28, Right, 27}, {28, Down, 30}, {27, Left, 28}, {27, Down, 29},
    {30, Right, 29}, {30, Up, 28}, {30, Down, 31}, {29, Left, 30}, {29, Up, 27}, {29, Down, 33},
    {31, Right, 32}, {31, Up, 30}, {32, Left, 31}, {32, Right, 33}, {32, Up, 30}, {33, Left, 32},
    {33, Up, 29},
};

bool AnyNavigationHeld() {
    return actionJump || actionAttack || actionConfirm || actionLeft || actionRight || actionUp ||
           actionDown || actionBack || actionRestart;
}

// Confirm and back do not wake keyboard mode: in mouse mode they would
// otherwise press the focused default button unseen.
bool AnyWakeHeld() {
    return actionJump || actionAttack || actionLeft || actionRight || actionUp || actionDown ||
           actionRestart;
}

int32_t LevelButtonWorldX(int32_t focus) { return (focus - 18) * 200 + 100; }

}  // namespace

void ArmMenuFocus() {
    if (mouseX != lastMouseX || mouseY != lastMouseY) {
        menuFocusIdle = 1;
        lastMouseX = mouseX;
        lastMouseY = mouseY;
        mainMenuFocus = 0;
        subMenuFocus = 0;
        for (int32_t& focus : levelPageFocus) focus = 0;
    }
    if (menuFocusIdle == 0 && !AnyNavigationHeld()) {
        navKeyLatch = 0;
        focusPressBlocked = 0;
    }
    if (menuFocusIdle == 1 && AnyWakeHeld()) {
        menuFocusIdle = 0;
        ResetMenuFocus();
        // The key that woke keyboard mode must not also move the focus, nor
        // press the default button.
        navKeyLatch = 1;
        focusPressBlocked = 1;
    }
}

int32_t PressableFocus(int32_t focus) { return focusPressBlocked ? 0 : focus; }

void ResetMenuFocus() {
    levelFocusReturn = 0;
    subMenuReturnFocus = 33;
    mainMenuFocus = 7;
    subMenuFocus = 2;
    for (int32_t& focus : levelPageFocus) focus = 18;
}

void NavigateMainMenuFocus() {
    ArmMenuFocus();
    if (menuFocusIdle != 0) return;
    for (const MoveRule& rule : mainMenuRules) Move(mainMenuFocus, rule.from, rule.action, rule.to);
}

void NavigateSubMenuFocus() {
    ArmMenuFocus();
    if (menuFocusIdle != 0) return;
    int32_t& f = subMenuFocus;
    for (const MoveRule& rule : optionsRules) Move(f, rule.from, rule.action, rule.to);
    // Down from the difficulty row (or right from its end) reaches back and
    // remembers where to come back to.
    for (int32_t item = 31; item <= 33; ++item) {
        if (Move(f, item, Down, focusBack)) subMenuReturnFocus = item;
    }
    if (Move(f, 33, Right, focusBack)) subMenuReturnFocus = 33;
    Move(f, focusBack, Up, subMenuReturnFocus);
    Move(f, focusBack, Left, subMenuReturnFocus);
    Move(f, focusBack, Right, focusExit);
    Move(f, focusExit, Left, focusBack);
}

void NavigateLevelPageFocus(int32_t& f) {
    for (int32_t id = 18; id <= 25; ++id) Move(f, id, Right, id + 1);
    for (int32_t id = 19; id <= 26; ++id) Move(f, id, Left, id - 1);
    for (int32_t id = 18; id <= 26; ++id) {
        if (Move(f, id, Down, focusBack)) levelFocusReturn = id;
    }
    Move(f, focusBack, Right, focusExit);
    Move(f, focusBack, Left, levelFocusReturn);
    Move(f, focusExit, Left, focusBack);
    Move(f, focusBack, Up, levelFocusReturn);
    Move(f, focusExit, Up, levelFocusReturn);
    // Up from a level button goes to the kind column on its side of the screen.
    for (int32_t id = 18; id <= 26; ++id) {
        const int32_t column = LevelButtonWorldX(id) - cameraX <= screenWidth / 2 ? 14 : 17;
        if (Move(f, id, Up, column)) levelFocusReturn = id;
    }
    Move(f, 14, Down, levelFocusReturn);
    Move(f, 17, Down, levelFocusReturn);
    const MoveRule kindRules[] = {
        {14, Up, 13}, {13, Up, 12}, {12, Down, 13}, {13, Down, 14},
        {17, Up, 16}, {16, Up, 15}, {15, Down, 16}, {16, Down, 17},
        {12, Right, 15}, {13, Right, 16}, {14, Right, 17},
        {15, Left, 12}, {16, Left, 13}, {17, Left, 14},
    };
    for (const MoveRule& rule : kindRules) Move(f, rule.from, rule.action, rule.to);

    // Keep the focused level button on screen; a held look action pans freely.
    if (f >= 18 && f <= 26 && !actionLookLeft && !actionLookRight) {
        const int32_t bx = LevelButtonWorldX(f);
        if (bx - 150 < cameraX) cameraX -= 5;
        if (bx + 150 > cameraX + screenWidth) cameraX += 5;
    }
}

namespace {
void NavigatePage(int page) {
    ArmMenuFocus();
    if (menuFocusIdle == 0) NavigateLevelPageFocus(levelPageFocus[page]);
}
}  // namespace

void NavigateLevelPage1Focus() { NavigatePage(0); }
void NavigateLevelPage2Focus() { NavigatePage(1); }
void NavigateLevelPage3Focus() { NavigatePage(2); }
void NavigateLevelPage4Focus() { NavigatePage(3); }
void NavigateLevelPage5Focus() { NavigatePage(4); }

void ResetLevelPageFocus() {
    levelFocusReturn = 0;
    for (int32_t& focus : levelPageFocus) focus = 18;
}
