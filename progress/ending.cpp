// The ending: the title flash, then four left-side pages (final board, two
// pages of statistics, the character's picture) while the credits on the
// right fade in, hold and fade out page by page; a last credits page ends
// with 終, and the closing messages follow. Runs as the idle-time handler,
// paced by the millisecond clock.
#include <algorithm>

#include "app/TForm1.h"
#include "platform/dialogs.h"
#include "shot/rules.h"

namespace {

enum class Seen : uint8_t { Keep, Show, Hide };

constexpr int kStatisticsNumberPx = 15;
constexpr int kUnitLeft = 124;  // the units' designed left in the board

// A unit stands at its designed left unless its number is wider than the
// room before it; then it follows the number with a pixel between them.
void placeUnit(const TLabel* number, TLabel* unit) {
  unit->SetLeft(std::max(kUnitLeft, number->Left() + number->Width() + 1));
}

// One credit label's change when a credits page begins: its new text (none
// keeps the text), its move, and whether it shows.
struct CreditStep {
  int label;  // 1..10
  const char* text;
  int dx, dy;
  Seen seen;
};

// Pages 2..5. Page 1 is the designed look of the labels. Every line names a
// piece of the game's own work, short enough to end inside the window.
const CreditStep kPage2[] = {
    {1, nullptr, 24, 0, Seen::Keep},
    {2, nullptr, 0, 0, Seen::Hide},
    {3, "『タイトル・メニュー曲』", 16, -8, Seen::Keep},
    {4, "■ Pinvale コース曲制作", 24, 0, Seen::Keep},
    {5, "『コースの BGM』", 24, 0, Seen::Keep},
    {6, "■ Pinvale 環境音制作", 24, 0, Seen::Keep},
    {7, "『打球音・着地音』", 24, 0, Seen::Keep},
    {8, "■ Pinvale 開発チーム", 24, 0, Seen::Keep},
    {9, "『自作のサウンド生成』", 24, 0, Seen::Keep},
    {10, nullptr, -16, 0, Seen::Keep},
};
const CreditStep kPage3[] = {
    {1, nullptr, -8, 0, Seen::Keep},
    {2, "■ Pinvale サウンド制作", -8, 0, Seen::Show},
    {3, "『ホール終了の曲』", 0, 8, Seen::Keep},
    {4, "■ Pinvale 開発チーム", -8, 0, Seen::Keep},
    {5, "『カップイン ジングル』", -8, 0, Seen::Keep},
    {6, nullptr, 0, 0, Seen::Hide},
    {7, "『エンディング曲』", -16, -8, Seen::Keep},
    {8, nullptr, 0, 0, Seen::Hide},
    {9, nullptr, 0, 0, Seen::Hide},
    {10, nullptr, 14, -44, Seen::Keep},
};
const CreditStep kPage4[] = {
    {1, "【 キャラグラフィック 】", 48, 8, Seen::Keep},
    {2, nullptr, 0, 0, Seen::Hide},
    {3, nullptr, 0, 0, Seen::Hide},
    {4, "■ Pinvale 画像制作", 74, -12, Seen::Keep},
    {5, "『自作の似顔絵』", 74, -12, Seen::Keep},
    {7, nullptr, 0, 0, Seen::Hide},
    {10, nullptr, -6, -28, Seen::Keep},
};
const CreditStep kPage5[] = {
    {1, "【 制作 】", 16, 0, Seen::Keep},
    {4, "■ Pinvale チーム", 0, 0, Seen::Keep},
    {5, nullptr, 0, 0, Seen::Hide},
};

}  // namespace

int32_t TForm1::endingDueIn() const {
  // Each step comes once more than the phase's wait has passed.
  return stepDueIn(int64_t{endPhase == 0 ? endTitleMs : endFadeMs} + 1, frameClock);
}

void TForm1::Ending() {
  const int32_t now = frameNow();
  TLabel* const credits[] = {Label1, Label2, Label3, Label4, Label5,
                             Label6, Label7, Label8, Label9, Label10};

  if (endingDueIn() > 0) return;
  if (endPhase == 0) {
    ++endTicks;
    if (endTicks == 3) {
      title->Show();
      endPhaseShown = 1;
    }
    if (endTicks == 10) title->Hide();
    if (endTicks == 13) {
      endPhase = 1;
      endTicks = 0;
      endPhaseShown = 0;
    }
    frameClock = now;
    return;
  }
  if (endPhaseShown == 0) {
    showEndingContent(endPhase);
    endPhaseShown = 1;
  }

  if (endFadeMode == 0)
    endFadeLevel = static_cast<int16_t>(endFadeLevel + endFadeStep);
  else if (endFadeMode == 1)
    endFadeLevel = static_cast<int16_t>(endFadeLevel - endFadeStep);
  else
    ++endTicks;

  if (endFadeLevel >= 255) {
    endFadeLevel = 255;
    if (endFadeMode != 2) {
      endFadeMode = 2;
      endTicks = 0;
    }
  } else if (endFadeLevel <= 0) {
    endFadeLevel = 0;
    if (endFadeMode != 2) {
      endFadeMode = 0;
      endTicks = 0;
      endPhaseShown = 0;
      ++endPhase;
    }
  }

  if (endTicks >= endHoldTicks && endPhase <= 4 && endFadeMode == 2) {
    endFadeMode = 1;
    endTicks = 0;
  } else if (endTicks >= endLastTicks && endPhase == 5) {
    noti->Hide();
    Label10->Show();
    endPhase = 6;
    endTicks = 0;
  } else if (endTicks >= 6 && endPhase == 6) {
    Application::instance().clearIdle();
    showdia();
    return;
  }

  const uint32_t level = static_cast<uint8_t>(endFadeLevel);
  for (TLabel* l : credits) l->SetColor((level << 16) | (level << 8) | level);

  if (endPhaseShown == 0 && endPhase >= 2 && endPhase <= 5) showCreditsPage(endPhase);
  frameClock = now;
}

void TForm1::showEndingContent(uint8_t phase) {
  // The statistics pages reuse the board: headings, numbers and units in rows.
  auto statistics = [this](const char* const headings[4], const QString numbers[4],
                           const char* const units[4]) {
    TLabel* const heading[] = {nmHatao, nmKyoko, nmSouma, Label11};
    TLabel* const number[] = {nmMina, nmPhilip, nmTsuduru, Label12};
    TLabel* const unit[] = {scMina, scPhilip, scTsuduru, Label13};
    for (TLabel* l : {nmHatao, scHatao, nmMina, scMina, nmKyoko, scKyoko, nmPhilip, scPhilip,
                      nmSouma, scSouma, nmTsuduru, scTsuduru})
      l->SetColor(0xFFFFFF);
    for (int i = 0; i < 4; ++i) {
      heading[i]->SetLeft(7);
      heading[i]->SetTop(14 + 34 * i);
      heading[i]->SetCaption(headings[i]);
      number[i]->SetLeft(118);
      number[i]->SetTop(29 + 34 * i);
      // Size 11 is the form's point size: 15 pixels, the size of Label12, so
      // that the four numbers of a page look alike.
      if (i < 3) number[i]->SetFont(kStatisticsNumberPx, false);
      number[i]->SetCaption(numbers[i]);
      unit[i]->SetTop(31 + 34 * i);
      unit[i]->SetCaption(units[i]);
      placeUnit(number[i], unit[i]);
      heading[i]->Show();
      number[i]->Show();
      unit[i]->Show();
    }
    for (TLabel* l : {scHatao, scKyoko, scSouma}) l->SetCaption("");
  };

  switch (phase) {
    case 1:
      noti->Hide();
      Box3->Show();
      break;
    case 2: {
      const char* const headings[] = {"・ホールインワン", "・アルバトロス", "・イーグル",
                                      "・バーディー"};
      const QString numbers[] = {QString::number(holeInOnes), QString::number(albatrosses),
                                 QString::number(eagles), QString::number(birdies)};
      const char* const units[] = {"回", "回", "回", "回"};
      statistics(headings, numbers, units);
      break;
    }
    case 3: {
      const char* const headings[] = {"・チップイン", "・最長ショット", "・最長記録",
                                      "・ベストスコア"};
      const QString numbers[] = {QString::number(chipIns), QString::number(longestShot),
                                 QString::number(recordLongest), QString()};
      const char* const units[] = {"回", "yd", "yd", ""};
      statistics(headings, numbers, units);
      Label12->SetLeft(116);
      checkScorePlmi(recordBest, Label12);
      Label13->Hide();
      break;
    }
    case 4:
      Box3->Hide();
      Img->Show();
      break;
  }
}

void TForm1::showCreditsPage(uint8_t phase) {
  TLabel* const credits[] = {Label1, Label2, Label3, Label4, Label5,
                             Label6, Label7, Label8, Label9, Label10};
  auto apply = [&](const auto& page) {
    for (const CreditStep& s : page) {
      TLabel* l = credits[s.label - 1];
      if (s.text) l->SetCaption(s.text);
      l->SetLeft(l->Left() + s.dx);
      l->SetTop(l->Top() + s.dy);
      if (s.seen == Seen::Show) l->Show();
      if (s.seen == Seen::Hide) l->Hide();
    }
  };
  switch (phase) {
    case 2:
      apply(kPage2);
      break;
    case 3:
      apply(kPage3);
      break;
    case 4:
      apply(kPage4);
      break;
    case 5:
      apply(kPage5);
      Label10->SetCaption("終");
      Label10->SetLeft(415);
      Label10->SetTop(246);
      Label10->Hide();
      break;
  }
}

void TForm1::showdia() {
  if (exportFailed)
    ShowMessage("成績の出力に失敗しました");
  else
    ShowMessage("recordフォルダに" + recordName + ".txtを出力しました");
  if (noticeEditor) ShowMessage("コースエディタを追加しました");
  if (noticeTsuzuru) ShowMessage("柴田 綴が使用可能になりました");
  if (noticeKyoko) ShowMessage("神 響子が使用可能になりました");
  if (noticePhilip) ShowMessage("フィリップ 北崎が使用可能になりました");
  if (noticeHatao) ShowMessage("一之瀬 旗雄が使用可能になりました");
}
