#pragma once
// Where the game's frame goes in a window of another size (a full screen at
// a size the display cannot switch to): scaled as large as fits without
// changing its shape, centred, black around it. Plain arithmetic, so the
// placement and the pointer mapping can be checked without a display.

struct FrameViewport {
    int left, top;      // window pixels of the frame's top-left corner
    int width, height;  // window pixels the frame covers
};

// The place of a frameWidth x frameHeight frame in the window; the whole
// window when the sizes are equal. Sizes below 1 count as 1.
FrameViewport FitFrame(int frameWidth, int frameHeight, int windowWidth, int windowHeight);
// True when the frame does not cover the window exactly (bars or scaling).
bool IsLetterboxed(const FrameViewport& viewport, int frameWidth, int frameHeight);
// A window pixel as a frame pixel (rounded down). Over the bars the result
// lies outside 0..frameWidth-1 / 0..frameHeight-1, so it hits no button.
void WindowToFrame(const FrameViewport& viewport, int frameWidth, int frameHeight, int windowX,
                   int windowY, int* frameX, int* frameY);
