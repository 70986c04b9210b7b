#pragma once
// The frame of a level being played, back to front in one sprite batch.

// The main in-game block of the render chain: scenery, hints, goal sign,
// the Vop with its trail and the enemies (behind or in front of the world
// tiles, per level), the tiles, gears and cannons, decorations, bursts and
// the end-of-level messages. Does nothing outside the game.
void RenderInGameScreen();
// The last block of the render chain: the status line along the lower edge,
// drawn over the cinema bars. Does nothing outside the game.
void RenderInGameStatusLine();

// The pieces of the frame that belong to no drawing module of their own.
void DrawLevelTiles();
void DrawGoalSign();
void DrawEndMessages();
void DrawStatusLine();
