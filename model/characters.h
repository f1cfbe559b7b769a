// The eight golfers: one constant row each, with everything the game looks up
// by who is playing (names, pictures, clubs, gauge, scatter, special, sound,
// overview detail, record file).
//
// Six slots on the character grid: 1 Mina, 2 Souma, 3 Tsuduru, 4 Kyoko,
// 5 Philip, 6 Hatao. Slots 1 and 2 hold a second golfer on the right button:
// Pizza Happy Man and K. Yamada.
#pragma once

#include <cstdint>
#include <string>

struct CharacterRow {
  const char* panelName;            // nmLabel caption, leading blanks included
  const char* boardName;            // the score board's name label for this slot ("nmMina" ...)
  const char* boardCaption;         // its caption ("・M. Ichinose" ...)
  const char* scoreLabel;           // the score label beside it ("scMina" ...)
  const char* portrait;             // picture copied into face ("chara1", "ImgHCYPHM" ...)
  const char* largePicture;         // 230 x 230 picture of the ending ("Img1" .. "Img7")
  uint8_t power, dexterity, sense;  // star ratings: 腕力, 器用さ, 土地勘
  const char* specialPanel;         // speLabel text
  // Banner copied into ImgSpe; nullptr for Hatao, whose ImgSpe keeps the picture it had.
  const char* specialPicture;
  const char* shopName;  // Radio7 caption stem, followed by the stock and ")"; Hatao "無し"
  uint8_t specialCode;   // activeSpecial while the special is in force; 0 for Hatao
  uint8_t specialStock, windWaits;
  int16_t priceSpecial;
  int16_t reach[4];    // full-power carry of 1W, 3W, 5I, 8I
  int16_t cost[6];     // points per stroke: 1W, 3W, 5I, 8I, long putter, short putter
  int16_t gaugeFrame;  // width of the frame waku: gaugeMax + 2
  uint8_t intervalShot, intervalPutt, gaugeStep, gaugeMax;  // ms per gauge step, pixels
  bool hasScatter;
  uint8_t scatterA, scatterB;  // scatter in yards: Round(R * a + b)
  uint8_t swingSe;             // effect number of the swing
  bool showTick125;            // the 125 % tick scale6 under the gauge
  // Hole overview captions of rough 1..3, water 1..3, bunker 1..3: F full, S start only, E end
  // only, N neither.
  const char* legend;
  const char* exportKey;      // record file name part ("mina" ...)
  const char* exportHeading;  // record heading ("【一之瀬 水無】" ...)
  // Picture the grid shows once the slot is unlocked ("imgtdr" ...); nullptr for slots 1 and 2,
  // which are never locked.
  const char* gridPicture;
};

// Full-power reach of the long and the short putter, the same for everyone.
constexpr int16_t kReachPutterLong = 30;
constexpr int16_t kReachPutterShort = 15;

// slot 1..6; alt matters only for slots 1 and 2 (alt 1 = the alternate, any other value the main
// golfer). nullptr for slot 0 or above 6.
const CharacterRow* characterRow(uint8_t slot, uint8_t alt);

// "★" repeated n times; empty for n <= 0.
std::string stars(int n);

// Scatter amount d: 0 (and no draw) when the row has none, else the unsigned byte Round(r * a + b).
uint8_t scatterAmount(const CharacterRow& row, long double r);
