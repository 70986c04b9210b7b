#include "platform/Letterbox.h"

#include <cstdint>

namespace {

int AtLeastOne(int v) { return v < 1 ? 1 : v; }

// Rounds toward minus infinity, so pixels left of the frame map below 0.
int FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return static_cast<int>(q);
}

}  // namespace

FrameViewport FitFrame(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
    const int64_t fw = AtLeastOne(frameWidth), fh = AtLeastOne(frameHeight);
    const int64_t ww = AtLeastOne(windowWidth), wh = AtLeastOne(windowHeight);
    FrameViewport v;
    // Whole pixels, so the frame's edges stay sharp: the side that limits
    // the scale fills the window, the other is scaled the same, rounded.
    if (ww * fh <= wh * fw) {
        v.width = static_cast<int>(ww);
        v.height = static_cast<int>((fh * ww * 2 + fw) / (fw * 2));
    } else {
        v.height = static_cast<int>(wh);
        v.width = static_cast<int>((fw * wh * 2 + fh) / (fh * 2));
    }
    v.width = AtLeastOne(v.width);
    v.height = AtLeastOne(v.height);
    v.left = static_cast<int>((ww - v.width) / 2);
    v.top = static_cast<int>((wh - v.height) / 2);
    return v;
}

bool IsLetterboxed(const FrameViewport& viewport, int frameWidth, int frameHeight) {
    return viewport.left != 0 || viewport.top != 0 || viewport.width != frameWidth ||
           viewport.height != frameHeight;
}

void WindowToFrame(const FrameViewport& viewport, int frameWidth, int frameHeight, int windowX,
                   int windowY, int* frameX, int* frameY) {
    *frameX = FloorDiv(static_cast<int64_t>(windowX - viewport.left) * AtLeastOne(frameWidth),
                       AtLeastOne(viewport.width));
    *frameY = FloorDiv(static_cast<int64_t>(windowY - viewport.top) * AtLeastOne(frameHeight),
                       AtLeastOne(viewport.height));
}
