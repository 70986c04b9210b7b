#pragma once
// The Vop's trail drawn as shimmering particles in a level, and the same ring
// drawn as the menu cursor.
#include <cstdint>

// Draws the trail for the current Vop kind; each particle is jittered anew
// every frame, so the trail shimmers even while it stands still.
void DrawTrailParticles();
// Draws the ring as black particles following the mouse pointer, with a
// black-and-white glow at the pointer; nothing in keyboard or pad mode.
void DrawMenuCursor();

// Randomness for looks only (particle jitter). Kept apart from anything the
// simulation draws, so drawing a frame never changes how a level plays.
// Uniform whole numbers 0..32767.
int CosmeticRandom();
void SeedCosmeticRandom(uint32_t seed);
