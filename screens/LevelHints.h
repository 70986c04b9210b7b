#pragma once
// The tutorial lines written into the background of the introduction levels,
// and the background decoration pictures (swaying trees, tunnel backs) of a
// few levels; all of it lies behind the world tiles.

// Opacity of a hint line whose fade point is fadeX: 0 while the Vop is 360
// or more pixels left of it, rising 2 per pixel, 255 from 232.5 pixels left
// of it on.
int HintAlpha(int fadeX);
void DrawLevelHints();

// The `index`-th tunnel back the game draws behind level record `recordId`:
// its decoration slot and world top-left. False past the last one. The
// level pictures are painted to fit these places.
bool LevelBackPicture(int recordId, int index, int* decorSlot, int* worldX, int* worldY);

// The `index`-th swaying tree the game draws behind level record `recordId`:
// its decoration slot, the picture point it sways about and its scale. False
// past the last one. The tree pictures stand on their trunks at that point.
bool LevelSwayingPicture(int recordId, int index, int* decorSlot, float* centreX, float* centreY,
                         float* scale);
