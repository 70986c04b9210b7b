#pragma once
// Tunnels and overhangs of a few levels, drawn in front of everything that
// moves, so the Vop passes behind them.
void DrawLevelDecorations();
