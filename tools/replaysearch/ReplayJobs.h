#pragma once
// Many plays of replay scripts at once, each in a process of its own.
#include <vector>

#include "tools/replaysearch/ReplayRun.h"

// One play of a script from a seed at a screen size, for
// PlayReplaysInParallel. With `asGame` it is played by PlayScriptAsGame
// instead, for its hash.
struct ReplayJob {
    ReplayScript script;
    ReplaySeed seed;
    ScreenSize screen;
    int idleTicks = 0;
    bool asGame = false;
    // Also scored from each of these start states (the same inputs kill the
    // same objects from every one, so one play serves them all).
    std::vector<ReplaySeed> scoredFrom;
};
// Plays every job in up to `workers` child processes (the simulation is all
// global state, so each child plays its share one after another, as this
// process would), with their gameplay log lines dropped; results in job
// order. False when a child could not be started or gave no result.
bool PlayReplaysInParallel(const std::vector<ReplayJob>& jobs, int workers, std::vector<ReplayResult>& results);
