// The two built-in courses, the terrain along a hole, and the draw of the
// wind (or, on the green, the slope).
//
// Every hole is a straight line in whole yards from the tee (0) to the cup
// (length). Positive wind is a tail wind, positive slope makes a putt roll
// farther.
#pragma once

#include <cstdint>

// One rule for drawing the wind (or, on the green, the slope): kind 0 none, 1 both ways, 2 positive
// only, 3 negative only. low and high are strengths: kind 1 runs from -low to +high, kind 2 from
// +low to +high, kind 3 from -high to -low.
struct WindRule {
  int8_t kind, low, high;
};

// First and last yard of a range, both included; {0,0} = no range (the tee is always fairway).
struct Span {
  int16_t from, to;
};

struct HoleData {
  uint8_t par;
  int16_t length;
  int16_t green;  // the green covers length - green .. length + green
  Span rough[3], water[3], bunker[3];
  WindRule wind, slope;
};

// Terrain codes, also the ball's lie.
enum : uint8_t { kFairway = 1, kRough = 2, kBunker = 3, kWater = 4, kGreen = 5, kOutOfBounds = 6 };

// Course kinds.
enum : uint8_t { kPracticeCourse = 1, kChampionshipCourse = 2, kEditedCourse = 3 };

// 6 practice (1), 9 championship (2), 6 edited (3); 0 for any other kind.
int courseHoleCount(uint8_t courseKind);

// Hole holeNo (1-based) of the practice or championship course. Anything else (the edited course,
// a hole number out of range) gives an all-zero hole; callers only ask for holes that exist.
const HoleData& builtinHole(uint8_t courseKind, uint8_t holeNo);

// The terrain at position p: fairway; then for k = 1..3 rough k, water k, bunker k in that order
// (a later match wins); then the green, then out of bounds past the green, and the tee (p = 0) is
// fairway whatever the ranges say.
uint8_t terrainAt(const HoleData& hole, int16_t p);

// The lie of a ball put back to p after water or out of bounds: fairway; then for k = 1..3 rough if
// p is in rough k, else bunker if p is in bunker k (a later k wins); fairway at the tee.
uint8_t returnLie(const HoleData& hole, int16_t p);

// Windkime's draw. random(n) behaves as Random(n): 0..n-1, and 0 for n < 1.
// kind 0: 0; kind 1: random(high+1) - random(low+1), the high draw first; kind 2:
// low + random(high-low+1); kind 3: -(low + random(high-low+1)); any other kind leaves `current`.
template <class RandomFn>
int8_t drawWind(WindRule rule, int8_t current, RandomFn random) {
  const int low = rule.low, high = rule.high;
  switch (rule.kind) {
    case 0:
      return 0;
    case 1: {
      const int tail = random(high + 1);
      const int head = random(low + 1);
      return static_cast<int8_t>(tail - head);
    }
    case 2:
      return static_cast<int8_t>(low + random(high - low + 1));
    case 3:
      return static_cast<int8_t>(-(low + random(high - low + 1)));
    default:
      return current;
  }
}

// True when the rule can give at least two different values (so that drawing again until the value
// changes is bound to end). Rules read unchecked from a course file may hold anything: a kind 2 or
// 3 rule with low >= high, or a kind 1 rule with no parameter above 0, has one value only.
inline bool windHasChoice(WindRule rule) {
  switch (rule.kind) {
    case 1:
      return rule.low > 0 || rule.high > 0;
    case 2:
    case 3:
      return rule.high > rule.low;
    default:
      return false;
  }
}

// Waiting for the wind (wndcontClick): both parameters 0 gives 0; a kind other than 0..3 keeps
// `old`; otherwise draw until the value differs from `old` when the rule has a choice, and draw
// exactly once when it has not (the only value may equal `old`).
template <class RandomFn>
int8_t redrawWind(WindRule rule, int8_t old, RandomFn random) {
  if (rule.low == 0 && rule.high == 0) return 0;
  if (rule.kind < 0 || rule.kind > 3) return old;
  int8_t value = drawWind(rule, old, random);
  if (windHasChoice(rule)) {
    while (value == old) value = drawWind(rule, old, random);
  }
  return value;
}

// The sign shown for a wind or slope value: "＋" above 0, "－" below, "±" for 0.
const char* windSign(int8_t value);

// The number shown beside the sign.
inline int windMagnitude(int8_t value) { return value < 0 ? -value : value; }

// The edited course's rule from its stored kind and signed From/To values: kinds 0, 1 and 2 take
// low = |from|, high = |to|; any other kind takes low = |to|, high = |from|. A stored -128 counts
// as strength 127, the strongest an 8-bit strength can hold.
WindRule editedRule(uint8_t kind, int8_t from, int8_t to);
