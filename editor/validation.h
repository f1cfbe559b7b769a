// The rules of the editor's check ("確認"): how the texts of the hole on
// screen are repaired, clamped and ordered before they become course data.
#pragma once

#include <QString>
#include <cstdint>

#include "map/mapping.h"

namespace validation {

// The editor's limits; the same numbers stand in the field labels.
inline constexpr int kMinLength = 100, kMaxLength = 1200;
inline constexpr int kMinPar = 2, kMaxPar = 7;
inline constexpr int kMinGreen = 3, kMaxGreen = 50;
inline constexpr int kMinPoints = 800, kMaxPoints = 9000;
inline constexpr int kMaxWind = 9, kMaxSlope = 5;
inline constexpr int kFirstRangeYard = 2;

// True when `text` is a decimal integer as the check reads it: an optional
// sign and at least one digit, nothing else, within the range of int.
bool isInteger(const QString& text);

// A number field (length, par, green, points, terrain): an empty text
// becomes `fallback`; so does a text that is not an integer (only a paste can
// put one there). Any other text is kept as it is.
QString repairNumberText(const QString& text, const QString& fallback);

// A wind or slope field: a text that is not an integer becomes "0". Those are
// the empty text, a sign alone, two signs or a digit followed by a sign (all
// the key filters let through), and anything pasted.
QString repairSignedText(const QString& text);

// The integer of a text passed by the repairs above (0 for anything else).
int readInteger(const QString& text);

int clampTo(int value, int low, int high);

// The kind of a wind or slope range [from, to] with from <= to: 0 both 0,
// 1 through 0, 2 positive only, 3 negative only.
uint8_t rangeKind(int from, int to);

// A terrain pair [start, end] against M, the first yard of the green.
enum class RangeCheck {
  Absent,   // both 0: no range, left alone
  Kept,     // inside 2 .. M-1, in order
  Swapped,  // inside, given backwards: the ends are exchanged
  Empty,    // both ends equal: removed without a word
  Outside,  // an end before yard 2 or on the green: removed, the player is told
};
RangeCheck checkRange(int start, int end, int firstGreenYard);

// The message for a removed range: "地形の範囲は 2 ～ N です".
QString rangeMessage(int firstGreenYard);

// The editor preview's green: from the tee-side edge (length - green) to the
// cup only, a = Trunc(s * (length - green)), z = Trunc(s * length).
MapBar previewGreen(long double scale, int16_t length, int16_t green);

}  // namespace validation
