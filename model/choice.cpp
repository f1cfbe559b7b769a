// Applying the chosen character to the game: its numbers, pictures and
// board label.
#include "app/TForm1.h"
#include "model/characters.h"

void TForm1::applyCharacter(TMouseButton button) {
  if (charSlot < 1 || charSlot > 6) return;
  uint8_t alt = 0;
  if (charSlot <= 2) {
    if (button == TMouseButton::mbRight)
      alt = 1;
    else if (button != TMouseButton::mbLeft)
      return;
    altChar = alt;
  } else if (button != TMouseButton::mbLeft) {
    return;
  }
  const CharacterRow& row = *characterRow(charSlot, alt);

  if (auto* portrait = dynamic_cast<TImage*>(controlByName(row.portrait)))
    face->SetPicture(*portrait);
  if (row.specialPicture)
    if (auto* banner = dynamic_cast<TImage*>(controlByName(row.specialPicture)))
      ImgSpe->SetPicture(*banner);

  auto* board = controlByName(row.boardName);
  auto* score = controlByName(row.scoreLabel);
  board->SetColor(0xFF4E4E);
  score->SetColor(0xFF4E4E);
  if (charSlot <= 2) board->SetCaption(row.boardCaption);

  specialStock = row.specialStock;
  windWaitsPerHole = row.windWaits;
  priceSpecial = row.priceSpecial;
  reach1W = row.reach[0];
  reach3W = row.reach[1];
  reach5I = row.reach[2];
  reach8I = row.reach[3];
  reachPT1 = kReachPutterLong;
  reachPT2 = kReachPutterShort;
  cost1W = row.cost[0];
  cost3W = row.cost[1];
  cost5I = row.cost[2];
  cost8I = row.cost[3];
  costPT1 = row.cost[4];
  costPT2 = row.cost[5];
  waku->SetWidth(row.gaugeFrame);

  // The hover shows only the main golfers, so slots 1 and 2 write the panel
  // again for whoever was chosen.
  if (charSlot <= 2) showCharacterPanel(row);
}

void TForm1::showCharacterPanel(const CharacterRow& row) {
  nmLabel->SetCaption(row.panelName);
  Lbwan->SetCaption("腕力：");
  Lbkiyo->SetCaption("器用さ：");
  Lbtochi->SetCaption("土地勘：");
  powLabel->SetCaption(stars(row.power).c_str());
  techLabel->SetCaption(stars(row.dexterity).c_str());
  geoLabel->SetCaption(stars(row.sense).c_str());
  speLabel->SetCaption(row.specialPanel);
}
