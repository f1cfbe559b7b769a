// The game's one random generator, seeded once at start: from the clock, or
// from a fixed seed (--seed) so that a scripted game can be replayed.
#pragma once

#include <cstdint>

// Seeds from the fixed seed when one was given, else from the clock.
void Randomize();
void Randomize(uint64_t seed);
void fixSeed(uint64_t seed);

// A whole number 0..n-1; 0 for any n below 1.
int Random(int n);

// A real in [0, 1).
long double R();
