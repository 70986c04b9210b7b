#pragma once
// The menu screens' blocks of the render pass and the update step. Each block
// takes no arguments and tests gameState itself, so the chains can call every
// block unconditionally in their fixed order:
//   render: ... RenderMainMenu, RenderOptionsMenu, RenderLevelPages,
//           RenderCreditsScreen, <common overlays>, RenderIntroScreen ...
//   update: ... UpdateMainMenu, UpdateOptionsMenu, UpdateLevelPages,
//           UpdateIntroScreen, <SumBestScores>, UpdateCreditsScreen ...
//
// The menu update blocks (states 2, 3, 4 and the five level pages) run their
// own screen transition: they open the bars to 20, close them after a press,
// switch gameState at the closed curtain and do the arrival work of the
// screen they lead to (page camera and focus, progress reset, the level
// start with LoadLevel). The chains must not move the curtain for these
// states. The intro blocks switch directly, without the bars.
//
// Arrival work the in-game block needs when a level is left for the credits
// after the final boss: OnArriveAtCredits().
#include <cstdint>

struct SpriteTexture;

// States 0 and 1: the two timed intro screens (drawn over the closed bars).
void RenderIntroScreen();
void UpdateIntroScreen();

// State 2: the main menu.
void RenderMainMenu();
void UpdateMainMenu();

// State 3: the options.
void RenderOptionsMenu();
void UpdateOptionsMenu();

// State 4: the credits roll.
void RenderCreditsScreen();
void UpdateCreditsScreen();

// States 5, 6, 8, 9, 10: the five level pages.
void RenderLevelPages();
void UpdateLevelPages();

// Places the credits roll at its start (screenHeight - 200) and the menu
// camera at 0; for entering the credits from the game.
void OnArriveAtCredits();

// Puts every menu value back to its start: intro clock and alphas, focus and
// mouse mode, reset arming, credits roll, kind hint (a fresh game; tests).
void ResetMenuState();

// ---------------------------------------------------------------------------
// Pieces every menu screen shares.

// The click of an accepted press; not restarted while it still sounds.
void PlayMenuClick();
// Mouse mode: the pointer follows the mouse and leaves the menu trail.
// Keyboard mode: the pointer is parked at the middle of the lower edge,
// where it touches no button.
void UpdateMenuPointer();
// Pan speed of the right stick (pad) or of the controller's z axes.
// vertical: also set menuScrollY.
void UpdateMenuPanSpeed(bool vertical);
// The menu camera of the main menu, options and credits: pushed by the
// pointer at the screen edges, the look keys and the stick, drifting back to
// the middle. capAtTop: cameraY may not go below 0 (the credits).
void UpdateMenuCamera(bool capAtTop);
// A screen button: the pointer within 32 px, or the screen's focus on it.
bool MenuButtonHighlighted(float x, float y, int32_t focusId, int32_t focus);
// Pressed this tick: pointer within 32 px and a click, or focus and confirm
// (not by the key that has just woken keyboard mode).
bool MenuButtonPressed(float x, float y, int32_t focusId, int32_t focus);
// sin(swayPhase) / 5: the wobble of the menu pictures.
float MenuWobble();
// ARGB of the ambient colour times a factor, each channel truncated to 8 bits.
uint32_t AmbientArgb(uint32_t alpha, float factor);
// A corner button (exit, back, ...): its white picture while highlighted,
// and then its label 60 px above it in black.
void DrawCornerButton(SpriteTexture* pair, float x, float y, bool highlighted, float rotation,
                      float scale, const char* label, float labelScale);

// One picture of a menu or page landscape, standing `rise` pixels above the
// lower screen edge (negative: below it). Its turn is
// lean + sway x wobble + spin x swayPhase: trees sway, cannons swing,
// windmill wheels and gears spin.
struct LandscapeElement {
    SpriteTexture* picture;
    int16_t x;
    int16_t rise;
    float centreX, centreY;
    float scale;
    float lean, sway, spin;
    float parallax;
    float brightness;
};
// Draws the elements in order (farthest first) through the camera, tinted by
// the ambient colour times each element's brightness.
void DrawLandscape(const LandscapeElement* elements, int count);
