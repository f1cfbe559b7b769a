// The ball on its way: the flight of a full shot and the roll of a putt,
// frame by frame on the millisecond clock; the landing and its lie; the
// drop into the cup with its jingle and points.
#include "app/TForm1.h"
#include "platform/media.h"
#include "platform/numbers.h"
#include "shot/rules.h"

namespace {

constexpr int32_t kDropWait = 860;     // the ball in the cup, before the jingle
constexpr int32_t kJingleWait = 5100;  // the jingle, before the points
constexpr int32_t kPointsWait = 50;

void openOnMusic(const char* file) {
  mciSendString(QString("open \"%1\" alias audio1").arg(QString::fromUtf8(file)));
}

}  // namespace

// The points a hole earns; a course that started near the 32-bit end stays there.
void TForm1::addHolePoints() { points = saturate<int32_t>(int64_t{points} + holePoints); }

uint8_t TForm1::lastHoleNo() const { return courseKind == kChampionshipCourse ? 9 : 6; }

void TForm1::checkLastHole(uint8_t lastHole) {
  if (holeNo == lastHole) {
    proceed->SetCaption("コース終了");
    proceed->Show();
  } else {
    shot->SetCaption(">");
    shot->SetEnabled(true);
  }
}

void TForm1::ballDropped() {
  phase = 8;
  bgmTrack = 0;
  playEffect(17);
  StopBGM();
  judge();
}

void TForm1::playJingle() {
  phase = 9;
  if (bgmOn == 1) {
    const bool even = holeNo % 2 == 0;
    const bool championshipTune =
        courseKind == kChampionshipCourse || (courseKind == kEditedCourse && even);
    openOnMusic(championshipTune ? "dat\\jngl01.wav" : "dat\\jngl05.wav");
    mciSendString("play audio1 from 0 notify");
  }
}

void TForm1::openHoleEndPiece() {
  StopBGM();
  openOnMusic("dat\\qoretc05.mid");
  phase = 10;
}

int32_t TForm1::moveDueIn() const {
  switch (phase) {
    case 8:
      return stepDueIn(kDropWait, frameClock);
    case 9:  // the jingle has played for longer than its wait
      return stepDueIn(kJingleWait + 1, frameClock);
    case 10:
      return stepDueIn(kPointsWait, frameClock);
    default:
      return stepDueIn(flightInterval(travelled, ballPos + shotLength), frameClock);
  }
}

void TForm1::AppMove() {
  Application& app = Application::instance();
  if (moveDueIn() > 0) return;
  if (phase == 9) {
    openHoleEndPiece();
    frameClock = frameNow();
    Sleep(1);
    return;
  }

  if (phase == 5) {
    travelled += 2;
    flightPos = saturate<int16_t>(flightPos + 2);
    remaining = saturate<int16_t>(remaining - 2);
    if (travelled >= shotLength && holeLength - ballPos == shotLength) {
      remaining = 0;
      travelled = shotLength;
      yd2->SetCaption("0");
      yd3->SetCaption(travelled);
      chipInBonus = 800;
      ballDropped();
      frameClock = frameNow();
      Sleep(1);
      return;
    }
    if (position->Left() >= 153) position->Hide();
    if (travelled < shotLength) {
      yd2->SetCaption(std::abs(remaining));
      yd3->SetCaption(travelled);
      position->SetLeft(markerLeftInFlight(ballPos, travelled, holeLength));
      frameClock = frameNow();
      Sleep(1);
      return;
    }
    app.clearIdle();
    travelled = shotLength;
    ballPos = flightPos = saturate<int16_t>(ballPos + shotLength);
    remaining = saturate<int16_t>(holeLength - ballPos);
    yd2->SetCaption(std::abs(remaining));
    yd3->SetCaption(travelled);
    phase = 6;
    dropcheck();
    position->SetLeft(markerLeft(ballPos, holeLength));
  } else if (phase == 8) {
    playJingle();
    frameClock = frameNow();
    Sleep(1);
  } else if (phase == 10) {
    app.clearIdle();
    addHolePoints();
    ++chipIns;
    valpts->SetCaption(points);
    playEffect(18);
    checkLastHole(lastHoleNo());
  }
}

void TForm1::dropcheck() {
  lie = static_cast<int8_t>(terrainAt(currentHole(), ballPos));
  if (shotLength > longestShot && lie != kWater && lie != kOutOfBounds) longestShot = shotLength;

  uint8_t effect = 10;
  switch (lie) {
    case kFairway:
      chikei->SetPicture(*Imgfair);
      effect = 10;
      break;
    case kRough:
      chikei->SetPicture(*Imgrough);
      effect = 11;
      break;
    case kBunker:
      chikei->SetPicture(*Imgbunker);
      effect = 13;
      break;
    case kWater:
      chikei->SetPicture(*Imgwater);
      effect = 12;
      break;
    case kOutOfBounds:
      chikei->SetPicture(*Imgob);
      effect = 15;
      break;
    case kGreen: {
      chikei->SetPicture(*Imggreen);
      effect = 14;
      const WindRule slope = courseHole(holeNo).slope;
      windKind = slope.kind;
      windLow = slope.low;
      windHigh = slope.high;
      windValue = 20;  // drawn when the next stroke is prepared
      position->Hide();
      break;
    }
    default:
      break;
  }

  const bool lost = lie == kWater || lie == kOutOfBounds;
  if ((lost && strokeNo >= par + 3) || strokeNo >= par + 4) {
    ImgSpe->Hide();
    giveup->Show();
    if (holeNo == lastHoleNo()) {
      proceed->SetCaption("コース終了");
      proceed->Show();
      strokeNo = saturate<uint8_t>(strokeNo + 2);
      scoreToPar = saturate<int8_t>(scoreToPar + strokeNo - par);
    } else {
      shot->SetCaption(">");
      shot->SetEnabled(true);
    }
  } else {
    shot->SetCaption(">");
    shot->SetEnabled(true);
  }
  playEffect(effect);
}

int32_t TForm1::move2DueIn() const {
  // The jingle's step comes once it has played for longer than its wait.
  return stepDueIn(int64_t{puttInterval} + (phase == 9 ? 1 : 0), frameClock);
}

void TForm1::AppMove2() {
  Application& app = Application::instance();
  if (move2DueIn() > 0) return;
  if (phase == 9) {
    openHoleEndPiece();
    puttInterval = kPointsWait;
    frameClock = frameNow();
    Sleep(1);
    return;
  }

  if (phase == 7) {
    puttInterval = slowerPutt(puttInterval);
    ++travelled;
    remaining = saturate<int16_t>(remaining - 1);
    if (remaining == 0 && travelled == shotLength) {
      yd2->SetCaption("0");
      yd3->SetCaption(travelled);
      ballDropped();
      puttInterval = kDropWait;
      frameClock = frameNow();
      Sleep(1);
    } else if (travelled < shotLength) {
      yd2->SetCaption(std::abs(remaining));
      yd3->SetCaption(travelled);
      frameClock = frameNow();
    } else {
      app.clearIdle();
      ballPos = saturate<int16_t>(holeLength - remaining);
      yd2->SetCaption(std::abs(remaining));
      yd3->SetCaption(travelled);
      if (strokeNo < par + 4) {
        shot->SetCaption(">");
        shot->SetEnabled(true);
      } else {
        ImgSpe->Hide();
        giveup->Show();
        checkLastHole(lastHoleNo());
        if (holeNo == lastHoleNo()) scoreToPar = saturate<int8_t>(scoreToPar + strokeNo - par);
      }
      phase = 6;
    }
  } else if (phase == 8) {
    playJingle();
    puttInterval = kJingleWait;
    frameClock = frameNow();
    Sleep(1);
  } else if (phase == 10) {
    app.clearIdle();
    addHolePoints();
    valpts->SetCaption(points);
    playEffect(18);
    checkLastHole(lastHoleNo());
  }
}
