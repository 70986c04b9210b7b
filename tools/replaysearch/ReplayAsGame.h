#pragma once
// Plays a script as the game's in-game screen does, tick by tick: the same
// gameplay sequence, the black bars that reopen after a load and close for a
// restart or to leave, restarts after a death, the back and restart keys,
// and the time countdown. It plays every step of the script (past the goal
// too), and hashes the simulation state, so that any change to what a level
// does shows as a new hash. fv_replay prints this hash and the replays keep
// it per screen size.
#include <cstdint>

#include "tools/replaysearch/ReplayRun.h"

struct ReplayGameOutcome {
    int finished = 0, passed = 0;
    int ticks = 0;      // until the goal, or every tick played without one
    int simulated = 0;  // every tick played
    int deaths = 0, kills = 0;
    int killScore = 0, timeBonus = 0, total = 0, threshold = 0;
    uint64_t hash = 0;
};

struct ReplayGameOptions {
    bool untilLeft = false;  // after the script, play on without input until the level is left
    bool trace = false;      // print the Vop every tick to standard error
    uint8_t checkpoints = 1;
    int shader = 1;          // the shader option changes the colour hold
};

// The level table must be filled (PrepareReplayWorld, or FreshStartRandomState
// for a tool that sets up its own world); `startState` is the random state
// the level starts from.
ReplayGameOutcome PlayScriptAsGame(const ReplayScript& script, uint32_t startState, const ScreenSize& screen,
                                   const ReplayGameOptions& options = ReplayGameOptions{});
