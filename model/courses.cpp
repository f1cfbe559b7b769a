#include "model/courses.h"

namespace {

constexpr Span kNone{0, 0};

// clang-format off
// The practice course: par 26, 2901 yards.
constexpr HoleData kPractice[6] = {
    {4, 433, 30, {{211, 234}, kNone, kNone}, {{61, 108}, kNone, kNone},
     {{373, 390}, kNone, kNone}, {1, 3, 3}, {0, 0, 0}},
    {4, 460, 15, {{245, 283}, kNone, kNone}, {{79, 191}, {284, 319}, kNone},
     {{404, 441}, kNone, kNone}, {1, 3, 3}, {1, 1, 1}},
    {5, 589, 27, {{175, 248}, {330, 385}, kNone}, {kNone, kNone, kNone},
     {{266, 301}, kNone, kNone}, {2, 2, 5}, {1, 2, 3}},
    {3, 199, 13, {{5, 49}, kNone, kNone}, {{50, 160}, kNone, kNone},
     {{161, 185}, kNone, kNone}, {2, 0, 4}, {1, 3, 3}},
    {5, 642, 12, {{51, 101}, {351, 401}, kNone}, {{151, 201}, {451, 501}, kNone},
     {{251, 301}, {551, 601}, kNone}, {1, 5, 5}, {3, 1, 4}},
    {5, 578, 17, {{280, 351}, {432, 465}, kNone}, {{173, 217}, {519, 552}, kNone},
     {{241, 279}, {386, 431}, kNone}, {1, 5, 6}, {1, 4, 4}},
};

// The championship course: par 42, 4790 yards.
constexpr HoleData kChampionship[9] = {
    {5, 542, 20, {{186, 225}, {264, 283}, {439, 454}}, {{403, 436}, kNone, kNone},
     {{226, 263}, {490, 510}, kNone}, {1, 4, 3}, {0, 0, 0}},
    {3, 155, 12, {kNone, kNone, kNone}, {{5, 121}, kNone, kNone}, {{122, 142}, kNone, kNone},
     {3, 3, 7}, {2, 0, 4}},
    {5, 552, 16, {{193, 275}, {486, 535}, kNone}, {{27, 160}, {307, 392}, kNone},
     {{441, 485}, kNone, kNone}, {1, 5, 5}, {1, 3, 3}},
    {6, 666, 25, {{103, 222}, {351, 464}, {553, 596}}, {{223, 320}, {465, 552}, kNone},
     {{597, 622}, kNone, kNone}, {2, 3, 9}, {3, 3, 4}},
    {4, 492, 19, {{164, 191}, {377, 472}, kNone}, {{231, 376}, kNone, kNone},
     {{89, 130}, {192, 200}, kNone}, {1, 4, 2}, {1, 5, 3}},
    {5, 787, 10, {kNone, kNone, kNone}, {kNone, kNone, kNone}, {kNone, kNone, kNone}, {1, 9, 9},
     {1, 5, 5}},
    {3, 254, 14, {{3, 9}, {237, 239}, kNone}, {{221, 236}, kNone, kNone},
     {{10, 89}, {117, 168}, {190, 220}}, {2, 6, 9}, {1, 2, 2}},
    {5, 478, 20, {{95, 172}, {290, 363}, kNone}, {{182, 237}, {381, 436}, kNone},
     {{238, 276}, kNone, kNone}, {3, 4, 7}, {2, 2, 5}},
    {6, 864, 13, {{140, 193}, {287, 327}, {405, 572}}, {{328, 404}, {710, 774}, {800, 850}},
     {{219, 251}, {573, 602}, {775, 790}}, {1, 9, 9}, {3, 4, 5}},
};
// clang-format on

constexpr HoleData kNoHole{};

bool within(Span s, int p) { return s.from <= p && p <= s.to; }

int8_t strength(int8_t v) {
  if (v == INT8_MIN) return INT8_MAX;
  return static_cast<int8_t>(v < 0 ? -v : v);
}

}  // namespace

int courseHoleCount(uint8_t courseKind) {
  switch (courseKind) {
    case kPracticeCourse:
      return 6;
    case kChampionshipCourse:
      return 9;
    case kEditedCourse:
      return 6;
    default:
      return 0;
  }
}

const HoleData& builtinHole(uint8_t courseKind, uint8_t holeNo) {
  if (holeNo < 1) return kNoHole;
  if (courseKind == kPracticeCourse && holeNo <= 6) return kPractice[holeNo - 1];
  if (courseKind == kChampionshipCourse && holeNo <= 9) return kChampionship[holeNo - 1];
  return kNoHole;
}

uint8_t terrainAt(const HoleData& hole, int16_t p) {
  uint8_t terrain = kFairway;
  for (int k = 0; k < 3; ++k) {
    if (within(hole.rough[k], p)) terrain = kRough;
    if (within(hole.water[k], p)) terrain = kWater;
    if (within(hole.bunker[k], p)) terrain = kBunker;
  }
  // Widened to int so that a long edited hole cannot wrap the green's edges.
  const int nearEdge = hole.length - hole.green, farEdge = hole.length + hole.green;
  if (nearEdge <= p && p <= farEdge) terrain = kGreen;
  if (p > farEdge) terrain = kOutOfBounds;
  if (p == 0) terrain = kFairway;
  return terrain;
}

uint8_t returnLie(const HoleData& hole, int16_t p) {
  uint8_t lie = kFairway;
  for (int k = 0; k < 3; ++k) {
    if (within(hole.rough[k], p)) {
      lie = kRough;
    } else if (within(hole.bunker[k], p)) {
      lie = kBunker;
    }
  }
  if (p == 0) lie = kFairway;
  return lie;
}

const char* windSign(int8_t value) {
  if (value > 0) return "＋";
  if (value < 0) return "－";
  return "±";
}

WindRule editedRule(uint8_t kind, int8_t from, int8_t to) {
  const auto k = static_cast<int8_t>(kind);
  if (kind <= 2) return {k, strength(from), strength(to)};
  return {k, strength(to), strength(from)};
}
