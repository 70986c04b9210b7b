#include "game/Bloom.h"

#include <cmath>
#include <cstdio>

#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/LevelAttempt.h"
#include "platform/RenderTarget.h"
#include "platform/Shader.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

RenderTarget* sceneTexture = nullptr;
RenderTarget* bloomTextures[3] = {nullptr, nullptr, nullptr};
Effect* bloomExtractEffect = nullptr;
Effect* gaussianBlurEffect = nullptr;
Effect* bloomCombineEffect = nullptr;

namespace {

// The snow colour's red: snow levels bloom less, unless their picture
// variant is the dark one.
constexpr float snowRed = 225.0f;

const char* const extractFile = "data//shader//BloomExtract.fx";
const char* const blurFile = "data//shader//GaussianBlur.fx";
const char* const combineFile = "data//shader//BloomCombine.fx";

bool ready = false;

}  // namespace

int BloomTargetWidth()
{
    return static_cast<int>(screenWidth / 2.5);
}

int BloomTargetHeight()
{
    return static_cast<int>(screenHeight / 2.5);
}

BloomParameters ComputeBloomParameters()
{
    BloomParameters p;
    if (endState != 0 && fadeState != FadeRestartKey && fadeState != FadeLeaveLevel)
        p.drive = 10.0;
    else
        p.drive = 2.0 * transitionCurtain / ((screenHeight + 400) / 1000.0) + bloomFlashInput +
                  100.0;
    p.k = std::pow(static_cast<float>(p.drive), 0.75f) / std::pow(120.0f, 0.75f);
    p.threshold = bloomThreshold - (p.k - 1.0f) / 7.0f;
    if (p.threshold < 0.0f)
        p.threshold = 0.0f;
    p.intensity = bloomIntensity + (p.k - 1.0f) / 4.0f;
    if (gameState == InGame && currentLevel.levelColour[0] == snowRed && currentLevel.mrVariant != 1)
        p.intensity = bloomIntensity * 0.68f + (p.k - 1.0f) / 4.0f;
    if (gameState == OptionsMenu)
        p.intensity = bloomIntensity * 0.8f + (p.k - 1.0f) / 4.0f;
    if (gameState == IntroPresents || gameState == IntroAuthor)
        p.intensity = (p.k - 1.0f) / 4.0f;
    return p;
}

void ReleaseBloom()
{
    ready = false;
    ReleaseEffect(bloomExtractEffect);
    ReleaseEffect(gaussianBlurEffect);
    ReleaseEffect(bloomCombineEffect);
    bloomExtractEffect = gaussianBlurEffect = bloomCombineEffect = nullptr;
    ReleaseRenderTarget(sceneTexture);
    sceneTexture = nullptr;
    for (RenderTarget*& target : bloomTextures) {
        ReleaseRenderTarget(target);
        target = nullptr;
    }
}

bool SetUpBloom()
{
    ReleaseBloom();
    sceneTexture = CreateRenderTarget(screenWidth, screenHeight);
    for (RenderTarget*& target : bloomTextures)
        target = CreateRenderTarget(BloomTargetWidth(), BloomTargetHeight());
    bloomExtractEffect = CreateEffectFromFile(extractFile);
    gaussianBlurEffect = CreateEffectFromFile(blurFile);
    bloomCombineEffect = CreateEffectFromFile(combineFile);

    bool complete = sceneTexture && bloomExtractEffect && gaussianBlurEffect && bloomCombineEffect;
    for (RenderTarget* target : bloomTextures)
        complete = complete && target;
    if (!complete) {
        // Drawing on with half the chain would show a black or garbled
        // screen; plain frames keep the game playable.
        ReleaseBloom();
        std::fprintf(stderr,
                     "FlorpVops: the light effects could not be set up; drawing without them.\n");
        return false;
    }

    SetEffectTexture(bloomExtractEffect, "BaseTexture", sceneTexture);
    SetEffectTexture(gaussianBlurEffect, "BloomTexture", bloomTextures[0]);
    SetEffectTexture(gaussianBlurEffect, "BloomTexture2", bloomTextures[1]);
    SetEffectTexture(bloomCombineEffect, "BloomTexture", bloomTextures[2]);
    SetEffectTexture(bloomCombineEffect, "BaseTexture", sceneTexture);

    SetEffectFloat(bloomExtractEffect, "BloomThreshold", bloomThreshold);
    const float stepX = blurStepNumerator / screenWidth;
    const float stepY = blurStepNumerator / screenHeight;
    SetEffectVector(gaussianBlurEffect, "PixelSize", stepX, stepY, stepX, stepY);
    SetEffectFloat(bloomCombineEffect, "BloomIntensity", bloomIntensity);
    SetEffectFloat(bloomCombineEffect, "BaseIntensity", baseIntensity);
    SetEffectFloat(bloomCombineEffect, "BloomSaturation", bloomSaturation);
    SetEffectFloat(bloomCombineEffect, "BaseSaturation", baseSaturation);
    ready = true;
    return true;
}

bool BloomReady()
{
    return ready;
}

void SetRenderStates(bool logLine)
{
    // The sprite batch and the effect passes set their own blending and
    // filtering; nothing else stays bound between frames here.
    if (logLine) {
        std::printf("Scene initialisiert!\n");
        std::fflush(stdout);
    }
}

void ApplyBloom(RenderTarget* destination)
{
    if (!ready)
        return;
    const BloomParameters p = ComputeBloomParameters();
    SetEffectFloat(bloomExtractEffect, "BloomThreshold", p.threshold);
    SetEffectFloat(bloomCombineEffect, "BloomIntensity", p.intensity);
    SetEffectFloat(bloomCombineEffect, "BloomSaturation", p.threshold);

    DrawEffectPass(bloomExtractEffect, 0, bloomTextures[0]);
    DrawEffectPass(gaussianBlurEffect, 0, bloomTextures[1]);
    DrawEffectPass(gaussianBlurEffect, 1, bloomTextures[2]);
    DrawEffectPass(bloomCombineEffect, 0, destination);
}
