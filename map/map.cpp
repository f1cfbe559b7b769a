// The hole overview panel Box2: the strip map of the hole, its legend, the
// hover captions in moji, skipping a flight, and switching between the club
// panel, the overview and the score board.
#include "app/TForm1.h"
#include "map/mapping.h"
#include "model/characters.h"

void TForm1::Map() {
  ryakuLabel->SetCaption(QString::number(holeNo) + " 番ホール：");

  const long double s = mapScale(holeLength);
  for (int i = 1; i <= 3; ++i) {
    const MapBar bars[3] = {mapBar(s, roughFrom[i], roughTo[i]),
                            mapBar(s, waterFrom[i], waterTo[i]),
                            mapBar(s, bunkerFrom[i], bunkerTo[i])};
    for (int k = 0; k < 3; ++k) mapBars[3 * k + i]->SetWidth(bars[k].width());
    for (int k = 0; k < 3; ++k) mapBars[3 * k + i]->SetLeft(bars[k].left(2));
    for (int k = 0; k < 3; ++k) mapBars[3 * k + i]->SetVisible(bars[k].visible());
  }

  const MapBar green = mapGreen(s, holeLength, greenSize);
  argreen->SetWidth(green.width());
  argreen->SetLeft(green.left(2));

  // Entries 1..9 of the tables: rough 1..3, water 1..3, bunker 1..3.
  const Arr<int16_t, 1, 3>* from[3] = {&roughFrom, &waterFrom, &bunkerFrom};
  const Arr<int16_t, 1, 3>* to[3] = {&roughTo, &waterTo, &bunkerTo};
  // How much of each range the golfer knows; nobody chosen keeps the old captions.
  if (const CharacterRow* row = characterRow(charSlot, altChar)) {
    for (int k = 0; k < 3; ++k)
      for (int i = 1; i <= 3; ++i) {
        const int n = 3 * k + i;
        mapLabels[9 + n]->SetCaption(
            legendCaption(row->legend[n - 1], (*from[k])[i], (*to[k])[i]).c_str());
      }
  }
  for (int k = 0; k < 3; ++k)
    for (int i = 1; i <= 3; ++i) {
      const int n = 3 * k + i;
      const bool exists = (*from[k])[i] != 0 || (*to[k])[i] != 0;
      mapLabels[n]->SetVisible(exists);
      mapLabels[9 + n]->SetVisible(exists);
    }

  gr->SetCaption(greenSize);
  Application::instance().ProcessMessages();
}

void TForm1::displayFieldCaption(TLabel* label) {
  const char* prefix = "Rough ";
  if (label == wd1 || label == wd2 || label == wd3)
    prefix = "Water ";
  else if (label == bd1 || label == bd2 || label == bd3)
    prefix = "Bunker ";
  moji->SetCaption(QString::fromUtf8(prefix) + label->Caption());
}

void TForm1::rd1MouseMove(int, int) { displayFieldCaption(rd1); }
void TForm1::rd2MouseMove(int, int) { displayFieldCaption(rd2); }
void TForm1::rd3MouseMove(int, int) { displayFieldCaption(rd3); }
void TForm1::wd1MouseMove(int, int) { displayFieldCaption(wd1); }
void TForm1::wd2MouseMove(int, int) { displayFieldCaption(wd2); }
void TForm1::wd3MouseMove(int, int) { displayFieldCaption(wd3); }
void TForm1::bd1MouseMove(int, int) { displayFieldCaption(bd1); }
void TForm1::bd2MouseMove(int, int) { displayFieldCaption(bd2); }
void TForm1::bd3MouseMove(int, int) { displayFieldCaption(bd3); }

void TForm1::grMouseMove(int, int) {
  moji->SetCaption("Green: " + plmi2->Caption() + gr->Caption());
}

void TForm1::Box2MouseMove(int, int) { moji->SetCaption(""); }

// The right button on the panel during a full shot lands the ball at once.
void TForm1::Box2MouseDown(TMouseButton b, int, int) {
  if (b == TMouseButton::mbRight && phase == 5) travelled = shotLength;
}

void TForm1::vwcourseClick() {
  playEffect(4);
  if (phase == 5 || phase == 7) club->SetCaption(clubReach);
  Box2->Show();
  Box1->Hide();
  Box3->Hide();
  vwcourse->SetEnabled(false);
  vwscore->SetEnabled(true);
}

void TForm1::vwscoreClick() {
  playEffect(4);
  Box3->Show();
  Box1->Hide();
  Box2->Hide();
  vwscore->SetEnabled(false);
  vwcourse->SetEnabled(true);
}

void TForm1::toji2Click() {
  Box1->Show();
  Box2->Hide();
  Box3->Hide();
  vwcourse->SetEnabled(true);
  vwscore->SetEnabled(true);
}
