#pragma once
// The level buttons of the level pages: a round button per level with a tick
// once passed and, under the pointer or focus, the level's requirement and
// name. Also the first-start hint that points to the Vop-kind choice.
#include <cstdint>

// 1 while the first-start hint was drawn in this frame; the page reads it in
// the next frame to dim its chapter title.
extern uint8_t kindHintShown;

// True when the chosen Vop kind may play the level record.
bool CanPlayWithVopKind(int32_t record);

// Screen position of a button standing at world x with the given parallax,
// `height` pixels above the lower screen edge. Shared by drawing and presses.
float LevelButtonScreenX(int32_t x, float parallax);
int32_t LevelButtonScreenY(int32_t height);
// Whether the pointer is within `reach` pixels of a button's centre: the one
// test for the highlight and for the press, on the unrounded screen x.
bool PointerOnLevelButton(float sx, int32_t sy, float reach);

// x: world x on the page; y: height above the lower edge; scale: parallax;
// number: place in the play order (1..45); record: index into levelTable.
void DrawLevelButton(int32_t x, int32_t y, float scale, int32_t number, float wobble,
                     int32_t record, int32_t focusValue, int32_t focusId);
