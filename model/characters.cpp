#include "model/characters.h"

#include "platform/numbers.h"

namespace {

// clang-format off
// Row order: Mina, Pizza Happy Man, Souma, K. Yamada, Tsuduru, Kyoko, Philip, Hatao.
// "\u3000" is the ideographic blank of the Japanese texts.
constexpr CharacterRow kRows[8] = {
    {"  一之瀬 水無", "nmMina", "・M. Ichinose", "scMina", "chara1", "Img1", 1, 5, 5,
     " パワーショット", "Imgspe1", "パワーＳ(", 1, 3, 7, 800, {200, 180, 130, 100},
     {90, 70, 60, 40, 10, 0}, 102, 30, 40, 1, 100, false, 0, 0, 5, false, "FFFFFFFFF", "mina",
     "【一之瀬 水無】", nullptr},
    {"ピザハッピーマン", "nmMina", "・Pizza Happy", "scMina", "ImgHCYPHM", "Img7", 1, 4, 2,
     "ハッピーショット", "Imgspe1_2", "ハッピーＳ(", 12, 3, 8, 900, {180, 160, 130, 100},
     {100, 80, 70, 50, 20, 10}, 107, 40, 45, 3, 105, true, 3, 1, 5, false, "ESEFNSESE", "phm",
     "【ピザハッピーマン】", nullptr},
    {"   右村 走馬", "nmSouma", "・S. Migimura", "scSouma", "chara2", "Img2", 3, 3, 3,
     "地形無視ショット", "Imgspe2", "地形無視Ｓ(", 2, 2, 4, 950, {230, 200, 160, 130},
     {120, 100, 80, 60, 30, 10}, 114, 50, 50, 4, 112, true, 7, 2, 5, false, "SSSSSSSSS", "soma",
     "【右村 走馬】", nullptr},
    {"山田コウイチロウ", "nmSouma", "・K. Yamada", "scSouma", "ImgHCYKcr", "Img7", 4, 3, 2,
     "  山田ウインド", "Imgspe2_2", "山田Ｗ(", 22, 2, 4, 800, {240, 130, 240, 90},
     {130, 100, 220, 90, 50, 30}, 114, 50, 50, 4, 112, true, 8, 4, 5, false, "ESEFNSESE",
     "yamada", "【山田 コウイチロウ】", nullptr},
    {"    柴田 綴", "nmTsuduru", "・T. Shibata", "scTsuduru", "chara3", "Img3", 6, 1, 2,
     "\u3000\u3000打ち直し", "Imgspe3", "打ち直し(", 3, 2, 2, 1050, {290, 270, 230, 190},
     {190, 150, 110, 80, 40, 20}, 135, 28, 28, 7, 133, true, 12, 5, 9, true, "SNESNESNE",
     "tsuzuru", "【柴田 綴】", "imgtdr"},
    {"    神 響子", "nmKyoko", "・K. Jin", "scKyoko", "chara4", "Img4", 2, 4, 4,
     "\u3000風・傾斜消し", "Imgspe4", "風・傾斜消(", 4, 4, 5, 650, {220, 190, 160, 120},
     {110, 90, 70, 40, 20, 10}, 110, 50, 50, 3, 108, true, 5, 2, 7, false, "FFNFFNFFN", "kyoko",
     "【神 響子】", "imgkyk"},
    {"フィリップ 北崎", "nmPhilip", "・P. Kitazaki", "scPhilip", "chara5", "Img5", 4, 3, 4,
     "スタートオーバー", "Imgspe5", "Start Over(", 5, 1, 3, 1200, {240, 220, 180, 150},
     {150, 130, 100, 80, 40, 20}, 122, 43, 40, 5, 120, true, 9, 3, 6, false, "ESFFSFFSS",
     "philip", "【フィリップ 北崎】", "imgplp"},
    {"  一之瀬 旗雄", "nmHatao", "・H. Ichinose", "scHatao", "chara6", "Img6", 5, 5, 5,
     "\u3000\u3000\u3000無し", nullptr, "無し", 0, 0, 6, 0, {270, 250, 200, 170},
     {100, 80, 70, 50, 30, 10}, 127, 27, 27, 1, 125, false, 0, 0, 8, true, "FFFFFFFFF", "hatao",
     "【一之瀬 旗雄】", "imght"},
};
// clang-format on

}  // namespace

const CharacterRow* characterRow(uint8_t slot, uint8_t alt) {
  switch (slot) {
    case 1:
      return &kRows[alt == 1 ? 1 : 0];
    case 2:
      return &kRows[alt == 1 ? 3 : 2];
    case 3:
    case 4:
    case 5:
    case 6:
      return &kRows[slot + 1];
    default:
      return nullptr;
  }
}

std::string stars(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "★";
  return s;
}

uint8_t scatterAmount(const CharacterRow& row, long double r) {
  if (!row.hasScatter) return 0;
  return static_cast<uint8_t>(Round(r * row.scatterA + row.scatterB));
}
