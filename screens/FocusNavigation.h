#pragma once
// Keyboard, joystick and pad focus on the menu screens. The menus are in
// mouse mode (nothing focused, buttons follow the pointer) until a direction,
// jump, attack or restart action wakes keyboard mode; moving the mouse goes
// back to mouse mode. In keyboard mode one button per screen holds the focus,
// the direction actions move it one step per press and confirm presses it.
#include <cstdint>

// Focus ids: 0 nothing; 1 exit and 2 back on every screen that has them.
// Main menu: 3 options, 4 credits, 5 reset, 7..11 pages 1..5.
// Options: 27 rumble off, 28 on, 29 checkpoints off, 30 on, 31..33 difficulty.
// Level page: 18..26 level buttons, 12..14 left kind column (top down),
// 15..17 right kind column.
constexpr int focusExit = 1;
constexpr int focusBack = 2;

extern uint8_t menuFocusIdle;        // 1 = mouse mode, 0 = keyboard mode
extern int32_t lastMouseX, lastMouseY;
extern uint8_t navKeyLatch;          // a move happened; released when no key is held
extern int32_t mainMenuFocus;        // main menu
extern int32_t subMenuFocus;         // options menu
extern int32_t levelPageFocus[5];    // one per level page
extern int32_t levelFocusReturn;     // level button to go back to on a page
extern int32_t subMenuReturnFocus;   // options item to go back to from back
// 1 from the tick a key woke keyboard mode until every navigation key is up:
// the waking key (Return and Space also confirm) must not press the default
// button the player never saw focused.
extern uint8_t focusPressBlocked;

// The focus value a screen compares with its buttons when testing a press by
// confirm: the screen's focus, or 0 while the waking key is still held.
int32_t PressableFocus(int32_t focus);
// Every screen's focus on its default button, where keyboard mode starts.
void ResetMenuFocus();

// Mode switch and latch release; the navigation functions call it first.
void ArmMenuFocus();
void NavigateMainMenuFocus();
void NavigateSubMenuFocus();
// The level-page moves and the scroll that keeps the focused button on screen.
void NavigateLevelPageFocus(int32_t& focus);
void NavigateLevelPage1Focus();
void NavigateLevelPage2Focus();
void NavigateLevelPage3Focus();
void NavigateLevelPage4Focus();
void NavigateLevelPage5Focus();
// Every page back on its first level button.
void ResetLevelPageFocus();
