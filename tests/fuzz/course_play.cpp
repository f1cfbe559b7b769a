// A course file loaded for play by the course-name entry and played hole by
// hole: the course starts with the file's points, every hole is set up from
// the file, a few strokes are played on it (full shots and putts with
// powers taken from the input, the flights run to their end, the ball
// followed into water, out of bounds and onto the green), and the hole is
// closed and the next one previewed as between holes.
//
// Input: the course file, then (after its 1836 bytes) the gauge widths of
// the strokes; a short input is a short file, which replaces only what it
// holds.
#include <cstring>

#include "platform/application.h"
#include "tests/fuzz/harness.h"

namespace {

constexpr auto kLeft = TMouseButton::mbLeft;

// One stroke with the first club the lie allows; false when none can be
// played. Three flights in four are skipped to their landing (the frames of
// a flight are the same rules again and again).
bool stroke(TForm1& f, uint8_t power) {
  TRadioButton* club = nullptr;
  for (TRadioButton* r : {f.Radio5, f.Radio1, f.Radio3, f.Radio4, f.Radio2, f.Radio6})
    if (r->Enabled() && r->Visible()) {
      club = r;
      break;
    }
  if (!club) return false;
  club->SetChecked(true);
  if (!f.shot->Enabled()) return false;
  f.shotMouseDown(kLeft, 0, 0);
  f.gauge->SetWidth(power % (f.gaugeMax + 1));
  f.shotMouseUp(kLeft, 0, 0);
  if (power & 3) f.Box2MouseDown(TMouseButton::mbRight, 0, 0);
  runFrames(400);
  Application::instance().clearIdle();
  f.shotClick();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TForm1& f = fuzzForm();
  const size_t fileSize = std::min<size_t>(size, kCourseFileSize);
  writeInput("edit/fz.dat", data, fileSize);
  const uint8_t* powers = data + fileSize;
  const size_t powerCount = size - fileSize;

  // The course-name entry, as the player reaches it.
  std::memset(static_cast<EditedCourseRecord*>(&f), 0, sizeof(EditedCourseRecord));
  f.charSlot = static_cast<uint8_t>(1 + (powerCount ? powers[0] : 0) % 6);
  f.altChar = powerCount > 1 ? powers[1] & 1 : 0;
  f.applyCharacter(f.altChar ? TMouseButton::mbRight : kLeft);
  f.phase = 3;
  f.EditCs->SetEnabled(true);
  f.EditCs->SetText("fz");
  f.okClick();
  if (f.courseKind != kEditedCourse) return 0;
  f.yesClick();

  size_t next = 0;
  for (int hole = 1; hole <= 6; ++hole) {
    if (hole > 1) {
      // The hole end (unless the last stroke reached it), the preview of
      // the next hole, and on.
      if (f.phase != 11) {
        f.holeNo = static_cast<uint8_t>(hole - 1);
        f.csend();
      }
      f.holeNo = static_cast<uint8_t>(hole);
      f.phase = 11;
      f.proceedClick();
      Application::instance().clearIdle();
    }
    f.wndcontClick();
    for (int n = 0; n < 3 && f.phase < 11; ++n) {
      const uint8_t power = powerCount ? powers[next++ % powerCount] : uint8_t(100 + 37 * n);
      if (!stroke(f, power)) break;
    }
  }
  // The course end with its records, export and saves.
  f.finishCourse();
  Application::instance().clearIdle();
  f.courseKind = 0;
  f.phase = 0;
  dropRecords();
  return 0;
}
