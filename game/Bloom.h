#pragma once
// The bloom post-process of the shader option: the finished frame is copied
// into a texture, its bright parts are extracted into a reduced target,
// blurred in two passes and combined with the unprocessed frame. Its strength
// follows the bars, the kill flash and the Vop's death.
#include <cstdint>

struct Effect;
struct RenderTarget;

// The bloom's start values (the effects' parameters before the first frame).
constexpr float bloomThreshold = 0.41f;
constexpr float bloomIntensity = 1.85f;
constexpr float baseIntensity = 1.1f;
constexpr float bloomSaturation = 0.6f;
constexpr float baseSaturation = 1.45f;
constexpr float blurStepNumerator = 2.6f;

extern RenderTarget* sceneTexture;
extern RenderTarget* bloomTextures[3];
extern Effect* bloomExtractEffect;
extern Effect* gaussianBlurEffect;
extern Effect* bloomCombineEffect;

// The per-frame values ApplyBloom hands to the effects.
struct BloomParameters {
    double drive;     // D
    float k;          // drive relative to 120, to the power 0.75
    float threshold;  // "BloomThreshold" and "BloomSaturation"
    float intensity;  // "BloomIntensity"
};
// The parameters for the current bars, flash, death and screen.
BloomParameters ComputeBloomParameters();

// Size of the reduced targets: the screen size divided by 2.5, truncated.
int BloomTargetWidth();
int BloomTargetHeight();

// Creates the targets and effects and binds their parameters. When any of
// them cannot be made, everything is released again, a message goes to
// standard error and the frames stay plain. Returns true when bloom is ready.
bool SetUpBloom();
// Releases the targets and effects (a device rebuild makes them again).
void ReleaseBloom();
// True while every target and effect exists.
bool BloomReady();
// The fixed drawing state of the device; logs "Scene initialisiert!" when
// asked to (start-up does, a device rebuild does not).
void SetRenderStates(bool logLine);
// The per-frame passes, after the frame was drawn into sceneTexture: bright
// pass, two blurs, and the combine into `destination` (null: the window).
void ApplyBloom(RenderTarget* destination = nullptr);
