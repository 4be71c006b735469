#include "game/control/Random.h"

namespace {
uint32_t gRandState = 1;
}

void SeedRandom(uint32_t seed) {
    gRandState = seed;
}

int GameRand() {
    gRandState = gRandState * 214013u + 2531011u;
    return static_cast<int>((gRandState >> 16) & kRandMax);
}

uint32_t RandomState() {
    return gRandState;
}
