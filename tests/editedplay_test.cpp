// Play of an edited course whose file holds any bytes at all: a course file
// is read without a check, so every hole built from it must still be played
// to its end (or to the stroke limit) without a crash or an endless loop.
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

#include "platform/clock.h"
#include "platform/random.h"
#include "tests/support.h"

namespace {

constexpr auto kLeft = TMouseButton::mbLeft;

class EditedPlay : public FormTest {
 protected:
  // Virtual milliseconds until `done` holds, at most `limit`.
  bool until(const std::function<bool()>& done, int limit) {
    const uint32_t from = timeGetTime();
    while (!done()) {
      if (static_cast<int>(timeGetTime() - from) >= limit) return false;
      wait(5);
    }
    return true;
  }

  // One stroke with the first club the lie allows; false when none could be
  // played (the hole is over) or the ball never came to rest.
  bool stroke(std::mt19937& rng, bool& settled) {
    TForm1& f = *form_;
    TRadioButton* club = nullptr;
    for (TRadioButton* r : {f.Radio5, f.Radio1, f.Radio3, f.Radio4})
      if (r->Enabled() && r->Visible()) {
        club = r;
        break;
      }
    if (club == nullptr) return false;
    club->SetChecked(true);
    if (!f.shot->Enabled()) return false;
    f.shotMouseDown(kLeft, 0, 0);
    wait(100 + static_cast<int>(rng() % 2500));
    f.shotMouseUp(kLeft, 0, 0);
    settled = until([] { return !Application::instance().hasIdle(); }, 20000);
    if (!settled) return false;
    f.shotClick();
    return true;
  }
};

TEST_F(EditedPlay, HolesPlayAsTheFileHasThem) {
  TForm1& f = start();
  f.courseKind = 3;
  f.editLength[1] = 1200, f.editGreen[1] = 50, f.editPar[1] = 7;
  f.editWindKind[1] = 1, f.editWindFrom[1] = -9, f.editWindTo[1] = 9;
  f.editSlopeKind[1] = 3, f.editSlopeFrom[1] = -5, f.editSlopeTo[1] = -1;
  f.editRough1From[1] = 2, f.editRough1To[1] = 1149;
  HoleData h = f.courseHole(1);
  EXPECT_EQ(std::tuple(h.length, h.green, h.par, h.rough[0].from, h.rough[0].to),
            std::tuple(int16_t(1200), int16_t(50), uint8_t(7), int16_t(2), int16_t(1149)));
  EXPECT_EQ(std::tuple(h.wind.kind, h.wind.low, h.wind.high, h.slope.low, h.slope.high),
            std::tuple(int8_t(1), int8_t(9), int8_t(9), int8_t(1), int8_t(5)));

  // Beyond the editor's limits but safe to play: kept as they are.
  f.editLength[2] = 1500, f.editGreen[2] = 60, f.editPar[2] = 9;
  f.editWindKind[2] = 2, f.editWindFrom[2] = 12, f.editWindTo[2] = 100;
  h = f.courseHole(2);
  EXPECT_EQ(std::tuple(h.length, h.green, h.par, h.wind.low, h.wind.high),
            std::tuple(int16_t(1500), int16_t(60), uint8_t(9), int8_t(12), int8_t(100)));

  // Only the par is narrower in play than in the file: held at its byte.
  f.editLength[3] = 0, f.editGreen[3] = -7, f.editPar[3] = -3;
  f.editWindFrom[3] = -128;
  h = f.courseHole(3);
  EXPECT_EQ(std::tuple(h.length, h.green, h.par, h.wind.low),
            std::tuple(int16_t(0), int16_t(-7), uint8_t(0), int8_t(127)));
  f.editPar[3] = 300;
  EXPECT_EQ(f.courseHole(3).par, 255);
}

// Starting points anywhere in the 32-bit range: a stroke charged below the
// lowest value ends at 0, a hole's points above the highest stay there.
TEST_F(EditedPlay, PointsAtTheEndsOfTheirRangeNeitherWrapNorStop) {
  TForm1& f = start();
  f.points = -2147483647;
  f.holePoints = 100;
  f.chargeStroke();
  EXPECT_EQ(f.points, 0);
  f.points = 2147483600;
  f.holePoints = 3400;
  f.addHolePoints();
  EXPECT_EQ(f.points, 2147483647);
  f.holePoints = -1;  // never a cost, but the rule still holds
  f.points = 2147483647;
  f.chargeStroke();
  EXPECT_EQ(f.points, 2147483647);
}

TEST_F(EditedPlay, AnyCourseFileGivesAPlayableHole) {
  TForm1& f = start();
  std::mt19937 rng(20261208);
  Randomize(5);
  f.charSlot = 1;
  f.applyCharacter(kLeft);
  f.courseKind = 3;
  f.bgmOn = 1;

  int strokes = 0;
  for (int run = 0; run < 200; ++run) {
    uint8_t bytes[kCourseFileSize];
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    // Every fourth record holds only small numbers, the kind a half-edited
    // file gives: zero lengths, greens as long as the hole, equal ends.
    if (run % 4 == 0)
      for (size_t i = 18 + 1536; i < kCourseFileSize; ++i)
        bytes[i] = static_cast<uint8_t>(rng() % 4);
    std::memcpy(static_cast<EditedCourseRecord*>(&f), bytes, kCourseFileSize);

    f.holeNo = static_cast<uint8_t>(1 + run % 6);
    // Now and then the points of the file too, extreme as they may be.
    f.points = run % 5 == 0 ? f.editPoints : 1600;
    f.holestart();
    f.Map();
    f.startTrack(f.editBgm[f.holeNo]);
    // The hole is the file's, value for value.
    ASSERT_EQ(f.holeLength, f.editLength[f.holeNo]) << run;
    ASSERT_EQ(f.greenSize, f.editGreen[f.holeNo]) << run;

    if (run % 3 == 0) f.wndcontClick();  // the redraw must end whatever the rule
    bool settled = true;
    for (int n = 0; n < 4 && f.phase < 11; ++n) {
      if (!stroke(rng, settled)) break;
      ++strokes;
    }
    ASSERT_TRUE(settled) << "the ball never came to rest, run " << run;

    // Leave the hole whatever state it ended in.
    Application::instance().clearIdle();
    f.phase = 0;
    f.scoreToPar = 0;
  }
  // Most holes see several strokes; a run that stopped at once tests nothing.
  EXPECT_GT(strokes, 400);
  std::printf("[ measured ] %d strokes on 200 holes from random course files\n", strokes);
}

}  // namespace

namespace {

// An edited course plays the practice jingle on odd holes and the
// championship one on even holes.
TEST_F(FormTest, EditedCourseJingleByOddAndEvenHole) {
  TForm1& f = start();
  f.courseKind = kEditedCourse;
  for (uint8_t hole : {1, 2, 5, 6}) {
    f.holeNo = hole;
    f.playJingle();
    const auto sent = commands();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), std::string("open \"dat\\") + (hole % 2 ? "jngl05" : "jngl01") +
                                ".wav\" alias audio1")
        << int(hole);
    mciSendString("close audio1");
    commands();
  }
}

}  // namespace
