#pragma once
// Offscreen targets to draw into and to sample from (the bloom pass).
// They need a display (an OpenGL context).
#include <cstdint>

struct RenderTarget;

// Null when the target cannot be made (no display, no framebuffer support,
// size not positive); callers then fall back to plain frames.
RenderTarget* CreateRenderTarget(int width, int height);
void ReleaseRenderTarget(RenderTarget* target);
int RenderTargetWidth(const RenderTarget* target);
int RenderTargetHeight(const RenderTarget* target);
// Clears the target to an ARGB colour.
void ClearRenderTarget(RenderTarget* target, uint32_t argb);
// Copies the finished frame of the current batch target (the window, or the
// target set by SetBatchTarget) into `target`, stretched to its size with
// point sampling. False when nothing could be copied.
bool CopyFrameToRenderTarget(RenderTarget* target);
// Reads the target's pixels as ARGB words, row after row from the top,
// into `argb` (width x height words). False when it cannot.
bool ReadRenderTargetPixels(RenderTarget* target, uint32_t* argb, int capacity);
