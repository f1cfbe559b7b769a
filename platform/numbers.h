// Whole numbers from reals, the way the game has always counted.
//
// Every real that must match to the last bit is a long double (64-bit
// mantissa on x86-64) and is rounded in the default round-to-nearest-even
// mode: 150.0L * (53 / 100.0L) rounds to 79 and 130 * 0.65L to 84.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Nearest whole number, halves to the even neighbour.
inline int64_t Round(long double x) { return static_cast<int64_t>(std::nearbyintl(x)); }

// Whole number toward zero.
inline int64_t Trunc(long double x) { return static_cast<int64_t>(std::truncl(x)); }

// A whole number stored into a narrower field: held at the field's limits
// instead of wrapping around. Sums of values read from a course file (a
// position near the 16-bit end, points near the 32-bit end) are formed in
// 64 bits and stored through this.
template <class Field>
constexpr Field saturate(int64_t v) {
  constexpr int64_t lo = std::numeric_limits<Field>::min(), hi = std::numeric_limits<Field>::max();
  return static_cast<Field>(v < lo ? lo : v > hi ? hi : v);
}
