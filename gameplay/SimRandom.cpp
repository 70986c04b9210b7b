#include "gameplay/SimRandom.h"

namespace {
uint32_t simRandState = simRandFirstState;
}

void SeedSimRandom(uint32_t seed) { simRandState = seed; }

int SimRand()
{
    simRandState = simRandState * 214013u + 2531011u;
    return static_cast<int>((simRandState >> 16) & 0x7FFFu);
}

uint32_t SimRandomState() { return simRandState; }
