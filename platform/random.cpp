#include "platform/random.h"

#include <chrono>

namespace {

uint64_t state = 0x9E3779B97F4A7C15ull;
bool fixed = false;
uint64_t fixedSeed = 0;

// splitmix64: small, fast, and good enough for dice.
uint64_t next() {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void Randomize(uint64_t seed) { state = seed; }

void Randomize() {
  if (fixed) {
    Randomize(fixedSeed);
    return;
  }
  Randomize(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void fixSeed(uint64_t seed) {
  fixed = true;
  fixedSeed = seed;
}

int Random(int n) {
  if (n < 1) return 0;
  return static_cast<int>(next() % static_cast<uint64_t>(n));
}

long double R() { return static_cast<long double>(next() >> 11) * 0x1.0p-53L; }
