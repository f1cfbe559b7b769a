// Choosing a club and the power gauge: the club entries set what the next
// stroke is played with; holding the shot button runs the gauge, releasing
// it fixes the power and sends the ball on its way.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/numbers.h"
#include "shot/rules.h"

namespace {

// Shows the putting aim mark `yards` ahead at `reach` yards per full gauge,
// as long as it stands inside the gauge frame.
void placeAimMark(TShape* mark, const TShape* frame, int yards, int divisor) {
  mark->SetLeft(100 + static_cast<int>(Round(yards * 100.0L / divisor)));
  mark->SetVisible(frame->Left() + frame->Width() - 1 >= mark->Left());
}

}  // namespace

void TForm1::chooseClub(int16_t reach, int16_t cost, int16_t shopPrice) {
  if (phase == 11) {
    chosenPrice = shopPrice;
  } else {
    clubReach = reach;
    holePoints = cost;
    phase = 5;
  }
  shot->SetEnabled(true);
}

void TForm1::Radio1Click() { chooseClub(reach1W, cost1W, price1W); }
void TForm1::Radio2Click() { chooseClub(reach3W, cost3W, price3W); }
void TForm1::Radio3Click() { chooseClub(reach5I, cost5I, price5I); }
void TForm1::Radio4Click() { chooseClub(reach8I, cost8I, price8I); }

void TForm1::Radio5Click() {
  clubReach = reachPT1;
  holePoints = costPT1;
  phase = 7;
  placeAimMark(meyasu, waku, remaining, 30);
  shot->SetEnabled(true);
}

void TForm1::Radio6Click() {
  clubReach = reachPT2;
  holePoints = costPT2;
  phase = 7;
  placeAimMark(meyasu, waku, remaining, 15);
  shot->SetEnabled(true);
}

void TForm1::Radio7Click() {
  if (phase != 11) return;
  chosenPrice = priceSpecial;
  shot->SetEnabled(true);
}

void TForm1::checkRadioEnabled(uint8_t upgrades, int16_t price, TRadioButton* radio) {
  radio->SetEnabled(!(upgrades > 3 || points < price + 800));
}

void TForm1::startGauge(bool putt) {
  const CharacterRow* row = characterRow(charSlot, altChar);
  if (!row) return;
  gaugeInterval = putt ? row->intervalPutt : row->intervalShot;
  gaugeStep = row->gaugeStep;
  gaugeMax = row->gaugeMax;
  if (charSlot == 1 && altChar != 1 && activeSpecial == 1) gaugeMax = 120;  // power shot
  // What Tsuduru's re-hit puts back.
  if (charSlot == 3) {
    holeStartPoints = points;
    savedStrokeNo = strokeNo;
    savedLie = lie;
    savedRemaining = remaining;
  }
  club->SetCaption(clubReach);
  prevPos = ballPos;
  if (putt) {
    for (TControl* c : std::initializer_list<TControl*>{Radio5, Radio6, vwcourse, ussp})
      c->SetEnabled(false);
  } else {
    for (TControl* c :
         std::initializer_list<TControl*>{Radio1, Radio2, Radio3, Radio4, ussp, vwcourse, wndcont})
      c->SetEnabled(false);
  }
  gaugeFalling = 0;
  frameClock = frameNow();
  Application::instance().setIdle(
      "AppShot", [this] { AppShot(); }, [this] { return shotDueIn(); });
}

void TForm1::shotMouseDown(TMouseButton button, int, int) {
  if (button != TMouseButton::mbLeft) return;
  if (phase == 5)
    startGauge(false);
  else if (phase == 7)
    startGauge(true);
}

int32_t TForm1::shotDueIn() const { return stepDueIn(gaugeInterval, frameClock); }

void TForm1::AppShot() {
  if (shotDueIn() > 0) return;
  const int w = gauge->Width();
  if (w >= gaugeMax)
    gaugeFalling = 1;
  else if (w <= 0)
    gaugeFalling = 0;
  gauge->SetWidth(gaugeFalling ? w - gaugeStep : w + gaugeStep);
  frameClock = frameNow();
  Sleep(1);
}

void TForm1::chargeStroke() {
  // Formed in 64 bits, so that a course starting near the lowest points
  // still ends at 0 instead of wrapping.
  const int64_t left = int64_t{points} - holePoints;
  points = left < 0 ? 0 : saturate<int32_t>(left);
  valpts->SetCaption(points);
}

void TForm1::shotMouseUp(TMouseButton button, int, int) {
  if (button != TMouseButton::mbLeft) return;
  Application& app = Application::instance();
  if (phase == 5) {
    app.clearIdle();
    shot->SetEnabled(false);
    toji2->Hide();
    Box2->Show();
    for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4}) r->SetChecked(false);
    ShotSE();
    app.ProcessMessages();
    chargeStroke();
    drivekime();
    frameClock = frameNow();
    app.setIdle(
        "AppMove", [this] { AppMove(); }, [this] { return moveDueIn(); });
  } else if (phase == 7) {
    app.clearIdle();
    shot->SetEnabled(false);
    Radio5->SetChecked(false);
    Radio6->SetChecked(false);
    Sleep(1);
    playEffect(16);
    chargeStroke();
    puttkime();
    puttInterval = firstPuttInterval(shotLength);
    frameClock = frameNow();
    app.setIdle(
        "AppMove2", [this] { AppMove2(); }, [this] { return move2DueIn(); });
  }
}
