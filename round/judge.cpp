// Scoring a holed hole: the result picture, the game's counters and the
// points the hole earns.
#include "app/TForm1.h"
#include "platform/numbers.h"
#include "round/scoring.h"

void TForm1::judge() {
  holePoints = 0;
  if (shotLength > longestShot) longestShot = shotLength;
  position->Hide();

  const HoleResult r = holeResult(strokeNo, par, chipInBonus);
  switch (r.counter) {
    case ResultCounter::HoleInOne:
      ++holeInOnes;
      break;
    case ResultCounter::FourUnder:
      ++fourUnderHoles;
      break;
    case ResultCounter::Albatross:
      ++albatrosses;
      break;
    case ResultCounter::Eagle:
      ++eagles;
      break;
    case ResultCounter::Birdie:
      ++birdies;
      break;
    case ResultCounter::None:
      break;
  }
  if (r.picture)
    if (auto* picture = dynamic_cast<TImage*>(controlByName(r.picture)))
      chikei->SetPicture(*picture);
  holePoints = r.points;
  scoreToPar = saturate<int8_t>(scoreToPar + strokeNo - par);
}

void TForm1::checkScorePlmi(int8_t value, TLabel* label) { label->SetCaption(scoreText(value)); }
