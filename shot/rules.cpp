#include "shot/rules.h"

#include "platform/numbers.h"

namespace {

constexpr int kWindFactors[19] = {56,  63,  69,  74,  78,  84,  89,  93,  96, 100,
                                  104, 107, 111, 116, 122, 126, 131, 137, 144};

}  // namespace

int windFactor(int8_t wind) {
  if (wind < -9 || wind > 9) return 100;
  return kWindFactors[wind + 9];
}

int slopeFactor(int8_t slope) {
  if (slope < -5 || slope > 5) return 100;
  return 100 + 12 * slope;
}

int16_t fullShotLength(const FullShot& s) {
  long double length = Round(s.reach * (s.width / 100.0L));
  if (!s.ignoreTerrain) {
    if (s.lie == 2)
      length = Round(length * (s.iron ? 0.65L : 0.58L));
    else if (s.lie == 3)
      length = Round(length * 0.28L);
  }
  length = Round(length * (windFactor(s.wind) / 100.0L));
  int64_t l = static_cast<int64_t>(length);
  l += s.scatterLonger ? s.scatter : -s.scatter;
  if (l <= 0) l = 1;
  if (s.happy && s.remaining - 3 <= l && l <= s.remaining + 3) l = s.remaining;
  return static_cast<int16_t>(l);
}

int16_t puttLength(int width, int reach, int8_t slope, int remaining) {
  int64_t l = Round((width / 100.0L) * (slopeFactor(slope) / 100.0L) * reach);
  if (l <= 0) l = 1;
  if (remaining <= l && l <= remaining + 1) l = remaining;
  return static_cast<int16_t>(l);
}

int32_t firstPuttInterval(int length) {
  constexpr int32_t kBands[7] = {300, 200, 130, 100, 80, 67, 55};
  if (length < 0) length = 0;
  return length >= 42 ? 47 : kBands[length / 6];
}

int32_t slowerPutt(int32_t interval) {
  if (interval < 100) return interval + 4;
  if (interval < 170) return interval + 10;
  if (interval < 250) return interval + 15;
  if (interval < 340) return interval + 24;
  if (interval < 450) return interval + 32;
  return interval;
}

int flightInterval(int travelled, int landing) {
  const long double x = landing;
  if (travelled < Round(0.25L * x)) return 24;
  if (travelled < Round(0.3L * x)) return 30;
  if (travelled < Round(0.4L * x)) return 34;
  if (travelled < Round(0.6L * x)) return 39;
  if (travelled < Round(0.8L * x)) return 36;
  return 39;
}

int markerLeft(int pos, int holeLength) {
  if (holeLength <= 0) return 2;
  return 2 + static_cast<int>(Round(pos * 150.0L / holeLength));
}

int markerLeftInFlight(int start, int travelled, int holeLength) {
  if (holeLength <= 0) return 2;
  return 2 + static_cast<int>(Round(start * 150.0L / holeLength + travelled * 150.0L / holeLength));
}
