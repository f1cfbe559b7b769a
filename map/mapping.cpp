#include "map/mapping.h"

#include "platform/numbers.h"

long double mapScale(int16_t length) { return length > 0 ? 150.0L / length : 0.0L; }

MapBar mapBar(long double scale, int16_t from, int16_t to) {
  return {static_cast<int>(Trunc(scale * from)), static_cast<int>(Trunc(scale * to + 1))};
}

MapBar mapGreen(long double scale, int16_t length, int16_t green) {
  return {static_cast<int>(Trunc(scale * (length - green))),
          static_cast<int>(Trunc(scale * (length + green)))};
}

std::string legendCaption(char form, int from, int to) {
  // "??" is spelt "?\?" so that no compiler reads a trigraph in it.
  const std::string f = std::to_string(from), t = std::to_string(to);
  switch (form) {
    case 'F':
      return "(" + f + " - " + t + ")";
    case 'S':
      return "(" + f + " - ?\?)";
    case 'E':
      return "(?\? - " + t + ")";
    default:
      return "(?\? - ?\?)";
  }
}
