#include "tools/replaysearch/ReplaySeeds.h"

#include <cerrno>
#include <cstdlib>

#include "game/LevelTable.h"
#include "gameplay/SimRandom.h"
#include "tools/replaysearch/CommaList.h"

// Spread over the whole range so that no two start their draws alike.
const uint32_t otherReplaySeeds[otherSeedCount] = {1, 7, 99, 4242, 65537, 1234567, 2147483647u};

ReplaySeed FreshStartSeed() { return ReplaySeed{}; }

ReplaySeed PlainSeed(uint32_t state)
{
    ReplaySeed seed;
    seed.fresh = false;
    seed.state = state;
    return seed;
}

uint32_t FreshStartRandomState()
{
    SeedSimRandom(simRandFirstState);
    InitLevelTable();
    MusicChoice();
    return SimRandomState();
}

namespace {
std::vector<ReplaySeed> SeedSet(int others)
{
    std::vector<ReplaySeed> seeds = {FreshStartSeed()};
    for (int i = 0; i < others; ++i) seeds.push_back(PlainSeed(otherReplaySeeds[i]));
    return seeds;
}
}  // namespace

std::vector<ReplaySeed> DefaultReplaySeeds() { return SeedSet(otherSeedCount); }
std::vector<ReplaySeed> HardReplaySeeds() { return SeedSet(hardOtherSeedCount); }

std::vector<ReplaySeed> RequiredReplaySeeds(int difficulty)
{
    return difficulty >= 3 ? HardReplaySeeds() : DefaultReplaySeeds();
}

std::string SeedName(const ReplaySeed& seed) { return seed.fresh ? "fresh" : std::to_string(seed.state); }

bool ParseSeedList(const std::string& text, std::vector<ReplaySeed>& seeds, std::string& error)
{
    seeds.clear();
    for (const std::string& word : CommaSeparatedWords(text)) {
        if (word == "fresh") {
            seeds.push_back(FreshStartSeed());
        } else if (word == "default" || word == "hard") {
            const std::vector<ReplaySeed> set = word == "hard" ? HardReplaySeeds() : DefaultReplaySeeds();
            seeds.insert(seeds.end(), set.begin(), set.end());
        } else {
            char* end = nullptr;
            errno = 0;
            const unsigned long long v = word.empty() || word[0] == '-' ? 0 : std::strtoull(word.c_str(), &end, 10);
            if (word.empty() || word[0] == '-' || errno != 0 || *end != '\0' || v > 4294967295ull) {
                error = "\"" + word + "\" is not a seed (fresh, default, hard or a number 0 to 4294967295)";
                seeds.clear();
                return false;
            }
            seeds.push_back(PlainSeed(static_cast<uint32_t>(v)));
        }
    }
    return true;
}
