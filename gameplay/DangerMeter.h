#pragma once
// The Vop's heat, the ways an attempt ends (danger, time-out, deadly ground),
// the goal test and the death animation.

// 0..255 after each tick's clamp (the trail update clamps it); may leave
// that range inside the danger update.
extern float dangerMeter;

// 0 alive, 1 exploded, 2 falling into a deadly area, 3 explosion risen.
enum EndState : int {
    EndAlive = 0,
    EndExploded = 1,
    EndFalling = 2,
    EndRisen = 3,
};
extern int endState;
extern float endRise;     // height of the explosion's rising ring
extern float endSpeed;    // its speed
extern int endCounter;    // ticks since the death
extern float playerAlpha; // the Vop's opacity 0..255

// How a death came: exploded (danger or time-out) or fell into deadly ground.
enum DeathCause : int {
    DiedExploded = 1,
    DiedFalling = 2,
};

// Once per tick while the Vop lives and the level is not done, after the
// level objects and before the trail.
void UpdateDangerAndGoal();
void PlayerDied(int how);
// Once per tick while endState is not 0, after the camera.
void UpdateEndSequence();
