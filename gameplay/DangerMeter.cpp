#include "gameplay/DangerMeter.h"

#include <cstdio>

#include "engine/InputActions.h"
#include "engine/Maths.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

float endRise = 5.0f;
float endSpeed = 2.9f;
int endCounter = 0;

namespace {

// Contact damage per difficulty 1..3: base, dropper extra, fired-ball extra,
// for the other kinds and for the elite kind, and the heat an elite Vop
// gives the object it touches.
struct ContactDamage {
    float base, dropper, ball;
    float eliteBase, eliteDropper, eliteBall;
    float eliteHeat;
};
const ContactDamage contactDamage[3] = {
    {16.0f, 20.0f, 10.0f, 3.5f, 4.0f, 3.0f, 38.0f},
    {30.0f, 30.0f, 20.0f, 5.0f, 5.0f, 4.0f, 27.0f},
    {60.0f, 60.0f, 40.0f, 7.0f, 7.0f, 7.0f, 20.0f},
};

// A dropper with this trigger never drops on touch (no level is that wide).
const int neverDropTrigger = 20099;

void ApplyContact(LevelObject& o)
{
    const bool spikeKill = vopKind == SpikeVop &&
                           (o.objKind == KindWalker || o.objKind == KindBouncer || o.objKind == KindCeilingDropper) &&
                           o.heat > 180.0f;
    if (spikeKill) {
        o.heat = 255.0f;  // the object update of the next tick kills it
    } else if (difficulty >= 1 && difficulty <= 3) {
        const ContactDamage& d = contactDamage[difficulty - 1];
        const bool elite = vopKind == EliteVop;
        if (elite) o.heat += d.eliteHeat;
        dangerMeter += elite ? d.eliteBase : d.base;
        if (o.objKind == KindCeilingDropper) dangerMeter += elite ? d.eliteDropper : d.dropper;
        if (o.objKind == KindCannon && o.fired) dangerMeter += elite ? d.eliteBall : d.ball;
    }
    if (o.objKind == KindCeilingDropper && o.triggerX != neverDropTrigger) {
        o.triggerX = -1;
        o.triggerY = -1;
    }
}

}  // namespace

void UpdateDangerAndGoal()
{
    const int count = LiveObjectCount(currentLevel);
    const int head = (trailHead >= 0 && trailHead < trailEntries) ? trailHead : 0;

    // The angry Vop's trail burns even at rest.
    if (vopKind == AngryVop) {
        for (int k = 0; k < 45; ++k) trailHot[(head + k) % trailEntries] = 1;
        if (dangerMeter < 62.0f) dangerMeter = 62.0f;
    }

    // Attacking has no effect in the level with record id 7.
    if (actionAttack && currentLevel.recordId != 7) {
        dangerMeter += vopKind == EliteVop ? 0.4f : 2.0f;
        trailHot[head] = 1;
    } else {
        if (vopKind != EliteVop) dangerMeter -= 1.0f;  // the elite meter never drains
        trailHot[head] = 0;
    }

    for (int j = 0; j < count; ++j) {
        LevelObject& o = currentLevel.objects[j];
        if (o.objState != ObjAlive) continue;
        const int dx = playerX - o.objX;
        const int dy = playerY - o.objY;
        const int reach = o.radius + 20;
        if (-reach < dx && dx < reach && -reach < dy && dy < reach) ApplyContact(o);
    }

    // Coming near the big rotating machines hurts whatever their state.
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        float outer = 0.0f, inner = 0.0f;
        if (o.objKind == KindBigGearCw || o.objKind == KindBigGearCcw) {
            outer = 285.0f;
            inner = 240.0f;
        } else if (o.objKind == KindSmallGearCw || o.objKind == KindSmallGearCcw) {
            outer = 159.0f;
            inner = 115.0f;
        } else {
            continue;
        }
        const float px = static_cast<float>(playerX), py = static_cast<float>(playerY);
        const float ox = static_cast<float>(o.objX), oy = static_cast<float>(o.objY);
        if (IsWithinDistance(px, py, ox, oy, outer)) {
            dangerMeter += 35.0f;
            if (IsWithinDistance(px, py, ox, oy, inner)) dangerMeter += 200.0f;
        }
    }

    if (dangerMeter > 254.0f) PlayerDied(DiedExploded);

    if (endState == EndAlive && (currentLevel.sprintLevel || currentLevel.bossLevel)) {
        killScore = 0;  // these levels score no kills
        if (timeBonus < 1) PlayerDied(DiedExploded);
    }

    // Runs even after a death this tick: the later call wins.
    if (TouchesDeadlyPixel(playerX, playerY, 40, collPitch, collPixels)) PlayerDied(DiedFalling);

    const int gx = playerX - currentLevel.goalX;
    const int gy = playerY - currentLevel.goalY;
    if (-17 < gx && gx < 60 && -240 < gy && gy < 17) {
        if (!currentLevel.bossLevel || bossBeaten) LevelCompleted();
    }
}

void PlayerDied(int how)
{
    SetFadeToColourCycle(40.0f, 0.0f, 0.0f, 40);
    dangerMeter = 255.0f;
    endRise = 5.0f;
    endSpeed = 2.9f;
    endState = how;
    endCounter = 0;
    if (how == DiedExploded) explodeSound.Play();
    if (how == DiedFalling) groundHitSound.Play();
    levelDieSound.Play();
    rollLoopSound.Stop();
    airRollLoopSound.Stop();
    stoneRollLoopSound.Stop();
    angrySound.Stop();
    std::printf("Spieler gestorben!\n");
}

void UpdateEndSequence()
{
    int limit = 0;
    switch (endState) {
    case EndExploded:
        endRise += endSpeed;
        endSpeed *= 0.95f;
        if (endSpeed < 0.4f) endSpeed = 0.4f;
        if (endRise > 82.0f) endState = EndRisen;
        playerAlpha -= 35.0f;
        if (playerAlpha < 0.0f) playerAlpha = 0.0f;
        limit = 50;
        break;
    case EndFalling:
        if (velY >= -10.0f) velY -= vopKind == RockVop ? 0.34f : 0.7f;
        if (velY < 0.0f)
            for (int k = 0; velY < static_cast<float>(k); --k) playerY += 1;
        playerAlpha -= 4.0f;
        if (playerAlpha < 0.0f) playerAlpha = 0.0f;
        limit = 50;
        break;
    case EndRisen:
        limit = 95;
        break;
    default:
        return;
    }
    endCounter += 1;
    if (endCounter >= limit && fadeState != FadeRestartKey && fadeState != FadeLeaveLevel)
        fadeState = FadeRestartAfterDeath;
}
