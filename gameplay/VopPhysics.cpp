#include "gameplay/VopPhysics.h"

#include <cmath>

#include "engine/InputActions.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "platform/Audio.h"

int playerX = 0, playerY = 0;
float velX = 0.0f;
float velY = 0.0f;
uint8_t inAir = 0;
int jumpBuffer = 0;
uint8_t jumpLatch = 0;

namespace {

// How a landing turns the vertical speed around.
enum LandingRule {
    LandStop,          // 0; after the goal -v/1.5
    LandBounce24,      // -v/2.4; after the goal -v/1.5
    LandAirBounce,     // faster than 1.1: -v/1.54, else unchanged (also after the goal)
    LandRockStop,      // 0; after the goal -v/3
};

enum RollingLoops {
    LoopsNormal,  // rollLoopSound + normalMoveLoopSound
    LoopsSpike,   // rollLoopSound + airMoveLoopSound
    LoopsAir,     // airRollLoopSound + airMoveLoopSound
    LoopsRock,    // stoneRollLoopSound alone
};

struct VopKindPhysics {
    float gravity;
    float jumpSpeed;
    bool airSounds;  // air kind: soft thud and its own jump sound
    float maxSpeed;
    float accelGround, accelAir;
    float frictionGround, frictionAir;
    float landingSoundBelow;
    LandingRule landing;
    int rightLift;
    RollingLoops loops;
};

const VopKindPhysics beginnerPhysics = {0.7f, 14.2f, false, 7.0f, 1.0f, 0.8f, 0.6f, 0.4f, -9.0f, LandStop, 4, LoopsNormal};
const VopKindPhysics spikePhysics = {0.7f, 14.0f, false, 7.0f, 1.0f, 0.8f, 0.6f, 0.4f, -7.5f, LandBounce24, 3, LoopsSpike};
const VopKindPhysics airPhysics = {0.34f, 11.0f, true, 7.0f, 1.0f, 0.8f, 0.6f, 0.4f, -6.5f, LandAirBounce, 4, LoopsAir};
const VopKindPhysics rockPhysics = {0.7f, 14.0f, false, 11.0f, 0.5f, 0.5f, 0.1f, 0.1f, -10.0f, LandRockStop, 4, LoopsRock};
const VopKindPhysics angryPhysics = {0.7f, 14.0f, false, 7.0f, 1.0f, 0.8f, 0.6f, 0.4f, -7.5f, LandBounce24, 3, LoopsNormal};
const VopKindPhysics elitePhysics = {0.7f, 14.2f, false, 7.0f, 1.0f, 0.8f, 0.6f, 0.4f, -9.0f, LandStop, 4, LoopsSpike};

const int leftLift = 2;

bool FeetSolid() { return IsSolidRow(playerX, playerY, 10, 40); }

bool HeadClear()
{
    for (int k = 0; k <= 6; ++k)
        if (IsSolidForHead(playerX - 10 + 3 * k, playerY - 40)) return false;
    return true;
}

// The side column 12 px left (side -1) or right (+1) of the centre, raised
// by the trial lift.
bool ColumnClear(int side, int lift)
{
    const int px = playerX + 12 * side;
    for (int k = 0; k <= 15; ++k)
        if (IsSolidForHead(px, playerY - lift - 39 + 5 * k)) return false;
    return true;
}

float LandingSpeed(LandingRule rule, float v)
{
    switch (rule) {
    case LandStop: return levelDone ? -v / 1.5f : 0.0f;
    case LandBounce24: return levelDone ? -v / 1.5f : -v / 2.4f;
    case LandAirBounce: return v < -1.1f ? -v / 1.54f : v;
    case LandRockStop: return levelDone ? -v / 3.0f : 0.0f;
    }
    return 0.0f;
}

// One pixel of sideways motion; returns the lift used (0 = blocked,
// -1 = plain step, > 0 = a step up).
int StepSideways(int side, int stepLift)
{
    int lift = ColumnClear(side, stepLift) ? stepLift : 0;
    if (ColumnClear(side, 0)) lift = -1;
    if (lift != 0) playerX += side;
    if (lift > 0) {
        playerY -= lift;
        for (int n = 0; n < lift; ++n)
            if (!FeetSolid()) playerY += 1;
    }
    return lift;
}

void StartLoop(Sound& loop)
{
    if (loop.GetStatus() != SoundStatus::Playing) {
        loop.Play();
        loop.SetLoop(true);
    }
}

void UpdateRollingSound(const VopKindPhysics& k)
{
    if (k.loops == LoopsRock) {
        if (velX != 0.0f) {
            StartLoop(stoneRollLoopSound);
            float v = std::fabs(velX) * 10.0f;
            if (v > 100.0f) v = 100.0f;
            stoneRollLoopSound.SetVolume(v);
        } else {
            stoneRollLoopSound.Pause();
        }
        return;
    }
    Sound& first = k.loops == LoopsAir ? airRollLoopSound : rollLoopSound;
    Sound& second = k.loops == LoopsNormal ? normalMoveLoopSound : airMoveLoopSound;
    if (velX != 0.0f) {
        StartLoop(first);
        StartLoop(second);
        float v = std::fabs(velX) * 10.526316f;
        if (v > 100.0f) v = 100.0f;
        first.SetVolume(v);
        second.SetVolume(v * 0.4f);
    } else {
        first.Pause();
        second.Pause();
    }
}

void UpdateVopPhysics(const VopKindPhysics& k, bool controls)
{
    // Gravity only while nothing is under the feet; the fall speed stops
    // growing once it passes -15.
    if (!FeetSolid() && velY >= -15.0f) velY -= k.gravity;

    // The ground test looks 12 px below the feet, so a falling Vop may jump
    // just before touching down.
    inAir = (IsSolidRow(playerX, playerY, 10, 40) || IsSolidRow(playerX, playerY, 10, 52) ||
             IsSolidRow(playerX, playerY, 10, 46))
                ? 0
                : 1;

    const bool jumpHeld = actionJump || actionUp;
    if (jumpHeld && jumpLatch == 0) jumpBuffer = 1;
    if (!jumpHeld) jumpLatch = 0;
    // The count only matters below 20; capping it keeps it from overflowing.
    if (jumpBuffer != 0 && jumpBuffer < 1000) jumpBuffer += 1;

    if (inAir == 0 && jumpBuffer > 0 && jumpBuffer < 20) {
        if (velY < -2.0f) (k.airSounds ? softImpactSound : impactSound).Play();
        velY = k.jumpSpeed;
        jumpBuffer = 0;
        jumpLatch = 1;
        (k.airSounds ? airJumpSound : jumpSound).Play();
    }

    // The limit is tested before the step, so the speed may pass it by less
    // than one step.
    if (controls) {
        if (actionRight && velX < k.maxSpeed) velX += inAir ? k.accelAir : k.accelGround;
        if (actionLeft && velX > -k.maxSpeed) velX -= inAir ? k.accelAir : k.accelGround;
    }

    int lift = 0;

    if (velY < 0.0f) {
        for (int i = 0; velY < static_cast<float>(i); --i) {
            if (!FeetSolid()) {
                playerY += 1;
            } else {
                if (velY < k.landingSoundBelow) impactSound.Play();
                velY = LandingSpeed(k.landing, velY);
            }
        }
    }

    if (velY > 0.0f) {
        for (int i = 0; velY > static_cast<float>(i); ++i) {
            if (HeadClear())
                playerY -= 1;
            else
                velY = 0.0f;  // a ceiling stops the rise without a sound
        }
    }

    // A blocked pixel does not end the loop: the remaining pixels are tried
    // again from the same place. Friction comes after the move and is not
    // stopped at zero.
    if (velX < 0.0f) {
        for (int i = 0; velX < static_cast<float>(i); --i) lift = StepSideways(-1, leftLift);
        velX += inAir ? k.frictionAir : k.frictionGround;
        if (lift == 0) velX = 0.0f;
    }
    if (velX > 0.0f) {
        for (int i = 0; velX > static_cast<float>(i); ++i) lift = StepSideways(+1, k.rightLift);
        velX -= inAir ? k.frictionAir : k.frictionGround;
        if (lift == 0) velX = 0.0f;
    }

    UpdateRollingSound(k);
}

}  // namespace

void UpdateBeginnerVopPhysics(bool controls) { UpdateVopPhysics(beginnerPhysics, controls); }
void UpdateSpikeVopPhysics(bool controls) { UpdateVopPhysics(spikePhysics, controls); }
void UpdateAirVopPhysics(bool controls) { UpdateVopPhysics(airPhysics, controls); }
void UpdateRockVopPhysics(bool controls) { UpdateVopPhysics(rockPhysics, controls); }
void UpdateAngryVopPhysics(bool controls) { UpdateVopPhysics(angryPhysics, controls); }
void UpdateEliteVopPhysics(bool controls) { UpdateVopPhysics(elitePhysics, controls); }

void UpdateVopPhysicsOfKind(int kind, bool controls)
{
    switch (kind) {
    case BeginnerVop: UpdateBeginnerVopPhysics(controls); break;
    case SpikeVop: UpdateSpikeVopPhysics(controls); break;
    case AirVop: UpdateAirVopPhysics(controls); break;
    case RockVop: UpdateRockVopPhysics(controls); break;
    case AngryVop: UpdateAngryVopPhysics(controls); break;
    case EliteVop: UpdateEliteVopPhysics(controls); break;
    default: break;
    }
}
