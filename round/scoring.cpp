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
