#pragma once
// The Vop-kind choice on every level page: three round buttons at each side
// of the screen. A kind opens as the player advances in the play order; the
// chosen kind plays the next level.
#include <cstdint>

struct VopKindButton {
    int32_t kind;          // 1 beginner, 2 spike, 3 air, 4 rock, 5 angry, 6 elite
    bool rightColumn;      // centre x is screenWidth - 50 instead of 50
    int32_t y;             // centre y
    int32_t focusId;
    int32_t openAbove;     // open when unlockedLevels is greater than this
    int32_t firstText;     // levelselection entry of its first line
};
constexpr int vopKindButtonCount = 6;
// Left column top down (beginner, spike, rock), then the right (air, angry, elite).
extern const VopKindButton vopKindButtons[vopKindButtonCount];

bool IsVopKindOpen(const VopKindButton& button);
int32_t VopKindButtonX(const VopKindButton& button);

// Applies a press on an open kind button (pointer and click, or the page's
// focus and confirm). The page calls it only while its buttons are live.
void SelectVopKind(int32_t focusValue);
// Draws the six buttons and, for a hovered one, its three explaining lines.
void DrawVopKindButtons(float wobble, int32_t focusValue);
