#pragma once
// The live level's enemies and machines.

// Creatures (walkers, bouncers, ceiling droppers, cannon balls) plus the gears
// and cannon barrels marked to be drawn with them; this layer may lie behind
// the world tiles.
void DrawLevelObjects();
// The gears and cannon barrels not drawn with the creatures: always in front
// of the world.
void DrawGearsAndCannons();
