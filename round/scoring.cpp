#include "round/scoring.h"

HoleResult holeResult(int strokes, int par, int bonus) {
  using C = ResultCounter;
  const int s = strokes, p = par, b = bonus;
  if (s == 1) return {C::HoleInOne, "Imghio", static_cast<int16_t>(2600 + b)};
  if (s <= p - 5) return {C::FourUnder, "Imgm4", static_cast<int16_t>(2300 + b)};
  if (s == p - 4) return {C::FourUnder, "Imgm4", static_cast<int16_t>(2100 + b)};
  if (s == p - 3) return {C::Albatross, "Imgalba", static_cast<int16_t>(1700 + b)};
  if (s == p - 2) return {C::Eagle, "Imgeagle", static_cast<int16_t>(1200 + b)};
  if (s == p - 1) return {C::Birdie, "Imgbirdie", static_cast<int16_t>(800 + b)};
  if (s == p) return {C::None, "Imgpar", static_cast<int16_t>(500 + b)};
  if (s == p + 1) return {C::None, "Imgbogey", static_cast<int16_t>(300 + b / 2)};
  if (s == p + 2) return {C::None, "Imgdbogey", static_cast<int16_t>(200 + b / 2)};
  if (s == p + 3) return {C::None, "Imgtbogey", static_cast<int16_t>(100 + b / 4)};
  if (s == p + 4) return {C::None, "Imgqbogey", static_cast<int16_t>(20 + b / 4)};
  return {C::None, nullptr, 0};
}

QString scoreText(int value) {
  if (value < 0) return QString("－%1").arg(-value);
  if (value == 0) return QString("±0");
  return QString("＋%1").arg(value);
}

int rivalScale(int slot) {
  static constexpr int kScale[6] = {12, 11, 23, 12, 15, 11};
  return slot >= 1 && slot <= 6 ? kScale[slot - 1] : 0;
}

int rivalStep(int slot, int n, int par) {
  const int p = par;
  switch (slot) {
    case 1:  // Mina
      if (n <= 3) return -1;
      if (n <= 6) return 1;
      if (n == 7 && p >= 5) return -2;
      if (n == 8 && p >= 5) return 2;
      return 0;
    case 2:  // Souma
      if (n <= 2) return -1;
      if (n <= 5) return 1;
      if (n == 6 && p >= 4) return -2;
      return 0;
    case 3:  // Tsuduru
      if (n <= 4) return -1;
      if (n <= 11) return 1;
      if (n <= 19) return 2;
      if (n == 20) return -2;
      if (n == 21 && p >= 5) return -3;
      return 0;
    case 4:  // Kyoko
      if (n <= 6) return -1;
      if (n <= 8) return 1;
      if (n <= 10 && p >= 5) return -2;
      return 0;
    case 5:  // Philip
      if (n <= 4) return -1;
      if (n == 5) return 1;
      if (n <= 8 && p >= 5) return -2;
      if (n == 9 && p == 3) return -2;
      return p >= 5 ? -1 : 0;
    case 6:  // Hatao
      if (n <= 4) return -1;
      if (n <= 8 && p >= 5) return -2;
      if (n == 9 && p >= 6) return -3;
      if (n == 10 && p == 3) return -2;
      return -1;
    default:
      return 0;
  }
}

int16_t upgradePrice(int club, int bought) {
  static constexpr int16_t kPrice[4][4] = {
      {900, 1100, 1300, 1500}, {700, 850, 1000, 1150}, {600, 700, 800, 900}, {500, 550, 600, 650}};
  if (club < 1 || club > 4) return 0;
  return kPrice[club - 1][bought < 0 ? 0 : bought > 3 ? 3 : bought];
}

uint8_t nextHoleTrack(uint8_t courseKind, uint8_t holeNo, uint8_t editBgm) {
  static constexpr uint8_t kPractice[5] = {5, 7, 9, 11, 13};
  static constexpr uint8_t kChampionship[8] = {6, 8, 10, 12, 14, 15, 16, 17};
  switch (courseKind) {
    case 1:
      return holeNo >= 2 && holeNo <= 6 ? kPractice[holeNo - 2] : 0;
    case 2:
      return holeNo >= 2 && holeNo <= 9 ? kChampionship[holeNo - 2] : 0;
    case 3:
      return holeNo >= 1 && holeNo <= 6 ? editBgm : 0;
    default:
      return 0;
  }
}
