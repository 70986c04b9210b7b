#pragma once
// The update step of a tick: input, music ducking, flash decay and action
// mapping shared by every screen, then one block per screen in a fixed chain
// (each tests gameState itself, so a block that switches to a screen later
// in the chain lets that screen run in the same step), then the tails.

// One update step.
void RunUpdateStep();
// The update step(s) of one tick: twice with the 30-frames option, so the
// game keeps 60 updates per second.
void RunTickUpdates();

// The developer's chord: either Ctrl key held with F and V opens every
// level. Returns true when it fired this step.
bool CheckDeveloperUnlock();

// Test seam: when set, runs right after the input polls of every update
// step, so a harness can put scripted input where the devices' state would
// be (keyboardState, the pad state). Null in the game.
extern void (*inputPollHook)();
