#pragma once
// The five level pages (states 5, 6, 8, 9, 10): a wide landscape that scrolls
// sideways, the chapter title, nine level buttons for nine places of the play
// order (the ninth a boss level), the Vop-kind choice, exit and back.
#include <cstdint>

struct LandscapeElement;

constexpr int levelPageCount = 5;
constexpr int levelButtonsPerPage = 9;

struct LevelPageData {
    const LandscapeElement* landscape;
    int landscapeCount;
    int32_t records[levelButtonsPerPage];   // level record behind each button
    int32_t heights[levelButtonsPerPage];   // above the lower screen edge
    float parallax[levelButtonsPerPage];
};
extern const LevelPageData levelPages[levelPageCount];

// Page 0..4 of a game state, or -1 for a state that is no level page.
int LevelPageIndex(int state);
// World x of button 0..8 (100, 300, .., 1700).
int32_t LevelButtonWorldXOf(int slot);
// The button's place in the play order, 1..45.
int32_t LevelButtonNumber(int page, int slot);

void StepLevelPage(int page);
void DrawLevelPage(int page);
