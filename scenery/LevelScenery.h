#pragma once
// The parallax scenery behind the level being played.

// Draws the current level's scenery through the shared sprite batch; the
// in-game render pass calls it first, before the level hints.
void DrawLevelScenery();
