#pragma once
// Expanding rings of trail particles: for every killed level object (with its
// score or checkpoint notice rising out of it) and for the exploded Vop.

// How opaque a burst is at a rise value: full at first, then fading out;
// invisible from a rise of 53.125 on.
int BurstAlpha(float rise);

// Bursts of the popping objects near the view, in slot order.
void DrawObjectBursts();
// The Vop's explosion, while it lasts.
void DrawDeathBurst();
