// What a finished hole is worth: its result by strokes against par, the
// picture that shows it and the points it earns, and how a score against par
// is written.
#pragma once

#include <QString>
#include <cstdint>

// Which of the game's counters a result increases.
enum class ResultCounter : uint8_t { None, HoleInOne, FourUnder, Albatross, Eagle, Birdie };

struct HoleResult {
  ResultCounter counter;
  const char* picture;  // result picture copied into chikei; nullptr leaves it as it is
  int16_t points;
};

// The result of a hole holed in `strokes` on a par `par`; `bonus` is 800 when
// a full shot dropped into the cup, else 0 (halved from a bogey on, quartered
// from a triple bogey on). A hole in one wins over every other row.
HoleResult holeResult(int strokes, int par, int bonus);

// A score against par with full-width signs: "＋3", "－2", "±0".
QString scoreText(int value);
