#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/characters.h"
#include "model/courses.h"
#include "platform/random.h"

namespace {

// "61W 108W 109F": position and terrain letter (F R B W G O), checked one by one.
void expectTerrain(const HoleData& hole, const std::string& marks) {
  const std::string codes = " FRBWGO";
  std::istringstream in(marks);
  for (std::string mark; in >> mark;) {
    const auto p = static_cast<int16_t>(std::stoi(mark));
    EXPECT_EQ(codes[terrainAt(hole, p)], mark.back()) << "at yard " << p;
  }
}

// A random source that replays a script and records what it was asked for; it throws instead of
// letting a draw loop run on.
struct Script {
  explicit Script(std::vector<int> v = {}) : values(std::move(v)) {}
  std::vector<int> values, asked;
  size_t next = 0;
  int operator()(int n) {
    asked.push_back(n);
    if (asked.size() > 200) throw std::runtime_error("draw loop does not end");
    return next < values.size() ? values[next++] : 0;
  }
};

}  // namespace

TEST(Courses, EveryHoleHasItsTerrain) {
  const char* practice[] = {
      "0F 60F 61W 108W 109F 211R 234R 235F 373B 390B 391F 402F 403G 433G 463G 464O",
      "0F 78F 79W 191W 192F 244F 245R 283R 284W 319W 320F 404B 441B 442F 444F 445G 475G 476O",
      "0F 174F 175R 248R 249F 266B 301B 302F 330R 385R 386F 561F 562G 616G 617O",
      "0F 1F 4F 5R 49R 50W 160W 161B 185B 186G 212G 213O",
      "0F 51R 101R 102F 151W 201W 202F 251B 301B 351R 401R 451W 501W 551B 601B 602F 630G 654G 655O",
      "0F 173W 217W 218F 241B 279B 280R 351R 352F 386B 431B 432R 465R 466F 519W 552W 553F 561G "
      "595G 596O"};
  const char* championship[] = {
      "0F 186R 225R 226B 263B 264R 283R 284F 403W 436W 437F 439R 454R 455F 490B 510B 511F 521F "
      "522G 562G 563O",
      "0F 4F 5W 121W 122B 142B 143G 167G 168O",
      "0F 26F 27W 160W 161F 193R 275R 276F 307W 392W 393F 441B 485B 486R 535R 536G 568G 569O",
      "0F 103R 222R 223W 320W 321F 351R 464R 465W 552W 553R 596R 597B 622B 623F 640F 641G 691G "
      "692O",
      "0F 88F 89B 130B 131F 164R 191R 192B 200B 201F 231W 376W 377R 472R 473G 511G 512O",
      "0F 776F 777G 797G 798O",
      "0F 2F 3R 9R 10B 89B 90F 117B 168B 169F 190B 220B 221W 236W 237R 239R 240G 268G 269O",
      "0F 95R 172R 173F 182W 237W 238B 276B 277F 290R 363R 364F 381W 436W 437F 457F 458G 498G "
      "499O",
      "0F 140R 193R 194F 219B 251B 252F 287R 327R 328W 404W 405R 572R 573B 602B 603F 710W 774W "
      "775B 790B 791F 800W 850W 851G 877G 878O"};
  for (int h = 1; h <= 6; ++h) {
    SCOPED_TRACE("practice hole " + std::to_string(h));
    expectTerrain(builtinHole(kPracticeCourse, h), practice[h - 1]);
  }
  for (int h = 1; h <= 9; ++h) {
    SCOPED_TRACE("championship hole " + std::to_string(h));
    expectTerrain(builtinHole(kChampionshipCourse, h), championship[h - 1]);
  }
  for (int16_t p = 1; p <= 776; ++p) EXPECT_EQ(terrainAt(builtinHole(2, 6), p), kFairway) << p;
}

TEST(Courses, LaterRangesWinAndTheGreenAndTeeOverrideThem) {
  HoleData h{};
  h.length = 100;
  h.green = 5;
  h.rough[0] = {10, 30};
  h.water[0] = {20, 40};
  h.bunker[0] = {25, 35};
  h.bunker[1] = {33, 45};
  h.water[1] = {50, 60};
  h.rough[2] = {55, 58};
  expectTerrain(h,
                "9F 10R 19R 20W 24W 25B 32B 33B 45B 46F 50W 54W 55R 58R 59W 60W 61F 94F 95G "
                "105G 106O");
  h.rough[2] = {-5, 110};  // a damaged edited hole, over the tee and past the green
  expectTerrain(h, "0F 1R 30R 94R 95G 105G 106O 110O");

  // A ball put back after water lies on fairway or in rough or bunker only; rough beats bunker of
  // the same k, a later k beats both.
  HoleData r{};
  r.rough[0] = {10, 20};
  r.bunker[0] = {15, 25};
  r.bunker[1] = {18, 30};
  r.water[2] = {0, 40};
  EXPECT_EQ(returnLie(r, 15), kRough);
  EXPECT_EQ(returnLie(r, 18), kBunker);
  EXPECT_EQ(returnLie(r, 35), kFairway);
  EXPECT_EQ(returnLie(builtinHole(1, 4), 30), kRough);
  EXPECT_EQ(returnLie(builtinHole(1, 4), 100), kFairway);
  EXPECT_EQ(returnLie(builtinHole(1, 4), 170), kBunker);
  r.rough[0] = {-3, 3};
  EXPECT_EQ(returnLie(r, 0), kFairway);
}

TEST(Courses, TotalsAndWindAndSlopeRules) {
  EXPECT_EQ(courseHoleCount(1), 6);
  EXPECT_EQ(courseHoleCount(2), 9);
  EXPECT_EQ(courseHoleCount(3), 6);
  EXPECT_EQ(courseHoleCount(0), 0);
  const int totals[3][2] = {{}, {26, 2901}, {42, 4790}};
  for (uint8_t kind = 1; kind <= 2; ++kind) {
    int par = 0, yards = 0;
    for (int h = 1; h <= courseHoleCount(kind); ++h) {
      par += builtinHole(kind, h).par;
      yards += builtinHole(kind, h).length;
    }
    EXPECT_EQ(par, totals[kind][0]);
    EXPECT_EQ(yards, totals[kind][1]);
  }
  EXPECT_EQ(builtinHole(1, 7).length, 0);
  EXPECT_EQ(builtinHole(2, 0).length, 0);
  EXPECT_EQ(builtinHole(3, 1).length, 0);

  // Wind then slope, kind low high, per hole.
  const char* rules[2] = {"133000 133111 225123 204133 155314 156144",
                          "143000 337204 155133 239334 142153 199155 269122 347225 199345"};
  for (uint8_t kind = 1; kind <= 2; ++kind) {
    std::istringstream in(rules[kind - 1]);
    std::string want;
    for (int h = 1; in >> want; ++h) {
      const HoleData& d = builtinHole(kind, h);
      std::string got;
      for (int v : {d.wind.kind, d.wind.low, d.wind.high, d.slope.kind, d.slope.low, d.slope.high})
        got += std::to_string(v);
      EXPECT_EQ(got, want) << "course " << int(kind) << " hole " << h;
    }
  }
}

TEST(Wind, DrawFormulasAndOrder) {
  Script s({2, 3});
  EXPECT_EQ(drawWind({1, 4, 3}, 20, std::ref(s)), -1);
  EXPECT_EQ(s.asked, (std::vector<int>{4, 5}));  // the tail (high) draw comes first
  Script two({0, 3});
  EXPECT_EQ(drawWind({2, 2, 5}, 20, std::ref(two)), 2);
  EXPECT_EQ(drawWind({2, 2, 5}, 20, std::ref(two)), 5);
  EXPECT_EQ(two.asked, (std::vector<int>{4, 4}));
  Script three({0, 4});
  EXPECT_EQ(drawWind({3, 3, 7}, 20, std::ref(three)), -3);
  EXPECT_EQ(drawWind({3, 3, 7}, 20, std::ref(three)), -7);
  Script none;
  EXPECT_EQ(drawWind({0, 4, 4}, 20, std::ref(none)), 0);
  EXPECT_EQ(drawWind({7, 4, 4}, 20, std::ref(none)), 20);
  EXPECT_TRUE(none.asked.empty());

  // With the game's generator every value of a rule is reached, and no other.
  Randomize(7);
  const std::pair<WindRule, std::pair<int, int>> ranges[] = {
      {{1, 9, 9}, {-9, 9}}, {{1, 4, 2}, {-4, 2}}, {{2, 0, 4}, {0, 4}}, {{3, 3, 7}, {-7, -3}}};
  for (const auto& [rule, span] : ranges) {
    std::set<int> seen;
    for (int i = 0; i < 4000; ++i) seen.insert(drawWind(rule, 20, Random));
    EXPECT_EQ(*seen.begin(), span.first);
    EXPECT_EQ(*seen.rbegin(), span.second);
    EXPECT_EQ(int(seen.size()), span.second - span.first + 1);
  }
}

TEST(Wind, WaitingForTheWindChangesItAndAlwaysEnds) {
  Script s({1, 1, 1, 1, 2, 1});
  EXPECT_EQ(redrawWind({1, 3, 3}, 0, std::ref(s)), 1);
  EXPECT_EQ(s.asked.size(), 6u);
  Script calm;
  EXPECT_EQ(redrawWind({1, 0, 0}, 5, std::ref(calm)), 0);
  EXPECT_EQ(redrawWind({9, 0, 0}, 5, std::ref(calm)), 0);
  EXPECT_EQ(redrawWind({7, 3, 3}, 5, std::ref(calm)), 5);
  EXPECT_TRUE(calm.asked.empty());

  // One possible value: drawn once, even when it equals the old one.
  const std::pair<WindRule, int> single[] = {{{2, 4, 4}, 4},  {{3, 4, 4}, -4},  {{2, 5, 2}, 5},
                                             {{3, 5, 2}, -5}, {{3, -4, -6}, 4}, {{1, -3, -1}, 0},
                                             {{0, 2, 3}, 0}};
  for (const auto& [rule, value] : single) {
    Script once;
    EXPECT_EQ(redrawWind(rule, value, std::ref(once)), value);
    EXPECT_LE(once.asked.size(), 2u);
  }

  // Whatever bytes an unchecked course file holds, the redraw ends and moves off the old value
  // whenever it can.
  Randomize(11);
  const int8_t params[] = {-128, -9, -1, 0, 1, 2, 9, 127};
  for (int8_t kind = -1; kind <= 4; ++kind)
    for (int8_t low : params)
      for (int8_t high : params) {
        const WindRule rule{kind, low, high};
        const int8_t v = redrawWind(rule, 1, Random);
        if (windHasChoice(rule)) {
          EXPECT_NE(v, 1);
        }
      }
}

TEST(Wind, SignsAndEditedRules) {
  EXPECT_STREQ(windSign(3), "＋");
  EXPECT_STREQ(windSign(-3), "－");
  EXPECT_STREQ(windSign(0), "±");
  EXPECT_EQ(windMagnitude(-128), 128);
  auto same = [](WindRule a, WindRule b) {
    return a.kind == b.kind && a.low == b.low && a.high == b.high;
  };
  EXPECT_TRUE(same(editedRule(0, 0, 0), {0, 0, 0}));
  EXPECT_TRUE(same(editedRule(1, -3, 5), {1, 3, 5}));
  EXPECT_TRUE(same(editedRule(2, 2, 6), {2, 2, 6}));
  EXPECT_TRUE(same(editedRule(3, -7, -3), {3, 3, 7}));  // strengths: the weaker first
  EXPECT_TRUE(same(editedRule(9, -2, 4), {9, 4, 2}));
  EXPECT_TRUE(same(editedRule(1, -128, 127), {1, 127, 127}));
  EXPECT_TRUE(same(editedRule(3, 1, -128), {3, 127, 1}));
}

TEST(Characters, RowsHoldTheirNumbers) {
  struct Want {
    uint8_t slot, alt, stock, waits;
    int16_t price, reach[4], cost[6], frame;
  };
  const Want want[] = {{1, 0, 3, 7, 800, {200, 180, 130, 100}, {90, 70, 60, 40, 10, 0}, 102},
                       {1, 1, 3, 8, 900, {180, 160, 130, 100}, {100, 80, 70, 50, 20, 10}, 107},
                       {2, 0, 2, 4, 950, {230, 200, 160, 130}, {120, 100, 80, 60, 30, 10}, 114},
                       {2, 1, 2, 4, 800, {240, 130, 240, 90}, {130, 100, 220, 90, 50, 30}, 114},
                       {3, 0, 2, 2, 1050, {290, 270, 230, 190}, {190, 150, 110, 80, 40, 20}, 135},
                       {4, 0, 4, 5, 650, {220, 190, 160, 120}, {110, 90, 70, 40, 20, 10}, 110},
                       {5, 0, 1, 3, 1200, {240, 220, 180, 150}, {150, 130, 100, 80, 40, 20}, 122},
                       {6, 0, 0, 6, 0, {270, 250, 200, 170}, {100, 80, 70, 50, 30, 10}, 127}};
  std::set<std::string> keys;
  for (const Want& w : want) {
    const CharacterRow* row = characterRow(w.slot, w.alt);
    ASSERT_NE(row, nullptr);
    SCOPED_TRACE(row->exportKey);
    keys.insert(row->exportKey);
    EXPECT_EQ(row->specialStock, w.stock);
    EXPECT_EQ(row->windWaits, w.waits);
    EXPECT_EQ(row->priceSpecial, w.price);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(row->reach[i], w.reach[i]) << "club " << i;
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(row->cost[i], w.cost[i]) << "club " << i;
      for (int j = 0; j < i; ++j) EXPECT_NE(row->cost[i], row->cost[j]);  // irons are told by cost
    }
    EXPECT_EQ(row->gaugeFrame, w.frame);
    EXPECT_EQ(row->gaugeFrame, row->gaugeMax + 2);
    EXPECT_EQ(row->gaugeMax % row->gaugeStep, 0);  // the gauge meets 0 and its maximum exactly
    EXPECT_EQ(row->showTick125, w.slot == 3 || w.slot == 6);
    EXPECT_EQ(std::string(row->legend).find_first_not_of("FSEN"), std::string::npos);
    EXPECT_EQ(std::string(row->legend).size(), 9u);
    EXPECT_EQ(row->gridPicture == nullptr, w.slot <= 2);
  }
  EXPECT_EQ(keys.size(), 8u);
  EXPECT_EQ(kReachPutterLong, 30);
  EXPECT_EQ(kReachPutterShort, 15);
  EXPECT_EQ(characterRow(0, 0), nullptr);
  EXPECT_EQ(characterRow(7, 0), nullptr);
  EXPECT_EQ(characterRow(3, 1), characterRow(3, 0));  // only slots 1 and 2 have alternates
}

TEST(Characters, TextsPicturesAndSpecials) {
  const CharacterRow& mina = *characterRow(1, 0);
  const CharacterRow& phm = *characterRow(1, 1);
  const CharacterRow& yamada = *characterRow(2, 1);
  const CharacterRow& hatao = *characterRow(6, 0);
  EXPECT_STREQ(mina.panelName, "  一之瀬 水無");
  EXPECT_STREQ(mina.specialPanel, " パワーショット");
  EXPECT_STREQ(characterRow(3, 0)->specialPanel, "\u3000\u3000打ち直し");
  EXPECT_STREQ(hatao.specialPanel, "\u3000\u3000\u3000無し");
  EXPECT_EQ(hatao.specialPicture, nullptr);
  EXPECT_STREQ(hatao.shopName, "無し");
  EXPECT_STREQ(characterRow(5, 0)->shopName, "Start Over(");
  EXPECT_STREQ(phm.boardName, "nmMina");
  EXPECT_STREQ(phm.boardCaption, "・Pizza Happy");
  EXPECT_STREQ(phm.largePicture, yamada.largePicture);
  EXPECT_STREQ(yamada.exportHeading, "【山田 コウイチロウ】");
  std::vector<int> codes, swings;
  std::string gauges;  // ms per step for full shots and putts, step, maximum
  for (uint8_t slot = 1; slot <= 6; ++slot)
    for (uint8_t alt = 0; alt <= (slot <= 2 ? 1 : 0); ++alt) {
      const CharacterRow& row = *characterRow(slot, alt);
      codes.push_back(row.specialCode);
      swings.push_back(row.swingSe);
      gauges += std::to_string(row.intervalShot) + "/" + std::to_string(row.intervalPutt) + "/" +
                std::to_string(row.gaugeStep) + "/" + std::to_string(row.gaugeMax) + ";";
    }
  EXPECT_EQ(codes, (std::vector<int>{1, 12, 2, 22, 3, 4, 5, 0}));
  EXPECT_EQ(swings, (std::vector<int>{5, 5, 5, 5, 9, 7, 6, 8}));
  EXPECT_EQ(gauges,
            "30/40/1/100;40/45/3/105;50/50/4/112;50/50/4/112;28/28/7/133;50/50/3/108;43/40/5/120;"
            "27/27/1/125;");
  EXPECT_STREQ(characterRow(5, 0)->legend, "ESFFSFFSS");
}

TEST(Characters, StarsAndScatter) {
  EXPECT_EQ(stars(0), "");
  EXPECT_EQ(stars(3), "★★★");
  EXPECT_EQ(stars(-1), "");
  EXPECT_EQ(scatterAmount(*characterRow(1, 0), 0.99L), 0);
  EXPECT_EQ(scatterAmount(*characterRow(6, 0), 0.99L), 0);
  // {slot, alt, least, most}; halves go to the even neighbour.
  const int ranges[][4] = {{1, 1, 1, 4},  {2, 0, 2, 9}, {2, 1, 4, 12},
                           {3, 0, 5, 17}, {4, 0, 2, 7}, {5, 0, 3, 12}};
  for (const auto& r : ranges) {
    const CharacterRow& row = *characterRow(r[0], r[1]);
    EXPECT_EQ(scatterAmount(row, 0), r[2]) << row.exportKey;
    EXPECT_EQ(scatterAmount(row, 0.9999L), r[3]) << row.exportKey;
  }
  EXPECT_EQ(scatterAmount(*characterRow(1, 1), 0.5L), 2);  // 2.5
  EXPECT_EQ(scatterAmount(*characterRow(2, 0), 0.5L), 6);  // 5.5
}
