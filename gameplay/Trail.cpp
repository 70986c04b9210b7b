#include "gameplay/Trail.h"

#include "engine/Settings.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/VopPhysics.h"

int trailLength = trailEntries;
float trailX[trailEntries], trailY[trailEntries];
float trailAlpha[trailEntries];
float trailScale[trailEntries];
uint8_t trailHot[trailEntries];
int trailHead = 0;
int trailNext = 0;

namespace {
// Alpha lost per tick is (255 / length in whole numbers) / f.
float AlphaDivisor(int kind, bool dead)
{
    if (dead) return 0.9f;
    if (kind == AirVop) return 0.99f;
    if (kind >= RockVop) return 0.98f;
    return 1.0f;
}

float ScaleGrowth(int kind)
{
    if (kind == AirVop) return 0.039f;
    if (kind >= RockVop) return 0.037f;
    return 0.041f;
}

int WrappedHead()
{
    return (trailHead >= 0 && trailHead < trailEntries) ? trailHead : 0;
}
}  // namespace

void UpdateTrail()
{
    if (vopKind >= BeginnerVop && vopKind <= EliteVop) {
        const float step = static_cast<float>(255 / trailEntries) / AlphaDivisor(vopKind, endState != 0);
        const float growth = ScaleGrowth(vopKind);
        for (int i = 0; i < trailEntries; ++i) {
            trailAlpha[i] -= step;
            if (trailAlpha[i] < 0.0f) trailAlpha[i] = 0.0f;
            trailScale[i] += growth;
        }
    }
    trailHead = WrappedHead();
    trailX[trailHead] = static_cast<float>(playerX);
    trailY[trailHead] = static_cast<float>(playerY);
    trailAlpha[trailHead] = playerAlpha;
    trailNext = trailHead >= trailEntries - 1 ? 0 : trailHead + 1;
    trailAlpha[trailNext] = playerAlpha;
    trailScale[trailHead] = 0.1f;
    if (levelDone == 1 || endState != 0) trailHot[trailHead] = 0;
    trailHead += 1;
    if (trailHead == trailEntries) trailHead = 0;

    if (dangerMeter > 255.0f) dangerMeter = 255.0f;
    if (dangerMeter < 0.0f) dangerMeter = 0.0f;
}

void UpdateMenuTrail()
{
    const float step = 3.0f / 0.852f;
    for (int i = 0; i < trailEntries; ++i) {
        trailAlpha[i] -= step;
        if (trailAlpha[i] < 0.0f) trailAlpha[i] = 0.0f;
        trailScale[i] += 0.026f;
    }
    trailHead = WrappedHead();
    trailX[trailHead] = static_cast<float>(playerX);
    trailY[trailHead] = static_cast<float>(playerY);
    trailAlpha[trailHead] = 255.0f;
    trailScale[trailHead] = 0.5f;
    trailHead += 1;
    if (trailHead == trailEntries) trailHead = 0;
}
