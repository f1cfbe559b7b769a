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

// ---- the rivals on the board

// The scale N of a rival's draw for slot 1..6 (1 Mina .. 6 Hatao); 0 for any other slot.
int rivalScale(int slot);

// How much slot's score changes on a hole of par `par` for the draw n = Round(R * N),
// n in 0..N. Hatao never loses ground; nobody moves by more than 3.
int rivalStep(int slot, int n, int par);

// ---- the shop

// The price of the next upgrade of `club` (1 1W, 2 3W, 3 5I, 4 8I) with `bought` upgrades
// already bought; 4 or more keep the last price. 0 for any other club.
int16_t upgradePrice(int club, int bought);

// ---- moving on

// The music of hole `holeNo` (2 on) of course `courseKind` (1 practice, 2 championship,
// 3 edited, which plays `editBgm`, the track stored with that hole); 0 when the course has no
// such hole.
uint8_t nextHoleTrack(uint8_t courseKind, uint8_t holeNo, uint8_t editBgm);
