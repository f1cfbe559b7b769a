// The end of a hole: the hole-end screen and the board after a holed ball,
// the shop between holes, moving on to the next hole; and the rules behind
// them (the rivals' steps, the upgrade prices, the music of each hole).
#include <algorithm>
#include <functional>

#include "platform/clock.h"
#include "platform/random.h"
#include "round/scoring.h"
#include "tests/support.h"

namespace {

constexpr auto kLeft = TMouseButton::mbLeft;

class HoleEnd : public FormTest {
 protected:
  // Hole `hole` of course `course` with the golfer of `slot`, music on, calm.
  TForm1& begin(uint8_t slot, uint8_t course, uint8_t hole, int32_t points = 1600) {
    TForm1& f = start();
    Randomize(5);
    f.bgmOn = 1;
    f.charSlot = slot;
    f.applyCharacter(kLeft);
    f.courseKind = course;
    f.holeNo = hole;
    f.points = points;
    f.holestart();
    f.windValue = 0;
    commands();
    return f;
  }

  // The hole-end screen of the hole being played, as after a par.
  TForm1& shop(uint8_t slot, int32_t points) {
    TForm1& f = begin(slot, 1, 1, points);
    f.csend();
    commands();
    return f;
  }

  // Chooses a shop entry and presses the shot button.
  void buy(TRadioButton* entry) {
    entry->SetChecked(true);
    ASSERT_TRUE(form_->shot->Enabled());
    form_->shotClick();
  }
};

TEST_F(HoleEnd, AHoledHoleOpensTheHoleEndScreen) {
  TForm1& f = begin(1, 2, 2);  // 155 yards, par 3: a hole in one with the 3W
  f.Radio2->SetChecked(true);
  f.shotMouseDown(kLeft, 0, 0);
  until([&] { return f.gauge->Width() == 86; });
  f.shotMouseUp(kLeft, 0, 0);
  until([] { return !Application::instance().hasIdle(); });
  ASSERT_EQ(f.phase, 10);
  ASSERT_EQ(f.scoreToPar, -2);

  f.shotClick();  // ">"
  const HoleData next = f.courseHole(3);
  EXPECT_EQ(std::tuple(f.phase, f.holeNo, f.strokeNo), std::tuple(uint8_t(11), uint8_t(3), 0));
  EXPECT_EQ(std::tuple(f.par, f.holeLength), std::tuple(next.par, next.length));
  EXPECT_EQ(f.Lbzen->Caption(), "全長：");
  EXPECT_EQ(f.Lbhikyo->Caption(), "パー：");
  EXPECT_EQ(f.yd2->Caption(), QString::number(next.length));
  EXPECT_EQ(f.yd4->Caption(), QString::number(next.par));
  EXPECT_TRUE(f.yd4->Visible());
  EXPECT_EQ(f.shot->Caption(), "購入");
  EXPECT_FALSE(f.shot->Enabled());
  EXPECT_TRUE(f.proceed->Visible());
  EXPECT_FALSE(f.ussp->Enabled());
  EXPECT_TRUE(f.Radio7->Visible());
  EXPECT_FALSE(f.Radio5->Visible());
  EXPECT_EQ(f.Radio7->Caption(), "パワーＳ(3)");
  EXPECT_TRUE(f.Lbkeep->Visible());
  EXPECT_EQ(f.valhls->Caption(), "－2");
  EXPECT_TRUE(sent(commands(), "play audio1 from 15 notify"));

  // The board: the player's own slot is the running score, Hatao gains.
  EXPECT_EQ(f.rivalScore[1], -2);
  EXPECT_EQ(f.scMina->Caption(), "－2");
  EXPECT_LE(f.rivalScore[6], -1);
  for (int k = 2; k <= 6; ++k) EXPECT_LE(std::abs(f.rivalScore[k]), 3);
}

TEST_F(HoleEnd, AHoleEndedByThePenaltyOrGivenUp) {
  TForm1& f = begin(2, 1, 1);  // par 4
  f.strokeNo = 7;
  f.Radio1->SetChecked(true);  // 92 yards: in the water
  f.shotMouseDown(kLeft, 0, 0);
  until([&] { return f.gauge->Width() == 40; });
  f.shotMouseUp(kLeft, 0, 0);
  until([] { return !Application::instance().hasIdle(); });
  ASSERT_EQ(f.lie, 4);
  f.shotClick();  // the penalty stroke makes par + 5
  EXPECT_EQ(std::tuple(f.phase, f.holeNo, f.scoreToPar), std::tuple(uint8_t(11), uint8_t(2), 5));
  EXPECT_EQ(f.valhls->Caption(), "＋5");
  EXPECT_EQ(f.scSouma->Caption(), "＋5");
  EXPECT_EQ(f.Radio7->Caption(), "地形無視Ｓ(2)");
  EXPECT_EQ(f.bgmTrack, 4);

  TForm1& g = begin(1, 1, 1);
  g.strokeNo = 8;  // par + 4 at rest on the fairway: given up
  g.phase = 6;
  g.lie = 1;
  g.shotClick();
  EXPECT_EQ(std::tuple(g.phase, g.holeNo, g.scoreToPar), std::tuple(uint8_t(11), uint8_t(2), 5));
  EXPECT_TRUE(g.proceed->Visible());
}

TEST_F(HoleEnd, TheBoardOverManyHoles) {
  TForm1& f = begin(4, 2, 1);
  int8_t hatao = 0;
  for (int hole = 1; hole <= 8; ++hole) {
    const int8_t before[7] = {0,
                              f.rivalScore[1],
                              f.rivalScore[2],
                              f.rivalScore[3],
                              f.rivalScore[4],
                              f.rivalScore[5],
                              f.rivalScore[6]};
    f.scoreToPar = static_cast<int8_t>(hole - 5);
    f.rankime();
    EXPECT_EQ(f.rivalScore[4], hole - 5);
    for (int k = 1; k <= 6; ++k)
      if (k != 4) {
        EXPECT_LE(std::abs(f.rivalScore[k] - before[k]), 3);
      }
    EXPECT_LE(f.rivalScore[6], hatao - 1);
    hatao = f.rivalScore[6];
  }
  EXPECT_EQ(f.scKyoko->Caption(), "＋3");
  EXPECT_EQ(f.scHatao->Caption(), scoreText(f.rivalScore[6]));
}

TEST_F(HoleEnd, TheShopKeepsEightHundredPoints) {
  TForm1& f = shop(1, 1699);
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_TRUE(f.Radio2->Enabled());  // 700 + 800
  EXPECT_EQ(f.Lbmpt1->Caption(), "-900");
  EXPECT_EQ(f.Lbmpt6->Caption(), "-800");
  EXPECT_EQ(f.Lbmpt5->Caption(), "");

  f.points = 1700;
  f.pricecheck();
  ASSERT_TRUE(f.Radio1->Enabled());
  buy(f.Radio1);
  EXPECT_EQ(f.points, 800);
  EXPECT_EQ(f.valpts->Caption(), "800");
  EXPECT_EQ(std::tuple(f.reach1W, f.upgrades1W), std::tuple(int16_t(210), uint8_t(1)));
  EXPECT_EQ(f.Radio1->Caption(), "1W 210 yd");
  EXPECT_FALSE(f.Radio1->Checked());
  EXPECT_FALSE(f.shot->Enabled());
  EXPECT_EQ(f.Lbmpt1->Caption(), "-1100");
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_FALSE(f.Radio7->Enabled());
  EXPECT_TRUE(sent(commands(), "open \"dat\\se1.wav\" alias se1"));

  f.shotClick();  // a second press with nothing chosen charges nothing
  EXPECT_EQ(f.points, 800);
}

TEST_F(HoleEnd, SeveralPurchasesInARow) {
  TForm1& f = shop(1, 20000);
  const int16_t start1W = f.reach1W, start8I = f.reach8I;
  for (int n = 0; n < 4; ++n) buy(f.Radio1);
  EXPECT_EQ(f.reach1W, start1W + 50);  // 10 + 10 + 10 + 20
  EXPECT_EQ(f.upgrades1W, 4);
  EXPECT_EQ(f.Lbmpt1->Caption(), "－");
  EXPECT_FALSE(f.Radio1->Enabled());
  EXPECT_EQ(f.points, 20000 - 900 - 1100 - 1300 - 1500);

  buy(f.Radio4);
  buy(f.Radio7);
  EXPECT_EQ(f.reach8I, start8I + 10);
  EXPECT_EQ(f.Radio4->Caption(), QString("8I %1 yd").arg(start8I + 10));
  EXPECT_EQ(f.Lbmpt4->Caption(), "-550");
  EXPECT_EQ(f.specialStock, 4);
  EXPECT_EQ(f.Radio7->Caption(), "パワーＳ(4)");
  EXPECT_EQ(f.ussp->Caption(), "特 4");
  EXPECT_FALSE(f.Radio7->Checked());
  EXPECT_EQ(f.points, 20000 - 4800 - 500 - 800);
  EXPECT_EQ(f.reach3W, 180);  // only what was bought changed
}

TEST_F(HoleEnd, NineSpecialsAtMostAndNoneForHatao) {
  TForm1& f = begin(4, 1, 1, 20000);
  f.specialStock = 8;
  f.csend();
  EXPECT_TRUE(f.Radio7->Enabled());
  EXPECT_EQ(f.Lbmpt6->Caption(), "-650");
  buy(f.Radio7);
  EXPECT_EQ(f.specialStock, 9);
  EXPECT_EQ(f.Radio7->Caption(), "風・傾斜消(9)");
  EXPECT_FALSE(f.Radio7->Enabled());
  EXPECT_EQ(f.Lbmpt6->Caption(), "－");

  TForm1& h = shop(6, 20000);
  EXPECT_EQ(h.Radio7->Caption(), "無し");
  EXPECT_FALSE(h.Radio7->Enabled());
  EXPECT_EQ(h.Lbmpt6->Caption(), "－");
  EXPECT_TRUE(h.Radio1->Enabled());
}

TEST_F(HoleEnd, ThePowerShotFrameIsNarrowedAtTheHoleEnd) {
  TForm1& f = begin(1, 1, 1);
  f.usspClick();
  ASSERT_EQ(f.waku->Width(), 122);
  f.csend();
  EXPECT_EQ(f.waku->Width(), 102);
  EXPECT_EQ(f.activeSpecial, 0);
  EXPECT_FALSE(f.ImgSpe->Visible());
}

TEST_F(HoleEnd, ProceedStartsTheNextHole) {
  TForm1& f = shop(1, 1600);
  ASSERT_EQ(f.holeNo, 2);
  f.proceed->OnClick();  // the button's own handler
  const auto sentNow = commands();
  EXPECT_TRUE(sent(sentNow, "open \"dat\\bgm_158.mid\" alias audio1"));
  EXPECT_EQ(f.bgmTrack, 5);
  EXPECT_EQ(std::tuple(f.phase, f.holeNo, f.strokeNo), std::tuple(uint8_t(4), uint8_t(2), 1));
  EXPECT_FALSE(f.proceed->Visible());
  EXPECT_EQ(f.shot->Caption(), "打つ");
  EXPECT_FALSE(f.Radio7->Visible());
  EXPECT_TRUE(f.Radio5->Visible());
  EXPECT_FALSE(f.Lbkeep->Visible());
  EXPECT_EQ(f.Lbzen->Caption(), "全：");
  EXPECT_EQ(f.valhl->Caption(), "2");
  EXPECT_EQ(f.remaining, f.holeLength);
}

TEST(RivalSteps, TheTableByDrawAndPar) {
  EXPECT_EQ(rivalScale(1), 12);
  EXPECT_EQ(rivalScale(6), 11);
  EXPECT_EQ(rivalScale(0), 0);

  // Mina: 0..3 down, 4..6 up, 7 and 8 only on long holes.
  EXPECT_EQ(rivalStep(1, 7, 5), -2);
  EXPECT_EQ(rivalStep(1, 7, 4), 0);
  EXPECT_EQ(rivalStep(1, 8, 5), 2);
  EXPECT_EQ(rivalStep(1, 12, 5), 0);
  EXPECT_EQ(rivalStep(2, 6, 4), -2);
  EXPECT_EQ(rivalStep(2, 6, 3), 0);
  EXPECT_EQ(rivalStep(3, 21, 5), -3);
  EXPECT_EQ(rivalStep(3, 21, 4), 0);
  EXPECT_EQ(rivalStep(4, 10, 5), -2);
  EXPECT_EQ(rivalStep(4, 11, 5), 0);
  // Philip: 6..8 on a long hole, 9 on a par 3, else one down on long holes.
  EXPECT_EQ(rivalStep(5, 8, 5), -2);
  EXPECT_EQ(rivalStep(5, 8, 4), 0);
  EXPECT_EQ(rivalStep(5, 9, 3), -2);
  EXPECT_EQ(rivalStep(5, 9, 4), 0);
  EXPECT_EQ(rivalStep(5, 9, 5), -1);
  // Hatao.
  EXPECT_EQ(rivalStep(6, 9, 6), -3);
  EXPECT_EQ(rivalStep(6, 9, 5), -1);
  EXPECT_EQ(rivalStep(6, 10, 3), -2);
  EXPECT_EQ(rivalStep(6, 10, 4), -1);

  for (int slot = 1; slot <= 6; ++slot)
    for (int par = 3; par <= 7; ++par)
      for (int n = 0; n <= rivalScale(slot); ++n) {
        EXPECT_LE(std::abs(rivalStep(slot, n, par)), 3) << slot << " " << n << " " << par;
        if (slot == 6) {
          EXPECT_LE(rivalStep(slot, n, par), -1) << n << " " << par;
        }
      }
}

TEST(ShopPrices, ByClubAndUpgradesBought) {
  EXPECT_EQ(upgradePrice(1, 0), 900);
  EXPECT_EQ(upgradePrice(1, 3), 1500);
  EXPECT_EQ(upgradePrice(1, 4), 1500);  // sold out keeps the last price
  EXPECT_EQ(upgradePrice(2, 1), 850);
  EXPECT_EQ(upgradePrice(4, 3), 650);
  EXPECT_EQ(upgradePrice(5, 0), 0);
}

TEST(HoleMusic, ByCourseAndHole) {
  EXPECT_EQ(nextHoleTrack(1, 2, 0), 5);
  EXPECT_EQ(nextHoleTrack(1, 7, 0), 0);  // the practice course has six holes
  EXPECT_EQ(nextHoleTrack(2, 2, 0), 6);
  EXPECT_EQ(nextHoleTrack(2, 9, 0), 17);
  EXPECT_EQ(nextHoleTrack(3, 2, 9), 9);
  EXPECT_EQ(nextHoleTrack(3, 6, 18), 18);
}

}  // namespace
