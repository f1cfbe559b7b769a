// The rules of a stroke that do not touch the window: how far a full shot
// and a putt go, the wind and slope factors, and the pace of the gauge, the
// flight and the roll.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/numbers.h"

// The millisecond clock as the frame handlers read it: made non-negative
// (the one reading with no positive counterpart, -2^31, counts as 2^31 - 1).
inline int32_t frameNow() {
  const int64_t t = static_cast<int32_t>(timeGetTime());
  return saturate<int32_t>(t < 0 ? -t : t);
}

// Milliseconds until a step that waits `wait` ms after the clock reading
// `since` is due (0 or less: due now); wide, so that no reading overflows.
inline int32_t stepDueIn(int64_t wait, int32_t since) {
  return saturate<int32_t>(wait - (int64_t{frameNow()} - since));
}

// Wind factor in per cent (positive wind = tail wind); 100 for anything
// outside -9..9, such as the 20 of a wind not yet drawn.
int windFactor(int8_t wind);

// Slope factor of a putt in per cent: 100 + 12 per step for -5..5, else 100.
int slopeFactor(int8_t slope);

// Everything a full shot's length depends on, drawn and decided beforehand.
struct FullShot {
  int reach = 0;               // full-power carry of the club
  int width = 0;               // gauge width at the release, per cent of the reach
  int lie = 1;                 // terrain under the ball before the stroke
  bool iron = false;           // an iron is in use (from the rough it loses less)
  bool ignoreTerrain = false;  // the terrain-ignoring special is in force
  int8_t wind = 0;
  int scatter = 0;             // yards the character's scatter moves the ball
  bool scatterLonger = false;  // the scatter lengthens the shot (else it shortens it)
  bool happy = false;          // the happy special is in force
  int remaining = 0;           // yards to the cup
};

// The length of a full shot in yards, at least 1. Extended precision; each
// quotient by 100 is formed before it is multiplied.
int16_t fullShotLength(const FullShot& s);

// The length of a putt in yards, at least 1; one that is exact or a yard
// long is made exactly `remaining`, so it drops.
int16_t puttLength(int width, int reach, int8_t slope, int remaining);

// Frame interval of the first yard of a putt of `length` yards.
int32_t firstPuttInterval(int length);

// The interval after one more yard of roll: the ball slows down more and
// more, and no more from 450 ms on.
int32_t slowerPutt(int32_t interval);

// Frame interval of a full shot that has covered `travelled` yards towards
// its landing position `landing` (measured from the tee).
int flightInterval(int travelled, int landing);

// Left edge of the ball marker on the 150-pixel map strip.
int markerLeft(int pos, int holeLength);
// The same during a flight, from where the stroke started and how far it has gone.
int markerLeftInFlight(int start, int travelled, int holeLength);
