#pragma once
// The simulation's one random sequence (kill points, object phases, eye
// blinks). It is the classic C library linear congruential generator, so a
// given seed gives the same numbers on every machine; cosmetic randomness
// (particle jitter) must not draw from it.
#include <cstdint>

constexpr int simRandMax = 32767;
// The state before any seeding: rand()'s own start. The game never reseeds,
// so every run draws its first number from here.
constexpr uint32_t simRandFirstState = 1;

void SeedSimRandom(uint32_t seed);
// 0..32767, like rand().
int SimRand();
// The generator's state, for hashing and restoring a simulation.
uint32_t SimRandomState();
