#pragma once
// The Vop's heat, the ways an attempt ends (danger, time-out, deadly ground),
// the goal test and the death animation.

// The meter itself, endState and playerAlpha are the attempt's
// (gameplay/LevelAttempt.h).
extern float endRise;     // height of the explosion's rising ring
extern float endSpeed;    // its speed
extern int endCounter;    // ticks since the death

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
