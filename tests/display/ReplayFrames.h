#pragma once
// A level's replay played through the game's own update step (input keys,
// the bars, the kill flashes, the goal's messages), so that the frames a
// test draws along it are the frames a player sees, at any screen size.
#include <string>

#include "tools/replaysearch/ReplayRun.h"

// The level's default replay that names the screen size (replays/
// orderNN-recMM.txt or orderNN-recMM-TAG.txt), or "" when none does.
std::string ReplayForScreen(int record, const ScreenSize& screen);

// What a play along a replay saw.
struct ReplayOutcome {
    int ticks = 0;            // ticks played
    int goalTick = -1;        // the tick the goal was reached, or -1
    bool died = false;
    bool leftReplay = false;  // the game's steps went elsewhere than the replay's
};

// Call PrepareReplayFrames once before HarnessInit. PlayReplayFrames starts
// the level as the replay does at the harness's screen size (its record,
// kind, difficulty and random state), holds the replay's keys tick by tick
// through the game's update step and calls `onTick` after every tick; after
// the last step no key is held. It stops when `onTick` returns false, the
// Vop dies, `afterGoal` ticks have passed since the goal, or the level is
// left. The Vop's path is checked against the replay's own play tick by
// tick.
void PrepareReplayFrames();
ReplayOutcome PlayReplayFrames(const ReplayScript& script, int afterGoal, bool (*onTick)(void* context, int tick),
                               void* context);
