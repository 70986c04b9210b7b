#pragma once
// Tunnels and overhangs of a few levels, drawn in front of everything that
// moves, so the Vop passes behind them.
void DrawLevelDecorations();

// Where the game draws decoration slot `decorSlot` of level record
// `recordId` (the picture's world top-left); false when it never draws it.
// The level pictures are painted to fit these places.
bool LevelDecorationPosition(int recordId, int decorSlot, int* worldX, int* worldY);
