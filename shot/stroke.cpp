// The length of a stroke, and everything the shot button does besides the
// gauge: preparing the next stroke, the penalty after water or out of
// bounds, giving up, putting, and the two take-back specials.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/media.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "shot/rules.h"

void TForm1::drivekime() {
  FullShot s;
  s.reach = clubReach;
  s.width = gauge->Width();
  s.lie = lie;
  s.iron = holePoints == cost5I || holePoints == cost8I;
  s.ignoreTerrain = activeSpecial == 2;
  s.wind = windValue;
  const CharacterRow* row = characterRow(charSlot, altChar);
  if (row && row->hasScatter) s.scatter = scatterAmount(*row, R());
  s.scatterLonger = Round(R() * 2) == 0;  // once in four
  s.happy = activeSpecial == 12;
  s.remaining = remaining;
  shotLength = fullShotLength(s);
}

void TForm1::puttkime() {
  shotLength = puttLength(gauge->Width(), clubReach, windValue, remaining);
}

void TForm1::shotClick() {
  moji->SetCaption("");
  const bool takeBack = activeSpecial == 3 || activeSpecial == 5;
  if (strokeNo > par + 3 || phase == 11 || takeBack) {
    if (strokeNo <= par + 3 || phase == 11 || takeBack) {
      if (phase == 11)
        purchase();
      else if (phase == 12)
        rehit();
      else if (phase == 13)
        startOver();
    } else if (phase == 6) {
      closeGivenUpHole();
    } else if (phase == 10) {
      closeHoledHole();
    }
  } else if (phase == 6) {
    prepareNextStroke();
  } else if (phase == 10) {
    closeHoledHole();
  }
}

void TForm1::closeGivenUpHole() {
  strokeNo = saturate<uint8_t>(strokeNo + ((lie == kWater || lie == kOutOfBounds) ? 2 : 1));
  scoreToPar = saturate<int8_t>(scoreToPar + strokeNo - par);
  csend();
  playEffect(4);
  startTrack(4);
}

void TForm1::closeHoledHole() {
  csend();
  playEffect(4);
  bgmTrack = 4;
  if (bgmOn == 1) {
    // The hole-end piece was opened while the jingle played.
    mciSendString("stop audio1");
    mciSendString("play audio1 from 15 notify");
    Timer1->setEnabled(true);
  }
  Application::instance().ProcessMessages();
}

void TForm1::showLie() {
  switch (lie) {
    case kRough:
      chikei->SetPicture(*Imgrough);
      break;
    case kBunker:
      chikei->SetPicture(*Imgbunker);
      break;
    default:
      chikei->SetPicture(*Imgfair);
      break;
  }
}

void TForm1::prepareNextStroke() {
  phase = 4;
  playEffect(4);

  if (activeSpecial == 1) waku->SetWidth(102);
  activeSpecial = 0;
  ImgSpe->Hide();
  ussp->SetEnabled(specialStock > 0);

  shot->SetCaption("打つ");
  shot->SetEnabled(false);
  Box1->Show();
  Box2->Hide();
  club->SetCaption("");
  toji2->Show();

  Windkime();

  strokeNo = saturate<uint8_t>(strokeNo + 1);
  windWaitsLeft = windWaitsPerHole;
  vwcourse->SetEnabled(true);
  wndcont->SetEnabled(true);
  gauge->SetWidth(0);
  for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4}) r->SetEnabled(true);

  switch (lie) {
    case kBunker:
      Radio1->SetEnabled(false);
      Radio2->SetEnabled(false);
      break;
    case kWater:
    case kOutOfBounds:
      // Back to where the stroke was played, with a penalty stroke.
      ballPos = prevPos;
      position->SetLeft(markerLeft(prevPos, holeLength));
      position->Show();
      strokeNo = saturate<uint8_t>(strokeNo + 1);
      remaining = saturate<int16_t>(remaining + travelled);
      yd2->SetCaption(remaining);
      lie = static_cast<int8_t>(returnLie(currentHole(), prevPos));
      showLie();
      if (lie == kBunker) {
        Radio1->SetEnabled(false);
        Radio2->SetEnabled(false);
      }
      if (strokeNo >= par + 5) {
        scoreToPar = saturate<int8_t>(scoreToPar + strokeNo - par);
        csend();
        startTrack(4);
        Application::instance().ProcessMessages();
      }
      break;
    case kGreen:
      windWaitsLeft = 0;
      wndcont->Hide();
      meyasu->Hide();
      vwcourse->SetEnabled(false);
      windLabel->SetCaption("傾：");
      gauge->SetColor(0x00FF00);
      remaining = saturate<int16_t>(std::abs(remaining));
      yd2->SetCaption(remaining);
      ydLabel2->SetCaption("m");
      ydLabel3->SetCaption("m");
      for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4}) r->SetEnabled(false);
      Radio5->SetEnabled(true);
      Radio6->SetEnabled(true);
      if ((charSlot == 1 && altChar == 1) || charSlot == 2) ussp->SetEnabled(false);
      break;
    default:
      break;
  }

  travelled = 0;
  yd3->SetCaption("0");
  valshot->SetCaption(strokeNo);
  wndcont->SetCaption(windWaitsLeft);
}

void TForm1::rehit() {
  playEffect(19);
  activeSpecial = 0;
  holePoints = 0;

  strokeNo = savedStrokeNo;
  points = holeStartPoints;
  remaining = savedRemaining;
  lie = savedLie;
  ballPos = flightPos = prevPos;
  valpts->SetCaption(points);

  windWaitsLeft = windWaitsPerHole;
  wndcont->SetEnabled(true);
  ImgSpe->Hide();
  valshot->SetCaption(strokeNo);
  club->SetCaption("");
  yd2->SetCaption(remaining);
  Box1->Show();
  Box2->Hide();

  if (lie == kGreen) {
    Radio5->SetEnabled(true);
    Radio6->SetEnabled(true);
  } else {
    kazemodoshi();
    vwcourse->SetEnabled(true);
    toji2->Show();
    gauge->SetColor(0xFF0000);
    windLabel->SetCaption("風：");
    ydLabel2->SetCaption("yd");
    ydLabel3->SetCaption("yd");
    Radio3->SetEnabled(true);
    Radio4->SetEnabled(true);
    if (lie == kFairway || lie == kRough) {
      Radio1->SetEnabled(true);
      Radio2->SetEnabled(true);
    }
    showLie();
  }

  Windkime();

  position->SetLeft(markerLeft(ballPos, holeLength));
  meyasu->Hide();
  position->Show();

  phase = 4;
  shot->SetCaption("打つ");
  shot->SetEnabled(false);
}

void TForm1::startOver() {
  playEffect(19);
  activeSpecial = 0;
  holePoints = chipInBonus = ballPos = flightPos = 0;
  strokeNo = 1;

  windWaitsLeft = windWaitsPerHole;
  wndcont->SetEnabled(true);
  kazemodoshi();
  Windkime();

  points = holeStartPoints;
  remaining = holeLength;

  ImgSpe->Hide();
  valpts->SetCaption(points);
  windLabel->SetCaption("風：");
  ydLabel2->SetCaption("yd");
  ydLabel3->SetCaption("yd");
  valshot->SetCaption(strokeNo);
  yd2->SetCaption(remaining);
  club->SetCaption("");
  toji2->Show();
  chikei->SetPicture(*Imgfair);
  gauge->SetColor(0xFF0000);
  position->SetLeft(2);
  position->Show();
  meyasu->Hide();
  Box1->Show();
  Box2->Hide();
  vwcourse->SetEnabled(true);
  for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4}) r->SetEnabled(true);

  lie = kFairway;
  phase = 4;
  shot->SetCaption("打つ");
  shot->SetEnabled(false);
}
