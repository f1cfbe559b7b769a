// The end of a game: the result goes into the record tables, the report is
// written, the unlock rules run, both save files are saved, and the play
// screen turns into the ending screen.
#include <initializer_list>
#include <utility>

#include "app/TForm1.h"
#include "shot/rules.h"

namespace {

// Ending speed with the mouse button up.
constexpr int32_t kTitleMs = 910, kFadeMs = 115, kHoldTicks = 90, kLastTicks = 59;
constexpr uint8_t kFadeStep = 5;

}  // namespace

void TForm1::finishCourse() {
  Visoff4();
  rankime();
  startTrack(19);
  Application::instance().ProcessMessages();
  setScore(courseKind);
  txtout();
  aftrclr();
  dSave();
  dSave2();

  endTitleMs = kTitleMs;
  endFadeMs = kFadeMs;
  endHoldTicks = kHoldTicks;
  endLastTicks = kLastTicks;
  endFadeStep = kFadeStep;

  // The final board, best first as the ending shows it.
  const std::pair<TLabel*, TLabel*> rows[] = {{nmHatao, scHatao}, {nmMina, scMina},
                                              {nmKyoko, scKyoko}, {nmPhilip, scPhilip},
                                              {nmSouma, scSouma}, {nmTsuduru, scTsuduru}};
  int top = 18;
  for (const auto& [name, score] : rows) {
    name->SetTop(top);
    score->SetTop(top);
    top += 22;
  }
  noti->Show();

  frameClock = frameNow();
  Application::instance().setIdle(
      "Ending", [this] { Ending(); }, [this] { return endingDueIn(); });
}

void TForm1::setScore(uint8_t course) {
  if (course < 1 || course > 3 || charSlot < 1 || charSlot > 6) return;
  const bool alternate = altChar == 1 && (charSlot == 1 || charSlot == 2);
  Table<uint8_t, 6, 3>& cleared = alternate ? altCourseCleared : courseCleared;
  Table<int8_t, 6, 3>& best = alternate ? altBestScore : bestScore;
  Table<int16_t, 6, 3>& longest = alternate ? altLongestRecord : longestRecord;
  const int r = charSlot, k = course;

  if (longestShot > longest(r, k)) longest(r, k) = longestShot;
  if (scoreToPar < best(r, k)) best(r, k) = scoreToPar;
  // The first finish stands whatever the stored 0 said.
  if (cleared(r, k) == 0) {
    cleared(r, k) = 1;
    best(r, k) = scoreToPar;
  }
  recordLongest = longest(r, k);
  recordBest = best(r, k);
}

void TForm1::aftrclr() {
  if (editorUnlocked == 0) {
    editorUnlocked = 1;
    noticeEditor = 1;
  }
  if (tsuzuruUnlocked == 0 && scoreToPar <= 3) {
    tsuzuruUnlocked = 1;
    noticeTsuzuru = 1;
  }
  if (kyokoUnlocked == 0 && (longestShot >= 450 || holeInOnes >= 1)) {
    kyokoUnlocked = 1;
    noticeKyoko = 1;
  }
  const bool championship = courseKind == kChampionshipCourse;
  if (philipUnlocked == 0 && championship && scoreToPar <= 0) {
    philipUnlocked = 1;
    noticePhilip = 1;
  }
  const int bigHoles = holeInOnes + fourUnderHoles + albatrosses + eagles;
  if (hataoUnlocked == 0 && championship && scoreToPar <= -5 && bigHoles >= 2) {
    hataoUnlocked = 1;
    noticeHatao = 1;
  }
}

void TForm1::Visoff4() {
  for (TControl* c : std::initializer_list<TControl*>{
           windLabel, plmi,    valplmi,  wndcont,  Shape1,   Shape2,   Shape3,  Shape4,   Check1,
           bgmLabel,  face,    valpts,   ptsLabel, shot,     ImgSpe,   waku,    meyasu,   gauge,
           scale1,    scale2,  scale3,   scale4,   scale5,   scale6,   scale50, scale100, giveup,
           Box1,      Box2,    chikei,   hlLabel,  valhl,    Lbzen,    Lbrest,  Lbhikyo,  yd1,
           yd2,       yd3,     ydLabel1, ydLabel2, ydLabel3, vwcourse, ussp,    parLabel, valpar,
           shotLabel, valshot, moji,     toji3})
    c->Hide();
  Box3->SetLeft(20);
  for (TLabel* l :
       {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10}) {
    l->SetLeft(l->Left() - 248);
    l->Show();
  }
  title->SetLeft(152);
  title->SetTop(110);
  // Parked out of sight until now; the ending flashes it after a few ticks.
  title->Hide();
}
