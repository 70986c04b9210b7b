#pragma once
// The one sprite batch every picture and text goes through. Two backends,
// chosen by the plain flag `batchBackend`:
// - Sfml: draws into the game window (or a render target, see
//   SetBatchTarget) with alpha blending and colour modulation;
// - Recording: draws nothing and needs no display; every draw is appended
//   to a fixed-capacity log that tests read back.
// Per-draw work allocates nothing in either backend.
#include <cstdint>

#include "platform/AffineTransform.h"

struct PlatformTexture;
struct PlatformFont;
struct RenderTarget;

enum class BatchBackend : uint8_t { Recording, Sfml };
// Recording until a window or a drawing test switches it.
extern BatchBackend batchBackend;

// Left, top, right, bottom in texture pixels (right and bottom exclusive).
struct BatchRect {
    int32_t left, top, right, bottom;
};

enum class BatchDrawKind : uint8_t { Sprite, Text, Clear, Present };

constexpr int kBatchTextChars = 96;     // longer texts are cut in the log only
constexpr int kBatchLogCapacity = 16384;

// One logged draw of the recording backend.
struct BatchRecord {
    BatchDrawKind kind;
    uint8_t useSourceRect;     // sprites: 1 when sourceRect applies
    uint32_t textureId;        // sprites: stable id of the picture (0: none)
    const char* path;          // sprites: the picture's file; texts: the font's file
    AffineTransform transform; // picture / text box pixels -> screen
    BatchRect sourceRect;      // sprites
    uint32_t colour;           // ARGB (the clear colour for Clear)
    int32_t fontHeight;        // texts: pixel height the font was loaded with
    int32_t boxWidth, boxHeight;  // texts: the measured box the lines are centred in
    char text[kBatchTextChars];   // texts: the string (zero-terminated)
};

// Frame bracket (the sprite batch's Begin/End). Draws outside it still work.
void BatchBegin();
void BatchEnd();
// Clears the whole current target to an ARGB colour.
void BatchClear(uint32_t argb);
// Shows the finished frame (window backend) or logs a Present record.
void BatchPresent();

// Draws a picture (or its source rectangle, whose top-left corner is then the
// picture-space origin) through the transform, modulated by the ARGB colour.
// A null texture draws nothing.
void BatchDrawTexture(const PlatformTexture* texture, const AffineTransform& transform,
                      const BatchRect* sourceRect, uint32_t argb);
// Draws text into a box of boxWidth x boxHeight pixels (text-box coordinates,
// origin at the box's top left) through the transform; every line is
// centred horizontally in the box. A null font draws nothing.
void BatchDrawText(const PlatformFont* font, const char* text, int boxWidth, int boxHeight,
                   const AffineTransform& transform, uint32_t argb);

// Where the Sfml backend draws: null = the game window (the default), or an
// offscreen target (drawing tests, the bloom scene).
void SetBatchTarget(RenderTarget* target);
RenderTarget* BatchTarget();

// Recording backend: the log since the last reset, in draw order.
void ResetBatchLog();
int BatchLogCount();
const BatchRecord* BatchLog();
int BatchLogDropped();  // draws that did not fit into the log
