#pragma once
// The render pass of a tick: the frame skeleton (clear, sprite batch, the
// screens, bloom when on, present) and the chain of per-screen drawing blocks
// inside it, each guarded by its own test of gameState.
#include <cstdint>

// The screens of the current state, back to front, inside the sprite batch:
// in game, main menu, options, level pages, credits, then the bars, the total
// and the level title common to all screens, then the intro texts and the
// in-game status line over the bars.
void DrawScreenChain();
// A whole frame: a bloom frame while the bloom pass is ready, else a plain one.
void RenderFrame();
// The screens of one frame drawn into the current batch target, cleared to
// the frame colour first.
void DrawFrameContents();
// Clear colour of every frame: the colour cycle's tint.
uint32_t FrameClearColour();
