// The scaling of a hole onto the 150-pixel strip of the hole map, and the
// legend captions of its ranges.
#pragma once

#include <cstdint>
#include <string>

// Pixels per yard of a hole of `length` yards. A hole without length (0 or
// less, which only a broken course file can give) scales everything to 0, so
// nothing is drawn for it.
long double mapScale(int16_t length);

// A range [from, to] on the strip: start a = Trunc(s * from), end
// z = Trunc(s * to + 1). The bar is z - a wide, starts at a + the strip's
// origin, and is drawn only when z > 1.
struct MapBar {
  int a, z;
  int width() const { return z - a; }
  int left(int origin) const { return a + origin; }
  bool visible() const { return z > 1; }
};
MapBar mapBar(long double scale, int16_t from, int16_t to);

// The panel's green runs greenSize yards on both sides of the cup:
// a = Trunc(s * (length - green)), z = Trunc(s * (length + green)).
MapBar mapGreen(long double scale, int16_t length, int16_t green);

// A legend caption in one of its four forms: 'F' "(from - to)", 'S'
// "(from - ??)", 'E' "(?? - to)", anything else "(?? - ??)".
std::string legendCaption(char form, int from, int to);
