#pragma once
// The random states a level replay is proven from. The simulation's random
// sequence gives every object of a level its kill points when the level
// starts (and again at each restart), so a replay that passes from one state
// may fall short from another. The real game starts its first level from the
// state start-up leaves: the music pass draws a phase for every object of
// every level, and nothing on the intro, menus or level pages draws again.
// Later levels start from wherever play has taken the sequence.
#include <cstdint>
#include <string>
#include <vector>

struct ReplaySeed {
    bool fresh = true;   // the state of a fresh game start
    uint32_t state = 0;  // otherwise the sequence starts here (SeedSimRandom)
};

ReplaySeed FreshStartSeed();
ReplaySeed PlainSeed(uint32_t state);

// Fills the level table and chooses the music exactly as start-up does, from
// the sequence's first state, and returns the state this leaves. It depends
// on how many objects all the levels have together, so it is computed, never
// written down.
uint32_t FreshStartRandomState();

// The seven plain seeds every default replay must also pass from; a hard
// replay must pass from the first three of them.
constexpr int otherSeedCount = 7;
constexpr int hardOtherSeedCount = 3;
extern const uint32_t otherReplaySeeds[otherSeedCount];

// The fresh start first, then the plain seeds of the set.
std::vector<ReplaySeed> DefaultReplaySeeds();
std::vector<ReplaySeed> HardReplaySeeds();
// The hard set at difficulty 3, the default set below it.
std::vector<ReplaySeed> RequiredReplaySeeds(int difficulty);

// "fresh" or the plain seed's number.
std::string SeedName(const ReplaySeed& seed);
// A comma-separated list of "fresh", plain numbers (0..4294967295),
// "default" (the default set) and "hard" (the hard set). False with a
// message for anything else or an empty list.
bool ParseSeedList(const std::string& text, std::vector<ReplaySeed>& seeds, std::string& error);
