// Using a special shot: each golfer's own, one from the stock each time.
#include "app/TForm1.h"
#include "platform/random.h"

void TForm1::armTakeBack(uint8_t takeBackPhase, uint8_t code) {
  phase = takeBackPhase;
  for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4, Radio5, Radio6}) {
    r->SetEnabled(false);
    r->SetChecked(false);
  }
  shot->SetCaption(">");
  shot->SetEnabled(true);
  activeSpecial = code;
}

void TForm1::usspClick() {
  // The button is disabled with an empty stock; never spend what is not there.
  if (specialStock == 0) return;
  playEffect(2);
  --specialStock;
  ussp->SetCaption(QString("特 %1").arg(specialStock));

  switch (charSlot) {
    case 1:
      if (altChar == 1) {
        activeSpecial = 12;
      } else {
        waku->SetWidth(122);
        activeSpecial = 1;
      }
      break;
    case 2:
      if (altChar == 1) {
        if (Random(2) == 0) {
          windValue = 9;
          plmi->SetCaption("＋");
        } else {
          windValue = -9;
          plmi->SetCaption("－");
        }
        valplmi->SetCaption(9);
        activeSpecial = 22;
      } else {
        activeSpecial = 2;
      }
      break;
    case 3:
      armTakeBack(12, 3);
      break;
    case 4:
      windValue = 0;
      plmi->SetCaption("±");
      valplmi->SetCaption(0);
      activeSpecial = 4;
      break;
    case 5:
      armTakeBack(13, 5);
      break;
    default:
      break;
  }

  ImgSpe->Show();
  ussp->SetEnabled(charSlot == 2 && altChar == 1 && specialStock > 0);
}
