#include "gameplay/AnimationPhases.h"

#include "gameplay/LevelAttempt.h"
#include "shared/LevelRecord.h"

float vopPhaseA = 0.0f, vopPhaseB = 0.0f;
float swayPhase = 0.0f;
float secondPhase = 0.0f;
float bloomFlashInput = 0.0f;

// The sums are formed in double precision and stored as 32-bit floats.
void AdvanceAnimationPhases()
{
    const double danger = dangerMeter;
    vopPhaseA = static_cast<float>(vopPhaseA + (levelDone ? 0.4 : danger / 255 / 1.3 + 0.015));
    vopPhaseB = static_cast<float>(vopPhaseB + (levelDone ? 0.45 : danger / 255 / 1.2 + 0.015));
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) {
        LevelObject& o = currentLevel.objects[j];
        o.phase = static_cast<float>(o.phase + (static_cast<double>(o.heat) / 255 / 7.5 + 0.015));
    }
    swayPhase = static_cast<float>(swayPhase + 0.015);
    secondPhase = static_cast<float>(secondPhase + 0.015);
}

void DecayFlashes()
{
    bloomFlashInput -= 21.0f;
    if (bloomFlashInput < 0.0f) bloomFlashInput = 0.0f;
}
