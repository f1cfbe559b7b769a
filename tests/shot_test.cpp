// The rules of a stroke: full-shot and putt lengths, the wind and slope
// factors, the pace of the flight and the roll, and a hole's result.
#include <gtest/gtest.h>

#include "round/scoring.h"
#include "shot/rules.h"

namespace {

FullShot drive(int reach, int width) {
  FullShot s;
  s.reach = reach;
  s.width = width;
  s.remaining = 400;
  return s;
}

TEST(ShotLength, LieWindAndExtendedPrecision) {
  EXPECT_EQ(fullShotLength(drive(200, 100)), 200);  // Mina's 1W, calm, fairway
  FullShot rough = drive(200, 100);
  rough.lie = 2;
  EXPECT_EQ(fullShotLength(rough), 116);  // a wood from the rough
  rough.reach = 130;
  rough.iron = true;
  EXPECT_EQ(fullShotLength(rough), 84);  // 84.5 goes to the even neighbour
  rough.ignoreTerrain = true;
  EXPECT_EQ(fullShotLength(rough), 130);
  FullShot bunker = drive(100, 100);
  bunker.lie = 3;
  bunker.iron = true;
  EXPECT_EQ(fullShotLength(bunker), 28);
  // 150 x 0.53 falls just below 79.5 in extended precision.
  EXPECT_EQ(fullShotLength(drive(150, 53)), 79);

  FullShot wind = drive(200, 100);
  wind.wind = 9;
  EXPECT_EQ(fullShotLength(wind), 288);
  wind.wind = -9;
  EXPECT_EQ(fullShotLength(wind), 112);
  wind.wind = 20;  // not drawn
  EXPECT_EQ(fullShotLength(wind), 200);
}

TEST(ShotLength, ScatterNeverSendsTheBallBackwards) {
  FullShot s = drive(200, 0);
  s.scatter = 12;
  EXPECT_EQ(fullShotLength(s), 1);
  s.scatterLonger = true;
  EXPECT_EQ(fullShotLength(s), 12);
  s = drive(200, 50);
  s.scatter = 5;
  EXPECT_EQ(fullShotLength(s), 95);
}

TEST(ShotLength, HappyShotSnapsWithinThreeYards) {
  FullShot s = drive(200, 100);
  s.happy = true;
  s.remaining = 203;
  EXPECT_EQ(fullShotLength(s), 203);
  s.remaining = 197;
  EXPECT_EQ(fullShotLength(s), 197);
  s.remaining = 204;
  EXPECT_EQ(fullShotLength(s), 200);
  s.remaining = 196;
  EXPECT_EQ(fullShotLength(s), 200);
}

TEST(ShotLength, FactorsOutsideTheirRangeLeaveTheLength) {
  EXPECT_EQ(windFactor(-4), 84);
  EXPECT_EQ(windFactor(10), 100);
  EXPECT_EQ(slopeFactor(-5), 40);
  EXPECT_EQ(slopeFactor(6), 100);
}

TEST(PuttLength, DropsWhenExactOrOneLong) {
  EXPECT_EQ(puttLength(100, 30, 0, 29), 29);  // one yard long drops
  EXPECT_EQ(puttLength(100, 30, 0, 30), 30);
  EXPECT_EQ(puttLength(100, 30, 0, 28), 30);  // two long rolls past
  EXPECT_EQ(puttLength(0, 30, 0, 10), 1);
  EXPECT_EQ(puttLength(50, 30, 5, 40), 24);  // 0.5 x 1.6 x 30
  EXPECT_EQ(puttLength(50, 15, -5, 40), 3);  // 0.5 x 0.4 x 15
}

TEST(PuttPace, FirstIntervalAndSlowDown) {
  const std::pair<int, int32_t> bands[] = {{0, 300},  {5, 300},  {6, 200}, {11, 200},
                                           {12, 130}, {18, 100}, {24, 80}, {30, 67},
                                           {36, 55},  {41, 55},  {42, 47}, {200, 47}};
  for (auto [length, interval] : bands) EXPECT_EQ(firstPuttInterval(length), interval) << length;
  EXPECT_EQ(slowerPutt(55), 59);
  EXPECT_EQ(slowerPutt(99), 103);
  EXPECT_EQ(slowerPutt(100), 110);
  EXPECT_EQ(slowerPutt(169), 179);
  EXPECT_EQ(slowerPutt(170), 185);
  EXPECT_EQ(slowerPutt(250), 274);
  EXPECT_EQ(slowerPutt(340), 372);
  EXPECT_EQ(slowerPutt(449), 481);
  EXPECT_EQ(slowerPutt(450), 450);
}

TEST(FlightPace, BandsAreFractionsOfTheLandingPosition) {
  // A 200-yard drive from the tee: bands at 50, 60, 80, 120, 160.
  const std::pair<int, int> bands[] = {{0, 24},  {49, 24},  {50, 30},  {59, 30},  {60, 34},
                                       {80, 39}, {119, 39}, {120, 36}, {159, 36}, {160, 39}};
  for (auto [t, interval] : bands) EXPECT_EQ(flightInterval(t, 200), interval) << t;
  // The second stroke of a hole stays longer in the fast bands: landing at 300.
  EXPECT_EQ(flightInterval(60, 300), 24);
}

TEST(Marker, StandsOnTheStrip) {
  EXPECT_EQ(markerLeft(0, 433), 2);
  EXPECT_EQ(markerLeft(433, 433), 152);
  EXPECT_EQ(markerLeft(1, 300), 2);  // 0.5 goes to the even 0
  EXPECT_EQ(markerLeft(3, 300), 4);  // 1.5 to the even 2
  EXPECT_EQ(markerLeftInFlight(100, 100, 300), 102);
  EXPECT_EQ(markerLeft(10, 0), 2);
}

TEST(HoleResult, RowsInOrder) {
  auto is = [](HoleResult r, ResultCounter c, const char* picture, int points) {
    return r.counter == c && (picture ? std::string(r.picture) == picture : !r.picture) &&
           r.points == points;
  };
  using C = ResultCounter;
  EXPECT_TRUE(is(holeResult(1, 3, 0), C::HoleInOne, "Imghio", 2600));
  EXPECT_TRUE(is(holeResult(1, 3, 800), C::HoleInOne, "Imghio", 3400));
  EXPECT_TRUE(is(holeResult(1, 7, 0), C::HoleInOne, "Imghio", 2600));
  EXPECT_TRUE(is(holeResult(2, 6, 0), C::FourUnder, "Imgm4", 2100));
  EXPECT_TRUE(is(holeResult(2, 7, 0), C::FourUnder, "Imgm4", 2300));
  EXPECT_TRUE(is(holeResult(2, 5, 0), C::Albatross, "Imgalba", 1700));
  EXPECT_TRUE(is(holeResult(2, 4, 800), C::Eagle, "Imgeagle", 2000));
  EXPECT_TRUE(is(holeResult(3, 4, 0), C::Birdie, "Imgbirdie", 800));
  EXPECT_TRUE(is(holeResult(4, 4, 0), C::None, "Imgpar", 500));
  EXPECT_TRUE(is(holeResult(5, 4, 800), C::None, "Imgbogey", 700));
  EXPECT_TRUE(is(holeResult(6, 4, 800), C::None, "Imgdbogey", 600));
  EXPECT_TRUE(is(holeResult(7, 4, 800), C::None, "Imgtbogey", 300));
  EXPECT_TRUE(is(holeResult(8, 4, 800), C::None, "Imgqbogey", 220));
  EXPECT_TRUE(is(holeResult(9, 4, 800), C::None, nullptr, 0));
}

TEST(HoleResult, ScoreText) {
  EXPECT_EQ(scoreText(0), "±0");
  EXPECT_EQ(scoreText(-1), "－1");
  EXPECT_EQ(scoreText(10), "＋10");
  EXPECT_EQ(scoreText(-128), "－128");
}

}  // namespace
