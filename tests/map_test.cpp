// The hole map: the scaling rule and the legend captions, then the panel on
// the form with its hover captions, the flight skip and the panel switches.
#include <algorithm>

#include "map/mapping.h"
#include "sound/tracks.h"
#include "tests/support.h"

namespace {

TEST(MapScaling, RangesOnTheStrip) {
  const long double s = mapScale(1200);
  // No range: z = Trunc(1) = 1, so nothing is drawn.
  EXPECT_FALSE(mapBar(s, 0, 0).visible());
  // A short range near the tee of a long hole stays hidden: z = Trunc(0.375 + 1).
  const MapBar nearTee = mapBar(s, 2, 3);
  EXPECT_EQ(nearTee.z, 1);
  EXPECT_FALSE(nearTee.visible());
  // One yard still gets a pixel once it is drawn.
  const MapBar oneYard = mapBar(s, 600, 600);
  EXPECT_EQ(std::tuple(oneYard.a, oneYard.z, oneYard.width(), oneYard.left(2)),
            std::tuple(75, 76, 1, 77));
  EXPECT_TRUE(oneYard.visible());
  // A whole 300-yard hole: 120..185 at half a pixel per yard.
  const MapBar rough = mapBar(mapScale(300), 120, 185);
  EXPECT_EQ(std::tuple(rough.a, rough.z, rough.left(100)), std::tuple(60, 93, 160));
}

TEST(MapScaling, CutsTowardZeroInExtendedPrecision) {
  // Exactly 30 and 15 on paper; the 64-bit mantissa gives 29.99.. and 15.00..,
  // where a double would give 30.00.. and 14.99..
  EXPECT_EQ(mapBar(mapScale(105), 21, 21).a, 29);
  EXPECT_EQ(mapBar(mapScale(110), 11, 11).a, 15);
}

TEST(MapScaling, GreenReachesBothSidesOfTheCup) {
  const MapBar g = mapGreen(mapScale(100), 100, 50);
  EXPECT_EQ(g.left(2), 77);
  EXPECT_EQ(g.left(2) + g.width(), 227);
}

TEST(MapScaling, HoleWithoutLengthDrawsNothing) {
  for (int16_t length : {int16_t(0), int16_t(-5)}) {
    const long double s = mapScale(length);
    EXPECT_FALSE(mapBar(s, 10, 20).visible());
    EXPECT_EQ(mapGreen(s, length, 10).width(), 0);
  }
}

TEST(MapLegend, FourForms) {
  EXPECT_EQ(legendCaption('F', 120, 185), "(120 - 185)");
  EXPECT_EQ(legendCaption('S', 120, 185), "(120 - ?\?)");
  EXPECT_EQ(legendCaption('E', 120, 185), "(?\? - 185)");
  EXPECT_EQ(legendCaption('N', 120, 185), "(?\? - ?\?)");
}

using HoleMap = FormTest;

void setHole(TForm1& f) {
  f.holeNo = 2;
  f.holeLength = 300;
  f.greenSize = 12;
  f.roughFrom[1] = 120;
  f.roughTo[1] = 185;
  f.waterFrom[2] = 200;
  f.waterTo[2] = 240;
  f.bunkerFrom[3] = 2;
  f.bunkerTo[3] = 3;
}

TEST_F(HoleMap, PanelForSoumaShowsOnlyStarts) {
  TForm1& f = start();
  setHole(f);
  f.charSlot = 2;
  f.altChar = 0;
  f.Map();
  EXPECT_EQ(f.ryakuLabel->Caption(), "2 番ホール：");
  EXPECT_EQ(std::tuple(f.arrough1->Left(), f.arrough1->Width()), std::tuple(62, 33));
  EXPECT_TRUE(f.arrough1->Visible());
  EXPECT_FALSE(f.arrough2->Visible());
  EXPECT_TRUE(f.arwater2->Visible());
  EXPECT_TRUE(f.arbunker3->Visible());  // z = Trunc(2.5) = 2 on a 300-yard hole
  EXPECT_EQ(std::tuple(f.argreen->Left(), f.argreen->Width()), std::tuple(146, 12));
  EXPECT_EQ(f.rd1->Caption(), "(120 - ?\?)");
  EXPECT_EQ(f.wd2->Caption(), "(200 - ?\?)");
  EXPECT_EQ(f.rd2->Caption(), "(0 - ?\?)");  // hidden rows are written too
  EXPECT_TRUE(f.r1->Visible() && f.rd1->Visible() && f.w2->Visible() && f.bd3->Visible());
  EXPECT_FALSE(f.r2->Visible() || f.rd2->Visible() || f.b1->Visible() || f.bd1->Visible());
  EXPECT_EQ(f.gr->Caption(), "12");

  f.wd2MouseMove(1, 1);
  EXPECT_EQ(f.moji->Caption(), "Water (200 - ?\?)");
  f.grMouseMove(1, 1);
  EXPECT_EQ(f.moji->Caption(), "Green: ±12");
  f.Box2MouseMove(1, 1);
  EXPECT_EQ(f.moji->Caption(), "");
}

TEST_F(HoleMap, LegendByCharacterAndNobodyKeepsCaptions) {
  TForm1& f = start();
  setHole(f);
  f.charSlot = 1;
  f.altChar = 1;  // Pizza Happy Man: rough 1 end only, water 2 nothing
  f.Map();
  EXPECT_EQ(f.rd1->Caption(), "(?\? - 185)");
  EXPECT_EQ(f.wd2->Caption(), "(?\? - ?\?)");
  f.bd3MouseMove(1, 1);
  EXPECT_EQ(f.moji->Caption(), "Bunker (?\? - 3)");
  f.charSlot = 4;  // Kyoko knows no third range
  f.Map();
  EXPECT_EQ(f.rd1->Caption(), "(120 - 185)");
  EXPECT_EQ(f.bd3->Caption(), "(?\? - ?\?)");
  f.charSlot = 0;
  f.roughTo[1] = 190;
  f.Map();
  EXPECT_EQ(f.rd1->Caption(), "(120 - 185)");
}

TEST_F(HoleMap, ZeroLengthHoleHidesTheBars) {
  TForm1& f = start();
  setHole(f);
  f.holeLength = 0;
  f.charSlot = 1;
  f.Map();
  for (int n = 1; n <= 9; ++n) EXPECT_FALSE(f.mapBars[n]->Visible()) << n;
  EXPECT_EQ(f.argreen->Width(), 0);
  EXPECT_TRUE(f.rd1->Visible());  // the legend still lists the ranges
}

TEST_F(HoleMap, RightPressSkipsOnlyAFullShot) {
  TForm1& f = start();
  f.shotLength = 180;
  f.travelled = 20;
  f.phase = 7;
  f.Box2MouseDown(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.travelled, 20);
  f.phase = 5;
  f.Box2MouseDown(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.travelled, 20);
  f.Box2MouseDown(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.travelled, 180);
  // Bound to the panel's parts, but not to its close button.
  EXPECT_TRUE(static_cast<bool>(f.arfair1->OnMouseDown));
  EXPECT_TRUE(static_cast<bool>(f.position->OnMouseDown));
  EXPECT_FALSE(static_cast<bool>(f.toji2->OnMouseDown));
}

TEST_F(HoleMap, PanelSwitching) {
  TForm1& f = start();
  const std::string se4 = effectFile(4);
  auto playedEffect4 = [&] {
    auto c = commands();
    return std::any_of(c.begin(), c.end(),
                       [&](const std::string& s) { return s.find(se4) != std::string::npos; });
  };
  f.phase = 5;
  f.clubReach = 230;
  f.vwcourseClick();
  EXPECT_TRUE(playedEffect4());
  EXPECT_EQ(f.club->Caption(), "230");
  EXPECT_TRUE(f.Box2->Visible());
  EXPECT_FALSE(f.Box1->Visible() || f.Box3->Visible() || f.vwcourse->Enabled());
  EXPECT_TRUE(f.vwscore->Enabled());

  f.phase = 6;
  f.clubReach = 99;
  f.vwscoreClick();
  EXPECT_TRUE(playedEffect4());
  EXPECT_TRUE(f.Box3->Visible());
  EXPECT_FALSE(f.Box1->Visible() || f.Box2->Visible() || f.vwscore->Enabled());
  f.vwcourseClick();
  EXPECT_EQ(f.club->Caption(), "230");  // not a club phase: left as it was
  commands();

  f.toji2Click();
  EXPECT_FALSE(playedEffect4());
  EXPECT_TRUE(f.Box1->Visible() && f.vwcourse->Enabled() && f.vwscore->Enabled());
  EXPECT_FALSE(f.Box2->Visible() || f.Box3->Visible());
}

}  // namespace
