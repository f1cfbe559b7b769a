// Playing real holes on the form: the club entries, the gauge, the flight
// and the roll on the virtual clock, the landing, penalties, giving up,
// holing, and the specials that take a shot back.
#include <algorithm>
#include <cstdio>
#include <functional>

#include "platform/clock.h"
#include "platform/random.h"
#include "tests/support.h"

namespace {

constexpr auto kLeft = TMouseButton::mbLeft;

class Play : public FormTest {
 protected:
  // Hole `hole` of course `course` with the golfer of `slot`, 1600 points,
  // music on and a calm wind.
  TForm1& begin(uint8_t slot, uint8_t course, uint8_t hole, TMouseButton b = kLeft) {
    TForm1& f = start();
    Randomize(11);
    f.bgmOn = 1;
    f.charSlot = slot;
    f.applyCharacter(b);
    f.courseKind = course;
    f.holeNo = hole;
    f.points = 1600;
    f.holestart();
    calm();
    commands();
    return f;
  }
  void calm() { form_->windValue = 0; }

  // Chooses `club`, holds the shot button until the gauge shows `width` and
  // releases it; returns how long it was held.
  int swing(TRadioButton* club, int width) {
    TForm1& f = *form_;
    club->SetChecked(true);
    f.shotMouseDown(kLeft, 0, 0);
    const int held = until([&] { return f.gauge->Width() == width; }, 20000);
    f.shotMouseUp(kLeft, 0, 0);
    f.shotClick();  // the click that follows every release does nothing here
    return held;
  }

  // Until the ball is at rest (or the holing sequence is over).
  int rest() {
    return until([] { return !Application::instance().hasIdle(); });
  }
};

TEST_F(Play, ClubsAndTheAimMark) {
  TForm1& f = begin(1, 1, 1);
  f.shotMouseDown(kLeft, 0, 0);  // no club yet
  EXPECT_FALSE(Application::instance().hasIdle());
  f.Radio3->SetChecked(true);
  EXPECT_EQ(std::tuple(f.phase, f.clubReach, f.holePoints), std::tuple(uint8_t(5), 130, 60));
  EXPECT_TRUE(f.shot->Enabled());

  f.remaining = 30;
  f.Radio5->SetEnabled(true);
  f.Radio5->SetChecked(true);
  EXPECT_EQ(f.phase, 7);
  EXPECT_EQ(f.meyasu->Left(), 200);
  EXPECT_TRUE(f.meyasu->Visible());
  f.Radio6->SetChecked(true);  // 15 yards a full gauge: 300, beyond the frame
  EXPECT_FALSE(f.meyasu->Visible());
  f.remaining = 31;
  f.Radio5->SetChecked(true);
  EXPECT_EQ(f.meyasu->Left(), 203);
  EXPECT_FALSE(f.meyasu->Visible());

  f.Radio7Click();  // only the shop sells
  EXPECT_EQ(f.chosenPrice, 0);
  f.phase = 11;
  f.Radio1->SetChecked(true);
  EXPECT_EQ(f.chosenPrice, f.price1W);
  EXPECT_EQ(f.phase, 11);
  f.points = 1699;
  f.checkRadioEnabled(0, 900, f.Radio1);
  EXPECT_FALSE(f.Radio1->Enabled());
  f.points = 1700;
  f.checkRadioEnabled(0, 900, f.Radio1);
  EXPECT_TRUE(f.Radio1->Enabled());
  f.checkRadioEnabled(4, 900, f.Radio1);
  EXPECT_FALSE(f.Radio1->Enabled());
}

TEST_F(Play, GaugeSweepsBackAndForth) {
  TForm1& f = begin(1, 1, 1);
  f.Radio1->SetChecked(true);
  f.shotMouseDown(kLeft, 0, 0);
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_FALSE(f.wndcont->Enabled());
  EXPECT_EQ(f.club->Caption(), "200");
  const int up = until([&] { return f.gauge->Width() == 100; });
  const int down = until([&] { return f.gauge->Width() == 0; });
  until([&] { return f.gauge->Width() == 10; });
  std::printf("[ measured ] Mina full gauge sweep 0 -> 100: %d ms\n", up);
  EXPECT_NEAR(up, 3000, 60);
  EXPECT_NEAR(down, 3000, 60);
  f.shotMouseUp(kLeft, 0, 0);
  EXPECT_EQ(Application::instance().idleName(), std::string("AppMove"));
  EXPECT_EQ(f.shotLength, 20);
  EXPECT_EQ(f.points, 1510);
  EXPECT_TRUE(f.Box2->Visible());
  EXPECT_FALSE(f.toji2->Visible());
  EXPECT_FALSE(f.Radio1->Checked());
  EXPECT_TRUE(sent(commands(), "open \"dat\\swing1.wav\" alias se1"));
}

TEST_F(Play, TsudurusGaugeIsFast) {
  TForm1& f = begin(3, 1, 1);
  f.Radio1->SetChecked(true);
  f.shotMouseDown(kLeft, 0, 0);
  const int up = until([&] { return f.gauge->Width() == 133; });
  std::printf("[ measured ] Tsuduru full gauge sweep 0 -> 133: %d ms\n", up);
  EXPECT_NEAR(up, 532, 30);
  EXPECT_EQ(f.savedRemaining, 433);
  EXPECT_EQ(f.savedStrokeNo, 1);
  f.points = 50;  // less than the club costs: charged down to 0
  f.shotMouseUp(kLeft, 0, 0);
  EXPECT_EQ(f.points, 0);
  EXPECT_EQ(f.valpts->Caption(), "0");
}

TEST_F(Play, FirstDriveLandsOnTheFairway) {
  TForm1& f = begin(1, 1, 1);
  swing(f.Radio1, 100);
  const int flight = rest();
  std::printf("[ measured ] 200-yard first drive: %d ms\n", flight);
  EXPECT_NEAR(flight, 3400, 200);
  EXPECT_EQ(std::tuple(f.ballPos, f.remaining, f.travelled, f.lie, f.phase),
            std::tuple(200, 233, 200, int8_t(1), uint8_t(6)));
  EXPECT_EQ(f.chikei->PictureName(), "Imgfair");
  EXPECT_EQ(f.position->Left(), 2 + 69);  // 200 x 150 / 433 = 69.28
  EXPECT_EQ(f.yd2->Caption(), "233");
  EXPECT_EQ(f.shot->Caption(), ">");
  EXPECT_TRUE(f.shot->Enabled());
  EXPECT_EQ(f.longestShot, 200);
  EXPECT_TRUE(sent(commands(), "open \"dat\\fair.wav\" alias se1"));

  f.shotClick();  // the next stroke
  EXPECT_EQ(std::tuple(f.phase, f.strokeNo, f.travelled), std::tuple(uint8_t(4), uint8_t(2), 0));
  EXPECT_EQ(f.shot->Caption(), "打つ");
  EXPECT_FALSE(f.shot->Enabled());
  EXPECT_TRUE(f.Box1->Visible());
  EXPECT_FALSE(f.Box2->Visible());
  EXPECT_EQ(f.gauge->Width(), 0);
  EXPECT_EQ(f.valshot->Caption(), "2");
}

TEST_F(Play, RoughAndBunkerShorten) {
  TForm1& f = begin(1, 1, 1);
  f.lie = 2;
  f.Radio1->SetChecked(true);
  f.gauge->SetWidth(100);
  f.drivekime();
  EXPECT_EQ(f.shotLength, 116);
  f.Radio3->SetChecked(true);
  f.drivekime();
  EXPECT_EQ(f.shotLength, 84);
  f.lie = 3;
  f.Radio4->SetChecked(true);
  f.drivekime();
  EXPECT_EQ(f.shotLength, 28);
}

TEST_F(Play, WaterSendsTheBallBackWithAPenalty) {
  TForm1& f = begin(1, 1, 1);
  swing(f.Radio1, 40);  // 80 yards, in the water 61..108
  rest();
  EXPECT_EQ(f.lie, 4);
  EXPECT_EQ(f.chikei->PictureName(), "Imgwater");
  EXPECT_EQ(f.longestShot, 0);
  EXPECT_FALSE(f.giveup->Visible());
  f.shotClick();
  EXPECT_EQ(std::tuple(f.strokeNo, f.ballPos, f.remaining, f.lie),
            std::tuple(uint8_t(3), 0, 433, int8_t(1)));
  EXPECT_EQ(f.position->Left(), 2);
  EXPECT_EQ(f.chikei->PictureName(), "Imgfair");
  EXPECT_EQ(f.yd2->Caption(), "433");
}

TEST_F(Play, OutOfBoundsBeyondTheGreen) {
  TForm1& f = begin(1, 2, 2);  // 155 yards, green 12
  swing(f.Radio2, 93);         // 167: the green's last yard
  rest();
  EXPECT_EQ(f.lie, 5);
  EXPECT_EQ(f.chikei->PictureName(), "Imggreen");
  EXPECT_FALSE(f.position->Visible());
  EXPECT_EQ(f.windValue, 20);
  EXPECT_EQ(std::tuple(f.windKind, f.windLow, f.windHigh),
            std::tuple(int8_t(2), int8_t(0), int8_t(4)));

  TForm1& g = begin(1, 2, 2);
  swing(g.Radio1, 84);  // 168
  rest();
  EXPECT_EQ(g.lie, 6);
  EXPECT_EQ(g.chikei->PictureName(), "Imgob");
  EXPECT_TRUE(sent(commands(), "open \"dat\\ob.wav\" alias se1"));
  g.shotClick();
  EXPECT_EQ(std::tuple(g.strokeNo, g.ballPos, g.remaining), std::tuple(uint8_t(3), 0, 155));
}

TEST_F(Play, GivingUp) {
  TForm1& f = begin(1, 1, 1);
  f.strokeNo = 7;  // par + 3, and the ball goes into the water
  swing(f.Radio1, 40);
  rest();
  EXPECT_TRUE(f.giveup->Visible());
  EXPECT_EQ(f.shot->Caption(), ">");
  commands();
  f.shotClick();           // the penalty makes par + 5 and ends the hole
  EXPECT_EQ(f.phase, 11);  // the hole-end screen, whose csend clears the strokes
  EXPECT_EQ(f.scoreToPar, 5);
  const auto sentNow = commands();
  EXPECT_TRUE(sent(sentNow, "open \"dat\\qoretc05.mid\" alias audio1"));
  EXPECT_TRUE(sent(sentNow, "play audio1 from 15 notify"));

  TForm1& g = begin(1, 1, 1);
  g.strokeNo = 7;  // par + 3 on the fairway plays on
  swing(g.Radio1, 100);
  rest();
  EXPECT_FALSE(g.giveup->Visible());
  g.shotClick();
  calm();
  swing(g.Radio1, 10);  // stroke 8 = par + 4: given up wherever it lies
  rest();
  EXPECT_TRUE(g.giveup->Visible());
  g.shotClick();
  EXPECT_EQ(g.phase, 11);
  EXPECT_EQ(g.scoreToPar, 5);

  // On the last hole the course ends: two more strokes are counted.
  TForm1& h = begin(1, 1, 6);
  h.strokeNo = 9;  // par + 4
  swing(h.Radio1, 10);
  rest();
  EXPECT_EQ(h.proceed->Caption(), "コース終了");
  EXPECT_TRUE(h.proceed->Visible());
  EXPECT_EQ(h.strokeNo, 11);
  EXPECT_EQ(h.scoreToPar, 6);
}

TEST_F(Play, HoleInOneWithTheJingleAndPoints) {
  TForm1& f = begin(1, 2, 2);  // 155 yards, par 3
  swing(f.Radio2, 86);         // 180 x 0.86 = 154.8
  until([&] { return f.phase == 8; });
  EXPECT_EQ(f.remaining, 0);
  EXPECT_EQ(f.holeInOnes, 1);
  EXPECT_EQ(f.holePoints, 3400);
  EXPECT_EQ(f.chikei->PictureName(), "Imghio");
  EXPECT_EQ(f.scoreToPar, -2);
  EXPECT_FALSE(f.position->Visible());
  commands();
  const int drop = until([&] { return f.phase == 9; });
  auto sentNow = commands();
  EXPECT_TRUE(sent(sentNow, "open \"dat\\jngl01.wav\" alias audio1"));
  EXPECT_TRUE(sent(sentNow, "play audio1 from 0 notify"));
  const int jingle = until([&] { return f.phase == 10; });
  EXPECT_TRUE(sent(commands(), "open \"dat\\qoretc05.mid\" alias audio1"));
  EXPECT_EQ(f.points, 1530);
  const int last = rest();
  EXPECT_NEAR(drop, 860, 2);
  EXPECT_NEAR(jingle, 5101, 2);
  EXPECT_NEAR(last, 50, 2);
  EXPECT_EQ(f.points, 1530 + 3400);
  EXPECT_EQ(f.valpts->Caption(), "4930");
  EXPECT_EQ(f.chipIns, 1);
  EXPECT_EQ(f.longestShot, 155);
  EXPECT_EQ(f.shot->Caption(), ">");
  EXPECT_TRUE(f.shot->Enabled());

  f.shotClick();  // on to the hole-end piece
  sentNow = commands();
  EXPECT_TRUE(sent(sentNow, "play audio1 from 15 notify"));
  EXPECT_TRUE(f.Timer1->enabled());
}

TEST_F(Play, PuttingOutForABirdie) {
  TForm1& f = begin(1, 1, 1);
  swing(f.Radio1, 100);  // 200
  rest();
  f.shotClick();
  f.windValue = 2;  // 200 x 1.07 = 214: on the green at 414
  swing(f.Radio1, 100);
  rest();
  EXPECT_EQ(std::tuple(f.lie, f.remaining), std::tuple(int8_t(5), 19));
  f.shotClick();  // putting: a flat green
  EXPECT_EQ(f.windValue, 0);
  EXPECT_EQ(f.windLabel->Caption(), "傾：");
  EXPECT_EQ(f.gauge->Color(), 0x00FF00u);
  EXPECT_EQ(f.ydLabel2->Caption(), "m");
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_TRUE(f.Radio5->Enabled());
  EXPECT_FALSE(f.wndcont->Visible());

  f.Radio5->SetChecked(true);
  EXPECT_EQ(f.meyasu->Left(), 163);
  EXPECT_TRUE(f.meyasu->Visible());
  swing(f.Radio5, 64);  // 19.2
  EXPECT_EQ(f.shotLength, 19);
  EXPECT_EQ(f.points, 1600 - 90 - 90 - 10);
  until([&] { return f.phase == 8; });
  EXPECT_EQ(f.holePoints, 800);
  EXPECT_EQ(f.birdies, 1);
  EXPECT_EQ(f.chikei->PictureName(), "Imgbirdie");
  EXPECT_EQ(until([&] { return f.phase == 9; }), 860);
  EXPECT_TRUE(sent(commands(), "open \"dat\\jngl05.wav\" alias audio1"));
  EXPECT_NEAR(until([&] { return f.phase == 10; }), 5101, 2);
  EXPECT_NEAR(rest(), 50, 2);
  EXPECT_EQ(f.points, 1410 + 800);
  EXPECT_EQ(f.chipIns, 0);
  EXPECT_EQ(f.lie, 5);
}

TEST_F(Play, APuttPastTheCupAndALongPutt) {
  TForm1& f = begin(3, 1, 1);  // Tsuduru's gauge runs to 133
  f.windKind = f.windLow = f.windHigh = 0;
  f.lie = 5;
  f.phase = 6;
  f.remaining = 45;
  f.ballPos = 388;
  f.shotClick();
  swing(f.Radio5, 133);  // 1.33 x 30 = 39.9
  EXPECT_EQ(f.shotLength, 40);
  EXPECT_EQ(f.puttInterval, 55);
  const int roll = rest();
  std::printf("[ measured ] 40-yard putt: %d ms (last frame %d ms)\n", roll, f.puttInterval);
  EXPECT_NEAR(roll, 9000, 600);
  EXPECT_EQ(std::tuple(f.remaining, f.ballPos, f.phase), std::tuple(5, 428, uint8_t(6)));

  f.remaining = 2;  // two long rolls past the cup
  f.ballPos = 431;
  f.shotClick();
  calm();
  swing(f.Radio6, 28);  // 0.28 x 15 = 4.2
  EXPECT_EQ(f.shotLength, 4);
  rest();
  EXPECT_EQ(std::tuple(f.remaining, f.ballPos, f.lie), std::tuple(-2, 435, int8_t(5)));
  f.shotClick();
  EXPECT_EQ(f.remaining, 2);
}

TEST_F(Play, TsudurusReHitTakesTheStrokeBack) {
  TForm1& f = begin(3, 1, 1);
  EXPECT_FALSE(f.ussp->Enabled());
  swing(f.Radio1, 70);
  rest();
  EXPECT_EQ(f.points, 1600 - 190);
  f.shotClick();
  EXPECT_TRUE(f.ussp->Enabled());
  f.usspClick();
  EXPECT_EQ(std::tuple(f.phase, f.activeSpecial, f.specialStock),
            std::tuple(uint8_t(12), uint8_t(3), uint8_t(1)));
  EXPECT_EQ(f.ussp->Caption(), "特 1");
  EXPECT_FALSE(f.ussp->Enabled());
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_EQ(f.shot->Caption(), ">");
  EXPECT_TRUE(f.ImgSpe->Visible());
  f.shotClick();
  EXPECT_EQ(std::tuple(f.phase, f.strokeNo, f.points, f.remaining, f.ballPos, f.lie),
            std::tuple(uint8_t(4), uint8_t(1), 1600, 433, 0, int8_t(1)));
  EXPECT_EQ(f.activeSpecial, 0);
  EXPECT_EQ(f.position->Left(), 2);
  EXPECT_TRUE(f.Radio1->Enabled());
  EXPECT_FALSE(f.ImgSpe->Visible());
  EXPECT_EQ(f.shot->Caption(), "打つ");
}

TEST_F(Play, PhilipStartsTheHoleOver) {
  TForm1& f = begin(5, 1, 1);
  swing(f.Radio1, 100);
  rest();
  f.shotClick();
  swing(f.Radio1, 50);
  rest();
  f.shotClick();
  EXPECT_EQ(f.strokeNo, 3);
  f.usspClick();
  EXPECT_EQ(f.phase, 13);
  f.shotClick();
  EXPECT_EQ(std::tuple(f.phase, f.strokeNo, f.points, f.remaining, f.ballPos, f.lie),
            std::tuple(uint8_t(4), uint8_t(1), 1600, 433, 0, int8_t(1)));
  EXPECT_EQ(f.specialStock, 0);
  EXPECT_EQ(f.chikei->PictureName(), "Imgfair");
  EXPECT_EQ(f.valshot->Caption(), "1");
}

TEST_F(Play, SpecialsOfTheOtherGolfers) {
  TForm1& f = begin(1, 1, 1);  // Mina's power shot lets the gauge run to 120
  f.usspClick();
  EXPECT_EQ(f.waku->Width(), 122);
  swing(f.Radio1, 120);
  EXPECT_EQ(f.gaugeMax, 120);
  EXPECT_EQ(f.shotLength, 240);
  rest();
  f.shotClick();
  EXPECT_EQ(f.waku->Width(), 102);
  EXPECT_EQ(f.activeSpecial, 0);

  TForm1& y = begin(2, 1, 1, TMouseButton::mbRight);  // K. Yamada draws again and again
  y.usspClick();
  EXPECT_TRUE(y.windValue == 9 || y.windValue == -9);
  EXPECT_EQ(y.plmi->Caption(), y.windValue > 0 ? "＋" : "－");
  EXPECT_TRUE(y.ussp->Enabled());
  y.usspClick();
  EXPECT_FALSE(y.ussp->Enabled());
  EXPECT_EQ(y.specialStock, 0);
  y.usspClick();  // nothing left to spend
  EXPECT_EQ(y.specialStock, 0);

  TForm1& k = begin(4, 1, 1);
  k.windValue = -5;
  k.usspClick();
  EXPECT_EQ(std::tuple(k.windValue, k.activeSpecial), std::tuple(int8_t(0), uint8_t(4)));
  EXPECT_EQ(k.plmi->Caption(), "±");
}

}  // namespace
