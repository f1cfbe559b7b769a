// The hole-end shop: club upgrades and one more special shot, bought with
// points while at least 800 are kept.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/numbers.h"
#include "round/scoring.h"

namespace {

// "-900", or "－" once nothing more is sold.
QString priceText(bool soldOut, int price) {
  return soldOut ? QString("－") : QString("-%1").arg(price);
}

}  // namespace

void TForm1::pricecheck() {
  price1W = upgradePrice(1, upgrades1W);
  price3W = upgradePrice(2, upgrades3W);
  price5I = upgradePrice(3, upgrades5I);
  price8I = upgradePrice(4, upgrades8I);
  Lbmpt1->SetCaption(priceText(upgrades1W > 3, price1W));
  Lbmpt2->SetCaption(priceText(upgrades3W > 3, price3W));
  Lbmpt3->SetCaption(priceText(upgrades5I > 3, price5I));
  Lbmpt4->SetCaption(priceText(upgrades8I > 3, price8I));
  Lbmpt6->SetCaption(priceText(specialStock > 8, priceSpecial));
  checkRadioEnabled(upgrades1W, price1W, Radio1);
  checkRadioEnabled(upgrades3W, price3W, Radio2);
  checkRadioEnabled(upgrades5I, price5I, Radio3);
  checkRadioEnabled(upgrades8I, price8I, Radio4);
  Radio7->SetEnabled(specialStock <= 8 && points >= priceSpecial + 800);
  if (charSlot == 6) {  // Hatao has no special to sell
    Radio7->SetEnabled(false);
    Lbmpt6->SetCaption("－");
  }
}

void TForm1::purchase() {
  shot->SetEnabled(false);
  struct Upgrade {
    TRadioButton* entry;
    const char* name;
    int16_t& reach;
    uint8_t& bought;
  };
  const Upgrade upgrades[4] = {{Radio1, "1W", reach1W, upgrades1W},
                               {Radio2, "3W", reach3W, upgrades3W},
                               {Radio3, "5I", reach5I, upgrades5I},
                               {Radio4, "8I", reach8I, upgrades8I}};
  const Upgrade* chosen = nullptr;
  for (const Upgrade& u : upgrades)
    if (u.entry->Checked()) {
      chosen = &u;
      break;
    }
  // Nothing checked means nothing to buy: nothing is charged.
  if (!chosen && !Radio7->Checked()) return;

  points = saturate<int32_t>(int64_t{points} - chosenPrice);
  valpts->SetCaption(points);
  playEffect(2);

  if (chosen) {
    chosen->reach = static_cast<int16_t>(chosen->reach + (chosen->bought == 3 ? 20 : 10));
    ++chosen->bought;
    chosen->entry->SetCaption(QString("%1 %2 yd").arg(chosen->name).arg(chosen->reach));
    chosen->entry->SetChecked(false);
  } else {
    ++specialStock;
    if (const CharacterRow* row = characterRow(charSlot, altChar))
      Radio7->SetCaption(QString("%1%2)").arg(QString::fromUtf8(row->shopName)).arg(specialStock));
    ussp->SetCaption(QString("特 %1").arg(specialStock));
    Radio7->SetChecked(false);
  }
  pricecheck();
}
