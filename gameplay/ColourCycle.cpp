#include "gameplay/ColourCycle.h"

#include "engine/PackedColour.h"
#include "engine/Settings.h"
#include "shared/LevelRecord.h"

float colourKeys[5][4];
int colourPrevKey = 0, colourNextKey = 0;
int colourKeyCount = 5;
int colourFadeTicks = 1;
int colourHoldTicks = 0;
int colourCycleTicks = 0;
uint8_t colourReached[4];
float ambientColour[4];
uint32_t tintColour = 0xFF000000u;

namespace {
int WrapKey(int key) { return (key >= 0 && key < 5) ? key : 0; }
}

void UpdateColourCycle()
{
    colourPrevKey = WrapKey(colourPrevKey);
    colourNextKey = WrapKey(colourNextKey);
    const float* prev = colourKeys[colourPrevKey];
    const float* next = colourKeys[colourNextKey];
    float* a = ambientColour;
    // A fade of 0 ticks would divide by zero; it means "at once".
    const float ticks = static_cast<float>(colourFadeTicks > 0 ? colourFadeTicks : 1);

    // The test comes before this tick's step: a channel that arrives now is
    // flagged in the next tick.
    for (int c = 0; c < 4; ++c)
        if (a[c] == next[c]) colourReached[c] = 1;

    for (int c = 0; c < 4; ++c) {
        if (colourReached[c]) continue;
        if (next[c] >= prev[c]) {
            a[c] += (next[c] - prev[c]) / ticks;
            if (a[c] >= next[c]) a[c] = next[c];
        }
        if (next[c] <= prev[c]) {
            a[c] -= (prev[c] - next[c]) / ticks;
            if (a[c] <= next[c]) a[c] = next[c];
        }
    }

    colourCycleTicks += 1;

    if (next[0] == 255.0f && next[1] == 255.0f && next[2] == 255.0f && shaderEnabled == 1)
        colourHoldTicks = 0;
    else
        colourHoldTicks = currentLevel.colourHoldTicks;

    if (colourReached[0] && colourReached[1] && colourReached[2] && colourReached[3] &&
        colourCycleTicks >= colourFadeTicks + colourHoldTicks) {
        for (int c = 0; c < 4; ++c) colourReached[c] = 0;
        colourCycleTicks = 0;
        colourPrevKey += 1;
        if (colourPrevKey >= colourKeyCount) colourPrevKey = 0;
        colourNextKey += 1;
        if (colourNextKey >= colourKeyCount) colourNextKey = 0;
    }

    if (currentLevel.followAmbient) {
        const int count = LiveObjectCount(currentLevel);
        for (int j = 0; j < count; ++j)
            for (int c = 0; c < 3; ++c) currentLevel.objects[j].objColour[c] = a[c];
        for (int c = 0; c < 3; ++c) currentLevel.levelColour[c] = a[c];
    }

    tintColour = 0xFF000000u | (static_cast<uint32_t>(static_cast<int>(a[0]) & 255) << 16) |
                 (static_cast<uint32_t>(static_cast<int>(a[1]) & 255) << 8) |
                 static_cast<uint32_t>(static_cast<int>(a[2]) & 255);
}

void SetMenuColourCycle()
{
    static const float menuKeys[5][4] = {
        {230, 144, 5, 255}, {0, 230, 141, 255}, {206, 5, 217, 255}, {5, 228, 241, 255}, {5, 157, 138, 255},
    };
    for (int k = 0; k < 5; ++k)
        for (int c = 0; c < 4; ++c) colourKeys[k][c] = menuKeys[k][c];
    for (int c = 0; c < 4; ++c) ambientColour[c] = menuKeys[0][c];
    colourPrevKey = 0;
    colourNextKey = 1;
    colourKeyCount = 5;
    colourFadeTicks = 200;
    for (int c = 0; c < 4; ++c) colourReached[c] = 0;
}

void SetFadeToColourCycle(float r, float g, float b, int fadeTicks)
{
    for (int k = 0; k < 4; ++k) {
        colourKeys[k][0] = r;
        colourKeys[k][1] = g;
        colourKeys[k][2] = b;
        colourKeys[k][3] = 255.0f;
    }
    for (int c = 0; c < 4; ++c) colourKeys[4][c] = ambientColour[c];
    for (int c = 0; c < 4; ++c) colourReached[c] = 0;
    colourPrevKey = 4;
    colourNextKey = 0;
    colourKeyCount = 4;
    colourFadeTicks = fadeTicks;
}

uint32_t AmbientArgb(uint32_t alpha, float factor)
{
    return Argb(alpha, Channel(ambientColour[0] * factor), Channel(ambientColour[1] * factor),
                Channel(ambientColour[2] * factor));
}
