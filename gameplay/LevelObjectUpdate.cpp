#include "gameplay/LevelObjectUpdate.h"

#include <cmath>
#include <cstdio>

#include "engine/AudioWrappers.h"
#include "engine/InputActions.h"
#include "engine/Maths.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/SimRandom.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/LevelRecord.h"

namespace {

// Where a gone object is parked.
const int goneX = -12000;
const int goneY = 6000;

float SinSingle(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }
float CosSingle(float x) { return static_cast<float>(std::cos(static_cast<double>(x))); }

void PlayAt(Sound& voice, int x, int y, float range, float falloff)
{
    voice.SetVolume(DistanceVolume(playerX, playerY, x, y, range, falloff) * 100.0f);
    voice.Play();
}

// Walkers and bouncers move only while their patrol range is near the screen.
bool PatrolOnScreen(const LevelObject& o)
{
    const int left = cameraX, right = cameraX + screenWidth;
    return (o.rightBound + 45 > left && o.rightBound - 45 < right) ||
           (o.leftBound + 45 > left && o.leftBound - 45 < right) ||
           (o.leftBound - 45 < left && o.rightBound + 45 > right);
}

bool NearScreen(int x, int y, int margin)
{
    return cameraX - margin < x && x < cameraX + screenWidth + margin && cameraY - margin < y &&
           y < cameraY + screenHeight + margin;
}

void AddTrailHeat(LevelObject& o, float step)
{
    const float ox = static_cast<float>(o.objX), oy = static_cast<float>(o.objY);
    const float r = static_cast<float>(o.radius);
    for (int e = 0; e < trailEntries; ++e) {
        if (!trailHot[e]) continue;
        if (std::fabs(trailX[e] - ox) < r && std::fabs(trailY[e] - oy) < r) o.heat += step;
    }
}

void KillObject(LevelObject& o, int slot)
{
    o.objState = ObjPopping;
    bloomFlashInput = 800.0f;
    PlayAt(objectSounds[slot].popVoice, o.objX, o.objY, 200.0f, 1.4f);
    killScore += o.killPoints;
    o.rise = 5.0f;
    o.riseSpeed = 2.9f;
    rumbleStrength = 255;
    if (o.objKind == KindBouncer) o.squash = 1.0f;
    if (o.checkpointObject && checkpointReached == 0 && checkpointsEnabled) SaveCheckpoint(slot);
    if (!levelDone) std::printf("Gegener getoetet!\n");
}

void HeatAndKill(LevelObject& o, int slot, float step)
{
    AddTrailHeat(o, step);
    if (o.heat >= 255.0f) {
        o.heat = 255.0f;
        KillObject(o, slot);
    }
}

void RiseAway(LevelObject& o)
{
    o.rise += o.riseSpeed;
    o.riseSpeed *= 0.95f;
    if (o.riseSpeed < 0.4f) o.riseSpeed = 0.4f;
}

void UpdatePopping(LevelObject& o)
{
    RiseAway(o);
    if (o.rise > 82.0f) {
        o.objState = ObjInactive;
        o.objX = goneX;
        o.objY = goneY;
    }
    o.objAlpha -= o.objKind == KindCeilingDropper ? 70.0f : 35.0f;
    if (o.objAlpha < 0.0f) o.objAlpha = 0.0f;
    if (o.objKind == KindWalker) {
        const int dir = o.objVelX < 0.0f ? -1 : 1;
        const float slide = 0.8f * std::fabs(o.objVelX);
        for (int k = 0; static_cast<float>(k) < slide; ++k) o.objX += dir;
    }
}

// After each 2-px step a walker settles down by up to 4 px onto the ground.
void SettleWalker(LevelObject& o)
{
    for (int n = 0; n < 4; ++n) {
        if (IsSolidRow(o.objX, o.objY, 2, 40)) break;
        o.objY += 1;
    }
}

void MoveWalker(LevelObject& o)
{
    if (o.objVelX > 0.0f) {
        const int steps = static_cast<int>(o.objVelX);
        for (int k = 0; k < steps; k += 2) {
            o.objX += 2;
            o.objY -= 2;
            SettleWalker(o);
        }
        // It slows down near either bound; the smallest matching speed wins.
        o.objVelX = o.baseSpeed;
        for (int j = static_cast<int>(o.baseSpeed); j >= 1; --j) {
            if (o.objX > o.rightBound - 5 * j) o.objVelX = static_cast<float>(j);
            if (o.objX < o.leftBound + 5 * j) o.objVelX = static_cast<float>(j);
        }
    }
    if (o.objVelX < 0.0f) {
        const int steps = static_cast<int>(o.objVelX);
        for (int k = 0; k > steps; k -= 2) {
            o.objX -= 2;
            o.objY -= 2;
            SettleWalker(o);
        }
        o.objVelX = -o.baseSpeed;
        for (int j = static_cast<int>(o.baseSpeed); j >= 1; --j)
            if (o.objX < o.leftBound + 5 * j || o.objX > o.rightBound - 5 * j) o.objVelX = static_cast<float>(-j);
    }
    if (o.objX < o.leftBound || o.objX > o.rightBound) o.objVelX = -o.objVelX;
}

void MoveBouncer(LevelObject& o, int slot)
{
    if (o.objVelY > 0.0f) {
        o.objY += static_cast<int>(o.objVelY);
        // The last t in 0..49 with objY > homeY - 17 + t sets the squash.
        int t = o.objY - o.homeY + 16;
        if (t > 49) t = 49;
        if (t >= 0) o.squash = static_cast<float>(70 - t) / 70.0f;
    }
    if (o.objY >= o.homeY + 13) {
        o.objY = o.homeY + 12;
        o.objVelY = o.bounceSpeed;
        PlayAt(objectSounds[slot].bounceVoice, o.objX, o.objY, 300.0f, 1.8f);
    }
    if (o.objVelY < 0.0f) {
        for (int k = 0; static_cast<float>(k) > o.objVelY; --k) o.objY -= 1;
        // The last t in 0..299 with top + t < objY sets the squash. The test
        // only grows with t, so the estimate is corrected with the very test.
        const float top = static_cast<float>(o.homeY + 13) + 15.0f * o.bounceSpeed;
        const float y = static_cast<float>(o.objY);
        auto below = [&](int t) { return top + static_cast<float>(t) < y; };
        if (below(0)) {
            const float guess = y - top;
            int t = guess >= 299.0f ? 299 : static_cast<int>(guess);
            while (t < 299 && below(t + 1)) ++t;
            while (t > 0 && !below(t)) --t;
            o.squash = static_cast<float>(350 - t) / 350.0f;
        }
    }
    o.objVelY += 0.25f;
}

void UpdateDropper(LevelObject& o, int slot, int count)
{
    if (o.objState == ObjAlive) {
        if (endState == EndAlive) {
            const bool inColumn = o.triggerX < playerX && playerX < o.triggerX + 150;
            if (o.triggerY >= 0 && inColumn && playerY > o.triggerY) o.triggerX = -1;
            if (o.triggerY < 0 && o.triggerX < playerX && playerX < o.triggerX + 150 && playerY < -o.triggerY)
                o.triggerX = -1;
        }
        if (o.triggerX == -1) {
            o.objVelY += 0.34f;
            o.heat += 5.0f;
            if (o.heat > 255.0f) o.heat = 255.0f;
            const int steps = static_cast<int>(o.objVelY);
            for (int s = 0; s < steps; ++s) {
                o.objY += 1;
                if (!IsSolidRow(o.objX, o.objY, 2, 40)) continue;
                // Landing: it bursts and sets every object close to it on fire.
                o.objState = ObjPopping;
                rumbleStrength = 255;
                o.riseSpeed = 2.9f;
                o.rise = 5.0f;
                bloomFlashInput = 800.0f;
                PlayAt(objectSounds[slot].popVoice, o.objX, o.objY, 200.0f, 1.4f);
                for (int j = 0; j < count; ++j) {
                    LevelObject& other = currentLevel.objects[j];
                    const int reach = other.radius + 20;
                    if (std::abs(o.objX - other.objX) < reach && std::abs(o.objY - other.objY) < reach)
                        other.heat = 255.0f;
                }
            }
        }
    } else if (o.objState == ObjPopping) {
        UpdatePopping(o);
    }
}

void UpdateGear(LevelObject& o)
{
    if (o.objKind == KindBigGearCw || o.objKind == KindSmallGearCw)
        o.angle += o.objVelY;
    else
        o.angle -= o.objVelY;
}

void MoveBy(int& coordinate, float speed)
{
    const int pixels = static_cast<int>(std::fabs(speed));
    coordinate += speed < 0.0f ? -pixels : pixels;
}

// The barrel sweeps between its two angles; at an end it stops turning.
void SweepCannonBarrel(LevelObject& o, ObjectSoundSet& voices)
{
    if (o.sweepToggle == 0) {
        o.sweepPercent += o.sweepSpeed;
        if (o.sweepPercent >= 100.0f) {
            o.sweepPercent = 100.0f;
            voices.cannonTurnVoice.Stop();
            if (!levelDone) o.atEnd = 1;
        } else {
            o.atEnd = 0;
        }
    } else {
        o.sweepPercent -= o.sweepSpeed;
        if (o.sweepPercent <= 0.0f) {
            o.sweepPercent = 0.0f;
            voices.cannonTurnVoice.Stop();
            if (!levelDone) o.atEnd = 1;
        } else {
            o.atEnd = 0;
        }
    }
    o.angle = EaseBetween(o.angleFrom, o.angleTo, o.sweepPercent);
    voices.cannonTurnVoice.SetVolume(DistanceVolume(playerX, playerY, o.homeX, o.homeY, 200.0f, 1.4f) * 100.0f);
}

// A flying ball against the other objects: it stops at another cannon's
// ball and burns (or, in record 28, heats) an enemy near the screen.
bool CannonBallHitsObject(LevelObject& o, int slot, int count)
{
    bool hit = false;
    for (int j = 0; j < count; ++j) {
        if (j == slot) continue;
        LevelObject& other = currentLevel.objects[j];
        if (other.objState == ObjInactive) continue;
        const int dx = std::abs(o.objX - other.objX);
        const int dy = std::abs(o.objY - other.objY);
        if (other.objKind == KindCannon) {
            const bool live = other.objState == ObjAlive || (other.objState == ObjPopping && other.rise < 10.0f);
            if (live && dx < 30 && dy < 30) {
                hit = true;
                o.objVelX = 0.0f;
            }
        } else if (NearScreen(o.objX, o.objY, 100) && dx < 36 && dy < 36 && other.objState == ObjAlive) {
            if (currentLevel.recordId == 28)
                other.heat += 20.0f;
            else
                other.heat = 255.0f;
            hit = true;
        }
    }
    return hit;
}

// One tick of a fired ball: it falls, heats, lands on the ground or hits an
// object, and pops when it hits anything.
void FlyCannonBall(LevelObject& o, int slot, int count, ObjectSoundSet& voices)
{
    bool hit = CannonBallHitsObject(o, slot, count);
    o.objVelY += 0.35f;
    o.heat += 3.0f;
    if (o.heat > 250.0f) o.heat = 250.0f;
    if (o.objVelY > 0.0f) {
        const int steps = static_cast<int>(o.objVelY);
        for (int s = 0; s < steps; ++s) {
            o.objY += 1;
            if (IsSolidRow(o.objX, o.objY, 2, 40)) hit = true;
        }
    } else if (o.objVelY < 0.0f) {
        const int steps = static_cast<int>(std::fabs(o.objVelY));
        for (int s = 0; s < steps; ++s) o.objY -= 1;
    }
    MoveBy(o.objX, o.objVelX);
    if (hit) {
        o.objState = ObjPopping;
        o.riseSpeed = 2.9f;
        o.rise = 5.0f;
        if (NearScreen(o.objX, o.objY, 500)) {
            bloomFlashInput = 800.0f;
            PlayAt(voices.popVoice, o.objX, o.objY, 400.0f, 1.4f);
            rumbleStrength = 255;
        }
    }
}

// Reload at the end the barrel is moving to; the new ball waits at the
// muzzle until the barrel gets there.
void ReloadCannon(LevelObject& o)
{
    o.objState = ObjAlive;
    o.heat = 50.0f;
    o.objAlpha = 254.0f;
    o.angle = o.sweepToggle == 1 ? o.angleFrom : o.angleTo;
    o.fired = 0;
    const float s = o.sweepToggle == 1 ? o.baseSpeed : o.shotSpeed2;
    o.objVelX = SinSingle(o.angle) * s;
    o.objVelY = -CosSingle(o.angle) * s;
    o.objX = static_cast<int>(static_cast<float>(o.homeX) + 100.0f * SinSingle(o.angle - 0.04f));
    o.objY = static_cast<int>(static_cast<float>(o.homeY) - 100.0f * CosSingle(o.angle - 0.04f));
    o.angle = EaseBetween(o.angleFrom, o.angleTo, o.sweepPercent);
    if (levelDone) {
        o.objState = ObjInactive;
        o.objAlpha = 0.0f;
    }
}

void UpdateCannon(LevelObject& o, int slot, int count)
{
    ObjectSoundSet& voices = objectSounds[slot];
    SweepCannonBarrel(o, voices);

    if (o.objState == ObjAlive) {
        if (o.atEnd) {
            // A barrel that reaches an end while its ball still flies waits there.
            if (o.fired == 0) o.sweepToggle = o.sweepToggle ? 0 : 1;
            o.fired = 1;
            PlayAt(voices.cannonBlastVoice, o.objX, o.objY, 430.0f, 1.9f);
            voices.cannonTurnVoice.Play();
        }
        if (o.fired) FlyCannonBall(o, slot, count, voices);
    } else if (o.objState == ObjPopping) {
        MoveBy(o.objX, o.objVelX);
        o.fired = 1;
        RiseAway(o);
        o.objAlpha -= 35.0f;
        if (o.rise > 82.0f) ReloadCannon(o);
        if (o.objAlpha < 0.0f) o.objAlpha = 0.0f;
    }
}

void BlinkStep(int& lid, int& timer, int& state)
{
    if (state == 0) {
        timer = SimRand() % 300;
        state = 1;
    }
    if (state == 1) {
        timer -= 1;
        if (timer < 1) state = 2;
    }
    if (state == 2) {
        lid += 4;
        if (lid >= 60) {
            lid = 60;
            state = 3;
        }
    }
    if (state == 3) {
        lid -= 4;
        if (lid < 1) {
            lid = 0;
            state = 0;
        }
    }
}

}  // namespace

void UpdateLevelObjects()
{
    const int count = LiveObjectCount(currentLevel);
    for (int i = 0; i < count; ++i) {
        LevelObject& o = currentLevel.objects[i];
        switch (o.objKind) {
        case KindWalker:
            if (o.objState == ObjAlive) {
                if (PatrolOnScreen(o)) MoveWalker(o);
                HeatAndKill(o, i, 0.4f);
            } else if (o.objState == ObjPopping) {
                UpdatePopping(o);
            }
            break;
        case KindBouncer:
            if (o.objState == ObjAlive) {
                if (PatrolOnScreen(o)) MoveBouncer(o, i);
                HeatAndKill(o, i, 1.1f);
            } else if (o.objState == ObjPopping) {
                UpdatePopping(o);
            }
            break;
        case KindCeilingDropper:
            UpdateDropper(o, i, count);
            break;
        case KindBigGearCw:
        case KindBigGearCcw:
        case KindSmallGearCw:
        case KindSmallGearCcw:
            UpdateGear(o);
            break;
        case KindCannon:
            UpdateCannon(o, i, count);
            break;
        default:
            break;
        }
    }
}

void CheckBossBeaten()
{
    if (bossBeaten) return;
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        if ((o.objKind == KindWalker || o.objKind == KindBouncer) && o.objState == ObjAlive) return;
    }
    bossBeaten = 1;
}

void UpdateEyeBlink()
{
    BlinkStep(vopBlinkLid, vopBlinkTimer, vopBlinkState);
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) {
        LevelObject& o = currentLevel.objects[j];
        BlinkStep(o.blinkLid, o.blinkTimer, o.blinkState);
    }
}
