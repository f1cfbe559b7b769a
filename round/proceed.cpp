// The proceed button: from the hole-end screen to the next hole; after the
// last hole it finishes the course.
#include "app/TForm1.h"
#include "round/scoring.h"

void TForm1::proceedClick() {
  playEffect(2);
  moji->SetCaption("");
  proceed->Hide();
  if (phase != 11) {
    finishCourse();
    return;
  }
  // holeNo is already the next hole here.
  const uint8_t stored = courseKind == 3 && holeNo >= 1 && holeNo <= 6 ? editBgm[holeNo] : 0;
  startTrack(nextHoleTrack(courseKind, holeNo, stored));
  Application::instance().ProcessMessages();
  phase = 4;
  holestart();
}
