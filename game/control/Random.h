#pragma once
#include <cstdint>

// The game's random generator: the classic run-time library generator (15-bit results), so that a
// seeded run deals the same cards and stage orders on every machine. Choices are GameRand() % n.
constexpr int kRandMax = 0x7FFF;
void SeedRandom(uint32_t seed);
int GameRand();
// The generator's state, for the checks that two machines play the same game.
uint32_t RandomState();
