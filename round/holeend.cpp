// The end of a hole other than the last: the hole-end screen with the running
// score, the rivals' board moved on by one hole, the next hole previewed and
// the shop opened.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "round/scoring.h"

void TForm1::csend() {
  Visoff3();
  rankime();  // still with the par of the hole just finished
  ++holeNo;
  Holeinfo();
  Lbzen->SetCaption("全長：");
  Lbhikyo->SetCaption("パー：");
  yd2->SetCaption(holeLength);
  yd4->SetCaption(par);
  ydLabel2->SetCaption("yd");
  Map();
  // The shop enables the button once an entry is chosen.
  shot->SetEnabled(false);
  shot->SetCaption("購入");
  strokeNo = 0;
  phase = 11;
}

void TForm1::Visoff3() {
  Box2->Hide();
  meyasu->Hide();
  gauge->SetWidth(0);
  for (TControl* c : std::initializer_list<TControl*>{Lbrest, ImgSpe, giveup, yd1, yd3}) c->Hide();
  yd4->Show();
  for (TControl* c : std::initializer_list<TControl*>{ydLabel1, ydLabel3, chikei}) c->Hide();
  vwscore->Show();

  if (activeSpecial == 1) waku->SetWidth(102);  // the power shot had widened the frame
  activeSpecial = 0;

  Lbspe->SetCaption("特技：");
  if (const CharacterRow* row = characterRow(charSlot, altChar)) {
    if (charSlot == 6)
      Radio7->SetCaption(row->shopName);
    else
      Radio7->SetCaption(QString("%1%2)").arg(QString::fromUtf8(row->shopName)).arg(specialStock));
  }
  pricecheck();

  toji2->Show();
  Lbmpt5->SetCaption("");
  Lbkeep->Show();
  for (TControl* c : std::initializer_list<TControl*>{windLabel, plmi, valplmi, wndcont, parLabel,
                                                      shotLabel, valpar, valshot})
    c->Hide();

  hlsLabel->SetCaption("スコア：");
  checkScorePlmi(scoreToPar, valhls);

  Radio5->Hide();
  Radio6->Hide();
  for (TControl* c : std::initializer_list<TControl*>{Radio7, Box1, hlsLabel, valhls}) c->Show();

  vwcourse->SetEnabled(true);
  vwscore->SetEnabled(true);
  proceed->Show();
  ussp->SetEnabled(false);  // no specials between holes
}

void TForm1::rankime() {
  TLabel* const scores[6] = {scMina, scSouma, scTsuduru, scKyoko, scPhilip, scHatao};
  for (int k = 1; k <= 6; ++k) {
    if (k == charSlot) continue;
    const int n = static_cast<int>(Round(R() * rivalScale(k)));
    rivalScore[k] = static_cast<int8_t>(rivalScore[k] + rivalStep(k, n, par));
  }
  if (charSlot >= 1 && charSlot <= 6) rivalScore[charSlot] = scoreToPar;
  for (int k = 1; k <= 6; ++k) checkScorePlmi(rivalScore[k], scores[k - 1]);
}
