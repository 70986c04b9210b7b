#pragma once
// The Vop rolls, jumps and bounces against the collision picture, one pixel
// at a time, so it never passes through a wall however fast it goes.
#include <cstdint>

extern int playerX, playerY;  // centre in world pixels
extern float velX;            // pixels per tick, positive to the right
extern float velY;            // pixels per tick, positive UPWARD
extern uint8_t inAir;         // no ground in rows 40, 46, 52 below the centre
extern int jumpBuffer;        // ticks since the jump press (0 = no request)
extern uint8_t jumpLatch;     // 1 from a jump until both jump keys are up

// One tick of each kind. controls = 1: left and right accelerate; 0: they do
// nothing (jumping still works).
void UpdateBeginnerVopPhysics(bool controls);
void UpdateSpikeVopPhysics(bool controls);
void UpdateAirVopPhysics(bool controls);
void UpdateRockVopPhysics(bool controls);
void UpdateAngryVopPhysics(bool controls);
void UpdateEliteVopPhysics(bool controls);

// The physics of the given kind (1..6); another kind does nothing.
void UpdateVopPhysicsOfKind(int kind, bool controls);
