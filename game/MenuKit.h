#pragma once
// Pieces every menu screen shares: the click, the pointer and the menu
// camera, screen buttons, the wobble of the menu pictures and the drawing of
// a landscape. The screens include it; the dispatcher (game/MenuScreens.h)
// stands above them.
#include <cstdint>

struct SpriteTexture;

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
// A corner button (exit, back, ...): its white picture while highlighted,
// and then its label 60 px above it in black.
void DrawCornerButton(SpriteTexture* pair, float x, float y, bool highlighted, float rotation,
                      float scale, const char* label, float labelScale);
// The row of corner buttons 86 px above the lower edge, and where the exit
// and back buttons of the options and the level pages stand in it.
float MenuLowerRowY();
float MenuExitX();
float MenuBackX();
// Those two buttons, wobbling by `wobble`, lit by the pointer or `focus`.
void DrawExitAndBackButtons(float wobble, int32_t focus);

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
